// Line lengths the writers need, whatever unit the markup's limit counts in.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "gradient/markup.h"

namespace lumivane::detail {

// The length in UTF-16 code units of a line of `runCount` runs that cover `text`,
// comma traps aside; nothing for a markup whose colour codes vary in length.
std::optional<std::size_t> Utf16LineLength(const LineStyle& style, std::u16string_view text,
                                           std::size_t runCount);

}  // namespace lumivane::detail
