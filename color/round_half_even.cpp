#include "color/round_half_even.h"

namespace lumivane {

long long RoundHalfEven(double value) {
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
