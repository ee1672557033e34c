#include "gradient/detail/markup_forms.h"

#include <algorithm>

namespace lumivane::detail {
namespace {

EscapeTable MakeHtmlEscapes() {
    EscapeTable table{};
    table[u'&'] = u"&amp;";
    table[u'<'] = u"&lt;";
    table[u'>'] = u"&gt;";
    table[u'"'] = u"&quot;";
    table[u'\''] = u"&#39;";
    return table;
}

EscapeTable MakeMiniMessageEscapes() {
    EscapeTable table{};
    table[u'\\'] = u"\\\\";
    table[u'<'] = u"\\<";
    return table;
}

// \u00xx with lower-case digits, for the control characters without a short form.
constexpr std::array<std::array<char16_t, 6>, 32> MakeJsonControlEscapes() {
    constexpr char16_t digits[] = u"0123456789abcdef";
    std::array<std::array<char16_t, 6>, 32> escapes{};
    for (std::size_t c = 0; c < 32; ++c)
        escapes[c] = {u'\\', u'u', u'0', u'0', digits[c >> 4], digits[c & 0xF]};
    return escapes;
}
constexpr std::array<std::array<char16_t, 6>, 32> kJsonControlEscapes = MakeJsonControlEscapes();

EscapeTable MakeJsonEscapes() {
    EscapeTable table{};
    for (std::size_t c = 0; c < kJsonControlEscapes.size(); ++c)
        table[c] =
            std::u16string_view(kJsonControlEscapes[c].data(), kJsonControlEscapes[c].size());
    table[u'\b'] = u"\\b";
    table[u'\f'] = u"\\f";
    table[u'\n'] = u"\\n";
    table[u'\r'] = u"\\r";
    table[u'\t'] = u"\\t";
    table[u'"'] = u"\\\"";
    table[u'\\'] = u"\\\\";
    return table;
}

constexpr char16_t kUpperDigits[] = u"0123456789ABCDEF";
constexpr char16_t kLowerDigits[] = u"0123456789abcdef";

char16_t* PutHex(char16_t* at, const char16_t* digits, Rgb color) {
    for (std::uint8_t channel : {color.red, color.green, color.blue}) {
        *at++ = digits[channel >> 4];
        *at++ = digits[channel & 0xF];
    }
    return at;
}

char16_t* PutDecimal(char16_t* at, std::uint8_t value) {
    if (value >= 100) *at++ = static_cast<char16_t>(u'0' + value / 100);
    if (value >= 10) *at++ = static_cast<char16_t>(u'0' + value / 10 % 10);
    *at++ = static_cast<char16_t>(u'0' + value % 10);
    return at;
}

}  // namespace

const EscapeTable kHtmlEscapes = MakeHtmlEscapes();
const EscapeTable kMiniMessageEscapes = MakeMiniMessageEscapes();
const EscapeTable kJsonEscapes = MakeJsonEscapes();

std::size_t ColorCodeLength(ColorCode code) {
    switch (code) {
    case ColorCode::UpperHex:
    case ColorCode::LowerHex: return 6;
    case ColorCode::Decimal: return 11;  // 255;255;255
    case ColorCode::Section: return 14;
    case ColorCode::TwoDigitCode:
    case ColorCode::ThirtyCode: return 2;
    case ColorCode::DecimalCode: return 3;  // at most
    }
    return 0;
}

char16_t* PutColorCode(char16_t* at, const MarkupForm& form, Rgb color) {
    switch (form.code) {
    case ColorCode::UpperHex: return PutHex(at, kUpperDigits, color);
    case ColorCode::LowerHex: return PutHex(at, kLowerDigits, color);
    case ColorCode::Decimal:
        at = PutDecimal(at, color.red);
        *at++ = u';';
        at = PutDecimal(at, color.green);
        *at++ = u';';
        return PutDecimal(at, color.blue);
    case ColorCode::Section: {
        char16_t hex[6];
        PutHex(hex, kLowerDigits, color);
        *at++ = u'\u00A7';
        *at++ = u'x';
        for (char16_t digit : hex) {
            *at++ = u'\u00A7';
            *at++ = digit;
        }
        return at;
    }
    case ColorCode::TwoDigitCode: {
        const int code = PaletteCode(form.palette(), color);
        *at++ = static_cast<char16_t>(u'0' + code / 10);
        *at++ = static_cast<char16_t>(u'0' + code % 10);
        return at;
    }
    case ColorCode::ThirtyCode:
    case ColorCode::DecimalCode:
        return PutDecimal(at, static_cast<std::uint8_t>(PaletteCode(form.palette(), color)));
    }
    return at;
}

bool StartsWithTrap(CommaTrap trap, std::u16string_view text) {
    if (trap == CommaTrap::None || text.size() < 2 || text[0] != u',') return false;
    const char16_t next = text[1];
    const bool digit = next >= u'0' && next <= u'9';
    if (trap == CommaTrap::Digit) return digit;
    return digit || (next >= u'a' && next <= u'f') || (next >= u'A' && next <= u'F');
}

LinePieces PiecesOf(const LineStyle& style, const MarkupForm& form) {
    LinePieces pieces;
    if (style.markup == Markup::Aol && style.face) {
        pieces.start.append(kFaceOpening).append(*style.face).append(kFaceClosing);
    } else {
        pieces.start.append(form.linePrefix);
    }
    const StyleForm& styles = form.styles;
    std::u16string opened, closed;
    bool first = true;
    for (std::size_t k = 0; k < kStyleCount; ++k) {
        if (!(style.styles & (1u << k)) || styles.open[k].empty()) continue;
        if (!first) opened.append(styles.groupSeparator);
        opened.append(styles.open[k]);
        closed.insert(0, styles.close[k]);
        first = false;
    }
    if (!first)
        opened = std::u16string(styles.groupOpen) + opened + std::u16string(styles.groupClose);
    if (styles.place != StylePlace::LineStart) {
        pieces.codeStyles = opened;
    } else if (form.suffixNeedsRuns) {
        pieces.startWithRuns = opened;  // a terminal line without runs stays empty
    } else {
        pieces.start += opened;
    }
    (form.suffixNeedsRuns ? pieces.endWithRuns : pieces.endAlways) =
        closed + std::u16string(form.lineSuffix);
    return pieces;
}

std::u16string ColorTags(const MarkupForm& form, const LinePieces& pieces, Rgb color) {
    char16_t code[16];
    const std::u16string_view codeText(
        code, static_cast<std::size_t>(PutColorCode(code, form, color) - code));
    const std::u16string_view before = form.textFirst ? form.middle : form.open;
    std::u16string_view after = form.textFirst ? form.close : form.middle;
    std::u16string tags(before);
    if (form.styles.place == StylePlace::BeforeEveryCode) tags += pieces.codeStyles;
    tags += codeText;
    if (form.styles.place == StylePlace::AfterEveryCode) {
        const std::size_t skip = std::min(form.styles.afterCodeSkip, after.size());
        tags.append(after.substr(0, skip)).append(pieces.codeStyles);
        after.remove_prefix(skip);
    }
    return tags.append(after);
}

}  // namespace lumivane::detail
