#include "gradient/markup.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/gradient/support.h"

namespace lumivane {
namespace {

constexpr Rgb kOrange{0xFF, 0x8A, 0x0B};
constexpr Rgb kTeal{0x00, 0x80, 0x80};

LineStyle StyleOf(Markup markup) {
    LineStyle style;
    style.markup = markup;
    return style;
}

std::u16string Line(const LineStyle& style, std::u16string_view text,
                    const std::vector<ColorRun>& runs) {
    std::u16string out = u"kept:";  // appended, not overwritten
    AppendMarkupLine(out, style, text, runs);
    EXPECT_EQ(out.substr(0, 5), u"kept:");
    return out.substr(5);
}

TEST(MarkupNames, EveryMarkupHasItsNameAndNoOtherNameIsOne) {
    const Markup all[] = {Markup::Aol,       Markup::Html,    Markup::Ansi,   Markup::MiniMessage,
                          Markup::Ampersand, Markup::Section, Markup::BbCode, Markup::Json};
    const char* names[] = {"aol",       "html",    "ansi",   "minimessage",
                           "ampersand", "section", "bbcode", "json"};
    for (std::size_t i = 0; i < std::size(all); ++i) {
        EXPECT_EQ(ParseMarkupName(names[i]), all[i]);
        EXPECT_EQ(MarkupName(all[i]), names[i]);
    }
    for (const char* name : {"AOL", "Html", "", "mini", "bb-code", "json "})
        EXPECT_FALSE(ParseMarkupName(name)) << name;
}

struct FormatRow {
    Markup markup;
    std::u16string empty;  // a line without runs
    std::u16string line;   // "ab" in two runs, then "c"
};

TEST(AppendMarkupLine, EachMarkupWritesItsTagsAroundEveryRun) {
    const FormatRow rows[] = {
        {Markup::Aol, u"", u"<Font Color=#FF8A0B>ab<Font Color=#008080>c"},
        {Markup::Html, u"",
         u"<span style=\"color:#ff8a0b\">ab</span><span style=\"color:#008080\">c</span>"},
        {Markup::Ansi, u"", u"\x1b[38;2;255;138;11mab\x1b[38;2;0;128;128mc\x1b[0m"},
        {Markup::MiniMessage, u"", u"<#ff8a0b>ab<#008080>c"},
        {Markup::Ampersand, u"", u"&#FF8A0Bab&#008080c"},
        {Markup::Section, u"",
         u"\u00A7x\u00A7f\u00A7f\u00A78\u00A7a\u00A70\u00A7bab\u00A7x\u00A70\u00A70\u00A78\u00A70\u00A78\u00A70c"},
        {Markup::BbCode, u"", u"[color=#FF8A0B]ab[/color][color=#008080]c[/color]"},
        {Markup::Json, u"[]",
         u"[{\"text\":\"ab\",\"color\":\"#ff8a0b\"},{\"text\":\"c\",\"color\":\"#008080\"}]"},
    };
    for (const FormatRow& row : rows) {
        const LineStyle style = StyleOf(row.markup);
        EXPECT_EQ(Line(style, u"", {}), row.empty) << MarkupName(row.markup);
        EXPECT_EQ(Line(style, u"abc", {{0, 2, kOrange}, {2, 3, kTeal}}), row.line)
            << MarkupName(row.markup);
    }
}

TEST(AppendMarkupLine, AolFaceTagIsCopiedUnescapedOrLeftOut) {
    LineStyle style;
    EXPECT_EQ(Line(style, u"x", {{0, 1, kTeal}}), u"<Font Color=#008080>x");
    style.face = u"Comic \"Sans\" <MS>";
    EXPECT_EQ(Line(style, u"x", {{0, 1, kTeal}}),
              u"<font face=\"Comic \"Sans\" <MS>\"><Font Color=#008080>x");
    EXPECT_EQ(Line(style, u"", {}), u"<font face=\"Comic \"Sans\" <MS>\">");
    style.markup = Markup::Html;  // other markups have no face tag
    EXPECT_EQ(Line(style, u"", {}), u"");
}

TEST(AppendMarkupLine, EscapesAreThoseOfEachMarkupAndNoOthers) {
    const std::u16string text = u"&<>\"'\\\b\f\n\r\t\x01\x1f\x7f\u00e9\U0001F600[]{}%$#";
    struct Row {
        Markup markup;
        std::u16string escaped;
    };
    const Row rows[] = {
        {Markup::Html, u"&amp;&lt;&gt;&quot;&#39;\\\b\f\n\r\t\x01\x1f\x7f\u00e9\U0001F600[]{}%$#"},
        {Markup::MiniMessage, u"&\\<>\"'\\\\\b\f\n\r\t\x01\x1f\x7f\u00e9\U0001F600[]{}%$#"},
        {Markup::Json, u"&<>\\\"'\\\\\\b\\f\\n\\r\\t\\u0001\\u001f\x7f\u00e9\U0001F600[]{}%$#"},
        {Markup::Aol, text},
        {Markup::Ansi, text},
        {Markup::Ampersand, text},
        {Markup::Section, text},
        {Markup::BbCode, text},
    };
    for (const Row& row : rows) {
        const LineStyle style = StyleOf(row.markup);
        const std::u16string whole = Line(style, text, {{0, text.size(), kTeal}});
        const std::u16string tagOnly = Line(style, u"", {{0, 0, kTeal}});
        // The escaped text stands where the empty text stood in a line of one run.
        std::size_t at = 0;
        while (at < tagOnly.size() && tagOnly[at] == whole[at]) ++at;
        EXPECT_EQ(whole.substr(at, row.escaped.size()), row.escaped)
            << MarkupName(row.markup) << ": " << Readable(whole);
        EXPECT_EQ(whole.size(), tagOnly.size() + row.escaped.size()) << MarkupName(row.markup);
        EXPECT_EQ(EscapedLength(row.markup, text), row.escaped.size()) << MarkupName(row.markup);
    }
}

TEST(AppendMarkupLine, RunTextsAreCopiedWholeEvenWhereTheyCutAPair) {
    const std::u16string text = u"\U0001F600";
    EXPECT_EQ(Line(StyleOf(Markup::Ampersand), text, {{0, 1, kTeal}, {1, 2, kOrange}}),
              u"&#008080\xD83D&#FF8A0B\xDE00");
    EXPECT_EQ(Line(StyleOf(Markup::Ampersand), text, {{0, 2, kTeal}}), u"&#008080\U0001F600");
}

TEST(AppendMarkupLine, RefusesRunsOutsideTheText) {
    std::u16string out;
    for (const ColorRun& bad :
         {ColorRun{0, 4, kTeal}, ColorRun{2, 1, kTeal}, ColorRun{5, 5, kTeal}})
        EXPECT_THROW(AppendMarkupLine(out, StyleOf(Markup::Html), u"abc", {bad}),
                     std::invalid_argument);
}

// A random line of `length` units drawn from characters that test every markup's
// escapes and every kind of user-perceived character, with random colours, blend,
// markup and face.
struct RandomCase {
    std::u16string text;
    std::vector<ColorValue> colors;
    Blend blend;
    LineStyle style;
};
RandomCase RandomLine(std::mt19937& random, std::size_t length) {
    const std::u16string alphabet = u"ab <&\"\\\n\x01\u00e9\u0301\U0001F600\u200D\U0001F1E6\xD800";
    RandomCase line;
    line.text.assign(length, u' ');
    for (char16_t& c : line.text) c = alphabet[random() % alphabet.size()];
    line.colors.resize(2 + random() % 6);
    for (ColorValue& color : line.colors) color = static_cast<ColorValue>(random());
    line.blend = AllBlends()[random() % Blends().size()];
    line.style = StyleOf(AllMarkups()[random() % Markups().size()]);
    if (random() % 2) line.style.face = u"Verdana";
    return line;
}

TEST(AppendGradientLine, IsTheLineOfTheGradientsRunsInEveryMarkupAndBlend) {
    std::mt19937 random(5);
    for (int trial = 0; trial < 1500; ++trial) {
        const std::size_t length = trial % 5 == 0 ? random() % 3000 : random() % 40;
        const auto [text, colors, blend, style] = RandomLine(random, length);
        std::u16string fused = u"kept", runs = u"kept";
        AppendGradientLine(fused, style, text, colors, blend);
        AppendMarkupLine(runs, style, text, MarkupRuns(text, colors, blend, style.markup));
        ASSERT_EQ(fused, runs) << MarkupName(style.markup) << ' ' << BlendName(blend) << ": "
                               << Readable(text);
    }
}

// Collects what a sink is handed, and the longest piece.
struct CollectingSink final : LineSink {
    void Put(std::u16string_view piece) override {
        line.append(piece);
        ++pieces;
        if (piece.size() > longest) longest = piece.size();
    }
    std::u16string line;
    std::size_t pieces = 0;
    std::size_t longest = 0;
};

TEST(WriteGradientLine, HandsTheSameLineOverInPiecesOfBoundedSize) {
    std::mt19937 random(6);
    for (int trial = 0; trial < 300; ++trial) {
        // Every tenth line is long enough to be handed over in many pieces.
        const std::size_t length = trial % 10 == 0 ? 20000 + random() % 3000 : random() % 60;
        const auto [text, colors, blend, style] = RandomLine(random, length);
        std::u16string whole;
        AppendGradientLine(whole, style, text, colors, blend);
        CollectingSink sink;
        WriteGradientLine(sink, style, text, colors, blend);
        ASSERT_EQ(sink.line, whole)
            << MarkupName(style.markup) << ' ' << BlendName(blend) << ": " << Readable(text);
        EXPECT_LE(sink.longest, 16384u) << MarkupName(style.markup);
        if (whole.size() > 100000) {
            EXPECT_GT(sink.pieces, 10u) << MarkupName(style.markup);
        }
    }
}

TEST(MarkupLineLength, IsWhatTheWriterWritesForEveryMarkupButAnsi) {
    EXPECT_FALSE(MarkupRunCost(Markup::Ansi));
    EXPECT_THROW(MarkupLineLength(StyleOf(Markup::Ansi), u"a", 1), std::invalid_argument);
    std::mt19937 random(3);
    const std::u16string alphabet = u"ab<&\"\\'\n\x01\u00e9\xD83D\xDE00 ";
    for (Markup markup : {Markup::Aol, Markup::Html, Markup::MiniMessage, Markup::Ampersand,
                          Markup::Section, Markup::BbCode, Markup::Json}) {
        for (int trial = 0; trial < 200; ++trial) {
            LineStyle style = StyleOf(markup);
            if (trial % 2) style.face = std::u16string(static_cast<std::size_t>(trial % 7), u'f');
            std::u16string text(random() % 40, u' ');
            for (char16_t& c : text) c = alphabet[random() % alphabet.size()];
            // Random cuts into runs that cover the text, with random colours.
            std::vector<ColorRun> runs;
            for (std::size_t at = 0; at < text.size();) {
                const std::size_t end = std::min(text.size(), at + 1 + random() % 5);
                runs.push_back({at, end,
                                Rgb{static_cast<std::uint8_t>(random()),
                                    static_cast<std::uint8_t>(random()), 0}});
                at = end;
            }
            EXPECT_EQ(Line(style, text, runs).size(), MarkupLineLength(style, text, runs.size()))
                << MarkupName(markup) << ": " << Readable(text);
        }
        // A count of runs whose tags alone cannot be counted is refused, not wrapped
        // around into a short line (as a 32-bit build's long text would be).
        const std::size_t most = std::numeric_limits<std::size_t>::max();
        const std::size_t cost = *MarkupRunCost(markup);
        EXPECT_THROW(MarkupLineLength(StyleOf(markup), u"a", most / cost + 1), std::length_error)
            << MarkupName(markup);
    }
}

}  // namespace
}  // namespace lumivane
