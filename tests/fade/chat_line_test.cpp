#include "fade/chat_line.h"

#include <gtest/gtest.h>

#include "fade/three_color_fade.h"

namespace lumivane {
namespace {

TEST(ComposeChatLine, FaceTagThenFadedBody) {
    const std::u16string line = ComposeChatLine(255, 65280, 16711680, u"Arial", u"abcd");
    EXPECT_EQ(line,
              u"<font face=\"Arial\"><Font Color=#808000>a<Font Color=#00FF00>b"
              u"<Font Color=#008080>c<Font Color=#0000FF>d");
    EXPECT_EQ(line.size(), 103u);
}

TEST(ComposeChatLine, FaceIsCopiedUnchangedAndBodyMayBeEmpty) {
    struct Row {
        std::u16string face, body, line;
    };
    const Row rows[] = {
        {u"Arial", u"", u"<font face=\"Arial\">"},
        {u"", u"z", u"<font face=\"\"><Font Color=#0000FF>z"},
        {u"A\"b<c>", u"", u"<font face=\"A\"b<c>\">"},
        {u"  Palatino  Linotype ", u"", u"<font face=\"  Palatino  Linotype \">"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ComposeChatLine(255, 65280, 16711680, row.face, row.body), row.line);
}

TEST(ComposeChatLine, LengthIsFourteenPlusFacePlusTwentyOnePerCharacter) {
    for (std::size_t face : {0u, 1u, 22u}) {
        for (std::size_t body : {0u, 1u, 5u, 1000u}) {
            const auto line =
                ComposeChatLine(1, 2, 3, std::u16string(face, u'f'), std::u16string(body, u'b'));
            EXPECT_EQ(line.size(), 14 + face + 21 * body);
            EXPECT_EQ(line.substr(12 + face + 2),
                      ThreeColorFade(1, 2, 3, std::u16string(body, u'b')));
        }
    }
}

}  // namespace
}  // namespace lumivane
