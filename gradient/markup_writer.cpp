#include <algorithm>
#include <cstring>
#include <limits>
#include <optional>
#include <stdexcept>
#include <utility>

#include "fade/sse2.h"
#include "gradient/markup.h"
#include "gradient/blends.h"
#include "gradient/grapheme.h"
#include "gradient/markup_forms.h"
#include "gradient/string_growth.h"

namespace lumivane {
namespace {

constexpr std::u16string_view kFaceOpening = u"<font face=\"";
constexpr std::u16string_view kFaceClosing = u"\">";

// A fixed piece of a run (an opening, a closing, a separator, the tags with the
// colour code) of at most kBlock code units, padded so that it is always copied as
// a block of fixed size: much faster than a copy of its exact length.
constexpr std::size_t kBlock = 48;
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
        if (length > kShortBlock) CopyUnits<kBlock>(at, units);
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

std::size_t LinePrefixLength(const LineStyle& style, const MarkupForm& form) {
    if (style.markup == Markup::Aol && style.face)
        return kFaceOpening.size() + style.face->size() + kFaceClosing.size();
    return form.linePrefix.size();
}

// The tags of a run around its text, without the colour code.
std::size_t RunTagLength(const MarkupForm& form) {
    return form.open.size() + form.middle.size() + form.close.size();
}


// Writes a line run by run: the line's prefix first, its suffix at Finish.
class RunWriter {
public:
    // A line of `runCount` runs over `textLength` code units of text; written in place
    // when its exact length is given.
    RunWriter(std::u16string& out, const LineStyle& style, std::size_t textLength,
              std::size_t runCount, std::optional<std::size_t> length)
        : RunWriter(Pieces{}, style, out, length) {
        // Grown once: the line is at least this long (escapes and decimal colour
        // codes aside).
        if (!length) {
            out.reserve(out.size() + LinePrefixLength(style, form_) + textLength +
                        runCount * (RunTagLength(form_) + ColorCodeLength(form_.code) +
                                    form_.separator.size()) +
                        form_.lineSuffix.size());
        }
        WritePrefix(style);
    }

    // A line handed to `sink` a buffer at a time, never held whole.
    RunWriter(std::u16string& scratch, LineSink& sink, const LineStyle& style)
        : RunWriter(Pieces{}, style, scratch, sink) {
        WritePrefix(style);
    }

    // The line's start: the face tag, or the markup's line prefix.
    void WritePrefix(const LineStyle& style) {
        if (style.markup == Markup::Aol && style.face) {
            writer_.PutText(kFaceOpening, nullptr);
            writer_.PutText(*style.face, nullptr);
            writer_.PutText(kFaceClosing, nullptr);
        } else {
            writer_.PutText(form_.linePrefix, nullptr);
        }
    }

    // The colour of the runs that follow. The tags on the colour's side of the text
    // are remade only when it changes: open + code + middle, or middle + code + close
    // when the text comes first.
    void SetColor(Rgb color) {
        if (haveTags_ && color == tagColor_) return;
        tags_.length = 0;
        tags_.Append(form_.textFirst ? form_.middle : form_.open);
        tags_.length = static_cast<std::size_t>(
            PutColorCode(tags_.units + tags_.length, form_.code, color) - tags_.units);
        tags_.Append(form_.textFirst ? form_.close : form_.middle);
        tagColor_ = color;
        haveTags_ = true;
    }

    void Run(const char16_t* text, std::size_t length) {
        char16_t* at = writer_.Room(LineWriter::kRunRoom);
        if (runs_++ > 0) at = separator_.PutAt(at);
        at = form_.textFirst ? before_.PutAt(at) : tags_.PutAt(at);
        if (length == 1 && (!escapes_ || text[0] >= 0x80 || (*escapes_)[text[0]].empty())) {
            *at++ = text[0];  // the common case: one character that needs no escape
        } else if (length > 0) {
            writer_.Commit(at);
            writer_.PutText(std::u16string_view(text, length), escapes_);
            at = writer_.Room(LineWriter::kRunRoom);
        }
        at = form_.textFirst ? tags_.PutAt(at) : after_.PutAt(at);
        writer_.Commit(at);
    }

    // Writes the next `units` units of the text, each a run of the current colour.
    void Stretch(const char16_t* text, UnitWalker& walker, std::size_t& position,
                 std::size_t units) {
        const bool stampable = Stampable();
        while (units > 0) {
            const std::size_t whole = std::min(units, walker.WholeAhead());
            if (stampable && whole > 0) {
                StampWholeUnits(text + position, whole);
                walker.SkipWhole(whole);
                position += whole;
                units -= whole;
                continue;
            }
            const std::size_t next = walker.Next();
            Run(text + position, next - position);
            position = next;
            --units;
        }
    }

    void Finish() {
        if (runs_ > 0 || !form_.suffixNeedsRuns) writer_.PutText(form_.lineSuffix, nullptr);
        writer_.Finish();
    }

private:
    // The markup's pieces, and the writer made from `writerArgs`.
    struct Pieces {};
    template <typename... WriterArgs>
    RunWriter(Pieces, const LineStyle& style, WriterArgs&&... writerArgs)
        : form_(FormOf(style.markup)),
          escapes_(form_.escapes),
          before_(form_.textFirst ? form_.open : u""),
          after_(form_.textFirst ? u"" : form_.close),
          separator_(form_.separator),
          writer_(std::forward<WriterArgs>(writerArgs)...) {}

    // `count` runs of one code unit each, from `text` on: for markups whose run is
    // only tags and text (the classic one among them) the tags stay in registers and
    // each unit costs a few stores.
    void StampWholeUnits(const char16_t* text, std::size_t count) {
        runs_ += count;
        const std::size_t tagLength = tags_.length;
        const std::size_t step = tagLength + 1;
        char16_t* at = writer_.Cursor();
        while (count > 0) {
            if (at > writer_.Limit()) at = writer_.FlushFrom(at);
            std::size_t fit = static_cast<std::size_t>(writer_.Limit() - at) / step + 1;
            if (fit > count) fit = count;
            at = StampUnits(at, text, fit);
            text += fit;
            count -= fit;
        }
        writer_.Commit(at);
    }

    // Writes `count` runs: the tags, then one code unit of `text` each.
    char16_t* StampUnits(char16_t* at, const char16_t* text, std::size_t count) const {
        const std::size_t tagLength = tags_.length;
        const std::size_t step = tagLength + 1;
#if LUMIVANE_SSE2
        // As the classic fade does it: the tags' first eight units, the next eight if
        // there are more than fifteen, and their last seven with the text's unit put
        // in as the eighth lane. Two or three 16-byte stores a run.
        if (tagLength >= 8 && tagLength <= 23) {
            const __m128i head = _mm_loadu_si128(reinterpret_cast<const __m128i*>(tags_.units));
            const __m128i middle = _mm_loadu_si128(reinterpret_cast<const __m128i*>(tags_.units + 8));
            const __m128i tail = _mm_srli_si128(
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(tags_.units + tagLength - 8)), 2);
            const std::size_t tailAt = tagLength - 7;
            if (tagLength > 15) {
                for (std::size_t k = 0; k < count; ++k, at += step) {
                    _mm_storeu_si128(reinterpret_cast<__m128i*>(at), head);
                    _mm_storeu_si128(reinterpret_cast<__m128i*>(at + 8), middle);
                    _mm_storeu_si128(reinterpret_cast<__m128i*>(at + tailAt),
                                     _mm_insert_epi16(tail, text[k], 7));
                }
            } else {
                for (std::size_t k = 0; k < count; ++k, at += step) {
                    _mm_storeu_si128(reinterpret_cast<__m128i*>(at), head);
                    _mm_storeu_si128(reinterpret_cast<__m128i*>(at + tailAt),
                                     _mm_insert_epi16(tail, text[k], 7));
                }
            }
            return at;
        }
#endif
        const Stamp stamp(tags_.units);
        for (std::size_t k = 0; k < count; ++k, at += step) {
            stamp.Put(at);
            at[tagLength] = text[k];
        }
        return at;
    }

    bool Stampable() const {
        return !form_.textFirst && form_.close.empty() && form_.separator.empty() && !escapes_ &&
               tags_.length <= kStampUnits;
    }

    const MarkupForm& form_;
    const std::array<std::u16string_view, 128>* escapes_;
    const Block before_, after_, separator_;
    Block tags_;
    Rgb tagColor_{};
    bool haveTags_ = false;
    std::size_t runs_ = 0;
    LineWriter writer_;
};

}  // namespace

// Sums and products of line lengths, refused where they would wrap around: in a
// 32-bit build a text of a few hundred million characters would otherwise foretell
// a short line.
std::size_t AddLengths(std::size_t a, std::size_t b) {
    if (b > std::numeric_limits<std::size_t>::max() - a)
        throw std::length_error("the line is too long to be held");
    return a + b;
}

std::size_t MultiplyLength(std::size_t count, std::size_t each) {
    if (each != 0 && count > std::numeric_limits<std::size_t>::max() / each)
        throw std::length_error("the line is too long to be held");
    return count * each;
}

std::size_t EscapedLength(Markup markup, std::u16string_view text) {
    const MarkupForm& form = FormOf(markup);
    if (!form.escapes) return text.size();
    std::size_t length = 0;
    for (char16_t c : text) {
        const std::size_t units =
            c < 0x80 && !(*form.escapes)[c].empty() ? (*form.escapes)[c].size() : 1;
        length = AddLengths(length, units);
    }
    return length;
}

std::optional<std::size_t> MarkupRunCost(Markup markup) {
    const MarkupForm& form = FormOf(markup);
    if (form.code == ColorCode::Decimal) return std::nullopt;
    return RunTagLength(form) + ColorCodeLength(form.code) + form.separator.size();
}

std::size_t MarkupLineLength(const LineStyle& style, std::u16string_view text,
                             std::size_t runCount) {
    const std::optional<std::size_t> runCost = MarkupRunCost(style.markup);
    if (!runCost) throw std::invalid_argument("a line in this markup has no fixed length per run");
    const MarkupForm& form = FormOf(style.markup);
    std::size_t length = AddLengths(AddLengths(LinePrefixLength(style, form),
                                               EscapedLength(style.markup, text)),
                                    MultiplyLength(runCount, *runCost));
    if (runCount > 0) length -= form.separator.size();  // one separator fewer than runs
    if (runCount > 0 || !form.suffixNeedsRuns) length = AddLengths(length, form.lineSuffix.size());
    return length;
}

void AppendMarkupLine(std::u16string& out, const LineStyle& style, std::u16string_view text,
                      const std::vector<ColorRun>& runs) {
    std::size_t textLength = 0;
    for (const ColorRun& run : runs) {
        if (run.begin > run.end || run.end > text.size())
            throw std::invalid_argument("a coloured run lies outside the text");
        textLength += run.end - run.begin;
    }
    RunWriter writer(out, style, textLength, runs.size(), std::nullopt);
    for (const ColorRun& run : runs) {
        writer.SetColor(run.color);
        writer.Run(text.data() + run.begin, run.end - run.begin);
    }
    writer.Finish();
}

namespace {

// Writes every stretch of equal colour, unit by unit, and ends the line.
void WriteStretches(RunWriter& writer, std::u16string_view text, bool codeUnits,
                    const StretchList& stretches) {
    UnitWalker walker(text, codeUnits);
    std::size_t position = 0;
    for (const ColorStretch& stretch : stretches.Stretches()) {
        writer.SetColor(stretch.color);
        writer.Stretch(text.data(), walker, position, stretch.units);
    }
    writer.Finish();
}

}  // namespace

void AppendGradientLine(std::u16string& out, const LineStyle& style, std::u16string_view text,
                        const std::vector<ColorValue>& colors, Blend blend) {
    const bool codeUnits = blend == Blend::Legacy;
    const std::size_t units = codeUnits ? text.size() : CountGraphemeClusters(text);
    const StretchList stretches = GradientStretches(colors, blend, units);
    // Where the line's length follows from the text (every markup but the terminal's,
    // whose colour codes vary in length), it is written in place.
    std::optional<std::size_t> length;
    if (MarkupRunCost(style.markup)) length = MarkupLineLength(style, text, units);
    RunWriter writer(out, style, text.size(), units, length);
    WriteStretches(writer, text, codeUnits, stretches);
}

void WriteGradientLine(LineSink& sink, const LineStyle& style, std::u16string_view text,
                       const std::vector<ColorValue>& colors, Blend blend) {
    const bool codeUnits = blend == Blend::Legacy;
    const std::size_t units = codeUnits ? text.size() : CountGraphemeClusters(text);
    const StretchList stretches = GradientStretches(colors, blend, units);
    std::u16string unused;
    RunWriter writer(unused, sink, style);
    WriteStretches(writer, text, codeUnits, stretches);
}

}  // namespace lumivane
