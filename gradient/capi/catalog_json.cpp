// The engine's lists as one JSON document, the catalog a page builds its controls from.
// Each list is one function here; a list the engine gains is one more function and one
// more line in Catalog().
#include <optional>
#include <string>

#include "gradient/capi/json_writer.h"
#include "gradient/capi/lumivane.h"
#include "gradient/markup.h"
#include "gradient/presets.h"
#include "gradient/request_options.h"

namespace lumivane::capi {
namespace {

void OptionalString(JsonWriter& json, const std::optional<std::string>& text) {
    if (text) json.String(*text);
    else json.Null();
}

std::string_view UnitName(LengthUnit unit) { return unit == LengthUnit::Utf8 ? "utf8" : "utf16"; }

void MarkupList(JsonWriter& json) {
    json.BeginArray();
    for (const MarkupInfo& markup : Markups()) {
        json.BeginObject();
        json.Key("name");
        json.String(markup.name);
        json.Key("title");
        json.String(markup.title);
        json.Key("help");
        json.String(markup.help);
        json.Key("unit");
        json.String(UnitName(markup.unit));
        json.Key("defaultBlend");
        json.String(BlendName(markup.defaultBlend));
        json.Key("runCost");
        if (const auto cost = MarkupRunCost(markup.markup)) json.Number(*cost);
        else json.Null();
        json.Key("takesFace");
        json.Bool(markup.takesFace);
        json.Key("takesLimit");
        json.Bool(markup.limitRefusal.empty());
        json.Key("styles");
        json.BeginArray();
        for (const StyleInfo& style : Styles())
            if (markup.styles & StyleBit(style.style)) json.String(style.name);
        json.EndArray();
        if (markup.limit.value > 0) {
            json.Key("limits");
            json.BeginArray();
            json.BeginObject();
            json.Key("label");
            json.String(markup.limit.label);
            json.Key("value");
            json.Number(markup.limit.value);
            json.EndObject();
            json.EndArray();
        }
        json.EndObject();
    }
    json.EndArray();
}

void BlendList(JsonWriter& json) {
    json.BeginArray();
    for (const BlendInfo& blend : Blends()) {
        json.BeginObject();
        json.Key("name");
        json.String(blend.name);
        json.Key("help");
        json.String(blend.help);
        json.Key("hue");
        json.Bool(blend.takesHue);
        json.EndObject();
    }
    json.EndArray();
}

void OptionList(JsonWriter& json) {
    json.BeginArray();
    for (const RequestOptionInfo& option : RequestOptions()) {
        json.BeginObject();
        json.Key("name");
        json.String(option.name);
        json.Key("value");
        if (option.valueName.empty()) json.Null();
        else json.String(option.valueName);
        json.Key("default");
        OptionalString(json, RequestOptionDefault(option.name));
        json.Key("help");
        json.String(RequestOptionHelp(option.name));
        json.EndObject();
    }
    json.EndArray();
}

void StyleList(JsonWriter& json) {
    json.BeginArray();
    for (const StyleInfo& style : Styles()) {
        json.BeginObject();
        json.Key("name");
        json.String(style.name);
        json.Key("help");
        json.String(style.help);
        json.EndObject();
    }
    json.EndArray();
}

void HueList(JsonWriter& json) {
    json.BeginArray();
    for (const HuePath hue : kHuePaths) {
        json.BeginObject();
        json.Key("name");
        json.String(HuePathName(hue));
        json.Key("help");
        json.String(HuePathHelp(hue));
        json.EndObject();
    }
    json.EndArray();
}

void PresetList(JsonWriter& json) {
    static const char digits[] = "0123456789abcdef";
    json.BeginArray();
    for (const Preset& preset : Presets()) {
        json.BeginObject();
        json.Key("name");
        json.String(preset.name);
        json.Key("colors");
        json.BeginArray();
        for (const ColorValue color : preset.colors) {
            const auto value = static_cast<unsigned>(color);
            std::string hex = "#";
            for (const unsigned channel :
                 {value & 0xFFu, (value >> 8) & 0xFFu, (value >> 16) & 0xFFu})
                hex += {digits[channel >> 4], digits[channel & 0xF]};
            json.String(hex);
        }
        json.EndArray();
        json.Key("blend");
        if (preset.blend) json.String(BlendName(*preset.blend));
        else json.Null();
        json.Key("hue");
        if (preset.hue) json.String(HuePathName(*preset.hue));
        else json.Null();
        json.EndObject();
    }
    json.EndArray();
}

std::string Catalog() {
    JsonWriter json;
    json.BeginObject();
    json.Key("version");
    json.String(lumivane_version_string());
    json.Key("markups");
    MarkupList(json);
    json.Key("blends");
    BlendList(json);
    json.Key("styles");
    StyleList(json);
    json.Key("hues");
    HueList(json);
    json.Key("presets");
    PresetList(json);
    json.Key("options");
    OptionList(json);
    json.EndObject();
    return json.Text();
}

}  // namespace
}  // namespace lumivane::capi

extern "C" const char* lumivane_catalog_json(void) {
    try {
        // Made once; a first call that runs out of memory leaves it to the next.
        static const std::string catalog = lumivane::capi::Catalog();
        return catalog.c_str();
    } catch (...) {
        return nullptr;
    }
}
