// The one table of markups: each markup's name, the chat it serves, its defaults and
// its form. A new markup is a row here (and its escapes, if it has any).
#include <stdexcept>

#include "gradient/detail/markup_forms.h"
#include "gradient/markup.h"

namespace lumivane {
namespace {

using detail::ColorCode;
using detail::MarkupForm;

struct MarkupRow {
    MarkupInfo info;
    MarkupForm form;
};

const MarkupRow kMarkups[] = {
    // markup, name, title, help, help label, example arguments, default blend, unit,
    // takes face, why a limit is refused, common limit;
    // line prefix, open, code, middle, close, text first, separator, line suffix,
    // suffix needs runs, escapes
    {{Markup::Aol, "aol", "Desktop chat room (classic)",
      "the desktop chat room's font tags: <Font Color=#RRGGBB>text", "chat room",
      "--face Tahoma 'hello room'", Blend::Legacy, LengthUnit::Utf16, true, "", {"", 0}},
     {u"", u"<Font Color=#", ColorCode::UpperHex, u">", u"", false, u"", u"", false, nullptr}},
    {{Markup::Html, "html", "Web page (HTML)",
      "HTML spans: <span style=\"color:#rrggbb\">text</span>", "web page", "--format html --colors '#ff8800,#8800ff' hi",
      Blend::Rgb, LengthUnit::Utf16, false, "", {"", 0}},
     {u"", u"<span style=\"color:#", ColorCode::LowerHex, u"\">", u"</span>", false, u"", u"", false,
      &detail::kHtmlEscapes}},
    {{Markup::Ansi, "ansi", "Terminal (24-bit colour)",
      "24-bit terminal colour escapes", "terminal", "--format ansi --blend oklab hi",
      Blend::Rgb, LengthUnit::Utf16, false,
      "a terminal has no line limit", {"", 0}},
     {u"", u"\x1b[38;2;", ColorCode::Decimal, u"m", u"", false, u"", u"\x1b[0m", true, nullptr}},
    {{Markup::MiniMessage, "minimessage", "Minecraft (MiniMessage)",
      "MiniMessage tags for game servers: <#rrggbb>text", "game server",
      "--format minimessage --max-length 256 hi", Blend::Rgb, LengthUnit::Utf16, false, "", {"Game server chat", 256}},
     {u"", u"<#", ColorCode::LowerHex, u">", u"", false, u"", u"", false,
      &detail::kMiniMessageEscapes}},
    {{Markup::Ampersand, "ampersand", "Minecraft plug-ins (&#RRGGBB)",
      "game server plug-in codes: &#RRGGBBtext", "(plug-ins)",
      "--format ampersand --colors '#55ffff,#ff55ff' hi", Blend::Rgb, LengthUnit::Utf16, false,
      "", {"Game server chat", 256}},
     {u"", u"&#", ColorCode::UpperHex, u"", u"", false, u"", u"", false, nullptr}},
    {{Markup::Section, "section", "Minecraft (\xC2\xA7 codes)",
      "game server section codes: \xC2\xA7x\xC2\xA7r\xC2\xA7r\xC2\xA7g\xC2\xA7g\xC2\xA7" "b\xC2\xA7" "btext",
      "(section codes)",
      "--format section hi", Blend::Rgb, LengthUnit::Utf16, false, "", {"Game server chat", 256}},
     {u"", u"", ColorCode::Section, u"", u"", false, u"", u"", false, nullptr}},
    {{Markup::BbCode, "bbcode", "Forum (BBCode)",
      "forum tags: [color=#RRGGBB]text[/color]", "forum", "--format bbcode hi", Blend::Rgb,
      LengthUnit::Utf16, false, "", {"", 0}},
     {u"", u"[color=#", ColorCode::UpperHex, u"]", u"[/color]", false, u"", u"", false, nullptr}},
    {{Markup::Json, "json", "Minecraft (JSON text)",
      "a game server's JSON text components", "JSON text", "--format json hi", Blend::Rgb,
      LengthUnit::Utf16, false, "", {"Game server chat", 256}},
     {u"[", u"{\"text\":\"", ColorCode::LowerHex, u"\",\"color\":\"#", u"\"}", true, u",", u"]",
      false, &detail::kJsonEscapes}},
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
        for (const MarkupRow& row : kMarkups) list.push_back(row.info);
        return list;
    }();
    return infos;
}

const MarkupInfo& InfoOf(Markup markup) { return RowOf(markup).info; }

std::optional<Markup> ParseMarkupName(std::string_view name) {
    for (const MarkupRow& row : kMarkups) {
        if (row.info.name == name) return row.info.markup;
    }
    return std::nullopt;
}

std::string_view MarkupName(Markup markup) { return RowOf(markup).info.name; }

const MarkupForm& detail::FormOf(Markup markup) { return RowOf(markup).form; }

}  // namespace lumivane
