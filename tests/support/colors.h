// The colours the tests use most, as the settings file and the fade take them
// (00BBGGRR): the classic fade's red, green and blue, and black and white.
#pragma once

#include "color/color_value.h"

namespace lumivane {

inline constexpr ColorValue kRed = 255, kGreen = 65280, kBlue = 16711680;
inline constexpr ColorValue kBlack = 0, kWhite = 16777215;

}  // namespace lumivane
