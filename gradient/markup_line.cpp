// The gradient line and the line of given runs, in any markup.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <unordered_map>

#include "gradient/detail/blend_stretches.h"
#include "gradient/detail/markup_lengths.h"
#include "gradient/detail/palette.h"
#include "gradient/detail/run_writer.h"
#include "gradient/grapheme.h"
#include "gradient/markup.h"

namespace lumivane {

using detail::Palette;
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
using detail::FormOf;
using detail::StretchList;

// Writes every stretch of equal colour, unit by unit (a palette markup: a stretch a
// run), and ends the line.
void WriteStretches(RunWriter& writer, std::u16string_view text, bool codeUnits,
                    const StretchList& stretches, bool runPerStretch) {
    UnitWalker walker(text, codeUnits);
    std::size_t position = 0;
    for (const ColorStretch& stretch : stretches.Stretches()) {
        writer.SetColor(stretch.color);
        if (runPerStretch) writer.WholeStretch(text.data(), walker, position, stretch.units);
        else writer.Stretch(text.data(), walker, position, stretch.units);
    }
    writer.Finish();
}

}  // namespace

StretchList detail::MarkupStretches(const std::vector<ColorValue>& colors, GradientBlend blend,
                                    std::size_t unitCount, Markup markup) {
    StretchList stretches = GradientStretches(colors, blend, unitCount);
    const MarkupForm& form = FormOf(markup);
    if (!form.palette) return stretches;
    // Each colour is looked up once however many stretches have it.
    const Palette& palette = form.palette();
    std::unordered_map<std::uint32_t, Rgb> nearest;
    StretchList snapped;
    for (const ColorStretch& stretch : stretches.Stretches()) {
        const std::uint32_t key =
            stretch.color.red << 16 | stretch.color.green << 8 | stretch.color.blue;
        auto found = nearest.find(key);
        if (found == nearest.end())
            found = nearest.emplace(key, NearestPaletteColor(palette, stretch.color)).first;
        snapped.Add(stretch.units, found->second);
    }
    return snapped;
}

void AppendGradientLine(std::u16string& out, const LineStyle& style, std::u16string_view text,
                        const std::vector<ColorValue>& colors, GradientBlend blend) {
    const bool codeUnits = InfoOf(blend).codeUnits;
    const std::size_t units = codeUnits ? text.size() : CountGraphemeClusters(text);
    const StretchList stretches = detail::MarkupStretches(colors, blend, units, style.markup);
    const bool runPerStretch = FormOf(style.markup).palette != nullptr;
    // Where the line's length follows from the text (every markup but the terminals',
    // whose colour codes vary in length), it is written in place.
    std::optional<std::size_t> length;
    if (!runPerStretch) length = detail::Utf16LineLength(style, text, units);
    RunWriter writer(out, style, text.size(), runPerStretch ? stretches.Stretches().size() : units,
                     length);
    WriteStretches(writer, text, codeUnits, stretches, runPerStretch);
}

void WriteGradientLine(LineSink& sink, const LineStyle& style, std::u16string_view text,
                       const std::vector<ColorValue>& colors, GradientBlend blend) {
    const bool codeUnits = InfoOf(blend).codeUnits;
    const std::size_t units = codeUnits ? text.size() : CountGraphemeClusters(text);
    const StretchList stretches = detail::MarkupStretches(colors, blend, units, style.markup);
    std::u16string unused;
    RunWriter writer(unused, sink, style);
    WriteStretches(writer, text, codeUnits, stretches, FormOf(style.markup).palette != nullptr);
}

int NearestXtermColor(Rgb color) {
    const Palette& palette = detail::XtermPalette();
    return detail::PaletteCode(palette, detail::NearestPaletteColor(palette, color));
}

std::vector<ColorRun> MarkupRuns(std::u16string_view text, const std::vector<ColorValue>& colors,
                                 GradientBlend blend, Markup markup) {
    if (!FormOf(markup).palette) return GradientRuns(text, colors, blend);
    const bool codeUnits = InfoOf(blend).codeUnits;
    const std::size_t units = codeUnits ? text.size() : CountGraphemeClusters(text);
    const StretchList stretches = detail::MarkupStretches(colors, blend, units, markup);
    std::vector<ColorRun> runs;
    UnitWalker walker(text, codeUnits);
    std::size_t position = 0;
    for (const ColorStretch& stretch : stretches.Stretches()) {
        std::size_t end = position;
        for (std::size_t k = 0; k < stretch.units; ++k) end = walker.Next();
        runs.push_back({position, end, stretch.color});
        position = end;
    }
    return runs;
}

}  // namespace lumivane
