#include <cstring>
#include <stdexcept>

#if defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)
#include <emmintrin.h>
#define LUMIVANE_GRADIENT_SSE2 1
#else
#define LUMIVANE_GRADIENT_SSE2 0
#endif

#include "gradient/markup.h"
#include "gradient/markup_forms.h"

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
#if LUMIVANE_GRADIENT_SSE2
    for (std::size_t k = 0; k < Units; k += 8)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + k),
                         _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + k)));
#else
    std::memcpy(to, from, Units * sizeof(char16_t));
#endif
}

struct Block {
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

// Collects the line in a buffer on the stack and appends it to the string a buffer
// at a time: the string is never filled with zeros first, and every block copy has
// room behind it.
class LineWriter {
public:
    // Room for one run's fixed pieces and one unit of text.
    static constexpr std::size_t kRunRoom = 4 * kBlock + 1;

    explicit LineWriter(std::u16string& out) : out_(out) {}
    ~LineWriter() = default;
    LineWriter(const LineWriter&) = delete;
    LineWriter& operator=(const LineWriter&) = delete;

    // At least `units` (at most kRunRoom) code units to write at; Commit says how far.
    char16_t* Room(std::size_t units) {
        if (used_ + units > kCapacity) Flush();
        return buffer_ + used_;
    }
    void Commit(char16_t* end) { used_ = static_cast<std::size_t>(end - buffer_); }

    // Text of any length, escaped by `escapes` (none: copied).
    void PutText(std::u16string_view text, const std::array<std::u16string_view, 128>* escapes) {
        if (!escapes) {
            if (text.size() <= kRunRoom) {
                char16_t* at = Room(text.size());
                std::memcpy(at, text.data(), text.size() * sizeof(char16_t));
                Commit(at + text.size());
            } else {
                Flush();
                out_.append(text.data(), text.size());
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

    void Flush() {
        out_.append(buffer_, used_);
        used_ = 0;
    }

private:
    static constexpr std::size_t kCapacity = 8192;
    std::u16string& out_;
    std::size_t used_ = 0;
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

}  // namespace

std::size_t EscapedLength(Markup markup, std::u16string_view text) {
    const MarkupForm& form = FormOf(markup);
    if (!form.escapes) return text.size();
    std::size_t length = 0;
    for (char16_t c : text)
        length += c < 0x80 && !(*form.escapes)[c].empty() ? (*form.escapes)[c].size() : 1;
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
    std::size_t length = LinePrefixLength(style, form) + EscapedLength(style.markup, text) +
                         runCount * *runCost;
    if (runCount > 0) length -= form.separator.size();  // one separator fewer than runs
    if (runCount > 0 || !form.suffixNeedsRuns) length += form.lineSuffix.size();
    return length;
}

void AppendMarkupLine(std::u16string& out, const LineStyle& style, std::u16string_view text,
                      const std::vector<ColorRun>& runs) {
    const MarkupForm& form = FormOf(style.markup);
    std::size_t textLength = 0;
    for (const ColorRun& run : runs) {
        if (run.begin > run.end || run.end > text.size())
            throw std::invalid_argument("a coloured run lies outside the text");
        textLength += run.end - run.begin;
    }
    // Grown once: the line is at least this long (escapes and decimal codes aside).
    out.reserve(out.size() + LinePrefixLength(style, form) + textLength +
                runs.size() * (RunTagLength(form) + ColorCodeLength(form.code) + form.separator.size()) +
                form.lineSuffix.size());

    LineWriter writer(out);
    if (style.markup == Markup::Aol && style.face) {
        writer.PutText(kFaceOpening, nullptr);
        writer.PutText(*style.face, nullptr);
        writer.PutText(kFaceClosing, nullptr);
    } else {
        writer.PutText(form.linePrefix, nullptr);
    }

    // The tags on the colour's side of the text are remade only when the colour
    // changes: open + code + middle, or middle + code + close when the text comes first.
    const Block before(form.textFirst ? form.open : u"");
    const Block after(form.textFirst ? u"" : form.close);
    const Block separator(form.separator);
    Block tags(u"");
    Rgb tagColor{};
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const ColorRun& run = runs[i];
        if (i == 0 || run.color != tagColor) {
            tags.length = 0;
            tags.Append(form.textFirst ? form.middle : form.open);
            tags.length = static_cast<std::size_t>(
                PutColorCode(tags.units + tags.length, form.code, run.color) - tags.units);
            tags.Append(form.textFirst ? form.close : form.middle);
            tagColor = run.color;
        }
        char16_t* at = writer.Room(LineWriter::kRunRoom);
        if (i > 0) at = separator.PutAt(at);
        at = form.textFirst ? before.PutAt(at) : tags.PutAt(at);
        const std::size_t length = run.end - run.begin;
        if (length == 1 && (!form.escapes || text[run.begin] >= 0x80 ||
                            (*form.escapes)[text[run.begin]].empty())) {
            *at++ = text[run.begin];  // the common case: one character that needs no escape
        } else if (length > 0) {
            writer.Commit(at);
            writer.PutText(text.substr(run.begin, length), form.escapes);
            at = writer.Room(LineWriter::kRunRoom);
        }
        at = form.textFirst ? tags.PutAt(at) : after.PutAt(at);
        writer.Commit(at);
    }
    if (!runs.empty() || !form.suffixNeedsRuns) writer.PutText(form.lineSuffix, nullptr);
    writer.Flush();
}

}  // namespace lumivane
