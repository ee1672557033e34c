#include "tools/chatroom/chatroom_options.h"

#include <gtest/gtest.h>

namespace lumivane {
namespace {

TEST(ParseChatRoomOptions, GoodCommandLines) {
    struct Row {
        std::vector<std::u16string> args;
        int rooms;
        std::u16string log;
        bool numbers, help;
    };
    const Row rows[] = {
        {{}, 1, u"", false, false},
        {{u"--rooms", u"0"}, 0, u"", false, false},
        {{u"--rooms", u"3", u"--log", u"Z:\\tmp\\room log.txt"},
         3,
         u"Z:\\tmp\\room log.txt",
         false,
         false},
        {{u"--log", u"x", u"--rooms", u"16", u"--log-room-numbers"}, 16, u"x", true, false},
        {{u"--rooms", u"2", u"--rooms", u"5"}, 5, u"", false, false},
        {{u"--help"}, 1, u"", false, true},
        {{u"--log", u"\u00e9t\u00e9.log"}, 1, u"\u00e9t\u00e9.log", false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.args.size());
        std::string error;
        const auto options = ParseChatRoomOptions(row.args, error);
        ASSERT_TRUE(options) << error;
        EXPECT_EQ(options->rooms, row.rooms);
        EXPECT_EQ(options->logPath, row.log);
        EXPECT_EQ(options->logRoomNumbers, row.numbers);
        EXPECT_EQ(options->help, row.help);
    }
}

// The stand-in's misbehaviours: a hang after some lines, and an input control
// that refuses long texts; neither unless asked for.
TEST(ParseChatRoomOptions, HangAndInputLimit) {
    struct Row {
        std::vector<std::u16string> args;
        int hangAfter, hangSeconds, inputLimit;
    };
    const Row rows[] = {
        {{}, -1, 10, -1},
        {{u"--hang-after", u"2"}, 2, 10, -1},
        {{u"--hang-after", u"0", u"--hang-seconds", u"600"}, 0, 600, -1},
        {{u"--input-limit", u"400", u"--rooms", u"2"}, -1, 10, 400},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.args.size());
        std::string error;
        const auto options = ParseChatRoomOptions(row.args, error);
        ASSERT_TRUE(options) << error;
        EXPECT_EQ(options->hangAfter, row.hangAfter);
        EXPECT_EQ(options->hangSeconds, row.hangSeconds);
        EXPECT_EQ(options->inputLimit, row.inputLimit);
    }
}

TEST(ParseChatRoomOptions, BadCommandLinesAreRefusedWithAMessageNamingTheFault) {
    struct Row {
        std::vector<std::u16string> args;
        std::string mentions;
    };
    const Row rows[] = {
        {{u"--rooms"}, "--rooms"},
        {{u"--rooms", u"-1"}, "-1"},
        {{u"--rooms", u"x"}, "'x'"},
        {{u"--rooms", u"17"}, "17"},
        {{u"--rooms", u"99999999999"}, "99999999999"},
        {{u"--rooms", u""}, "--rooms"},
        {{u"--log"}, "--log"},
        {{u"--log", u""}, "--log"},
        {{u"--bogus"}, "--bogus"},
        {{u"rooms"}, "rooms"},
        {{u"--hang-after"}, "--hang-after"},
        {{u"--hang-seconds", u"601"}, "601"},
        {{u"--input-limit", u"-3"}, "-3"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.mentions);
        std::string error;
        EXPECT_FALSE(ParseChatRoomOptions(row.args, error));
        EXPECT_NE(error.find(row.mentions), std::string::npos) << error;
    }
}

}  // namespace
}  // namespace lumivane
