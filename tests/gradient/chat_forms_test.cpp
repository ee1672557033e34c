// The chats that take colour beyond exact tags: palettes, styles, IRC's comma guard,
// limits in the chat's own unit.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "gradient/detail/palette.h"
#include "gradient/fit.h"
#include "gradient/markup.h"
#include "gradient/oklab.h"
#include "gradient/utf8.h"
#include "tests/gradient/support.h"

namespace lumivane {
namespace {

constexpr ColorValue kRed = 255, kBlue = 16711680, kWhite = 16777215, kBlack = 0;
constexpr StyleSet kBold = StyleBit(TextStyle::Bold), kItalic = StyleBit(TextStyle::Italic),
                   kUnderline = StyleBit(TextStyle::Underline),
                   kStrike = StyleBit(TextStyle::Strikethrough),
                   kObfuscated = StyleBit(TextStyle::Obfuscated);

std::string Line(Markup markup, StyleSet styles, std::u16string_view text,
                 const std::vector<ColorValue>& colors = {kRed, kBlue}) {
    LineStyle style;
    style.markup = markup;
    style.styles = styles;
    std::u16string line;
    AppendGradientLine(line, style, text, colors, InfoOf(markup).defaultBlend);
    return Utf16ToUtf8(line);
}

// "Hi", red to blue, bold and underlined, in every chat: where the styles go, and how
// the palette chats name red and blue.
TEST(ChatForms, StylesAndColoursInEveryMarkup) {
    struct Row {
        Markup markup;
        std::string line;
    };
    const Row rows[] = {
        {Markup::Aol, "<b><u><Font Color=#800080>H<Font Color=#0000FF>i"},
        {Markup::Html,
         "<b><u><span style=\"color:#ff0000\">H</span><span style=\"color:#0000ff\">i"
         "</span></u></b>"},
        {Markup::Ansi, "\x1b[1;4m\x1b[38;2;255;0;0mH\x1b[38;2;0;0;255mi\x1b[0m"},
        {Markup::MiniMessage, "<b><u><#ff0000>H<#0000ff>i"},
        {Markup::Ampersand, "&#FF0000&l&nH&#0000FF&l&ni"},
        {Markup::Section,
         "\xC2\xA7x\xC2\xA7"
         "f\xC2\xA7"
         "f\xC2\xA7"
         "0\xC2\xA7"
         "0\xC2\xA7"
         "0\xC2\xA7"
         "0\xC2\xA7l\xC2\xA7nH\xC2\xA7x\xC2\xA7"
         "0\xC2\xA7"
         "0\xC2\xA7"
         "0\xC2\xA7"
         "0\xC2\xA7"
         "f\xC2\xA7"
         "f\xC2\xA7l\xC2\xA7ni"},
        {Markup::BbCode, "[b][u][color=#FF0000]H[/color][color=#0000FF]i[/color][/u][/b]"},
        {Markup::Json,
         "[{\"text\":\"H\",\"color\":\"#ff0000\",\"bold\":true,\"underlined\":true},"
         "{\"text\":\"i\",\"color\":\"#0000ff\",\"bold\":true,\"underlined\":true}]"},
        {Markup::Irc,
         "\x02\x1F\x03"
         "04H\x03"
         "60i"},
        {Markup::Irc16,
         "\x02\x1F\x03"
         "04H\x03"
         "12i"},
        {Markup::IrcHex,
         "\x02\x1F\x04"
         "FF0000H\x04"
         "0000FFi"},
        {Markup::Discord, "```ansi\n\x1b[1;4;31mH\x1b[1;4;34mi\x1b[0m\n```"},
        {Markup::Ansi256, "\x1b[1;4m\x1b[38;5;196mH\x1b[38;5;21mi\x1b[0m"},
    };
    EXPECT_EQ(std::size(rows), Markups().size()) << "a markup without a row here";
    for (const Row& row : rows)
        EXPECT_EQ(Line(row.markup, kBold | kUnderline, u"Hi"), row.line) << MarkupName(row.markup);
}

// Several styles are written in one order, whatever order they were asked in, and those
// that close do so in reverse.
TEST(ChatForms, EveryStyleInItsOrder) {
    const StyleSet all = kBold | kItalic | kUnderline | kStrike | kObfuscated;
    struct Row {
        Markup markup;
        StyleSet styles;
        std::string line;
    };
    const Row rows[] = {
        {Markup::Html, all & ~kObfuscated,
         "<b><i><u><s><span style=\"color:#ff0000\">x</span></s></u></i></b>"},
        {Markup::Ansi, kStrike | kItalic, "\x1b[3;9m\x1b[38;2;255;0;0mx\x1b[0m"},
        {Markup::MiniMessage, all, "<b><i><u><st><obf><#ff0000>x"},
        {Markup::Ampersand, all, "&#FF0000&l&o&n&m&kx"},
        {Markup::BbCode, kStrike | kBold, "[b][s][color=#FF0000]x[/color][/s][/b]"},
        {Markup::Irc, all & ~kObfuscated,
         "\x02\x1D\x1F\x1E\x03"
         "04x"},
        {Markup::Discord, kUnderline, "```ansi\n\x1b[4;31mx\x1b[0m\n```"},
        {Markup::Json, kObfuscated | kItalic,
         "[{\"text\":\"x\",\"color\":\"#ff0000\",\"italic\":true,\"obfuscated\":true}]"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Line(row.markup, row.styles, u"x", {kRed, kRed}), row.line)
            << MarkupName(row.markup);
}

// In the game a colour code resets the styles: each code of a long line must carry
// them all, however the line was written (fused or from runs, fitted or not).
TEST(ChatForms, EveryGameColourCodeIsFollowedByTheStyles) {
    const std::u16string text = u"A longer line, with accents \u00e9\u0301 and \U0001F600 emoji.";
    for (Markup markup : {Markup::Ampersand, Markup::Section}) {
        const std::string code = markup == Markup::Ampersand ? "&#" : "\xC2\xA7x";
        const std::string styles =
            markup == Markup::Ampersand ? "&l&m&k" : "\xC2\xA7l\xC2\xA7m\xC2\xA7k";
        const std::size_t codeLength = markup == Markup::Ampersand ? 8 : 7 * 3;  // § is two bytes
        LineStyle style;
        style.markup = markup;
        style.styles = kBold | kStrike | kObfuscated;
        for (std::size_t limit : {std::size_t{0}, std::size_t{200}, std::size_t{600}}) {
            std::u16string made;
            if (limit == 0) {
                AppendGradientLine(made, style, text, {kRed, kBlue, kWhite}, Blend::Oklab);
            } else {
                const FitResult fit =
                    FitGradientLine(text, {kRed, kBlue, kWhite}, Blend::Oklab, style, limit);
                ASSERT_TRUE(fit.fits) << limit;
                AppendMarkupLine(made, style, text, fit.runs);
                EXPECT_LE(made.size(), limit);
            }
            const std::string line = Utf16ToUtf8(made);
            std::size_t codes = 0;
            for (std::size_t at = line.find(code); at != std::string::npos;
                 at = line.find(code, at + 1)) {
                ++codes;
                EXPECT_EQ(line.compare(at + codeLength, styles.size(), styles), 0)
                    << MarkupName(markup) << " at " << at << ": " << line;
            }
            EXPECT_GT(codes, 1u);
        }
    }
}

// IRC reads "\x03NN,MM" as a background colour: a run whose text starts with a comma
// and a digit (a hex digit for \x04) is kept apart with two bold toggles.
TEST(ChatForms, IrcCommaGuard) {
    struct Row {
        Markup markup;
        std::u16string text;
        std::string line;
    };
    const Row rows[] = {
        {Markup::Irc, u",5 ,x",
         "\x03"
         "04\x02\x02,5 ,x"},
        {Markup::Irc, u",,5",
         "\x03"
         "04,,5"},
        {Markup::Irc16, u",0",
         "\x03"
         "04\x02\x02,0"},
        {Markup::Irc, u",a",
         "\x03"
         "04,a"},  // not a digit: nothing to guard
        {Markup::Irc, u"5,5",
         "\x03"
         "045,5"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Line(row.markup, 0, row.text, {kRed, kRed}), row.line) << Readable(row.text);
    // irchex: a run is one character, so the comma is never followed by its digit there;
    // a run from a caller may be.
    LineStyle style;
    style.markup = Markup::IrcHex;
    std::u16string line;
    AppendMarkupLine(line, style, u",a", {{0, 2, Rgb{1, 2, 3}}});
    EXPECT_EQ(Utf16ToUtf8(line),
              "\x04"
              "010203\x02\x02,a");
    EXPECT_EQ(MarkupLineLength(style, u",a", std::vector<ColorRun>{{0, 2, Rgb{1, 2, 3}}}),
              line.size());
}

// The nearest palette colour: exact colours keep their code, the lower code wins a tie
// (IRC's white is both 00 and 98, its black 01 and 88), and a palette line has a code
// only where the code changes.
TEST(ChatForms, PaletteCodesAreTheNearestAndTheLowest) {
    struct Row {
        Markup markup;
        std::vector<ColorValue> colors;
        std::u16string text;
        std::string line;
    };
    const Row rows[] = {
        {Markup::Irc,
         {kWhite, kWhite},
         u"ab",
         "\x03"
         "00ab"},
        {Markup::Irc,
         {kBlack, kBlack},
         u"ab",
         "\x03"
         "01ab"},
        {Markup::Irc,
         {kWhite, kBlack},
         u"abc",
         "\x03"
         "00a\x03"
         "94b\x03"
         "01c"},
        {Markup::Irc16,
         {kWhite, kBlack},
         u"abc",
         "\x03"
         "00a\x03"
         "14b\x03"
         "01c"},
        {Markup::Discord, {kWhite, kWhite}, u"ab", "```ansi\n\x1b[37mab\x1b[0m\n```"},
        {Markup::Discord, {0x2F32DC, 0x2F32DC}, u"ab", "```ansi\n\x1b[31mab\x1b[0m\n```"},
        {Markup::Ansi256, {kBlack, kWhite}, u"ab", "\x1b[38;5;16ma\x1b[38;5;231mb\x1b[0m"},
        {Markup::Ansi256, {0x808080, 0x808080}, u"a", "\x1b[38;5;244ma\x1b[0m"},
        {Markup::Discord, {kRed, kBlue}, u"", "```ansi\n\x1b[0m\n```"},
        {Markup::Ansi256, {kRed, kBlue}, u"", ""},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Line(row.markup, 0, row.text, row.colors), row.line)
            << MarkupName(row.markup) << ' ' << Readable(row.text);
    for (int grey = 0; grey < 256; grey += 5) {
        const ColorValue value = grey * 0x010101;
        EXPECT_GE(
            NearestXtermColor(Rgb{static_cast<std::uint8_t>(grey), static_cast<std::uint8_t>(grey),
                                  static_cast<std::uint8_t>(grey)}),
            16)
            << value;
    }
}

// The search that skips colours by lightness finds what trying every colour finds: the
// least Euclidean distance in OKLab, the lowest code on a tie.
TEST(ChatForms, NearestPaletteColourIsTheExhaustiveSearchs) {
    std::mt19937 random(99);
    for (const detail::Palette* palette : {&detail::IrcPalette(), &detail::Irc16Palette(),
                                           &detail::DiscordPalette(), &detail::XtermPalette()}) {
        for (int trial = 0; trial < 3000; ++trial) {
            const std::uint32_t value = trial < 256 ? static_cast<std::uint32_t>(trial) * 0x010101u
                                                    : static_cast<std::uint32_t>(random());
            const Rgb color{static_cast<std::uint8_t>(value >> 16),
                            static_cast<std::uint8_t>(value >> 8),
                            static_cast<std::uint8_t>(value)};
            const Oklab target = RgbToOklab(color);
            std::size_t best = 0;
            double bestDistance = HUGE_VAL;
            for (std::size_t k = 0; k < palette->colors.size(); ++k) {
                const Oklab c = RgbToOklab(palette->colors[k]);
                const double distance = std::sqrt((c.L - target.L) * (c.L - target.L) +
                                                  (c.a - target.a) * (c.a - target.a) +
                                                  (c.b - target.b) * (c.b - target.b));
                if (distance < bestDistance) best = k, bestDistance = distance;
            }
            EXPECT_EQ(detail::NearestPaletteColor(*palette, color), palette->colors[best]) << value;
            EXPECT_EQ(detail::PaletteCode(*palette, palette->colors[best]),
                      palette->firstCode +
                          static_cast<int>(std::find(palette->colors.begin(), palette->colors.end(),
                                                     palette->colors[best]) -
                                           palette->colors.begin()));
        }
    }
}

// IRC's limit counts UTF-8 bytes, everyone else's UTF-16 code units; a fitted line is
// never over it in its unit.
TEST(ChatForms, IrcLimitsCountBytes) {
    const std::u16string text = u"\u00e9t\u00e9 \u2600\U0001F600 caf\u00e9, 12 h";
    LineStyle irc;
    irc.markup = Markup::Irc;
    const std::string utf8 = Utf16ToUtf8(text);
    const FitResult wide = FitGradientLine(text, {kRed, kBlue}, Blend::Rgb, irc, 10000);
    ASSERT_TRUE(wide.fits);
    std::u16string line;
    AppendMarkupLine(line, irc, text, wide.runs);
    EXPECT_EQ(MarkupLineLength(irc, text, wide.runs), Utf16ToUtf8(line).size());
    EXPECT_GT(Utf16ToUtf8(line).size(), line.size());  // the bytes are what is counted
    for (std::size_t limit = utf8.size() + 3; limit < Utf16ToUtf8(line).size() + 3; ++limit) {
        const FitResult fit = FitGradientLine(text, {kRed, kBlue}, Blend::Rgb, irc, limit);
        ASSERT_TRUE(fit.fits) << limit;
        std::u16string fitted;
        AppendMarkupLine(fitted, irc, text, fit.runs);
        EXPECT_LE(Utf16ToUtf8(fitted).size(), limit);
    }
    const FitResult none = FitGradientLine(text, {kRed, kBlue}, Blend::Rgb, irc, utf8.size() + 2);
    EXPECT_FALSE(none.fits);
    EXPECT_EQ(none.shortestLimit, utf8.size() + 3);  // one code: \x03 and two digits
}

// Random lines in every palette markup: the fitted line keeps whole characters and
// stays within the limit in the chat's unit, and the unfitted line is what fits when
// it fits.
TEST(ChatForms, PaletteLinesFitTheirLimit) {
    std::mt19937 random(15);
    const std::u16string pieces[] = {u"a",      u"B",      u",",       u"7",
                                     u" ",      u"\u00e9", u"e\u0301", u"\U0001F1EB\U0001F1F7",
                                     u"\u2600", u",3"};
    for (int trial = 0; trial < 400; ++trial) {
        std::u16string text;
        for (std::size_t k = random() % 40; k > 0; --k)
            text += pieces[random() % std::size(pieces)];
        std::vector<ColorValue> colors(2 + random() % 5);
        for (ColorValue& color : colors) color = static_cast<ColorValue>(random() & 0xFFFFFF);
        LineStyle style;
        style.markup = std::vector<Markup>{Markup::Irc, Markup::Irc16, Markup::IrcHex,
                                           Markup::Discord}[random() % 4];
        style.styles = random() % 2 ? kBold : 0;
        const std::size_t limit = 5 + random() % 200;
        const FitResult fit = FitGradientLine(text, colors, Blend::Rgb, style, limit);
        if (!fit.fits) {
            EXPECT_GT(fit.shortestLimit, limit);
            continue;
        }
        std::u16string line;
        AppendMarkupLine(line, style, text, fit.runs);
        const std::size_t length =
            InfoOf(style.markup).unit == LengthUnit::Utf8 ? Utf16ToUtf8(line).size() : line.size();
        EXPECT_LE(length, limit) << MarkupName(style.markup) << ' ' << Readable(text);
        EXPECT_EQ(MarkupLineLength(style, text, fit.runs), length);
    }
}

}  // namespace
}  // namespace lumivane
