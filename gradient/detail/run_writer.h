// Writing a line run by run in a markup's form. Internal to the gradient line writers.
#pragma once

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "gradient/detail/line_writer.h"
#include "gradient/detail/markup_forms.h"
#include "gradient/grapheme.h"
#include "gradient/markup.h"

namespace lumivane::detail {

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
            out.reserve(out.size() + pieces_.start.size() + pieces_.startWithRuns.size() +
                        textLength +
                        runCount * (form_.open.size() + form_.middle.size() + form_.close.size() +
                                    ColorCodeLength(form_.code) + pieces_.codeStyles.size() +
                                    form_.separator.size()) +
                        pieces_.endWithRuns.size() + pieces_.endAlways.size());
        }
        WritePrefix();
    }

    // A line handed to `sink` a buffer at a time, never held whole.
    RunWriter(std::u16string& scratch, LineSink& sink, const LineStyle& style)
        : RunWriter(Pieces{}, style, scratch, sink) {
        WritePrefix();
    }

    // The line's start: the face tag or the markup's line prefix, and the styles
    // written once.
    void WritePrefix() { writer_.PutText(pieces_.start, nullptr); }

    // The colour of the runs that follow. The tags on the colour's side of the text
    // are remade only when it changes: open + code + middle, or middle + code + close
    // when the text comes first, with the styles of every code in place.
    void SetColor(Rgb color) {
        if (haveTags_ && color == tagColor_) return;
        tags_.length = 0;
        tags_.Append(ColorTags(form_, pieces_, color));
        tagColor_ = color;
        haveTags_ = true;
    }

    void Run(const char16_t* text, std::size_t length) {
        if (runs_ == 0 && !pieces_.startWithRuns.empty())
            writer_.PutText(pieces_.startWithRuns, nullptr);
        char16_t* at = writer_.Room(LineWriter::kRunRoom);
        if (runs_++ > 0) at = separator_.PutAt(at);
        at = form_.textFirst ? before_.PutAt(at) : tags_.PutAt(at);
        if (form_.commaTrap != CommaTrap::None &&
            StartsWithTrap(form_.commaTrap, std::u16string_view(text, length))) {
            *at++ = kTrapGuard[0];
            *at++ = kTrapGuard[1];
        }
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

    // Writes `units` units of the text, from `position` on, as one run of the current
    // colour: how a palette markup writes a stretch of one palette colour.
    void WholeStretch(const char16_t* text, UnitWalker& walker, std::size_t& position,
                      std::size_t units) {
        std::size_t end = position;
        while (units > 0) {
            // Through plain text the walker only counts.
            const std::size_t whole = std::min(units, walker.WholeAhead());
            if (whole > 0) {
                walker.SkipWhole(whole);
                end += whole;
                units -= whole;
            } else {
                end = walker.Next();
                --units;
            }
        }
        Run(text + position, end - position);
        position = end;
    }

    void Finish() {
        if (runs_ > 0) writer_.PutText(pieces_.endWithRuns, nullptr);
        writer_.PutText(pieces_.endAlways, nullptr);
        writer_.Finish();
    }

private:
    // The markup's pieces, and the writer made from `writerArgs`.
    struct Pieces {};
    template <typename... WriterArgs>
    RunWriter(Pieces, const LineStyle& style, WriterArgs&&... writerArgs)
        : form_(FormOf(style.markup)),
          pieces_(PiecesOf(style, form_)),
          escapes_(form_.escapes),
          before_(form_.textFirst ? form_.open : u""),
          after_(form_.textFirst ? u"" : form_.close),
          separator_(form_.separator),
          writer_(std::forward<WriterArgs>(writerArgs)...) {}

    // `count` runs of one code unit each, from `text` on: for markups whose run is
    // only tags and text (the classic one among them) the tags stay in registers and
    // each unit costs a few stores.
    void StampWholeUnits(const char16_t* text, std::size_t count) {
        if (runs_ == 0 && !pieces_.startWithRuns.empty())
            writer_.PutText(pieces_.startWithRuns, nullptr);
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
            const __m128i middle =
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(tags_.units + 8));
            const __m128i tail = _mm_srli_si128(
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(tags_.units + tagLength - 8)), 2);
            const std::size_t tailAt = tagLength - 7;
            if (tagLength > 15) {
                for (std::size_t k = 0; k < count; ++k, at += step) {
                    _mm_storeu_si128(reinterpret_cast<__m128i*>(at), head);
                    _mm_storeu_si128(reinterpret_cast<__m128i*>(at + 8), middle);
                    _mm_storeu_si128(reinterpret_cast<__m128i*>(at + tailAt),
                                     _mm_insert_epi16(tail, static_cast<short>(text[k]), 7));
                }
            } else {
                for (std::size_t k = 0; k < count; ++k, at += step) {
                    _mm_storeu_si128(reinterpret_cast<__m128i*>(at), head);
                    _mm_storeu_si128(reinterpret_cast<__m128i*>(at + tailAt),
                                     _mm_insert_epi16(tail, static_cast<short>(text[k]), 7));
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
    const LinePieces pieces_;
    const std::array<std::u16string_view, 128>* escapes_;
    const Block before_, after_, separator_;
    Block tags_;
    Rgb tagColor_{};
    bool haveTags_ = false;
    std::size_t runs_ = 0;
    LineWriter writer_;
};

}  // namespace lumivane::detail
