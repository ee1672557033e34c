// The coloured runs of a line, as byte ranges of the caller's UTF-8 text.
#include <vector>

#include "gradient/capi/allocation.h"
#include "gradient/capi/line_making.h"
#include "gradient/utf8.h"

namespace lumivane::capi {
namespace {

// Walks a valid UTF-8 text and its UTF-16 form together, forward only.
class Utf8Offsets {
public:
    explicit Utf8Offsets(std::string_view text) : text_(text) {}

    // The byte offset of UTF-16 offset `unit`, which is at or past the last one asked
    // for; one inside a surrogate pair gives the offset after the pair's character.
    std::size_t At(std::size_t unit) {
        while (unit_ < unit && byte_ < text_.size()) {
            const auto lead = static_cast<unsigned char>(text_[byte_]);
            const std::size_t bytes = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
            byte_ += bytes;
            unit_ += bytes == 4 ? 2 : 1;
        }
        return byte_;
    }

private:
    std::string_view text_;
    std::size_t byte_ = 0;
    std::size_t unit_ = 0;
};

std::uint32_t RgbOf(Rgb color) {
    return static_cast<std::uint32_t>(color.red) << 16 |
           static_cast<std::uint32_t>(color.green) << 8 | color.blue;
}

// The line's runs for `text`, or the failure recorded in the request.
lumivane_status MakeRuns(lumivane_request& request, std::string_view text,
                         std::vector<lumivane_run>& runs) {
    LinePlan plan;
    const lumivane_status planned = PlanRequest(request, plan);
    if (planned != LUMIVANE_OK) return planned;
    const auto wide = Utf8ToUtf16(text);
    if (!wide) return Fail(request, LUMIVANE_ERROR_BAD_TEXT, "the text is not valid UTF-8");
    std::vector<ColorRun> colored;
    const LineOutcome outcome = LineRuns(plan, *wide, colored);
    if (outcome.error != RequestError::None) return LineFailure(request, outcome, plan, "the line");
    Utf8Offsets offsets(text);
    runs.reserve(colored.size());
    for (const ColorRun& run : colored) {
        const std::size_t begin = offsets.At(run.begin);
        const std::size_t end = offsets.At(run.end);
        // A run that held only the second half of a pair has gone to the run before.
        if (begin < end) runs.push_back({begin, end, RgbOf(run.color)});
    }
    return Succeed(request);
}

}  // namespace
}  // namespace lumivane::capi

extern "C" lumivane_status lumivane_make_runs(lumivane_request* request, const char* text,
                                              size_t text_size, lumivane_run** runs,
                                              size_t* run_count) {
    if (runs) *runs = nullptr;
    if (run_count) *run_count = 0;
    if (!request) return LUMIVANE_ERROR_NULL_ARGUMENT;
    return lumivane::capi::Guarded(request, [&] {
        std::string_view given;
        if (!runs || !run_count || !lumivane::capi::TextOf(text, text_size, given))
            return lumivane::capi::Fail(*request, LUMIVANE_ERROR_NULL_ARGUMENT,
                                        !runs || !run_count ? "no place for the runs" : "no text");
        std::vector<lumivane_run> made;
        const lumivane_status status = lumivane::capi::MakeRuns(*request, given, made);
        if (status != LUMIVANE_OK) return status;
        auto* copy =
            static_cast<lumivane_run*>(lumivane::capi::Allocate(made.size(), sizeof(lumivane_run)));
        for (std::size_t i = 0; i < made.size(); ++i) copy[i] = made[i];
        *runs = copy;
        *run_count = made.size();
        return status;
    });
}
