// The fixed palettes of chats that cannot show every colour (IRC, Discord, 256-colour
// terminals), and the nearest palette colour of any colour.
#pragma once

#include <cstddef>
#include <vector>

#include "gradient/blend.h"
#include "gradient/oklab.h"

namespace lumivane::detail {

struct Palette {
    std::vector<Rgb> colors;  // colour k has code firstCode + k
    int firstCode;
    std::vector<Oklab> lab;                // each colour in OKLab, for the nearest-colour search
    std::vector<std::size_t> byLightness;  // the colours' indexes in order of L
};

const Palette& IrcPalette();      // codes 00-98
const Palette& Irc16Palette();    // codes 00-15
const Palette& DiscordPalette();  // codes 30-37, written as 0-7 after the "3"
const Palette& XtermPalette();    // xterm's cube and greys, codes 16-255

// The palette colour nearest to `color`: the least Euclidean distance in OKLab, in
// double precision, both colours converted from 8-bit sRGB as the oklab blend converts
// them; on a tie the lower code.
Rgb NearestPaletteColor(const Palette& palette, Rgb color);

// The code of a colour of the palette: the lowest, where the palette repeats it; for a
// colour the palette does not hold, the code of its nearest palette colour.
int PaletteCode(const Palette& palette, Rgb color);

}  // namespace lumivane::detail
