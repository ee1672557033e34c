// The one table of blends: each blend's name, what it does, what it counts as a unit
// and the function that spreads its colours. A new blend is a file with that
// function and a row here.
#include <stdexcept>

#include "gradient/blend.h"
#include "gradient/detail/blend_stretches.h"

namespace lumivane {
namespace {

struct BlendRow {
    BlendInfo info;
    void (*stretches)(const std::vector<Rgb>& stops, std::size_t units, HuePath hue,
                      detail::StretchList& out);
};

const BlendRow kBlends[] = {
    {{Blend::Legacy, "legacy", "the classic fade, one colour per UTF-16 code unit", true, false},
     detail::LegacyBlend},
    {{Blend::Rgb, "rgb",
      "a straight blend, one colour per character as the reader sees it (accents and emoji "
      "never split)",
      false, false},
     detail::RgbBlend},
    {{Blend::Oklab, "oklab", "the same with perceptually even steps", false, false},
     detail::OklabBlend},
    {{Blend::Oklch, "oklch",
      "perceptual lightness, chroma and hue, round the hue wheel along the --hue path", false,
      true},
     detail::OklchBlend},
    {{Blend::Hsv, "hsv", "hue, saturation and value, round the hue wheel along the --hue path",
      false, true},
     detail::HsvBlend},
};

const BlendRow& RowOf(Blend blend) {
    for (const BlendRow& row : kBlends) {
        if (row.info.blend == blend) return row;
    }
    throw std::invalid_argument("a blend that is not in the blend table");
}

}  // namespace

const std::vector<BlendInfo>& Blends() {
    static const std::vector<BlendInfo> infos = [] {
        std::vector<BlendInfo> list;
        for (const BlendRow& row : kBlends) list.push_back(row.info);
        return list;
    }();
    return infos;
}

const BlendInfo& InfoOf(Blend blend) { return RowOf(blend).info; }

std::optional<Blend> ParseBlendName(std::string_view name) {
    for (const BlendRow& row : kBlends) {
        if (row.info.name == name) return row.info.blend;
    }
    return std::nullopt;
}

std::string_view BlendName(Blend blend) { return RowOf(blend).info.name; }

void detail::SpreadBlend(GradientBlend blend, const std::vector<Rgb>& stops, std::size_t units,
                         StretchList& out) {
    RowOf(blend.blend).stretches(stops, units, blend.hue, out);
}

}  // namespace lumivane
