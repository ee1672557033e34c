// The catalog JSON: well formed, escaped, and every list exactly the engine's table.
#include <gtest/gtest.h>

#include <string>

#include "gradient/capi/json_writer.h"
#include "gradient/capi/lumivane.h"
#include "gradient/markup.h"
#include "gradient/request_options.h"
#include "gradient/utf8.h"
#include "tests/capi/json_reader.h"

namespace lumivane {
namespace {

using test::JsonReader;
using test::JsonValue;
using Kind = JsonValue::Kind;

JsonValue Catalog() {
    const char* json = lumivane_catalog_json();
    EXPECT_NE(json, nullptr);
    const auto catalog = JsonReader::Read(json ? json : "");
    EXPECT_TRUE(catalog.has_value()) << json;
    return catalog.value_or(JsonValue{});
}

// The value at `key`, which must be there with the kind given.
const JsonValue& Field(const JsonValue& object, std::string_view key, Kind kind) {
    static const JsonValue missing;
    const JsonValue* value = object.Member(key);
    EXPECT_NE(value, nullptr) << key;
    if (!value) return missing;
    EXPECT_EQ(value->kind, kind) << key;
    return *value;
}

TEST(CapiCatalogJson, StringsComeBackAsTheyWentIn) {
    const std::string texts[] = {
        "",
        "plain",
        "quote \" and backslash \\",
        "\b\f\n\r\t",
        std::string("\x00\x01\x1f", 3),
        "\x7f",  // DEL needs no escape
        "Minecraft (\xC2\xA7 codes)",
        "emoji \xF0\x9F\x98\x80",
        "</script>",
    };
    for (const std::string& text : texts) {
        const std::string json = capi::JsonString(text);
        const auto read = JsonReader::Read(json);
        ASSERT_TRUE(read.has_value()) << json;
        EXPECT_EQ(read->text, text) << json;
    }
}

TEST(CapiCatalogJson, IsOneUtf8DocumentWithEveryList) {
    const char* json = lumivane_catalog_json();
    ASSERT_NE(json, nullptr);
    EXPECT_EQ(json, lumivane_catalog_json()) << "made once, owned by the library";
    EXPECT_TRUE(Utf8ToUtf16(json).has_value());
    const JsonValue catalog = Catalog();
    ASSERT_EQ(catalog.kind, Kind::Object);
    EXPECT_EQ(Field(catalog, "version", Kind::String).text, lumivane_version_string());
    for (const char* list : {"markups", "blends", "styles", "hues", "presets", "options"})
        Field(catalog, list, Kind::Array);
}

TEST(CapiCatalogJson, MarkupsAreTheMarkupTable) {
    const JsonValue catalog = Catalog();
    const JsonValue& markups = Field(catalog, "markups", Kind::Array);
    ASSERT_EQ(markups.items.size(), Markups().size());
    for (std::size_t i = 0; i < markups.items.size(); ++i) {
        const JsonValue& json = markups.items[i];
        const MarkupInfo& info = Markups()[i];
        SCOPED_TRACE(std::string(info.name));
        EXPECT_EQ(Field(json, "name", Kind::String).text, info.name);
        EXPECT_EQ(Field(json, "title", Kind::String).text, info.title);
        EXPECT_EQ(Field(json, "help", Kind::String).text, info.help);
        EXPECT_EQ(Field(json, "unit", Kind::String).text,
                  info.unit == LengthUnit::Utf8 ? "utf8" : "utf16");
        EXPECT_EQ(Field(json, "defaultBlend", Kind::String).text, BlendName(info.defaultBlend));
        const auto cost = MarkupRunCost(info.markup);
        const JsonValue& runCost = Field(json, "runCost", cost ? Kind::Number : Kind::Null);
        if (cost) {
            EXPECT_EQ(runCost.number, static_cast<double>(*cost));
        }
        EXPECT_EQ(Field(json, "takesFace", Kind::Bool).boolean, info.takesFace);
        EXPECT_EQ(Field(json, "takesLimit", Kind::Bool).boolean, info.limitRefusal.empty());
        Field(json, "styles", Kind::Array);
        const JsonValue* limits = json.Member("limits");
        ASSERT_EQ(limits != nullptr, info.limit.value > 0) << "absent when none to suggest";
        if (limits) {
            ASSERT_EQ(limits->items.size(), 1u);
            EXPECT_EQ(Field(limits->items[0], "label", Kind::String).text, info.limit.label);
            EXPECT_EQ(Field(limits->items[0], "value", Kind::Number).number,
                      static_cast<double>(info.limit.value));
        }
    }
}

TEST(CapiCatalogJson, BlendsAreTheBlendTable) {
    const JsonValue catalog = Catalog();
    const JsonValue& blends = Field(catalog, "blends", Kind::Array);
    ASSERT_EQ(blends.items.size(), Blends().size());
    for (std::size_t i = 0; i < blends.items.size(); ++i) {
        EXPECT_EQ(Field(blends.items[i], "name", Kind::String).text, Blends()[i].name);
        EXPECT_EQ(Field(blends.items[i], "help", Kind::String).text, Blends()[i].help);
        EXPECT_EQ(Field(blends.items[i], "hue", Kind::Bool).boolean, Blends()[i].takesHue);
    }
}

// The page sets each option by name, starts from its default and shows its help.
TEST(CapiCatalogJson, OptionsAreWhatARequestTakes) {
    const JsonValue catalog = Catalog();
    const JsonValue& options = Field(catalog, "options", Kind::Array);
    ASSERT_EQ(options.items.size(), RequestOptions().size());
    for (std::size_t i = 0; i < options.items.size(); ++i) {
        const JsonValue& json = options.items[i];
        const RequestOptionInfo& info = RequestOptions()[i];
        SCOPED_TRACE(std::string(info.name));
        EXPECT_EQ(Field(json, "name", Kind::String).text, info.name);
        if (info.valueName.empty()) Field(json, "value", Kind::Null);
        else EXPECT_EQ(Field(json, "value", Kind::String).text, info.valueName);
        const std::string& help = Field(json, "help", Kind::String).text;
        EXPECT_FALSE(help.empty());
        EXPECT_EQ(help.find('\n'), std::string::npos);
        EXPECT_EQ(help.find("  "), std::string::npos) << help;
        // The help is --help's text for the option, its line breaks undone.
        EXPECT_NE(RequestOptionsHelp().find(help.substr(0, 30)), std::string::npos) << help;

        // A default is a value the option takes, and setting it changes nothing.
        const JsonValue* given = json.Member("default");
        ASSERT_NE(given, nullptr);
        if (given->kind == Kind::Null) continue;
        ASSERT_EQ(given->kind, Kind::String);
        lumivane_request* fresh = lumivane_request_new();
        lumivane_request* set = lumivane_request_new();
        ASSERT_EQ(lumivane_request_set(set, info.name.data(), given->text.c_str()), LUMIVANE_OK)
            << given->text << ": " << lumivane_request_error(set);
        char* freshLine = nullptr;
        char* setLine = nullptr;
        std::size_t size = 0;
        ASSERT_EQ(lumivane_make_line(fresh, "Default", 7, &freshLine, &size), LUMIVANE_OK);
        ASSERT_EQ(lumivane_make_line(set, "Default", 7, &setLine, &size), LUMIVANE_OK);
        EXPECT_STREQ(freshLine, setLine);
        lumivane_free(freshLine);
        lumivane_free(setLine);
        lumivane_request_free(fresh);
        lumivane_request_free(set);
    }
}

TEST(CapiCatalogJson, ListsNameTheSameEntriesAsTheCatalog) {
    ASSERT_EQ(lumivane_markup_count(), Markups().size());
    for (std::size_t i = 0; i < Markups().size(); ++i)
        EXPECT_EQ(std::string(lumivane_markup_name(i)), Markups()[i].name);
    EXPECT_EQ(lumivane_markup_name(Markups().size()), nullptr);
    ASSERT_EQ(lumivane_blend_count(), Blends().size());
    for (std::size_t i = 0; i < Blends().size(); ++i)
        EXPECT_EQ(std::string(lumivane_blend_name(i)), Blends()[i].name);
    EXPECT_EQ(lumivane_blend_name(Blends().size()), nullptr);
    EXPECT_EQ(lumivane_blend_name(static_cast<std::size_t>(-1)), nullptr);
}

}  // namespace
}  // namespace lumivane
