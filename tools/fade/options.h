// The fade tool's command line.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "gradient/request.h"

namespace lumivane {

// What is printed for each line: the chat line, the chat line without its face tag,
// or the text itself in its colours. The last of --fade-only and --preview counts.
enum class FadeOutput { ChatLine, FadeOnly, Preview };

struct FadeOptions {
    LineRequest request;  // every option that decides the line
    FadeOutput output = FadeOutput::ChatLine;
    bool help = false;
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

}  // namespace lumivane
