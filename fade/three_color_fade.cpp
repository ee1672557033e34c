#include "fade/three_color_fade.h"

#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <stdexcept>

#include "fade/sse2.h"

namespace lumivane {
namespace {

constexpr char16_t kTagOpening[] = u"<Font Color=#";
constexpr std::size_t kTagOpeningLength = std::size(kTagOpening) - 1;  // 13
constexpr std::size_t kTagLength = kFadedCharLength - 1;               // the tag without its character
static_assert(kTagOpeningLength + 6 + 1 == kTagLength);

// Two upper-case hexadecimal digits for every component value.
using HexPair = std::array<char16_t, 2>;
constexpr std::array<HexPair, 256> MakeHexPairs() {
    constexpr char16_t digits[] = u"0123456789ABCDEF";
    std::array<HexPair, 256> pairs{};
    for (std::size_t v = 0; v < 256; ++v) pairs[v] = {digits[v >> 4], digits[v & 0xF]};
    return pairs;
}
constexpr std::array<HexPair, 256> kHexPairs = MakeHexPairs();

// One component of one part: its start value and the per-character step.
struct ComponentRamp {
    double start;
    double step;
    std::size_t length;

    // Position i is 1-based within the part; product and sum are each rounded to
    // double in this order, so every build gives the same colours bit for bit.
    int At(std::size_t i) const {
        const double product = static_cast<double>(i) * step;
        const double sum = start + product;
        return static_cast<int>(RoundHalfEven(sum));
    }

    // The first position after `i` whose value differs from `value` (the value at
    // `i`), or length + 1. At(i) is monotonic in i, since every rounding on the way
    // is, so the positions of one value form one run. The run's end is estimated
    // from where the sum crosses the next half-way mark, then settled with At
    // itself: the estimate only saves work, the answer is exact.
    std::size_t NextChange(std::size_t i, int value) const {
        if (step == 0) return length + 1;
        const double mark = value + (step > 0 ? 0.5 : -0.5);
        double estimate = std::ceil((mark - start) / step);
        if (!(estimate > static_cast<double>(i))) estimate = static_cast<double>(i + 1);
        std::size_t q = estimate > static_cast<double>(length) ? length + 1
                                                                : static_cast<std::size_t>(estimate);
        while (q <= length && At(q) == value) ++q;
        while (q - 1 > i && At(q - 1) != value) --q;
        return q;
    }
};

ComponentRamp MakeRamp(int from, int to, std::size_t length) {
    return {static_cast<double>(from),
            static_cast<double>(to - from) / static_cast<double>(length), length};
}

// Where one component of a part stands: its value and where it next changes.
struct ComponentRun {
    ComponentRamp ramp;
    int value = 0;
    std::size_t next = 0;

    void MoveTo(std::size_t i) {
        value = ramp.At(i);
        next = ramp.NextChange(i, value);
    }
};

// Writes the faded characters one after the other into space made for them.
class FadeWriter {
public:
    explicit FadeWriter(char16_t* out) : out_(out) {}

    // Writes `count` copies of `tag`, each followed by the next of `chars`.
    void Put(const char16_t (&tag)[kTagLength], const char16_t* chars, std::size_t count) {
        PutUnits(out_, tag, chars, count);
        out_ += count * kFadedCharLength;
    }

private:
    static void PutUnits(char16_t* at, const char16_t (&tag)[kTagLength], const char16_t* chars,
                         std::size_t count) {
#if LUMIVANE_SSE2
        // Three 16-byte stores a character: the tag's first eight and next five
        // code units, then its last seven with the character put in the eighth lane.
        const __m128i head = _mm_loadu_si128(reinterpret_cast<const __m128i*>(tag));
        const __m128i middle = _mm_loadu_si128(reinterpret_cast<const __m128i*>(tag + 5));
        const __m128i tail = _mm_loadu_si128(reinterpret_cast<const __m128i*>(tag + 12));
        for (std::size_t k = 0; k < count; ++k, at += kFadedCharLength) {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(at), head);
            _mm_storeu_si128(reinterpret_cast<__m128i*>(at + 5), middle);
            _mm_storeu_si128(
                reinterpret_cast<__m128i*>(at + 13),
                _mm_insert_epi16(_mm_srli_si128(tail, 2), static_cast<short>(chars[k]), 7));
        }
#else
        for (std::size_t k = 0; k < count; ++k, at += kFadedCharLength) {
            std::memcpy(at, tag, sizeof tag);
            at[kTagLength] = chars[k];
        }
#endif
    }

    char16_t* out_;
};

void PutComponent(char16_t* out, int value) {
    // Every value lies between two components, so 0..255; the mask only keeps a
    // damaged value from reading outside the table.
    const HexPair& pair = kHexPairs[static_cast<unsigned>(value) & 0xFFu];
    out[0] = pair[0];
    out[1] = pair[1];
}

// Fades `length` characters from `from` to `to`. Where colours change slowly, the
// tag is made once per run of equal colours; where they change at almost every
// character, each character's colour is simply computed.
void FadeSpan(FadeWriter& writer, const char16_t* chars, std::size_t length,
              Components from, Components to) {
    if (length == 0) return;  // an empty part is never divided
    ComponentRun runs[3] = {{MakeRamp(from.red, to.red, length)},
                            {MakeRamp(from.green, to.green, length)},
                            {MakeRamp(from.blue, to.blue, length)}};
    char16_t tag[kTagLength];
    std::memcpy(tag, kTagOpening, kTagOpeningLength * sizeof(char16_t));
    tag[kTagLength - 1] = u'>';
    char16_t* code = tag + kTagOpeningLength;

    int widest = 0;
    for (const ComponentRun& run : runs) {
        const int change = static_cast<int>(std::abs(run.ramp.step * static_cast<double>(length)));
        if (change > widest) widest = change;
    }
    constexpr std::size_t kShortestRun = 8;  // below this, finding run ends costs more than it saves
    if (length < kShortestRun * static_cast<std::size_t>(widest)) {
        for (std::size_t i = 1; i <= length; ++i) {
            for (int k = 0; k < 3; ++k) PutComponent(code + 2 * k, runs[k].ramp.At(i));
            writer.Put(tag, chars + (i - 1), 1);
        }
        return;
    }

    for (ComponentRun& run : runs) run.MoveTo(1);
    for (std::size_t i = 1; i <= length;) {
        std::size_t runEnd = length + 1;
        for (int k = 0; k < 3; ++k) {
            PutComponent(code + 2 * k, runs[k].value);
            if (runs[k].next < runEnd) runEnd = runs[k].next;
        }
        writer.Put(tag, chars + (i - 1), runEnd - i);
        i = runEnd;
        for (ComponentRun& run : runs) {
            if (run.next == i && i <= length) run.MoveTo(i);
        }
    }
}

Components SplitColor(ColorValue color) { return HexToComponents(ColorToHex(color)); }

}  // namespace

long long RoundHalfEven(double value) {
    // Truncate, then correct to the floor, so the result does not depend on the
    // rounding mode of the floating-point unit.
    auto whole = static_cast<long long>(value);
    double fraction = value - static_cast<double>(whole);
    if (fraction < 0) {
        --whole;
        fraction += 1.0;
    }
    if (fraction > 0.5 || (fraction == 0.5 && (whole & 1) != 0)) ++whole;
    return whole;
}

std::size_t FrontPartLength(std::size_t length) {
    return static_cast<std::size_t>(RoundHalfEven(static_cast<double>(length) / 2.0));
}

std::size_t FadedLineLength(std::size_t prefix, std::size_t textLength) {
    constexpr std::size_t kMost = std::numeric_limits<std::size_t>::max();
    if (textLength > (kMost - prefix) / kFadedCharLength)
        throw std::length_error("the faded text is too long to be held");
    return prefix + kFadedCharLength * textLength;
}

void AppendThreeColorFade(std::u16string& out, ColorValue first, ColorValue second,
                          ColorValue third, std::u16string_view text) {
    const Components a = SplitColor(first);
    const Components b = SplitColor(second);
    const Components c = SplitColor(third);

    const std::size_t front = FrontPartLength(text.size());
    const std::size_t back = text.size() - front;

    const std::size_t at = out.size();
    out.resize(FadedLineLength(at, text.size()));
    FadeWriter writer(out.data() + at);
    FadeSpan(writer, text.data(), front, a, b);
    FadeSpan(writer, text.data() + front, back, b, c);
}

std::u16string ThreeColorFade(ColorValue first, ColorValue second, ColorValue third,
                              std::u16string_view text) {
    std::u16string out;
    AppendThreeColorFade(out, first, second, third, text);
    return out;
}

}  // namespace lumivane
