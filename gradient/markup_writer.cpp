#include <cstring>
#include <stdexcept>

#include "gradient/markup.h"
#include "gradient/markup_forms.h"

namespace lumivane {
namespace {

constexpr std::u16string_view kFaceOpening = u"<font face=\"";
constexpr std::u16string_view kFaceClosing = u"\">";

char16_t* Put(char16_t* at, std::u16string_view piece) {
    if (!piece.empty()) std::memcpy(at, piece.data(), piece.size() * sizeof(char16_t));
    return at + piece.size();
}

char16_t* PutText(char16_t* at, const MarkupForm& form, std::u16string_view text) {
    if (!form.escapes) return Put(at, text);
    const auto& escapes = *form.escapes;
    for (char16_t c : text) {
        if (c < 0x80 && !escapes[c].empty()) at = Put(at, escapes[c]);
        else *at++ = c;
    }
    return at;
}

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
        const std::u16string_view part = text.substr(run.begin, run.end - run.begin);
        textLength += form.escapes ? EscapedLength(style.markup, part) : part.size();
    }
    // Room for the longest line these runs can make; cut to what was written at the end.
    const std::size_t codeLength = ColorCodeLength(form.code);
    const std::size_t most = LinePrefixLength(style, form) + textLength +
                             runs.size() * (RunTagLength(form) + codeLength + form.separator.size()) +
                             form.lineSuffix.size();
    const std::size_t start = out.size();
    out.resize(start + most);
    char16_t* at = out.data() + start;

    if (style.markup == Markup::Aol && style.face) {
        at = Put(at, kFaceOpening);
        at = Put(at, *style.face);
        at = Put(at, kFaceClosing);
    } else {
        at = Put(at, form.linePrefix);
    }

    // The tags on the colour's side of the text, remade only when the colour changes:
    // open + code + middle, or middle + code + close when the text comes first.
    char16_t tags[64];
    std::size_t tagsLength = 0;
    Rgb tagColor{};
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const ColorRun& run = runs[i];
        if (i > 0) at = Put(at, form.separator);
        if (tagsLength == 0 || run.color != tagColor) {
            char16_t* end = Put(tags, form.textFirst ? form.middle : form.open);
            end = PutColorCode(end, form.code, run.color);
            end = Put(end, form.textFirst ? form.close : form.middle);
            tagsLength = static_cast<std::size_t>(end - tags);
            tagColor = run.color;
        }
        const std::u16string_view part = text.substr(run.begin, run.end - run.begin);
        if (form.textFirst) {
            at = Put(at, form.open);
            at = PutText(at, form, part);
            at = Put(at, std::u16string_view(tags, tagsLength));
        } else {
            at = Put(at, std::u16string_view(tags, tagsLength));
            at = PutText(at, form, part);
            at = Put(at, form.close);
        }
    }
    if (!runs.empty() || !form.suffixNeedsRuns) at = Put(at, form.lineSuffix);
    out.resize(static_cast<std::size_t>(at - out.data()));
}

}  // namespace lumivane
