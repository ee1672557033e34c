// The stand-in chat room's command line.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace lumivane {

struct ChatRoomOptions {
    int rooms = 1;                 // 0: a frame with no room open
    std::u16string logPath;        // empty: no log
    bool logRoomNumbers = false;   // each log line starts with its room's number and a tab
    bool help = false;
};

constexpr int kMaxRooms = 16;

// Parses the arguments after the program name. On a bad argument returns nothing
// and sets `error` to a one-line message naming it.
std::optional<ChatRoomOptions> ParseChatRoomOptions(const std::vector<std::u16string>& args,
                                                    std::string& error);

extern const char kChatRoomUsage[];

}  // namespace lumivane
