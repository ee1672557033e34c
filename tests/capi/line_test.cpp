// Lines through the C interface: the same bytes as the request API and the fade tool,
// every refusal a status and a message, and hostile input refused without harm.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "gradient/request_options.h"
#include "gradient/utf8.h"
#include "tests/capi/capi_support.h"
#include "tools/fade/fade_stream.h"
#include "tools/fade/line_reader.h"
#include "tools/fade/options.h"

namespace lumivane {
namespace {

using test::Line;
using test::Lines;
using test::NewRequest;
using test::Request;

using Options = std::vector<std::pair<std::string, std::optional<std::string>>>;

const std::vector<Options>& RequestTable() {
    static const std::vector<Options> table = {
        {},
        {{"fade-only", std::nullopt}},
        {{"face", "Tahoma"}, {"colors", "#ff0000,#00ff00,#0000ff,#ffffff"}},
        {{"blend", "rgb"}},
        {{"format", "html"}, {"colors", "#ff8800,#8800ff"}},
        {{"format", "ansi"}, {"blend", "oklab"}},
        {{"format", "minimessage"}, {"max-length", "40"}},
        {{"format", "ampersand"}, {"blend", "legacy"}},
        {{"format", "section"}, {"max-length", "60"}},
        {{"format", "bbcode"}, {"colors", "1,2,3,4,5,6,7,8,9,10"}},
        {{"format", "json"}, {"blend", "oklab"}, {"max-length", "200"}},
        {{"max-length", "30"}, {"blend", "legacy"}},
    };
    return table;
}

// Texts with escapes, line breaks inside a line, accents, emoji and a split pair.
const std::vector<std::string>& TextTable() {
    static const std::vector<std::string> texts = {
        "",
        "Hi!",
        "<b>&amp;</b> \"quoted\" \\ [color]",
        "cafe\xCC\x81 na\xC3\xAFve",
        "\xF0\x9F\x91\xA8\xE2\x80\x8D\xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x91\xA7 family",
        "\xF0\x9F\x98\x80\xF0\x9F\x98\x81",
        "one\ntwo\r\nthree",
        "tab\there\x01",
    };
    return texts;
}

Request RequestOf(const Options& options) {
    Request request = NewRequest();
    for (const auto& option : options)
        EXPECT_EQ(lumivane_request_set(request.get(), option.first.c_str(),
                                       option.second ? option.second->c_str() : nullptr),
                  LUMIVANE_OK)
            << option.first;
    return request;
}

LineRequest LineRequestOf(const Options& options) {
    LineRequest request;
    std::string error;
    for (const auto& option : options)
        EXPECT_EQ(SetRequestOption(request, option.first, option.second, error), OptionResult::Set);
    return request;
}

// What the fade tool writes for `input` on standard input with `options`, and its
// message; the input's name is the C interface's.
std::pair<std::string, std::string> ToolOutput(const Options& options, const std::string& input) {
    std::vector<std::string> args;
    for (const auto& option : options) {
        args.push_back("--" + option.first);
        if (option.second) args.push_back(*option.second);
    }
    std::string error;
    const auto parsed = ParseFadeOptions(args, error);
    if (!parsed) return {"", error};
    std::size_t offset = 0;
    LineReader reader([&](char* buffer, std::size_t size) {
        const std::size_t count = std::min(size, input.size() - offset);
        std::copy_n(input.data() + offset, count, buffer);
        offset += count;
        return static_cast<long long>(count);
    });
    std::string written;
    FadeStream stream;
    stream.inputName = "the text";
    stream.next = [&](std::string& line) {
        return reader.Next(line) ? NextLine::Line : NextLine::End;
    };
    stream.write = [&](std::string_view bytes) {
        written += bytes;
        return true;
    };
    error.clear();
    FadeLines(MakeFadePlan(*parsed), stream, error);
    return {written, error};
}

TEST(CapiLine, EqualsTheRequestApisLine) {
    for (const Options& options : RequestTable()) {
        const Request request = RequestOf(options);
        const LineRequest direct = LineRequestOf(options);
        for (const std::string& text : TextTable()) {
            SCOPED_TRACE(text);
            std::u16string expected;
            const LineOutcome outcome = MakeLine(direct, *Utf8ToUtf16(text), expected);
            const test::Made made = Line(request.get(), text);
            EXPECT_EQ(made.text, Utf16ToUtf8(expected));
            if (outcome.error == RequestError::None) {
                EXPECT_EQ(made.status, LUMIVANE_OK) << made.error;
                EXPECT_EQ(made.error, "");
            } else {
                EXPECT_EQ(made.status, LUMIVANE_ERROR_DOES_NOT_FIT);
                EXPECT_EQ(lumivane_request_shortest_limit(request.get()), outcome.shortestLimit);
            }
        }
    }
}

// The tool's output is every line followed by LF; the C interface's lines are joined
// by LF. A line that fails stops both, with the same message.
TEST(CapiLines, EqualTheToolsOutput) {
    std::vector<std::string> inputs = TextTable();
    // A byte-order mark and the text behind it, one string.
    // NOLINTNEXTLINE(bugprone-suspicious-missing-comma)
    inputs.insert(inputs.end(), {"\xEF\xBB\xBF"
                                 "marked\nlines\n",
                                 "\n\n", "a\r\r\nb", "good\nbad \xFF\nnever",
                                 "short\nand a line far too long to fit", "\xEF\xBB\xBF"});
    for (const Options& options : RequestTable()) {
        const Request request = RequestOf(options);
        for (const std::string& input : inputs) {
            SCOPED_TRACE(input);
            const auto tool = ToolOutput(options, input);
            const test::Made made = Lines(request.get(), input);
            if (tool.second.empty()) {
                EXPECT_EQ(made.status, LUMIVANE_OK) << made.error;
                EXPECT_EQ(made.text.empty() ? "" : made.text + "\n", tool.first);
                EXPECT_FALSE(made.null);
            } else {
                EXPECT_NE(made.status, LUMIVANE_OK);
                EXPECT_TRUE(made.null);
                EXPECT_EQ(made.error, tool.second);
            }
        }
    }
}

TEST(CapiLine, RefusalsAreStatusesWithTheToolsMessages) {
    const struct {
        Options options;
        std::string text;
        lumivane_status status;
    } rows[] = {
        {{{"format", "html"}, {"face", "Arial"}}, "x", LUMIVANE_ERROR_BAD_COMBINATION},
        {{{"format", "json"}, {"fade-only", std::nullopt}}, "x", LUMIVANE_ERROR_BAD_COMBINATION},
        {{{"format", "ansi"}, {"max-length", "100"}}, "x", LUMIVANE_ERROR_BAD_COMBINATION},
        {{{"format", "minimessage"}, {"max-length", "10"}},
         "a long text",
         LUMIVANE_ERROR_DOES_NOT_FIT},
        {{{"max-length", "1"}}, "", LUMIVANE_ERROR_DOES_NOT_FIT},
        {{}, "not \xC3 UTF-8", LUMIVANE_ERROR_BAD_TEXT},
        {{}, "\xED\xA0\x80", LUMIVANE_ERROR_BAD_TEXT},  // an encoded surrogate
        {{}, std::string("nul\0inside", 10), LUMIVANE_OK},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        const Request request = RequestOf(row.options);
        const test::Made made = Line(request.get(), row.text);
        EXPECT_EQ(made.status, row.status);
        EXPECT_TRUE(made.null == (row.status != LUMIVANE_OK));
        // The tool names the line where the C interface's single line is "the line".
        std::string expected = ToolOutput(row.options, row.text + "\n").second;
        const std::string tool = "line 1 of the text";
        if (expected.compare(0, tool.size(), tool) == 0)
            expected.replace(0, tool.size(), "the line");
        if (row.status == LUMIVANE_ERROR_BAD_TEXT) expected = "the text is not valid UTF-8";
        EXPECT_EQ(made.error, expected);
        if (row.status != LUMIVANE_ERROR_DOES_NOT_FIT) {
            EXPECT_EQ(lumivane_request_shortest_limit(request.get()), 0u);
            continue;
        }
        std::u16string ignored;
        const LineOutcome direct =
            MakeLine(LineRequestOf(row.options), *Utf8ToUtf16(row.text), ignored);
        const std::size_t shortest = lumivane_request_shortest_limit(request.get());
        EXPECT_EQ(shortest, direct.shortestLimit);
        // The shortest limit it names is one at which the line fits.
        const std::string limit = std::to_string(shortest);
        ASSERT_EQ(lumivane_request_set(request.get(), "max-length", limit.c_str()), LUMIVANE_OK);
        EXPECT_EQ(Line(request.get(), row.text).status, LUMIVANE_OK);
        EXPECT_EQ(lumivane_request_shortest_limit(request.get()), 0u) << "cleared by a success";
    }
}

TEST(CapiLine, IntoABufferOnlyWhenTheLineAndItsNulFit) {
    const auto request = NewRequest();
    const std::string line = Line(request.get(), "Hello").text;
    ASSERT_FALSE(line.empty());
    const struct {
        std::size_t size;
        lumivane_status status;
    } rows[] = {
        {0, LUMIVANE_ERROR_BUFFER_TOO_SMALL},
        {1, LUMIVANE_ERROR_BUFFER_TOO_SMALL},
        {line.size(), LUMIVANE_ERROR_BUFFER_TOO_SMALL},  // no room for the NUL
        {line.size() + 1, LUMIVANE_OK},                  // exactly right
        {line.size() + 100, LUMIVANE_OK},
    };
    for (const auto& row : rows) {
        std::vector<char> buffer(row.size + 1, '#');  // one guard byte past the end
        std::size_t size = 0;
        EXPECT_EQ(
            lumivane_make_line_into(request.get(), "Hello", 5, buffer.data(), row.size, &size),
            row.status)
            << row.size;
        EXPECT_EQ(size, line.size()) << "given whether or not it fits";
        EXPECT_EQ(buffer[row.size], '#') << "nothing written past the buffer";
        if (row.status == LUMIVANE_OK) {
            EXPECT_EQ(std::string(buffer.data()), line);
        } else if (row.size > 0) {
            EXPECT_EQ(buffer[0], '\0') << "no cut line left behind";
        }
    }
    std::size_t size = 0;
    EXPECT_EQ(lumivane_make_line_into(request.get(), "Hello", 5, nullptr, 0, &size),
              LUMIVANE_ERROR_BUFFER_TOO_SMALL);
    EXPECT_EQ(size, line.size()) << "a NULL buffer asks for the size";

    char buffer[8] = "#######";
    EXPECT_EQ(lumivane_make_line_into(request.get(), "\xFF", 1, buffer, sizeof buffer, &size),
              LUMIVANE_ERROR_BAD_TEXT);
    EXPECT_EQ(size, 0u);
    EXPECT_EQ(buffer[0], '\0');
}

// Every pointer the contract refuses gives LUMIVANE_ERROR_NULL_ARGUMENT, not a crash.
TEST(CapiLine, NullPointersAreRefused) {
    const auto request = NewRequest();
    char* line = nullptr;
    std::size_t size = 0;
    char buffer[4];
    lumivane_run* runs = nullptr;
    const std::int32_t colors[] = {1, 2};
    const struct {
        const char* what;
        lumivane_status status;
    } rows[] = {
        {"set: request", lumivane_request_set(nullptr, "format", "html")},
        {"set: name", lumivane_request_set(request.get(), nullptr, "html")},
        {"set_colors: request", lumivane_request_set_colors(nullptr, colors, 2)},
        {"set_colors: colors", lumivane_request_set_colors(request.get(), nullptr, 2)},
        {"make_line: request", lumivane_make_line(nullptr, "a", 1, &line, &size)},
        {"make_line: text", lumivane_make_line(request.get(), nullptr, 1, &line, &size)},
        {"make_line: line", lumivane_make_line(request.get(), "a", 1, nullptr, &size)},
        {"make_line: size", lumivane_make_line(request.get(), "a", 1, &line, nullptr)},
        {"into: request", lumivane_make_line_into(nullptr, "a", 1, buffer, 4, &size)},
        {"into: buffer", lumivane_make_line_into(request.get(), "a", 1, nullptr, 4, &size)},
        {"into: size", lumivane_make_line_into(request.get(), "a", 1, buffer, 4, nullptr)},
        {"into: text", lumivane_make_line_into(request.get(), nullptr, 2, buffer, 4, &size)},
        {"lines: request", lumivane_make_lines(nullptr, "a", 1, &line, &size)},
        {"lines: text", lumivane_make_lines(request.get(), nullptr, 1, &line, &size)},
        {"lines: lines", lumivane_make_lines(request.get(), "a", 1, nullptr, &size)},
        {"runs: request", lumivane_make_runs(nullptr, "a", 1, &runs, &size)},
        {"runs: text", lumivane_make_runs(request.get(), nullptr, 1, &runs, &size)},
        {"runs: runs", lumivane_make_runs(request.get(), "a", 1, nullptr, &size)},
        {"runs: count", lumivane_make_runs(request.get(), "a", 1, &runs, nullptr)},
    };
    for (const auto& row : rows) EXPECT_EQ(row.status, LUMIVANE_ERROR_NULL_ARGUMENT) << row.what;
    EXPECT_EQ(line, nullptr);
    EXPECT_EQ(runs, nullptr);
    EXPECT_STRNE(lumivane_request_error(request.get()), "");
    EXPECT_STREQ(lumivane_request_error(nullptr), "");
    EXPECT_EQ(lumivane_request_shortest_limit(nullptr), 0u);
    lumivane_request_free(nullptr);
    lumivane_free(nullptr);

    // A NULL text of no bytes is the empty text.
    EXPECT_EQ(lumivane_make_line(request.get(), nullptr, 0, &line, &size), LUMIVANE_OK);
    EXPECT_EQ(std::string(line, size), Line(request.get(), "").text);
    lumivane_free(line);
}

}  // namespace
}  // namespace lumivane
