#pragma once
// The month sheet's layout in pixels of the 96-dpi sheet: the size of the image (the grid's
// places and boxes stand by calendar/grid_layout.h) and how a box is outlined. The offsets inside
// a place are fixed numbers that fit these values only.

#include "calendar/grid_layout.h"
#include "calendar/month_sheet.h"

inline constexpr int SheetWidth = 1122;
inline constexpr int SheetHeight = 794;

inline constexpr Color BoxColor = Black;
inline constexpr int BoxPenWidth = 1;

// numerator / denominator (denominator > 0) rounded to the nearest integer, an exact half to the
// even neighbour.
constexpr long long RoundRatioHalvesToEven(long long numerator, long long denominator) {
    long long quotient = numerator / denominator;
    long long remainder = numerator % denominator;
    if (remainder < 0) {
        --quotient;
        remainder += denominator;
    }
    if (2 * remainder > denominator || (2 * remainder == denominator && quotient % 2 != 0))
        ++quotient;
    return quotient;
}

// Half-pixel coordinates to whole pixels.
constexpr int RoundHalvesToEven(int halves) {
    return static_cast<int>(RoundRatioHalvesToEven(halves, 2));
}
static_assert(RoundHalvesToEven(1065) == 532 && RoundHalvesToEven(1067) == 534);
static_assert(RoundHalvesToEven(-1) == 0 && RoundHalvesToEven(-3) == -2 &&
              RoundHalvesToEven(-4) == -2);
