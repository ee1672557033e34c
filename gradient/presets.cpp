#include "gradient/presets.h"

#include <cstdint>

#include "gradient/detail/name_lists.h"

namespace lumivane {
namespace {

struct PresetRow {
    std::string_view name;
    std::vector<std::uint32_t> colors;  // 0xRRGGBB, as people write them
    std::string_view blend;             // empty: the chat's default
    std::string_view hue;               // empty: the shorter way
};

// Flags in the colours their designers published.
const PresetRow kPresets[] = {
    {"rainbow", {0xFF0000, 0xFF0000}, "hsv", "longer"},  // red all the way round to red
    {"pastel", {0xFFB3BA, 0xFFDFBA, 0xFFFFBA, 0xBAFFC9, 0xBAE1FF}, "oklab", ""},
    {"pride", {0xE40303, 0xFF8C00, 0xFFED00, 0x008026, 0x24408E, 0x732982}, "", ""},
    {"trans", {0x5BCEFA, 0xF5A9B8, 0xFFFFFF, 0xF5A9B8, 0x5BCEFA}, "", ""},
    {"bi", {0xD60270, 0x9B4F96, 0x0038A8}, "", ""},
    {"pan", {0xFF218C, 0xFFD800, 0x21B1FF}, "", ""},
    {"lesbian", {0xD52D00, 0xFF9A56, 0xFFFFFF, 0xD362A4, 0xA30262}, "", ""},
    {"nonbinary", {0xFCF434, 0xFFFFFF, 0x9C59D1, 0x2C2C2C}, "", ""},
    {"sunset", {0xFF5F6D, 0xFFC371}, "oklab", ""},
    {"ocean", {0x2E3192, 0x1BFFFF}, "oklab", ""},
    {"fire", {0xFF0000, 0xFF7A00, 0xFFEA00}, "", ""},
    {"ice", {0xFFFFFF, 0xA0E9FF, 0x3D7EAA}, "oklab", ""},
    {"forest", {0x134E5E, 0x71B280}, "oklab", ""},
    {"neon", {0xFF00FF, 0x00FFFF}, "oklch", "shorter"},
    {"gold", {0xB8860B, 0xFFD700, 0xB8860B}, "", ""},
};

constexpr std::string_view kHueNames[] = {"shorter", "longer", "increasing", "decreasing"};
constexpr std::string_view kHueHelp[] = {
    "the shorter way round the hue wheel", "the longer way round the hue wheel",
    "round the hue wheel with the hue increasing", "round the hue wheel with the hue decreasing"};

std::vector<Preset> MakePresets() {
    std::vector<Preset> presets;
    for (const PresetRow& row : kPresets) {
        Preset preset{row.name, {}, std::nullopt, std::nullopt};
        for (std::uint32_t rgb : row.colors)
            preset.colors.push_back(
                static_cast<ColorValue>((rgb >> 16) | (rgb & 0xFF00) | (rgb & 0xFF) << 16));
        // A blend the engine does not have is left to the chat's default.
        if (!row.blend.empty()) preset.blend = ParseBlendName(row.blend);
        if (!row.hue.empty()) preset.hue = ParseHuePath(row.hue);
        presets.push_back(preset);
    }
    return presets;
}

}  // namespace

const std::vector<Preset>& Presets() {
    static const std::vector<Preset> presets = MakePresets();
    return presets;
}

const Preset* FindPreset(std::string_view name) {
    for (const Preset& preset : Presets())
        if (preset.name == name) return &preset;
    return nullptr;
}

std::string PresetNames() {
    return detail::NamesThat(Presets(), [](const Preset&) { return true; });
}

std::string_view HuePathName(HuePath hue) { return kHueNames[static_cast<int>(hue)]; }

std::string_view HuePathHelp(HuePath hue) { return kHueHelp[static_cast<int>(hue)]; }

std::optional<HuePath> ParseHuePath(std::string_view name) {
    for (int k = 0; k < 4; ++k)
        if (kHueNames[k] == name) return static_cast<HuePath>(k);
    return std::nullopt;
}

std::string PresetLine(const Preset& preset) {
    static const char digits[] = "0123456789ABCDEF";
    std::string line(preset.name);
    line += ' ';
    for (std::size_t i = 0; i < preset.colors.size(); ++i) {
        const auto value = static_cast<std::uint32_t>(preset.colors[i]);
        line += i == 0 ? "#" : ",#";
        for (const std::uint32_t channel :
             {value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF}) {
            line += digits[channel >> 4];
            line += digits[channel & 0xF];
        }
    }
    line += ' ';
    line += preset.blend ? BlendName(*preset.blend) : "-";
    line += ' ';
    line += preset.hue ? HuePathName(*preset.hue) : "-";
    return line;
}

}  // namespace lumivane
