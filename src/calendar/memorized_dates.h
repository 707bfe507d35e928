#pragma once
// The dates the user memorized: each keeps a day's dressing for a day and month of every year,
// which every new sheet of that month starts with. At most one for a day and month.

#include <cstdint>
#include <string>
#include <vector>

#include "calendar/month_sheet.h"

struct MemorizedDate {
    std::int16_t Month;
    std::int16_t DayOfMonth;
    Day Dressing;
    bool operator==(const MemorizedDate&) const = default;
};

class MemorizedDates {
  public:
    // In date order.
    const std::vector<MemorizedDate>& All() const { return Dates; }
    const MemorizedDate* Find(std::int16_t month, std::int16_t dayOfMonth) const;
    // Keeps the dressing for the day and month, in place of one kept before.
    void Keep(std::int16_t month, std::int16_t dayOfMonth, Day dressing);
    // False when none was kept for it.
    bool Forget(std::int16_t month, std::int16_t dayOfMonth);

  private:
    std::vector<MemorizedDate> Dates;
};

// The place of each date memorized for the month that a sheet of that year shows: a 29 February
// only in a leap year.
std::vector<std::pair<GridPlace, const MemorizedDate*>> MemorizedPlaces(const MemorizedDates& dates,
                                                                        std::int16_t year,
                                                                        std::int16_t month);

// "14/02  Cumpleaños Ana": the date and the first of its lines' own texts or, without one, the
// saint's name when a line shows it (Windows-1252).
std::string MemorizedDateLine(const MemorizedDate& date);
