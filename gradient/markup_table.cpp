// The one table of markups: each markup's name, the chat it serves, its defaults and
// its form. A new markup is a row here (and its escapes, if it has any).
#include <iterator>
#include <stdexcept>

#include "gradient/detail/markup_forms.h"
#include "gradient/markup.h"

namespace lumivane {
namespace {

using detail::ColorCode;
using detail::CommaTrap;
using detail::DiscordPalette;
using detail::Irc16Palette;
using detail::IrcPalette;
using detail::kHtmlEscapes;
using detail::kJsonEscapes;
using detail::kMiniMessageEscapes;
using detail::MarkupForm;
using detail::StyleForm;
using detail::StylePlace;
using detail::XtermPalette;

struct MarkupRow {
    MarkupInfo info;
    MarkupForm form;
};

// How each markup writes styles.
constexpr StyleForm kNoStyles{StylePlace::LineStart, {}, {}, u"", u"", u"", 0};
constexpr StyleForm kAolStyles{
    StylePlace::LineStart, {u"<b>", u"<i>", u"<u>", u"", u""}, {}, u"", u"", u"", 0};
constexpr StyleForm kHtmlStyles{StylePlace::LineStart,
                                {u"<b>", u"<i>", u"<u>", u"<s>", u""},
                                {u"</b>", u"</i>", u"</u>", u"</s>", u""},
                                u"",
                                u"",
                                u"",
                                0};
constexpr StyleForm kTerminalStyles{
    StylePlace::LineStart, {u"1", u"3", u"4", u"9", u""}, {}, u"\x1b[", u";", u"m", 0};
constexpr StyleForm kMiniMessageStyles{
    StylePlace::LineStart, {u"<b>", u"<i>", u"<u>", u"<st>", u"<obf>"}, {}, u"", u"", u"", 0};
// In the game a colour code resets the styles, so they follow every one.
constexpr StyleForm kAmpersandStyles{
    StylePlace::AfterEveryCode, {u"&l", u"&o", u"&n", u"&m", u"&k"}, {}, u"", u"", u"", 0};
constexpr StyleForm kSectionStyles{StylePlace::AfterEveryCode,
                                   {u"\u00A7l", u"\u00A7o", u"\u00A7n", u"\u00A7m", u"\u00A7k"},
                                   {},
                                   u"",
                                   u"",
                                   u"",
                                   0};
constexpr StyleForm kBbCodeStyles{StylePlace::LineStart,
                                  {u"[b]", u"[i]", u"[u]", u"[s]", u""},
                                  {u"[/b]", u"[/i]", u"[/u]", u"[/s]", u""},
                                  u"",
                                  u"",
                                  u"",
                                  0};
constexpr StyleForm kJsonStyles{StylePlace::AfterEveryCode,
                                {u",\"bold\":true", u",\"italic\":true", u",\"underlined\":true",
                                 u",\"strikethrough\":true", u",\"obfuscated\":true"},
                                {},
                                u"",
                                u"",
                                u"",
                                1};
constexpr StyleForm kIrcStyles{
    StylePlace::LineStart, {u"\x02", u"\x1D", u"\x1F", u"\x1E", u""}, {}, u"", u"", u"", 0};
constexpr StyleForm kDiscordStyles{
    StylePlace::BeforeEveryCode, {u"1;", u"", u"4;", u"", u""}, {}, u"", u"", u"", 0};

constexpr LimitSuggestion kNoLimit{"", 0};
constexpr LimitSuggestion kGameLimit{"Game server chat", 256};
constexpr LimitSuggestion kIrcLimit{"IRC line (leaves room for the prefix)", 400};
constexpr LimitSuggestion kDiscordLimit{"Discord message", 2000};
constexpr std::string_view kTerminalRefusal = "a terminal has no line limit";

// The styles a markup can show and whether it has a palette follow from its form.
constexpr StyleSet kFromForm = 0;
constexpr bool kPaletteFromForm = false;

const MarkupRow kMarkups[] = {
    // markup, name, title, help, help label, example arguments, default blend, unit,
    // takes face, why a limit is refused, common limit;
    // line prefix, open, code, middle, close, text first, separator, line suffix,
    // suffix needs runs, escapes, palette, comma trap, styles
    {{Markup::Aol, "aol", "Desktop chat room (classic)",
      "the desktop chat room's font tags: <Font Color=#RRGGBB>text", "chat room",
      "--face Tahoma 'hello room'", Blend::Legacy, LengthUnit::Utf16, true, "", kNoLimit, kFromForm,
      kPaletteFromForm},
     {u"", u"<Font Color=#", ColorCode::UpperHex, u">", u"", false, u"", u"", false, nullptr,
      nullptr, CommaTrap::None, kAolStyles}},
    {{Markup::Html, "html", "Web page (HTML)",
      "HTML spans: <span style=\"color:#rrggbb\">text</span>", "web page",
      "--format html --colors '#ff8800,#8800ff' hi", Blend::Rgb, LengthUnit::Utf16, false, "",
      kNoLimit, kFromForm, kPaletteFromForm},
     {u"", u"<span style=\"color:#", ColorCode::LowerHex, u"\">", u"</span>", false, u"", u"",
      false, &kHtmlEscapes, nullptr, CommaTrap::None, kHtmlStyles}},
    {{Markup::Ansi, "ansi", "Terminal (24-bit colour)", "24-bit terminal colour escapes",
      "terminal", "--format ansi --blend oklab hi", Blend::Rgb, LengthUnit::Utf16, false,
      kTerminalRefusal, kNoLimit, kFromForm, kPaletteFromForm},
     {u"", u"\x1b[38;2;", ColorCode::Decimal, u"m", u"", false, u"", u"\x1b[0m", true, nullptr,
      nullptr, CommaTrap::None, kTerminalStyles}},
    {{Markup::MiniMessage, "minimessage", "Minecraft (MiniMessage)",
      "MiniMessage tags for game servers: <#rrggbb>text", "game server",
      "--format minimessage --max-length 256 hi", Blend::Rgb, LengthUnit::Utf16, false, "",
      kGameLimit, kFromForm, kPaletteFromForm},
     {u"", u"<#", ColorCode::LowerHex, u">", u"", false, u"", u"", false, &kMiniMessageEscapes,
      nullptr, CommaTrap::None, kMiniMessageStyles}},
    {{Markup::Ampersand, "ampersand", "Minecraft plug-ins (&#RRGGBB)",
      "game server plug-in codes: &#RRGGBBtext", "(plug-ins)",
      "--format ampersand --colors '#55ffff,#ff55ff' hi", Blend::Rgb, LengthUnit::Utf16, false, "",
      kGameLimit, kFromForm, kPaletteFromForm},
     {u"", u"&#", ColorCode::UpperHex, u"", u"", false, u"", u"", false, nullptr, nullptr,
      CommaTrap::None, kAmpersandStyles}},
    {{Markup::Section, "section", "Minecraft (\xC2\xA7 codes)",
      "game server section codes: \xC2\xA7x\xC2\xA7r\xC2\xA7r\xC2\xA7g\xC2\xA7g\xC2\xA7"
      "b\xC2\xA7"
      "btext",
      "(section codes)", "--format section hi", Blend::Rgb, LengthUnit::Utf16, false, "",
      kGameLimit, kFromForm, kPaletteFromForm},
     {u"", u"", ColorCode::Section, u"", u"", false, u"", u"", false, nullptr, nullptr,
      CommaTrap::None, kSectionStyles}},
    {{Markup::BbCode, "bbcode", "Forum (BBCode)", "forum tags: [color=#RRGGBB]text[/color]",
      "forum", "--format bbcode hi", Blend::Rgb, LengthUnit::Utf16, false, "", kNoLimit, kFromForm,
      kPaletteFromForm},
     {u"", u"[color=#", ColorCode::UpperHex, u"]", u"[/color]", false, u"", u"", false, nullptr,
      nullptr, CommaTrap::None, kBbCodeStyles}},
    {{Markup::Json, "json", "Minecraft (JSON text)", "a game server's JSON text components",
      "JSON text", "--format json hi", Blend::Rgb, LengthUnit::Utf16, false, "", kGameLimit,
      kFromForm, kPaletteFromForm},
     {u"[", u"{\"text\":\"", ColorCode::LowerHex, u"\",\"color\":\"#", u"\"}", true, u",", u"]",
      false, &kJsonEscapes, nullptr, CommaTrap::None, kJsonStyles}},
    {{Markup::Irc, "irc", "IRC", "IRC colour codes 00-98, the nearest to each colour", "IRC",
      "--format irc --max-length 400 hi", Blend::Rgb, LengthUnit::Utf8, false, "", kIrcLimit,
      kFromForm, kPaletteFromForm},
     {u"", u"\x03", ColorCode::TwoDigitCode, u"", u"", false, u"", u"", false, nullptr, IrcPalette,
      CommaTrap::Digit, kIrcStyles}},
    {{Markup::Irc16, "irc16", "IRC (16 colours)",
      "IRC colour codes 00-15 only, for clients without the extended colours", "(16 colours)",
      "--format irc16 hi", Blend::Rgb, LengthUnit::Utf8, false, "", kIrcLimit, kFromForm,
      kPaletteFromForm},
     {u"", u"\x03", ColorCode::TwoDigitCode, u"", u"", false, u"", u"", false, nullptr,
      Irc16Palette, CommaTrap::Digit, kIrcStyles}},
    {{Markup::IrcHex, "irchex", "IRC (exact colours)", "IRC hex colour codes: \\x04RRGGBB",
      "(exact colours)", "--format irchex hi", Blend::Rgb, LengthUnit::Utf8, false, "", kIrcLimit,
      kFromForm, kPaletteFromForm},
     {u"", u"\x04", ColorCode::UpperHex, u"", u"", false, u"", u"", false, nullptr, nullptr,
      CommaTrap::HexDigit, kIrcStyles}},
    {{Markup::Discord, "discord", "Discord", "a Discord ansi code block in its 8 colours",
      "Discord", "--format discord --bold hi", Blend::Rgb, LengthUnit::Utf16, false, "",
      kDiscordLimit, kFromForm, kPaletteFromForm},
     {u"```ansi\n", u"\x1b[", ColorCode::ThirtyCode, u"m", u"", false, u"", u"\x1b[0m\n```", false,
      nullptr, DiscordPalette, CommaTrap::None, kDiscordStyles}},
    {{Markup::Ansi256, "ansi256", "Terminal (256 colours)",
      "xterm 256-colour escapes, the nearest of colours 16-255", "(256 colours)",
      "--format ansi256 hi", Blend::Rgb, LengthUnit::Utf16, false, kTerminalRefusal, kNoLimit,
      kFromForm, kPaletteFromForm},
     {u"", u"\x1b[38;5;", ColorCode::DecimalCode, u"m", u"", false, u"", u"\x1b[0m", true, nullptr,
      XtermPalette, CommaTrap::None, kTerminalStyles}},
};

const StyleInfo kStyles[] = {
    {TextStyle::Bold, "bold", "bold text"},
    {TextStyle::Italic, "italic", "italic text"},
    {TextStyle::Underline, "underline", "underlined text"},
    {TextStyle::Strikethrough, "strikethrough", "struck-through text"},
    {TextStyle::Obfuscated, "obfuscated", "the game's scrambled text"},
};

const MarkupRow& RowOf(Markup markup) {
    for (const MarkupRow& row : kMarkups) {
        if (row.info.markup == markup) return row;
    }
    throw std::invalid_argument("a markup that is not in the markup table");
}

}  // namespace

const std::vector<MarkupInfo>& Markups() {
    static const std::vector<MarkupInfo> infos = [] {
        std::vector<MarkupInfo> list;
        for (const MarkupRow& row : kMarkups) {
            MarkupInfo info = row.info;
            for (std::size_t k = 0; k < kStyleCount; ++k)
                if (!row.form.styles.open[k].empty()) info.styles |= 1u << k;
            info.palette = row.form.palette != nullptr;
            list.push_back(info);
        }
        return list;
    }();
    return infos;
}

const std::vector<StyleInfo>& Styles() {
    static const std::vector<StyleInfo> styles(std::begin(kStyles), std::end(kStyles));
    return styles;
}

const MarkupInfo& InfoOf(Markup markup) {
    for (const MarkupInfo& info : Markups())
        if (info.markup == markup) return info;
    throw std::invalid_argument("a markup that is not in the markup table");
}

std::optional<Markup> ParseMarkupName(std::string_view name) {
    for (const MarkupRow& row : kMarkups) {
        if (row.info.name == name) return row.info.markup;
    }
    return std::nullopt;
}

std::string_view MarkupName(Markup markup) { return RowOf(markup).info.name; }

const MarkupForm& detail::FormOf(Markup markup) { return RowOf(markup).form; }

}  // namespace lumivane
