// The stand-in chat room's command line.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace lumivane {

struct ChatRoomOptions {
    int rooms = 1;                // 0: a frame with no room open
    std::u16string logPath;       // empty: no log
    bool logRoomNumbers = false;  // each log line starts with its room's number and a tab
    int hangAfter = -1;           // the client hangs once this many lines have come; -1: never
    int hangSeconds = 10;         // for this long, taking no message
    int inputLimit = -1;          // the input control takes no longer text; -1: any
    bool help = false;
};

constexpr int kMaxRooms = 16;
constexpr int kMaxHangSeconds = 600;
constexpr int kMaxCount = 999999;  // lines, characters

// Parses the arguments after the program name. On a bad argument returns nothing
// and sets `error` to a one-line message naming it.
std::optional<ChatRoomOptions> ParseChatRoomOptions(const std::vector<std::u16string>& args,
                                                    std::string& error);

extern const char kChatRoomUsage[];

}  // namespace lumivane
