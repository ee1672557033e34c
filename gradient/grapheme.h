// User-perceived characters: extended grapheme clusters by the default rules of
// Unicode's text segmentation, with property tables generated from the Unicode
// Character Database of one pinned version (unicode_grapheme_properties.inc).
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

// The Unicode version whose data the tables were generated from, e.g. "17.0.0".
const char* GraphemeDataVersion();

// The end of the user-perceived character that starts at `at`, a boundary of `text`
// (text.size() at the end), by the full rules.
std::size_t GraphemeClusterEnd(std::u16string_view text, std::size_t at);

// The first position from `from` on whose code unit is not plain ASCII (ASCII other
// than CR), or text.size(). Plain units next to each other are characters of one
// unit each: a boundary lies between any two of them.
std::size_t PlainSpanEnd(std::u16string_view text, std::size_t from);

// Walks a text one unit at a time: one code unit, or one user-perceived character.
// Through plain ASCII it only counts.
class UnitWalker {
public:
    UnitWalker(std::u16string_view text, bool codeUnits)
        : text_(text), codeUnits_(codeUnits), wholeUntil_(codeUnits ? text.size() : 0) {}

    bool AtEnd() const { return position_ >= text_.size(); }

    // Moves past the unit at the current position and returns its end (text.size()
    // once at the end).
    std::size_t Next() {
        if (position_ < wholeUntil_) return ++position_;
        return position_ = NextSlowly();
    }

    // How many units from the current position on are known to be one code unit each
    // (possibly none yet: Next finds out), and skipping those.
    std::size_t WholeAhead() const { return wholeUntil_ > position_ ? wholeUntil_ - position_ : 0; }
    void SkipWhole(std::size_t units) { position_ += units; }

private:
    std::size_t NextSlowly();

    std::u16string_view text_;
    bool codeUnits_;
    std::size_t position_ = 0;
    std::size_t wholeUntil_;  // units before this position are one code unit each
};

// The number of user-perceived characters in `text`.
std::size_t CountGraphemeClusters(std::u16string_view text);

// Cluster boundaries of `text` in UTF-16 code units: {0, b1, ..., text.size()}, or {0}
// for an empty text. A surrogate half without its partner counts as a code point of
// its own (property Other).
std::vector<std::size_t> GraphemeClusterBounds(std::u16string_view text);

}  // namespace lumivane
