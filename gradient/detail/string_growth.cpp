#include "gradient/detail/string_growth.h"

namespace lumivane::detail {

void GrowZeroed(std::u16string& text, std::size_t units) { text.resize(text.size() + units); }

}  // namespace lumivane::detail
