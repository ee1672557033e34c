#include "gradient/grapheme.h"

#include <algorithm>
#include <array>

#include "gradient/detail/sse2.h"
#include "gradient/utf8.h"

namespace lumivane {
namespace {

struct BreakRange {
    char32_t first;
    char32_t last;
    GraphemeBreak value;
};

struct CodePointRange {
    char32_t first;
    char32_t last;
};

struct IndicRange {
    char32_t first;
    char32_t last;
    IndicConjunctBreak value;
};

#include "unicode_grapheme_properties.inc"

template <typename Range, std::size_t N>
constexpr bool SortedAndDisjoint(const Range (&ranges)[N]) {
    for (std::size_t i = 0; i < N; ++i) {
        if (ranges[i].last < ranges[i].first) return false;
        if (i > 0 && ranges[i].first <= ranges[i - 1].last) return false;
    }
    return true;
}
static_assert(SortedAndDisjoint(kGraphemeBreakRanges), "grapheme break ranges overlap");
static_assert(SortedAndDisjoint(kExtendedPictographicRanges), "pictographic ranges overlap");
static_assert(SortedAndDisjoint(kIndicConjunctBreakRanges), "conjunct break ranges overlap");

// The range holding `codePoint`, or nullptr.
template <typename Range, std::size_t N>
constexpr const Range* Find(const Range (&ranges)[N], char32_t codePoint) {
    std::size_t low = 0, high = N;  // the first range whose last >= codePoint lies in [low, high]
    while (low < high) {
        const std::size_t mid = low + (high - low) / 2;
        if (ranges[mid].last < codePoint) low = mid + 1;
        else high = mid;
    }
    return low < N && ranges[low].first <= codePoint ? &ranges[low] : nullptr;
}

constexpr GraphemeBreak BreakOf(char32_t codePoint) {
    const BreakRange* range = Find(kGraphemeBreakRanges, codePoint);
    return range ? range->value : GraphemeBreak::Other;
}

struct Properties {
    GraphemeBreak breakValue = GraphemeBreak::Other;
    bool pictographic = false;
    IndicConjunctBreak conjunct = IndicConjunctBreak::None;
};

Properties PropertiesOf(char32_t codePoint) {
    return {BreakOf(codePoint), IsExtendedPictographic(codePoint), IndicConjunctBreakOf(codePoint)};
}

// Between two ASCII characters every rule but CR LF breaks, since ASCII has no
// extending, joining, prepended, pictographic, conjunct or Hangul characters. The
// plain-span fast path (UnitWalker) relies on that; the tables are checked for it here.
constexpr bool AsciiOnlySeparates() {
    for (char32_t c = 0; c < 0x80; ++c) {
        const GraphemeBreak value = BreakOf(c);
        if (value != GraphemeBreak::Other && value != GraphemeBreak::CR &&
            value != GraphemeBreak::LF && value != GraphemeBreak::Control)
            return false;
        if (Find(kExtendedPictographicRanges, c) || Find(kIndicConjunctBreakRanges, c))
            return false;
    }
    return true;
}
static_assert(AsciiOnlySeparates(), "an ASCII character joins its neighbours");

constexpr std::array<GraphemeBreak, 128> MakeAsciiBreaks() {
    std::array<GraphemeBreak, 128> values{};
    for (char32_t c = 0; c < 0x80; ++c) values[c] = BreakOf(c);
    return values;
}
constexpr std::array<GraphemeBreak, 128> kAsciiBreaks = MakeAsciiBreaks();

bool IsControlLike(GraphemeBreak value) {
    return value == GraphemeBreak::Control || value == GraphemeBreak::CR ||
           value == GraphemeBreak::LF;
}

// What the rules need to know of the text before a boundary.
class BreakState {
public:
    // Whether a cluster boundary lies between the code points so far and `next`.
    bool BreaksBefore(const Properties& next) const {
        const GraphemeBreak b = next.breakValue;
        using G = GraphemeBreak;
        if (previous_ == G::CR && b == G::LF) return false;
        if (IsControlLike(previous_) || IsControlLike(b)) return true;
        if (previous_ == G::L && (b == G::L || b == G::V || b == G::LV || b == G::LVT))
            return false;
        if ((previous_ == G::LV || previous_ == G::V) && (b == G::V || b == G::T)) return false;
        if ((previous_ == G::LVT || previous_ == G::T) && b == G::T) return false;
        if (b == G::Extend || b == G::ZWJ || b == G::SpacingMark) return false;
        if (previous_ == G::Prepend) return false;
        if (next.conjunct == IndicConjunctBreak::Consonant && conjunct_ == Conjunct::Linked)
            return false;
        if (next.pictographic && emoji_ == Emoji::Joined) return false;
        if (previous_ == G::RegionalIndicator && b == G::RegionalIndicator && oddIndicators_)
            return false;
        return true;
    }

    void Advance(const Properties& next) {
        using G = GraphemeBreak;
        const G b = next.breakValue;
        oddIndicators_ = b == G::RegionalIndicator && !(previous_ == b && oddIndicators_);

        // NOLINTNEXTLINE(bugprone-branch-clone): one branch per case of the emoji rule
        if (next.pictographic) emoji_ = Emoji::Pictograph;
        else if (emoji_ == Emoji::Pictograph && b == G::Extend) emoji_ = Emoji::Pictograph;
        else if (emoji_ == Emoji::Pictograph && b == G::ZWJ) emoji_ = Emoji::Joined;
        else emoji_ = Emoji::None;

        if (next.conjunct == IndicConjunctBreak::Consonant) conjunct_ = Conjunct::Consonant;
        else if (conjunct_ != Conjunct::None && next.conjunct == IndicConjunctBreak::Linker)
            conjunct_ = Conjunct::Linked;
        else if (conjunct_ == Conjunct::None || next.conjunct != IndicConjunctBreak::Extend)
            conjunct_ = Conjunct::None;

        previous_ = b;
    }

private:
    // A pictograph followed by extenders, then a joiner (which a pictograph may follow).
    enum class Emoji : std::uint8_t { None, Pictograph, Joined };
    // A consonant followed by conjunct extenders and linkers, at least one linker.
    enum class Conjunct : std::uint8_t { None, Consonant, Linked };

    GraphemeBreak previous_ = GraphemeBreak::Other;
    bool oddIndicators_ = false;  // an odd number of regional indicators ends here
    Emoji emoji_ = Emoji::None;
    Conjunct conjunct_ = Conjunct::None;
};

}  // namespace

GraphemeBreak GraphemeBreakOf(char32_t codePoint) { return BreakOf(codePoint); }

bool IsExtendedPictographic(char32_t codePoint) {
    return Find(kExtendedPictographicRanges, codePoint) != nullptr;
}

IndicConjunctBreak IndicConjunctBreakOf(char32_t codePoint) {
    const IndicRange* range = Find(kIndicConjunctBreakRanges, codePoint);
    return range ? range->value : IndicConjunctBreak::None;
}

const char* GraphemeDataVersion() { return kGraphemeDataVersion; }

std::size_t GraphemeClusterEnd(std::u16string_view text, std::size_t at) {
    // A boundary lies before `at`, and no rule looks back past the last boundary, so
    // the rules start afresh from the character's first code point.
    const std::size_t n = text.size();
    BreakState state;
    for (std::size_t i = at; i < n;) {
        const char16_t unit = text[i];
        char32_t codePoint = unit;
        std::size_t length = 1;
        if (IsHighSurrogate(unit) && i + 1 < n && IsLowSurrogate(text[i + 1])) {
            codePoint = 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) +
                        (static_cast<char32_t>(text[i + 1]) - 0xDC00);
            length = 2;
        }
        const Properties properties =
            unit < 0x80 ? Properties{kAsciiBreaks[unit]} : PropertiesOf(codePoint);
        if (i > at && state.BreaksBefore(properties)) return i;
        state.Advance(properties);
        i += length;
    }
    return n;
}

std::size_t PlainSpanEnd(std::u16string_view text, std::size_t from) {
    const std::size_t n = text.size();
    std::size_t i = from;
#if LUMIVANE_SSE2
    // Eight code units at a time: all below U+0080 and none a CR.
    const __m128i high = _mm_set1_epi16(static_cast<short>(0xFF80));
    const __m128i zero = _mm_setzero_si128();
    const __m128i cr = _mm_set1_epi16(u'\r');
    for (; i + 8 <= n; i += 8) {
        const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + i));
        const __m128i plain = _mm_andnot_si128(_mm_cmpeq_epi16(units, cr),
                                               _mm_cmpeq_epi16(_mm_and_si128(units, high), zero));
        if (_mm_movemask_epi8(plain) != 0xFFFF) break;
    }
#endif
    while (i < n && text[i] < 0x80 && text[i] != u'\r') ++i;
    return i;
}

std::size_t UnitWalker::NextSlowly() {
    const std::size_t at = position_;
    if (codeUnits_) return at < text_.size() ? at + 1 : at;
    // A plain unit right before one that is not may be extended by it: that one is
    // left to the full rules.
    const std::size_t plainEnd = PlainSpanEnd(text_, at);
    wholeUntil_ = plainEnd == text_.size() ? plainEnd : (plainEnd > at ? plainEnd - 1 : at);
    if (at < wholeUntil_) return at + 1;
    return GraphemeClusterEnd(text_, at);
}

std::vector<std::size_t> GraphemeClusterBounds(std::u16string_view text) {
    std::vector<std::size_t> bounds(text.size() + 1);
    std::size_t count = 1;  // bounds[0] is 0
    for (UnitWalker walker(text, false); !walker.AtEnd();) bounds[count++] = walker.Next();
    bounds.resize(count);
    return bounds;
}

std::size_t CountGraphemeClusters(std::u16string_view text) {
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t plainEnd = PlainSpanEnd(text, at);
        if (plainEnd == text.size()) return count + (plainEnd - at);
        if (plainEnd > at + 1) {
            count += plainEnd - 1 - at;
            at = plainEnd - 1;
        }
        at = GraphemeClusterEnd(text, at);
        ++count;
    }
    return count;
}

}  // namespace lumivane
