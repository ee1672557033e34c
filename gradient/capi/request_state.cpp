#include "gradient/capi/request_state.h"

namespace lumivane::capi {

lumivane_status Succeed(lumivane_request& request) noexcept {
    request.error.clear();
    request.fixedError = nullptr;
    request.shortestLimit = 0;
    return LUMIVANE_OK;
}

lumivane_status Fail(lumivane_request& request, lumivane_status status,
                     std::string_view message) noexcept {
    try {
        request.error.assign(message.data(), message.size());
        request.fixedError = nullptr;
    } catch (...) {
        request.fixedError = lumivane_status_text(status);
    }
    return status;
}

}  // namespace lumivane::capi
