// Any bytes as a work file: the reader must neither touch memory outside the sheet nor leave it
// in a state the rest of the program cannot use, and a refused file must change nothing.

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "fuzz/memory_records.h"
#include "persistence/cell_record.h"
#include "persistence/work_file.h"

namespace {

void Check(bool holds) {
    if (!holds) std::abort();
}

template <std::size_t N>
bool Terminated(const char (&slot)[N]) {
    return std::memchr(slot, '\0', N) != nullptr;
}

bool CellTextsTerminated(const DayCell& cell) {
    if (!Terminated(cell.FontName)) return false;
    for (const auto& slot : cell.LineText)
        if (!Terminated(slot)) return false;
    for (const auto& slot : cell.IconPath)
        if (!Terminated(slot)) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto before = [] {
        auto sheet = std::make_unique<MonthSheet>();
        sheet->Year = 2026;
        sheet->Month = 12;
        ResetCells(*sheet);
        AssignSlot(sheet->Cell(3, 3).LineText[0], "antes");
        return sheet;
    }();
    static const auto sheet = std::make_unique<MonthSheet>();
    *sheet = *before;
    std::string imageBaseName = "2026 12";

    MemoryRecords records(data, size);
    const ReadResult result = ReadWorkRecords(records, *sheet, imageBaseName);

    if (size % CellRecordSize != 0) Check(result == ReadResult::WrongFormat);
    if (result != ReadResult::Replaced) {
        Check(sheet->Year == before->Year && sheet->Month == before->Month);
        Check(std::memcmp(sheet->Cells, before->Cells, sizeof sheet->Cells) == 0);
        Check(imageBaseName == "2026 12");
        return 0;
    }
    Check(sheet->Month >= 1 && sheet->Month <= 12 && sheet->Year >= 1);
    for (int column = 0; column < GridSize; ++column)
        for (int row = 0; row < GridSize; ++row)
            Check(CellTextsTerminated(sheet->Cell(column, row)));
    if (size == 0) {
        Check(sheet->Year == 2026 && imageBaseName == "2026 12");
        return 0;
    }

    // The image name comes from the last record; each record survives decoding unchanged.
    CellRecord last;
    std::memcpy(last.data(), data + size - CellRecordSize, CellRecordSize);
    const DayCell lastCell = DecodeCellRecord(last);
    Check(imageBaseName == FormImageBaseName(lastCell.Year, lastCell.Month));
    Check(EncodeCellRecord(lastCell) == last);
    return 0;
}
