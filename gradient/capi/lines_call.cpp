// Every line of a text, cut as the fade tool cuts its input.
#include <string>

#include "gradient/capi/allocation.h"
#include "gradient/capi/line_making.h"
#include "gradient/text_lines.h"
#include "gradient/utf8.h"

namespace lumivane::capi {
namespace {

// The lines' output lines joined by LF in `lines`, or the first failure, in the order the
// tool meets them, recorded with the line's number.
lumivane_status MakeUtf8Lines(lumivane_request& request, std::string_view text,
                              std::string& lines) {
    LinePlan plan;
    const lumivane_status planned = PlanRequest(request, plan);
    if (planned != LUMIVANE_OK) return planned;
    std::u16string made;
    unsigned long long number = 0;
    for (const std::string_view line : SplitInputLines(text)) {
        const std::string name = "line " + std::to_string(++number) + " of the text";
        const auto wide = Utf8ToUtf16(line);
        if (!wide) return Fail(request, LUMIVANE_ERROR_BAD_TEXT, name + " is not valid UTF-8");
        const LineOutcome outcome = MakeLine(plan, *wide, made);
        if (outcome.error != RequestError::None) return LineFailure(request, outcome, plan, name);
        if (number > 1) lines += '\n';
        AppendUtf8(lines, made);
    }
    return Succeed(request);
}

}  // namespace
}  // namespace lumivane::capi

extern "C" lumivane_status lumivane_make_lines(lumivane_request* request, const char* text,
                                               size_t text_size, char** lines, size_t* lines_size) {
    if (lines) *lines = nullptr;
    if (lines_size) *lines_size = 0;
    if (!request) return LUMIVANE_ERROR_NULL_ARGUMENT;
    return lumivane::capi::Guarded(request, [&] {
        std::string_view given;
        if (!lines || !lines_size || !lumivane::capi::TextOf(text, text_size, given))
            return lumivane::capi::Fail(
                *request, LUMIVANE_ERROR_NULL_ARGUMENT,
                !lines || !lines_size ? "no place for the lines" : "no text");
        std::string made;
        const lumivane_status status = lumivane::capi::MakeUtf8Lines(*request, given, made);
        if (status != LUMIVANE_OK) return status;
        *lines = lumivane::capi::CopyToAllocation(made);
        *lines_size = made.size();
        return status;
    });
}
