// Any bytes as a work file: the reader must neither touch memory outside the sheet nor leave it
// in a state the rest of the program cannot use, a refused file must change nothing, and what
// was read must go back into a file as it came.

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "calendar/calendar_arithmetic.h"
#include "fuzz/memory_records.h"
#include "persistence/day_record.h"
#include "persistence/work_file.h"
#include "unit/work_file_helpers.h"

namespace {

void Check(bool holds) {
    if (!holds) std::abort();
}

bool WithinLimits(const Day& day) {
    if (day.FontName.size() > FontNameLimit) return false;
    if (!day.KeptBytes.empty() && day.KeptBytes.size() != DayRecordSize) return false;
    for (const DayLine& line : day.Lines)
        if (line.LineText.size() > LineTextLimit) return false;
    for (const DayIcon& icon : day.Icons)
        if (icon.Path.size() > IconPathLimit) return false;
    return true;
}

std::uint32_t At(const std::uint8_t* record, std::size_t offset, std::size_t size) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < size; ++i) value |= std::uint32_t{record[offset + i]} << (8 * i);
    return value;
}

// A whole file whose records name their own places in file order, all of the first record's
// month, the places that show a day stating what the writer stamps on them.
bool HoldsItsOwnPlacement(const std::uint8_t* data, std::size_t size) {
    if (size != GridSize * GridSize * DayRecordSize) return false;
    const int year = static_cast<std::int16_t>(At(data, 105, 2));
    const int month = static_cast<std::int16_t>(At(data, 107, 2));
    for (int k = 0; k < GridSize * GridSize; ++k) {
        const std::uint8_t* record = data + DayRecordSize * k;
        const work_file_test::Placement stamp =
            work_file_test::StampedPlacement(year, month, k % GridSize, k / GridSize);
        const auto int16 = [&](std::size_t at) {
            return static_cast<int>(static_cast<std::int16_t>(At(record, at, 2)));
        };
        if (int16(105) != year || int16(107) != month || int16(123) != k % GridSize ||
            int16(125) != k / GridSize)
            return false;
        if (stamp.Day != 0 &&
            (int16(109) != stamp.Day || At(record, 111, 4) != 1 || int16(115) != stamp.Left ||
             int16(117) != stamp.Top || int16(119) != stamp.Right || int16(121) != stamp.Bottom))
            return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto before = [] {
        auto sheet = std::make_unique<MonthSheet>();
        sheet->Year = 2026;
        sheet->Month = 12;
        sheet->Cell(3, 3).Lines[0].LineText = "antes";
        return sheet;
    }();
    static const auto sheet = std::make_unique<MonthSheet>();
    *sheet = *before;

    MemoryRecords records(data, size);
    const WorkFileRead read = ReadWorkRecords(records, *sheet);

    if (size % DayRecordSize != 0) Check(read.Result == ReadResult::WrongFormat);
    if (read.Result != ReadResult::Replaced) {
        Check(*sheet == *before);
        Check(!read.ImageBaseName);
        return 0;
    }
    Check(IsMonth(sheet->Month) && sheet->Year >= 1);
    for (const auto& column : sheet->Cells)
        for (const Day& day : column) Check(WithinLimits(day));
    if (size == 0) {
        Check(sheet->Year == 2026 && !read.ImageBaseName);
        return 0;
    }

    // The image name comes from the last record; each record survives decoding unchanged.
    DayRecord last;
    std::memcpy(last.data(), data + size - DayRecordSize, DayRecordSize);
    const RecordAddress address = AddressOf(last);
    Check(read.ImageBaseName == FormImageBaseName(address.Year, address.Month));
    Check(EncodeDay(DecodeDay(last), {address.Year, address.Month, {0, 0}, 0}) == last);

    // A whole file that already holds what the writer stamps is written back byte for byte.
    if (HoldsItsOwnPlacement(data, size))
        Check(EncodeWorkFile(*sheet) == std::vector<std::uint8_t>(data, data + size));
    return 0;
}
