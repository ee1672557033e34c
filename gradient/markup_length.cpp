// Lengths of lines in a markup, foretold without writing them.
#include <limits>
#include <stdexcept>

#include "gradient/detail/markup_forms.h"
#include "gradient/detail/markup_lengths.h"
#include "gradient/markup.h"

namespace lumivane {

using detail::ColorCode;
using detail::FormOf;
using detail::LinePieces;
using detail::MarkupForm;

namespace {

// Sums and products of line lengths, refused where they would wrap around: in a
// 32-bit build a text of a few hundred million characters would otherwise foretell
// a short line.
std::size_t AddLengths(std::size_t a, std::size_t b) {
    if (b > std::numeric_limits<std::size_t>::max() - a)
        throw std::length_error("the line is too long to be held");
    return a + b;
}

std::size_t MultiplyLength(std::size_t count, std::size_t each) {
    if (each != 0 && count > std::numeric_limits<std::size_t>::max() / each)
        throw std::length_error("the line is too long to be held");
    return count * each;
}

bool FixedCodeLength(ColorCode code) {
    return code != ColorCode::Decimal && code != ColorCode::DecimalCode;
}

// The length of `text` in `unit`: UTF-16 code units, or the UTF-8 bytes it is written
// as (a lone surrogate half as U+FFFD).
std::size_t LengthIn(LengthUnit unit, std::u16string_view text) {
    if (unit == LengthUnit::Utf16) return text.size();
    std::size_t bytes = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c < 0x80) bytes += 1;
        else if (c < 0x800) bytes += 2;
        else if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
                 text[i + 1] <= 0xDFFF)
            bytes += 4, ++i;
        else bytes += 3;
    }
    return bytes;
}

// The length of `text` once escaped for the form, in `unit`.
std::size_t EscapedLengthIn(const MarkupForm& form, LengthUnit unit, std::u16string_view text) {
    if (!form.escapes) return LengthIn(unit, text);
    std::size_t length = 0, plain = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c < 0x80 && !(*form.escapes)[c].empty()) {
            length = AddLengths(length, LengthIn(unit, text.substr(plain, i - plain)));
            length = AddLengths(length, LengthIn(unit, (*form.escapes)[c]));
            plain = i + 1;
        }
    }
    return AddLengths(length, LengthIn(unit, text.substr(plain)));
}

std::optional<std::size_t> RunCostIn(const LineStyle& style, LengthUnit unit) {
    const MarkupForm& form = FormOf(style.markup);
    if (!FixedCodeLength(form.code)) return std::nullopt;
    const LinePieces pieces = detail::PiecesOf(style, form);
    char16_t code[16];
    const std::u16string_view codeText(
        code, static_cast<std::size_t>(
                  detail::PutColorCode(code, form,
                                       form.palette ? form.palette().colors[0] : Rgb{0, 0, 0}) -
                  code));
    return LengthIn(unit, form.open) + LengthIn(unit, form.middle) + LengthIn(unit, form.close) +
           LengthIn(unit, codeText) + LengthIn(unit, pieces.codeStyles) +
           LengthIn(unit, form.separator);
}

std::size_t LineLengthIn(const LineStyle& style, std::u16string_view text, std::size_t runCount,
                         LengthUnit unit) {
    const std::optional<std::size_t> runCost = RunCostIn(style, unit);
    if (!runCost) throw std::invalid_argument("a line in this markup has no fixed length per run");
    const MarkupForm& form = FormOf(style.markup);
    const LinePieces pieces = detail::PiecesOf(style, form);
    std::size_t length =
        AddLengths(AddLengths(LengthIn(unit, pieces.start), EscapedLengthIn(form, unit, text)),
                   MultiplyLength(runCount, *runCost));
    if (runCount > 0) {
        length -= LengthIn(unit, form.separator);  // one separator fewer than runs
        length = AddLengths(length, LengthIn(unit, pieces.startWithRuns));
        length = AddLengths(length, LengthIn(unit, pieces.endWithRuns));
    }
    return AddLengths(length, LengthIn(unit, pieces.endAlways));
}

}  // namespace

std::size_t EscapedLength(Markup markup, std::u16string_view text) {
    return EscapedLengthIn(FormOf(markup), LengthUnit::Utf16, text);
}

std::optional<std::size_t> MarkupRunCost(Markup markup) {
    LineStyle style;
    style.markup = markup;
    return MarkupRunCost(style);
}

std::optional<std::size_t> MarkupRunCost(const LineStyle& style) {
    return RunCostIn(style, InfoOf(style.markup).unit);
}

std::size_t RunTrapCost(Markup markup, std::u16string_view runText) {
    return detail::StartsWithTrap(FormOf(markup).commaTrap, runText) ? detail::kTrapGuard.size()
                                                                     : 0;
}

std::size_t MarkupLineLength(const LineStyle& style, std::u16string_view text,
                             std::size_t runCount) {
    return LineLengthIn(style, text, runCount, InfoOf(style.markup).unit);
}

std::size_t MarkupLineLength(const LineStyle& style, std::u16string_view text,
                             const std::vector<ColorRun>& runs) {
    std::size_t length = MarkupLineLength(style, text, runs.size());
    const bool utf8 = InfoOf(style.markup).unit == LengthUnit::Utf8;
    for (const ColorRun& run : runs) {
        length = AddLengths(length,
                            RunTrapCost(style.markup, text.substr(run.begin, run.end - run.begin)));
        // A tag between the halves of a pair leaves each half a U+FFFD of 3 bytes.
        if (utf8 && run.begin > 0 && run.begin < text.size() && text[run.begin - 1] >= 0xD800 &&
            text[run.begin - 1] <= 0xDBFF && text[run.begin] >= 0xDC00 && text[run.begin] <= 0xDFFF)
            length = AddLengths(length, 2);
    }
    return length;
}

std::optional<std::size_t> detail::Utf16LineLength(const LineStyle& style, std::u16string_view text,
                                                   std::size_t runCount) {
    if (!RunCostIn(style, LengthUnit::Utf16)) return std::nullopt;
    return LineLengthIn(style, text, runCount, LengthUnit::Utf16);
}

}  // namespace lumivane
