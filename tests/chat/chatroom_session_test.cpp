// The bridge over the real window system against the stand-in chat room running
// as its own process: what arrives in the room is read back from its log.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chat/chat_bridge.h"
#include "fade/chat_line.h"

namespace lumivane {
namespace {

constexpr DWORD kWaitMs = 10000;
constexpr DWORD kPollMs = 20;

std::wstring Wide(const std::u16string& text) {
    return std::wstring(reinterpret_cast<const wchar_t*>(text.data()), text.size());
}

std::string Utf8(const std::u16string& text) {
    if (text.empty()) return {};
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int length = static_cast<int>(text.size());
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide, length, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, length, out.data(), size, nullptr, nullptr);
    return out;
}

// The stand-in's path as the build gives it; a Unix path is reached through Z:.
std::wstring ChatRoomExe() {
    std::string path = LUMIVANE_CHATROOM_EXE;
    if (!path.empty() && path[0] == '/') path = "Z:" + path;
    for (char& c : path)
        if (c == '/') c = '\\';
    return std::wstring(path.begin(), path.end());
}

std::wstring TempLogPath() {
    wchar_t folder[MAX_PATH];
    wchar_t file[MAX_PATH];
    GetTempPathW(static_cast<DWORD>(std::size(folder)), folder);
    GetTempFileNameW(folder, L"lcr", 0, file);  // creates it empty
    return file;
}

std::string ReadFileBytes(const std::wstring& path) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string bytes;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file, buffer, static_cast<DWORD>(std::size(buffer)), &got, nullptr) && got > 0)
        bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

std::vector<std::string> SplitLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(bytes.substr(start, end - start));
    return lines;
}

// The document windows in the first frame's area.
int OpenRooms() {
    const HWND frame = FindWindowA("AOL Frame25", nullptr);
    const HWND area = FindWindowExA(frame, nullptr, "MDIClient", nullptr);
    int count = 0;
    for (HWND room = nullptr; area && (room = FindWindowExA(area, room, "AOL Child", nullptr));)
        ++count;
    return count;
}

// Starts the stand-in and waits for its windows; ends it when the test ends.
class StandIn {
public:
    explicit StandIn(const std::wstring& arguments, int rooms = 1) : log_(TempLogPath()) {
        std::wstring command = L"\"" + ChatRoomExe() + L"\" --log \"" + log_ + L"\" " + arguments;
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        started_ = CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                  nullptr, &startup, &process_) != 0;
        if (!started_) return;
        CloseHandle(process_.hThread);
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < kWaitMs) {
            // Ready when its frame is the first one and all its rooms are open.
            DWORD owner = 0;
            GetWindowThreadProcessId(FindWindowA("AOL Frame25", nullptr), &owner);
            if (owner == process_.dwProcessId && OpenRooms() == rooms &&
                (rooms == 0 || FindChatRoom() != 0)) {
                ready_ = true;
                break;
            }
            Sleep(kPollMs);
        }
    }
    ~StandIn() {
        if (started_) {
            TerminateProcess(process_.hProcess, 0);
            WaitForSingleObject(process_.hProcess, kWaitMs);
            CloseHandle(process_.hProcess);
        }
        DeleteFileW(log_.c_str());
    }
    StandIn(const StandIn&) = delete;
    StandIn& operator=(const StandIn&) = delete;

    bool Ready() const { return ready_; }

    // The log once it holds `count` lines, or whatever it holds after the wait.
    std::vector<std::string> WaitForLines(std::size_t count, DWORD waitMs = kWaitMs) const {
        const DWORD start = GetTickCount();
        for (;;) {
            auto lines = SplitLines(ReadFileBytes(log_));
            if (lines.size() >= count || GetTickCount() - start >= waitMs) return lines;
            Sleep(kPollMs);
        }
    }

private:
    std::wstring log_;
    PROCESS_INFORMATION process_{};
    bool started_ = false;
    bool ready_ = false;
};

HWND InputOf(WindowHandle room) {
    return FindWindowExA(reinterpret_cast<HWND>(room), nullptr, "richcntl", nullptr);
}

std::string TextOf(HWND window) {
    const auto length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    text.resize(static_cast<std::size_t>(
        SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

// A faded line of exactly 100 000 characters: the 19 of the face tag and 21 for
// each of 4761 characters.
std::u16string HundredThousandCharacterLine() {
    std::u16string body;
    for (int i = 0; i < 4761; ++i) body += static_cast<char16_t>(u'a' + i % 26);
    return ComposeChatLine(255, 65280, 16711680, u"Arial", body);
}

TEST(ChatRoomSession, LinesArriveWholeAndUnchanged) {
    const std::u16string lines[] = {
        ComposeChatLine(255, 65280, 16711680, u"Arial", u"hello"),
        u"<b>\"quoted\" & 'single'</b> <Font Color=#GGGGGG> <<>> </font>",
        ComposeChatLine(255, 65280, 16711680, u"Arial", u""),
        HundredThousandCharacterLine(),
        ComposeChatLine(0x123456, 0x654321, 0xABCDEF, u"Times New Roman", u"after the long one"),
    };
    ASSERT_EQ(lines[3].size(), 100000u);
    StandIn standIn(L"");
    ASSERT_TRUE(standIn.Ready());
    const HWND input = InputOf(FindChatRoom());
    for (const std::u16string& line : lines) {
        SendChatLine(line);
        EXPECT_EQ(SendMessageA(input, WM_GETTEXTLENGTH, 0, 0), 0) << "the input was not emptied";
    }
    const auto logged = standIn.WaitForLines(std::size(lines));
    ASSERT_EQ(logged.size(), std::size(lines));
    for (std::size_t i = 0; i < logged.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(logged[i].size(), lines[i].size());
        EXPECT_EQ(logged[i], Utf8(lines[i]));
    }
}

TEST(ChatRoomSession, WhatWasTypedInTheInputBeforeIsReplaced) {
    StandIn standIn(L"");
    ASSERT_TRUE(standIn.Ready());
    const HWND input = InputOf(FindChatRoom());
    for (char c : std::string("half typed"))
        SendMessageA(input, WM_CHAR, static_cast<unsigned char>(c), 0);
    ASSERT_EQ(TextOf(input), "half typed");
    const std::u16string line = ComposeChatLine(255, 65280, 16711680, u"Arial", u"hi");
    SendChatLine(line);
    const auto logged = standIn.WaitForLines(1);
    ASSERT_EQ(logged.size(), 1u);
    EXPECT_EQ(logged[0], Utf8(line));
}

TEST(ChatRoomSession, WithNoRoomASendHasNoEffectAndRaisesNothing) {
    ASSERT_EQ(FindWindowA("AOL Frame25", nullptr), nullptr) << "a stand-in is still running";
    EXPECT_EQ(FindChatRoom(), 0u);
    SendChatLine(u"nobody is listening");

    StandIn frameOnly(L"--rooms 0", 0);
    ASSERT_TRUE(frameOnly.Ready());
    EXPECT_EQ(FindChatRoom(), 0u);
    SendChatLine(u"nobody is listening");
    EXPECT_TRUE(frameOnly.WaitForLines(1, 500).empty());
}

TEST(ChatRoomSession, OnlyTheFirstFrameIsSearched) {
    // The frame shown last is the first top-level window; the room of the client
    // behind it is not reached.
    StandIn behind(L"");
    ASSERT_TRUE(behind.Ready());
    ASSERT_NE(FindChatRoom(), 0u);
    StandIn front(L"--rooms 0", 0);
    ASSERT_TRUE(front.Ready());
    EXPECT_EQ(FindChatRoom(), 0u);
    SendChatLine(u"for the first frame only");
    EXPECT_TRUE(behind.WaitForLines(1, 500).empty());
    EXPECT_TRUE(front.WaitForLines(1, 0).empty());
}

TEST(ChatRoomSession, WithTwoRoomsTheLineGoesToTheFirstInTheAreaOrder) {
    StandIn standIn(L"--rooms 2 --log-room-numbers", 2);
    ASSERT_TRUE(standIn.Ready());
    const HWND frame = FindWindowA("AOL Frame25", nullptr);
    const HWND area = FindWindowExA(frame, nullptr, "MDIClient", nullptr);
    // The stand-in may still be bringing a room to the front; wait until the area's
    // order of children has held still for half a second before comparing with it.
    HWND first = nullptr;
    for (int tries = 0, still = 0; tries < 100 && still < 10; ++tries) {
        const HWND now = GetWindow(area, GW_CHILD);
        still = now && now == first ? still + 1 : 0;
        first = now;
        Sleep(50);
    }
    ASSERT_NE(first, nullptr);
    ASSERT_NE(GetWindow(first, GW_HWNDNEXT), nullptr) << "the second room is missing";
    ASSERT_EQ(FindChatRoom(), reinterpret_cast<WindowHandle>(first));

    const std::string title = TextOf(first);  // "Chat room N"
    const std::string number = title.substr(title.rfind(' ') + 1);
    const std::u16string line = ComposeChatLine(255, 65280, 16711680, u"Arial", u"to the front");
    SendChatLine(line);
    const auto logged = standIn.WaitForLines(1);
    ASSERT_EQ(logged.size(), 1u);
    EXPECT_EQ(logged[0], number + "\t" + Utf8(line));
}

TEST(ChatRoomSession, CharactersTheCodePageLacksArriveAsItConvertsThem) {
    const std::u16string text = u"caf\u00e9 \u4e2d\u6587 \u0416 \u263a end";
    const std::u16string line = ComposeChatLine(255, 65280, 16711680, u"Arial", text);
    // What the system's code page makes of the line, and back.
    const std::wstring wide = Wide(line);
    const int size = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), narrow.data(), size,
                        nullptr, nullptr);
    std::wstring back(narrow.size(), L'\0');
    back.resize(static_cast<std::size_t>(
        MultiByteToWideChar(CP_ACP, 0, narrow.data(), static_cast<int>(narrow.size()), back.data(),
                            static_cast<int>(back.size()))));
    const std::u16string expected(back.begin(), back.end());
    if (expected == line) GTEST_SKIP() << "code page " << GetACP() << " holds every character";

    StandIn standIn(L"");
    ASSERT_TRUE(standIn.Ready());
    SendChatLine(line);
    const auto logged = standIn.WaitForLines(1);
    ASSERT_EQ(logged.size(), 1u);
    EXPECT_EQ(logged[0], Utf8(expected));
    EXPECT_NE(logged[0], Utf8(line));
    // The markup around the changed characters is untouched.
    EXPECT_EQ(logged[0].substr(0, 19), "<font face=\"Arial\">");
    // In the Western code page, what has no place there becomes a question mark.
    if (GetACP() == 1252) {
        EXPECT_NE(logged[0].find(">?<"), std::string::npos);
    }
}

TEST(ChatRoomSession, BadOptionsEndTheStandInWithStatusTwo) {
    struct Row {
        const wchar_t* arguments;
        DWORD status;
    };
    const Row rows[] = {
        {L"--rooms", 2}, {L"--rooms -1", 2}, {L"--rooms x", 2},
        {L"--bogus", 2}, {L"--log", 2},      {L"--help", 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.arguments, row.arguments + wcslen(row.arguments)));
        std::wstring command = L"\"" + ChatRoomExe() + L"\" " + row.arguments;
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   nullptr, &startup, &process));
        CloseHandle(process.hThread);
        const bool ended = WaitForSingleObject(process.hProcess, kWaitMs) == WAIT_OBJECT_0;
        if (!ended) TerminateProcess(process.hProcess, 1);
        DWORD status = 1234;
        GetExitCodeProcess(process.hProcess, &status);
        CloseHandle(process.hProcess);
        EXPECT_TRUE(ended);
        EXPECT_EQ(status, row.status);
        EXPECT_EQ(FindWindowA("AOL Frame25", nullptr), nullptr);
    }
}

}  // namespace
}  // namespace lumivane
