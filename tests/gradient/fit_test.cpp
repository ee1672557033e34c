#include "gradient/fit.h"

#include <gtest/gtest.h>

#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "gradient/gradient.h"
#include "tests/gradient/support.h"

namespace lumivane {
namespace {

const std::vector<ColorValue> kClassic = {255, 65280, 16711680};  // red, green, blue

LineStyle Aol(std::u16string face = u"Arial") {
    LineStyle style;
    style.face = std::move(face);
    return style;
}

std::u16string Write(const LineStyle& style, std::u16string_view text,
                     const std::vector<ColorRun>& runs) {
    std::u16string line;
    AppendMarkupLine(line, style, text, runs);
    return line;
}

// The definition, followed literally: every candidate line is written and measured.
struct Scanned {
    bool fits = false;
    std::vector<ColorRun> runs;
};

std::vector<ColorRun> Merged(const std::vector<ColorRun>& runs) {
    std::vector<ColorRun> out;
    for (const ColorRun& run : runs) {
        if (!out.empty() && out.back().color == run.color) out.back().end = run.end;
        else out.push_back(run);
    }
    return out;
}

Scanned ScanFit(std::u16string_view text, const std::vector<ColorValue>& colors, Blend blend,
                const LineStyle& style, std::size_t limit) {
    const std::vector<std::size_t> bounds = GradientUnitBounds(text, blend);
    const std::size_t n = bounds.size() - 1;
    const std::vector<ColorRun> perUnit = GradientRuns(text, colors, blend);
    if (Write(style, text, perUnit).size() <= limit) return {true, perUnit};
    if (Write(style, text, Merged(perUnit)).size() <= limit) return {true, Merged(perUnit)};
    for (std::size_t t = n - 1; t >= 1 && n >= 2; --t) {
        const std::vector<Rgb> runColors = GradientColors(colors, blend, t);
        std::vector<ColorRun> runs;
        for (std::size_t j = 0; j < t; ++j)
            runs.push_back({bounds[j * n / t], bounds[(j + 1) * n / t], runColors[j]});
        if (Write(style, text, runs).size() <= limit) return {true, Merged(runs)};
    }
    return {};
}

TEST(FitGradientLine, TheShortFadeOfTheExample) {
    // Any line of two runs would take 64 code units.
    struct Row {
        std::size_t limit;
        std::u16string line;
    };
    const Row rows[] = {
        {43, u""},
        {44, u"<font face=\"Arial\"><Font Color=#0000FF>fits?"},
        {63, u"<font face=\"Arial\"><Font Color=#0000FF>fits?"},
        {64, u"<font face=\"Arial\"><Font Color=#00FF00>fi<Font Color=#0000FF>ts?"},
        {123,
         u"<font face=\"Arial\"><Font Color=#808000>f<Font Color=#00FF00>i"
         u"<Font Color=#008080>t<Font Color=#0000FF>s?"},
        {124,
         u"<font face=\"Arial\"><Font Color=#808000>f<Font Color=#00FF00>i"
         u"<Font Color=#00AA55>t<Font Color=#0055AA>s<Font Color=#0000FF>?"},
    };
    for (const Row& row : rows) {
        const FitResult fit = FitGradientLine(u"fits?", kClassic, Blend::Legacy, Aol(), row.limit);
        EXPECT_EQ(fit.fits, !row.line.empty()) << row.limit;
        EXPECT_EQ(fit.shortestLimit, 44u);
        if (fit.fits) {
            EXPECT_EQ(Write(Aol(), u"fits?", fit.runs), row.line) << row.limit;
        }
    }
}

TEST(FitGradientLine, EachStepAtItsLimitAndOneCodeUnitOver) {
    struct Row {
        const char* what;
        std::u16string text;
        std::vector<ColorValue> colors;
        Blend blend;
        Markup markup;
    };
    const Row rows[] = {
        {"per unit, legacy, aol", u"hello there", kClassic, Blend::Legacy, Markup::Aol},
        {"per unit, rgb, html escapes", u"a&b<c>\"d'", kClassic, Blend::Rgb, Markup::Html},
        {"per unit, oklab, json escapes",
         u"q\"\\\n\x02z",
         {0, 16777215},
         Blend::Oklab,
         Markup::Json},
        {"merged: two equal colours",
         u"same colour",
         {4210752, 4210752},
         Blend::Rgb,
         Markup::BbCode},
        {"merged: long text, few colours",
         std::u16string(200, u'm'),
         {0, 3},
         Blend::Rgb,
         Markup::Section},
        {"emoji and accents", u"e\u0301\U0001F44D\U0001F3FD\U0001F1E9\U0001F1EAok", kClassic,
         Blend::Oklab, Markup::MiniMessage},
    };
    for (const Row& row : rows) {
        LineStyle style;
        style.markup = row.markup;
        // Limits from nothing to past the full line (every one for short lines): the
        // fit is what the definition's scan gives, and fits exactly where it says.
        const std::size_t full =
            Write(style, row.text, GradientRuns(row.text, row.colors, row.blend)).size();
        const std::size_t merged =
            Write(style, row.text, Merged(GradientRuns(row.text, row.colors, row.blend))).size();
        const std::size_t oneRun = Write(style, row.text, {{0, row.text.size(), Rgb{}}}).size();
        std::vector<std::size_t> limits = {full - 1, full,       full + 1, merged - 1,
                                           merged,   oneRun - 1, oneRun};
        for (std::size_t limit = 0; limit < full; limit += 1 + full / 400) limits.push_back(limit);
        for (std::size_t limit : limits) {
            const FitResult fit = FitGradientLine(row.text, row.colors, row.blend, style, limit);
            const Scanned scan = ScanFit(row.text, row.colors, row.blend, style, limit);
            ASSERT_EQ(fit.fits, scan.fits) << row.what << ", limit " << limit;
            if (!fit.fits) {
                EXPECT_GT(fit.shortestLimit, limit) << row.what;
                continue;
            }
            EXPECT_LE(fit.shortestLimit, limit) << row.what;
            EXPECT_EQ(fit.runs, scan.runs) << row.what << ", limit " << limit;
            const std::size_t length = Write(style, row.text, fit.runs).size();
            EXPECT_LE(length, limit) << row.what;
            if (limit == full) {
                EXPECT_EQ(fit.runs, GradientRuns(row.text, row.colors, row.blend));
            }
            if (limit == full - 1) {
                EXPECT_LT(fit.runs.size(), GradientRuns(row.text, row.colors, row.blend).size());
            }
        }
    }
}

TEST(FitGradientLine, AgreesWithThePlainScanOnRandomLines) {
    std::mt19937 random(99);
    const std::u16string alphabet = u"ab <&\"\\\n\u00e9\u0301\U0001F600\u200D\U0001F1E6";
    const Markup markups[] = {Markup::Aol,       Markup::Html,    Markup::MiniMessage,
                              Markup::Ampersand, Markup::Section, Markup::BbCode,
                              Markup::Json};
    for (int trial = 0; trial < 1500; ++trial) {
        std::u16string text(random() % 60, u' ');
        for (char16_t& c : text) c = alphabet[random() % alphabet.size()];
        std::vector<ColorValue> colors(2 + random() % 4);
        for (ColorValue& color : colors) color = static_cast<ColorValue>(random() % 4 * 0x404040);
        const Blend blend = AllBlends()[random() % Blends().size()];
        LineStyle style;
        style.markup = markups[random() % std::size(markups)];
        if (random() % 2) style.face = u"Tahoma";
        const std::size_t limit = random() % 1500;
        const FitResult fit = FitGradientLine(text, colors, blend, style, limit);
        const Scanned scan = ScanFit(text, colors, blend, style, limit);
        ASSERT_EQ(fit.fits, scan.fits) << Readable(text) << " limit " << limit;
        ASSERT_EQ(fit.runs, fit.fits ? scan.runs : std::vector<ColorRun>{}) << Readable(text);
        // Runs only end where units end: no character is split.
        const std::vector<std::size_t> bounds = GradientUnitBounds(text, blend);
        for (const ColorRun& run : fit.runs) {
            EXPECT_TRUE(std::binary_search(bounds.begin(), bounds.end(), run.begin));
            EXPECT_TRUE(std::binary_search(bounds.begin(), bounds.end(), run.end));
        }
    }
}

TEST(FitGradientLine, ALineThatCannotFitNamesTheLimitItNeeds) {
    struct Row {
        std::u16string text;
        LineStyle style;
        std::size_t shortest;
    };
    LineStyle json;
    json.markup = Markup::Json;
    const Row rows[] = {
        {u"abc", Aol(), 14 + 5 + 20 + 3},
        {u"", Aol(u"a face longer than the limit"), 14 + 28},
        {u"", json, 2},
        {u"\"x\"", json, 2 + 29 + 5},  // {"text":"","color":"#rrggbb"} is 29
    };
    for (const Row& row : rows) {
        const FitResult under =
            FitGradientLine(row.text, kClassic, Blend::Rgb, row.style, row.shortest - 1);
        EXPECT_FALSE(under.fits) << Readable(row.text);
        EXPECT_TRUE(under.runs.empty());
        EXPECT_EQ(under.shortestLimit, row.shortest) << Readable(row.text);
        const FitResult at =
            FitGradientLine(row.text, kClassic, Blend::Rgb, row.style, row.shortest);
        EXPECT_TRUE(at.fits) << Readable(row.text);
        EXPECT_EQ(Write(row.style, row.text, at.runs).size(), row.shortest);
    }
}

TEST(FitGradientLine, RefusesTheTerminalAndBadColourCounts) {
    LineStyle ansi;
    ansi.markup = Markup::Ansi;
    EXPECT_THROW(FitGradientLine(u"hi", kClassic, Blend::Rgb, ansi, 100), std::invalid_argument);
    EXPECT_THROW(FitGradientLine(u"hi", {255}, Blend::Rgb, Aol(), 100), std::invalid_argument);
}

}  // namespace
}  // namespace lumivane
