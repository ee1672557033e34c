// Writers of a gradient line in the markup of each kind of chat.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "gradient/blend.h"
#include "gradient/gradient.h"

namespace lumivane {

enum class Markup {
    Aol,
    Html,
    Ansi,
    MiniMessage,
    Ampersand,
    Section,
    BbCode,
    Json,
    Irc,
    Irc16,
    IrcHex,
    Discord,
    Ansi256,
};

// Styles of the whole line, in the order they are written where several are asked for.
enum class TextStyle { Bold, Italic, Underline, Strikethrough, Obfuscated };
constexpr std::size_t kStyleCount = 5;

// A set of styles, one bit each.
using StyleSet = unsigned;
constexpr StyleSet StyleBit(TextStyle style) { return 1u << static_cast<unsigned>(style); }

struct StyleInfo {
    TextStyle style;
    std::string_view name;  // the option that asks for it: --bold
    std::string_view help;
};

// Every style, in the order they are written: the one table of styles.
const std::vector<StyleInfo>& Styles();

// What a line's length limit counts.
enum class LengthUnit {
    Utf16,  // UTF-16 code units, as most chat clients count
    Utf8,   // UTF-8 bytes, as a line on the wire is counted
};

// A length limit common in a chat, in its markup's unit; value 0: none to suggest.
struct LimitSuggestion {
    std::string_view label;
    std::size_t value;
};

// One markup as the markup table describes it.
struct MarkupInfo {
    Markup markup;
    std::string_view name;         // what --format takes
    std::string_view title;        // the chat it serves, as a person looks for it
    std::string_view help;         // what it writes, in one line
    std::string_view helpLabel;    // the chat in --help's examples
    std::string_view exampleArgs;  // --help's example arguments
    Blend defaultBlend;            // without --blend
    LengthUnit unit;               // what --max-length counts
    bool takesFace;                // a face tag and --fade-only
    // Why --max-length is refused (colour codes that vary in length); empty: it is taken.
    std::string_view limitRefusal;
    LimitSuggestion limit;  // the chat's own line limit, if it has a common one
    StyleSet styles;        // the styles it can show
    bool palette;           // colours come from a fixed palette of the chat
};

// Every markup, in the order --help lists them: the one table of markups.
const std::vector<MarkupInfo>& Markups();

// The table's row of `markup`.
const MarkupInfo& InfoOf(Markup markup);

// The markup a name stands for ("aol", "html", ...), exactly; nothing for any other.
std::optional<Markup> ParseMarkupName(std::string_view name);

// The name ParseMarkupName reads back.
std::string_view MarkupName(Markup markup);

struct LineStyle {
    Markup markup = Markup::Aol;
    // Aol only: the face of the line's "<font face=\"FACE\">" tag, copied unescaped as
    // the classic chat line does; no value writes the fade alone. Other markups ignore it.
    std::optional<std::u16string> face;
    // Styles of the whole line; only those the markup can show (its MarkupInfo::styles)
    // are written.
    StyleSet styles = 0;
};

// Appends the whole line (line prefix, every run, line suffix; no line ending) as
// UTF-16. `runs` are expected to cover the text in order; each run's text is copied
// whole, escaped as its markup needs, in its colour (a palette markup: the nearest
// palette colour's code). Surrogate halves cut apart by a run boundary are
// left as they are. Throws std::invalid_argument for a run outside the text.
void AppendMarkupLine(std::u16string& out, const LineStyle& style, std::u16string_view text,
                      const std::vector<ColorRun>& runs);

// Length in UTF-16 code units of `text` once escaped for `markup`.
std::size_t EscapedLength(Markup markup, std::u16string_view text);

// What one run adds to a line, text aside, in the markup's unit: its tags, its styles
// and its separator. Every markup but the terminals' (whose colour codes are written
// in decimal) costs the same for every colour; the IRC markups add two units for a run
// whose text starts with a comma and a digit (RunTrapCost).
std::optional<std::size_t> MarkupRunCost(Markup markup);
std::optional<std::size_t> MarkupRunCost(const LineStyle& style);

// What a run of the IRC markups adds when its text would otherwise be read as a
// background colour: 2 (two bold toggles) or 0.
std::size_t RunTrapCost(Markup markup, std::u16string_view runText);

// The length, in the markup's unit, that AppendMarkupLine gives a line of `runCount`
// runs that cover `text`, comma traps aside. Throws std::invalid_argument for a markup
// without a fixed run cost, and std::length_error for a length that a std::size_t
// cannot count.
std::size_t MarkupLineLength(const LineStyle& style, std::u16string_view text,
                             std::size_t runCount);

// The exact length, in the markup's unit, of the line AppendMarkupLine writes for
// `runs`, comma traps included.
std::size_t MarkupLineLength(const LineStyle& style, std::u16string_view text,
                             const std::vector<ColorRun>& runs);

// The xterm colour (16-255) nearest to `color`, as ansi256 chooses it.
int NearestXtermColor(Rgb color);

// The runs the line writers write for the gradient: one per unit for exact colours,
// one per stretch of the same palette colour for palette markups.
std::vector<ColorRun> MarkupRuns(std::u16string_view text, const std::vector<ColorValue>& colors,
                                 GradientBlend blend, Markup markup);

// The same line as AppendMarkupLine with GradientRuns(text, colors, blend), written
// without making the runs: each tag is made once per stretch of equal colour. What a
// caller without a length limit writes. Throws std::invalid_argument, before writing
// anything, for a colour count that GradientColors refuses.
void AppendGradientLine(std::u16string& out, const LineStyle& style, std::u16string_view text,
                        const std::vector<ColorValue>& colors, GradientBlend blend);

// Takes a line a piece at a time, in order. A piece may end inside a surrogate pair
// (the pair's second half then starts the next piece).
class LineSink {
public:
    virtual void Put(std::u16string_view piece) = 0;

protected:
    ~LineSink() = default;
};

// The same line as AppendGradientLine, handed to `sink` a few thousand code units at
// a time, so that a line of any length is written without being held whole.
void WriteGradientLine(LineSink& sink, const LineStyle& style, std::u16string_view text,
                       const std::vector<ColorValue>& colors, GradientBlend blend);

}  // namespace lumivane
