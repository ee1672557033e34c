// User-perceived characters: extended grapheme clusters by the default rules of
// Unicode's text segmentation, with property tables generated from the Unicode
// Character Database when the project is built.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace lumivane {

enum class GraphemeBreak : std::uint8_t {
    Other,
    CR,
    LF,
    Control,
    Extend,
    ZWJ,
    RegionalIndicator,
    Prepend,
    SpacingMark,
    L,
    V,
    T,
    LV,
    LVT,
};

// The Indic conjunct break property (Unicode 15.1 and later; always None with older
// data, where the conjunct rule does not exist).
enum class IndicConjunctBreak : std::uint8_t { None, Consonant, Extend, Linker };

GraphemeBreak GraphemeBreakOf(char32_t codePoint);
bool IsExtendedPictographic(char32_t codePoint);
IndicConjunctBreak IndicConjunctBreakOf(char32_t codePoint);

// The Unicode version whose data the tables were generated from, e.g. "15.0.0".
const char* GraphemeDataVersion();

// Cluster boundaries of `text` in UTF-16 code units: {0, b1, ..., text.size()}, or {0}
// for an empty text. A surrogate half without its partner counts as a code point of
// its own (property Other).
std::vector<std::size_t> GraphemeClusterBounds(std::u16string_view text);

}  // namespace lumivane
