// UTF-8 at the fade tool's edges; the engine itself works on UTF-16 code units.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lumivane {

// Strict decoding: overlong forms, encoded surrogates, values above U+10FFFF and
// cut sequences give no result.
std::optional<std::u16string> Utf8ToUtf16(std::string_view bytes);

// A code unit of a surrogate pair that has lost its partner (the fade puts a tag
// between the two halves) is written as U+FFFD, so the output stays valid UTF-8.
std::string Utf16ToUtf8(std::u16string_view text);

// The same, appended to `out`.
void AppendUtf8(std::string& out, std::u16string_view text);

}  // namespace lumivane
