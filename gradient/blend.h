// Blends: how a gradient's colours are spread over the units of a text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "fade/color_codes.h"

namespace lumivane {

enum class Blend {
    Legacy,  // the classic fade generalised to any number of colours; a unit is a code unit
    Rgb,     // straight RGB interpolation as game-server markup makes it; a unit is a character
    Oklab,   // perceptual interpolation in OKLab; a unit is a character
};

// Which way a blend that goes round the hue wheel takes from one colour to the next.
enum class HuePath { Shorter, Longer, Increasing, Decreasing };

// A blend and, for those that go round the hue wheel, its path. Made from a Blend
// alone wherever the path does not matter.
struct GradientBlend {
    GradientBlend(Blend chosen = Blend::Legacy, HuePath path = HuePath::Shorter)  // NOLINT
        : blend(chosen), hue(path) {}
    Blend blend;
    HuePath hue;
};

inline bool operator==(GradientBlend a, GradientBlend b) {
    return a.blend == b.blend && a.hue == b.hue;
}
inline bool operator!=(GradientBlend a, GradientBlend b) { return !(a == b); }

// One blend as the blend table describes it.
struct BlendInfo {
    Blend blend;
    std::string_view name;  // what --blend takes
    std::string_view help;  // what it does, for --help and the page
    bool codeUnits;         // a unit is a UTF-16 code unit, not a user-perceived character
    bool takesHue;          // goes round the hue wheel, along a --hue path
};

// Every blend, in the order --help lists them: the one table of blends.
const std::vector<BlendInfo>& Blends();

// The table's row of `blend`.
const BlendInfo& InfoOf(Blend blend);
inline const BlendInfo& InfoOf(GradientBlend blend) { return InfoOf(blend.blend); }

// "legacy", "rgb" or "oklab", exactly; anything else has no value.
std::optional<Blend> ParseBlendName(std::string_view name);

// The name ParseBlendName reads back.
std::string_view BlendName(Blend blend);

constexpr std::size_t kMinGradientColors = 2;
constexpr std::size_t kMaxGradientColors = 64;

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

constexpr bool operator==(Rgb a, Rgb b) {
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}
constexpr bool operator!=(Rgb a, Rgb b) { return !(a == b); }

// Red, green and blue of a ColorValue, split exactly as the classic fade splits it:
// by digit position of its hexadecimal text, so a non-zero top byte is handled the
// same way.
Rgb SplitColorValue(ColorValue color);

// Throws std::invalid_argument unless kMinGradientColors <= count <= kMaxGradientColors.
void CheckGradientColorCount(std::size_t count);

}  // namespace lumivane
