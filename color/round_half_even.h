// The one rounding of the fade engine.
#pragma once

namespace lumivane {

// Rounds to the nearest integer, ties to the even one (2.5 gives 2, 3.5 gives 4),
// whatever the processor's rounding mode.
long long RoundHalfEven(double value);

}  // namespace lumivane
