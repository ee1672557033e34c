// What the C interface hands out: allocations from malloc, which lumivane_free gives
// back, so that a caller without that function (a WebAssembly page's own free) can too.
#pragma once

#include <cstddef>
#include <string_view>

namespace lumivane::capi {

// A NUL-terminated copy of `text`. Throws std::bad_alloc when out of memory.
char* CopyToAllocation(std::string_view text);

// Room for `count` objects of `size` bytes; nullptr for none. Throws std::bad_alloc
// when out of memory or when the size cannot be counted.
void* Allocate(std::size_t count, std::size_t size);

}  // namespace lumivane::capi
