// What the window does with the mouse: the colour pickers, minimising, and the
// drag by Frame2.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/form_layout.h"
#include "ui_driver.h"

namespace lumivane::test {
namespace {

constexpr ColorValue kRed = 255, kGreen = 65280, kBlue = 16711680;

struct Started {
    RunFolder folder;
    ChatRoom room{folder.File(L"room.log")};
    Lumivane program{folder};
};

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
        {"cancel after a confirm elsewhere", {{kColor3, 200, 100, 50, true}, {kColor1, 9, 9, 9, false}},
         kRed, kGreen, RGB(200, 100, 50)},
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

TEST(WindowActions, MinimiseLabelMinimisesTheWindow) {
    Started run;
    ASSERT_EQ(run.room.WaitForLines(2, Seconds(5)).size(), 2u);
    EXPECT_FALSE(IsIconic(run.program.Form()));
    run.program.Click(kLabel1);
    for (int k = 0; k < 200 && !IsIconic(run.program.Form()); ++k) Sleep(10);
    EXPECT_TRUE(IsIconic(run.program.Form()));
    EXPECT_EQ(run.room.Lines().size(), 2u);
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

}  // namespace
}  // namespace lumivane::test
