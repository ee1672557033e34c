#include "gradient/utf8.h"

namespace lumivane {
namespace {

// The code point at text[i], a surrogate pair read whole and a lone half read as
// U+FFFD; `i` moves past it.
char32_t NextCodePoint(std::u16string_view text, std::size_t& i) {
    const char32_t u = text[i++];
    if (IsHighSurrogate(u) && i < text.size() && IsLowSurrogate(text[i]))
        return 0x10000 + ((u - 0xD800) << 10) + (text[i++] - 0xDC00);
    if (IsHighSurrogate(u) || IsLowSurrogate(u)) return 0xFFFD;
    return u;
}

std::size_t Utf8Length(char32_t cp) {
    return cp < 0x80 ? 1 : cp < 0x800 ? 2 : cp < 0x10000 ? 3 : 4;
}

char* PutUtf8(char* out, char32_t cp) {
    if (cp < 0x80) {
        *out++ = static_cast<char>(cp);
    } else if (cp < 0x800) {
        *out++ = static_cast<char>(0xC0 | (cp >> 6));
        *out++ = static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        *out++ = static_cast<char>(0xE0 | (cp >> 12));
        *out++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        *out++ = static_cast<char>(0xF0 | (cp >> 18));
        *out++ = static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        *out++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (cp & 0x3F));
    }
    return out;
}

}  // namespace

std::optional<std::u16string> Utf8ToUtf16(std::string_view bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        std::size_t extra;
        char32_t cp;
        char32_t least;
        if (lead < 0x80) {
            extra = 0;
            cp = lead;
            least = 0;
        } else if ((lead & 0xE0) == 0xC0) {
            extra = 1;
            cp = lead & 0x1F;
            least = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2;
            cp = lead & 0x0F;
            least = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3;
            cp = lead & 0x07;
            least = 0x10000;
        } else return std::nullopt;
        if (bytes.size() - i <= extra) return std::nullopt;  // cut short
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80) return std::nullopt;
            cp = (cp << 6) | (next & 0x3F);
        }
        if (cp < least || cp > 0x10FFFF || IsHighSurrogate(cp) || IsLowSurrogate(cp))
            return std::nullopt;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (cp >> 10));
            out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
        } else {
            out += static_cast<char16_t>(cp);
        }
        i += 1 + extra;
    }
    return out;
}

void AppendUtf8(std::string& out, std::u16string_view text) {
    // Measured first, then written in place: the output of a long line is written
    // once, without growing the string character by character.
    // Markup is mostly ASCII, so that case is taken first.
    std::size_t length = 0;
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] < 0x80) {
            ++length;
            ++i;
        } else {
            length += Utf8Length(NextCodePoint(text, i));
        }
    }
    const std::size_t at = out.size();
    out.resize(at + length);
    char* write = &out[0] + at;
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] < 0x80) *write++ = static_cast<char>(text[i++]);
        else write = PutUtf8(write, NextCodePoint(text, i));
    }
}

std::string Utf16ToUtf8(std::u16string_view text) {
    std::string out;
    AppendUtf8(out, text);
    return out;
}

}  // namespace lumivane
