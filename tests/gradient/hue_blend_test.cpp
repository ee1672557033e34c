// The blends that go round the hue wheel: each hue path, grey stops, the stops kept,
// agreement with a plain double-precision blend, and stretches that are exactly the
// unit-by-unit colours.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "gradient/detail/hue_curves.h"
#include "gradient/gradient.h"
#include "gradient/oklab.h"
#include "tests/gradient/support.h"

namespace lumivane {
namespace {

constexpr ColorValue kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000, kCyan = 0xFFFF00;
constexpr ColorValue kWhite = 0xFFFFFF, kBlack = 0;

const HuePath kPaths[] = {HuePath::Shorter, HuePath::Longer, HuePath::Increasing,
                          HuePath::Decreasing};

const char* PathName(HuePath path) {
    switch (path) {
    case HuePath::Shorter: return "shorter";
    case HuePath::Longer: return "longer";
    case HuePath::Increasing: return "increasing";
    case HuePath::Decreasing: return "decreasing";
    }
    return "?";
}

// HSV's primaries and secondaries lie at whole multiples of 60 degrees, so the middle
// of three units shows which way round the wheel each path went, exactly.
TEST(HueBlends, EachHuePathGoesTheWayItsRuleSays) {
    constexpr Rgb kYellow{255, 255, 0}, kBlueish{0, 0, 255}, kMagenta{255, 0, 255};
    constexpr Rgb kGreenish{0, 255, 0}, kChartreuse{128, 255, 0}, kViolet{128, 0, 255};
    struct Row {
        const char* what;
        ColorValue from, to;
        Rgb middle[4];  // shorter, longer, increasing, decreasing
    };
    const Row rows[] = {
        {"red 0 to green 120, 0 < delta < 180",
         kRed,
         kGreen,
         {kYellow, kBlueish, kYellow, kBlueish}},
        {"green 120 to red 0, -180 < delta < 0",
         kGreen,
         kRed,
         {kYellow, kBlueish, kBlueish, kYellow}},
        {"red 0 to blue 240, delta > 180", kRed, kBlue, {kMagenta, kGreenish, kGreenish, kMagenta}},
        {"blue 240 to red 0, delta < -180",
         kBlue,
         kRed,
         {kMagenta, kGreenish, kMagenta, kGreenish}},
        {"red 0 to cyan 180, delta exactly 180",
         kRed,
         kCyan,
         {kChartreuse, kChartreuse, kChartreuse, kViolet}},
        {"cyan 180 to red 0, delta exactly -180",
         kCyan,
         kRed,
         {kChartreuse, kChartreuse, kViolet, kChartreuse}},
        {"red to red, delta 0: only longer goes the whole way round",
         kRed,
         kRed,
         {{255, 0, 0}, {0, 255, 255}, {255, 0, 0}, {255, 0, 0}}},
        {"white takes blue's hue; longer goes round from 240 to 600",
         kWhite,
         kBlue,
         {{128, 128, 255}, {255, 255, 128}, {128, 128, 255}, {128, 128, 255}}},
        {"two greys stay grey whatever the path",
         kWhite,
         kBlack,
         {{128, 128, 128}, {128, 128, 128}, {128, 128, 128}, {128, 128, 128}}},
    };
    for (const Row& row : rows) {
        for (int p = 0; p < 4; ++p) {
            const std::vector<Rgb> got =
                GradientColors({row.from, row.to}, {Blend::Hsv, kPaths[p]}, 3);
            EXPECT_EQ(got[1], row.middle[p]) << row.what << ", " << PathName(kPaths[p]);
            EXPECT_EQ(got[0], SplitColorValue(row.from)) << row.what;
            EXPECT_EQ(got[2], SplitColorValue(row.to)) << row.what;
        }
    }
}

// A grey stop's hue is the other stop's, so the colours on the way keep that hue
// while only chroma or saturation changes: white to blue stays blue, never yellow.
TEST(HueBlends, AGreyStopTakesTheOtherStopsHue) {
    for (Blend blend : {Blend::Oklch, Blend::Hsv}) {
        for (HuePath path : {HuePath::Shorter, HuePath::Increasing, HuePath::Decreasing}) {
            for (const auto& colors :
                 {std::vector<ColorValue>{kWhite, kBlue}, std::vector<ColorValue>{kBlue, 0x808080},
                  std::vector<ColorValue>{kBlack, kBlue, kWhite}}) {
                const std::vector<Rgb> got = GradientColors(colors, {blend, path}, 700);
                for (std::size_t i = 0; i < got.size(); ++i) {
                    ASSERT_GE(got[i].blue, got[i].red) << BlendName(blend) << ' ' << i;
                    ASSERT_GE(got[i].blue, got[i].green) << BlendName(blend) << ' ' << i;
                    if (blend == Blend::Hsv) {
                        ASSERT_EQ(got[i].red, got[i].green) << PathName(path) << ' ' << i;
                    }
                }
            }
        }
        // Two greys: no hue on the way, whichever way round.
        for (HuePath path : kPaths) {
            for (const Rgb& c : GradientColors({kWhite, 0x101010, kBlack}, {blend, path}, 900)) {
                ASSERT_LE(std::abs(c.red - c.green), 1)
                    << BlendName(blend) << ' ' << PathName(path);
                ASSERT_LE(std::abs(c.blue - c.green), 1)
                    << BlendName(blend) << ' ' << PathName(path);
            }
        }
    }
}

// The plain blends, written from their definitions with the unit placement of the rgb
// blend: position i * (k - 1) / (n - 1), t the position past the stop before it.
struct Placed {
    std::size_t low;
    double t;
};

Placed PlaceUnit(std::size_t i, std::size_t units, std::size_t stops) {
    const double multiplier = units == 1 ? 0.0 : double(stops - 1) / double(units - 1);
    const double position = double(i) * multiplier;
    const std::size_t low = std::min(static_cast<std::size_t>(std::floor(position)), stops - 2);
    return {low, std::clamp(position - double(low), 0.0, 1.0)};
}

int WidestDifference(Rgb a, Rgb b) {
    return std::max(
        {std::abs(a.red - b.red), std::abs(a.green - b.green), std::abs(a.blue - b.blue)});
}

bool Grey(Rgb c) { return c.red == c.green && c.green == c.blue; }

// The interpolated hue in degrees, from CSS Color 4's rules for each path.
double PlainHue(double h1, bool grey1, double h2, bool grey2, HuePath path, double t) {
    if (grey1 && grey2) h1 = h2 = 0;
    if (grey1) h1 = h2;
    if (grey2) h2 = h1;
    h1 = std::fmod(h1 + 360, 360), h2 = std::fmod(h2 + 360, 360);
    const double d = h2 - h1;
    if (path == HuePath::Shorter && d > 180) h1 += 360;
    if (path == HuePath::Shorter && d < -180) h2 += 360;
    if (path == HuePath::Longer && 0 < d && d < 180) h1 += 360;
    if (path == HuePath::Longer && -180 < d && d <= 0) h2 += 360;
    if (path == HuePath::Increasing && d < 0) h2 += 360;
    if (path == HuePath::Decreasing && d > 0) h1 += 360;
    return h1 + t * (h2 - h1);
}

constexpr double kPi = 3.14159265358979323846;

Rgb PlainOklch(Rgb from, Rgb to, HuePath path, double t) {
    const Oklab a = RgbToOklab(from), b = RgbToOklab(to);
    const double c1 = std::hypot(a.a, a.b), c2 = std::hypot(b.a, b.b);
    const double h = PlainHue(std::atan2(a.b, a.a) * 180 / kPi, Grey(from),
                              std::atan2(b.b, b.a) * 180 / kPi, Grey(to), path, t);
    const double chroma = c1 + t * (c2 - c1);
    const LinearRgb c = OklabToLinear({a.L + t * (b.L - a.L), chroma * std::cos(h * kPi / 180),
                                       chroma * std::sin(h * kPi / 180)});
    const auto encode = [](double linear) {
        const double srgb = std::clamp(LinearToSrgb(std::clamp(linear, 0.0, 1.0)), 0.0, 1.0);
        return static_cast<std::uint8_t>(std::floor(srgb * 255 + 0.5));
    };
    return {encode(c.red), encode(c.green), encode(c.blue)};
}

void PlainToHsv(Rgb c, double& h, double& s, double& v) {
    const double r = c.red / 255.0, g = c.green / 255.0, b = c.blue / 255.0;
    const double mx = std::max({r, g, b}), mn = std::min({r, g, b});
    v = mx;
    s = mx == 0 ? 0 : (mx - mn) / mx;
    h = 0;
    if (mx == mn) return;
    if (mx == r) h = 60 * std::fmod((g - b) / (mx - mn) + 6, 6);
    else if (mx == g) h = 60 * ((b - r) / (mx - mn) + 2);
    else h = 60 * ((r - g) / (mx - mn) + 4);
}

// The textbook sector form: p, q and t of the sector the hue falls in.
Rgb PlainHsv(Rgb from, Rgb to, HuePath path, double t) {
    double h1, s1, v1, h2, s2, v2;
    PlainToHsv(from, h1, s1, v1);
    PlainToHsv(to, h2, s2, v2);
    const double h = std::fmod(PlainHue(h1, Grey(from), h2, Grey(to), path, t), 360) / 60;
    const double s = s1 + t * (s2 - s1), v = v1 + t * (v2 - v1);
    const int sector = static_cast<int>(std::floor(h)) % 6;
    const double f = h - std::floor(h);
    const double p = v * (1 - s), q = v * (1 - s * f), u = v * (1 - s * (1 - f));
    const double rgb[6][3] = {{v, u, p}, {q, v, p}, {p, v, u}, {p, q, v}, {u, p, v}, {v, p, q}};
    const auto round = [](double x) {
        return static_cast<std::uint8_t>(std::floor(x * 255 + 0.5));
    };
    return {round(rgb[sector][0]), round(rgb[sector][1]), round(rgb[sector][2])};
}

// The engine's own curve at every unit, as a segment of at most a few hundred units
// evaluates it.
template <typename Curve>
std::vector<Rgb> CurveUnitByUnit(const std::vector<Rgb>& stops, std::size_t units, HuePath path) {
    std::vector<Rgb> out;
    for (std::size_t i = 0; i < units; ++i) {
        const Placed at = PlaceUnit(i, units, stops.size());
        const Rgb from = stops[at.low], to = stops[at.low + 1];
        out.push_back(at.t == 0 ? from : at.t == 1 ? to : Curve(from, to, path).ColorAt(at.t));
    }
    return out;
}

struct Trial {
    std::vector<ColorValue> colors;
    std::vector<Rgb> stops;
    std::size_t units;
    HuePath path;
};

// Random stops (some grey, some close together, some far apart) over short and long
// lines: colours that change at almost every unit or stay for hundreds.
Trial RandomTrial(std::mt19937& random, int trial) {
    Trial made;
    const std::size_t count = 2 + random() % (trial % 8 == 0 ? 63 : 4);
    for (std::size_t k = 0; k < count; ++k) {
        ColorValue color = static_cast<ColorValue>(random() & 0xFFFFFF);
        if (random() % 6 == 0) color = static_cast<ColorValue>((random() & 0xFF) * 0x010101);
        else if (k > 0 && random() % 8 == 0) color = made.colors.back();
        else if (trial % 5 == 0) color = static_cast<ColorValue>(0x404040 + (random() & 0x0F0F0F));
        made.colors.push_back(color);
        made.stops.push_back(SplitColorValue(color));
    }
    made.units = trial % 3 == 0 ? 5000 + random() % 25001 : 1 + random() % 600;
    made.path = kPaths[random() % 4];
    return made;
}

struct HueBlendCase {
    Blend blend;
    Rgb (*plain)(Rgb, Rgb, HuePath, double);
    std::vector<Rgb> (*unitByUnit)(const std::vector<Rgb>&, std::size_t, HuePath);
};

const HueBlendCase kHueBlends[] = {
    {Blend::Oklch, PlainOklch, CurveUnitByUnit<detail::OklchCurve>},
    {Blend::Hsv, PlainHsv, CurveUnitByUnit<detail::HsvCurve>},
};

ColorValue ValueOf(Rgb c) { return c.red | c.green << 8 | c.blue << 16; }

// The first unit whose colours differ, or "none", so a failure does not print whole lines.
std::string FirstDifference(const std::vector<Rgb>& got, const std::vector<Rgb>& want) {
    if (got.size() != want.size())
        return "lengths " + std::to_string(got.size()) + " and " + std::to_string(want.size());
    const auto differ = std::mismatch(got.begin(), got.end(), want.begin());
    if (differ.first == got.end()) return "none";
    return "unit " + std::to_string(differ.first - got.begin()) + " of " +
           std::to_string(got.size());
}

TEST(HueBlends, StretchesAreExactlyTheUnitByUnitColours) {
    // Lines where a channel just crosses a rounding step at a turn, so a search that took
    // the whole segment for one-way would jump the few units of that step.
    struct Row {
        Blend blend;
        std::vector<Rgb> stops;
        std::size_t units;
        HuePath path;
    };
    const Row rows[] = {
        {Blend::Oklch,
         {{0x20, 0x27, 0xE7}, {0x03, 0x2F, 0xF0}, {0x0D, 0x24, 0xF4}},
         15232,
         HuePath::Longer},
        {Blend::Hsv,
         {{0xA4, 0xA2, 0x7E}, {0xA0, 0x92, 0x93}, {0xA3, 0x8B, 0x79}},
         11526,
         HuePath::Decreasing},
        // One colour all the way: one stretch, and a last unit a hair short of the stop.
        {Blend::Oklch, {{0xC2, 0x47, 0xE7}, {0xC2, 0x47, 0xE7}}, 15814, HuePath::Shorter},
        {Blend::Hsv, {{0xC2, 0x47, 0xE7}, {0xC2, 0x47, 0xE7}}, 15814, HuePath::Shorter},
    };
    for (const Row& row : rows) {
        std::vector<ColorValue> colors;
        for (Rgb stop : row.stops) colors.push_back(ValueOf(stop));
        const HueBlendCase& blend = kHueBlends[row.blend == Blend::Oklch ? 0 : 1];
        EXPECT_EQ(FirstDifference(GradientColors(colors, {row.blend, row.path}, row.units),
                                  blend.unitByUnit(row.stops, row.units, row.path)),
                  "none")
            << BlendName(row.blend) << ", " << PathName(row.path);
    }

    for (const HueBlendCase& blend : kHueBlends) {
        std::mt19937 random(1507);
        for (int trial = 0; trial < 150; ++trial) {
            const Trial made = RandomTrial(random, trial);
            const std::vector<Rgb> got =
                GradientColors(made.colors, {blend.blend, made.path}, made.units);
            const std::vector<Rgb> want = blend.unitByUnit(made.stops, made.units, made.path);
            ASSERT_EQ(FirstDifference(got, want), "none")
                << BlendName(blend.blend) << " trial " << trial << ", " << PathName(made.path)
                << ", " << made.stops.size() << " stops";
        }
    }
}

TEST(HueBlends, WithinOneOfAPlainDoublePrecisionBlendAndKeepTheStops) {
    for (const HueBlendCase& blend : kHueBlends) {
        std::mt19937 random(2612);
        for (int trial = 0; trial < 150; ++trial) {
            const Trial made = RandomTrial(random, trial);
            const std::vector<Rgb> got =
                GradientColors(made.colors, {blend.blend, made.path}, made.units);
            const std::size_t k = made.stops.size();
            for (std::size_t i = 0; i < made.units; ++i) {
                const Placed at = PlaceUnit(i, made.units, k);
                const Rgb want =
                    blend.plain(made.stops[at.low], made.stops[at.low + 1], made.path, at.t);
                ASSERT_LE(WidestDifference(got[i], want), 1)
                    << BlendName(blend.blend) << " trial " << trial << ", " << PathName(made.path)
                    << ", unit " << i << " of " << made.units;
            }
            EXPECT_EQ(got.front(), made.stops.front());
            if (made.units > 1) {
                EXPECT_EQ(got.back(), made.stops.back());
            }
        }
    }
}

// The stretch search steers by the curves' slopes: each must be the rate of change of
// its channel (away from the corners of HSV, where the two sides differ).
template <typename Curve>
void ExpectSlopesAreRatesOfChange(const char* name) {
    std::mt19937 random(5);
    for (int trial = 0; trial < 300; ++trial) {
        const Rgb from{static_cast<std::uint8_t>(random()), static_cast<std::uint8_t>(random()),
                       static_cast<std::uint8_t>(random())};
        const Rgb to{static_cast<std::uint8_t>(random()), static_cast<std::uint8_t>(random()),
                     static_cast<std::uint8_t>(random())};
        const Curve curve(from, to, kPaths[trial % 4]);
        const double t = 0.01 + 0.98 * static_cast<double>(random() % 10000) / 10000.0, h = 1e-6;
        const detail::CurvePoint point = curve.PointAt(t);
        const detail::CurvePoint ahead = curve.PointAt(t + h), behind = curve.PointAt(t - h);
        for (std::size_t k = 0; k < 3; ++k) {
            const double right = (ahead.value[k] - point.value[k]) / h;
            const double left = (point.value[k] - behind.value[k]) / h;
            if (std::fabs(right - left) > 1e-3 * (1 + std::fabs(right))) continue;  // a corner
            EXPECT_NEAR(point.slope[k], (right + left) / 2, 1e-5 * (1 + std::fabs(right)))
                << name << " trial " << trial << " channel " << k << " at " << t;
        }
    }
}

TEST(HueBlends, CurveSlopesAreTheChannelsRatesOfChange) {
    ExpectSlopesAreRatesOfChange<detail::OklchCurve>("oklch");
    ExpectSlopesAreRatesOfChange<detail::HsvCurve>("hsv");
}

// Where a stop falls exactly on a unit, that unit has the stop's colour, not a round
// trip through another colour space.
TEST(HueBlends, EveryStopOnAUnitComesOutExactly) {
    std::mt19937 random(99);
    for (Blend blend : {Blend::Oklch, Blend::Hsv}) {
        for (int trial = 0; trial < 200; ++trial) {
            const std::size_t count = 2 + random() % 12,
                              step = 1 + random() % (trial % 4 ? 40 : 3000);
            std::vector<ColorValue> colors;
            for (std::size_t k = 0; k < count; ++k)
                colors.push_back(static_cast<ColorValue>(random() & 0xFFFFFF));
            const std::vector<Rgb> got =
                GradientColors(colors, {blend, kPaths[trial % 4]}, (count - 1) * step + 1);
            for (std::size_t k = 0; k < count; ++k)
                ASSERT_EQ(got[k * step], SplitColorValue(colors[k]))
                    << BlendName(blend) << " trial " << trial << " stop " << k << " every " << step;
        }
    }
}

}  // namespace
}  // namespace lumivane
