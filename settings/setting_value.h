// A value as it goes into the settings file, and as it comes back.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lumivane {

// The longest value a read gives back; longer ones are cut to this length.
inline constexpr std::size_t kLongestValue = 749;

// `value` with each line break character (CR, LF) replaced by a space. A value
// must stay on its key's line: a line break in it would add lines to the file,
// another key or a second section among them.
std::u16string OneLineValue(std::u16string_view value);

// Whether `readBack`, what a read of a key gives, holds `stored`, the text last
// written under that key (on one line, in the code page). The profile services
// drop blanks and a pair of quotes around a value and cut it at kLongestValue
// characters; those differences do not count, any other does.
bool ReadBackHolds(std::u16string_view stored, std::u16string_view readBack);

}  // namespace lumivane
