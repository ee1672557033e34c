// UTF-8 at the engine's edges (the tool, the C interface); the engine itself works on
// UTF-16 code units.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace lumivane {

// The halves of a UTF-16 surrogate pair.
inline bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
inline bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// Whether a cut of `text` before code unit `at` falls between the halves of a pair.
inline bool SplitsPair(std::u16string_view text, std::size_t at) {
    return at > 0 && at < text.size() && IsHighSurrogate(text[at - 1]) && IsLowSurrogate(text[at]);
}

// Strict decoding: overlong forms, encoded surrogates, values above U+10FFFF and
// cut sequences give no result.
std::optional<std::u16string> Utf8ToUtf16(std::string_view bytes);

// A code unit of a surrogate pair that has lost its partner (the fade puts a tag
// between the two halves) is written as U+FFFD, so the output stays valid UTF-8.
std::string Utf16ToUtf8(std::u16string_view text);

// The same, appended to `out`.
void AppendUtf8(std::string& out, std::u16string_view text);

}  // namespace lumivane
