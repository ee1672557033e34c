// The three-colour fade: every character of a text gets its own colour tag, fading
// from the first colour to the second over the front part of the text and from the
// second to the third over the back part. The gradient engine writes it: its legacy
// blend of the three colours in the classic markup.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "color/color_codes.h"
#include "color/color_value.h"
#include "color/round_half_even.h"

namespace lumivane {

// Characters of output per character of text: "<Font Color=#", six digits, ">",
// the character.
constexpr std::size_t kFadedCharLength = 21;

// Number of characters in the front part of a text of `length` characters:
// length / 2 rounded half to even.
std::size_t FrontPartLength(std::size_t length);

// Length of `prefix` code units followed by the fade of `textLength` characters.
// Throws std::length_error where that length cannot be counted in a std::size_t:
// in a 32-bit build a text of 204 522 253 characters would otherwise wrap around
// to a short length (the engine refuses such a line the same way).
std::size_t FadedLineLength(std::size_t prefix, std::size_t textLength);

// The coloured text: 21 characters for each character of `text`, nothing else.
// Any length is faded by the same rules; a character is one UTF-16 code unit.
// A text whose output cannot be held throws std::length_error.
std::u16string ThreeColorFade(ColorValue first, ColorValue second, ColorValue third,
                              std::u16string_view text);

// The same, appended to `out`, for callers that build a longer line.
void AppendThreeColorFade(std::u16string& out, ColorValue first, ColorValue second,
                          ColorValue third, std::u16string_view text);

}  // namespace lumivane
