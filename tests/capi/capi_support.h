// What the C interface's tests share: a request that frees itself, and results as C++
// values.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "gradient/capi/lumivane.h"

namespace lumivane::test {

struct RequestDeleter {
    void operator()(lumivane_request* request) const { lumivane_request_free(request); }
};
using Request = std::unique_ptr<lumivane_request, RequestDeleter>;

inline Request NewRequest() { return Request(lumivane_request_new()); }

// What a call that hands out text gave.
struct Made {
    lumivane_status status;
    std::string text;  // empty when the status is not LUMIVANE_OK
    bool null;         // whether the allocation was NULL
    std::string error;
};

template <typename Call>
Made Take(lumivane_request* request, std::string_view text, Call call) {
    char* out = nullptr;
    std::size_t size = 12345;
    const lumivane_status status = call(request, text.data(), text.size(), &out, &size);
    Made made{status, out ? std::string(out, size) : std::string(), out == nullptr,
              lumivane_request_error(request)};
    if (out && out[size] != '\0') made.error = "not NUL-terminated";
    if (!out && size != 0) made.error = "a size without a line";
    lumivane_free(out);
    return made;
}

inline Made Line(lumivane_request* request, std::string_view text) {
    return Take(request, text, lumivane_make_line);
}

inline Made Lines(lumivane_request* request, std::string_view text) {
    return Take(request, text, lumivane_make_lines);
}

}  // namespace lumivane::test
