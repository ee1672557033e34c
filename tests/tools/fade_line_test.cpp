#include "tools/fade/fade_line.h"

#include <gtest/gtest.h>

#include <random>

#include "fade/chat_line.h"
#include "fade/three_color_fade.h"
#include "gradient/utf8.h"

namespace lumivane {
namespace {

FadeOptions Parsed(const std::vector<std::string>& args) {
    std::string error;
    const auto options = ParseFadeOptions(args, error);
    EXPECT_TRUE(options) << error;
    return options.value_or(FadeOptions{});
}

// The line as the tool writes it, in UTF-8.
std::string Line(const FadePlan& plan, std::u16string_view text) {
    std::u16string line;
    EXPECT_EQ(MakeFadeLine(plan, text, line).error, RequestError::None);
    return Utf16ToUtf8(line);
}

// The preview as the tool printed it before gradients came: the classic fade's
// colour codes read back, a surrogate pair kept in its first half's colour.
std::string ClassicPreview(ColorValue first, ColorValue second, ColorValue third,
                           std::u16string_view text) {
    const std::u16string faded = ThreeColorFade(first, second, third, text);
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const Components c = HexToComponents(
            Utf16ToUtf8(std::u16string_view(faded).substr(i * kFadedCharLength + 13, 6)));
        out += "\x1b[38;2;" + std::to_string(c.blue) + ";" + std::to_string(c.green) + ";" +
               std::to_string(c.red) + "m";
        std::size_t units = 1;
        if (i + 1 < text.size() && text[i] >= 0xD800 && text[i] <= 0xDBFF &&
            text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF)
            units = 2;
        out += Utf16ToUtf8(text.substr(i, units));
        i += units - 1;
    }
    return out + "\x1b[0m";
}

// Text as it can reach the tool: valid UTF-16 from valid UTF-8, with pairs,
// accents and the markup's special characters more often than chance would give.
std::u16string RandomText(std::mt19937& random) {
    static const char16_t kPool[] = u"aZ <>&\"'\\#\u00e9\u0301\u20ac\u200d\t";
    std::u16string text;
    const int length = std::uniform_int_distribution<int>(0, 40)(random);
    for (int i = 0; i < length; ++i) {
        const int kind = std::uniform_int_distribution<int>(0, 9)(random);
        if (kind == 0) {
            text +=
                static_cast<char16_t>(std::uniform_int_distribution<int>(0xD800, 0xDBFF)(random));
            text +=
                static_cast<char16_t>(std::uniform_int_distribution<int>(0xDC00, 0xDFFF)(random));
        } else if (kind == 1) {
            text += static_cast<char16_t>(std::uniform_int_distribution<int>(0x20, 0xD7FF)(random));
        } else {
            text +=
                kPool[std::uniform_int_distribution<std::size_t>(0, std::size(kPool) - 2)(random)];
        }
    }
    return text;
}

// With no new option every line stays byte for byte what the classic engine made.
TEST(FadeToolLine, WithoutNewOptionsTheClassicLineIsUnchanged) {
    std::mt19937 random(20261207);
    std::uniform_int_distribution<ColorValue> anyColor(INT32_MIN, INT32_MAX);
    for (int round = 0; round < 3000; ++round) {
        ColorValue c[3] = {anyColor(random), anyColor(random), anyColor(random)};
        // Plain colours most of the time; system colours (top byte set) as well.
        for (ColorValue& color : c)
            if (round % 4 != 0) color &= 0xFFFFFF;
        const std::u16string text = RandomText(random);
        const std::string list =
            std::to_string(c[0]) + "," + std::to_string(c[1]) + "," + std::to_string(c[2]);
        SCOPED_TRACE(testing::Message() << "round " << round << " colours " << list);

        const FadePlan chat = MakeFadePlan(Parsed({"--colors", list, "--face", "Times New Roman"}));
        EXPECT_EQ(Line(chat, text),
                  Utf16ToUtf8(ComposeChatLine(c[0], c[1], c[2], u"Times New Roman", text)));
        const FadePlan fadeOnly = MakeFadePlan(Parsed({"--colors", list, "--fade-only"}));
        EXPECT_EQ(Line(fadeOnly, text), Utf16ToUtf8(ThreeColorFade(c[0], c[1], c[2], text)));
        const FadePlan preview = MakeFadePlan(Parsed({"--colors", list, "--preview"}));
        EXPECT_EQ(Line(preview, text), ClassicPreview(c[0], c[1], c[2], text));
    }
}

// --preview follows the terminal: an explicit depth, then NO_COLOR, then COLORTERM.
TEST(FadeToolLine, PreviewDepthFollowsTheTerminal) {
    struct Row {
        std::vector<std::string> args;
        const char* noColor;
        const char* colorTerm;
        PreviewDepth depth;
    };
    const Row rows[] = {
        {{}, nullptr, "truecolor", PreviewDepth::TrueColor},
        {{}, nullptr, "24bit", PreviewDepth::TrueColor},
        {{}, nullptr, "TRUECOLOR", PreviewDepth::Xterm256},
        {{}, nullptr, nullptr, PreviewDepth::Xterm256},
        {{}, "1", "truecolor", PreviewDepth::Plain},
        {{}, "", "truecolor", PreviewDepth::TrueColor},  // set but empty counts as unset
        {{"--color-depth", "256"}, nullptr, "truecolor", PreviewDepth::Xterm256},
        {{"--color-depth=24"}, "1", nullptr, PreviewDepth::TrueColor},
    };
    for (const Row& row : rows) {
        const auto getenv = [&row](const char* name) -> const char* {
            return std::string(name) == "NO_COLOR"    ? row.noColor
                   : std::string(name) == "COLORTERM" ? row.colorTerm
                                                      : nullptr;
        };
        EXPECT_EQ(ChoosePreviewDepth(Parsed(row.args), getenv), row.depth)
            << (row.colorTerm ? row.colorTerm : "-");
    }
}

TEST(FadeToolLine, PreviewKeepsEverySurrogatePairWhole) {
    const Rgb red{255, 0, 0}, blue{0, 0, 255};
    struct Row {
        std::u16string text;
        std::vector<ColorRun> runs;
        std::string preview;
    };
    const std::u16string grin = u"\xD83D\xDE00";  // U+1F600
    const Row rows[] = {
        {u"", {}, "\x1b[0m"},
        {u"ab", {{0, 1, red}, {1, 2, blue}}, "\x1b[38;2;255;0;0ma\x1b[38;2;0;0;255mb\x1b[0m"},
        {u"ab", {{0, 2, blue}}, "\x1b[38;2;0;0;255mab\x1b[0m"},
        {grin, {{0, 1, red}, {1, 2, blue}}, "\x1b[38;2;255;0;0m\xF0\x9F\x98\x80\x1b[0m"},
        {grin + u"x",
         {{0, 1, red}, {1, 3, blue}},
         "\x1b[38;2;255;0;0m\xF0\x9F\x98\x80\x1b[38;2;0;0;255mx\x1b[0m"},
        {u"x" + grin, {{0, 2, red}, {2, 3, blue}}, "\x1b[38;2;255;0;0mx\xF0\x9F\x98\x80\x1b[0m"},
        {grin, {{0, 2, {1, 2, 3}}}, "\x1b[38;2;1;2;3m\xF0\x9F\x98\x80\x1b[0m"},
        // A lone half stays a replacement character, as in the chat line.
        {std::u16string(1, u'\xD83D') + u"x",
         {{0, 1, red}, {1, 2, blue}},
         "\x1b[38;2;255;0;0m\xEF\xBF\xBD\x1b[38;2;0;0;255mx\x1b[0m"},
    };
    for (const Row& row : rows) {
        std::u16string out;
        AppendPreview(out, row.text, row.runs);
        EXPECT_EQ(Utf16ToUtf8(out), row.preview) << Utf16ToUtf8(row.text);
    }
}

// What the options make of a line: the face only in aol and not with --fade-only,
// and the blend that goes with the format.
TEST(FadeToolLine, OptionsMakeThePlan) {
    struct Row {
        std::vector<std::string> args;
        Markup markup;
        std::optional<std::u16string> face;
        Blend blend;
        bool preview;
    };
    const Row rows[] = {
        {{}, Markup::Aol, u"Arial", Blend::Legacy, false},
        {{"--face", "Caf\xC3\xA9"}, Markup::Aol, u"Caf\u00e9", Blend::Legacy, false},
        {{"--fade-only"}, Markup::Aol, std::nullopt, Blend::Legacy, false},
        {{"--fade-only", "--preview"}, Markup::Aol, std::nullopt, Blend::Legacy, true},
        {{"--preview"}, Markup::Aol, u"Arial", Blend::Legacy, true},
        {{"--blend", "oklab"}, Markup::Aol, u"Arial", Blend::Oklab, false},
        {{"--format", "html"}, Markup::Html, std::nullopt, Blend::Rgb, false},
        {{"--format", "ansi", "--preview"}, Markup::Ansi, std::nullopt, Blend::Rgb, true},
        {{"--format", "json", "--blend", "legacy"},
         Markup::Json,
         std::nullopt,
         Blend::Legacy,
         false},
    };
    for (const Row& row : rows) {
        const FadePlan plan = MakeFadePlan(Parsed(row.args));
        EXPECT_EQ(plan.line.style.markup, row.markup);
        EXPECT_EQ(plan.line.style.face, row.face);
        EXPECT_EQ(plan.line.blend, row.blend);
        EXPECT_EQ(plan.preview, row.preview);
    }
}

// A length limit gives the finest line that fits, or tells the shortest limit.
TEST(FadeToolLine, ALimitFitsTheLineOrNamesTheLimitItNeeds) {
    struct Row {
        std::vector<std::string> args;
        std::u16string text;
        bool fits;
        std::string line;           // when it fits
        std::size_t shortestLimit;  // when it does not
    };
    const std::string classic5 =
        "<font face=\"Arial\"><Font Color=#808000>a<Font Color=#00FF00>b<Font Color=#00AA55>c"
        "<Font Color=#0055AA>d<Font Color=#0000FF>e";
    const Row rows[] = {
        {{"--max-length", "60"},
         u"fits?",
         true,
         "<font face=\"Arial\"><Font Color=#0000FF>fits?",
         0},
        {{"--max-length", "44"},
         u"fits?",
         true,
         "<font face=\"Arial\"><Font Color=#0000FF>fits?",
         0},
        {{"--max-length", "43"}, u"fits?", false, "", 44},
        {{"--max-length", "124"}, u"abcde", true, classic5, 0},
        {{"--max-length", "25", "--fade-only"}, u"fits?", true, "<Font Color=#0000FF>fits?", 0},
        {{"--max-length", "25", "--fade-only"}, u"fits?!", false, "", 26},
        {{"--max-length", "60", "--preview"}, u"fits?", true, "\x1b[38;2;0;0;255mfits?\x1b[0m", 0},
        {{"--max-length", "1", "--format", "html"}, u"", true, "", 0},
    };
    for (const Row& row : rows) {
        const FadePlan plan = MakeFadePlan(Parsed(row.args));
        std::u16string line = u"left from the line before";
        const LineOutcome outcome = MakeFadeLine(plan, row.text, line);
        EXPECT_EQ(outcome.error == RequestError::None, row.fits) << Utf16ToUtf8(row.text);
        if (row.fits) {
            EXPECT_EQ(Utf16ToUtf8(line), row.line);
        } else {
            EXPECT_EQ(line, u"");  // nothing of a line that cannot fit
            EXPECT_EQ(outcome.shortestLimit, row.shortestLimit);
        }
    }
}

}  // namespace
}  // namespace lumivane
