#include "tools/fade/fade_line.h"

#include "gradient/utf8.h"

namespace lumivane {

FadePlan MakeFadePlan(const FadeOptions& options, PreviewDepth depth) {
    FadePlan plan;
    // --fade-only drops the face tag even when a later --preview decides what is
    // printed: the preview shows the colours of the line that would be sent.
    PlanLine(options.request, plan.line);
    plan.preview = options.output == FadeOutput::Preview;
    plan.depth = depth;
    return plan;
}

void AppendPreview(std::u16string& out, std::u16string_view text, const std::vector<ColorRun>& runs,
                   PreviewDepth depth) {
    const auto put = [&out](const std::string& ascii) { out.append(ascii.begin(), ascii.end()); };
    if (depth == PreviewDepth::Plain) {
        out.append(text);
        return;
    }
    for (const ColorRun& run : runs) {
        std::size_t begin = run.begin;
        std::size_t end = run.end;
        if (SplitsPair(text, begin)) ++begin;  // written with the run before
        if (SplitsPair(text, end)) ++end;
        if (begin >= end) continue;
        if (depth == PreviewDepth::Xterm256)
            put("\x1b[38;5;" + std::to_string(NearestXtermColor(run.color)) + 'm');
        else
            put("\x1b[38;2;" + std::to_string(run.color.red) + ';' +
                std::to_string(run.color.green) + ';' + std::to_string(run.color.blue) + 'm');
        out.append(text.substr(begin, end - begin));
    }
    put("\x1b[0m");
}

LineOutcome MakeFadeLine(const FadePlan& plan, std::u16string_view text, std::u16string& line) {
    if (!plan.preview) return MakeLine(plan.line, text, line);
    line.clear();
    std::vector<ColorRun> runs;
    const LineOutcome outcome = LineRuns(plan.line, text, runs);
    if (outcome.error == RequestError::None) AppendPreview(line, text, runs, plan.depth);
    return outcome;
}

}  // namespace lumivane
