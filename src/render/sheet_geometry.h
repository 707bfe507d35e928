#pragma once
// The fixed layout of the month sheet: the size of the image, the day boxes and where the grid
// starts. Every caller draws with StandardSheetGeometry(); the offsets inside a cell are fixed
// numbers that only fit these values.

#include <cstdint>

#include "calendar/month_sheet.h"

inline constexpr int SheetWidth = 1122;
inline constexpr int SheetHeight = 794;

struct SheetGeometry {
    std::int16_t CellWidth;    // width of a day box; a column is CellWidth + Gap wide
    std::int16_t CellHeight;   // height of a day box; a row is CellHeight + Gap high
    std::int16_t ColumnCount;  // columns walked, 0 .. ColumnCount - 1
    std::int16_t RowCount;     // rows walked, the header row included
    std::int32_t OriginX;
    std::int32_t OriginY;
    Color GridColor;  // outline of the day boxes
    std::int32_t PenWidth;
    std::int16_t Gap;  // extra pixels per column and per row
};

constexpr SheetGeometry StandardSheetGeometry() {
    return SheetGeometry{159, 102, 7, 7, 1, 35, Black, 1, 1};
}

// The top-left corner of the place of (column, row); offsets inside a cell start here.
struct CellPoint {
    int X;
    int Y;
};
inline CellPoint CellOrigin(const SheetGeometry& geometry, int column, int row) {
    return {column * geometry.CellWidth + geometry.OriginX + column * geometry.Gap,
            row * geometry.CellHeight + geometry.OriginY + row * geometry.Gap};
}

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
