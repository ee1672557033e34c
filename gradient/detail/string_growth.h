// Growing a string for writing in place.
#pragma once

#include <cstddef>
#include <string>

namespace lumivane::detail {

// Appends `units` zero code units to `text`. Kept out of line on purpose: compiled on
// its own, the zero fill becomes one memset; inlined into a larger writer, compilers
// have left it as a loop over single code units, slower than the writing itself.
void GrowZeroed(std::u16string& text, std::size_t units);

}  // namespace lumivane::detail
