#include "persistence/work_file.h"

#include <memory>

#include "calendar/calendar_arithmetic.h"
#include "platform/files.h"

namespace {

// The records of an open work file, read one at a time: the file's size never decides how much
// memory a read takes.
class FileRecords : public RecordSource {
  public:
    explicit FileRecords(InputFile& file) : File(file) {}
    bool Length(std::uint64_t& bytes) override { return File.Length(bytes); }
    bool Next(DayRecord& record) override { return File.Read(record.data(), record.size()); }

  private:
    InputFile& File;
};

bool NamesAPlace(const RecordAddress& address) {
    return address.Column >= 0 && address.Column < GridSize && address.Row >= 0 &&
           address.Row < GridSize;
}

// The calendar arithmetic needs a month of the year and a year of the era.
bool HasDrawableMonth(const RecordAddress& address) {
    return IsMonth(address.Month) && address.Year >= 1;
}

}  // namespace

WorkFileRead ReadWorkRecords(RecordSource& source, MonthSheet& sheet) {
    std::uint64_t length = 0;
    if (!source.Length(length)) return {ReadResult::Unreadable};
    if (length % DayRecordSize != 0) return {ReadResult::WrongFormat};
    const std::uint64_t count = length / DayRecordSize;
    if (count == 0) {
        ResetCells(sheet);
        return {ReadResult::Replaced};
    }

    DayRecord record;
    if (!source.Next(record)) return {ReadResult::Unreadable};
    RecordAddress address = AddressOf(record);
    if (!HasDrawableMonth(address)) return {ReadResult::WrongFormat};
    const std::int16_t year = address.Year;
    const std::int16_t month = address.Month;

    // The records go into a fresh set of places, which replaces the sheet's only once the whole
    // file has been read: a file that fails halfway leaves the sheet as it was.
    auto staged = std::make_unique<MonthSheet>();
    for (std::uint64_t k = 1;; ++k) {
        if (NamesAPlace(address)) staged->Cell(address.Column, address.Row) = DecodeDay(record);
        if (k == count) break;
        if (!source.Next(record)) return {ReadResult::Unreadable};
        address = AddressOf(record);
    }

    sheet.Cells = std::move(staged->Cells);
    sheet.Year = year;
    sheet.Month = month;
    return {ReadResult::Replaced, FormImageBaseName(address.Year, address.Month)};
}

WorkFileRead ReadWorkFile(const std::wstring& path, MonthSheet& sheet) {
    InputFile file;
    if (!file.Open(path)) return {ReadResult::Unreadable};
    FileRecords records(file);
    return ReadWorkRecords(records, sheet);
}

std::vector<std::uint8_t> EncodeWorkFile(const MonthSheet& sheet) {
    std::vector<std::uint8_t> file;
    file.reserve(GridSize * GridSize * DayRecordSize);
    const MonthGrid days = PlaceMonth(sheet.Year, sheet.Month);
    for (int row = 0; row < GridSize; ++row)
        for (int column = 0; column < GridSize; ++column) {
            const PlaceStamp stamp{sheet.Year, sheet.Month, {column, row}, days[column][row]};
            const DayRecord record = EncodeDay(sheet.Cell(column, row), stamp);
            file.insert(file.end(), record.begin(), record.end());
        }
    return file;
}

bool WriteWorkFile(const std::wstring& path, const MonthSheet& sheet) {
    return !path.empty() && WriteWholeFile(path, EncodeWorkFile(sheet));
}
