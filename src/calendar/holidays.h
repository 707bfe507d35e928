#pragma once
// The official holidays of a region's choice in a year. For a year the BOE's list is known
// (data/festivos.tsv), exactly its rows; for any other year a forecast from the days that recur.

#include <cstdint>
#include <string_view>
#include <vector>

#include "calendar/holiday_regions.h"
#include "platform/clock.h"

struct Holiday {
    LocalDate Date;
    std::string_view ShortName;  // Windows-1252, at most LineTextLimit bytes
    bool operator==(const Holiday&) const = default;
};

// The holidays of `region` in a year 1..32767, by date; none for NoHolidays and any other year.
// In a listed year: a community's rows; for NationalHolidays, the dates every community lists.
// In any other year: the fixed national days and 6 January, the community's own days that come
// back on their date every year, and Jueves Santo and Viernes Santo where the region keeps them
// in every listed year. A forecast day on a Sunday is left out, as the lists leave it out.
std::vector<Holiday> HolidaysOf(const HolidayRegion& region, std::int16_t year);

// The years whose official list is known, in order.
std::vector<std::int16_t> ListedHolidayYears();
