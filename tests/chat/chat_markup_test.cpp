#include "tools/chatroom/chat_markup.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "fade/chat_line.h"
#include "tests/support/narrow.h"

namespace lumivane {
namespace {

// Everything the line shows, markup taken out.
std::u16string Shown(const std::vector<StyledRun>& runs) {
    std::u16string text;
    for (const StyledRun& run : runs) text += run.text;
    return text;
}

TEST(ParseChatMarkup, FontTagsAreNotShownAndTextIsShownAsTyped) {
    struct Row {
        std::u16string line, shown;
    };
    const Row rows[] = {
        {u"plain text", u"plain text"},
        {u"<font face=\"Arial\">hi", u"hi"},
        {u"<Font Color=#FF0000>a<Font Color=#00FF00>b", u"ab"},
        {u"<FONT FACE='Times New Roman' COLOR=#0000ff SIZE=3>x</FONT>y", u"xy"},
        {u"<font\tface = \"A\" >z", u"z"},
        {u"<font color=#zzzzzz>bad colour, tag still markup", u"bad colour, tag still markup"},
        {u"<b>bold</b> & \"quotes\"", u"<b>bold</b> & \"quotes\""},
        {u"a < b > c", u"a < b > c"},
        {u"<fontface=\"x\">", u"<fontface=\"x\">"},
        {u"<font face=\"cut off", u"<font face=\"cut off"},
        {u"<font face=\"Arial\"", u"<font face=\"Arial\""},
        {u"<font", u"<font"},
        {u"<", u"<"},
        {u"<font face=>", u"<font face=>"},
        {u"<font =x>", u"<font =x>"},
        {u"</font", u"</font"},
        {u"<<font face=\"A\">>", u"<>"},
        {u"", u""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(Narrow(row.line));
        EXPECT_EQ(Shown(ParseChatMarkup(row.line)), row.shown);
    }
}

TEST(ParseChatMarkup, EveryCharacterOfAFadedLineGetsItsOwnColourAndTheFace) {
    const std::u16string line = ComposeChatLine(255, 65280, 16711680, u"Comic Sans MS", u"abcd");
    const auto runs = ParseChatMarkup(line);
    // The fade gives a, b, c, d the codes 808000, 00FF00, 008080, 0000FF (red first).
    const std::uint32_t colors[] = {0x008080, 0x00FF00, 0x808000, 0xFF0000};
    ASSERT_EQ(runs.size(), 4u);
    for (std::size_t i = 0; i < runs.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(runs[i].text, std::u16string(1, char16_t(u'a' + i)));
        EXPECT_EQ(runs[i].face, u"Comic Sans MS");
        EXPECT_EQ(runs[i].color, std::optional<std::uint32_t>(colors[i]));
    }
}

TEST(ParseChatMarkup, ColourCodesReadRedGreenBlueInAnyLetterCase) {
    struct Row {
        std::u16string line;
        std::optional<std::uint32_t> color;  // 0x00BBGGRR
    };
    const Row rows[] = {
        {u"<font color=#123456>x", 0x563412},     {u"<font color=#abcdef>x", 0xEFCDAB},
        {u"<font color=\"#ABCDEF\">x", 0xEFCDAB}, {u"<font color=FF0000>x", 0x0000FF},
        {u"<font color=#12345>x", std::nullopt},  {u"<font color=#1234567>x", std::nullopt},
        {u"<font color=red>x", std::nullopt},     {u"<font face=\"A\">x", std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(Narrow(row.line));
        const auto runs = ParseChatMarkup(row.line);
        ASSERT_EQ(runs.size(), 1u);
        EXPECT_EQ(runs[0].color, row.color);
    }
}

TEST(ParseChatMarkup, StylesCarryOnUntilChangedAndCloseTagRestoresDefaults) {
    const auto runs =
        ParseChatMarkup(u"a<font face=\"F\">bc<font color=#0000FF>d<font color=#nope>e</font>f");
    ASSERT_EQ(runs.size(), 4u);
    EXPECT_EQ(runs[0].text, u"a");
    EXPECT_EQ(runs[0].face, u"");
    EXPECT_FALSE(runs[0].color);
    EXPECT_EQ(runs[1].text, u"bc");
    EXPECT_EQ(runs[1].face, u"F");
    EXPECT_FALSE(runs[1].color);
    EXPECT_EQ(runs[2].text, u"de");  // the bad colour leaves the blue in place
    EXPECT_EQ(runs[2].face, u"F");
    EXPECT_EQ(runs[2].color, std::optional<std::uint32_t>(0xFF0000));
    EXPECT_EQ(runs[3].text, u"f");
    EXPECT_EQ(runs[3].face, u"");
    EXPECT_FALSE(runs[3].color);
}

TEST(ParseChatMarkup, AFaceOfQuotesAndBracketsNeverBreaksTheLine) {
    // Faces are sent unescaped, so their quotes end the attribute early; whatever is
    // left must show up as text or be skipped, never lost beyond the tag.
    for (const std::u16string face : {u"A\"b<c>", u"\"", u">", u"<font face=\""}) {
        SCOPED_TRACE(Narrow(face));
        const auto shown = Shown(ParseChatMarkup(ComposeChatLine(1, 2, 3, face, u"xyz")));
        ASSERT_GE(shown.size(), 3u);
        EXPECT_EQ(shown.substr(shown.size() - 3), u"xyz");
    }
}

TEST(ParseChatMarkup, ALongFadedLineIsReadWhole) {
    const std::u16string body(4761, u'w');
    const auto runs = ParseChatMarkup(ComposeChatLine(0, 0xFFFFFF, 0x123456, u"Arial", body));
    EXPECT_EQ(Shown(runs), body);
    for (const StyledRun& run : runs) {
        EXPECT_EQ(run.face, u"Arial");
        EXPECT_TRUE(run.color);
    }
}

}  // namespace
}  // namespace lumivane
