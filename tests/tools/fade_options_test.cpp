#include "tools/fade/options.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "gradient/request_options.h"
#include "gradient/shown_value.h"
#include "gradient/utf8.h"

namespace lumivane {
namespace {

// The blend a line of these options is coloured with.
Blend EffectiveBlend(const FadeOptions& options) {
    LinePlan plan;
    PlanLine(options.request, plan);
    return plan.blend.blend;
}

TEST(FadeTool, ColoursAreDecimalColourValuesOrRedFirstHex) {
    struct Row {
        const char* text;
        std::optional<ColorValue> color;
    };
    const Row rows[] = {
        {"255", 255},
        {"-1", -1},
        {"+7", 7},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"#FF0000", 255},
        {"#00ff00", 65280},
        {"#0000FF", 16711680},
        {"#123456", 0x563412},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"", std::nullopt},
        {"-", std::nullopt},
        {"12.5", std::nullopt},
        {"0x10", std::nullopt},
        {"#12345", std::nullopt},
        {"#1234567", std::nullopt},
        {"#GG0000", std::nullopt},
        {" 5", std::nullopt},
        {"99999999999999999999", std::nullopt},
    };
    for (const Row& row : rows) EXPECT_EQ(ParseColorArgument(row.text), row.color) << row.text;
}

TEST(FadeTool, OptionsAndWords) {
    std::string error;
    auto options = ParseFadeOptions({"--colors", "1,#000000,-3", "--face", "Comic Sans MS",
                                     "--fade-only", "hello", "--", "--preview"},
                                    error);
    ASSERT_TRUE(options) << error;
    EXPECT_EQ(options->request.colors, (std::vector<ColorValue>{1, 0, -3}));
    EXPECT_EQ(options->request.face, u"Comic Sans MS");
    EXPECT_EQ(options->output, FadeOutput::FadeOnly);
    EXPECT_EQ(options->words, (std::vector<std::string>{"hello", "--preview"}));

    options = ParseFadeOptions({}, error);
    ASSERT_TRUE(options);
    EXPECT_FALSE(options->request.colors);  // the plan gives red, green and blue
    LinePlan plan;
    ASSERT_EQ(PlanLine(options->request, plan), RequestError::None);
    EXPECT_EQ(plan.colors, (std::vector<ColorValue>{255, 65280, 16711680}));
    EXPECT_FALSE(options->request.face);  // the plan gives Arial
    EXPECT_EQ(options->request.markup, Markup::Aol);
    EXPECT_EQ(EffectiveBlend(*options), Blend::Legacy);
    EXPECT_FALSE(options->request.maxLength);
}

// Both spellings of every option, and what each one sets.
TEST(FadeTool, EveryOptionTakesBothSpellings) {
    using Check = std::function<bool(const FadeOptions&)>;
    struct Row {
        std::vector<std::string> args;
        Check check;
    };
    const std::size_t most = std::numeric_limits<std::size_t>::max();
    const Row rows[] = {
        {{"--format", "html"},
         [](auto& o) {
             return o.request.markup == Markup::Html && EffectiveBlend(o) == Blend::Rgb;
         }},
        {{"--format=json"},
         [](auto& o) {
             return o.request.markup == Markup::Json && EffectiveBlend(o) == Blend::Rgb;
         }},
        {{"--format=aol"},
         [](auto& o) {
             return o.request.markup == Markup::Aol && EffectiveBlend(o) == Blend::Legacy;
         }},
        {{"--format=bbcode", "--blend", "legacy"},
         [](auto& o) { return EffectiveBlend(o) == Blend::Legacy; }},
        {{"--blend=oklab"},
         [](auto& o) {
             return o.request.markup == Markup::Aol && EffectiveBlend(o) == Blend::Oklab;
         }},
        {{"--blend", "rgb", "--blend=legacy"},
         [](auto& o) { return EffectiveBlend(o) == Blend::Legacy; }},
        {{"--colors=#FFFFFF,0"},
         [](auto& o) {
             return o.request.colors == std::vector<ColorValue>{0xFFFFFF, 0};
         }},
        {{"--colors", "-1,-2"},
         [](auto& o) {
             return o.request.colors == std::vector<ColorValue>{-1, -2};
         }},
        {{"--face=a=b"}, [](auto& o) { return o.request.face == u"a=b"; }},
        {{"--face", "--fade-only"},
         [](auto& o) {
             return o.request.face == u"--fade-only" && o.output == FadeOutput::ChatLine;
         }},
        {{"--face="}, [](auto& o) { return o.request.face == u""; }},
        {{"--max-length", "256"}, [](auto& o) { return o.request.maxLength == std::size_t{256}; }},
        {{"--max-length=1"}, [](auto& o) { return o.request.maxLength == std::size_t{1}; }},
        {{"--max-length=999999999999999999999999"},
         [most](auto& o) { return o.request.maxLength == most; }},
        {{"--fade-only", "--preview"},
         [](auto& o) { return o.output == FadeOutput::Preview && o.request.fadeOnly; }},
        {{"--preview", "--fade-only"}, [](auto& o) { return o.output == FadeOutput::FadeOnly; }},
        {{"--preview", "--format", "ansi"},
         [](auto& o) { return o.output == FadeOutput::Preview; }},
        {{"-h"}, [](auto& o) { return o.help; }},
        {{"-", "x=y"},
         [](auto& o) {
             return o.words == std::vector<std::string>{"-", "x=y"};
         }},
        {{"--", "--colors=1"},
         [](auto& o) { return o.words == std::vector<std::string>{"--colors=1"}; }},
    };
    for (const Row& row : rows) {
        std::string error;
        const auto options = ParseFadeOptions(row.args, error);
        ASSERT_TRUE(options) << row.args[0] << ": " << error;
        EXPECT_TRUE(row.check(*options)) << row.args[0];
    }
}

TEST(FadeTool, BadOptionsAreRefusedWithTheirValueNamedOnOneSafeLine) {
    struct Row {
        std::vector<std::string> args;
        const char* named;
    };
    const std::string sixtyFive = [] {
        std::string list = "1";
        for (int i = 1; i < 65; ++i) list += ",1";
        return list;
    }();
    const Row rows[] = {
        {{"--colors", "1"}, "'1'"},
        {{"--colors="}, "''"},
        {{"--colors", sixtyFive}, "at most 64"},
        {{"--colors", "1,red,3"}, "'red'"},
        {{"--colors", "1,,3"}, "''"},
        {{"--colors"}, "--colors"},
        {{"--face"}, "--face"},
        {{"--face", "A\nB"}, "'A\\nB'"},
        {{"--face", "\x1b[2J"}, "'\\x1B[2J'"},
        {{"--face", "a\xC2\x9B"}, "\\u{009B}"},
        {{"--face", "\xFF"}, "'\\xFF'"},
        {{"--face", "Tahoma", "--format", "html"}, "'Tahoma'"},
        {{"--format=section", "--face=Tahoma"}, "--format aol"},
        {{"--fade-only", "--format", "minimessage"}, "--fade-only"},
        {{"--blend", "sepia"}, "'sepia'"},
        {{"--blend", "RGB"}, "'RGB'"},
        {{"--format", "ircx"}, "'ircx'"},
        {{"--max-length", "0"}, "'0'"},
        {{"--max-length=-1"}, "'-1'"},
        {{"--max-length", "12abc"}, "'12abc'"},
        {{"--max-length", "+5"}, "'+5'"},
        {{"--max-length", ""}, "''"},
        {{"--max-length", "40", "--format", "ansi"}, "ansi"},
        {{"--shout"}, "'--shout'"},
        {{"--fade-only=no"}, "'no'"},
        {{"--preview="}, "--preview"},
        {{"--help=me"}, "'me'"},
    };
    for (const Row& row : rows) {
        std::string error;
        EXPECT_FALSE(ParseFadeOptions(row.args, error)) << row.named;
        EXPECT_NE(error.find(row.named), std::string::npos) << error;
        for (const char c : error)
            EXPECT_FALSE(static_cast<unsigned char>(c) < 0x20 || c == 0x7F) << error;
    }
}

TEST(FadeTool, AHugeValueIsShownCutShort) {
    const std::string list(100000, '7');
    std::string error;
    EXPECT_FALSE(ParseFadeOptions({"--colors", list}, error));
    EXPECT_LT(error.size(), 300u);
    EXPECT_NE(error.find("'" + std::string(60, '7') + "...'"), std::string::npos) << error;
}

TEST(FadeTool, ShownValuesAreShortAndCannotSteerTheTerminal) {
    struct Row {
        std::string value;
        std::string shown;
    };
    const Row rows[] = {
        {"", ""},
        {"plain", "plain"},
        {"tab\there", "tab\\there"},
        {"a\r\nb", "a\\r\\nb"},
        {"\x1b]0;title\x07", "\\x1B]0;title\\x07"},
        {"del\x7f", "del\\x7F"},
        {"back\\slash", "back\\\\slash"},
        {"\xC2\x9B"
         "31m",
         "\\u{009B}31m"},
        {"caf\xC3\xA9 \xF0\x9F\x98\x80", "caf\xC3\xA9 \xF0\x9F\x98\x80"},
        {"\xC3", "\\xC3"},
        {"\xC0\x80", "\\xC0\\x80"},
        {"\xED\xA0\x80", "\\xED\\xA0\\x80"},
        {"\xF4\x90\x80\x80", "\\xF4\\x90\\x80\\x80"},
        {std::string(60, 'x'), std::string(60, 'x')},
        {std::string(61, 'x'), std::string(60, 'x') + "..."},
        // Sixty characters, not sixty bytes: a character is never cut in half.
        {[] {
             std::string s;
             for (int i = 0; i < 61; ++i) s += "\xC3\xA9";
             return s;
         }(),
         [] {
             std::string s;
             for (int i = 0; i < 60; ++i) s += "\xC3\xA9";
             return s + "...";
         }()},
        {std::string(59, 'x') + "\n\n", std::string(59, 'x') + "\\n..."},
    };
    for (const Row& row : rows) EXPECT_EQ(ShownValue(row.value), row.shown) << row.shown;
}

TEST(FadeTool, Utf8IsDecodedStrictlyAndLoneHalvesAreReplaced) {
    EXPECT_EQ(Utf8ToUtf16("a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"),
              std::u16string(u"a\u00e9\u20ac\xD83D\xDE00"));
    for (const char* bad :
         {"\x80", "\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE2\x82", "\xFF"})
        EXPECT_FALSE(Utf8ToUtf16(bad)) << "bytes of length " << std::string(bad).size();
    EXPECT_EQ(Utf16ToUtf8(u"\xD83D\xDE00"), "\xF0\x9F\x98\x80");
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, u'\xD83D') + u"<"), "\xEF\xBF\xBD<");
}

}  // namespace
}  // namespace lumivane
