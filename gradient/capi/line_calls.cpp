// One chat line for one text, in an allocation or in the caller's buffer.
#include <cstring>
#include <string>

#include "gradient/capi/allocation.h"
#include "gradient/capi/line_making.h"
#include "gradient/utf8.h"

namespace lumivane::capi {
namespace {

// The line for `text` as UTF-8 in `line`, or the failure recorded in the request.
lumivane_status MakeUtf8Line(lumivane_request& request, std::string_view text, std::string& line) {
    LinePlan plan;
    const lumivane_status planned = PlanRequest(request, plan);
    if (planned != LUMIVANE_OK) return planned;
    const auto wide = Utf8ToUtf16(text);
    if (!wide) return Fail(request, LUMIVANE_ERROR_BAD_TEXT, "the text is not valid UTF-8");
    std::u16string made;
    const LineOutcome outcome = MakeLine(plan, *wide, made);
    if (outcome.error != RequestError::None) return LineFailure(request, outcome, plan, "the line");
    AppendUtf8(line, made);
    return Succeed(request);
}

}  // namespace
}  // namespace lumivane::capi

using lumivane::capi::Fail;
using lumivane::capi::Guarded;

extern "C" {

lumivane_status lumivane_make_line(lumivane_request* request, const char* text, size_t text_size,
                                   char** line, size_t* line_size) {
    if (line) *line = nullptr;
    if (line_size) *line_size = 0;
    if (!request) return LUMIVANE_ERROR_NULL_ARGUMENT;
    return Guarded(request, [&] {
        std::string_view given;
        if (!line || !line_size || !lumivane::capi::TextOf(text, text_size, given))
            return Fail(*request, LUMIVANE_ERROR_NULL_ARGUMENT,
                        !line || !line_size ? "no place for the line" : "no text");
        std::string made;
        const lumivane_status status = lumivane::capi::MakeUtf8Line(*request, given, made);
        if (status != LUMIVANE_OK) return status;
        *line = lumivane::capi::CopyToAllocation(made);
        *line_size = made.size();
        return status;
    });
}

lumivane_status lumivane_make_line_into(lumivane_request* request, const char* text,
                                        size_t text_size, char* buffer, size_t buffer_size,
                                        size_t* line_size) {
    if (line_size) *line_size = 0;
    if (buffer && buffer_size > 0) buffer[0] = '\0';
    if (!request) return LUMIVANE_ERROR_NULL_ARGUMENT;
    return Guarded(request, [&] {
        std::string_view given;
        if (!line_size || (!buffer && buffer_size > 0) ||
            !lumivane::capi::TextOf(text, text_size, given))
            return Fail(*request, LUMIVANE_ERROR_NULL_ARGUMENT,
                        !line_size                   ? "no place for the line's size"
                        : !buffer && buffer_size > 0 ? "no buffer"
                                                     : "no text");
        std::string made;
        const lumivane_status status = lumivane::capi::MakeUtf8Line(*request, given, made);
        if (status != LUMIVANE_OK) return status;
        *line_size = made.size();
        if (buffer_size <= made.size())
            return Fail(*request, LUMIVANE_ERROR_BUFFER_TOO_SMALL,
                        "the line needs a buffer of " + std::to_string(made.size() + 1) +
                            " bytes, not " + std::to_string(buffer_size));
        std::memcpy(buffer, made.data(), made.size());
        buffer[made.size()] = '\0';
        return status;
    });
}

}  // extern "C"
