#include "persistence/day_record.h"

#include <gtest/gtest.h>

#include <cstring>

#include "work_file_helpers.h"

namespace {

using namespace work_file_test;

DayRecord AsRecord(const Bytes& bytes) {
    DayRecord record{};
    std::memcpy(record.data(), bytes.data(), record.size());
    return record;
}

TEST(DayRecord, EncodesEveryFieldAtItsOffsetLeastSignificantByteFirst) {
    auto sheet = DressedSheet(2024, 3);
    Day day = sheet->Cell(4, 2);  // 8 March 2024
    day.Lines[4].LineColor = 0x00123456;
    const DayRecord record = EncodeDay(day, {-2, 3, {4, 2}, 8});

    // The whole layout is checked against the offset table on whole files (work_file_test);
    // here a few bytes are spelled out, so that a mistake shared with that table still shows.
    EXPECT_EQ(record[105], 0xFE);  // Year -2
    EXPECT_EQ(record[106], 0xFF);
    EXPECT_EQ(record[109], 8);  // Day
    EXPECT_EQ(record[110], 0);
    EXPECT_EQ(record[111], 1);     // HasDay
    EXPECT_EQ(record[115], 0x7D);  // Left 637 = 0x027D
    EXPECT_EQ(record[116], 0x02);
    EXPECT_EQ(record[123], 4);     // Column
    EXPECT_EQ(record[125], 2);     // Row
    EXPECT_EQ(record[344], 0x56);  // LineColor[5]
    EXPECT_EQ(record[345], 0x34);
    EXPECT_EQ(record[346], 0x12);
    EXPECT_EQ(record[347], 0x00);
    EXPECT_EQ(std::memcmp(record.data() + 2396, "C:\\Iconos\\c4r2_8.ico", 21), 0);
}

TEST(DayRecord, ReadsTextsUpToTheirTerminatorsAndWritesBackWhatItDoesNotModel) {
    TableRecord bytes;
    bytes.Raw(223, "Abcde\0LEFTOVERS1234", 20);
    bytes.Raw(348 + 2 * 256, std::string(256, 'x').data(), 256);  // no terminator at all
    bytes.Int16(123, 3).Int32(111, 1).Int16(119, -7).Int32(183, 1);
    const DayRecord record = AsRecord(bytes.Get());

    Day day = DecodeDay(record);
    EXPECT_EQ(day.Lines[0].LineText, "Abcde");
    EXPECT_EQ(day.Icons[2].Path, std::string(255, 'x'));
    EXPECT_EQ(day.Icons[3].Path, "");
    EXPECT_EQ(day.Numbers.Centre, Flag::On);
    EXPECT_EQ(AddressOf(record).Column, 3);

    // A new text goes over the old one; behind its terminator the record's own bytes stay.
    day.Lines[0].LineText = "xy";
    const DayRecord changed = EncodeDay(day, {0, 0, {3, 0}, 0});
    EXPECT_EQ(std::memcmp(changed.data() + 223, "xy\0de\0LEFTOVERS1234", 20), 0);
}

TEST(DayRecord, TextsAreCutToTheirSlots) {
    Day day;
    day.Lines[0].LineText = "1234567890123456789012345";
    day.Icons[0].Path = std::string(300, 'p');
    day.Icons[2].Path = std::string("ab\0cd", 5);  // writing stops at a zero byte
    const DayRecord record = EncodeDay(day, {2024, 3, {0, 0}, 0});
    const Day read = DecodeDay(record);
    EXPECT_EQ(read.Lines[0].LineText, "12345678901234567890");
    EXPECT_EQ(record[223 + 20], 0);
    EXPECT_EQ(read.Icons[0].Path, std::string(255, 'p'));
    EXPECT_EQ(record[348 + 255], 0);
    EXPECT_EQ(read.Icons[1].Path, "");  // the neighbouring slot is untouched
    EXPECT_EQ(read.Icons[2].Path, "ab");
}

TEST(DayRecord, FlagsOtherThanZeroOrOneAreKeptUntilSet) {
    TableRecord bytes;
    bytes.Int32(127, 2).Int32(131, 0xFFFFFFFF).Int32(175, 1).Int32(187, 7).Int32(191, 5);
    const DayRecord record = AsRecord(bytes.Get());

    Day day = DecodeDay(record);
    EXPECT_EQ(day.Lines[0].ShowsText, Flag::OtherNumber);
    EXPECT_EQ(day.Lines[0].ShowsSaint, Flag::OtherNumber);
    EXPECT_EQ(day.Numbers.BottomLeft, Flag::On);
    EXPECT_EQ(day.Numbers.TopLeft, Flag::Off);
    EXPECT_EQ(day.Icons[0].Shown, Flag::OtherNumber);
    EXPECT_TRUE(EncodeDay(day, {0, 0, {0, 0}, 0}) == record);

    day.Lines[0].ShowsText = Flag::On;
    day.Icons[1].Shown = Flag::Off;
    const Bytes expected = bytes.Int32(127, 1).Int32(191, 0).Get();
    const DayRecord set = EncodeDay(day, {0, 0, {0, 0}, 0});
    EXPECT_TRUE(Bytes(set.begin(), set.end()) == expected);
}

}  // namespace
