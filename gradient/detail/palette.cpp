#include "gradient/detail/palette.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "gradient/oklab.h"

namespace lumivane::detail {
namespace {

Rgb FromHex(std::uint32_t rgb) {
    return {static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
            static_cast<std::uint8_t>(rgb)};
}

Palette WithLab(Palette palette) {
    palette.lab.clear();
    palette.byLightness.clear();
    for (Rgb color : palette.colors) palette.lab.push_back(RgbToOklab(color));
    for (std::size_t k = 0; k < palette.colors.size(); ++k) palette.byLightness.push_back(k);
    std::sort(palette.byLightness.begin(), palette.byLightness.end(),
              [&](std::size_t a, std::size_t b) {
                  return palette.lab[a].L < palette.lab[b].L ||
                         (palette.lab[a].L == palette.lab[b].L && a < b);
              });
    return palette;
}

Palette MakePalette(std::initializer_list<std::uint32_t> colors, int firstCode) {
    Palette palette{{}, firstCode, {}, {}};
    for (std::uint32_t rgb : colors) palette.colors.push_back(FromHex(rgb));
    return WithLab(palette);
}

// The community's modern IRC colour table, as mIRC 7.52+ and most clients show it.
const std::initializer_list<std::uint32_t> kIrcColors = {
    0xFFFFFF, 0x000000, 0x00007F, 0x009300, 0xFF0000, 0x7F0000, 0x9C009C, 0xFC7F00, 0xFFFF00,
    0x00FC00, 0x009393, 0x00FFFF, 0x0000FC, 0xFF00FF, 0x7F7F7F, 0xD2D2D2, 0x470000, 0x472100,
    0x474700, 0x324700, 0x004700, 0x00472C, 0x004747, 0x002747, 0x000047, 0x2E0047, 0x470047,
    0x47002A, 0x740000, 0x743A00, 0x747400, 0x517400, 0x007400, 0x007449, 0x007474, 0x004074,
    0x000074, 0x4B0074, 0x740074, 0x740045, 0xB50000, 0xB56300, 0xB5B500, 0x7DB500, 0x00B500,
    0x00B571, 0x00B5B5, 0x0063B5, 0x0000B5, 0x7500B5, 0xB500B5, 0xB5006B, 0xFF0000, 0xFF8C00,
    0xFFFF00, 0xB2FF00, 0x00FF00, 0x00FFA0, 0x00FFFF, 0x008CFF, 0x0000FF, 0xA500FF, 0xFF00FF,
    0xFF0098, 0xFF5959, 0xFFB459, 0xFFFF71, 0xCFFF60, 0x6FFF6F, 0x65FFC9, 0x6DFFFF, 0x59B4FF,
    0x5959FF, 0xC459FF, 0xFF66FF, 0xFF59BC, 0xFF9C9C, 0xFFD39C, 0xFFFF9C, 0xE2FF9C, 0x9CFF9C,
    0x9CFFDB, 0x9CFFFF, 0x9CD3FF, 0x9C9CFF, 0xDC9CFF, 0xFF9CFF, 0xFF94D3, 0x000000, 0x131313,
    0x282828, 0x363636, 0x4D4D4D, 0x656565, 0x818181, 0x9F9F9F, 0xBCBCBC, 0xE2E2E2, 0xFFFFFF,
};

Palette MakeXterm() {
    Palette palette{{}, 16, {}, {}};
    const std::uint8_t levels[] = {0, 95, 135, 175, 215, 255};
    for (std::uint8_t r : levels)
        for (std::uint8_t g : levels)
            for (std::uint8_t b : levels) palette.colors.push_back({r, g, b});
    for (int n = 232; n <= 255; ++n) {
        const auto grey = static_cast<std::uint8_t>(8 + 10 * (n - 232));
        palette.colors.push_back({grey, grey, grey});
    }
    return WithLab(palette);
}

double SquaredDistance(const Oklab& a, const Oklab& b) {
    const double dL = a.L - b.L, da = a.a - b.a, db = a.b - b.b;
    return dL * dL + da * da + db * db;
}

}  // namespace

const Palette& IrcPalette() {
    static const Palette palette = MakePalette(kIrcColors, 0);
    return palette;
}

const Palette& Irc16Palette() {
    static const Palette palette = [] {
        Palette all = MakePalette(kIrcColors, 0);
        all.colors.resize(16);
        return WithLab(all);
    }();
    return palette;
}

const Palette& DiscordPalette() {
    // As Discord's client draws the colours of its ansi code blocks.
    static const Palette palette = MakePalette(
        {0x4F545C, 0xDC322F, 0x859900, 0xB58900, 0x268BD2, 0xD33682, 0x2AA198, 0xFFFFFF}, 30);
    return palette;
}

const Palette& XtermPalette() {
    static const Palette palette = MakeXterm();
    return palette;
}

Rgb NearestPaletteColor(const Palette& palette, Rgb color) {
    const Oklab target = RgbToOklab(color);
    // The least squared distance first, without a square root for every colour, going
    // out from the target's lightness in both directions: a colour whose lightness
    // alone is further off than the best so far cannot be nearer.
    const std::vector<std::size_t>& order = palette.byLightness;
    const auto start = static_cast<std::size_t>(
        std::lower_bound(order.begin(), order.end(), target.L,
                         [&](std::size_t k, double L) { return palette.lab[k].L < L; }) -
        order.begin());
    double least = HUGE_VAL;
    const auto reach = [&](std::size_t k) {
        const double dL = palette.lab[k].L - target.L;
        return dL * dL <= least * (1 + 1e-12);
    };
    std::size_t low = start, high = start;  // [low, high) is searched
    bool upward = true, downward = true;
    while (upward || downward) {
        upward = high < order.size() && reach(order[high]);
        if (upward) least = std::min(least, SquaredDistance(target, palette.lab[order[high++]]));
        downward = low > 0 && reach(order[low - 1]);
        if (downward) least = std::min(least, SquaredDistance(target, palette.lab[order[--low]]));
    }
    // ...then the lowest code whose distance, rounded as a distance, is the least one:
    // two squares a bit apart can have the same root, and that is a tie.
    const double nearest = std::sqrt(least);
    std::size_t best = palette.colors.size();
    for (std::size_t at = low; at < high; ++at) {
        const std::size_t k = order[at];
        const double squared = SquaredDistance(target, palette.lab[k]);
        if (k < best && squared <= least * (1 + 1e-12) && std::sqrt(squared) == nearest) best = k;
    }
    return palette.colors[best];
}

int PaletteCode(const Palette& palette, Rgb color) {
    auto found = std::find(palette.colors.begin(), palette.colors.end(), color);
    if (found == palette.colors.end())
        found = std::find(palette.colors.begin(), palette.colors.end(),
                          NearestPaletteColor(palette, color));
    return palette.firstCode + static_cast<int>(found - palette.colors.begin());
}

}  // namespace lumivane::detail
