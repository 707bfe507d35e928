#include "persistence/work_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "work_file_helpers.h"

namespace {

using namespace work_file_test;

constexpr std::size_t RecordSize = 2652;
constexpr std::size_t WrittenFileSize = 49 * RecordSize;

// A sheet the reader can fill, holding something else than any file of these tests.
std::unique_ptr<MonthSheet> OtherSheet(const fs::path& file) {
    auto sheet = DressedSheet(1999, 11);
    SetWorkFile(*sheet, file);
    return sheet;
}

DayCell ResetCell(int column, int row) {
    auto sheet = std::make_unique<MonthSheet>();
    ResetCells(*sheet);
    return sheet->Cell(column, row);
}

// The cells of the grid whose content differs from the defaults, as "column,row" texts.
std::vector<std::string> ChangedCells(const MonthSheet& sheet) {
    auto reset = std::make_unique<MonthSheet>();
    ResetCells(*reset);
    std::vector<std::string> changed;
    for (int column = 0; column < GridSize; ++column)
        for (int row = 0; row < GridSize; ++row)
            if (!SameBytes(sheet.Cell(column, row), reset->Cell(column, row)))
                changed.push_back(std::to_string(column) + "," + std::to_string(row));
    return changed;
}

Bytes RecordFor(int column, int row, int year, int month, const std::string& text) {
    DayCell cell = ResetCell(0, 0);
    cell.Column = static_cast<std::int16_t>(column);
    cell.Row = static_cast<std::int16_t>(row);
    cell.Year = static_cast<std::int16_t>(year);
    cell.Month = static_cast<std::int16_t>(month);
    cell.HasDay = 1;
    AssignSlot(cell.LineText[0], text);
    return RecordFromTable(cell);
}

Bytes Join(std::initializer_list<Bytes> records) {
    Bytes file;
    for (const Bytes& record : records) file.insert(file.end(), record.begin(), record.end());
    return file;
}

class WorkFile : public ::testing::Test {
  protected:
    ScratchFolder Scratch;
    fs::path File = Scratch.Path("marzo.vrel");
    std::string ImageBaseName = "2026 12";

    // Reads the file into a sheet that holds something else, and checks that a refusal
    // changes nothing.
    ReadResult ReadInto(MonthSheet& sheet) {
        SetWorkFile(sheet, File);
        const SheetSnapshot before(sheet);
        const std::string nameBefore = ImageBaseName;
        const ReadResult result = ReadWorkFile(sheet, ImageBaseName);
        if (result != ReadResult::Replaced) {
            EXPECT_TRUE(before.Matches(sheet));
            EXPECT_EQ(ImageBaseName, nameBefore);
        }
        return result;
    }
};

TEST_F(WorkFile, SavedSheetReadsBackCellForCell) {
    auto saved = DressedSheet(2024, 3);
    SetWorkFile(*saved, File);
    ASSERT_TRUE(WriteWorkFile(*saved));
    EXPECT_EQ(fs::file_size(File), WrittenFileSize);

    auto read = OtherSheet(File);
    ASSERT_EQ(ReadInto(*read), ReadResult::Replaced);
    EXPECT_EQ(read->Year, 2024);
    EXPECT_EQ(read->Month, 3);
    EXPECT_EQ(ImageBaseName, "2024 3");

    // March 2024 begins on a Friday and ends on a Sunday: the header row, the first four
    // places of week 1 and all of week 6 never show a day; the last of them written is (6, 6).
    const MonthGrid days = PlaceMonth(2024, 3);
    for (int column = 0; column < 7; ++column)
        for (int row = 0; row < 7; ++row) {
            const DayCell& cell = read->Cell(column, row);
            if (column == 0 && row == 0)
                EXPECT_TRUE(SameBytes(AsTexts(cell), AsTexts(saved->Cell(6, 6))));
            else if (days[column][row] != 0)
                EXPECT_TRUE(SameBytes(cell, AsTexts(saved->Cell(column, row))))
                    << column << "," << row;
            else
                EXPECT_TRUE(SameBytes(cell, ResetCell(column, row))) << column << "," << row;
        }
}

TEST_F(WorkFile, WritesTheFortyNineUsedCellsRowByRowStampedWithTheSheetsMonth) {
    auto sheet = DressedSheet(2024, 3);
    sheet->Year = 2031;  // chosen after the cells were drawn
    sheet->Month = 7;
    sheet->Cell(7, 0).HasDay = 1;  // the spare cells are not part of the file
    SetWorkFile(*sheet, File);
    ASSERT_TRUE(WriteWorkFile(*sheet));

    // The expected file is laid out from the offset table, not through the program's codec.
    Bytes expected;
    for (int row = 0; row < 7; ++row)
        for (int column = 0; column < 7; ++column) {
            DayCell cell = sheet->Cell(column, row);
            ASSERT_EQ(+cell.Year, 2031);  // the stamp stays in the document
            ASSERT_EQ(+cell.Month, 7);
            ASSERT_EQ(ReadSlot(cell.LineText[0]), CellName(column, row) + "L0\xF1");
            const Bytes record = RecordFromTable(cell);
            expected.insert(expected.end(), record.begin(), record.end());
        }
    const Bytes written = FileBytes(File);
    ASSERT_EQ(written.size(), expected.size());
    EXPECT_TRUE(written == expected);
    EXPECT_EQ(Scratch.Names(), std::vector<std::string>{"marzo.vrel"});  // nothing left beside
}

TEST_F(WorkFile, AcceptsOnlyWholeRecords) {
    auto saved = DressedSheet(2024, 3);
    SetWorkFile(*saved, File);
    ASSERT_TRUE(WriteWorkFile(*saved));
    Bytes bytes = FileBytes(File);
    ASSERT_EQ(bytes.size(), WrittenFileSize);

    bytes.push_back(0);
    WriteFileBytes(File, bytes);
    auto sheet = OtherSheet(File);
    EXPECT_EQ(ReadInto(*sheet), ReadResult::WrongFormat);
}

TEST_F(WorkFile, EmptyFileGivesTheDefaultSheetAndKeepsMonthAndImageName) {
    WriteFileBytes(File, {});
    auto sheet = OtherSheet(File);
    ASSERT_EQ(ReadInto(*sheet), ReadResult::Replaced);
    EXPECT_EQ(sheet->Year, 1999);
    EXPECT_EQ(sheet->Month, 11);
    EXPECT_EQ(ImageBaseName, "2026 12");
    EXPECT_TRUE(ChangedCells(*sheet).empty());
}

TEST_F(WorkFile, OneRecordSetsTheMonthAndFillsOnlyItsCell) {
    WriteFileBytes(File, RecordFor(3, 2, 1985, 7, "Boda"));
    auto sheet = OtherSheet(File);
    ASSERT_EQ(ReadInto(*sheet), ReadResult::Replaced);
    EXPECT_EQ(sheet->Year, 1985);
    EXPECT_EQ(sheet->Month, 7);
    EXPECT_EQ(ImageBaseName, "1985 7");
    EXPECT_EQ(ChangedCells(*sheet), std::vector<std::string>{"3,2"});
    EXPECT_EQ(ReadSlot(sheet->Cell(3, 2).LineText[0]), "Boda");
}

TEST_F(WorkFile, MonthFromTheFirstRecordImageNameFromTheLastLaterRecordsWin) {
    WriteFileBytes(File, Join({RecordFor(1, 1, 2020, 2, "primero"), RecordFor(2, 2, 2021, 5, "x"),
                               RecordFor(1, 1, 2022, 9, "ultimo")}));
    auto sheet = OtherSheet(File);
    ASSERT_EQ(ReadInto(*sheet), ReadResult::Replaced);
    EXPECT_EQ(sheet->Year, 2020);
    EXPECT_EQ(sheet->Month, 2);
    EXPECT_EQ(ImageBaseName, "2022 9");
    EXPECT_EQ(ReadSlot(sheet->Cell(1, 1).LineText[0]), "ultimo");
}

TEST_F(WorkFile, TextOverRemainsOfALongerOneReadsAsItself) {
    TableRecord record;
    record.Int16(105, 2024).Int16(107, 3).Int16(123, 2).Int16(125, 4);
    record.Raw(223, "Abcde\0 de un texto", 19);
    WriteFileBytes(File, record.Get());
    auto sheet = OtherSheet(File);
    ASSERT_EQ(ReadInto(*sheet), ReadResult::Replaced);
    const DayCell& cell = sheet->Cell(2, 4);
    EXPECT_EQ(ReadSlot(cell.LineText[0]), "Abcde");
    // The remains are not carried into the sheet, so the next save does not repeat them.
    EXPECT_EQ(std::memcmp(cell.LineText[0], "Abcde\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0", 21), 0);
}

TEST_F(WorkFile, RecordsNamingNoCellOfTheGridChangeNothing) {
    WriteFileBytes(File, Join({RecordFor(2, 3, 2024, 3, "dentro"), RecordFor(9, 1, 2024, 3, "a"),
                               RecordFor(1, -1, 2024, 3, "b"), RecordFor(-32768, 8, 2024, 3, "c"),
                               RecordFor(7, 7, 2024, 3, "sobrante")}));
    auto sheet = OtherSheet(File);
    ASSERT_EQ(ReadInto(*sheet), ReadResult::Replaced);
    EXPECT_EQ(ChangedCells(*sheet), (std::vector<std::string>{"2,3", "7,7"}));
    EXPECT_EQ(ReadSlot(sheet->Cell(2, 3).LineText[0]), "dentro");

    // Even as the first record, a record outside the grid still gives the month.
    WriteFileBytes(File, RecordFor(9, 0, 2010, 1, "fuera"));
    ASSERT_EQ(ReadInto(*sheet), ReadResult::Replaced);
    EXPECT_TRUE(ChangedCells(*sheet).empty());
    EXPECT_EQ(sheet->Year, 2010);
}

TEST_F(WorkFile, FirstRecordWithoutAUsableMonthIsRefused) {
    auto sheet = OtherSheet(File);
    for (const auto& [year, month] :
         {std::pair{2024, 0}, {2024, 13}, {2024, -3}, {0, 5}, {-1, 5}}) {
        WriteFileBytes(File,
                       Join({RecordFor(1, 1, year, month, "x"), RecordFor(2, 2, 2024, 3, "")}));
        EXPECT_EQ(ReadInto(*sheet), ReadResult::WrongFormat) << year << " " << month;
    }
    WriteFileBytes(File, RecordFor(1, 1, 1, 12, "el primer diciembre"));
    EXPECT_EQ(ReadInto(*sheet), ReadResult::Replaced);
}

TEST_F(WorkFile, AFileThatCannotBeOpenedChangesNothing) {
    auto sheet = OtherSheet(File);
    EXPECT_EQ(ReadInto(*sheet), ReadResult::Unreadable);
    EXPECT_FALSE(fs::exists(File)) << "reading a missing file created it";
    fs::create_directory(File);  // a folder by that name
    EXPECT_EQ(ReadInto(*sheet), ReadResult::Unreadable);
}

TEST_F(WorkFile, LengthBeyondFourGigabytesIsTestedWhole) {
    // 2^32 + 2652 bytes: the low 32 bits alone would look like one whole record.
    WriteFileBytes(File, RecordFor(1, 1, 2024, 3, "x"));
    fs::resize_file(File, (std::uintmax_t{1} << 32) + RecordSize);
    auto sheet = OtherSheet(File);
    EXPECT_EQ(ReadInto(*sheet), ReadResult::WrongFormat);
}

// Records from memory, failing after a given number.
class FailingRecords : public RecordSource {
  public:
    FailingRecords(Bytes file, std::uint64_t claimed, std::size_t readable)
        : File(std::move(file)), Claimed(claimed), Readable(readable) {}
    bool Length(std::uint64_t& bytes) override {
        bytes = Claimed;
        return true;
    }
    bool Next(CellRecord& record) override {
        if (Given == Readable) return false;
        std::memcpy(record.data(), File.data() + RecordSize * Given++, RecordSize);
        return true;
    }

  private:
    Bytes File;
    std::uint64_t Claimed;
    std::size_t Readable;
    std::size_t Given = 0;
};

TEST_F(WorkFile, AReadFailingHalfwayChangesNothing) {
    const Bytes file = Join({RecordFor(1, 1, 2020, 2, "a"), RecordFor(2, 2, 2020, 2, "b")});
    auto sheet = OtherSheet(File);
    const SheetSnapshot before(*sheet);
    FailingRecords records(file, 3 * RecordSize, 2);
    EXPECT_EQ(ReadWorkRecords(records, *sheet, ImageBaseName), ReadResult::Unreadable);
    EXPECT_TRUE(before.Matches(*sheet));
    EXPECT_EQ(ImageBaseName, "2026 12");
}

TEST_F(WorkFile, AReadOnlyFileIsNotReplaced) {
    auto sheet = DressedSheet(2024, 3);
    SetWorkFile(*sheet, File);
    ASSERT_TRUE(WriteWorkFile(*sheet));
    const Bytes before = FileBytes(File);
    fs::permissions(File, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);

    AssignSlot(sheet->Cell(4, 1).LineText[2], "nuevo");
    EXPECT_FALSE(WriteWorkFile(*sheet));
    EXPECT_TRUE(FileBytes(File) == before);
    EXPECT_EQ(Scratch.Names(), std::vector<std::string>{"marzo.vrel"});
}

TEST_F(WorkFile, AFailedSaveReportsItAndLeavesNoTrace) {
    auto sheet = DressedSheet(2024, 3);

    // The folder does not exist.
    SetWorkFile(*sheet, Scratch.Path("no existe") / "marzo.vrel");
    EXPECT_FALSE(WriteWorkFile(*sheet));

    // The name is taken by a folder, which must come through unharmed.
    fs::create_directory(File);
    WriteFileBytes(File / "dentro.txt", {1, 2, 3});
    SetWorkFile(*sheet, File);
    EXPECT_FALSE(WriteWorkFile(*sheet));
    EXPECT_TRUE(fs::is_directory(File));
    EXPECT_EQ(FileBytes(File / "dentro.txt"), (Bytes{1, 2, 3}));
    EXPECT_EQ(Scratch.Names(), std::vector<std::string>{"marzo.vrel"});
}

}  // namespace
