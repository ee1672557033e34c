#include "tools/fade/fade_stream.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <utility>

namespace lumivane {
namespace {

// Two blue colours: every character's tag is the same, so lines are easy to read.
FadePlan BluePlan(std::optional<std::size_t> maxLength = std::nullopt) {
    std::string error;
    auto options = ParseFadeOptions({"--colors", "16711680,16711680", "--format", "bbcode"}, error);
    options->request.maxLength = maxLength;
    return MakeFadePlan(*options);
}

// What the input and the output do, line by line.
struct Script {
    std::vector<std::string> lines;
    std::size_t failReadAt = 0;   // 1-based line whose reading fails; 0 = never
    std::size_t throwAt = 0;      // 1-based line whose reading runs out of memory
    bool throwLength = false;     // ... with std::length_error instead of bad_alloc
    std::size_t failWriteAt = 0;  // 1-based output line whose writing fails
};

struct Harness {
    explicit Harness(Script s) : script(std::move(s)) {}
    Script script;
    std::string written;
    std::size_t read = 0;
    std::size_t writes = 0;

    FadeStream Stream() {
        FadeStream stream;
        stream.inputName = "the input";
        stream.next = [this](std::string& line) {
            ++read;
            if (read == script.throwAt) {
                if (script.throwLength) throw std::length_error("too long");
                throw std::bad_alloc();
            }
            if (read == script.failReadAt) return NextLine::Failed;
            if (read > script.lines.size()) return NextLine::End;
            line = script.lines[read - 1];
            return NextLine::Line;
        };
        stream.write = [this](std::string_view bytes) {
            if (++writes == script.failWriteAt) return false;
            written += bytes;
            return true;
        };
        return stream;
    }
};

const char kA[] = "[color=#0000FF]a[/color]\n";
const char kAb[] = "[color=#0000FF]a[/color][color=#0000FF]b[/color]\n";

TEST(FadeToolStream, LinesBeforeABadOneAreWrittenAndItIsNot) {
    struct Row {
        const char* name;
        Script script;
        std::optional<std::size_t> maxLength;
        int status;
        std::string written;
        const char* message;  // a part of the message; "" when done
    };
    const Row rows[] = {
        {"all good", {{"a", "ab"}}, std::nullopt, kFadeDone, std::string(kA) + kAb, ""},
        {"no lines", {{}}, std::nullopt, kFadeDone, "", ""},
        {"empty line", {{""}}, std::nullopt, kFadeDone, "\n", ""},
        {"bad UTF-8",
         {{"a", "ab", "\xC3(", "a"}},
         std::nullopt,
         kFadeBadInput,
         std::string(kA) + kAb,
         "line 3 of the input is not valid UTF-8"},
        {"bad first line", {{"\xFF"}}, std::nullopt, kFadeBadInput, "", "line 1 "},
        {"read fails",
         {{"a", "a", "a"}, 2},
         std::nullopt,
         kFadeCannotDo,
         kA,
         "cannot read the input at line 2"},
        {"out of memory",
         {{"a", "a", "a"}, 0, 3},
         std::nullopt,
         kFadeCannotDo,
         std::string(kA) + kA,
         "line 3 of the input is too long"},
        {"cannot be held",
         {{"a"}, 0, 1, true},
         std::nullopt,
         kFadeCannotDo,
         "",
         "line 1 of the input is too long"},
        {"write fails",
         {{"a", "a", "a"}, 0, 0, false, 2},
         std::nullopt,
         kFadeCannotDo,
         kA,
         "cannot write"},
        // [color=#0000FF]ab[/color] is 25 code units: "ab" fits 25 and not 24.
        {"fits exactly", {{"ab"}}, 25, kFadeDone, "[color=#0000FF]ab[/color]\n", ""},
        {"one over",
         {{"a", "ab", "a"}},
         24,
         kFadeDoesNotFit,
         kA,
         "line 2 of the input cannot fit --max-length 24: it needs at least 25"},
    };
    for (const Row& row : rows) {
        Harness harness(row.script);
        std::string error;
        const int status = FadeLines(BluePlan(row.maxLength), harness.Stream(), error);
        EXPECT_EQ(status, row.status) << row.name;
        EXPECT_EQ(harness.written, row.written) << row.name;
        if (row.status == kFadeDone) continue;
        EXPECT_NE(error.find(row.message), std::string::npos) << row.name << ": " << error;
        EXPECT_EQ(error.find('\n'), std::string::npos) << row.name;
    }
}

// Each output line is handed over whole and before the next line is read.
TEST(FadeToolStream, EachLineIsWrittenBeforeTheNextIsRead) {
    Harness harness(Script{{"a", "ab", "a"}});
    std::vector<std::size_t> readsAtWrite;
    FadeStream stream = harness.Stream();
    const auto write = stream.write;
    stream.write = [&](std::string_view bytes) {
        readsAtWrite.push_back(harness.read);
        return write(bytes);
    };
    std::string error;
    EXPECT_EQ(FadeLines(BluePlan(), stream, error), kFadeDone);
    EXPECT_EQ(readsAtWrite, (std::vector<std::size_t>{1, 2, 3}));
}

// A long line goes out in slices; together they are the whole line in UTF-8, and
// no slice ends between the halves of a pair.
TEST(FadeToolStream, LongLinesAreWrittenInSlicesThatKeepPairsWhole) {
    const std::u16string grin = u"\xD83D\xDE00";
    const std::u16string lone(1, u'\xD83D');
    struct Row {
        std::u16string line;
        std::size_t slice;
        std::vector<std::string> writes;
    };
    const Row rows[] = {
        {u"", 4, {"\n"}},
        {u"abc", 4, {"abc\n"}},
        {u"abcd", 4, {"abcd\n"}},
        {u"abcdefghi", 4, {"abcd", "efgh", "i\n"}},
        {u"abc" + grin + u"x", 4, {"abc\xF0\x9F\x98\x80", "x\n"}},
        {u"ab" + grin + u"cd", 4, {"ab\xF0\x9F\x98\x80", "cd\n"}},
        {grin + grin, 1, {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80\n"}},
        {u"abc" + lone + u"de", 4, {"abc\xEF\xBF\xBD", "de\n"}},
        {u"abc" + lone, 4, {"abc\xEF\xBF\xBD\n"}},
    };
    for (const Row& row : rows) {
        std::vector<std::string> writes;
        std::string scratch = "old";
        EXPECT_TRUE(WriteLineAsUtf8(
            row.line,
            [&](std::string_view bytes) {
                writes.emplace_back(bytes);
                return true;
            },
            scratch, row.slice));
        EXPECT_EQ(writes, row.writes) << row.line.size() << " units";
    }
    std::string scratch;
    int calls = 0;
    EXPECT_FALSE(WriteLineAsUtf8(
        u"abcdefgh", [&](std::string_view) { return ++calls > 1; }, scratch, 4));
    EXPECT_EQ(calls, 1);  // nothing more after a failed write
}

// A line handed over in pieces comes out as the same UTF-8 as the whole line, wherever
// the pieces are cut: a pair cut between two pieces is one character, a half that
// has lost its partner is U+FFFD.
TEST(FadeToolStream, APieceCutInsideAPairStillWritesThePairWhole) {
    const std::u16string grin = u"\xD83D\xDE00";
    const std::u16string lines[] = {
        u"",
        u"abc",
        grin,
        u"a" + grin + u"b" + grin,
        grin + grin + grin,
        u"x\xD83Dy\xDE00z",
        u"\xD83D",
        u"\xDE00\xD83D",
        u"\xD83D\xD83D\xDE00",
    };
    for (const std::u16string& line : lines) {
        std::string whole;
        std::string scratch;
        WriteLineAsUtf8(
            line,
            [&](std::string_view bytes) {
                whole += bytes;
                return true;
            },
            scratch);
        // Every way of cutting the line into two or three pieces.
        for (std::size_t a = 0; a <= line.size(); ++a) {
            for (std::size_t b = a; b <= line.size(); ++b) {
                std::string written;
                std::string buffer;
                Utf8LineSink sink(
                    [&](std::string_view bytes) {
                        written += bytes;
                        return true;
                    },
                    buffer);
                sink.Put(std::u16string_view(line).substr(0, a));
                sink.Put(std::u16string_view(line).substr(a, b - a));
                sink.Put(std::u16string_view(line).substr(b));
                EXPECT_TRUE(sink.Finish());
                EXPECT_EQ(written, whole) << line.size() << " units cut at " << a << ", " << b;
            }
        }
    }
    std::string buffer;
    Utf8LineSink failing([](std::string_view) { return false; }, buffer);
    failing.Put(u"abc");
    EXPECT_FALSE(failing.Finish());
}

}  // namespace
}  // namespace lumivane
