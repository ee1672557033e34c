#include "gradient/gradient.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "fade/chat_line.h"
#include "gradient/markup.h"
#include "gradient/oklab.h"
#include "tests/gradient/support.h"

namespace lumivane {
namespace {

constexpr ColorValue kRed = 255, kGreen = 65280, kBlue = 16711680;
constexpr ColorValue kBlack = 0, kWhite = 16777215;

TEST(BlendNames, OnlyTheExactLowerCaseNamesAreBlends) {
    struct Row { const char* name; std::optional<Blend> blend; };
    const Row rows[] = {{"legacy", Blend::Legacy}, {"rgb", Blend::Rgb}, {"oklab", Blend::Oklab},
                        {"RGB", std::nullopt},     {"", std::nullopt},  {"oklab ", std::nullopt},
                        {"lab", std::nullopt}};
    for (const Row& row : rows) {
        EXPECT_EQ(ParseBlendName(row.name), row.blend) << row.name;
        if (row.blend) {
            EXPECT_EQ(BlendName(*row.blend), row.name);
        }
    }
}

TEST(GradientColors, TakesTwoToSixtyFourColoursInEveryBlend) {
    for (Blend blend : {Blend::Legacy, Blend::Rgb, Blend::Oklab}) {
        for (std::size_t count : {0u, 1u, 65u, 1000u})
            EXPECT_THROW(GradientColors(std::vector<ColorValue>(count, kRed), blend, 3),
                         std::invalid_argument);
        for (std::size_t count : {2u, 3u, 64u})
            EXPECT_EQ(GradientColors(std::vector<ColorValue>(count, kRed), blend, 5).size(), 5u);
    }
}

TEST(GradientColors, ColourValuesAreSplitAsTheClassicFadeSplitsThem) {
    // A system colour 0x8000000F is red 15, green 0, blue 128 by digit position.
    struct Row { ColorValue value; Rgb rgb; };
    const Row rows[] = {{kRed, {255, 0, 0}}, {1193046, {0x56, 0x34, 0x12}},
                        {16777216, {0, 0, 16}}, {-2147483633, {15, 0, 128}}, {-1, {255, 255, 255}}};
    for (const Row& row : rows) EXPECT_EQ(SplitColorValue(row.value), row.rgb) << row.value;
}

struct BlendRow {
    const char* what;
    Blend blend;
    std::vector<ColorValue> colors;
    std::vector<Rgb> expected;
};

TEST(GradientColors, WorkedExamplesOfEachBlend) {
    const BlendRow rows[] = {
        {"legacy, two colours: one part, 127.5 goes to the even 128", Blend::Legacy,
         {kBlack, kWhite}, {{64, 64, 64}, {128, 128, 128}, {191, 191, 191}, {255, 255, 255}}},
        {"legacy, five colours over six units: parts of 2, 1, 1, 2", Blend::Legacy,
         {kBlack, kRed, kBlack, kRed, kBlack},
         {{128, 0, 0}, {255, 0, 0}, {0, 0, 0}, {255, 0, 0}, {128, 0, 0}, {0, 0, 0}}},
        {"legacy, one unit takes the last colour", Blend::Legacy, {kBlack, 5}, {{5, 0, 0}}},
        {"rgb, ends are the first and last colours", Blend::Rgb, {kRed, kBlue},
         {{255, 0, 0}, {191, 0, 64}, {128, 0, 128}, {64, 0, 191}, {0, 0, 255}}},
        {"rgb, 2.5 rounds half up to 3", Blend::Rgb, {kBlack, 5}, {{0, 0, 0}, {3, 0, 0}, {5, 0, 0}}},
        // Unit 1: t is 1/6 in single precision (just above it), so 3t rounds to 0.5 and
        // the channel to 1; in double precision it would be just below 0.5 and give 0.
        {"rgb, blend factor in single precision", Blend::Rgb, {kBlack, 3},
         {{0, 0, 0}, {1, 0, 0}, {1, 0, 0}, {2, 0, 0}, {2, 0, 0}, {3, 0, 0}, {3, 0, 0}}},
        {"rgb, three colours", Blend::Rgb, {kRed, kGreen, kBlue},
         {{255, 0, 0}, {85, 170, 0}, {0, 170, 85}, {0, 0, 255}}},
        {"rgb, one unit takes the first colour", Blend::Rgb, {kBlack, 5}, {{0, 0, 0}}},
        {"oklab, black to white: L 0.5 is linear 0.125, sRGB 99", Blend::Oklab, {kBlack, kWhite},
         {{0, 0, 0}, {99, 99, 99}, {255, 255, 255}}},
        {"oklab, the middle stop comes out exactly", Blend::Oklab, {kRed, kGreen, kBlue},
         {{255, 0, 0}, {208, 168, 0}, {0, 255, 0}, {0, 170, 191}, {0, 0, 255}}},
        {"oklab, one unit takes the first colour", Blend::Oklab, {kWhite, kBlack},
         {{255, 255, 255}}},
    };
    for (const BlendRow& row : rows) {
        const std::vector<Rgb> colors = GradientColors(row.colors, row.blend, row.expected.size());
        EXPECT_EQ(colors, row.expected) << row.what;
    }
    for (Blend blend : {Blend::Legacy, Blend::Rgb, Blend::Oklab})
        EXPECT_TRUE(GradientColors({kRed, kBlue}, blend, 0).empty());
}

// With three colours the legacy blend is the classic fade: the whole chat line,
// face tag included, is the same bit for bit.
TEST(GradientColors, LegacyWithThreeColoursIsTheClassicFade) {
    std::mt19937 random(20261207);
    for (int trial = 0; trial < 2000; ++trial) {
        const std::size_t length = trial < 100 ? trial : random() % 1500;
        std::u16string text(length, u' ');
        for (char16_t& c : text) c = static_cast<char16_t>(random() % 0x10000);
        ColorValue colors[3];
        for (ColorValue& color : colors)  // mostly plain colours, some with a top byte
            color = static_cast<ColorValue>(random() % 4 == 0 ? random() : random() & 0xFFFFFF);
        LineStyle style;
        style.face = u"Arial";
        std::u16string line;
        AppendMarkupLine(line, style, text,
                         GradientRuns(text, {colors[0], colors[1], colors[2]}, Blend::Legacy));
        ASSERT_EQ(line, ComposeChatLine(colors[0], colors[1], colors[2], u"Arial", text))
            << "length " << length << " colours " << colors[0] << ' ' << colors[1] << ' '
            << colors[2];
    }
}

// A plain double-precision OKLab gradient with pow() at every step.
Rgb ReferenceOklab(Rgb from, Rgb to, double t) {
    const Oklab a = RgbToOklab(from), b = RgbToOklab(to);
    const LinearRgb c =
        OklabToLinear({a.L + t * (b.L - a.L), a.a + t * (b.a - a.a), a.b + t * (b.b - a.b)});
    const auto encode = [](double linear) {
        linear = std::min(1.0, std::max(0.0, linear));
        return static_cast<std::uint8_t>(std::floor(LinearToSrgb(linear) * 255.0 + 0.5));
    };
    return {encode(c.red), encode(c.green), encode(c.blue)};
}

TEST(GradientColors, OklabIsWithinOneOfAPlainReferenceAndKeepsItsStops) {
    std::mt19937 random(7);
    for (int trial = 0; trial < 400; ++trial) {
        const std::size_t stops = 2 + random() % 5;
        std::vector<ColorValue> colors(stops);
        for (ColorValue& color : colors) color = static_cast<ColorValue>(random() & 0xFFFFFF);
        const std::size_t units = 1 + random() % 200;
        const std::vector<Rgb> got = GradientColors(colors, Blend::Oklab, units);
        const double multiplier =
            units == 1 ? 0.0 : static_cast<double>(stops - 1) / static_cast<double>(units - 1);
        for (std::size_t i = 0; i < units; ++i) {
            const double position = static_cast<double>(i) * multiplier;
            const std::size_t low = std::min(static_cast<std::size_t>(position), stops - 2);
            const Rgb want = ReferenceOklab(SplitColorValue(colors[low]),
                                            SplitColorValue(colors[low + 1]), position - low);
            EXPECT_LE(std::abs(got[i].red - want.red), 1) << i << " of " << units;
            EXPECT_LE(std::abs(got[i].green - want.green), 1) << i << " of " << units;
            EXPECT_LE(std::abs(got[i].blue - want.blue), 1) << i << " of " << units;
        }
        EXPECT_EQ(got.front(), SplitColorValue(colors.front()));
        if (units > 1) {
            EXPECT_EQ(got.back(), SplitColorValue(colors.back()));
        }
    }
}

TEST(GradientColors, OklabEncodingStepsWhereRoundingTheTransferFunctionSteps) {
    // Every 8-bit value survives linear light and back; the steps lie half-way.
    for (int v = 0; v <= 255; ++v) {
        const double linear = SrgbToLinear(v / 255.0);
        EXPECT_EQ(EncodeLinearChannel(linear), v);
        if (v > 0) {
            const double step = SrgbToLinear((v - 0.5) / 255.0);
            EXPECT_EQ(EncodeLinearChannel(std::nextafter(step, 0.0)), v - 1) << v;
            EXPECT_EQ(EncodeLinearChannel(step), v) << v;
        }
    }
    EXPECT_EQ(EncodeLinearChannel(-0.2), 0);
    EXPECT_EQ(EncodeLinearChannel(1.7), 255);
    EXPECT_EQ(EncodeLinearChannel(std::nan("")), 0);
}

}  // namespace
}  // namespace lumivane
