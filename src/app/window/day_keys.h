#pragma once
// Choosing a day of the sheet with the keyboard: where each key takes the focus mark, where the
// mark starts, and where it is drawn. The days of a month follow one another along the sheet's
// rows, Monday to Sunday, so the day before or after is the place to the left or right, and at a
// row's end the place at the other end of the next or previous row.

#include <cstdint>
#include <optional>

#include "app/window/sheet_click.h"
#include "platform/clock.h"
#include "platform/control_layout.h"
#include "render/sheet_scale.h"

enum class DayKey {
    DayBefore,   // left arrow
    DayAfter,    // right arrow
    WeekBefore,  // up arrow
    WeekAfter,   // down arrow
    FirstDay,    // Home
    LastDay,     // End
};

// The day the focus mark is on, and the month it was set for.
struct DayMark {
    std::int16_t Year = 0;
    std::int16_t Month = 0;
    int Day = 1;
};

// The mark for the month on show: unchanged while the same month is shown; on another month it
// starts on today's day when today is in that month, otherwise on the first day.
DayMark MarkForMonth(const DayMark& mark, const LocalDate& today, std::int16_t year,
                     std::int16_t month);

// The mark moved by the key. A week back or on that would leave the month, and a day before the
// first or after the last, leave it where it is.
DayMark MarkAfterKey(DayMark mark, DayKey key);

// The mark moved to the day the place shows (a click there); unchanged when it shows none.
DayMark MarkOnPlace(DayMark mark, GridPlace place);

// The grid place that shows the mark's day on its month's sheet.
std::optional<GridPlace> PlaceOfMark(const DayMark& mark);

// The focus mark drawn on the sheet shown at this scale: inside the marked day's box, a few
// pixels in from its outline, which stays whole.
PixelBox MarkBox(GridPlace place, const SheetScale& shown);
