// The conjunct rule of newer Unicode versions: a consonant, a virama (linker) and
// another consonant stay one character. Built with tables that carry the conjunct
// values of a few Devanagari characters, whatever the installed data's version.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gradient/grapheme.h"

namespace lumivane {
namespace {

TEST(GraphemeConjuncts, AConsonantLinkedByAViramaJoinsTheNext) {
    ASSERT_EQ(IndicConjunctBreakOf(0x094D), IndicConjunctBreak::Linker) << "tables without conjunct data";
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

}  // namespace
}  // namespace lumivane
