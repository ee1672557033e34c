#include "color/color_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <random>
#include <string>

namespace lumivane {
namespace {

struct TextRow {
    const char* text;
    std::optional<ColorValue> color;
};

constexpr ColorValue kMost = 2147483647, kLeast = -2147483647 - 1;

// Decimal texts as the settings file and the command line give them.
const TextRow kDecimalRows[] = {
    {"0", 0},
    {"255", 255},
    {"16711680", 16711680},
    {"+7", 7},
    {"-1", -1},
    {"-0", 0},
    {"000255", 255},
    {"-2147483633", -2147483633},
    {"2147483647", kMost},
    {"+2147483647", kMost},
    {"-2147483648", kLeast},
    {"0000000000002147483647", kMost},
    // Out of the signed 32-bit range, however many digits.
    {"2147483648", std::nullopt},
    {"-2147483649", std::nullopt},
    {"4294967295", std::nullopt},
    {"99999999999999999999999999999999", std::nullopt},
    // Not a plain decimal.
    {"", std::nullopt},
    {"+", std::nullopt},
    {"-", std::nullopt},
    {"--1", std::nullopt},
    {"+-1", std::nullopt},
    {" 1", std::nullopt},
    {"1 ", std::nullopt},
    {"1.0", std::nullopt},
    {"1e3", std::nullopt},
    {"0x10", std::nullopt},
    {"#FF0000", std::nullopt},
    {"12a", std::nullopt},
    {"\xEF\xBC\x91", std::nullopt},  // a full-width digit one
};

std::u16string Widened(const char* text) {
    std::u16string wide;
    for (const char* c = text; *c; ++c)
        wide += static_cast<char16_t>(static_cast<unsigned char>(*c));
    return wide;
}

TEST(ParseDecimalColor, TakesSignedThirtyTwoBitDecimalsAndNothingElse) {
    for (const TextRow& row : kDecimalRows) {
        EXPECT_EQ(ParseDecimalColor(std::string_view(row.text)), row.color) << row.text;
        EXPECT_EQ(ParseDecimalColor(std::u16string_view(Widened(row.text))), row.color) << row.text;
        if (row.text[0] != '#') {
            EXPECT_EQ(ParseColor(row.text), row.color) << row.text;
        }
    }
    // Wide texts may hold what a narrow one cannot: digits of other scripts.
    for (const std::u16string_view text : {u"\uFF11", u"1\u0661", u"+\u00B2", u"\u0035\u0301"})
        EXPECT_EQ(ParseDecimalColor(text), std::nullopt);
}

TEST(ParseDecimalColor, ReadsBackEveryValueItsDecimalTextWrites) {
    std::mt19937 random(20261207);
    std::uniform_int_distribution<std::int64_t> any(kLeast, kMost);
    for (int round = 0; round < 20000; ++round) {
        const auto color = static_cast<ColorValue>(any(random));
        const std::string text = std::to_string(color);
        ASSERT_EQ(ParseDecimalColor(std::string_view(text)), color) << text;
        ASSERT_EQ(ParseDecimalColor(std::u16string_view(Widened(text.c_str()))), color) << text;
    }
}

// #RRGGBB, red first; the value keeps red in its lowest byte.
const TextRow kHexRows[] = {
    {"#FF8000", 0x0080FF},     {"#ff8000", 0x0080FF},
    {"#aBcDeF", 0xEFCDAB},     {"#000000", 0},
    {"#FFFFFF", 16777215},     {"#0000FF", 16711680},
    {"#123456", 0x563412},     {"FF8000", std::nullopt},
    {"#FF800", std::nullopt},  {"#FF80000", std::nullopt},
    {"#GG0000", std::nullopt}, {"# FF800", std::nullopt},
    {"#+12345", std::nullopt}, {"##FF8000", std::nullopt},
    {"#", std::nullopt},       {"", std::nullopt},
};

TEST(ParseHexColor, TakesANumberSignAndSixDigitsRedFirst) {
    for (const TextRow& row : kHexRows) EXPECT_EQ(ParseHexColor(row.text), row.color) << row.text;
}

TEST(ParseHexByte, TakesExactlyTwoDigitsOfEitherCaseHighFirst) {
    struct ByteRow {
        const char* text;
        std::optional<std::uint8_t> value;
    };
    const ByteRow rows[] = {{"00", 0},  {"8f", 143}, {"8F", 143}, {"f8", 248}, {"ff", 255},
                            {"g0", {}}, {"0g", {}},  {"0", {}},   {"000", {}}, {"", {}},
                            {" 1", {}}, {"+1", {}},  {"0x", {}}};
    for (const ByteRow& row : rows) EXPECT_EQ(ParseHexByte(row.text), row.value) << row.text;
}

TEST(ParseColor, ReadsHexAfterANumberSignAndDecimalOtherwise) {
    const TextRow rows[] = {
        {"#FF8000", 0x0080FF},        {"#ff8000", 0x0080FF}, {"255", 255},
        {"-2147483633", -2147483633}, {"#-1", std::nullopt}, {"#255", std::nullopt},
        {"FF8000", std::nullopt},     {"", std::nullopt}};
    for (const TextRow& row : rows) EXPECT_EQ(ParseColor(row.text), row.color) << row.text;
}

}  // namespace
}  // namespace lumivane
