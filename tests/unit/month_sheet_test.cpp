#include "calendar/month_sheet.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace {

bool AllZero(const DayCell& cell) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(&cell);
    for (std::size_t i = 0; i < sizeof cell; ++i)
        if (bytes[i] != 0) return false;
    return true;
}

TEST(ResetCells, GivesTheUsedCellsTheirDefaultsAndZeroesTheRest) {
    auto sheet = std::make_unique<MonthSheet>();
    sheet->Year = 2024;
    sheet->Month = 3;
    sheet->SelectedColumn = 4;
    sheet->SelectedRow = 5;
    std::memset(static_cast<void*>(sheet->Cells), 0x5A, sizeof sheet->Cells);
    ResetCells(*sheet);

    for (int column = 0; column < GridSize; ++column)
        for (int row = 0; row < GridSize; ++row) {
            const DayCell& cell = sheet->Cell(column, row);
            if (column == 7 || row == 7) {
                EXPECT_TRUE(AllZero(cell)) << column << "," << row;
                continue;
            }
            EXPECT_EQ(ReadSlot(cell.FontName), "Tahoma");
            EXPECT_EQ(+cell.NumberBottomLeft, 1);
            EXPECT_EQ(cell.NumberTopLeft + cell.NumberTopRight + cell.NumberBottomRight +
                          cell.NumberCentre,
                      0);
            EXPECT_EQ(+cell.Lines[0].LineIsSaint, 1);
            EXPECT_EQ(+cell.Lines[0].LineIsText, 0);
            EXPECT_EQ(+cell.HasDay, 0);
            EXPECT_EQ(+cell.NumberColor, Black);
            for (int line = 0; line < TextLineCount; ++line) {
                EXPECT_EQ(ReadSlot(cell.LineText[line]), "");
                EXPECT_EQ(+cell.LineColor[line], Black);
            }
        }
    EXPECT_EQ(sheet->Year, 2024);
    EXPECT_EQ(sheet->Month, 3);
    EXPECT_EQ(sheet->SelectedColumn, 4);
    EXPECT_EQ(sheet->SelectedRow, 5);
}

TEST(TextSlot, LongTextsAreCutToTheSlot) {
    DayCell cell{};
    AssignSlot(cell.LineText[0], "1234567890123456789012345");
    EXPECT_EQ(ReadSlot(cell.LineText[0]), "12345678901234567890");
    AssignSlot(cell.IconPath[0], std::string(300, 'p'));
    EXPECT_EQ(ReadSlot(cell.IconPath[0]), std::string(255, 'p'));
    EXPECT_EQ(cell.IconPath[0][255], '\0');
    EXPECT_EQ(cell.IconPath[1][0], '\0');  // the neighbouring slot is untouched
}

TEST(TextSlot, ShorterTextLeavesTheOldBytesBehindItsTerminator) {
    char slot[21] = {};
    AssignSlot(slot, "Abcdefgh");
    AssignSlot(slot, "xyz");
    EXPECT_EQ(std::string(slot, 9), std::string("xyz\0efgh\0", 9));
    EXPECT_EQ(ReadSlot(slot), "xyz");
}

TEST(TextSlot, SlotWithoutTerminatorYieldsItsFirstNMinusOneBytes) {
    char slot[6];
    std::memcpy(slot, "abcdef", 6);
    EXPECT_EQ(ReadSlot(slot), "abcde");
    AssignSlot(slot, std::string_view("ab\0cd", 5));  // copying stops at a zero byte
    EXPECT_EQ(ReadSlot(slot), "ab");
}

TEST(ImageBaseName, IsYearBlankMonthWithoutLeadingZeros) {
    EXPECT_EQ(FormImageBaseName(2024, 3), "2024 3");
    EXPECT_EQ(FormImageBaseName(2026, 12), "2026 12");
    EXPECT_EQ(FormImageBaseName(987, 1), "987 1");
}

}  // namespace
