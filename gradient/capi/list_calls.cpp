// The names of the markups and the blends, from the engine's tables.
#include "gradient/capi/lumivane.h"
#include "gradient/markup.h"

namespace {

// A table's names are string literals, so each view ends at a NUL.
template <typename Table>
const char* NameAt(const Table& table, std::size_t index) {
    return index < table.size() ? table[index].name.data() : nullptr;
}

}  // namespace

// The tables are built on their first use, which could only fail for want of memory:
// then the lists are empty.
extern "C" {

size_t lumivane_markup_count(void) {
    try {
        return lumivane::Markups().size();
    } catch (...) {
        return 0;
    }
}

const char* lumivane_markup_name(size_t index) {
    try {
        return NameAt(lumivane::Markups(), index);
    } catch (...) {
        return nullptr;
    }
}

size_t lumivane_blend_count(void) {
    try {
        return lumivane::Blends().size();
    } catch (...) {
        return 0;
    }
}

const char* lumivane_blend_name(size_t index) {
    try {
        return NameAt(lumivane::Blends(), index);
    } catch (...) {
        return nullptr;
    }
}

}  // extern "C"
