#include "gradient/capi/line_making.h"

namespace lumivane::capi {

lumivane_status StatusOf(RequestError error) {
    switch (error) {
    case RequestError::None: return LUMIVANE_OK;
    case RequestError::TooFewColors:
    case RequestError::TooManyColors:
    case RequestError::ZeroLimit:
    case RequestError::UnknownPreset: return LUMIVANE_ERROR_BAD_OPTION;
    case RequestError::HueNotTaken:
    case RequestError::StyleNotShown:
    case RequestError::FaceNotTaken:
    case RequestError::FadeOnlyNotTaken:
    case RequestError::LimitNotTaken: return LUMIVANE_ERROR_BAD_COMBINATION;
    case RequestError::DoesNotFit: return LUMIVANE_ERROR_DOES_NOT_FIT;
    case RequestError::TooLong: return LUMIVANE_ERROR_TOO_LONG;
    case RequestError::OutOfMemory: return LUMIVANE_ERROR_OUT_OF_MEMORY;
    }
    return LUMIVANE_ERROR_INTERNAL;
}

lumivane_status PlanRequest(lumivane_request& request, LinePlan& plan) {
    const RequestError refused = PlanLine(request.line, plan);
    if (refused == RequestError::None) return LUMIVANE_OK;
    return Fail(request, StatusOf(refused), RequestErrorMessage(refused, request.line));
}

bool TextOf(const char* text, std::size_t size, std::string_view& view) {
    if (!text && size > 0) return false;
    view = text ? std::string_view(text, size) : std::string_view();
    return true;
}

lumivane_status LineFailure(lumivane_request& request, const LineOutcome& outcome,
                            const LinePlan& plan, const std::string& name) {
    const lumivane_status status =
        Fail(request, StatusOf(outcome.error), name + " " + LineErrorMessage(outcome, plan));
    request.shortestLimit = outcome.shortestLimit;
    return status;
}

}  // namespace lumivane::capi
