// The fade engine's colour codes: the colour basics of color/.
#pragma once

#include "color/color_codes.h"
#include "color/color_value.h"
