#pragma once
// A new sheet dressed with the calendar's choice: ordinary dressing of its days, which the day
// editor shows and changes and the work file stores as it stands. Every holiday's number is red
// and its short name, in red, on the first of the day's lines that shows nothing (a day whose
// lines are all in use keeps only the red number); with the phases of the moon, the day of each
// phase shows the phase's icon, by its bare name, in the upper right place or, when that one
// shows an icon already, the first free place in reading order.

#include "calendar/calendar_choice.h"
#include "calendar/memorized_dates.h"
#include "calendar/month_sheet.h"

void DressWithCalendar(MonthSheet& sheet, const CalendarChoice& choice);

// What every new sheet starts with: the user's memorized dates and calendar choice.
struct NewSheetDressing {
    MemorizedDates Memorized;
    CalendarChoice Calendar;
};

// A new sheet, just started: each date memorized for its month dressed as it was kept, in place
// of the day's default, then the calendar's choice on top.
void DressNewSheet(MonthSheet& sheet, const NewSheetDressing& dressing);

// A new sheet of the month, dressed so.
MonthSheet NewSheet(std::int16_t year, std::int16_t month, const NewSheetDressing& dressing);
