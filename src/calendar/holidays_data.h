#pragma once
// The holiday tables generated from data/festivos.tsv and data/festivos-fijos.tsv by
// tools/make_holidays_data.py. Regions go by their keys (calendar/holiday_regions.h), short
// names are Windows-1252 bytes, at most LineTextLimit.

#include <cstdint>
#include <span>
#include <string_view>

// A row of an official yearly list: one holiday of one community in one year.
struct ListedHoliday {
    std::int16_t Year;
    std::int16_t Month;
    std::int16_t Day;
    std::string_view Region;
    std::string_view ShortName;
};

// A day a region keeps every year on the same date; the national choice's are everyone's.
struct RecurringHoliday {
    std::int16_t Month;
    std::int16_t Day;
    std::string_view Region;
    std::string_view ShortName;
};

extern const std::span<const ListedHoliday> ListedHolidays;  // by year, region and date
extern const std::span<const RecurringHoliday> RecurringHolidays;
