// The hue path of the blends that go round the hue wheel: where a blend from one hue to
// another starts and ends, so that interpolating linearly between the two goes the
// chosen way round.
#pragma once

#include "gradient/blend.h"

namespace lumivane::detail {

// A hue in degrees, brought into [0, 360).
inline double WrapHue(double degrees) {
    while (degrees < 0.0) degrees += 360.0;
    while (degrees >= 360.0) degrees -= 360.0;
    return degrees;
}

struct HueEnds {
    double from;  // degrees
    double to;
};

// The hues to interpolate between, from `from` and `to` in degrees. A grey colour has
// no hue: it takes the other one's, or 0 when both are grey, so that only chroma or
// saturation changes towards it. Then, with delta = to - from, both in [0, 360):
// shorter adds 360 to `from` when delta > 180 and to `to` when delta < -180; longer
// adds 360 to `from` when 0 < delta < 180 and to `to` when -180 < delta <= 0 (equal
// hues go the whole way round); increasing adds 360 to `to` when delta < 0;
// decreasing adds 360 to `from` when delta > 0.
inline HueEnds AlongHuePath(double from, bool fromGrey, double to, bool toGrey, HuePath path) {
    if (fromGrey && toGrey) from = to = 0.0;
    else if (fromGrey) from = to;
    else if (toGrey) to = from;
    HueEnds ends{WrapHue(from), WrapHue(to)};
    const double delta = ends.to - ends.from;
    switch (path) {
    case HuePath::Shorter:
        if (delta > 180.0) ends.from += 360.0;
        else if (delta < -180.0) ends.to += 360.0;
        break;
    case HuePath::Longer:
        if (delta > 0.0 && delta < 180.0) ends.from += 360.0;
        else if (delta > -180.0 && delta <= 0.0) ends.to += 360.0;
        break;
    case HuePath::Increasing:
        if (delta < 0.0) ends.to += 360.0;
        break;
    case HuePath::Decreasing:
        if (delta > 0.0) ends.from += 360.0;
        break;
    }
    return ends;
}

}  // namespace lumivane::detail
