// The fade tool's command line.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "gradient/request.h"

namespace lumivane {

// What is printed for each line: the chat line, the chat line without its face tag,
// or the text itself in its colours. The last of --fade-only and --preview counts.
enum class FadeOutput { ChatLine, FadeOnly, Preview };

// How --preview shows colours: 24-bit escapes, the nearest of xterm's 256, or none.
enum class PreviewDepth { TrueColor, Xterm256, Plain };

struct FadeOptions {
    LineRequest request;  // every option that decides the line
    FadeOutput output = FadeOutput::ChatLine;
    std::optional<PreviewDepth> colorDepth;  // --color-depth; none: from the environment
    bool help = false;
    bool listPresets = false;
    std::vector<std::string> words;  // UTF-8; joined by single spaces into one text
};

// Parses the arguments after the program name, options in the "--name value" or
// "--name=value" spelling. On a bad argument, or options that do not go together,
// returns nothing and sets `error` to a one-line message that names the value (as
// ShownValue shows it).
std::optional<FadeOptions> ParseFadeOptions(const std::vector<std::string>& args,
                                            std::string& error);

// What --help prints.
std::string FadeUsage();

// What --preview shows, following the terminal conventions: --color-depth if given;
// else plain text where NO_COLOR is set to anything, 24-bit colour where COLORTERM is
// "truecolor" or "24bit", and xterm's 256 colours otherwise. `getenv` reads a variable
// (nothing when unset).
PreviewDepth ChoosePreviewDepth(const FadeOptions& options,
                                const std::function<const char*(const char*)>& getenv);

}  // namespace lumivane
