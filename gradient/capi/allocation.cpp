#include "gradient/capi/allocation.h"

#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>

#include "gradient/capi/lumivane.h"

namespace lumivane::capi {

void* Allocate(std::size_t count, std::size_t size) {
    if (count == 0 || size == 0) return nullptr;
    if (count > std::numeric_limits<std::size_t>::max() / size) throw std::bad_alloc();
    void* memory = std::malloc(count * size);
    if (!memory) throw std::bad_alloc();
    return memory;
}

char* CopyToAllocation(std::string_view text) {
    if (text.size() == std::numeric_limits<std::size_t>::max()) throw std::bad_alloc();
    auto* copy = static_cast<char*>(Allocate(text.size() + 1, 1));
    if (!text.empty()) std::memcpy(copy, text.data(), text.size());
    copy[text.size()] = '\0';
    return copy;
}

}  // namespace lumivane::capi

extern "C" void lumivane_free(void* memory) { std::free(memory); }
