// What the window does with the mouse: the colour pickers, minimising, and the
// drag by Frame2.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/form_layout.h"
#include "ui_driver.h"

namespace lumivane::test {
namespace {

struct Pick {
    ControlId swatch;
    int red, green, blue;
    bool confirm;
};

struct PickCase {
    const char* what;
    std::vector<Pick> picks;
    ColorValue first, second, third;  // the colours of the next line
};

// A confirmed colour goes to its swatch and into the next line; a cancelled
// dialog leaves the swatch as it was, before and after any confirm in the run.
TEST(ColorPicker, ConfirmSetsTheSwatchAndCancelLeavesIt) {
    const PickCase cases[] = {
        {"confirm Color2", {{kColor2, 10, 20, 30, true}}, kRed, RGB(10, 20, 30), kBlue},
        {"cancel first in the run", {{kColor1, 1, 2, 3, false}}, kRed, kGreen, kBlue},
        {"cancel after a confirm elsewhere",
         {{kColor3, 200, 100, 50, true}, {kColor1, 9, 9, 9, false}},
         kRed,
         kGreen,
         RGB(200, 100, 50)},
    };
    for (const PickCase& c : cases) {
        SCOPED_TRACE(c.what);
        Started run;
        ASSERT_TRUE(run.room.Ready());
        ASSERT_EQ(run.room.WaitForLines(2, Seconds(5)).size(), 2u);
        for (const Pick& pick : c.picks) {
            run.program.Click(pick.swatch);
            HWND dialog = run.program.WaitForColorDialog(Seconds(5));
            ASSERT_NE(dialog, nullptr);
            AnswerColorDialog(dialog, pick.red, pick.green, pick.blue, pick.confirm);
            for (int k = 0; k < 200 && IsWindow(dialog); ++k) Sleep(10);
            ASSERT_FALSE(IsWindow(dialog));
        }
        run.program.TypeLineAndEnter(L"pick");
        const std::vector<std::string> lines = run.room.WaitForLines(3, Seconds(5));
        ASSERT_EQ(lines.size(), 3u);
        EXPECT_EQ(lines[2], ExpectedLine(c.first, c.second, c.third, u"", u"pick"));
    }
}

// A colour picked during the start-up pause is in the second announcement.
TEST(ColorPicker, ColourPickedDuringTheStartUpPauseIsInTheSecondAnnouncement) {
    Started run;
    ASSERT_TRUE(run.room.Ready());
    ASSERT_EQ(run.room.WaitForLines(1, Seconds(5)).size(), 1u);
    run.program.Click(kColor1);
    HWND dialog = run.program.WaitForColorDialog(Seconds(5));
    ASSERT_NE(dialog, nullptr);
    Sleep(1100);  // the dialog holds the pause up while it stays open
    EXPECT_EQ(run.room.Lines().size(), 1u);
    AnswerColorDialog(dialog, 0, 128, 255, true);
    const std::vector<std::string> lines = run.room.WaitForLines(2, Seconds(5));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], ExpectedLine(RGB(0, 128, 255), kGreen, kBlue, u"", u"Coded By: Brask"));
}

LONG_PTR ExStyleOf(HWND window) { return GetWindowLongPtrW(window, GWL_EXSTYLE); }

struct MinimiseCase {
    const char* what;
    void (*minimise)(const Lumivane& program);
};

struct RestoreCase {
    const char* what;
    void (*restore)(HWND form);
};

HWND ActiveWindowOf(HWND form) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(form, nullptr), &info);
    return info.hwndActive;
}

// However the window is minimised (" _", the system's minimise command, another
// program), it has a taskbar button (a minimised tool window has none, and
// nothing would bring it back). Restored, by the taskbar or any other way, it is
// the top-most tool window again, at the same place and size, active, with the
// keyboard focus where it was. Neither step sends a line or saves a setting.
TEST(WindowActions, MinimiseKeepsATaskbarButtonAndRestoreMakesItAToolWindowAgain) {
    const MinimiseCase minimises[] = {
        {"\" _\"", [](const Lumivane& program) { program.Click(kLabel1); }},
        {"the minimise command",
         [](const Lumivane& program) {
             PostMessageW(program.Form(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
         }},
        {"minimised by another program",
         [](const Lumivane& program) { ShowWindow(program.Form(), SW_MINIMIZE); }},
    };
    const RestoreCase restores[] = {
        // The taskbar makes the window the foreground window, then restores it.
        {"the taskbar's restore command",
         [](HWND form) {
             SetForegroundWindow(form);
             PostMessageW(form, WM_SYSCOMMAND, SC_RESTORE, 0);
         }},
        {"shown again by another program", [](HWND form) { ShowWindow(form, SW_RESTORE); }},
    };
    for (const MinimiseCase& m : minimises) {
        for (const RestoreCase& c : restores) {
            SCOPED_TRACE(std::string(m.what) + ", then " + c.what);
            Started run;
            ASSERT_EQ(run.room.WaitForLines(2, Seconds(5)).size(), 2u);
            HWND form = run.program.Form();
            RECT before;
            GetWindowRect(form, &before);
            EXPECT_FALSE(IsIconic(form));
            // The focus away from where the window puts it first.
            ASSERT_TRUE(run.program.TabTo(kColor2));

            // The minimise hides the window for a moment: wait for its end state.
            m.minimise(run.program);
            WaitFor(
                [&] {
                    return IsIconic(form) && IsWindowVisible(form) &&
                           (ExStyleOf(form) & WS_EX_APPWINDOW);
                },
                Seconds(2));
            EXPECT_TRUE(IsIconic(form));
            EXPECT_TRUE(IsWindowVisible(form));
            EXPECT_NE(ExStyleOf(form) & WS_EX_APPWINDOW, 0);
            EXPECT_EQ(ExStyleOf(form) & WS_EX_TOOLWINDOW, 0);

            c.restore(form);
            WaitFor(
                [&] {
                    return !IsIconic(form) && (ExStyleOf(form) & WS_EX_TOOLWINDOW) &&
                           run.program.Focus() == run.program.Control(kColor2);
                },
                Seconds(2));
            EXPECT_FALSE(IsIconic(form));
            EXPECT_TRUE(IsWindowVisible(form));
            EXPECT_EQ(ExStyleOf(form) & WS_EX_APPWINDOW, 0);
            EXPECT_NE(ExStyleOf(form) & WS_EX_TOOLWINDOW, 0);
            EXPECT_NE(ExStyleOf(form) & WS_EX_TOPMOST, 0);
            EXPECT_EQ(GetForegroundWindow(), form);
            EXPECT_EQ(ActiveWindowOf(form), form);
            EXPECT_EQ(run.program.Focus(), run.program.Control(kColor2));
            RECT after;
            GetWindowRect(form, &after);
            EXPECT_TRUE(EqualRect(&before, &after))
                << after.left << "," << after.top << " " << after.right << "," << after.bottom;

            Sleep(300);
            EXPECT_EQ(run.room.Lines().size(), 2u);
            EXPECT_EQ(ReadFileBytes(run.folder.File(L"Saved Info.dll")), "");
        }
    }
}

// The window is being moved: by the system's move loop (left button), or by
// its own, which holds the mouse capture (right and middle buttons).
bool InMoveLoop(HWND form) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(form, nullptr), &info);
    return (info.flags & GUI_INMOVESIZE) != 0 || info.hwndCapture == form;
}

struct PressCase {
    const char* what;
    ControlId target;
    UINT down;
    WPARAM keys;
    bool drags;
};

// Any mouse button on Frame2 hands the window to the move loop; presses on the
// other frames do not.
TEST(WindowActions, PressOnTheTextFrameStartsADragWithAnyButton) {
    const PressCase cases[] = {
        {"left on Frame2", kFrame2, WM_LBUTTONDOWN, MK_LBUTTON, true},
        {"right on Frame2", kFrame2, WM_RBUTTONDOWN, MK_RBUTTON, true},
        {"middle with shift on Frame2", kFrame2, WM_MBUTTONDOWN, MK_MBUTTON | MK_SHIFT, true},
        {"left on Frame1", kFrame1, WM_LBUTTONDOWN, MK_LBUTTON, false},
        {"left on Frame3", kFrame3, WM_LBUTTONDOWN, MK_LBUTTON, false},
    };
    Started run;
    ASSERT_EQ(run.room.WaitForLines(2, Seconds(5)).size(), 2u);
    HWND form = run.program.Form();
    for (const PressCase& c : cases) {
        SCOPED_TRACE(c.what);
        PostMessageW(run.program.Control(c.target), c.down, c.keys, MAKELPARAM(20, 4));
        bool moving = false;
        for (int k = 0; k < 50 && !(moving = InMoveLoop(form)); ++k) Sleep(10);
        EXPECT_EQ(moving, c.drags);
        // Escape ends the move and puts the window back.
        PostMessageW(form, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
        for (int k = 0; k < 100 && InMoveLoop(form); ++k) Sleep(10);
        ASSERT_FALSE(InMoveLoop(form));
    }
}

// The second press of a double-click on Frame2, with any button, starts a drag
// as the first does, and the keyboard focus stays in Text1: typing goes on there.
TEST(WindowActions, DoubleClickOnTheTextFrameDragsAndTypingGoesOn) {
    const PressCase cases[] = {
        {"left double-click", kFrame2, WM_LBUTTONDBLCLK, MK_LBUTTON, true},
        {"right double-click", kFrame2, WM_RBUTTONDBLCLK, MK_RBUTTON, true},
        {"middle double-click", kFrame2, WM_MBUTTONDBLCLK, MK_MBUTTON, true},
    };
    Started run;
    ASSERT_EQ(run.room.WaitForLines(2, Seconds(5)).size(), 2u);
    HWND form = run.program.Form();
    HWND text1 = run.program.Control(kText1);
    std::wstring typed;
    for (const PressCase& c : cases) {
        SCOPED_TRACE(c.what);
        PostMessageW(run.program.Control(c.target), c.down, c.keys, MAKELPARAM(20, 4));
        EXPECT_TRUE(WaitFor([&] { return InMoveLoop(form); }, Seconds(1))) << "a drag starts";
        PostMessageW(form, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
        ASSERT_TRUE(WaitFor([&] { return !InMoveLoop(form); }, Seconds(2)));
        EXPECT_EQ(run.program.Focus(), text1);
        const wchar_t key = static_cast<wchar_t>(L'a' + typed.size());
        PostMessageW(run.program.Focus(), WM_CHAR, key, 1);
        typed += key;
        EXPECT_TRUE(WaitFor([&] { return TextOf(text1) == typed; }, Seconds(2)))
            << "typed into Text1";
    }
}

}  // namespace
}  // namespace lumivane::test

namespace lumivane::test {
namespace {

// Real pointer input, as the mouse gives it, at screen pixel (x, y).
void SendPointer(int x, int y, DWORD buttonFlags) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttonFlags;
    SendInput(1, &input, sizeof input);
}

POINT Pointer() {
    POINT at;
    GetCursorPos(&at);
    return at;
}

RECT WindowRectOf(HWND window) {
    RECT at;
    GetWindowRect(window, &at);
    return at;
}

struct MoveCase {
    const char* what;
    DWORD down, up;
    bool followsWhileMoving;  // the system's move loop may draw a frame and move once at the end
};

// A move started with any button follows the pointer and ends when that
// button comes up: the pointer moving on afterwards leaves the window where it is.
TEST(WindowMove, MoveEndsWhenTheButtonThatStartedItIsReleased) {
    const MoveCase cases[] = {
        {"right button", MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP, true},
        {"middle button", MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP, true},
        {"left button", MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, false},
    };
    Started run;
    ASSERT_EQ(run.room.WaitForLines(2, Seconds(5)).size(), 2u);
    HWND form = run.program.Form();
    for (const MoveCase& c : cases) {
        SCOPED_TRACE(c.what);
        // A point of Frame2's own surface: its left margin, beside Text1.
        POINT grab = {12, 25};
        ClientToScreen(form, &grab);
        SendPointer(grab.x, grab.y, 0);
        ASSERT_TRUE(WaitFor(
            [&] {
                POINT p = Pointer();
                return p.x == grab.x && p.y == grab.y;
            },
            Seconds(2)));
        const RECT start = WindowRectOf(form);
        SendPointer(grab.x, grab.y, c.down);
        Sleep(200);
        const POINT steps[] = {{grab.x + 30, grab.y + 20}, {grab.x + 70, grab.y + 45}};
        for (const POINT& step : steps) {
            SendPointer(step.x, step.y, 0);
            if (!c.followsWhileMoving) continue;
            EXPECT_TRUE(WaitFor(
                [&] {
                    return WindowRectOf(form).left - start.left == Pointer().x - grab.x &&
                           WindowRectOf(form).top - start.top == Pointer().y - grab.y;
                },
                Seconds(2)))
                << "the window follows the pointer";
        }
        SendPointer(steps[1].x, steps[1].y, c.up);
        EXPECT_TRUE(WaitFor(
            [&] {
                return WindowRectOf(form).left - start.left == steps[1].x - grab.x &&
                       WindowRectOf(form).top - start.top == steps[1].y - grab.y;
            },
            Seconds(2)))
            << "the window is where the button came up";
        const RECT released = WindowRectOf(form);
        SendPointer(steps[1].x + 90, steps[1].y + 60, 0);
        SendPointer(steps[1].x + 140, steps[1].y + 80, 0);
        Sleep(300);
        const RECT later = WindowRectOf(form);
        EXPECT_TRUE(EqualRect(&released, &later)) << "the window stays put once the button is up";
        EXPECT_FALSE(InMoveLoop(form));
    }
}

}  // namespace
}  // namespace lumivane::test
