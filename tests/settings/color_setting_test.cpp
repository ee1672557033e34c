#include "settings/color_setting.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace lumivane {
namespace {

constexpr ColorValue kFallback = 12345;

struct ParsedRow {
    std::u16string_view text;
    ColorValue color;
};

// Texts that are a signed 32-bit decimal integer, blanks around allowed.
constexpr ParsedRow kGoodTexts[] = {
    {u"255", 255},
    {u"65280", 65280},
    {u"16711680", 16711680},
    {u"0", 0},
    {u"-0", 0},
    {u"+7", 7},
    {u" -1 ", -1},
    {u"\t42\t", 42},
    {u"  \t 9 \t ", 9},
    {u"007", 7},
    {u"-0012", -12},
    {u"00000000000000000000000000000000001", 1},
    {u"2147483647", 2147483647},
    {u"-2147483648", -2147483647 - 1},
    {u"+2147483647", 2147483647},
    {u"12345", 12345},
};

TEST(ColorFromSetting, DecimalIntegersAreTheColour) {
    for (const ParsedRow& row : kGoodTexts) {
        // A fallback the text never equals, so a wrongly rejected text shows.
        const ColorValue fallback = row.color == 0 ? 1 : 0;
        EXPECT_EQ(ColorFromSetting(row.text, fallback), row.color)
            << std::string(row.text.begin(), row.text.end());
    }
}

// Everything else falls back: the program must start on any file.
constexpr std::u16string_view kBadTexts[] = {
    u"",
    u" ",
    u"\t \t",
    u"+",
    u"-",
    u"+-1",
    u"--1",
    u"- 1",
    u"1 2",
    u"12.5",
    u"12.",
    u".5",
    u"1,000",
    u"1e3",
    u"0x10",
    u"&HFF",
    u"FF",
    u"abc",
    u"255abc",
    u"abc255",
    u"\n255",
    u"255\r",
    u"2147483648",
    u"-2147483649",
    u"4294967295",
    u"4294967296",
    u"99999999999999999999",
    u"-99999999999999999999",
    u"184467440737095516160000000000000000255",
    u"\xFF11\xFF12",  // full-width digits
    u"\x0661\x0662",  // Arabic-Indic digits
    // A no-break space is not a blank: one string.
    // NOLINTNEXTLINE(bugprone-suspicious-missing-comma)
    u"\xA0"
    u"5",
};

TEST(ColorFromSetting, AnythingButADecimalIntegerFallsBack) {
    for (const std::u16string_view text : kBadTexts)
        EXPECT_EQ(ColorFromSetting(text, kFallback), kFallback)
            << std::string(text.begin(), text.end());
}

TEST(ColorFromSetting, VeryLongDigitStringsFallBackWithoutWrapping) {
    // 2^64 + 255 would wrap to 255 in a 64-bit accumulator that never checks.
    std::u16string digits(5000, u'9');
    EXPECT_EQ(ColorFromSetting(digits, kFallback), kFallback);
    EXPECT_EQ(ColorFromSetting(u"-" + digits, kFallback), kFallback);
    const std::u16string zeros(5000, u'0');
    EXPECT_EQ(ColorFromSetting(zeros + u"16711680", kFallback), 16711680);
}

struct WrittenRow {
    ColorValue color;
    std::u16string_view text;
};

constexpr WrittenRow kWrittenTexts[] = {
    {0, u"0"},
    {7, u"7"},
    {255, u"255"},
    {65280, u"65280"},
    {16711680, u"16711680"},
    {-1, u"-1"},
    {-10, u"-10"},
    {1000000000, u"1000000000"},
    {2147483647, u"2147483647"},
    {-2147483647 - 1, u"-2147483648"},
    {-2147483633, u"-2147483633"},
};

TEST(ColorToSetting, WritesPlainDecimalWithMinusSign) {
    for (const WrittenRow& row : kWrittenTexts)
        EXPECT_EQ(ColorToSetting(row.color), row.text) << row.color;
}

TEST(ColorSettingRoundTrip, EveryColourReadsBackAsWritten) {
    ColorValue colors[] = {
        0,          1,        -1,          255,        65280,           16711680,
        16777215,   16777216, -2147483633, 2147483647, -2147483647 - 1, 2147483646,
        -2147483647};
    for (const ColorValue color : colors)
        EXPECT_EQ(ColorFromSetting(ColorToSetting(color), kFallback), color) << color;
    // A spread over the whole range, powers of two and their neighbours.
    for (int bit = 0; bit < 32; ++bit) {
        // Unsigned arithmetic, so bit 31 wraps instead of overflowing.
        const std::uint32_t power = static_cast<std::uint32_t>(1) << bit;
        for (const std::uint32_t bits : {power, power - 1, 0u - power}) {
            const auto color = static_cast<ColorValue>(bits);
            EXPECT_EQ(ColorFromSetting(ColorToSetting(color), kFallback), color) << color;
        }
    }
}

}  // namespace
}  // namespace lumivane
