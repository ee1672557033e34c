// How a value the user gave appears in an error message: short, and safe to print
// on a terminal.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lumivane {

constexpr std::size_t kShownValueLength = 60;

// At most the first kShownValueLength characters of `value`, then "..." if there
// was more. Control characters (C0, DEL and C1) and bytes that are not UTF-8 are
// written as \n, \r, \t or \xHH / \u{HHHH}, so no escape sequence reaches the
// terminal; a backslash is doubled so that the escapes stay unambiguous.
std::string ShownValue(std::string_view value);

}  // namespace lumivane
