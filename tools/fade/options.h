// The fade tool's command line.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fade/color_codes.h"

namespace lumivane {

enum class FadeOutput { ChatLine, FadeOnly, Preview };

struct FadeOptions {
    std::array<ColorValue, 3> colors{255, 65280, 16711680};
    std::string face = "Arial";  // UTF-8
    FadeOutput output = FadeOutput::ChatLine;
    bool help = false;
    std::vector<std::string> words;  // UTF-8; joined by single spaces into one text
};

// A colour as the settings file stores it (a signed 32-bit decimal) or as a person
// writes it, #RRGGBB, red first.
std::optional<ColorValue> ParseColorArgument(std::string_view text);

// Parses the arguments after the program name. On a bad argument returns nothing
// and sets `error` to a one-line message naming it.
std::optional<FadeOptions> ParseFadeOptions(const std::vector<std::string>& args,
                                            std::string& error);

extern const char kFadeUsage[];

}  // namespace lumivane
