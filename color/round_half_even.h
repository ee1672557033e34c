// The one rounding of the fade engine.
#pragma once

namespace lumivane {

// Rounds to the nearest integer, ties to the even one (2.5 gives 2, 3.5 gives 4),
// whatever the processor's rounding mode. Inline: the fade's ramps call it for every
// colour they try.
inline long long RoundHalfEven(double value) {
    // Truncate, then correct to the floor, so the result does not depend on the
    // rounding mode of the floating-point unit.
    auto whole = static_cast<long long>(value);
    double fraction = value - static_cast<double>(whole);
    if (fraction < 0) {
        --whole;
        fraction += 1.0;
    }
    if (fraction > 0.5 || (fraction == 0.5 && (whole & 1) != 0)) ++whole;
    return whole;
}

}  // namespace lumivane
