#include "tools/fade/options.h"

#include <cstdint>

namespace lumivane {
namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::optional<ColorValue> ParseDecimal(std::string_view text) {
    std::size_t at = 0;
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) negative = text[at++] == '-';
    if (at == text.size()) return std::nullopt;
    std::int64_t value = 0;
    for (; at < text.size(); ++at) {
        if (text[at] < '0' || text[at] > '9') return std::nullopt;
        value = value * 10 + (text[at] - '0');
        if (value > 2147483648LL) return std::nullopt;
    }
    if (negative) value = -value;
    if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
    return static_cast<ColorValue>(value);
}

std::optional<ColorValue> ParseRgbHex(std::string_view digits) {
    if (digits.size() != 6) return std::nullopt;
    int bytes[3];
    for (int k = 0; k < 3; ++k) {
        const int high = HexValue(digits[2 * k]), low = HexValue(digits[2 * k + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        bytes[k] = high * 16 + low;
    }
    return bytes[0] + bytes[1] * 256 + bytes[2] * 65536;  // red lowest, as the swatches hold it
}

}  // namespace

const char kFadeUsage[] =
    "usage: lumivane-fade [--colors FIRST,SECOND,THIRD] [--face FACE] [--fade-only] [--preview] [TEXT...]\n"
    "Colours a text as a three-colour fade in chat markup, one chat line per text.\n"
    "  --colors  three colours: decimal colour values (signed 32-bit, red in the lowest\n"
    "            byte, as the settings file stores them) or #RRGGBB; default 255,65280,16711680\n"
    "  --face    font face of the line's face tag; default Arial\n"
    "  --fade-only  print only the faded text, without the face tag\n"
    "  --preview    print the text itself in its colours (24-bit terminal colours)\n"
    "TEXT words are joined by single spaces into one text; without them every line of\n"
    "standard input is one text. Input and output are UTF-8.\n"
    "Exit status: 0 done, 1 input that is not valid UTF-8, 2 bad option or colour.\n";

std::optional<ColorValue> ParseColorArgument(std::string_view text) {
    if (!text.empty() && text[0] == '#') return ParseRgbHex(text.substr(1));
    return ParseDecimal(text);
}

std::optional<FadeOptions> ParseFadeOptions(const std::vector<std::string>& args,
                                            std::string& error) {
    FadeOptions options;
    bool wordsOnly = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&]() -> const std::string* {
            if (i + 1 < args.size()) return &args[++i];
            error = "option " + arg + " needs a value";
            return nullptr;
        };
        if (wordsOnly || arg.empty() || arg[0] != '-' || arg == "-") {
            options.words.push_back(arg);
        } else if (arg == "--") {
            wordsOnly = true;
        } else if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--fade-only") {
            options.output = FadeOutput::FadeOnly;
        } else if (arg == "--preview") {
            options.output = FadeOutput::Preview;
        } else if (arg == "--face") {
            const std::string* face = value();
            if (!face) return std::nullopt;
            options.face = *face;
        } else if (arg == "--colors") {
            const std::string* list = value();
            if (!list) return std::nullopt;
            std::size_t start = 0;
            int count = 0;
            for (;;) {
                const std::size_t comma = list->find(',', start);
                const std::string item = list->substr(start, comma - start);
                const auto color = ParseColorArgument(item);
                if (count == 3 || !color) {
                    error = "bad colour list '" + *list +
                            "': expected three colours FIRST,SECOND,THIRD, each a signed 32-bit "
                            "decimal or #RRGGBB";
                    return std::nullopt;
                }
                options.colors[count++] = *color;
                if (comma == std::string::npos) break;
                start = comma + 1;
            }
            if (count != 3) {
                error = "bad colour list '" + *list + "': expected three colours, got " +
                        std::to_string(count);
                return std::nullopt;
            }
        } else {
            error = "unknown option '" + arg + "' (try --help)";
            return std::nullopt;
        }
    }
    return options;
}

}  // namespace lumivane
