#include "gradient/gradient.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "color/round_half_even.h"
#include "gradient/markup.h"
#include "gradient/oklab.h"
#include "tests/fade/reference_fade.h"
#include "tests/gradient/support.h"
#include "tests/support/colors.h"

namespace lumivane {
namespace {

TEST(BlendNames, OnlyTheExactLowerCaseNamesAreBlends) {
    struct Row {
        const char* name;
        std::optional<Blend> blend;
    };
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
    for (Blend blend : AllBlends()) {
        for (std::size_t count : {0u, 1u, 65u, 1000u})
            EXPECT_THROW(GradientColors(std::vector<ColorValue>(count, kRed), blend, 3),
                         std::invalid_argument);
        for (std::size_t count : {2u, 3u, 64u})
            EXPECT_EQ(GradientColors(std::vector<ColorValue>(count, kRed), blend, 5).size(), 5u);
    }
}

TEST(GradientColors, ColourValuesAreSplitAsTheClassicFadeSplitsThem) {
    // A system colour 0x8000000F is red 15, green 0, blue 128 by digit position.
    struct Row {
        ColorValue value;
        Rgb rgb;
    };
    const Row rows[] = {{kRed, {255, 0, 0}},
                        {1193046, {0x56, 0x34, 0x12}},
                        {16777216, {0, 0, 16}},
                        {-2147483633, {15, 0, 128}},
                        {-1, {255, 255, 255}}};
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
        {"legacy, two colours: one part, 127.5 goes to the even 128",
         Blend::Legacy,
         {kBlack, kWhite},
         {{64, 64, 64}, {128, 128, 128}, {191, 191, 191}, {255, 255, 255}}},
        {"legacy, five colours over six units: parts of 2, 1, 1, 2",
         Blend::Legacy,
         {kBlack, kRed, kBlack, kRed, kBlack},
         {{128, 0, 0}, {255, 0, 0}, {0, 0, 0}, {255, 0, 0}, {128, 0, 0}, {0, 0, 0}}},
        {"legacy, one unit takes the last colour", Blend::Legacy, {kBlack, 5}, {{5, 0, 0}}},
        {"rgb, ends are the first and last colours",
         Blend::Rgb,
         {kRed, kBlue},
         {{255, 0, 0}, {191, 0, 64}, {128, 0, 128}, {64, 0, 191}, {0, 0, 255}}},
        {"rgb, 2.5 rounds half up to 3",
         Blend::Rgb,
         {kBlack, 5},
         {{0, 0, 0}, {3, 0, 0}, {5, 0, 0}}},
        // Unit 1: t is 1/6 in single precision (just above it), so 3t rounds to 0.5 and
        // the channel to 1; in double precision it would be just below 0.5 and give 0.
        {"rgb, blend factor in single precision",
         Blend::Rgb,
         {kBlack, 3},
         {{0, 0, 0}, {1, 0, 0}, {1, 0, 0}, {2, 0, 0}, {2, 0, 0}, {3, 0, 0}, {3, 0, 0}}},
        {"rgb, three colours",
         Blend::Rgb,
         {kRed, kGreen, kBlue},
         {{255, 0, 0}, {85, 170, 0}, {0, 170, 85}, {0, 0, 255}}},
        {"rgb, one unit takes the first colour", Blend::Rgb, {kBlack, 5}, {{0, 0, 0}}},
        {"oklab, black to white: L 0.5 is linear 0.125, sRGB 99",
         Blend::Oklab,
         {kBlack, kWhite},
         {{0, 0, 0}, {99, 99, 99}, {255, 255, 255}}},
        {"oklab, the middle stop comes out exactly",
         Blend::Oklab,
         {kRed, kGreen, kBlue},
         {{255, 0, 0}, {208, 168, 0}, {0, 255, 0}, {0, 170, 191}, {0, 0, 255}}},
        {"oklab, one unit takes the first colour",
         Blend::Oklab,
         {kWhite, kBlack},
         {{255, 255, 255}}},
    };
    for (const BlendRow& row : rows) {
        const std::vector<Rgb> colors = GradientColors(row.colors, row.blend, row.expected.size());
        EXPECT_EQ(colors, row.expected) << row.what;
    }
    for (Blend blend : AllBlends()) EXPECT_TRUE(GradientColors({kRed, kBlue}, blend, 0).empty());
}

// With three colours the legacy blend is the classic fade, as its plain implementation
// writes it: the whole chat line, face tag included, is the same bit for bit.
TEST(GradientColors, LegacyWithThreeColoursIsTheClassicFade) {
    std::mt19937 random(20261207);
    for (int trial = 0; trial < 2000; ++trial) {
        const std::size_t length = trial < 100 ? static_cast<std::size_t>(trial) : random() % 1500;
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
        ASSERT_EQ(line,
                  u"<font face=\"Arial\">" + reference::Fade(colors[0], colors[1], colors[2], text))
            << "length " << length << " colours " << colors[0] << ' ' << colors[1] << ' '
            << colors[2];
    }
}

// The rgb and legacy blends written plainly from their definitions, one unit at a
// time; the engine finds stretches of equal colour instead, and must agree.
std::vector<Rgb> PlainRgb(const std::vector<Rgb>& stops, std::size_t n) {
    std::vector<Rgb> out;
    const std::size_t k = stops.size();
    const double multiplier = n == 1 ? 0.0 : double(k - 1) / double(n - 1);
    for (std::size_t i = 0; i < n; ++i) {
        const double position = double(i) * multiplier;
        const auto low = static_cast<std::size_t>(std::floor(position));
        const auto high = std::min(static_cast<std::size_t>(std::ceil(position)), k - 1);
        const float t =
            std::clamp(static_cast<float>(position) - static_cast<float>(low), 0.0f, 1.0f);
        const auto lerp = [t](int a, int b) {
            const float sum = static_cast<float>(a) + t * static_cast<float>(b - a);
            return static_cast<std::uint8_t>(std::floor(static_cast<double>(sum) + 0.5));
        };
        const Rgb a = stops[std::min(low, k - 1)], b = stops[high];
        out.push_back({lerp(a.red, b.red), lerp(a.green, b.green), lerp(a.blue, b.blue)});
    }
    return out;
}

std::vector<Rgb> PlainLegacy(const std::vector<Rgb>& stops, std::size_t n) {
    std::vector<Rgb> out;
    const std::size_t parts = stops.size() - 1;
    std::size_t begin = 0;
    for (std::size_t j = 1; j <= parts; ++j) {
        const auto end = static_cast<std::size_t>(RoundHalfEven(double(n * j) / double(parts)));
        const Rgb from = stops[j - 1], to = stops[j];
        const double length = double(end - begin);
        for (std::size_t i = 1; i <= end - begin; ++i) {
            const auto channel = [&](int a, int b) {
                return static_cast<std::uint8_t>(RoundHalfEven(a + double(i) * ((b - a) / length)));
            };
            out.push_back({channel(from.red, to.red), channel(from.green, to.green),
                           channel(from.blue, to.blue)});
        }
        begin = end;
    }
    return out;
}

TEST(GradientColors, RgbAndLegacyAgreeWithPlainUnitByUnitBlends) {
    std::mt19937 random(11);
    for (int trial = 0; trial < 600; ++trial) {
        std::vector<ColorValue> colors(2 + random() % (trial % 10 == 0 ? 63 : 5));
        std::vector<Rgb> stops;
        for (ColorValue& color : colors) {
            // Far and near colours, so stretches are long and short.
            color =
                static_cast<ColorValue>(trial % 3 == 0 ? random() & 0x070707 : random() & 0xFFFFFF);
            stops.push_back(SplitColorValue(color));
        }
        const std::size_t n = trial % 4 == 0 ? random() % 20000 : random() % 300;
        ASSERT_EQ(GradientColors(colors, Blend::Rgb, n), PlainRgb(stops, n))
            << "trial " << trial << ", " << n << " units";
        ASSERT_EQ(GradientColors(colors, Blend::Legacy, n), PlainLegacy(stops, n))
            << "trial " << trial << ", " << n << " units";
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
        // Far and near colours over short and long texts: colours change at almost
        // every unit, or stay for many.
        for (ColorValue& color : colors)
            color = static_cast<ColorValue>(random() & (trial % 3 == 0 ? 0x1F3F0F : 0xFFFFFF));
        const std::size_t units = trial % 4 == 0 ? 1 + random() % 8000 : 1 + random() % 200;
        const std::vector<Rgb> got = GradientColors(colors, Blend::Oklab, units);
        const double multiplier =
            units == 1 ? 0.0 : static_cast<double>(stops - 1) / static_cast<double>(units - 1);
        for (std::size_t i = 0; i < units; ++i) {
            const double position = static_cast<double>(i) * multiplier;
            const std::size_t low = std::min(static_cast<std::size_t>(position), stops - 2);
            const Rgb want =
                ReferenceOklab(SplitColorValue(colors[low]), SplitColorValue(colors[low + 1]),
                               position - static_cast<double>(low));
            ASSERT_LE(std::abs(got[i].red - want.red), 1) << i << " of " << units;
            ASSERT_LE(std::abs(got[i].green - want.green), 1) << i << " of " << units;
            ASSERT_LE(std::abs(got[i].blue - want.blue), 1) << i << " of " << units;
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
