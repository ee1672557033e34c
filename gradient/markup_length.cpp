// Lengths of lines in a markup, foretold without writing them.
#include <limits>
#include <stdexcept>

#include "gradient/detail/markup_forms.h"
#include "gradient/markup.h"

namespace lumivane {

using detail::ColorCode;
using detail::FormOf;
using detail::LinePrefixLength;
using detail::MarkupForm;
using detail::RunTagLength;

namespace {

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

}  // namespace

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

}  // namespace lumivane
