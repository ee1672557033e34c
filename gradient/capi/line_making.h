// What the calls that make lines and runs share: the request's plan, the caller's text
// read as UTF-8, and a failed line recorded in the request's terms.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "gradient/capi/request_state.h"
#include "gradient/request.h"

namespace lumivane::capi {

// The status that stands for an engine refusal.
lumivane_status StatusOf(RequestError error);

// The request resolved into `plan`, or its refusal recorded: options that do not go
// together are refused when a line is made, as the tool refuses them before any line.
lumivane_status PlanRequest(lumivane_request& request, LinePlan& plan);

// `text` of `size` bytes; false (a null pointer with bytes to read) when there is none.
bool TextOf(const char* text, std::size_t size, std::string_view& view);

// A line's failure recorded with `name` before its message ("the line cannot fit ...").
lumivane_status LineFailure(lumivane_request& request, const LineOutcome& outcome,
                            const LinePlan& plan, const std::string& name);

}  // namespace lumivane::capi
