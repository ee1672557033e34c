// " _" and "X" for a user at the keyboard: reached with Tab, pressed with Space
// or Enter, a focus cue while they have the focus; and Tab never takes the
// focus out of sight.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/form_layout.h"
#include "ui_driver.h"

namespace lumivane::test {
namespace {

struct PressCase {
    ControlId button;
    WPARAM key;
    const char* what;
};

// " _" minimises the window and sends nothing; "X" saves, says goodbye and ends.
TEST(LabelButtonKeys, TabThenSpaceOrEnterPressesMinimiseAndClose) {
    const PressCase cases[] = {
        {kLabel1, VK_SPACE, "Space on \" _\""},
        {kLabel1, VK_RETURN, "Enter on \" _\""},
        {kLabel2, VK_SPACE, "Space on \"X\""},
        {kLabel2, VK_RETURN, "Enter on \"X\""},
    };
    for (const PressCase& c : cases) {
        SCOPED_TRACE(c.what);
        Started run;
        ASSERT_TRUE(run.room.Ready());
        ASSERT_EQ(run.room.WaitForLines(2, Seconds(5)).size(), 2u);
        SendMessageW(run.program.Control(kCombo1), WM_SETTEXT, 0,
                     reinterpret_cast<LPARAM>(L"Tahoma"));
        ASSERT_TRUE(run.program.TabTo(c.button));
        run.program.PressKey(c.key);
        if (c.button == kLabel1) {
            EXPECT_TRUE(WaitFor([&] { return IsIconic(run.program.Form()) != FALSE; }, Seconds(3)));
            Sleep(300);
            EXPECT_EQ(run.room.Lines().size(), 2u) << "Enter pressed no other button";
            EXPECT_EQ(ReadFileBytes(run.folder.File(L"Saved Info.dll")), "");
        } else {
            EXPECT_TRUE(run.program.Program().WaitForEnd(Seconds(5)));
            const std::vector<std::string> lines = run.room.Lines();
            ASSERT_EQ(lines.size(), 4u);
            EXPECT_EQ(lines[2], ExpectedLine(kRed, kGreen, kBlue, u"Tahoma", u"Lumivane"));
            EXPECT_EQ(lines[3], ExpectedLine(kRed, kGreen, kBlue, u"Tahoma", u"Closed..."));
            EXPECT_EQ(
                ReadFileBytes(run.folder.File(L"Saved Info.dll")),
                "[lumivane]\r\nCOLORS1=255\r\nCOLORS2=65280\r\nCOLORS3=16711680\r\nFONT FACE=Tahoma\r\n");
        }
    }
}

// Every pixel of a control on the screen, row by row.
std::vector<COLORREF> PixelsOf(HWND control) {
    RECT at;
    GetWindowRect(control, &at);
    HDC screen = GetDC(nullptr);
    std::vector<COLORREF> pixels;
    for (int y = at.top; y < at.bottom; ++y) {
        for (int x = at.left; x < at.right; ++x) pixels.push_back(GetPixel(screen, x, y));
    }
    ReleaseDC(nullptr, screen);
    return pixels;
}

// With the keyboard focus, " _" and "X" show a cue; without it they look as
// they did before.
TEST(LabelButtonKeys, KeyboardFocusShowsACueThatGoesWithTheFocus) {
    Started run;
    ASSERT_TRUE(run.room.Ready());
    ASSERT_EQ(run.room.WaitForLines(2, Seconds(5)).size(), 2u);
    SetWindowPos(run.program.Form(), HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    for (ControlId button : {kLabel1, kLabel2}) {
        SCOPED_TRACE(ControlSpecOf(button).name);
        HWND control = run.program.Control(button);
        const std::vector<COLORREF> plain = PixelsOf(control);
        ASSERT_TRUE(run.program.TabTo(button));
        EXPECT_TRUE(WaitFor([&] { return PixelsOf(control) != plain; }, Seconds(2)))
            << "a cue with the focus";
        ASSERT_TRUE(run.program.TabTo(kText1));
        EXPECT_TRUE(WaitFor([&] { return PixelsOf(control) == plain; }, Seconds(2)))
            << "no cue without it";
    }
}

// Twenty presses of Tab go round the controls again and again, and the focus
// always lands on a control that lies inside the window's client area.
TEST(TabKey, TwentyPressesNeverPutTheFocusOutsideTheWindow) {
    Started run;
    ASSERT_TRUE(run.room.Ready());
    ASSERT_EQ(run.room.WaitForLines(2, Seconds(5)).size(), 2u);
    HWND form = run.program.Form();
    RECT client;
    GetClientRect(form, &client);
    MapWindowPoints(form, nullptr, reinterpret_cast<POINT*>(&client), 2);
    for (int press = 1; press <= 20; ++press) {
        SCOPED_TRACE(press);
        HWND before = run.program.Focus();
        run.program.PressKey(VK_TAB);
        ASSERT_TRUE(WaitFor([&] { return run.program.Focus() != before; }, Seconds(2)));
        HWND focus = run.program.Focus();
        ASSERT_TRUE(IsChild(form, focus));
        EXPECT_NE(focus, run.program.Control(kCommand1));
        RECT at;
        GetWindowRect(focus, &at);
        EXPECT_TRUE(at.left >= client.left && at.top >= client.top && at.right <= client.right &&
                    at.bottom <= client.bottom)
            << "control " << GetDlgCtrlID(focus) << " at " << at.left << "," << at.top << " "
            << at.right << "," << at.bottom;
    }
}

}  // namespace
}  // namespace lumivane::test
