// Collecting a line in place or in buffers, with the block copies that make writing
// runs fast. Internal to the gradient line writers.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "fade/sse2.h"
#include "gradient/detail/string_growth.h"
#include "gradient/markup.h"

namespace lumivane::detail {

// A fixed piece of a run (an opening, a closing, a separator, the tags with the
// colour code and the styles) of at most kBlock code units, padded so that it is
// always copied as a block of fixed size: much faster than a copy of its exact length.
constexpr std::size_t kBlock = 128;
constexpr std::size_t kMiddleBlock = 48;
constexpr std::size_t kShortBlock = 32;
constexpr std::size_t kLongestColorCode = 14;

// Copies `Units` code units (a multiple of 8): with SSE2 in 16-byte moves, since
// compilers call memcpy for copies of this size.
template <std::size_t Units>
void CopyUnits(char16_t* to, const char16_t* from) {
    static_assert(Units % 8 == 0, "whole 16-byte moves");
#if LUMIVANE_SSE2
    for (std::size_t k = 0; k < Units; k += 8)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + k),
                         _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + k)));
#else
    std::memcpy(to, from, Units * sizeof(char16_t));
#endif
}

struct Block {
    Block() = default;
    explicit Block(std::u16string_view piece) { Append(piece); }
    // Every markup's pieces, colour code included, fit in a block with room to spare.
    void Append(std::u16string_view piece) {
        if (length + piece.size() + kLongestColorCode > kBlock)
            throw std::logic_error("a markup piece longer than a block");
        std::memcpy(units + length, piece.data(), piece.size() * sizeof(char16_t));
        length += piece.size();
    }
    char16_t* PutAt(char16_t* at) const {
        if (length > kMiddleBlock) CopyUnits<kBlock>(at, units);
        else if (length > kShortBlock) CopyUnits<kMiddleBlock>(at, units);
        else if (length > 0) CopyUnits<kShortBlock>(at, units);
        return at + length;
    }
    char16_t units[kBlock] = {};
    std::size_t length = 0;
};

// Tags of at most kStampUnits code units, kept in registers while a stretch of runs
// of one colour is written, and put down whole (some units past their end) each time.
constexpr std::size_t kStampUnits = 24;

struct Stamp {
#if LUMIVANE_SSE2
    explicit Stamp(const char16_t* units)
        : a(_mm_loadu_si128(reinterpret_cast<const __m128i*>(units))),
          b(_mm_loadu_si128(reinterpret_cast<const __m128i*>(units + 8))),
          c(_mm_loadu_si128(reinterpret_cast<const __m128i*>(units + 16))) {}
    void Put(char16_t* at) const {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(at), a);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(at + 8), b);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(at + 16), c);
    }
    __m128i a, b, c;
#else
    explicit Stamp(const char16_t* from) { std::memcpy(units, from, sizeof units); }
    void Put(char16_t* at) const { std::memcpy(at, units, sizeof units); }
    char16_t units[kStampUnits];
#endif
};

// Collects the line and puts it at the end of the string. Buffered, it writes into a
// buffer on the stack and appends that to the string (or hands it to a sink) a buffer
// at a time. Direct, for a line whose length is known beforehand, it grows the string
// once and writes in place, which saves the copy. Either way every block copy has room behind it.
class LineWriter {
public:
    // Room for one run's fixed pieces and one unit of text.
    static constexpr std::size_t kRunRoom = 4 * kBlock + 1;

    // Direct when the line's length is given: it will be exactly that many code units.
    LineWriter(std::u16string& out, std::optional<std::size_t> length)
        : out_(out), start_(out.size()), direct_(length.has_value()) {
        Begin(length);
    }

    // Buffered, each buffer handed to `sink`: the line is never held whole.
    LineWriter(std::u16string& scratch, LineSink& sink)
        : out_(scratch), sink_(&sink), start_(scratch.size()), direct_(false) {
        Begin(std::nullopt);
    }

    LineWriter(const LineWriter&) = delete;
    LineWriter& operator=(const LineWriter&) = delete;

    // At least `units` code units to write at (buffered: at most kRunRoom); Commit
    // says how far.
    char16_t* Room(std::size_t units) {
        if (at_ + units > limit_) {
            if (direct_) Grow(units);
            else Flush();
        }
        return at_;
    }
    void Commit(char16_t* end) { at_ = end; }

    // Text of any length, escaped by `escapes` (none: copied).
    void PutText(std::u16string_view text, const std::array<std::u16string_view, 128>* escapes) {
        if (!escapes) {
            if (direct_ || text.size() <= kRunRoom) {
                char16_t* at = Room(text.size());
                std::memcpy(at, text.data(), text.size() * sizeof(char16_t));
                Commit(at + text.size());
            } else {
                Flush();
                Emit(text);
            }
            return;
        }
        for (char16_t c : text) {
            char16_t* at = Room(kBlock);
            if (c < 0x80 && !(*escapes)[c].empty()) {
                const std::u16string_view escape = (*escapes)[c];
                std::memcpy(at, escape.data(), escape.size() * sizeof(char16_t));
                at += escape.size();
            } else {
                *at++ = c;
            }
            Commit(at);
        }
    }

    // For a loop that writes runs through its own pointer: where to write, how far it
    // may go before it must hand back (kRunRoom short of the end), and the handing back.
    char16_t* Cursor() { return at_; }
    const char16_t* Limit() const { return limit_ - kRunRoom; }
    char16_t* FlushFrom(char16_t* end) {
        Commit(end);
        Flush();
        return at_;
    }

    // Buffered: appends what was written. Direct: makes more room, which only a line
    // longer than its length foretold would need.
    void Flush() {
        if (direct_) {
            Grow(kRunRoom);
            return;
        }
        Emit(std::u16string_view(begin_, static_cast<std::size_t>(at_ - begin_)));
        at_ = begin_;
    }

    // Leaves the string ending with the whole line.
    void Finish() {
        if (direct_) out_.resize(start_ + static_cast<std::size_t>(at_ - begin_));
        else Flush();
    }

private:
    void Begin(std::optional<std::size_t> length) {
        if (direct_) {
            GrowZeroed(out_, *length + kRunRoom);
            begin_ = at_ = out_.data() + start_;
            limit_ = begin_ + *length + kRunRoom;
        } else {
            begin_ = at_ = buffer_;
            limit_ = buffer_ + kCapacity;
        }
    }

    // Direct: at least `units` more code units of room (and a block behind them).
    void Grow(std::size_t units) {
        const std::size_t used = static_cast<std::size_t>(at_ - begin_);
        GrowZeroed(out_, std::max(units, kCapacity) + kRunRoom);
        begin_ = out_.data() + start_;
        at_ = begin_ + used;
        limit_ = out_.data() + out_.size();
    }

    // The sink's pieces, or the end of the string.
    void Emit(std::u16string_view piece) {
        if (sink_) sink_->Put(piece);
        else out_.append(piece.data(), piece.size());
    }

    static constexpr std::size_t kCapacity = 8192;
    std::u16string& out_;
    LineSink* sink_ = nullptr;
    std::size_t start_ = 0;
    bool direct_ = false;
    char16_t* begin_;
    char16_t* at_;
    char16_t* limit_;
    char16_t buffer_[kCapacity + kBlock];  // a block copy may run past what it means
};

}  // namespace lumivane::detail
