#include "tools/fade/fade_line.h"

#include "gradient/utf8.h"

namespace lumivane {

FadePlan MakeFadePlan(const FadeOptions& options) {
    FadePlan plan;
    // --fade-only drops the face tag even when a later --preview decides what is
    // printed: the preview shows the colours of the line that would be sent.
    PlanLine(options.request, plan.line);
    plan.preview = options.output == FadeOutput::Preview;
    return plan;
}

void AppendPreview(std::u16string& out, std::u16string_view text, const std::vector<ColorRun>& runs) {
    const auto put = [&out](const std::string& ascii) { out.append(ascii.begin(), ascii.end()); };
    for (const ColorRun& run : runs) {
        std::size_t begin = run.begin;
        std::size_t end = run.end;
        if (SplitsPair(text, begin)) ++begin;  // written with the run before
        if (SplitsPair(text, end)) ++end;
        if (begin >= end) continue;
        put("\x1b[38;2;" + std::to_string(run.color.red) + ';' + std::to_string(run.color.green) +
            ';' + std::to_string(run.color.blue) + 'm');
        out.append(text.substr(begin, end - begin));
    }
    put("\x1b[0m");
}

LineOutcome MakeFadeLine(const FadePlan& plan, std::u16string_view text, std::u16string& line) {
    if (!plan.preview) return MakeLine(plan.line, text, line);
    line.clear();
    std::vector<ColorRun> runs;
    const LineOutcome outcome = LineRuns(plan.line, text, runs);
    if (outcome.error == RequestError::None) AppendPreview(line, text, runs);
    return outcome;
}

}  // namespace lumivane
