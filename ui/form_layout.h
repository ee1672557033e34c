// The main window Form1 as it is designed: every control with its container, place
// and size in twips, caption, colours and tab index, and the list of font faces.
// Plain data, no window system: the window code turns it into child windows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "color/color_value.h"

namespace lumivane {

// Twips per inch; 15 twips are one pixel at 96 dots per inch.
inline constexpr int kTwipsPerInch = 1440;

// The window's client area and where it begins inside the window's outer corner.
inline constexpr int kClientWidthTwips = 4560;
inline constexpr int kClientHeightTwips = 1755;
inline constexpr int kClientInsetTwips = 15;

// The light grey of the window, its frames and its labels (00BBGGRR).
inline constexpr ColorValue kFormBackColor = 0x00E0E0E0;
// System colour number 6, the window-frame colour, as the controls name it.
inline constexpr ColorValue kWindowFrameSystemColor = static_cast<ColorValue>(0x80000006u);
// "The toolkit's default for this kind of control".
inline constexpr ColorValue kDefaultColor = -1;

// A LabelButton looks like a Label and acts as a push button: it takes the
// focus with Tab and presses with Space or Enter as well as with a click.
enum class ControlKind {
    Frame,
    Label,
    TransparentLabel,
    LabelButton,
    Swatch,
    TextBox,
    ComboBox,
    DefaultButton
};

// Control identifiers, also the child-window ids. Command1 is the default button
// and so has the dialog-manager id of the OK button (IDOK, 1): Enter anywhere in
// the window then presses it.
enum ControlId : int {
    kCommand1 = 1,
    kFrame1 = 101,
    kFrame2,
    kText1,
    kLabel1,
    kLabel2,
    kFrame3,
    kColor1,
    kFrame4,
    kColor2,
    kFrame5,
    kColor3,
    kFrame6,
    kCombo1,
    kLabel3,
};

// The window itself as container.
inline constexpr int kForm1 = 0;

struct ControlSpec {
    ControlId id;
    const char* name;
    ControlKind kind;
    int container;                 // kForm1 or the id of the frame that holds the control
    int left, top, width, height;  // twips, from the container's top-left corner
    std::u16string_view caption;
    ColorValue background;  // kDefaultColor, or a colour, or a system colour number
    ColorValue textColor;   // kDefaultColor, or a colour
    int tabIndex;           // -1: the control has none (Label3)
};

// clang-format off
inline constexpr ControlSpec kControls[] = {
    // id        name        kind                          container  left   top width height caption                          background               text colour     tab
    {kFrame1,   "Frame1",   ControlKind::Frame,            kForm1,      0,    0, 4575, 1215, u"",                             kFormBackColor,          kDefaultColor,   0},
    {kFrame2,   "Frame2",   ControlKind::Frame,            kFrame1,   120,    0, 4335,  615, u"Text To Send To The Chat:",    kFormBackColor,          kDefaultColor,   1},
    {kText1,    "Text1",    ControlKind::TextBox,          kFrame2,   120,  240, 4095,  285, u"",                             kWindowFrameSystemColor, 0x00E0E0E0,      2},
    {kLabel1,   "Label1",   ControlKind::LabelButton,      kFrame2,  3840,    0,  135,  255, u" _",                           kFormBackColor,          kDefaultColor,  10},
    {kLabel2,   "Label2",   ControlKind::LabelButton,      kFrame2,  4080,    0,  135,  255, u"X",                            kFormBackColor,          kDefaultColor,  11},
    {kFrame3,   "Frame3",   ControlKind::Frame,            kFrame1,   120,  600, 1455,  495, u"Color One",                    kFormBackColor,          kDefaultColor,   3},
    {kColor1,   "Color1",   ControlKind::Swatch,           kFrame3,   120,  240, 1215,  135, u"",                             kDefaultColor,           kDefaultColor,   7},
    {kFrame4,   "Frame4",   ControlKind::Frame,            kFrame1,  1560,  600, 1455,  495, u"Color Two",                    kFormBackColor,          kDefaultColor,   4},
    {kColor2,   "Color2",   ControlKind::Swatch,           kFrame4,   120,  240, 1215,  135, u"",                             kDefaultColor,           kDefaultColor,   8},
    {kFrame5,   "Frame5",   ControlKind::Frame,            kFrame1,  3000,  600, 1455,  495, u"Color Three",                  kFormBackColor,          kDefaultColor,   5},
    {kColor3,   "Color3",   ControlKind::Swatch,           kFrame5,   120,  240, 1215,  135, u"",                             kDefaultColor,           kDefaultColor,   9},
    {kFrame6,   "Frame6",   ControlKind::Frame,            kForm1,      0, 1200, 2295,  615, u"Font Face / Font Style",       kFormBackColor,          kDefaultColor,  12},
    {kCombo1,   "Combo1",   ControlKind::ComboBox,         kFrame6,   120,  240, 2055,  315, u"",                             kWindowFrameSystemColor, 0x00E0E0E0,     13},
    {kCommand1, "Command1", ControlKind::DefaultButton,    kForm1,    120, 2640,  975,  615, u"Command1",                     kDefaultColor,           kDefaultColor,   6},
    {kLabel3,   "Label3",   ControlKind::TransparentLabel, kForm1,   2400, 1440, 2055,  255, u"    Coded By: Brask",          kDefaultColor,           kDefaultColor,  -1},
};
// clang-format on

// The order in which the child windows are stacked, topmost first. The window
// system draws an upper sibling over a lower one, so every control lies above
// the controls it overlaps that hold it or that it covers: Label1 and Label2
// cover Frame2's top line and Text1's top edge. Among overlapping frames, a
// later-made one lies above an earlier one. Tab moves the focus in this order,
// round and round, so the controls that take it (Label1, Label2, Combo1, Text1,
// Color1, Color2, Color3) stand in the circle of their tab indices; the window
// opens with the focus in Text1.
inline constexpr ControlId kStackingOrder[] = {
    kLabel3, kLabel1, kLabel2, kCombo1, kText1,  kCommand1, kColor1, kColor2,
    kColor3, kFrame2, kFrame3, kFrame4, kFrame5, kFrame1,   kFrame6,
};

// The table row of control `id`; every ControlId has one.
const ControlSpec& ControlSpecOf(ControlId id);

// The control's left and top in window client coordinates (twips): its own
// place plus that of every container around it.
int ClientLeftTwips(const ControlSpec& control);
int ClientTopTwips(const ControlSpec& control);

// The faces of Combo1, in this order, unsorted, each exactly as written.
inline constexpr std::u16string_view kFontFaces[] = {
    u"Arial",
    u"Arial Baltic",
    u"Arial Black",
    u"Arial CE",
    u"Arial CYR",
    u"Arial Greek",
    u"Arial TUR",
    u"Comic Sans MS",
    u"Courier New",
    u"Courier New Baltic",
    u"Courier New CE",
    u"Courier New CYR",
    u"Courier New Greek",
    u"Courier New TUR",
    u"Estrangelo Edessa",
    u"Franklin Gothic Medium",
    u"Gautami",
    u"Georgia",
    u"Impact",
    u"Latha",
    u"Lucida Console",
    u"Lucida Sans Console",
    u"Mangal",
    u"Marlett",
    u"Microsoft Sans Serif",
    u"MV Boli",
    u"Palatino  Linotype",
    u"Raavi",
    u"Shruti",
    u"Sylfaen",
    u"Symbol",
    u"Tahoma",
    u"Times New Roman",
    u"Times New Roman Baltic",
    u"Times New Roman CE",
    u"Times New Roman CYR",
    u"Times New Roman Greek",
    u"Times New Roman TUR",
    u"Trebuchet MS",
    u"Tunga",
    u"Verdana",
    u"Webdings",
    u"Wingdinga",
};

}  // namespace lumivane
