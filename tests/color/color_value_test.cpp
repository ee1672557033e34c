#include "color/color_value.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "color/color_codes.h"

namespace lumivane {
namespace {

// The split as the classic fade defines it: through the colour's hexadecimal text.
Rgb SplitThroughText(ColorValue color) { return HexToComponents(ColorToHex(color)); }

std::vector<std::uint32_t> BoundaryBits() {
    std::vector<std::uint32_t> bits;
    // Each power of two and its neighbours: every length of text (one to eight
    // digits) and both sides of the six-to-seven and seven-to-eight digit steps.
    for (int bit = 0; bit < 32; ++bit) {
        const std::uint32_t power = static_cast<std::uint32_t>(1) << bit;
        for (std::uint32_t near : {power - 1, power, power + 1, 0u - power, 0u - power - 1})
            bits.push_back(near);
    }
    // Values whose digits are all different, at each length, so a digit read from the
    // wrong position shows.
    for (std::uint32_t digits = 0x12345678u; digits != 0; digits >>= 4) bits.push_back(digits);
    for (std::uint32_t digits = 0xFEDCBA98u; digits != 0; digits >>= 4) bits.push_back(digits);
    return bits;
}

TEST(SplitColorValue, EqualsTheSplitThroughTheHexTextAtEveryLengthOfText) {
    for (const std::uint32_t bits : BoundaryBits()) {
        const auto color = static_cast<ColorValue>(bits);
        EXPECT_EQ(SplitColorValue(color), SplitThroughText(color)) << std::hex << bits;
    }
}

TEST(SplitColorValue, EqualsTheSplitThroughTheHexTextOnRandomValuesOfEachLength) {
    std::mt19937 random(20261207);
    // Plain colours, seven-digit values, eight-digit values (top nibble set,
    // negatives among them) and any value at all.
    const std::uint32_t ranges[][2] = {
        {0, 0xFFFFFFu}, {0x1000000u, 0xFFFFFFFu}, {0x10000000u, 0xFFFFFFFFu}, {0, 0xFFFFFFFFu}};
    for (const auto& range : ranges) {
        std::uniform_int_distribution<std::uint32_t> any(range[0], range[1]);
        for (int round = 0; round < 100000; ++round) {
            const auto color = static_cast<ColorValue>(any(random));
            ASSERT_EQ(SplitColorValue(color), SplitThroughText(color)) << color;
        }
    }
}

TEST(SplitColorValue, ReadsSystemColoursAndLongValuesByDigitPosition) {
    struct Row {
        ColorValue value;
        Rgb rgb;
    };
    const Row rows[] = {{255, {255, 0, 0}},
                        {1193046, {0x56, 0x34, 0x12}},
                        {16777215, {255, 255, 255}},
                        {16777216, {0, 0, 0x10}},          // 1000000
                        {0x0ABCDEF1, {0xF1, 0xCD, 0xAB}},  // ABCDEF1
                        {-2147483633, {15, 0, 128}},       // 8000000F
                        {-1, {255, 255, 255}},
                        {static_cast<ColorValue>(0x10000000u), {0, 0, 0x10}}};
    for (const Row& row : rows) EXPECT_EQ(SplitColorValue(row.value), row.rgb) << row.value;
}

TEST(DefaultColors, ArePureRedGreenBlue) {
    // Start-up falls back to these; the fade engine reads them as 00BBGGRR.
    EXPECT_EQ(ColorToHex(kDefaultColors[0]), "0000FF");
    EXPECT_EQ(ColorToHex(kDefaultColors[1]), "00FF00");
    EXPECT_EQ(ColorToHex(kDefaultColors[2]), "FF0000");
}

}  // namespace
}  // namespace lumivane
