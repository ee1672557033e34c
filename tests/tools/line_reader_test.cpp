#include "tools/fade/line_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "gradient/text_lines.h"

namespace lumivane {
namespace {

// An input that hands over the given pieces one read at a time (as a pipe does),
// then ends, or fails if `failAtEnd`.
struct PiecewiseInput {
    std::vector<std::string> pieces;
    bool failAtEnd = false;
    std::size_t next = 0;
    std::size_t offset = 0;
    int reads = 0;

    long long Read(char* buffer, std::size_t size) {
        ++reads;
        if (next == pieces.size()) return failAtEnd ? -1 : 0;
        const std::string& piece = pieces[next];
        const std::size_t count = std::min(size, piece.size() - offset);
        // NOLINTNEXTLINE(bugprone-not-null-terminated-result): bytes, not a C string
        std::memcpy(buffer, piece.data() + offset, count);
        offset += count;
        if (offset == piece.size()) {
            ++next;
            offset = 0;
        }
        return static_cast<long long>(count);
    }
};

std::vector<std::string> AllLines(LineReader& reader) {
    std::vector<std::string> lines;
    std::string line;
    while (reader.Next(line)) lines.push_back(line);
    return lines;
}

// Inputs as a pipe might cut them, and the lines they hold.
struct InputRow {
    std::vector<std::string> pieces;
    std::vector<std::string> lines;
};

const std::vector<InputRow>& InputRows() {
    static const std::vector<InputRow> rows = {
        {{}, {}},
        {{""}, {}},
        {{"one"}, {"one"}},
        {{"one\n"}, {"one"}},
        {{"one\ntwo"}, {"one", "two"}},
        {{"\n"}, {""}},
        {{"\n\n"}, {"", ""}},
        {{"a\r\nb\r\n"}, {"a", "b"}},
        {{"a\r", "\nb"}, {"a", "b"}},
        {{"a\r\r\n"}, {"a\r"}},  // only the one before the line break goes
        {{"mid\rline\n"}, {"mid\rline"}},
        {{"o", "n", "e\nt", "wo\n"}, {"one", "two"}},
        {{"\xEF\xBB\xBF"
          "bom\n"},
         {"bom"}},
        {{"\xEF", "\xBB", "\xBF", "bom"}, {"bom"}},
        {{"\xEF\xBB\xBF"}, {}},
        {{"\xEF\xBB\xBF\n"}, {""}},
        {{"\xEF\xBB"}, {"\xEF\xBB"}},  // not a mark: left for the UTF-8 check
        {{"a\n\xEF\xBB\xBF"
          "b"},
         {"a",
          "\xEF\xBB\xBF"
          "b"}},  // only at the very start
        {{"\xEF\xBB\xBF\xEF\xBB\xBFx"}, {"\xEF\xBB\xBFx"}},
        {{std::string(200000, 'x') + "\ny"}, {std::string(200000, 'x'), "y"}},
        {{std::string(70000, 'a'), std::string(70000, 'b') + "\n", "c"},
         {std::string(70000, 'a') + std::string(70000, 'b'), "c"}},
        {{std::string("nul\0byte\n", 9)}, {std::string("nul\0byte", 8)}},
    };
    return rows;
}

TEST(FadeToolLineReader, LinesComeWholeHoweverTheInputIsCut) {
    for (const InputRow& row : InputRows()) {
        PiecewiseInput input{row.pieces};
        LineReader reader([&](char* b, std::size_t n) { return input.Read(b, n); });
        EXPECT_EQ(AllLines(reader), row.lines) << row.pieces.size() << " pieces";
        EXPECT_FALSE(reader.Failed());
    }
}

TEST(FadeToolLineReader, AFailedReadEndsTheLinesAndIsReported) {
    PiecewiseInput input{{"one\ntwo\nthr"}, true};
    LineReader reader([&](char* b, std::size_t n) { return input.Read(b, n); });
    // The lines read whole before the failure are given; the cut one is not.
    EXPECT_EQ(AllLines(reader), (std::vector<std::string>{"one", "two"}));
    EXPECT_TRUE(reader.Failed());
    std::string line;
    EXPECT_FALSE(reader.Next(line));

    PiecewiseInput nothing{{}, true};
    LineReader failing([&](char* b, std::size_t n) { return nothing.Read(b, n); });
    EXPECT_FALSE(failing.Next(line));
    EXPECT_TRUE(failing.Failed());
}

// Output is flushed before every read that may wait, and a line is handed over
// without reading further: an interactive user sees each line at once.
TEST(FadeToolLineReader, ALineIsGivenBeforeTheNextReadAndOutputIsFlushedFirst) {
    PiecewiseInput input{{"one\n", "two\n"}};
    int flushes = 0;
    LineReader reader([&](char* b, std::size_t n) { return input.Read(b, n); }, [&] { ++flushes; });
    std::string line;
    ASSERT_TRUE(reader.Next(line));
    EXPECT_EQ(line, "one");
    EXPECT_EQ(input.reads, 1);
    EXPECT_EQ(flushes, 1);
    ASSERT_TRUE(reader.Next(line));
    EXPECT_EQ(line, "two");
    EXPECT_EQ(input.reads, 2);
    EXPECT_EQ(flushes, 2);
    EXPECT_FALSE(reader.Next(line));
}

TEST(FadeToolLineReader, TextArgumentsSplitAsTheInputDoes) {
    struct Row {
        std::string text;
        std::vector<std::string_view> lines;
    };
    const Row rows[] = {
        {"", {""}},  // an empty text is one empty line, as it always was
        {"hi", {"hi"}}, {"a b", {"a b"}},           {"a\nb", {"a", "b"}},       {"a\n", {"a"}},
        {"\n", {""}},   {"a\n\nb", {"a", "", "b"}}, {"a\r\nb\r\n", {"a", "b"}}, {"a\rb", {"a\rb"}},
    };
    for (const Row& row : rows) EXPECT_EQ(SplitTextLines(row.text), row.lines) << row.text;
}

// The C interface cuts a whole text with SplitInputLines: the same lines as the tool's
// reader, however the reader gets the input.
TEST(FadeToolLineReader, AWholeInputSplitsAsTheReaderReadsIt) {
    for (const InputRow& row : InputRows()) {
        std::string whole;
        for (const std::string& piece : row.pieces) whole += piece;
        const std::vector<std::string_view> split = SplitInputLines(whole);
        EXPECT_EQ(std::vector<std::string>(split.begin(), split.end()), row.lines) << whole.size();
    }
}

}  // namespace
}  // namespace lumivane
