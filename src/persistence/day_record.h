#pragma once
// The work-file record of one place of the grid: 2652 bytes, fields back to back, integers
// little-endian whatever the machine. A record read becomes a Day that keeps the record's bytes;
// a record written starts from those bytes, so whatever the program does not model (the bytes
// behind a text's terminator, the stored fields of a place that shows no day, a flag holding
// another number than 0 or 1) goes back into the file as it came.

#include <array>
#include <cstddef>
#include <cstdint>

#include "calendar/month_sheet.h"

inline constexpr std::size_t DayRecordSize = 2652;
using DayRecord = std::array<std::uint8_t, DayRecordSize>;

// The month a record is of and the place of the grid it names.
struct RecordAddress {
    std::int16_t Year;
    std::int16_t Month;
    std::int16_t Column;
    std::int16_t Row;
};
RecordAddress AddressOf(const DayRecord& record);

// The day the record holds, with the record's bytes kept. A text ends at its first zero byte;
// a slot without one gives all its bytes but the last.
Day DecodeDay(const DayRecord& record);

// What a record states besides the day: the sheet's month, and for a place that shows a day of
// it, which day that is and where.
struct PlaceStamp {
    std::int16_t Year;
    std::int16_t Month;
    GridPlace Place;
    std::int16_t DayOfMonth;  // 0: the place shows no day
};

// The day's kept bytes (zeros for a day the program made) with the day written over them: a
// text as its bytes and a terminator, unless it is the text the kept bytes hold already; a flag
// Off as 0, On as 1, OtherNumber as the number kept. Then the stamp: Year and Month always, and
// for a shown day that it has a day, its box on the sheet (without the gap), its column and row
// and the day of the month.
DayRecord EncodeDay(const Day& day, const PlaceStamp& stamp);
