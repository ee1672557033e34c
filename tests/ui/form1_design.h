// The window as designed, in window client coordinates (twips), written out
// here once more rather than taken from the program's table, so that a wrong
// row in that table shows.
#pragma once

#include "ui/form_layout.h"

namespace lumivane::test {

struct Place {
    ControlId id;
    int left, right, top, bottom;
};

inline constexpr Place kDesign[] = {
    {kFrame1, 0, 4575, 0, 1215},        {kFrame2, 120, 4455, 0, 615},
    {kText1, 240, 4335, 240, 525},      {kLabel1, 3960, 4095, 0, 255},
    {kLabel2, 4200, 4335, 0, 255},      {kFrame3, 120, 1575, 600, 1095},
    {kColor1, 240, 1455, 840, 975},     {kFrame4, 1560, 3015, 600, 1095},
    {kColor2, 1680, 2895, 840, 975},    {kFrame5, 3000, 4455, 600, 1095},
    {kColor3, 3120, 4335, 840, 975},    {kFrame6, 0, 2295, 1200, 1815},
    {kCombo1, 120, 2175, 1440, 1755},   {kLabel3, 2400, 4455, 1440, 1695},
    {kCommand1, 120, 1095, 2640, 3255},
};

inline constexpr int kDesignClientWidth = 4560;
inline constexpr int kDesignClientHeight = 1755;

}  // namespace lumivane::test
