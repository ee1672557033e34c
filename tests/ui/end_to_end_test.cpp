// The real program against the stand-in chat room: start-up, sending, closing and
// the settings file beside the program.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include <windows.h>
#include <psapi.h>

#include "ui/form_layout.h"
#include "ui_driver.h"

namespace lumivane::test {
namespace {

struct RoomRun {
    RunFolder folder;
    ChatRoom room{folder.File(L"room.log")};
};

std::string SettingsFile(const std::string& colors1, const std::string& colors2,
                         const std::string& colors3, const std::string& face) {
    return "[lumivane]\r\nCOLORS1=" + colors1 + "\r\nCOLORS2=" + colors2 +
           "\r\nCOLORS3=" + colors3 + "\r\nFONT FACE=" + face + "\r\n";
}

struct StartCase {
    const char* what;
    bool writeFile;
    std::string file;
    ColorValue first, second, third;
    std::u16string face;
};

// What start-up announces follows the file beside the program: stored colours
// and face, or red, green and blue wherever a colour is missing or damaged.
TEST(StartUp, AnnouncesWithTheStoredColoursAndFace) {
    const StartCase cases[] = {
        {"stored settings", true, SettingsFile("1193046", "-5", "8421504", "Verdana"), 1193046, -5,
         8421504, u"Verdana"},
        {"hand-written, other letter case", true,
         "[LUMIVANE]\r\ncolors1=16777215\r\nColors3=0\r\nfont face=Palatino  Linotype\r\n",
         16777215, kGreen, 0, u"Palatino  Linotype"},
        {"first start, no file", false, "", kRed, kGreen, kBlue, u""},
        {"damaged file", true, SettingsFile("abc", "99999999999", "", "Tahoma"), kRed, kGreen,
         kBlue, u"Tahoma"},
        {"not a settings file", true, std::string("\x7f\x45LF\0\x01\xff garbage", 15), kRed, kGreen,
         kBlue, u""},
    };
    for (const StartCase& c : cases) {
        SCOPED_TRACE(c.what);
        RoomRun run;
        ASSERT_TRUE(run.room.Ready());
        if (c.writeFile) WriteFileBytes(run.folder.File(L"Saved Info.dll"), c.file);
        Lumivane program(run.folder);
        ASSERT_NE(program.Form(), nullptr);
        const std::vector<std::string> lines = run.room.WaitForLines(2, Seconds(5));
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(lines[0], ExpectedLine(c.first, c.second, c.third, c.face, u"Lumivane"));
        EXPECT_EQ(lines[1], ExpectedLine(c.first, c.second, c.third, c.face, u"Coded By: Brask"));
        EXPECT_EQ(TextOf(program.Control(kCombo1)), std::wstring(c.face.begin(), c.face.end()));
    }
}

// The second announcement follows the first after the one-second pause.
TEST(StartUp, SecondAnnouncementComesAboutASecondAfterTheFirst) {
    RoomRun run;
    ASSERT_TRUE(run.room.Ready());
    Lumivane program(run.folder);
    ASSERT_EQ(run.room.WaitForLines(1, Seconds(5)).size(), 1u);
    const auto first = std::chrono::steady_clock::now();
    ASSERT_EQ(run.room.WaitForLines(2, Seconds(5)).size(), 2u);
    const double gap = Seconds(std::chrono::steady_clock::now() - first).count();
    EXPECT_GE(gap, 0.95);
    EXPECT_LE(gap, 1.5);
}

// Waiting must not burn the processor: the pause sleeps between messages. The
// window's thread is measured (Wine keeps the times of another process's
// threads, not of the process as a whole).
TEST(StartUp, PauseUsesAlmostNoProcessorTime) {
    RoomRun run;
    ASSERT_TRUE(run.room.Ready());
    Lumivane program(run.folder);
    ASSERT_EQ(run.room.WaitForLines(1, Seconds(5)).size(), 1u);
    const auto launchToFirst =
        Seconds(std::chrono::steady_clock::now() - program.LaunchTime()).count();
    auto cpuSeconds = [&] {
        FILETIME created, ended, kernel, user;
        GetThreadTimes(program.Program().MainThread(), &created, &ended, &kernel, &user);
        auto ticks = [](FILETIME t) {
            return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
        };
        return static_cast<double>(ticks(kernel) + ticks(user)) / 1e7;
    };
    const double cpuBefore = cpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(run.room.WaitForLines(2, Seconds(5)).size(), 2u);
    const double wall = Seconds(std::chrono::steady_clock::now() - start).count();
    const double cpu = cpuSeconds() - cpuBefore;
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    K32GetProcessMemoryInfo(program.Program().Handle(), &memory, sizeof memory);
    std::printf(
        "pause: %.3f s CPU over %.3f s; launch to first line %.3f s; working set %zu KiB (peak %zu KiB)\n",
        cpu, wall, launchToFirst, static_cast<size_t>(memory.WorkingSetSize / 1024),
        static_cast<size_t>(memory.PeakWorkingSetSize / 1024));
    EXPECT_LT(cpu, 0.05 * wall);
}

struct SendCase {
    const char* what;
    std::wstring typed;
    std::u16string body;
};

// Enter in Text1 sends the typed text as one line and empties Text1; an empty
// Text1 sends the face tag alone.
TEST(Send, EnterSendsTheTypedTextAndEmptiesTheTextBox) {
    const SendCase cases[] = {
        {"a word", L"hello", u"hello"},
        {"blanks and markup kept", L"  <b>a & b</b> ", u"  <b>a & b</b> "},
        {"empty text box", L"", u""},
    };
    RoomRun run;
    ASSERT_TRUE(run.room.Ready());
    WriteFileBytes(run.folder.File(L"Saved Info.dll"),
                   SettingsFile("4227327", "65535", "16711935", "Georgia"));
    Lumivane program(run.folder);
    ASSERT_EQ(run.room.WaitForLines(2, Seconds(5)).size(), 2u);
    size_t expected = 2;
    for (const SendCase& c : cases) {
        SCOPED_TRACE(c.what);
        program.TypeLineAndEnter(c.typed);
        const std::vector<std::string> lines = run.room.WaitForLines(++expected, Seconds(5));
        ASSERT_EQ(lines.size(), expected);
        EXPECT_EQ(lines.back(), ExpectedLine(4227327, 65535, 16711935, u"Georgia", c.body));
        EXPECT_EQ(TextOf(program.Control(kText1)), L"");
    }
}

// A line sent during the start-up pause arrives between the two announcements.
TEST(Send, LineTypedDuringTheStartUpPauseArrivesBetweenTheAnnouncements) {
    RoomRun run;
    ASSERT_TRUE(run.room.Ready());
    Lumivane program(run.folder);
    ASSERT_EQ(run.room.WaitForLines(1, Seconds(5)).size(), 1u);
    program.TypeLineAndEnter(L"early");
    const std::vector<std::string> lines = run.room.WaitForLines(3, Seconds(5));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], ExpectedLine(kRed, kGreen, kBlue, u"", u"Lumivane"));
    EXPECT_EQ(lines[1], ExpectedLine(kRed, kGreen, kBlue, u"", u"early"));
    EXPECT_EQ(lines[2], ExpectedLine(kRed, kGreen, kBlue, u"", u"Coded By: Brask"));
}

// The close label saves the four settings in the file's own form, says goodbye,
// and the program ends; the next start-up restores what was saved.
TEST(Close, CloseLabelSavesSaysGoodbyeEndsAndNextStartRestores) {
    RoomRun run;
    ASSERT_TRUE(run.room.Ready());
    {
        Lumivane program(run.folder);
        ASSERT_EQ(run.room.WaitForLines(2, Seconds(5)).size(), 2u);
        SendMessageW(program.Control(kCombo1), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Arial"));
        program.Click(kLabel2);
        const std::vector<std::string> lines = run.room.WaitForLines(4, Seconds(5));
        ASSERT_EQ(lines.size(), 4u);
        EXPECT_EQ(lines[2], ExpectedLine(kRed, kGreen, kBlue, u"Arial", u"Lumivane"));
        EXPECT_EQ(lines[3], ExpectedLine(kRed, kGreen, kBlue, u"Arial", u"Closed..."));
        EXPECT_TRUE(program.Program().WaitForEnd(Seconds(3)));
        EXPECT_EQ(ReadFileBytes(run.folder.File(L"Saved Info.dll")),
                  SettingsFile("255", "65280", "16711680", "Arial"));
    }
    Lumivane again(run.folder);
    const std::vector<std::string> lines = run.room.WaitForLines(6, Seconds(5));
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[4], ExpectedLine(kRed, kGreen, kBlue, u"Arial", u"Lumivane"));
    EXPECT_EQ(lines[5], ExpectedLine(kRed, kGreen, kBlue, u"Arial", u"Coded By: Brask"));
}

// Colours go back to the file as they stand, a negative one with its minus sign,
// and come back unchanged at the next start.
TEST(Close, ExtremeAndNegativeColoursSurviveASaveAndARestart) {
    RoomRun run;
    ASSERT_TRUE(run.room.Ready());
    WriteFileBytes(run.folder.File(L"Saved Info.dll"),
                   SettingsFile("-5", "-2147483648", "2147483647", "MV Boli"));
    {
        Lumivane program(run.folder);
        ASSERT_EQ(run.room.WaitForLines(2, Seconds(5)).size(), 2u);
        SendMessageW(program.Control(kCombo1), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Impact"));
        program.Click(kLabel2);
        ASSERT_TRUE(program.Program().WaitForEnd(Seconds(4)));
    }
    EXPECT_EQ(ReadFileBytes(run.folder.File(L"Saved Info.dll")),
              SettingsFile("-5", "-2147483648", "2147483647", "Impact"));
    Lumivane again(run.folder);
    const std::vector<std::string> lines = run.room.WaitForLines(5, Seconds(5));
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[4], ExpectedLine(-5, INT32_MIN, INT32_MAX, u"Impact", u"Lumivane"));
}

// Closing during the start-up pause: saved, "Lumivane" twice, "Closed..." once,
// and the interrupted start-up never sends its second announcement.
TEST(Close, CloseLabelDuringTheStartUpPauseEndsTheProgramThere) {
    RoomRun run;
    ASSERT_TRUE(run.room.Ready());
    Lumivane program(run.folder);
    ASSERT_EQ(run.room.WaitForLines(1, Seconds(5)).size(), 1u);
    program.Click(kLabel2);
    ASSERT_TRUE(program.Program().WaitForEnd(Seconds(4)));
    Sleep(300);
    const std::vector<std::string> lines = run.room.Lines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], ExpectedLine(kRed, kGreen, kBlue, u"", u"Lumivane"));
    EXPECT_EQ(lines[1], ExpectedLine(kRed, kGreen, kBlue, u"", u"Lumivane"));
    EXPECT_EQ(lines[2], ExpectedLine(kRed, kGreen, kBlue, u"", u"Closed..."));
    EXPECT_EQ(ReadFileBytes(run.folder.File(L"Saved Info.dll")),
              SettingsFile("255", "65280", "16711680", ""));
}

// A second press during the closing pause: "Lumivane" twice, "Closed..." once.
TEST(Close, CloseLabelPressedAgainDuringTheClosingPauseSaysGoodbyeOnce) {
    RoomRun run;
    ASSERT_TRUE(run.room.Ready());
    Lumivane program(run.folder);
    ASSERT_EQ(run.room.WaitForLines(2, Seconds(5)).size(), 2u);
    program.Click(kLabel2);
    ASSERT_EQ(run.room.WaitForLines(3, Seconds(5)).size(), 3u);
    program.Click(kLabel2);
    ASSERT_TRUE(program.Program().WaitForEnd(Seconds(4)));
    Sleep(300);
    const std::vector<std::string> lines = run.room.Lines();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[2], ExpectedLine(kRed, kGreen, kBlue, u"", u"Lumivane"));
    EXPECT_EQ(lines[3], ExpectedLine(kRed, kGreen, kBlue, u"", u"Lumivane"));
    EXPECT_EQ(lines[4], ExpectedLine(kRed, kGreen, kBlue, u"", u"Closed..."));
}

// Closing the window any other way saves nothing and sends nothing.
TEST(Close, ClosingWithoutTheCloseLabelSavesAndSendsNothing) {
    RoomRun run;
    ASSERT_TRUE(run.room.Ready());
    Lumivane program(run.folder);
    ASSERT_EQ(run.room.WaitForLines(2, Seconds(5)).size(), 2u);
    PostMessageW(program.Form(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(program.Program().WaitForEnd(Seconds(3)));
    EXPECT_EQ(run.room.Lines().size(), 2u);
    EXPECT_EQ(ReadFileBytes(run.folder.File(L"Saved Info.dll")), "");
}

}  // namespace
}  // namespace lumivane::test
