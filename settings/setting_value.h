// A value as it goes into the settings file.
#pragma once

#include <string>
#include <string_view>

namespace lumivane {

// `value` with each line break character (CR, LF) replaced by a space. A value
// must stay on its key's line: a line break in it would add lines to the file,
// another key or a second section among them.
std::u16string OneLineValue(std::u16string_view value);

}  // namespace lumivane
