// The colour swatches for a user at the keyboard and with a screen reader: Tab
// and Space pick a colour, the focus shows on the swatch and comes back to it,
// and each swatch is a button named after its frame.
#include <gtest/gtest.h>

#include <windows.h>
#include <oleacc.h>

#include <string>
#include <vector>

#include "ui/form_layout.h"
#include "ui_driver.h"

namespace lumivane::test {
namespace {

struct SpaceCase {
    ControlId swatch;
    int red, green, blue;
    ColorValue first, second, third;  // the colours of the next line
};

// Tab to the swatch, Space: the colour dialog opens, owned by the window; OK
// gives the swatch its colour, and the focus is back on the swatch, where Enter
// sends the next line, with that colour.
TEST(SwatchKeyboard, SpaceOnATabbedSwatchPicksItsColourTheFocusComesBackAndEnterSends) {
    const SpaceCase cases[] = {
        {kColor1, 10, 20, 30, RGB(10, 20, 30), kGreen, kBlue},
        {kColor2, 200, 0, 100, kRed, RGB(200, 0, 100), kBlue},
        {kColor3, 1, 255, 2, kRed, kGreen, RGB(1, 255, 2)},
    };
    for (const SpaceCase& c : cases) {
        SCOPED_TRACE(ControlSpecOf(c.swatch).name);
        Started run;
        ASSERT_TRUE(run.room.Ready());
        ASSERT_EQ(run.room.WaitForLines(2, Seconds(5)).size(), 2u);
        ASSERT_TRUE(run.program.TabTo(c.swatch));
        run.program.PressKey(VK_SPACE);
        HWND dialog = run.program.WaitForColorDialog(Seconds(5));
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(GetWindow(dialog, GW_OWNER), run.program.Form());
        AnswerColorDialog(dialog, c.red, c.green, c.blue, true);
        ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }, Seconds(2)));
        ASSERT_TRUE(WaitFor([&] { return run.program.Focus() == run.program.Control(c.swatch); },
                            Seconds(2)));
        // Enter on the swatch still presses the default button: the line goes.
        SendMessageW(run.program.Control(kText1), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"keys"));
        run.program.PressKey(VK_RETURN);
        const std::vector<std::string> lines = run.room.WaitForLines(3, Seconds(5));
        ASSERT_EQ(lines.size(), 3u);
        EXPECT_EQ(lines[2], ExpectedLine(c.first, c.second, c.third, u"", u"keys"));
        EXPECT_EQ(run.program.WaitForColorDialog(Seconds(0.3)), nullptr)
            << "Enter opens no colour dialog";
    }
}

// The pixels inside a swatch's border that differ from its colour.
int PixelsOtherThan(HWND swatch, COLORREF color) {
    RECT inside;
    GetClientRect(swatch, &inside);
    POINT origin = {0, 0};
    ClientToScreen(swatch, &origin);
    HDC screen = GetDC(nullptr);
    int other = 0;
    for (int y = 0; y < inside.bottom; ++y) {
        for (int x = 0; x < inside.right; ++x) {
            if (GetPixel(screen, origin.x + x, origin.y + y) != color) ++other;
        }
    }
    ReleaseDC(nullptr, screen);
    return other;
}

struct RingCase {
    ControlId swatch;
    COLORREF color;
};

// A swatch with the keyboard focus looks different from one without: a ring
// inside its border, which goes again with the focus.
TEST(SwatchKeyboard, KeyboardFocusShowsARingInsideTheSwatch) {
    const RingCase cases[] = {
        {kColor1, RGB(255, 0, 0)}, {kColor2, RGB(0, 255, 0)}, {kColor3, RGB(0, 0, 255)}};
    Started run;
    ASSERT_TRUE(run.room.Ready());
    ASSERT_EQ(run.room.WaitForLines(2, Seconds(5)).size(), 2u);
    SetWindowPos(run.program.Form(), HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    for (const RingCase& c : cases) {
        SCOPED_TRACE(ControlSpecOf(c.swatch).name);
        HWND swatch = run.program.Control(c.swatch);
        EXPECT_TRUE(WaitFor([&] { return PixelsOtherThan(swatch, c.color) == 0; }, Seconds(2)))
            << "without the focus the swatch is its colour alone";
        ASSERT_TRUE(run.program.TabTo(c.swatch));
        int ring = 0;
        EXPECT_TRUE(
            WaitFor([&] { return (ring = PixelsOtherThan(swatch, c.color)) > 0; }, Seconds(2)))
            << "with the focus it shows a ring";
        RECT inside;
        GetClientRect(swatch, &inside);
        EXPECT_LT(ring, inside.right * inside.bottom) << "the ring leaves the colour showing";
    }
    // Focus back in Text1: no swatch shows a ring.
    ASSERT_TRUE(run.program.TabTo(kText1));
    for (const RingCase& c : cases) {
        SCOPED_TRACE(ControlSpecOf(c.swatch).name);
        EXPECT_TRUE(
            WaitFor([&] { return PixelsOtherThan(run.program.Control(c.swatch), c.color) == 0; },
                    Seconds(2)));
    }
}

// IID_IAccessible as the system has it; the one in MinGW-w64's import library
// does not match.
constexpr GUID kIidIAccessible = {
    0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

struct Accessible {
    std::wstring name;
    long role = 0;
};

Accessible AccessibleOf(HWND control) {
    Accessible found;
    IAccessible* accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                          kIidIAccessible,
                                          reinterpret_cast<void**>(&accessible))) ||
        !accessible) {
        return found;
    }
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    if (SUCCEEDED(accessible->get_accName(self, &name)) && name) {
        found.name = name;
        SysFreeString(name);
    }
    VARIANT role;
    VariantInit(&role);
    if (SUCCEEDED(accessible->get_accRole(self, &role)) && role.vt == VT_I4) found.role = role.lVal;
    accessible->Release();
    return found;
}

struct NameCase {
    ControlId swatch;
    const wchar_t* name;
};

// A screen reader asks the system's accessibility layer, which names each
// swatch as its frame does and calls it a button.
TEST(SwatchScreenReader, EachSwatchIsAButtonNamedAfterItsColour) {
    const NameCase cases[] = {
        {kColor1, L"Color One"}, {kColor2, L"Color Two"}, {kColor3, L"Color Three"}};
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    {
        Started run;
        ASSERT_EQ(run.room.WaitForLines(2, Seconds(5)).size(), 2u);
        const long commandRole = AccessibleOf(run.program.Control(kCommand1)).role;
        for (const NameCase& c : cases) {
            SCOPED_TRACE(ControlSpecOf(c.swatch).name);
            const Accessible found = AccessibleOf(run.program.Control(c.swatch));
            EXPECT_EQ(found.name, c.name);
            // Announced as the window's push button Command1 is: a push button on
            // Windows; Wine's accessibility layer calls every control a client.
            EXPECT_EQ(found.role, commandRole);
            EXPECT_TRUE(found.role == ROLE_SYSTEM_PUSHBUTTON || found.role == ROLE_SYSTEM_CLIENT)
                << found.role;
        }
    }
    CoUninitialize();
}

}  // namespace
}  // namespace lumivane::test
