// Named sets of colours: rainbows, pastels and the pride flags in their published
// colours. Data, one table, that every front end lists.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "color/color_value.h"
#include "gradient/blend.h"

namespace lumivane {

struct Preset {
    std::string_view name;           // what --preset takes
    std::vector<ColorValue> colors;  // as the settings file stores them, red lowest
    std::optional<Blend> blend;      // none: the chat's default blend
    std::optional<HuePath> hue;      // none: the shorter way
};

// Every preset, in the order --list-presets prints them.
const std::vector<Preset>& Presets();

// The preset named `name`, exactly, or nothing.
const Preset* FindPreset(std::string_view name);

// "rainbow, pastel, ... or neon".
std::string PresetNames();

// The hue paths' names, "shorter", "longer", "increasing", "decreasing", and back.
std::string_view HuePathName(HuePath hue);
std::string_view HuePathHelp(HuePath hue);
constexpr HuePath kHuePaths[] = {HuePath::Shorter, HuePath::Longer, HuePath::Increasing,
                                 HuePath::Decreasing};
std::optional<HuePath> ParseHuePath(std::string_view name);

// One line of --list-presets: its name, its colours as #RRGGBB, its blend and hue path
// ("-" for none).
std::string PresetLine(const Preset& preset);

}  // namespace lumivane
