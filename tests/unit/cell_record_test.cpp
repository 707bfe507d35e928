#include "persistence/cell_record.h"

#include <gtest/gtest.h>

#include <cstring>

#include "work_file_helpers.h"

namespace {

using namespace work_file_test;

TEST(CellRecord, EncodesEveryFieldAtItsOffsetLeastSignificantByteFirst) {
    auto sheet = DressedSheet(2024, 3);
    DayCell cell = sheet->Cell(4, 2);  // 8 March 2024
    cell.Year = -2;
    cell.Left = -300;
    cell.LineColor[4] = 0x00123456;
    const CellRecord record = EncodeCellRecord(cell);

    // Slots go out whole, with the remains of the cell's older, longer texts.
    const Bytes expected = RecordFromTable(cell);
    ASSERT_EQ(expected.size(), record.size());
    for (std::size_t i = 0; i < record.size(); ++i)
        ASSERT_EQ(record[i], expected[i]) << "byte " << i;

    // A few bytes spelled out, so that a mistake shared with the table above still shows.
    EXPECT_EQ(record[105], 0xFE);  // Year -2
    EXPECT_EQ(record[106], 0xFF);
    EXPECT_EQ(record[109], 8);  // Day
    EXPECT_EQ(record[110], 0);
    EXPECT_EQ(record[111], 1);     // HasDay
    EXPECT_EQ(record[115], 0xD4);  // Left -300 = 0xFED4
    EXPECT_EQ(record[116], 0xFE);
    EXPECT_EQ(record[123], 4);     // Column
    EXPECT_EQ(record[125], 2);     // Row
    EXPECT_EQ(record[344], 0x56);  // LineColor[5]
    EXPECT_EQ(record[345], 0x34);
    EXPECT_EQ(record[346], 0x12);
    EXPECT_EQ(record[347], 0x00);
    EXPECT_EQ(std::memcmp(record.data() + 2396, "C:\\Iconos\\c4r2_8.ico", 21), 0);
}

TEST(CellRecord, AppliesTextSlotsAsTexts) {
    DayCell record{};
    std::memcpy(record.LineText[0], "Abcde\0LEFTOVERS1234", 20);
    std::memset(record.IconPath[2], 'x', sizeof record.IconPath[2]);  // no terminator at all
    record.Column = 3;
    record.NumberCentre = 1;

    DayCell target{};
    AssignSlot(target.LineText[0], "0123456789012");
    ApplyCellRecord(record, target);

    EXPECT_EQ(ReadSlot(target.LineText[0]), "Abcde");
    // Behind the new terminator the target keeps its own bytes, not the record's remains.
    EXPECT_EQ(std::memcmp(target.LineText[0] + 6, "6789012", 8), 0);
    EXPECT_EQ(ReadSlot(target.IconPath[2]), std::string(255, 'x'));
    EXPECT_EQ(target.IconPath[2][255], '\0');
    EXPECT_EQ(target.IconPath[3][0], '\0');
    EXPECT_EQ(+target.Column, 3);
    EXPECT_EQ(+target.NumberCentre, 1);
}

}  // namespace
