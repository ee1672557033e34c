#include "gradient/request_options.h"

#include <cstdint>
#include <limits>

#include "color/color_text.h"
#include "gradient/detail/name_lists.h"
#include "gradient/presets.h"
#include "gradient/shown_value.h"
#include "gradient/utf8.h"

namespace lumivane {
namespace {

constexpr std::size_t kHelpIndent = 18;  // where an option's help text starts
constexpr std::size_t kHelpWidth = 80;   // where a generated help line is wrapped

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
        else value = value * 10 + digit;
    }
    if (value == 0) return std::nullopt;
    return value;
}

// A face goes inside a tag of a chat line: it must be UTF-8 and hold no control
// character, which would break the line or reach the chat as a command.
std::optional<std::u16string> PrintableFace(std::string_view text) {
    auto wide = Utf8ToUtf16(text);
    if (!wide) return std::nullopt;
    for (const char16_t unit : *wide)
        if (unit < 0x20 || (unit >= 0x7F && unit <= 0x9F)) return std::nullopt;
    return wide;
}

using detail::JoinedNames;
using detail::NamesThat;

std::string HueNames() {
    std::vector<std::string> names;
    for (HuePath hue :
         {HuePath::Shorter, HuePath::Longer, HuePath::Increasing, HuePath::Decreasing})
        names.emplace_back(HuePathName(hue));
    return JoinedNames(names);
}

const StyleInfo* FindStyle(std::string_view name) {
    for (const StyleInfo& style : Styles())
        if (style.name == name) return &style;
    return nullptr;
}

// The markups for which `takes` holds, "a, b or c".
template <typename Takes>
std::string MarkupsThat(const Takes& takes) {
    return NamesThat(Markups(), takes);
}

template <typename Takes>
std::string JoinedBlends(const Takes& takes) {
    return NamesThat(Blends(), takes);
}

std::string BlendNames() {
    return NamesThat(Blends(), [](const BlendInfo&) { return true; });
}

std::string MarkupNames(bool markDefault) {
    std::vector<std::string> names;
    const Markup fallback = LineRequest{}.markup;
    for (const MarkupInfo& info : Markups())
        names.push_back(std::string(info.name) +
                        (markDefault && info.markup == fallback ? " (default)" : ""));
    return JoinedNames(names);
}

// "Default legacy for aol, rgb otherwise": each markup's default blend, the most common
// one as "otherwise".
std::string DefaultBlends() {
    const std::vector<MarkupInfo>& markups = Markups();
    Blend common = markups.front().defaultBlend;
    std::size_t best = 0;
    for (const BlendInfo& blend : Blends()) {
        std::size_t count = 0;
        for (const MarkupInfo& markup : markups) count += markup.defaultBlend == blend.blend;
        if (count > best) best = count, common = blend.blend;
    }
    std::string text = "Default";
    for (const BlendInfo& blend : Blends()) {
        if (blend.blend == common) continue;
        std::vector<std::string> names;
        for (const MarkupInfo& markup : markups)
            if (markup.defaultBlend == blend.blend) names.emplace_back(markup.name);
        if (!names.empty())
            text += " " + std::string(blend.name) + " for " + JoinedNames(names) + ",";
    }
    return text + " " + std::string(BlendName(common)) + " otherwise";
}

// `text` broken into lines of at most kHelpWidth columns beside the option column.
std::string Wrapped(const std::string& text) {
    std::string out, line;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find(' ', at);
        if (end == std::string::npos) end = text.size();
        const std::string word = text.substr(at, end - at);
        if (!line.empty() && kHelpIndent + line.size() + 1 + word.size() > kHelpWidth) {
            out += line + "\n" + std::string(kHelpIndent, ' ');
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
        at = end + 1;
    }
    return out + line;
}

std::string HelpText(std::string_view name) {
    const std::string indent(kHelpIndent, ' ');
    if (name == "colors")
        return std::to_string(kMinGradientColors) + " to " + std::to_string(kMaxGradientColors) +
               " colours separated by commas: decimal colour values\n" + indent +
               "(signed 32-bit, red in the lowest byte, as the settings file\n" + indent +
               "stores them) or #RRGGBB; default 255,65280,16711680";
    if (name == "blend") {
        std::string text;
        for (const BlendInfo& info : Blends())
            text +=
                (text.empty() ? "" : "; ") + std::string(info.name) + ": " + std::string(info.help);
        return Wrapped(text + ". " + DefaultBlends());
    }
    if (name == "format") return Wrapped(MarkupNames(true));
    if (name == "face")
        return "font face of the aol line's face tag; default " + Utf16ToUtf8(kDefaultFace);
    if (name == "fade-only") return "aol: print only the faded text, without the face tag";
    if (name == "preset")
        return Wrapped("a named set of colours, with its blend: " + PresetNames() +
                       " (--list-presets shows them); --colors, --blend and --hue win");
    if (name == "reverse") return "the colours in reverse order";
    if (name == "hue")
        return Wrapped("the way round the hue wheel for " +
                       JoinedBlends([](const BlendInfo& info) { return info.takesHue; }) + ": " +
                       HueNames() + "; default shorter");
    if (const StyleInfo* style = FindStyle(name)) {
        const std::string refusing = MarkupsThat(
            [style](const MarkupInfo& info) { return !(info.styles & StyleBit(style->style)); });
        return Wrapped(std::string(style->help) +
                       (refusing.empty() ? "" : " (not with " + refusing + ")"));
    }
    return Wrapped(
        "fit every line into N UTF-16 code units (UTF-8 bytes for " +
        MarkupsThat([](const MarkupInfo& info) { return info.unit == LengthUnit::Utf8; }) +
        "; not with " +
        MarkupsThat([](const MarkupInfo& info) { return !info.limitRefusal.empty(); }) +
        "): the longest, finest fade that fits, with fewer colour tags if need be");
}

}  // namespace

const std::vector<RequestOptionInfo>& RequestOptions() {
    // Made on first use, after the style table: the order in which files' statics are
    // made is not fixed.
    static const std::vector<RequestOptionInfo> options = [] {
        std::vector<RequestOptionInfo> list = {
            {"colors", "LIST"}, {"preset", "NAME"}, {"reverse", ""},  {"blend", "NAME"},
            {"hue", "NAME"},    {"format", "NAME"}, {"face", "FACE"}, {"fade-only", ""},
        };
        for (const StyleInfo& style : Styles()) list.push_back({style.name, ""});
        list.push_back({"max-length", "N"});
        return list;
    }();
    return options;
}

const RequestOptionInfo* FindRequestOption(std::string_view name) {
    for (const RequestOptionInfo& option : RequestOptions())
        if (option.name == name) return &option;
    return nullptr;
}

std::optional<ColorValue> ParseColorArgument(std::string_view text) { return ParseColor(text); }

OptionResult SetRequestOption(LineRequest& request, std::string_view name,
                              std::optional<std::string_view> value, std::string& error) {
    const RequestOptionInfo* option = FindRequestOption(name);
    if (!option) {
        error = "unknown option " + Quoted("--" + std::string(name));
        return OptionResult::Unknown;
    }
    const std::string dashed = "--" + std::string(name);
    if (option->valueName.empty()) {
        if (value && !value->empty()) {
            error = "option " + dashed + " takes no value, not " + Quoted(*value);
            return OptionResult::Bad;
        }
    } else if (!value) {
        error = "option " + dashed + " needs a value";
        return OptionResult::Bad;
    }
    const std::string_view given = value.value_or("");
    if (name == "colors") {
        std::vector<ColorValue> colors;
        if (!ParseColorList(given, colors, error)) return OptionResult::Bad;
        request.colors = std::move(colors);
    } else if (name == "preset") {
        if (!FindPreset(given)) {
            error = "unknown --preset " + Quoted(given) + ": " + PresetNames();
            return OptionResult::Bad;
        }
        request.preset = std::string(given);
    } else if (name == "reverse") {
        request.reverse = true;
    } else if (name == "hue") {
        const auto hue = ParseHuePath(given);
        if (!hue) {
            error = "unknown --hue " + Quoted(given) + ": " + HueNames();
            return OptionResult::Bad;
        }
        request.hue = hue;
    } else if (const StyleInfo* style = FindStyle(name)) {
        request.styles |= StyleBit(style->style);
    } else if (name == "blend") {
        const auto blend = ParseBlendName(given);
        if (!blend) {
            error = "unknown --blend " + Quoted(given) + ": " + BlendNames();
            return OptionResult::Bad;
        }
        request.blend = blend;
    } else if (name == "format") {
        const auto markup = ParseMarkupName(given);
        if (!markup) {
            error = "unknown --format " + Quoted(given) + ": " + MarkupNames(false);
            return OptionResult::Bad;
        }
        request.markup = *markup;
    } else if (name == "face") {
        auto face = PrintableFace(given);
        if (!face) {
            error = "bad --face " + Quoted(given) +
                    ": a face is UTF-8 text without line breaks or other control characters";
            return OptionResult::Bad;
        }
        request.face = std::move(face);
    } else if (name == "fade-only") {
        request.fadeOnly = true;
    } else if (name == "max-length") {
        const auto limit = ParsePositive(given);
        if (!limit) {
            error = "bad --max-length " + Quoted(given) + ": a positive whole number";
            return OptionResult::Bad;
        }
        request.maxLength = limit;
    }
    return OptionResult::Set;
}

std::string RequestOptionsHelp() {
    std::string help;
    for (const RequestOptionInfo& option : RequestOptions()) {
        std::string head = "  --" + std::string(option.name);
        if (!option.valueName.empty()) head += " " + std::string(option.valueName);
        head.resize(kHelpIndent, ' ');
        help += head + HelpText(option.name) + "\n";
    }
    return help;
}

std::string RequestOptionHelp(std::string_view name) {
    // The help's line breaks and the indent after them become single spaces.
    const std::string indent = "\n" + std::string(kHelpIndent, ' ');
    std::string help = HelpText(name);
    for (std::size_t at = help.find(indent); at != std::string::npos; at = help.find(indent, at))
        help.replace(at, indent.size(), " ");
    return help;
}

std::optional<std::string> RequestOptionDefault(std::string_view name) {
    const LineRequest fresh;
    if (name == "colors") {
        std::string list;
        for (const ColorValue color : fresh.colors.value_or(DefaultLineColors()))
            list += (list.empty() ? "" : ",") + std::to_string(color);
        return list;
    }
    if (name == "blend" && fresh.blend) return std::string(BlendName(*fresh.blend));
    if (name == "format") return std::string(MarkupName(fresh.markup));
    if (name == "face") return Utf16ToUtf8(fresh.face.value_or(std::u16string(kDefaultFace)));
    if (name == "max-length" && fresh.maxLength) return std::to_string(*fresh.maxLength);
    return std::nullopt;
}

}  // namespace lumivane
