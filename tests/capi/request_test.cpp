// Setting a request's options through the C interface: the tool's names, values and
// messages, and every refusal a status of its own.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "gradient/request_options.h"
#include "tests/capi/capi_support.h"

namespace lumivane {
namespace {

using test::Line;
using test::NewRequest;

TEST(CapiRequest, OptionsAreTakenAndRefusedWithTheToolsMessages) {
    struct Row {
        const char* name;
        std::optional<std::string> value;
        lumivane_status status;
    };
    const Row rows[] = {
        {"colors", "#ff0000,#0000ff", LUMIVANE_OK},
        {"colors", "255,-1,16711680", LUMIVANE_OK},
        {"colors", "#ff0000", LUMIVANE_ERROR_BAD_OPTION},
        {"colors", "#ff0000,blue", LUMIVANE_ERROR_BAD_OPTION},
        {"colors", std::nullopt, LUMIVANE_ERROR_BAD_OPTION},
        {"blend", "oklab", LUMIVANE_OK},
        {"blend", "OKLAB", LUMIVANE_ERROR_BAD_OPTION},
        {"format", "json", LUMIVANE_OK},
        {"format", "", LUMIVANE_ERROR_BAD_OPTION},
        {"face", "Comic Sans MS", LUMIVANE_OK},
        {"face", "two\nlines", LUMIVANE_ERROR_BAD_OPTION},
        {"fade-only", std::nullopt, LUMIVANE_OK},
        {"fade-only", "", LUMIVANE_OK},
        {"fade-only", "yes", LUMIVANE_ERROR_BAD_OPTION},  // a flag given a value
        {"max-length", "256", LUMIVANE_OK},
        {"max-length", "0", LUMIVANE_ERROR_BAD_OPTION},
        {"max-length", "-3", LUMIVANE_ERROR_BAD_OPTION},
        {"max-length", "99999999999999999999999999", LUMIVANE_OK},
        {"preview", std::nullopt, LUMIVANE_ERROR_BAD_OPTION},  // the tool's, not a line's
        {"--colors", "#ff0000,#0000ff", LUMIVANE_ERROR_BAD_OPTION},
        {"", std::nullopt, LUMIVANE_ERROR_BAD_OPTION},
        {"face", "caf\xC3\xA9", LUMIVANE_OK},
        {"face", "caf\xE9", LUMIVANE_ERROR_BAD_TEXT},
        {"colors", "#ff0000,\xFF", LUMIVANE_ERROR_BAD_TEXT},
        {"form\xC0\xAFt", "aol", LUMIVANE_ERROR_BAD_TEXT},  // an overlong "/"
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.name) + " " + row.value.value_or("(null)"));
        const auto request = NewRequest();
        const lumivane_status status =
            lumivane_request_set(request.get(), row.name, row.value ? row.value->c_str() : nullptr);
        EXPECT_EQ(status, row.status);
        LineRequest direct;
        std::string expected;
        SetRequestOption(direct, row.name, row.value, expected);
        EXPECT_EQ(lumivane_request_error(request.get()), status == LUMIVANE_OK ? "" : expected);
    }
}

// A refused value leaves the request as it was, colours included (the tool stops at
// the first refusal, so it never minded an emptied list).
TEST(CapiRequest, ARefusedValueChangesNothing) {
    const char* refusals[][2] = {
        {"colors", "#ff0000,nope"}, {"colors", "#ff0000"}, {"format", "ircx"},
        {"max-length", "0"},        {"fade-only", "x"},    {"face", "caf\xE9"},
    };
    for (const auto& refusal : refusals) {
        const auto before = NewRequest();
        const auto after = NewRequest();
        for (lumivane_request* request : {before.get(), after.get()}) {
            ASSERT_EQ(lumivane_request_set(request, "colors", "#102030,#405060,#708090"),
                      LUMIVANE_OK);
            ASSERT_EQ(lumivane_request_set(request, "format", "html"), LUMIVANE_OK);
        }
        EXPECT_NE(lumivane_request_set(after.get(), refusal[0], refusal[1]), LUMIVANE_OK);
        EXPECT_EQ(Line(after.get(), "same").text, Line(before.get(), "same").text) << refusal[0];
    }
}

TEST(CapiRequest, ColoursAsValuesFrom2To64) {
    const std::vector<std::int32_t> many(65, 0x00FF8800);
    const struct {
        std::size_t count;
        lumivane_status status;
        const char* error;
    } rows[] = {
        {0, LUMIVANE_ERROR_BAD_OPTION, "too few colours: at least 2"},
        {1, LUMIVANE_ERROR_BAD_OPTION, "too few colours: at least 2"},
        {2, LUMIVANE_OK, ""},
        {64, LUMIVANE_OK, ""},
        {65, LUMIVANE_ERROR_BAD_OPTION, "too many colours: at most 64"},
        {static_cast<std::size_t>(-1), LUMIVANE_ERROR_BAD_OPTION, "too many colours: at most 64"},
    };
    for (const auto& row : rows) {
        const auto request = NewRequest();
        EXPECT_EQ(lumivane_request_set_colors(request.get(), many.data(), row.count), row.status)
            << row.count;
        EXPECT_STREQ(lumivane_request_error(request.get()), row.error);
    }

    // Values as the settings file stores them: red in the lowest byte.
    const auto byValue = NewRequest();
    const auto byName = NewRequest();
    const std::int32_t colors[] = {0x0000FF, 0xFF0000};
    ASSERT_EQ(lumivane_request_set_colors(byValue.get(), colors, 2), LUMIVANE_OK);
    ASSERT_EQ(lumivane_request_set(byName.get(), "colors", "#ff0000,#0000ff"), LUMIVANE_OK);
    EXPECT_EQ(Line(byValue.get(), "Hello").text, Line(byName.get(), "Hello").text);
}

TEST(CapiRequest, VersionIsTheHeadersAndTheProjects) {
    EXPECT_EQ(lumivane_version(), LUMIVANE_VERSION);
    EXPECT_EQ(LUMIVANE_VERSION, LUMIVANE_VERSION_MAJOR * 10000 + LUMIVANE_VERSION_MINOR * 100 +
                                    LUMIVANE_VERSION_PATCH);
    EXPECT_STREQ(lumivane_version_string(), LUMIVANE_PROJECT_VERSION);
}

TEST(CapiRequest, EveryStatusHasItsOwnText) {
    std::vector<std::string> texts;
    for (int status = LUMIVANE_OK; status <= LUMIVANE_ERROR_INTERNAL; ++status) {
        const std::string text = lumivane_status_text(status);
        EXPECT_FALSE(text.empty());
        EXPECT_EQ(std::count(texts.begin(), texts.end(), text), 0) << text;
        texts.push_back(text);
    }
    EXPECT_STREQ(lumivane_status_text(-1), lumivane_status_text(1000));
    EXPECT_EQ(std::count(texts.begin(), texts.end(), lumivane_status_text(-1)), 0);
}

}  // namespace
}  // namespace lumivane
