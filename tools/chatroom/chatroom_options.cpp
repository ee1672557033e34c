#include "tools/chatroom/chatroom_options.h"

namespace lumivane {
namespace {

// For messages only: the argument with anything outside ASCII shown as '?'.
std::string Printable(const std::u16string& text) {
    std::string out;
    for (char16_t c : text) out += c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '?';
    return out;
}

// A whole number from 0 to `most`, digits only.
std::optional<int> ParseCount(const std::u16string& text, int most) {
    if (text.empty() || text.size() > 6) return std::nullopt;
    int value = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9') return std::nullopt;
        value = value * 10 + (c - u'0');
    }
    if (value > most) return std::nullopt;
    return value;
}

// The value of a counting option: a whole number from 0 to `most`.
bool TakeCount(const std::vector<std::u16string>& args, std::size_t& i, int most, int& value,
               std::string& error) {
    const std::string name = Printable(args[i]);
    if (i + 1 >= args.size()) {
        error = name + " needs a number";
        return false;
    }
    const auto count = ParseCount(args[++i], most);
    if (!count) {
        error = name + " takes a whole number from 0 to " + std::to_string(most) + ", not '" +
                Printable(args[i]) + "'";
        return false;
    }
    value = *count;
    return true;
}

}  // namespace

const char kChatRoomUsage[] =
    "usage: lumivane-chatroom [--rooms N] [--log FILE] [--log-room-numbers]\n"
    "                         [--hang-after N [--hang-seconds S]] [--input-limit N]\n"
    "A stand-in for the chat client's window tree: a frame with N chat rooms\n"
    "(default 1, at most 16; 0 opens none).\n"
    "  --rooms N            number of chat rooms to open\n"
    "  --log FILE           append every line a room receives to FILE, in UTF-8,\n"
    "                       one per line\n"
    "  --log-room-numbers   start each logged line with its room's number and a tab\n"
    "  --hang-after N       hang once N lines have come in all: take no message\n"
    "                       at all for a while, as a client that stopped responding\n"
    "  --hang-seconds S     how long it hangs (default 10, at most 600)\n"
    "  --input-limit N      the rooms' input controls refuse a text longer than N\n"
    "                       characters: they answer FALSE and keep what they hold\n"
    "  --help               show this text\n";

std::optional<ChatRoomOptions> ParseChatRoomOptions(const std::vector<std::u16string>& args,
                                                    std::string& error) {
    ChatRoomOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::u16string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == u"--help" || arg == u"-h") {
            options.help = true;
        } else if (arg == u"--rooms") {
            if (!hasValue) {
                error = "--rooms needs a number";
                return std::nullopt;
            }
            const auto rooms = ParseCount(args[++i], kMaxRooms);
            if (!rooms) {
                error = "--rooms takes a whole number from 0 to " + std::to_string(kMaxRooms) +
                        ", not '" + Printable(args[i]) + "'";
                return std::nullopt;
            }
            options.rooms = *rooms;
        } else if (arg == u"--log") {
            if (!hasValue || args[i + 1].empty()) {
                error = "--log needs a file name";
                return std::nullopt;
            }
            options.logPath = args[++i];
        } else if (arg == u"--log-room-numbers") {
            options.logRoomNumbers = true;
        } else if (arg == u"--hang-after") {
            if (!TakeCount(args, i, kMaxCount, options.hangAfter, error)) return std::nullopt;
        } else if (arg == u"--hang-seconds") {
            if (!TakeCount(args, i, kMaxHangSeconds, options.hangSeconds, error))
                return std::nullopt;
        } else if (arg == u"--input-limit") {
            if (!TakeCount(args, i, kMaxCount, options.inputLimit, error)) return std::nullopt;
        } else {
            error = "unknown argument '" + Printable(arg) + "' (see --help)";
            return std::nullopt;
        }
    }
    return options;
}

}  // namespace lumivane
