// The window as it stands on the screen: its frame, the controls' places at
// 96 DPI, captions, colours, the font list, focus and tab order, and which
// presses start a drag.
#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "form1_design.h"
#include "ui/form_layout.h"
#include "ui_driver.h"

namespace lumivane::test {
namespace {

struct Caption {
    ControlId id;
    const wchar_t* className;
    const wchar_t* text;
};
constexpr Caption kCaptions[] = {
    {kFrame1, L"Button", L""},
    {kFrame2, L"Button", L"Text To Send To The Chat:"},
    {kFrame3, L"Button", L"Color One"},
    {kFrame4, L"Button", L"Color Two"},
    {kFrame5, L"Button", L"Color Three"},
    {kFrame6, L"Button", L"Font Face / Font Style"},
    // " _" and "X" are buttons drawn as the labels, for the keyboard.
    {kLabel1, L"Button", L" _"},
    {kLabel2, L"Button", L"X"},
    {kLabel3, L"Static", L"    Coded By: Brask"},
    {kCommand1, L"Button", L"Command1"},
    {kText1, L"Edit", L""},
};

constexpr const wchar_t* kFaces[] = {
    L"Arial",
    L"Arial Baltic",
    L"Arial Black",
    L"Arial CE",
    L"Arial CYR",
    L"Arial Greek",
    L"Arial TUR",
    L"Comic Sans MS",
    L"Courier New",
    L"Courier New Baltic",
    L"Courier New CE",
    L"Courier New CYR",
    L"Courier New Greek",
    L"Courier New TUR",
    L"Estrangelo Edessa",
    L"Franklin Gothic Medium",
    L"Gautami",
    L"Georgia",
    L"Impact",
    L"Latha",
    L"Lucida Console",
    L"Lucida Sans Console",
    L"Mangal",
    L"Marlett",
    L"Microsoft Sans Serif",
    L"MV Boli",
    L"Palatino  Linotype",
    L"Raavi",
    L"Shruti",
    L"Sylfaen",
    L"Symbol",
    L"Tahoma",
    L"Times New Roman",
    L"Times New Roman Baltic",
    L"Times New Roman CE",
    L"Times New Roman CYR",
    L"Times New Roman Greek",
    L"Times New Roman TUR",
    L"Trebuchet MS",
    L"Tunga",
    L"Verdana",
    L"Webdings",
    L"Wingdinga",
};

// One started window shared by the tests that only look at it.
class Form1Layout : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        run_ = new RunFolderWithRoom;
        program_ = new Lumivane(run_->folder);
        run_->room.WaitForLines(2, Seconds(5));
    }
    static void TearDownTestSuite() {
        delete program_;
        delete run_;
    }
    struct RunFolderWithRoom {
        RunFolder folder;
        ChatRoom room{folder.File(L"room.log")};
    };
    static POINT ClientOrigin() {
        POINT origin = {0, 0};
        ClientToScreen(program_->Form(), &origin);
        return origin;
    }
    static RunFolderWithRoom* run_;
    static Lumivane* program_;
};
Form1Layout::RunFolderWithRoom* Form1Layout::run_ = nullptr;
Lumivane* Form1Layout::program_ = nullptr;

TEST_F(Form1Layout, IsACaptionlessTopMostToolWindowOfTheDesignedSize) {
    HWND form = program_->Form();
    ASSERT_NE(form, nullptr);
    const LONG style = GetWindowLongW(form, GWL_STYLE);
    const LONG exStyle = GetWindowLongW(form, GWL_EXSTYLE);
    EXPECT_NE(exStyle & WS_EX_TOPMOST, 0);
    EXPECT_NE(exStyle & WS_EX_TOOLWINDOW, 0);
    EXPECT_EQ(exStyle & WS_EX_APPWINDOW, 0);
    EXPECT_NE(style & WS_POPUP, 0);
    EXPECT_NE((style & WS_CAPTION), WS_CAPTION);
    EXPECT_EQ(style & (WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
    EXPECT_EQ(TextOf(form), L"");
    RECT client, window;
    GetClientRect(form, &client);
    GetWindowRect(form, &window);
    EXPECT_EQ(client.right, 4560 / 15);
    EXPECT_EQ(client.bottom, 1755 / 15);
    const POINT origin = ClientOrigin();
    EXPECT_EQ(origin.x - window.left, 1);
    EXPECT_EQ(origin.y - window.top, 1);
    EXPECT_EQ(GetMenu(form), nullptr);
    EXPECT_FALSE(IsIconic(form));
}

TEST_F(Form1Layout, ControlsLieAtTheirDesignedPlaces) {
    const POINT origin = ClientOrigin();
    for (const Place& place : kDesign) {
        SCOPED_TRACE(ControlSpecOf(place.id).name);
        HWND control = program_->Control(place.id);
        ASSERT_NE(control, nullptr);
        EXPECT_TRUE(IsWindowVisible(control));
        EXPECT_TRUE(IsWindowEnabled(control));
        RECT at;
        GetWindowRect(control, &at);
        EXPECT_EQ(at.left - origin.x, place.left / 15);
        EXPECT_EQ(at.top - origin.y, place.top / 15);
        EXPECT_EQ(at.right - origin.x, place.right / 15);
        // The combo box's height is its font's; one pixel either way is allowed.
        const int bottom = place.bottom / 15;
        EXPECT_NEAR(at.bottom - origin.y, bottom, place.id == kCombo1 ? 1 : 0);
    }
}

TEST_F(Form1Layout, CaptionsAndKindsAreAsDesigned) {
    for (const Caption& caption : kCaptions) {
        SCOPED_TRACE(ControlSpecOf(caption.id).name);
        HWND control = program_->Control(caption.id);
        wchar_t className[64] = {};
        GetClassNameW(control, className, static_cast<int>(std::size(className)));
        EXPECT_EQ(lstrcmpiW(className, caption.className), 0) << className;
        EXPECT_EQ(TextOf(control), caption.text);
    }
    const LONG frameStyle = GetWindowLongW(program_->Control(kFrame2), GWL_STYLE);
    EXPECT_EQ(frameStyle & BS_TYPEMASK, BS_GROUPBOX);
    const LONG buttonStyle = GetWindowLongW(program_->Control(kCommand1), GWL_STYLE);
    EXPECT_EQ(buttonStyle & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    EXPECT_EQ(GetDlgCtrlID(program_->Control(kCommand1)), IDOK);
    for (ControlId swatch : {kColor1, kColor2, kColor3}) {
        EXPECT_NE(GetWindowLongW(program_->Control(swatch), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
        EXPECT_NE(GetWindowLongW(program_->Control(swatch), GWL_STYLE) & WS_TABSTOP, 0);
    }
}

TEST_F(Form1Layout, FontBoxIsEditableUnsortedWithTheFacesInOrder) {
    HWND combo = program_->Control(kCombo1);
    const LONG style = GetWindowLongW(combo, GWL_STYLE);
    EXPECT_EQ(style & 3, CBS_DROPDOWN);
    EXPECT_EQ(style & CBS_SORT, 0);
    ASSERT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), static_cast<LRESULT>(std::size(kFaces)));
    for (size_t k = 0; k < std::size(kFaces); ++k) {
        wchar_t item[64] = {};
        SendMessageW(combo, CB_GETLBTEXT, k, reinterpret_cast<LPARAM>(item));
        EXPECT_STREQ(item, kFaces[k]) << "item " << k + 1;
        EXPECT_EQ(SendMessageW(combo, CB_GETITEMDATA, k, 0), 0);
    }
}

// Pixels on the screen: the window's grey, the text fields on the window-frame
// colour, the swatches in their colours, the labels' grey over Frame2's border.
TEST_F(Form1Layout, ScreenShowsTheDesignedColours) {
    SetWindowPos(program_->Form(), HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    RedrawWindow(program_->Form(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Sleep(200);
    const POINT origin = ClientOrigin();
    struct Point {
        const char* what;
        int x, y;  // client pixels
        COLORREF color;
    };
    const COLORREF grey = RGB(224, 224, 224);
    const COLORREF windowFrame = GetSysColor(COLOR_WINDOWFRAME);
    const Point points[] = {
        {"window surface right of Frame6", 156, 100, grey},
        {"Label3 shows the window through", 162, 98, grey},
        {"inside Frame3 below the swatch", 50, 70, grey},
        {"Text1 background", 30, 26, windowFrame},
        {"Combo1 background", 20, 105, windowFrame},
        {"Color1", 56, 60, RGB(255, 0, 0)},
        {"Color2", 152, 60, RGB(0, 255, 0)},
        {"Color3", 248, 60, RGB(0, 0, 255)},
        {"Label1 covers Frame2's top line", 265, 6, grey},
        {"Label1 covers Frame2's top line", 265, 7, grey},
    };
    HDC screen = GetDC(nullptr);
    for (const Point& point : points) {
        SCOPED_TRACE(point.what);
        const COLORREF seen = GetPixel(screen, origin.x + point.x, origin.y + point.y);
        EXPECT_EQ(seen, point.color)
            << std::hex << seen << " at " << std::dec << point.x << "," << point.y;
    }
    ReleaseDC(nullptr, screen);
}

// Focus starts in Text1; Tab goes Text1, Color1, Color2, Color3, " _", "X",
// Combo1 and back to Text1. Command1, outside the window, is no stop: Enter
// presses it as the default button.
TEST_F(Form1Layout, FocusStartsInTheTextBoxAndTabFollowsTheTabOrder) {
    HWND form = program_->Form();
    auto owner = [&](HWND focus) { return GetParent(focus) == form ? focus : GetParent(focus); };
    EXPECT_EQ(owner(program_->Focus()), program_->Control(kText1));
    const ControlId order[] = {kColor1, kColor2, kColor3, kLabel1, kLabel2, kCombo1, kText1};
    for (ControlId next : order) {
        SCOPED_TRACE(ControlSpecOf(next).name);
        HWND focus = program_->Focus();
        PostMessageW(focus, WM_KEYDOWN, VK_TAB, 0x000F0001);
        PostMessageW(focus, WM_KEYUP, VK_TAB, 0xC00F0001);
        for (int k = 0; k < 100 && owner(program_->Focus()) == owner(focus); ++k) Sleep(10);
        EXPECT_EQ(owner(program_->Focus()), program_->Control(next));
    }
}

// The program's icon holds the drawing at every size the system asks for, so the
// taskbar and Alt+Tab show it sharp at 100 to 200 %; asked for the small icon,
// the system finds a 16-pixel image of its own rather than a shrunk one.
TEST(ProgramIcon, HoldsEverySizeAndTheSystemFindsTheSmallOne) {
    HMODULE program = LoadLibraryExW(BuiltProgramPath().c_str(), nullptr,
                                     LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(program, nullptr);
    HRSRC group =
        FindResourceW(program, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
    ASSERT_NE(group, nullptr);
    auto* directory = static_cast<BYTE*>(LockResource(LoadResource(program, group)));
    ASSERT_NE(directory, nullptr);
    const int count = directory[4] | (directory[5] << 8);
    std::vector<int> sides;
    for (int k = 0; k < count; ++k) {
        const BYTE* entry = directory + 6 + 14 * k;  // width, height, ..., 14 bytes each
        sides.push_back(entry[0] == 0 ? 256 : entry[0]);
        EXPECT_EQ(entry[0], entry[1]);
    }
    EXPECT_EQ(sides, (std::vector<int>{16, 20, 24, 32, 40, 48, 64, 256}));

    const int id = LookupIconIdFromDirectoryEx(directory, TRUE, 16, 16, LR_DEFAULTCOLOR);
    HRSRC image = FindResourceW(program, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(3));  // RT_ICON
    ASSERT_NE(image, nullptr);
    HICON smallIcon = CreateIconFromResourceEx(
        static_cast<BYTE*>(LockResource(LoadResource(program, image))),
        SizeofResource(program, image), TRUE, 0x00030000, 0, 0, LR_DEFAULTCOLOR);
    ASSERT_NE(smallIcon, nullptr);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(smallIcon, &info));
    BITMAP mask = {};
    GetObjectW(info.hbmMask, sizeof mask, &mask);
    EXPECT_EQ(mask.bmWidth, 16);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(smallIcon);
    FreeLibrary(program);
}

}  // namespace
}  // namespace lumivane::test
