#include "gradient/markup_forms.h"

namespace lumivane {
namespace {

using EscapeTable = std::array<std::u16string_view, 128>;

EscapeTable MakeHtmlEscapes() {
    EscapeTable table{};
    table[u'&'] = u"&amp;";
    table[u'<'] = u"&lt;";
    table[u'>'] = u"&gt;";
    table[u'"'] = u"&quot;";
    table[u'\''] = u"&#39;";
    return table;
}
const EscapeTable kHtmlEscapes = MakeHtmlEscapes();

EscapeTable MakeMiniMessageEscapes() {
    EscapeTable table{};
    table[u'\\'] = u"\\\\";
    table[u'<'] = u"\\<";
    return table;
}
const EscapeTable kMiniMessageEscapes = MakeMiniMessageEscapes();

// \u00xx with lower-case digits, for the control characters without a short form.
constexpr std::array<std::array<char16_t, 6>, 32> MakeJsonControlEscapes() {
    constexpr char16_t digits[] = u"0123456789abcdef";
    std::array<std::array<char16_t, 6>, 32> escapes{};
    for (int c = 0; c < 32; ++c)
        escapes[c] = {u'\\', u'u', u'0', u'0', digits[c >> 4], digits[c & 0xF]};
    return escapes;
}
constexpr std::array<std::array<char16_t, 6>, 32> kJsonControlEscapes = MakeJsonControlEscapes();

EscapeTable MakeJsonEscapes() {
    EscapeTable table{};
    for (std::size_t c = 0; c < kJsonControlEscapes.size(); ++c)
        table[c] = std::u16string_view(kJsonControlEscapes[c].data(), kJsonControlEscapes[c].size());
    table[u'\b'] = u"\\b";
    table[u'\f'] = u"\\f";
    table[u'\n'] = u"\\n";
    table[u'\r'] = u"\\r";
    table[u'\t'] = u"\\t";
    table[u'"'] = u"\\\"";
    table[u'\\'] = u"\\\\";
    return table;
}
const EscapeTable kJsonEscapes = MakeJsonEscapes();

const MarkupForm kForms[] = {
    // markup, name, line prefix, open, code, middle, close, text first, separator,
    // line suffix, suffix needs runs, escapes
    {Markup::Aol, "aol", u"", u"<Font Color=#", ColorCode::UpperHex, u">", u"", false, u"", u"",
     false, nullptr},
    {Markup::Html, "html", u"", u"<span style=\"color:#", ColorCode::LowerHex, u"\">", u"</span>",
     false, u"", u"", false, &kHtmlEscapes},
    {Markup::Ansi, "ansi", u"", u"\x1b[38;2;", ColorCode::Decimal, u"m", u"", false, u"",
     u"\x1b[0m", true, nullptr},
    {Markup::MiniMessage, "minimessage", u"", u"<#", ColorCode::LowerHex, u">", u"", false, u"",
     u"", false, &kMiniMessageEscapes},
    {Markup::Ampersand, "ampersand", u"", u"&#", ColorCode::UpperHex, u"", u"", false, u"", u"",
     false, nullptr},
    {Markup::Section, "section", u"", u"", ColorCode::Section, u"", u"", false, u"", u"", false,
     nullptr},
    {Markup::BbCode, "bbcode", u"", u"[color=#", ColorCode::UpperHex, u"]", u"[/color]", false,
     u"", u"", false, nullptr},
    {Markup::Json, "json", u"[", u"{\"text\":\"", ColorCode::LowerHex, u"\",\"color\":\"#", u"\"}",
     true, u",", u"]", false, &kJsonEscapes},
};

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

const MarkupForm& FormOf(Markup markup) {
    for (const MarkupForm& form : kForms) {
        if (form.markup == markup) return form;
    }
    return kForms[0];
}

std::optional<Markup> ParseMarkupName(std::string_view name) {
    for (const MarkupForm& form : kForms) {
        if (form.name == name) return form.markup;
    }
    return std::nullopt;
}

std::string_view MarkupName(Markup markup) { return FormOf(markup).name; }

std::size_t ColorCodeLength(ColorCode code) {
    switch (code) {
    case ColorCode::UpperHex:
    case ColorCode::LowerHex: return 6;
    case ColorCode::Decimal: return 11;  // 255;255;255
    case ColorCode::Section: return 14;
    }
    return 0;
}

char16_t* PutColorCode(char16_t* at, ColorCode code, Rgb color) {
    switch (code) {
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
    }
    return at;
}

}  // namespace lumivane
