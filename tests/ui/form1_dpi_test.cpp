// The main window made in the test's own process, where the messages that the
// system sends when the window moves to a monitor of another scale can be sent
// to it directly: every control again at its designed place, in a font that
// fits its boxes.
#include <gtest/gtest.h>

#include <windows.h>
#include <windowsx.h>

#include <iterator>
#include <string>

#include "form1_design.h"
#include "ui/form1.h"
#include "ui/window_routines.h"

namespace lumivane::test {
namespace {

int Px(int twips, int dpi) { return MulDiv(twips, dpi, 1440); }

RECT ClientRectOf(HWND form, HWND control) {
    RECT at;
    GetWindowRect(control, &at);
    MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&at), 2);
    return at;
}

// One window for the test, made as the program makes it (without its start-up,
// which would show it and talk to a chat room).
class Form1AtDpi : public ::testing::Test {
protected:
    void SetUp() override {
        form_ = CreateForm1(GetModuleHandleW(nullptr));
        ASSERT_NE(form_, nullptr);  // left hidden: it must not cover the program in other tests
        RECT window, client;
        GetWindowRect(form_, &window);
        GetClientRect(form_, &client);
        border_ = {(window.right - window.left) - client.right,
                   (window.bottom - window.top) - client.bottom};
    }
    void TearDown() override {
        if (form_) DestroyWindow(form_);
    }

    // What the system suggests for the new DPI: the same corner, the size the
    // window asked for in WM_GETDPISCALEDSIZE.
    RECT SuggestedRect(int dpi) const {
        SIZE size = {};
        const BOOL answered = static_cast<BOOL>(
            SendMessageW(form_, WM_GETDPISCALEDSIZE, dpi, reinterpret_cast<LPARAM>(&size)));
        EXPECT_TRUE(answered);
        RECT window;
        GetWindowRect(form_, &window);
        return {window.left, window.top, window.left + size.cx, window.top + size.cy};
    }

    void ChangeDpi(int dpi) {
        const RECT suggested = SuggestedRect(dpi);
        SendMessageW(form_, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
        RECT window;
        GetWindowRect(form_, &window);
        EXPECT_TRUE(EqualRect(&window, &suggested))
            << "the window does not take the suggested rectangle";
    }

    // The client area of the design size and every control at its designed
    // place at `dpi`; the combo box's height is its font's, one pixel either way.
    void ExpectLayoutAt(int dpi) const {
        RECT client;
        GetClientRect(form_, &client);
        EXPECT_EQ(client.right, Px(kDesignClientWidth, dpi));
        EXPECT_EQ(client.bottom, Px(kDesignClientHeight, dpi));
        for (const Place& place : kDesign) {
            SCOPED_TRACE(ControlSpecOf(place.id).name);
            const RECT at = ClientRectOf(form_, GetDlgItem(form_, place.id));
            EXPECT_EQ(at.left, Px(place.left, dpi));
            EXPECT_EQ(at.top, Px(place.top, dpi));
            EXPECT_EQ(at.right, Px(place.right, dpi));
            EXPECT_NEAR(at.bottom, Px(place.bottom, dpi), place.id == kCombo1 ? 1 : 0);
        }
    }

    HWND form_ = nullptr;
    SIZE border_ = {};
};

constexpr int kDpis[] = {144, 192, 120, 96, 168, 240};

// Every control at its place from the design at each DPI, and the client area of
// the design size; the combo box's height is its font's, one pixel either way.
TEST_F(Form1AtDpi, EveryControlLiesAtItsDesignedPlaceAfterADpiChange) {
    for (int dpi : kDpis) {
        SCOPED_TRACE("DPI " + std::to_string(dpi));
        ChangeDpi(dpi);
        ExpectLayoutAt(dpi);
    }
}

// A change of DPI while the window is minimised: the suggested rectangle is the
// one it is restored to, so that restored it has the size of the new layout.
TEST_F(Form1AtDpi, DpiChangeWhileMinimisedGivesTheNewSizeOnRestore) {
    ShowWindow(form_, SW_SHOWNORMAL);
    HandleWaitingEvents(form_);
    for (int dpi : {144, 192, 96}) {
        SCOPED_TRACE("DPI " + std::to_string(dpi));
        RECT normal;
        GetWindowRect(form_, &normal);
        ShowWindow(form_, SW_MINIMIZE);
        HandleWaitingEvents(form_);
        ASSERT_TRUE(IsIconic(form_));
        SIZE size = {};
        SendMessageW(form_, WM_GETDPISCALEDSIZE, dpi, reinterpret_cast<LPARAM>(&size));
        // Moved by a few pixels as well, as the system may suggest for another monitor.
        const RECT suggested = {normal.left + 8, normal.top + 4, normal.left + 8 + size.cx,
                                normal.top + 4 + size.cy};
        SendMessageW(form_, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
        EXPECT_TRUE(IsIconic(form_)) << "the window stays minimised";
        ShowWindow(form_, SW_RESTORE);
        HandleWaitingEvents(form_);
        ASSERT_FALSE(IsIconic(form_));
        RECT window;
        GetWindowRect(form_, &window);
        EXPECT_TRUE(EqualRect(&window, &suggested))
            << window.left << "," << window.top << " " << window.right << "," << window.bottom;
        ExpectLayoutAt(dpi);
    }
}

// The window asks for its design size at the new DPI (its border is the
// system's and does not scale), not for its old size scaled.
TEST_F(Form1AtDpi, AsksForTheDesignSizeAtTheNewDpi) {
    for (int dpi : kDpis) {
        SCOPED_TRACE("DPI " + std::to_string(dpi));
        const RECT suggested = SuggestedRect(dpi);
        EXPECT_EQ(suggested.right - suggested.left, Px(kDesignClientWidth, dpi) + border_.cx);
        EXPECT_EQ(suggested.bottom - suggested.top, Px(kDesignClientHeight, dpi) + border_.cy);
    }
}

// The controls' font: the message font's face at 8 points for the DPI.
TEST_F(Form1AtDpi, ControlsUseTheMessageFaceAtEightPoints) {
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof metrics;
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
    for (int dpi : kDpis) {
        SCOPED_TRACE("DPI " + std::to_string(dpi));
        ChangeDpi(dpi);
        for (const Place& place : kDesign) {
            SCOPED_TRACE(ControlSpecOf(place.id).name);
            LOGFONTW font = {};
            ASSERT_NE(GetObjectW(GetWindowFont(GetDlgItem(form_, place.id)), sizeof font, &font),
                      0);
            EXPECT_EQ(font.lfHeight, -MulDiv(8, dpi, 72));
            EXPECT_STREQ(font.lfFaceName, metrics.lfMessageFont.lfFaceName);
            EXPECT_EQ(font.lfWeight, FW_NORMAL);
            EXPECT_FALSE(font.lfItalic);
        }
    }
}

// The height of one line of text in `control`'s font, descenders included.
int LineHeightIn(HWND control) {
    HDC dc = GetDC(control);
    HGDIOBJ before = SelectObject(dc, GetWindowFont(control));
    TEXTMETRICW metrics = {};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, before);
    ReleaseDC(control, dc);
    return metrics.tmHeight;
}

// A line of the font fits inside the text box and inside the font box's edit
// field at every DPI: nothing of it is cut off.
TEST_F(Form1AtDpi, ALineFitsInsideTheTextBoxAndTheFontBox) {
    HWND text1 = GetDlgItem(form_, kText1);
    HWND combo1 = GetDlgItem(form_, kCombo1);
    for (int dpi : kDpis) {
        SCOPED_TRACE("DPI " + std::to_string(dpi));
        ChangeDpi(dpi);
        RECT inside;
        GetClientRect(text1, &inside);
        EXPECT_GE(inside.bottom, LineHeightIn(text1)) << "Text1";
        COMBOBOXINFO combo = {};
        combo.cbSize = sizeof combo;
        ASSERT_TRUE(GetComboBoxInfo(combo1, &combo));
        GetClientRect(combo.hwndItem, &inside);
        EXPECT_GE(inside.bottom, LineHeightIn(combo.hwndItem)) << "Combo1";
    }
}

}  // namespace
}  // namespace lumivane::test
