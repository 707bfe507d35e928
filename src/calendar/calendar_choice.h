#pragma once
// What every new sheet starts with, as the user chose it once: the holidays of a region and the
// phases of the moon. Kept for the user (calendar_choice_win32.h); the exporter follows it unless
// told otherwise.

#include "calendar/holiday_regions.h"
#include "calendar/spanish_time.h"

struct CalendarChoice {
    HolidayRegion Region = NoHolidays;
    bool MoonPhases = false;
    bool operator==(const CalendarChoice&) const = default;
};

// The time in which the moon's phases fall on their dates: Canary time for the Canaries.
SpanishTime TimeOfChoice(const CalendarChoice& choice);
