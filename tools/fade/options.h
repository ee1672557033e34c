// The fade tool's command line.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fade/color_codes.h"
#include "gradient/blend.h"
#include "gradient/markup.h"

namespace lumivane {

// What is printed for each line: the chat line, the chat line without its face tag,
// or the text itself in its colours. The last of --fade-only and --preview counts.
enum class FadeOutput { ChatLine, FadeOnly, Preview };

struct FadeOptions {
    std::vector<ColorValue> colors{255, 65280, 16711680};
    std::optional<Blend> blend;  // none: legacy for aol, rgb for every other format
    Markup format = Markup::Aol;
    std::string face = "Arial";  // UTF-8
    bool faceGiven = false;
    bool fadeOnlyGiven = false;
    FadeOutput output = FadeOutput::ChatLine;
    std::optional<std::size_t> maxLength;  // in UTF-16 code units of the line
    bool help = false;
    std::vector<std::string> words;  // UTF-8; joined by single spaces into one text
};

// The blend a line is coloured with.
Blend EffectiveBlend(const FadeOptions& options);

// A colour as the settings file stores it (a signed 32-bit decimal) or as a person
// writes it, #RRGGBB, red first.
std::optional<ColorValue> ParseColorArgument(std::string_view text);

// Parses the arguments after the program name, options in the "--name value" or
// "--name=value" spelling. On a bad argument, or options that do not go together,
// returns nothing and sets `error` to a one-line message that names the value (as
// ShownValue shows it).
std::optional<FadeOptions> ParseFadeOptions(const std::vector<std::string>& args,
                                            std::string& error);

extern const char kFadeUsage[];

}  // namespace lumivane
