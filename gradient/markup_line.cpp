// The gradient line and the line of given runs, in any markup.
#include <cstddef>
#include <optional>
#include <stdexcept>

#include "gradient/detail/blend_stretches.h"
#include "gradient/detail/run_writer.h"
#include "gradient/grapheme.h"
#include "gradient/markup.h"

namespace lumivane {

using detail::RunWriter;

void AppendMarkupLine(std::u16string& out, const LineStyle& style, std::u16string_view text,
                      const std::vector<ColorRun>& runs) {
    std::size_t textLength = 0;
    for (const ColorRun& run : runs) {
        if (run.begin > run.end || run.end > text.size())
            throw std::invalid_argument("a coloured run lies outside the text");
        textLength += run.end - run.begin;
    }
    RunWriter writer(out, style, textLength, runs.size(), std::nullopt);
    for (const ColorRun& run : runs) {
        writer.SetColor(run.color);
        writer.Run(text.data() + run.begin, run.end - run.begin);
    }
    writer.Finish();
}

namespace {

using detail::ColorStretch;
using detail::StretchList;

// Writes every stretch of equal colour, unit by unit, and ends the line.
void WriteStretches(RunWriter& writer, std::u16string_view text, bool codeUnits,
                    const StretchList& stretches) {
    UnitWalker walker(text, codeUnits);
    std::size_t position = 0;
    for (const ColorStretch& stretch : stretches.Stretches()) {
        writer.SetColor(stretch.color);
        writer.Stretch(text.data(), walker, position, stretch.units);
    }
    writer.Finish();
}

}  // namespace

void AppendGradientLine(std::u16string& out, const LineStyle& style, std::u16string_view text,
                        const std::vector<ColorValue>& colors, Blend blend) {
    const bool codeUnits = InfoOf(blend).codeUnits;
    const std::size_t units = codeUnits ? text.size() : CountGraphemeClusters(text);
    const StretchList stretches = detail::GradientStretches(colors, blend, units);
    // Where the line's length follows from the text (every markup but the terminal's,
    // whose colour codes vary in length), it is written in place.
    std::optional<std::size_t> length;
    if (MarkupRunCost(style.markup)) length = MarkupLineLength(style, text, units);
    RunWriter writer(out, style, text.size(), units, length);
    WriteStretches(writer, text, codeUnits, stretches);
}

void WriteGradientLine(LineSink& sink, const LineStyle& style, std::u16string_view text,
                       const std::vector<ColorValue>& colors, Blend blend) {
    const bool codeUnits = InfoOf(blend).codeUnits;
    const std::size_t units = codeUnits ? text.size() : CountGraphemeClusters(text);
    const StretchList stretches = detail::GradientStretches(colors, blend, units);
    std::u16string unused;
    RunWriter writer(unused, sink, style);
    WriteStretches(writer, text, codeUnits, stretches);
}

}  // namespace lumivane
