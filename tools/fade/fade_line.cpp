#include "tools/fade/fade_line.h"

#include "gradient/fit.h"
#include "gradient/gradient.h"
#include "gradient/markup.h"
#include "tools/fade/utf8.h"

namespace lumivane {

LinePlan MakeLinePlan(const FadeOptions& options) {
    LinePlan plan;
    plan.colors = options.colors;
    plan.blend = EffectiveBlend(options);
    plan.style.markup = options.format;
    // --fade-only drops the face tag even when a later --preview decides what is
    // printed: the preview shows the colours of the line that would be sent.
    if (options.format == Markup::Aol && !options.fadeOnlyGiven)
        plan.style.face = Utf8ToUtf16(options.face).value_or(u"");
    plan.maxLength = options.maxLength;
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

LineOutcome MakeFadeLine(const LinePlan& plan, std::u16string_view text, std::u16string& line) {
    line.clear();
    if (!plan.maxLength && !plan.preview) {
        // The common case, written without making the runs first.
        AppendGradientLine(line, plan.style, text, plan.colors, plan.blend);
        return {};
    }
    std::vector<ColorRun> runs;
    if (plan.maxLength) {
        FitResult fit = FitGradientLine(text, plan.colors, plan.blend, plan.style, *plan.maxLength);
        if (!fit.fits) return {false, fit.shortestLimit};
        runs = std::move(fit.runs);
    } else {
        runs = GradientRuns(text, plan.colors, plan.blend);
    }
    if (plan.preview)
        AppendPreview(line, text, runs);
    else
        AppendMarkupLine(line, plan.style, text, runs);
    return {};
}

}  // namespace lumivane
