// The real program against a stand-in chat client that misbehaves: one that
// stops responding, and one whose input control does not take a long line. The
// window never freezes, a typed line is never lost, and "X" still saves and ends.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "ui/form_layout.h"
#include "ui_driver.h"

namespace lumivane::test {
namespace {

using Clock = std::chrono::steady_clock;

const std::string kStartSettings =
    "[lumivane]\r\nCOLORS1=255\r\nCOLORS2=65280\r\nCOLORS3=16711680\r\nFONT FACE=\r\n";

// Pixels of Text1 in its light text colour: how much typed text it shows on the
// screen. Light grey (224) on the window-frame colour, which is darker (Wine's
// is 158 grey), as is the caret, drawn by inverting.
int TextPixels(HWND text1) {
    RECT at;
    GetWindowRect(text1, &at);
    HDC screen = GetDC(nullptr);
    int light = 0;
    for (int y = at.top + 2; y < at.bottom - 2; ++y) {
        for (int x = at.left + 2; x < at.right - 2; ++x) {
            if (GetGValue(GetPixel(screen, x, y)) > 192) ++light;
        }
    }
    ReleaseDC(nullptr, screen);
    return light;
}

void SetText(HWND control, const wchar_t* text) {
    SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

// The client hangs (its one thread takes no message for 30 s) right after the
// start-up lines. Enter brings one message within about three seconds (a wait
// of two, then the box); the typed line stays; the window answers and paints
// meanwhile; "X" saves and ends the program while the client still hangs.
TEST(HungChatClient, EnterTellsAtOnceTheLineStaysTheWindowPaintsAndXStillEnds) {
    RunFolder folder;
    ChatRoom room(folder.File(L"room.log"), L"--hang-after 2 --hang-seconds 30");
    ASSERT_TRUE(room.Ready());
    Lumivane program(folder);
    ASSERT_NE(program.Form(), nullptr);
    ASSERT_EQ(room.WaitForLines(2, Seconds(5)).size(), 2u);
    HWND text1 = program.Control(kText1);

    const Clock::time_point pressed = Clock::now();
    program.TypeLineAndEnter(L"still here");
    HWND box = program.WaitForDialog(Seconds(10));
    ASSERT_NE(box, nullptr);
    const double waited = Seconds(Clock::now() - pressed).count();
    EXPECT_LT(waited, 4.0) << "the box came after " << waited << " s";
    const std::wstring said = DialogText(box);
    EXPECT_NE(said.find(L"not responding"), std::wstring::npos)
        << std::string(said.begin(), said.end());
    EXPECT_NE(said.find(L"still in the text box"), std::wstring::npos);
    EXPECT_EQ(TextOf(text1), L"still here");

    // The box aside, Text1 is seen to repaint as its text changes.
    SetWindowPos(box, nullptr, 700, 600, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(WaitFor([&] { return TextPixels(text1) > 0; }, Seconds(2)))
        << "the typed line is shown";
    SetText(text1, L"");
    EXPECT_TRUE(WaitFor([&] { return TextPixels(text1) == 0; }, Seconds(2))) << "the window paints";
    SetText(text1, L"still here");
    EXPECT_TRUE(WaitFor([&] { return TextPixels(text1) > 0; }, Seconds(2)))
        << "the window paints again";

    PostMessageW(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(box); }, Seconds(2)));
    EXPECT_EQ(TextOf(text1), L"still here");
    EXPECT_EQ(program.WaitForDialog(Seconds(0.5)), nullptr) << "one message only";

    program.Click(kLabel2);
    EXPECT_TRUE(program.Program().WaitForEnd(Seconds(10))) << "\"X\" ends the program";
    EXPECT_EQ(ReadFileBytes(folder.File(L"Saved Info.dll")), kStartSettings);
    EXPECT_EQ(room.Lines().size(), 2u);
}

// The room's input control takes no text longer than 600 characters: a short
// line goes as ever; a long one stays in Text1, one message says the room did
// not take it, and no Enter follows (which would send what the control held).
TEST(RefusingChatRoom, ALineTheRoomDoesNotTakeStaysAndNoEnterFollows) {
    RunFolder folder;
    ChatRoom room(folder.File(L"room.log"), L"--input-limit 600");
    ASSERT_TRUE(room.Ready());
    Lumivane program(folder);
    ASSERT_EQ(room.WaitForLines(2, Seconds(5)).size(), 2u);
    HWND text1 = program.Control(kText1);

    program.TypeLineAndEnter(L"short");
    std::vector<std::string> lines = room.WaitForLines(3, Seconds(5));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[2], ExpectedLine(kRed, kGreen, kBlue, u"", u"short"));
    EXPECT_TRUE(WaitFor([&] { return TextOf(text1).empty(); }, Seconds(2)));

    const std::wstring longLine(40, L'w');  // some 850 characters with its colours
    program.TypeLineAndEnter(longLine);
    HWND box = program.WaitForDialog(Seconds(5));
    ASSERT_NE(box, nullptr);
    const std::wstring said = DialogText(box);
    EXPECT_NE(said.find(L"did not take"), std::wstring::npos)
        << std::string(said.begin(), said.end());
    EXPECT_EQ(TextOf(text1), longLine);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(box); }, Seconds(2)));
    EXPECT_EQ(program.WaitForDialog(Seconds(0.5)), nullptr) << "one message only";
    EXPECT_EQ(TextOf(text1), longLine);
    EXPECT_EQ(room.Lines().size(), 3u) << "no Enter was typed into the room";
}

}  // namespace
}  // namespace lumivane::test
