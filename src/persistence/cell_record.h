#pragma once
// The work-file record of one day cell: 2652 bytes, fields back to back, integers little-endian
// whatever the machine. Encoding and decoding copy every byte of every text slot, so a record
// written from memory carries whatever lies behind each slot's terminator; applying a decoded
// record to a cell of the sheet copies the slots as texts, up to their terminators.

#include <array>
#include <cstddef>
#include <cstdint>

#include "calendar/month_sheet.h"

inline constexpr std::size_t CellRecordSize = 2652;
static_assert(CellRecordSize == DayCellSize);

using CellRecord = std::array<std::uint8_t, CellRecordSize>;

// The cell's bytes in file order.
CellRecord EncodeCellRecord(const DayCell& cell);

// A scratch cell holding exactly the record's bytes, slots included.
DayCell DecodeCellRecord(const CellRecord& record);

// Every field of a decoded record into a cell of the sheet: numbers as they are, text slots as
// the texts before their terminators (the bytes behind the target's new terminator stay).
void ApplyCellRecord(const DayCell& record, DayCell& target);
