// What a lumivane_request holds behind the C interface, and how every entry point keeps
// C++ exceptions from crossing it.
#pragma once

#include <cstddef>
#include <exception>
#include <new>
#include <stdexcept>
#include <string>
#include <string_view>

#include "gradient/capi/lumivane.h"
#include "gradient/request.h"

struct lumivane_request {
    lumivane::LineRequest line;
    std::string error;                 // the last failure's message
    const char* fixedError = nullptr;  // shown instead when `error` could not be stored
    std::size_t shortestLimit = 0;     // after LUMIVANE_ERROR_DOES_NOT_FIT
};

namespace lumivane::capi {

// Clears the last failure; LUMIVANE_OK.
lumivane_status Succeed(lumivane_request& request) noexcept;

// Records a failure and its message (the status's own text when the message cannot be
// stored); returns `status`.
lumivane_status Fail(lumivane_request& request, lumivane_status status,
                     std::string_view message) noexcept;

// Runs `body` (which returns a status), turning whatever it throws into a status: out
// of memory, a length past what can be held, or a fault of the library's own. The
// failure is recorded on `request` unless it is null.
template <typename Body>
lumivane_status Guarded(lumivane_request* request, const Body& body) noexcept {
    lumivane_status status = LUMIVANE_ERROR_INTERNAL;
    const char* message = "an unexpected fault in the library";
    try {
        return body();
    } catch (const std::bad_alloc&) {
        status = LUMIVANE_ERROR_OUT_OF_MEMORY;
        message = "out of memory";
    } catch (const std::length_error&) {
        status = LUMIVANE_ERROR_TOO_LONG;
        message = "a line too long to hold";
    } catch (const std::exception& fault) {
        message = fault.what();
    } catch (...) {
    }
    return request ? Fail(*request, status, message) : status;
}

}  // namespace lumivane::capi
