#include "tools/fade/options.h"

#include <cstdint>
#include <limits>

#include "tools/fade/shown_value.h"
#include "tools/fade/utf8.h"

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

std::string Quoted(std::string_view value) { return "'" + ShownValue(value) + "'"; }

// The colours of a --colors list, or a message naming what is wrong with it.
bool ParseColorList(std::string_view list, std::vector<ColorValue>& colors, std::string& error) {
    colors.clear();
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = list.find(',', start);
        const std::string_view item = list.substr(start, comma - start);
        const auto color = ParseColorArgument(item);
        if (!color) {
            error = "bad colour " + Quoted(item) + " in --colors " + Quoted(list) +
                    ": each colour is a signed 32-bit decimal or #RRGGBB";
            return false;
        }
        // Past the most a gradient takes there is no need to look further.
        if (colors.size() == kMaxGradientColors) {
            error = "too many colours in --colors " + Quoted(list) + ": at most " +
                    std::to_string(kMaxGradientColors);
            return false;
        }
        colors.push_back(*color);
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    if (colors.size() < kMinGradientColors) {
        error = "too few colours in --colors " + Quoted(list) + ": at least " +
                std::to_string(kMinGradientColors);
        return false;
    }
    return true;
}

std::optional<std::size_t> ParsePositive(std::string_view text) {
    if (text.empty()) return std::nullopt;
    std::size_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        const auto digit = static_cast<std::size_t>(c - '0');
        // A limit beyond what any line can reach is as good as the largest one.
        if (value > (std::numeric_limits<std::size_t>::max() - digit) / 10)
            value = std::numeric_limits<std::size_t>::max();
        else
            value = value * 10 + digit;
    }
    if (value == 0) return std::nullopt;
    return value;
}

// A face goes inside a tag of a chat line: it must be UTF-8 and hold no control
// character, which would break the line or reach the chat as a command.
bool IsPrintableUtf8(std::string_view text) {
    const auto wide = Utf8ToUtf16(text);
    if (!wide) return false;
    for (const char16_t unit : *wide)
        if (unit < 0x20 || (unit >= 0x7F && unit <= 0x9F)) return false;
    return true;
}

// Options that belong together, checked once every argument is read.
bool CheckCombination(const FadeOptions& options, std::string& error) {
    if (options.format != Markup::Aol) {
        if (options.faceGiven) {
            error = "--face " + Quoted(options.face) + " belongs to --format aol";
            return false;
        }
        if (options.fadeOnlyGiven) {
            error = "--fade-only belongs to --format aol";
            return false;
        }
    }
    if (options.maxLength && options.format == Markup::Ansi) {
        error = "--max-length " + std::to_string(*options.maxLength) +
                " does not go with --format ansi: a terminal has no line limit";
        return false;
    }
    return true;
}

}  // namespace

const char kFadeUsage[] =
    "usage: lumivane-fade [OPTION...] [TEXT...]\n"
    "Colours a text as a gradient, every character its own colour, in a chat's markup;\n"
    "one output line for each line of the text.\n"
    "  --colors LIST   2 to 64 colours separated by commas: decimal colour values\n"
    "                  (signed 32-bit, red in the lowest byte, as the settings file\n"
    "                  stores them) or #RRGGBB; default 255,65280,16711680\n"
    "  --blend NAME    legacy: the classic fade, one colour per UTF-16 code unit;\n"
    "                  rgb: a straight blend, one colour per character as the reader\n"
    "                  sees it (accents and emoji never split); oklab: the same with\n"
    "                  perceptually even steps. Default legacy for aol, rgb otherwise\n"
    "  --format NAME   aol (default), html, ansi, minimessage, ampersand, section,\n"
    "                  bbcode or json\n"
    "  --face FACE     font face of the aol line's face tag; default Arial\n"
    "  --fade-only     aol: print only the faded text, without the face tag\n"
    "  --max-length N  fit every line into N UTF-16 code units (not with ansi): the\n"
    "                  longest, finest fade that fits, with fewer colour tags if need be\n"
    "  --preview       print the text itself in its colours (24-bit terminal colours)\n"
    "  --help          print this text\n"
    "Every option also takes the --option=value spelling. TEXT words are joined by\n"
    "single spaces into one text; without them every line of standard input is one\n"
    "text. Input and output are UTF-8; a byte-order mark at the start is skipped.\n"
    "Examples, one per chat:\n"
    "  chat room       lumivane-fade --face Tahoma 'hello room'\n"
    "  web page        lumivane-fade --format html --colors '#ff8800,#8800ff' hi\n"
    "  terminal        lumivane-fade --format ansi --blend oklab hi\n"
    "  game server     lumivane-fade --format minimessage --max-length 256 hi\n"
    "  (plug-ins)      lumivane-fade --format ampersand --colors '#55ffff,#ff55ff' hi\n"
    "  (section codes) lumivane-fade --format section hi\n"
    "  forum           lumivane-fade --format bbcode hi\n"
    "  JSON text       lumivane-fade --format json hi\n"
    "Exit status: 0 done, 1 input that is not valid UTF-8, 2 bad option or colour,\n"
    "3 a line that cannot fit --max-length, 4 the input cannot be read, the output\n"
    "cannot be written or a line is too long to hold.\n";

Blend EffectiveBlend(const FadeOptions& options) {
    if (options.blend) return *options.blend;
    return options.format == Markup::Aol ? Blend::Legacy : Blend::Rgb;
}

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
        if (wordsOnly || arg.empty() || arg[0] != '-' || arg == "-") {
            options.words.push_back(arg);
            continue;
        }
        if (arg == "--") {
            wordsOnly = true;
            continue;
        }
        // "--name=value" or "--name value"; a flag takes no value.
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        std::optional<std::string> attached;
        if (equals != std::string::npos) attached = arg.substr(equals + 1);
        const auto value = [&]() -> std::optional<std::string> {
            if (attached) return attached;
            if (i + 1 < args.size()) return args[++i];
            error = "option " + name + " needs a value";
            return std::nullopt;
        };
        const auto flag = [&]() {
            if (!attached) return true;
            error = "option " + name + " takes no value, not " + Quoted(*attached);
            return false;
        };

        if (name == "--help" || name == "-h") {
            if (!flag()) return std::nullopt;
            options.help = true;
        } else if (name == "--fade-only") {
            if (!flag()) return std::nullopt;
            options.output = FadeOutput::FadeOnly;
            options.fadeOnlyGiven = true;
        } else if (name == "--preview") {
            if (!flag()) return std::nullopt;
            options.output = FadeOutput::Preview;
        } else if (name == "--face") {
            const auto face = value();
            if (!face) return std::nullopt;
            if (!IsPrintableUtf8(*face)) {
                error = "bad --face " + Quoted(*face) +
                        ": a face is UTF-8 text without line breaks or other control characters";
                return std::nullopt;
            }
            options.face = *face;
            options.faceGiven = true;
        } else if (name == "--colors") {
            const auto list = value();
            if (!list || !ParseColorList(*list, options.colors, error)) return std::nullopt;
        } else if (name == "--blend") {
            const auto blend = value();
            if (!blend) return std::nullopt;
            options.blend = ParseBlendName(*blend);
            if (!options.blend) {
                error = "unknown --blend " + Quoted(*blend) + ": legacy, rgb or oklab";
                return std::nullopt;
            }
        } else if (name == "--format") {
            const auto format = value();
            if (!format) return std::nullopt;
            const auto markup = ParseMarkupName(*format);
            if (!markup) {
                error = "unknown --format " + Quoted(*format) +
                        ": aol, html, ansi, minimessage, ampersand, section, bbcode or json";
                return std::nullopt;
            }
            options.format = *markup;
        } else if (name == "--max-length") {
            const auto limit = value();
            if (!limit) return std::nullopt;
            options.maxLength = ParsePositive(*limit);
            if (!options.maxLength) {
                error = "bad --max-length " + Quoted(*limit) + ": a positive whole number";
                return std::nullopt;
            }
        } else {
            error = "unknown option " + Quoted(arg) + " (try --help)";
            return std::nullopt;
        }
    }
    if (!CheckCombination(options, error)) return std::nullopt;
    return options;
}

}  // namespace lumivane
