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

// Walks a text one user-perceived character at a time.
class GraphemeCursor {
public:
    explicit GraphemeCursor(std::u16string_view text) : text_(text) {}

    bool AtEnd() const { return position_ >= text_.size(); }

    // Moves past the character at the current position and returns its end
    // (text.size() once at the end).
    std::size_t Next() {
        const std::size_t at = position_;
        if (at + 1 < text_.size()) {
            // Two ASCII characters are two characters, but CR LF: the common case.
            const char16_t unit = text_[at], next = text_[at + 1];
            if ((unit | next) < 0x80 && (unit != u'\r' || next != u'\n')) return position_ = at + 1;
        } else if (at + 1 == text_.size()) {
            return position_ = at + 1;  // the last code unit: nothing can join it
        } else {
            return position_;
        }
        return position_ = NextSlowly(at);
    }

private:
    std::size_t NextSlowly(std::size_t at) const;

    std::u16string_view text_;
    std::size_t position_ = 0;
};

// The number of user-perceived characters in `text`.
std::size_t CountGraphemeClusters(std::u16string_view text);

// Cluster boundaries of `text` in UTF-16 code units: {0, b1, ..., text.size()}, or {0}
// for an empty text. A surrogate half without its partner counts as a code point of
// its own (property Other).
std::vector<std::size_t> GraphemeClusterBounds(std::u16string_view text);

}  // namespace lumivane
