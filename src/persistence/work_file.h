#pragma once
// Work files (".vrel"): the sheet's 49 used cells as a headerless run of 2652-byte records, row
// by row and, inside a row, column by column. Both operations work on the file named by the
// sheet's WorkFilePath.

#include <cstdint>
#include <string>

#include "calendar/month_sheet.h"
#include "persistence/cell_record.h"

enum class ReadResult {
    Replaced,     // the sheet was reset and the file's records applied
    WrongFormat,  // refused: not a whole number of records, or a first record without a
                  // usable month and year; nothing changed
    Unreadable,   // the file could not be opened or read; nothing changed
};

// Reads the work file into the sheet. Each record goes to the cell its own Column and Row name
// (records naming no cell of the grid are skipped); Year and Month come from the first record,
// the image base name from the last. An empty file gives the default sheet and leaves Year,
// Month and the image base name as they were.
ReadResult ReadWorkFile(MonthSheet& sheet, std::string& imageBaseName);

// Stamps the sheet's Year and Month into the 49 used cells and writes them as the work file,
// replacing any old file in one step; a read-only old file is not replaced. False when the file
// could not be written; the old file is then exactly as it was.
bool WriteWorkFile(MonthSheet& sheet);

// Where ReadWorkFile's records come from: the file itself, or memory.
class RecordSource {
  public:
    virtual ~RecordSource() = default;
    virtual bool Length(std::uint64_t& bytes) = 0;
    // The next whole record, or false when it cannot be read.
    virtual bool Next(CellRecord& record) = 0;
};

// ReadWorkFile once the file is open.
ReadResult ReadWorkRecords(RecordSource& source, MonthSheet& sheet, std::string& imageBaseName);
