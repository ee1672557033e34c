// The form of each markup as data: what stands around the line, around each run,
// how the colour is written and which characters of the text are escaped.
#pragma once

#include <array>
#include <string_view>

#include "gradient/markup.h"

namespace lumivane::detail {

enum class ColorCode {
    UpperHex,  // RRGGBB
    LowerHex,  // rrggbb
    Decimal,   // R;G;B
    Section,   // §x§r§r§g§g§b§b
};

// What each ASCII character is written as; an empty view copies it unchanged.
using EscapeTable = std::array<std::u16string_view, 128>;
extern const EscapeTable kHtmlEscapes;
extern const EscapeTable kMiniMessageEscapes;
extern const EscapeTable kJsonEscapes;

// A run is open + first + middle + second + close, where first and second are the
// colour code and the (escaped) text, in that order unless textFirst.
struct MarkupForm {
    std::u16string_view linePrefix;
    std::u16string_view open;
    ColorCode code;
    std::u16string_view middle;
    std::u16string_view close;
    bool textFirst;
    std::u16string_view separator;   // between two runs
    std::u16string_view lineSuffix;  // after the last run
    bool suffixNeedsRuns;            // the suffix only follows a line with runs
    // What each ASCII character is written as; an empty view copies it unchanged.
    // Characters from U+0080 on are never escaped; no table, nothing is.
    const EscapeTable* escapes;
};

// The form in the markup table.
const MarkupForm& FormOf(Markup markup);

// Code units the colour code takes; Decimal at most this.
std::size_t ColorCodeLength(ColorCode code);

// Writes the colour code at `at` and returns the end of what it wrote.
char16_t* PutColorCode(char16_t* at, ColorCode code, Rgb color);

constexpr std::u16string_view kFaceOpening = u"<font face=\"";
constexpr std::u16string_view kFaceClosing = u"\">";

// The line's start: the aol face tag when there is a face, else the markup's prefix.
inline std::size_t LinePrefixLength(const LineStyle& style, const MarkupForm& form) {
    if (style.markup == Markup::Aol && style.face)
        return kFaceOpening.size() + style.face->size() + kFaceClosing.size();
    return form.linePrefix.size();
}

// The tags of a run around its text, without the colour code.
inline std::size_t RunTagLength(const MarkupForm& form) {
    return form.open.size() + form.middle.size() + form.close.size();
}

}  // namespace lumivane::detail
