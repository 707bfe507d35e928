#include "persistence/work_file.h"

#include <cstring>
#include <memory>

#include "platform/files.h"

namespace {

// The records of an open work file, read one at a time: the file's size never decides how much
// memory a read takes.
class FileRecords : public RecordSource {
  public:
    explicit FileRecords(InputFile& file) : File(file) {}
    bool Length(std::uint64_t& bytes) override { return File.Length(bytes); }
    bool Next(CellRecord& record) override { return File.Read(record.data(), record.size()); }

  private:
    InputFile& File;
};

bool NamesACell(const DayCell& record) {
    return record.Column >= 0 && record.Column < GridSize && record.Row >= 0 &&
           record.Row < GridSize;
}

// The calendar arithmetic needs a month of the year and a year of the era.
bool HasDrawableMonth(const DayCell& record) {
    return record.Month >= 1 && record.Month <= 12 && record.Year >= 1;
}

bool AppendCellRecord(ReplacementFile& file, const DayCell& cell) {
    const CellRecord record = EncodeCellRecord(cell);
    return file.Write(record.data(), record.size());
}

}  // namespace

ReadResult ReadWorkRecords(RecordSource& source, MonthSheet& sheet, std::string& imageBaseName) {
    std::uint64_t length = 0;
    if (!source.Length(length)) return ReadResult::Unreadable;
    if (length % CellRecordSize != 0) return ReadResult::WrongFormat;
    const std::uint64_t count = length / CellRecordSize;
    if (count == 0) {
        ResetCells(sheet);
        return ReadResult::Replaced;
    }

    CellRecord bytes;
    if (!source.Next(bytes)) return ReadResult::Unreadable;
    DayCell record = DecodeCellRecord(bytes);
    if (!HasDrawableMonth(record)) return ReadResult::WrongFormat;
    const std::int16_t year = record.Year;
    const std::int16_t month = record.Month;

    // The records are applied to a fresh set of cells, which replaces the sheet's only once the
    // whole file has been read: a file that fails halfway leaves the sheet as it was.
    auto staged = std::make_unique<MonthSheet>();
    ResetCells(*staged);
    for (std::uint64_t k = 1;; ++k) {
        if (NamesACell(record)) ApplyCellRecord(record, staged->Cell(record.Column, record.Row));
        if (k == count) break;
        if (!source.Next(bytes)) return ReadResult::Unreadable;
        record = DecodeCellRecord(bytes);
    }

    std::memcpy(static_cast<void*>(sheet.Cells), staged->Cells, sizeof sheet.Cells);
    sheet.Year = year;
    sheet.Month = month;
    imageBaseName = FormImageBaseName(record.Year, record.Month);
    return ReadResult::Replaced;
}

ReadResult ReadWorkFile(MonthSheet& sheet, std::string& imageBaseName) {
    InputFile file;
    if (!file.Open(sheet.WorkFilePath)) return ReadResult::Unreadable;
    FileRecords records(file);
    return ReadWorkRecords(records, sheet, imageBaseName);
}

bool WriteWorkFile(MonthSheet& sheet) {
    for (int row = 0; row < UsedGridSize; ++row)
        for (int column = 0; column < UsedGridSize; ++column) {
            sheet.Cell(column, row).Year = sheet.Year;
            sheet.Cell(column, row).Month = sheet.Month;
        }

    ReplacementFile file;
    if (sheet.WorkFilePath.empty() || !file.Create(sheet.WorkFilePath)) return false;
    for (int row = 0; row < UsedGridSize; ++row)
        for (int column = 0; column < UsedGridSize; ++column)
            if (!AppendCellRecord(file, sheet.Cell(column, row))) return false;
    return file.Commit();
}
