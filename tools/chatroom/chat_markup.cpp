#include "tools/chatroom/chat_markup.h"

#include <utility>

namespace lumivane {
namespace {

char16_t Lower(char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c - u'A' + u'a') : c; }

bool IsSpace(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

// True if `text` starts with `word` (lower case ASCII), letter case ignored.
bool StartsWithWord(std::u16string_view text, std::u16string_view word) {
    if (text.size() < word.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (Lower(text[i]) != word[i]) return false;
    return true;
}

bool EqualsWord(std::u16string_view text, std::u16string_view word) {
    return text.size() == word.size() && StartsWithWord(text, word);
}

int HexDigit(char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    return -1;
}

// "#RRGGBB" (the '#' may be left out) as 0x00BBGGRR.
std::optional<std::uint32_t> ParseColor(std::u16string_view value) {
    if (!value.empty() && value[0] == u'#') value.remove_prefix(1);
    if (value.size() != 6) return std::nullopt;
    std::uint32_t rgb = 0;
    for (char16_t c : value) {
        const int digit = HexDigit(c);
        if (digit < 0) return std::nullopt;
        rgb = rgb << 4 | static_cast<std::uint32_t>(digit);
    }
    const std::uint32_t red = rgb >> 16 & 0xFF, green = rgb >> 8 & 0xFF, blue = rgb & 0xFF;
    return blue << 16 | green << 8 | red;
}

struct Style {
    std::u16string face;
    std::optional<std::uint32_t> color;
};

// Reads a font tag starting at line[0] == '<'. On success returns its length and
// applies it to `style`; a line that is no well-formed font tag gives 0.
std::size_t ReadFontTag(std::u16string_view line, Style& style) {
    std::size_t at = 1;
    if (StartsWithWord(line.substr(at), u"/font")) {
        at += 5;
        while (at < line.size() && IsSpace(line[at])) ++at;
        if (at >= line.size() || line[at] != u'>') return 0;
        style = Style{};
        return at + 1;
    }
    if (!StartsWithWord(line.substr(at), u"font")) return 0;
    at += 4;
    if (at >= line.size() || !(IsSpace(line[at]) || line[at] == u'>')) return 0;

    Style next = style;
    for (;;) {
        while (at < line.size() && IsSpace(line[at])) ++at;
        if (at >= line.size()) return 0;
        if (line[at] == u'>') break;
        const std::size_t nameStart = at;
        while (at < line.size() && !IsSpace(line[at]) && line[at] != u'=' && line[at] != u'>') ++at;
        const std::u16string_view name = line.substr(nameStart, at - nameStart);
        while (at < line.size() && IsSpace(line[at])) ++at;
        std::u16string_view value;
        bool hasValue = false;
        if (at < line.size() && line[at] == u'=') {
            ++at;
            while (at < line.size() && IsSpace(line[at])) ++at;
            if (at >= line.size()) return 0;
            hasValue = true;
            if (line[at] == u'"' || line[at] == u'\'') {
                const char16_t quote = line[at++];
                const std::size_t end = line.find(quote, at);
                if (end == std::u16string_view::npos) return 0;
                value = line.substr(at, end - at);
                at = end + 1;
            } else {
                const std::size_t valueStart = at;
                while (at < line.size() && !IsSpace(line[at]) && line[at] != u'>') ++at;
                value = line.substr(valueStart, at - valueStart);
                if (value.empty()) return 0;  // "face=>": no value at all
            }
        }
        if (name.empty()) return 0;  // "=x" with no attribute name
        if (hasValue && EqualsWord(name, u"face")) {
            next.face = std::u16string(value);
        } else if (hasValue && EqualsWord(name, u"color")) {
            if (const auto color = ParseColor(value)) next.color = color;
        }
    }
    style = std::move(next);
    return at + 1;
}

}  // namespace

std::vector<StyledRun> ParseChatMarkup(std::u16string_view line) {
    std::vector<StyledRun> runs;
    Style style;
    auto show = [&](char16_t c) {
        if (runs.empty() || runs.back().face != style.face || runs.back().color != style.color)
            runs.push_back({std::u16string(), style.face, style.color});
        runs.back().text += c;
    };
    std::size_t at = 0;
    while (at < line.size()) {
        if (line[at] == u'<') {
            const std::size_t length = ReadFontTag(line.substr(at), style);
            if (length > 0) {
                at += length;
                continue;
            }
        }
        show(line[at++]);
    }
    return runs;
}

}  // namespace lumivane
