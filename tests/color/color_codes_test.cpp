#include "color/color_codes.h"

#include <gtest/gtest.h>

namespace lumivane {
namespace {

struct ColorRow {
    ColorValue input;
    const char* hex;
    int red, green, blue;
};

// Short values are padded to six digits, longer ones kept whole, letters upper
// case; components are read by fixed digit positions.
constexpr ColorRow kColorRows[] = {
    {0, "000000", 0, 0, 0},
    {255, "0000FF", 255, 0, 0},
    {2748, "000ABC", 188, 10, 0},
    {4096, "001000", 0, 16, 0},
    {65280, "00FF00", 0, 255, 0},
    {1193046, "123456", 86, 52, 18},
    {16711680, "FF0000", 0, 0, 255},
    {16777215, "FFFFFF", 255, 255, 255},
    {16777216, "1000000", 0, 0, 16},
    {268435456, "10000000", 0, 0, 16},
    {-2147483633, "8000000F", 15, 0, 128},
    {-1, "FFFFFFFF", 255, 255, 255},
    {-2147483647 - 1, "80000000", 0, 0, 128},
    {0x0ABCDEF1, "ABCDEF1", 241, 205, 171},
};

TEST(ColorCodes, HexTextIsPaddedToSixUpperCaseDigitsAndNeverCut) {
    for (const ColorRow& row : kColorRows)
        EXPECT_EQ(ColorToHex(row.input), row.hex) << "colour " << row.input;
}

TEST(ColorCodes, ComponentsComeFromFixedDigitPositions) {
    for (const ColorRow& row : kColorRows) {
        const Components c = HexToComponents(ColorToHex(row.input));
        EXPECT_EQ(c.red, row.red) << "colour " << row.input;
        EXPECT_EQ(c.green, row.green) << "colour " << row.input;
        EXPECT_EQ(c.blue, row.blue) << "colour " << row.input;
    }
}

TEST(ColorCodes, EveryPaddingLengthGetsExactlyOnePrefix) {
    // One to five digits: the value 0xF, 0xFF, … padded by five down to one zero.
    ColorValue value = 0xF;
    for (int digits = 1; digits <= 8; ++digits) {
        const std::string hex = ColorToHex(value);
        EXPECT_EQ(hex.size(), static_cast<std::size_t>(std::max(6, digits))) << hex;
        const auto count = static_cast<std::size_t>(digits);
        EXPECT_EQ(hex.substr(hex.size() - count), std::string(count, 'F')) << hex;
        value = static_cast<ColorValue>((static_cast<std::uint32_t>(value) << 4) | 0xF);
    }
}

}  // namespace
}  // namespace lumivane
