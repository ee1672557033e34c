// The form of each markup as data: what stands around the line, around each run,
// how the colour is written and which characters of the text are escaped.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "gradient/detail/palette.h"
#include "gradient/markup.h"

namespace lumivane::detail {

enum class ColorCode {
    UpperHex,      // RRGGBB
    LowerHex,      // rrggbb
    Decimal,       // R;G;B
    Section,       // §x§r§r§g§g§b§b
    TwoDigitCode,  // the palette code in two decimal digits: 04
    ThirtyCode,    // the palette code 30-37 as it is: 31
    DecimalCode,   // the palette code in decimal: 196
};

// Where the styles of a line are written.
enum class StylePlace {
    LineStart,        // once, after the line's prefix (closed at its end where they close)
    BeforeEveryCode,  // in every colour tag, before the colour code
    AfterEveryCode,   // in every colour tag, after the colour code
};

// How a markup writes the styles of a line. A style whose opening is empty cannot be
// shown in the markup.
struct StyleForm {
    StylePlace place;
    std::array<std::u16string_view, kStyleCount> open;
    std::array<std::u16string_view, kStyleCount> close;  // written in reverse order
    // Styles written as one group, joined by the separator: ESC[ 1;3 m.
    std::u16string_view groupOpen, groupSeparator, groupClose;
    // AfterEveryCode: units of the piece after the colour code written before the styles.
    std::size_t afterCodeSkip;
};

// What makes a run's text read as part of its colour code (IRC's background colour,
// ",NN"), and so must be kept apart from it with two bold toggles.
enum class CommaTrap {
    None,
    Digit,     // a comma and a decimal digit
    HexDigit,  // a comma and a hexadecimal digit
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
    const Palette& (*palette)();  // colours from a fixed palette; none: exact colours
    CommaTrap commaTrap;
    StyleForm styles;
};

// The form in the markup table.
const MarkupForm& FormOf(Markup markup);

// Code units the colour code takes; Decimal at most this.
std::size_t ColorCodeLength(ColorCode code);

// Writes the colour code of `color` at `at` in the form's code (a palette colour as its
// code) and returns the end of what it wrote.
char16_t* PutColorCode(char16_t* at, const MarkupForm& form, Rgb color);

// What separates a run's code from its text when the text starts with a trap.
constexpr std::u16string_view kTrapGuard = u"\x02\x02";

// Whether a run with text `text` needs kTrapGuard after its colour code.
bool StartsWithTrap(CommaTrap trap, std::u16string_view text);

// The pieces of one line that follow from its style: its start (the face tag or the
// prefix, then the styles written once), what only a line with runs starts with, the
// styles of every colour code, and its end (closing styles, then the suffix, which
// only follows runs where the form says so).
struct LinePieces {
    std::u16string start;
    std::u16string startWithRuns;
    std::u16string codeStyles;
    std::u16string endWithRuns;
    std::u16string endAlways;
};

LinePieces PiecesOf(const LineStyle& style, const MarkupForm& form);

// The tags on the colour's side of a run's text, for `color`: open + code + middle, or
// middle + code + close when the text comes first, with the code's styles in place.
std::u16string ColorTags(const MarkupForm& form, const LinePieces& pieces, Rgb color);
constexpr std::u16string_view kFaceOpening = u"<font face=\"";
constexpr std::u16string_view kFaceClosing = u"\">";

// The text-side tags of a run (its opening when the text comes first, else its closing).
inline std::u16string_view TextSideTag(const MarkupForm& form) {
    return form.textFirst ? form.open : form.close;
}

}  // namespace lumivane::detail
