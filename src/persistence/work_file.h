#pragma once
// Work files (".vrel"): the sheet's 49 places as a headerless run of 2652-byte records, row by
// row and, inside a row, column by column.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calendar/month_sheet.h"
#include "persistence/day_record.h"

enum class ReadResult {
    Replaced,     // the sheet was reset and the file's records applied
    WrongFormat,  // refused: not a whole number of records, or a first record without a
                  // usable month and year; nothing changed
    Unreadable,   // the file could not be opened or read; nothing changed
};

struct WorkFileRead {
    ReadResult Result;
    // The exported image's name, after the last record's month; none when no record was read.
    std::optional<std::string> ImageBaseName = std::nullopt;
};

// Reads the work file into the sheet. Each record goes to the place its own Column and Row name
// (records naming no place of the grid are skipped); Year and Month come from the first record.
// An empty file gives the default sheet and leaves Year and Month as they were.
WorkFileRead ReadWorkFile(const std::wstring& path, MonthSheet& sheet);

// The work file of the sheet: its places' records in file order, each stamped with the sheet's
// month and, where it shows a day of that month, the day and its place (EncodeDay).
std::vector<std::uint8_t> EncodeWorkFile(const MonthSheet& sheet);

// Writes EncodeWorkFile's bytes, replacing any old file in one step; a read-only old file is not
// replaced. False when the file could not be written; the old file is then exactly as it was.
bool WriteWorkFile(const std::wstring& path, const MonthSheet& sheet);

// Where ReadWorkFile's records come from: the file itself, or memory.
class RecordSource {
  public:
    virtual ~RecordSource() = default;
    virtual bool Length(std::uint64_t& bytes) = 0;
    // The next whole record, or false when it cannot be read.
    virtual bool Next(DayRecord& record) = 0;
};

// ReadWorkFile once the file is open.
WorkFileRead ReadWorkRecords(RecordSource& source, MonthSheet& sheet);
