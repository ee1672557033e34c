#include "codepage/code_page_text.h"

#include <gtest/gtest.h>

namespace lumivane {
namespace {

constexpr UINT kWesternCodePage = 1252;
constexpr UINT kJapaneseCodePage = 932;

struct CutRow {
    const char* bytes;
    std::u16string_view text;
};

// Shift-JIS: 0x82 0xA0 is one character, HIRAGANA LETTER A. A value cut after
// its lead byte must not end in a stray character.
const CutRow kJapaneseRows[] = {
    {"ab", u"ab"},
    {"ab\x82\xA0", u"ab\u3042"},
    {"ab\x82", u"ab"},
    {"\x82", u""},
    {"\x82\xA0\x82\xA0\x82", u"\u3042\u3042"},
    {"\x82\xA0z\x82", u"\u3042z"},
};

TEST(FromCodePage, DoubleByteTextCutInACharacterLosesOnlyThatHalf) {
    for (const CutRow& row : kJapaneseRows)
        EXPECT_EQ(FromCodePage(row.bytes, kJapaneseCodePage), row.text) << row.bytes;
}

TEST(FromCodePage, SingleByteCodePagesKeepEveryByte) {
    // The same byte that leads in Shift-JIS is a whole character in Western text.
    EXPECT_EQ(FromCodePage("ab\x82", kWesternCodePage), u"ab\u201A");
    EXPECT_EQ(FromCodePage("Caf\xE9", kWesternCodePage), u"Caf\u00E9");
    EXPECT_EQ(FromCodePage("", kWesternCodePage), u"");
}

TEST(ToCodePage, ConvertsRepresentableTextAndReplacesTheRest) {
    EXPECT_EQ(ToCodePage(u"Caf\u00E9", kWesternCodePage), "Caf\xE9");
    EXPECT_EQ(ToCodePage(u"\u3042", kJapaneseCodePage), "\x82\xA0");
    EXPECT_EQ(ToCodePage(u"", kWesternCodePage), "");
    const std::string replaced = ToCodePage(u"x\u3042y", kWesternCodePage);
    ASSERT_EQ(replaced.size(), 3u);
    EXPECT_EQ(replaced.front(), 'x');
    EXPECT_NE(replaced[1], '\0');
    EXPECT_EQ(replaced.back(), 'y');
}

struct ThroughRow {
    UINT codePage;
    std::u16string_view text;
    std::u16string_view kept;
};

// What a value keeps when it is stored as 8-bit text: its own characters, the
// nearest letter or the default character for the others.
const ThroughRow kThroughRows[] = {
    {kWesternCodePage, u"Arial", u"Arial"}, {kWesternCodePage, u"Café – €", u"Café – €"},
    {kWesternCodePage, u"Ārial", u"Arial"}, {kWesternCodePage, u"日 x", u"? x"},
    {kWesternCodePage, u"🎨", u"??"},        {kJapaneseCodePage, u"日本 Gothic", u"日本 Gothic"},
    {kJapaneseCodePage, u"", u""},
};

TEST(ThroughCodePage, KeepsWhatTheCodePageHolds) {
    for (const ThroughRow& row : kThroughRows) {
        EXPECT_EQ(ThroughCodePage(row.text, row.codePage), row.kept)
            << row.codePage << " " << ToCodePage(row.text);
    }
}

}  // namespace
}  // namespace lumivane
