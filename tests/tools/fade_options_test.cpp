#include "tools/fade/options.h"

#include <gtest/gtest.h>

#include "tools/fade/utf8.h"

namespace lumivane {
namespace {

TEST(FadeTool, ColoursAreDecimalColourValuesOrRedFirstHex) {
    struct Row { const char* text; std::optional<ColorValue> color; };
    const Row rows[] = {
        {"255", 255}, {"-1", -1}, {"+7", 7}, {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1}, {"#FF0000", 255}, {"#00ff00", 65280},
        {"#0000FF", 16711680}, {"#123456", 0x563412},
        {"2147483648", std::nullopt}, {"-2147483649", std::nullopt}, {"", std::nullopt},
        {"-", std::nullopt}, {"12.5", std::nullopt}, {"0x10", std::nullopt},
        {"#12345", std::nullopt}, {"#1234567", std::nullopt}, {"#GG0000", std::nullopt},
        {" 5", std::nullopt}, {"99999999999999999999", std::nullopt},
    };
    for (const Row& row : rows) EXPECT_EQ(ParseColorArgument(row.text), row.color) << row.text;
}

TEST(FadeTool, OptionsAndWords) {
    std::string error;
    auto options = ParseFadeOptions({"--colors", "1,#000000,-3", "--face", "Comic Sans MS",
                                     "--fade-only", "hello", "--", "--preview"},
                                    error);
    ASSERT_TRUE(options) << error;
    EXPECT_EQ(options->colors, (std::array<ColorValue, 3>{1, 0, -3}));
    EXPECT_EQ(options->face, "Comic Sans MS");
    EXPECT_EQ(options->output, FadeOutput::FadeOnly);
    EXPECT_EQ(options->words, (std::vector<std::string>{"hello", "--preview"}));

    options = ParseFadeOptions({}, error);
    ASSERT_TRUE(options);
    EXPECT_EQ(options->colors, (std::array<ColorValue, 3>{255, 65280, 16711680}));
    EXPECT_EQ(options->face, "Arial");
}

TEST(FadeTool, BadOptionsAreRefusedWithTheirValueNamed) {
    struct Row { std::vector<std::string> args; const char* named; };
    const Row rows[] = {
        {{"--colors", "1,2"}, "1,2"},
        {{"--colors", "1,2,3,4"}, "1,2,3,4"},
        {{"--colors", "1,red,3"}, "1,red,3"},
        {{"--colors"}, "--colors"},
        {{"--face"}, "--face"},
        {{"--shout"}, "--shout"},
    };
    for (const Row& row : rows) {
        std::string error;
        EXPECT_FALSE(ParseFadeOptions(row.args, error)) << row.named;
        EXPECT_NE(error.find(row.named), std::string::npos) << error;
    }
}

TEST(FadeTool, Utf8IsDecodedStrictlyAndLoneHalvesAreReplaced) {
    EXPECT_EQ(Utf8ToUtf16("a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"),
              std::u16string(u"a\u00e9\u20ac\xD83D\xDE00"));
    for (const char* bad : {"\x80", "\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80",
                            "\xE2\x82", "\xFF"})
        EXPECT_FALSE(Utf8ToUtf16(bad)) << "bytes of length " << std::string(bad).size();
    EXPECT_EQ(Utf16ToUtf8(u"\xD83D\xDE00"), "\xF0\x9F\x98\x80");
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, u'\xD83D') + u"<"), "\xEF\xBF\xBD<");
}

}  // namespace
}  // namespace lumivane
