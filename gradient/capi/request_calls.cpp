// Making a request, setting its options and reading its last failure.
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "gradient/capi/request_state.h"
#include "gradient/request_options.h"
#include "gradient/shown_value.h"
#include "gradient/utf8.h"

using lumivane::capi::Fail;
using lumivane::capi::Guarded;
using lumivane::capi::Succeed;

extern "C" {

lumivane_request* lumivane_request_new(void) {
    try {
        return new lumivane_request();
    } catch (...) {
        return nullptr;
    }
}

void lumivane_request_free(lumivane_request* request) { delete request; }

lumivane_status lumivane_request_set(lumivane_request* request, const char* name,
                                     const char* value) {
    if (!request) return LUMIVANE_ERROR_NULL_ARGUMENT;
    return Guarded(request, [&] {
        if (!name) return Fail(*request, LUMIVANE_ERROR_NULL_ARGUMENT, "no option name");
        std::optional<std::string_view> given;
        if (value) given = value;
        // Set on a copy, so that a refused value leaves the request as it was.
        lumivane::LineRequest changed = request->line;
        std::string error;
        const auto result = lumivane::SetRequestOption(changed, name, given, error);
        const bool utf8 = lumivane::Utf8ToUtf16(name) && (!value || lumivane::Utf8ToUtf16(value));
        if (!utf8) {
            // Every value an option takes is UTF-8, so its own message says what is wrong.
            if (result == lumivane::OptionResult::Set)
                error =
                    "option '--" + lumivane::ShownValue(name) + "' given text that is not UTF-8";
            return Fail(*request, LUMIVANE_ERROR_BAD_TEXT, error);
        }
        if (result != lumivane::OptionResult::Set)
            return Fail(*request, LUMIVANE_ERROR_BAD_OPTION, error);
        request->line = std::move(changed);
        return Succeed(*request);
    });
}

lumivane_status lumivane_request_set_colors(lumivane_request* request, const int32_t* colors,
                                            size_t count) {
    if (!request) return LUMIVANE_ERROR_NULL_ARGUMENT;
    return Guarded(request, [&] {
        if (!colors) return Fail(*request, LUMIVANE_ERROR_NULL_ARGUMENT, "no colours");
        if (count < lumivane::kMinGradientColors || count > lumivane::kMaxGradientColors) {
            const auto refusal = count < lumivane::kMinGradientColors
                                     ? lumivane::RequestError::TooFewColors
                                     : lumivane::RequestError::TooManyColors;
            return Fail(*request, LUMIVANE_ERROR_BAD_OPTION,
                        lumivane::RequestErrorMessage(refusal, request->line));
        }
        request->line.colors = std::vector<lumivane::ColorValue>(colors, colors + count);
        return Succeed(*request);
    });
}

const char* lumivane_request_error(const lumivane_request* request) {
    if (!request) return "";
    return request->fixedError ? request->fixedError : request->error.c_str();
}

size_t lumivane_request_shortest_limit(const lumivane_request* request) {
    return request ? request->shortestLimit : 0;
}

}  // extern "C"
