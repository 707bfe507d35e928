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
std::unique_ptr<MonthSheet> OtherSheet() {
    return DressedSheet(1999, 11);
}

// The day's values without the record it was read from.
Day Values(Day day) {
    day.KeptBytes.clear();
    return day;
}

// The places of the grid whose content differs from a new sheet's, as "column,row" texts.
std::vector<std::string> ChangedCells(const MonthSheet& sheet) {
    std::vector<std::string> changed;
    for (int column = 0; column < GridSize; ++column)
        for (int row = 0; row < GridSize; ++row)
            if (Values(sheet.Cell(column, row)) != Day{})
                changed.push_back(std::to_string(column) + "," + std::to_string(row));
    return changed;
}

Bytes RecordFor(int column, int row, int year, int month, const std::string& text) {
    Day day;
    day.Lines[0].LineText = text;
    Placement placement{year, month};
    placement.HasDay = 1;
    placement.Column = column;
    placement.Row = row;
    return RecordFromTable(day, placement);
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
    std::string ImageBaseName;  // of the last read, empty for none

    // Reads the file into a sheet that holds something else, and checks that a refusal
    // changes nothing and names no image.
    ReadResult ReadInto(MonthSheet& sheet) {
        const auto before = std::make_unique<MonthSheet>(sheet);
        const WorkFileRead read = ReadWorkFile(File.wstring(), sheet);
        if (read.Result != ReadResult::Replaced) {
            EXPECT_TRUE(*before == sheet);
            EXPECT_FALSE(read.ImageBaseName.has_value());
        }
        ImageBaseName = read.ImageBaseName.value_or("");
        return read.Result;
    }
};

TEST_F(WorkFile, SavedSheetReadsBackCellForCell) {
    auto saved = DressedSheet(2024, 3);
    ASSERT_TRUE(WriteWorkFile(File.wstring(), *saved));
    EXPECT_EQ(fs::file_size(File), WrittenFileSize);

    auto read = OtherSheet();
    ASSERT_EQ(ReadInto(*read), ReadResult::Replaced);
    EXPECT_EQ(read->Year, 2024);
    EXPECT_EQ(read->Month, 3);
    EXPECT_EQ(ImageBaseName, "2024 3");

    // March 2024 begins on a Friday and ends on a Sunday: the header row, the first four
    // places of week 1 and all of week 6 never show a day. Their records name place (0, 0),
    // where the last of them written, (6, 6), ends up.
    const MonthGrid days = PlaceMonth(2024, 3);
    const Bytes file = FileBytes(File);
    for (int column = 0; column < 7; ++column)
        for (int row = 0; row < 7; ++row) {
            const Day& day = read->Cell(column, row);
            const std::size_t at = RecordSize * static_cast<std::size_t>(7 * row + column);
            if (column == 0 && row == 0)
                EXPECT_TRUE(Values(day) == saved->Cell(6, 6));
            else if (days[column][row] != 0)
                EXPECT_TRUE(
                    day == WithKeptRecord(saved->Cell(column, row),
                                          Bytes(file.begin() + at, file.begin() + at + RecordSize)))
                    << column << "," << row;
            else
                EXPECT_TRUE(day == Day{}) << column << "," << row;
        }
}

TEST_F(WorkFile, WritesTheFortyNinePlacesRowByRowStampedWithTheSheetsMonthAndItsDays) {
    auto sheet = DressedSheet(2031, 7);
    const auto before = std::make_unique<MonthSheet>(*sheet);
    ASSERT_TRUE(WriteWorkFile(File.wstring(), *sheet));

    // The expected file is laid out from the offset table, not through the program's codec.
    const Bytes expected = FileFromTable(*sheet);
    const Bytes written = FileBytes(File);
    ASSERT_EQ(written.size(), expected.size());
    EXPECT_TRUE(written == expected);
    EXPECT_TRUE(*sheet == *before);  // the document is only read
    EXPECT_EQ(Scratch.Names(), std::vector<std::string>{"marzo.vrel"});  // nothing left beside
}

TEST_F(WorkFile, AFileWhoseRecordsNameTheirOwnPlacesGoesBackByteForByte) {
    // Records in file order, each naming its own place, days stamped as the writer stamps them,
    // with remains behind the terminators, a slot without terminator and odd flag values.
    const auto dressed = DressedSheet(2024, 3);
    Bytes file;
    for (int row = 0; row < 7; ++row)
        for (int column = 0; column < 7; ++column) {
            Placement placement = StampedPlacement(2024, 3, column, row);
            placement.Column = column;
            placement.Row = row;
            TableRecord record;
            record.Raw(0, RecordFromTable(dressed->Cell(column, row), placement).data(),
                       RecordSize);
            record.Raw(223 + 21, "ab\0 de un texto", 16).Int32(131, 2 + column);
            if (row == 6) record.Raw(0, std::string(101, 'F').data(), 101);
            if (placement.HasDay == 0) record.Int32(111, row).Int16(119, -column);
            file.insert(file.end(), record.Get().begin(), record.Get().end());
        }
    WriteFileBytes(File, file);
    auto sheet = OtherSheet();
    ASSERT_EQ(ReadInto(*sheet), ReadResult::Replaced);
    EXPECT_EQ(sheet->Cell(2, 6).FontName, std::string(100, 'F'));
    EXPECT_EQ(sheet->Cell(2, 6).Lines[1].LineText, "ab");

    const fs::path copy = Scratch.Path("copia.vrel");
    ASSERT_TRUE(WriteWorkFile(copy.wstring(), *sheet));
    EXPECT_TRUE(FileBytes(copy) == file);
}

TEST_F(WorkFile, AcceptsOnlyWholeRecords) {
    auto saved = DressedSheet(2024, 3);
    ASSERT_TRUE(WriteWorkFile(File.wstring(), *saved));
    Bytes bytes = FileBytes(File);
    ASSERT_EQ(bytes.size(), WrittenFileSize);

    bytes.push_back(0);
    WriteFileBytes(File, bytes);
    auto sheet = OtherSheet();
    EXPECT_EQ(ReadInto(*sheet), ReadResult::WrongFormat);
}

TEST_F(WorkFile, EmptyFileGivesTheDefaultSheetAndKeepsMonthAndImageName) {
    WriteFileBytes(File, {});
    auto sheet = OtherSheet();
    ASSERT_EQ(ReadInto(*sheet), ReadResult::Replaced);
    EXPECT_EQ(sheet->Year, 1999);
    EXPECT_EQ(sheet->Month, 11);
    EXPECT_EQ(ImageBaseName, "");  // no image name comes with it
    EXPECT_TRUE(ChangedCells(*sheet).empty());
}

TEST_F(WorkFile, OneRecordSetsTheMonthAndFillsOnlyItsCell) {
    WriteFileBytes(File, RecordFor(3, 2, 1985, 7, "Boda"));
    auto sheet = OtherSheet();
    ASSERT_EQ(ReadInto(*sheet), ReadResult::Replaced);
    EXPECT_EQ(sheet->Year, 1985);
    EXPECT_EQ(sheet->Month, 7);
    EXPECT_EQ(ImageBaseName, "1985 7");
    EXPECT_EQ(ChangedCells(*sheet), std::vector<std::string>{"3,2"});
    EXPECT_EQ(sheet->Cell(3, 2).Lines[0].LineText, "Boda");
}

TEST_F(WorkFile, MonthFromTheFirstRecordImageNameFromTheLastLaterRecordsWin) {
    WriteFileBytes(File, Join({RecordFor(1, 1, 2020, 2, "primero"), RecordFor(2, 2, 2021, 5, "x"),
                               RecordFor(1, 1, 2022, 9, "ultimo")}));
    auto sheet = OtherSheet();
    ASSERT_EQ(ReadInto(*sheet), ReadResult::Replaced);
    EXPECT_EQ(sheet->Year, 2020);
    EXPECT_EQ(sheet->Month, 2);
    EXPECT_EQ(ImageBaseName, "2022 9");
    EXPECT_EQ(sheet->Cell(1, 1).Lines[0].LineText, "ultimo");
}

TEST_F(WorkFile, TextOverRemainsOfALongerOneReadsAsItself) {
    TableRecord record;
    record.Int16(105, 2024).Int16(107, 3).Int16(123, 2).Int16(125, 4);
    record.Raw(223, "Abcde\0 de un texto", 19);
    WriteFileBytes(File, record.Get());
    auto sheet = OtherSheet();
    ASSERT_EQ(ReadInto(*sheet), ReadResult::Replaced);
    EXPECT_EQ(sheet->Cell(2, 4).Lines[0].LineText, "Abcde");
}

TEST_F(WorkFile, RecordsNamingNoCellOfTheGridChangeNothing) {
    WriteFileBytes(File, Join({RecordFor(2, 3, 2024, 3, "dentro"), RecordFor(9, 1, 2024, 3, "a"),
                               RecordFor(1, -1, 2024, 3, "b"), RecordFor(-32768, 8, 2024, 3, "c"),
                               RecordFor(7, 7, 2024, 3, "sobrante"), RecordFor(0, 7, 2024, 3, "d"),
                               RecordFor(6, 7, 2024, 3, "e")}));
    auto sheet = OtherSheet();
    ASSERT_EQ(ReadInto(*sheet), ReadResult::Replaced);
    EXPECT_EQ(ChangedCells(*sheet), (std::vector<std::string>{"2,3"}));
    EXPECT_EQ(sheet->Cell(2, 3).Lines[0].LineText, "dentro");

    // Even as the first record, a record outside the grid still gives the month.
    WriteFileBytes(File, RecordFor(9, 0, 2010, 1, "fuera"));
    ASSERT_EQ(ReadInto(*sheet), ReadResult::Replaced);
    EXPECT_TRUE(ChangedCells(*sheet).empty());
    EXPECT_EQ(sheet->Year, 2010);
}

TEST_F(WorkFile, FirstRecordWithoutAUsableMonthIsRefused) {
    auto sheet = OtherSheet();
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
    auto sheet = OtherSheet();
    EXPECT_EQ(ReadInto(*sheet), ReadResult::Unreadable);
    EXPECT_FALSE(fs::exists(File)) << "reading a missing file created it";
    fs::create_directory(File);  // a folder by that name
    EXPECT_EQ(ReadInto(*sheet), ReadResult::Unreadable);
}

TEST_F(WorkFile, LengthBeyondFourGigabytesIsTestedWhole) {
    // 2^32 + 2652 bytes: the low 32 bits alone would look like one whole record.
    WriteFileBytes(File, RecordFor(1, 1, 2024, 3, "x"));
    fs::resize_file(File, (std::uintmax_t{1} << 32) + RecordSize);
    auto sheet = OtherSheet();
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
    bool Next(DayRecord& record) override {
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
    auto sheet = OtherSheet();
    const auto before = std::make_unique<MonthSheet>(*sheet);
    FailingRecords records(file, 3 * RecordSize, 2);
    const WorkFileRead read = ReadWorkRecords(records, *sheet);
    EXPECT_EQ(read.Result, ReadResult::Unreadable);
    EXPECT_TRUE(*before == *sheet);
    EXPECT_FALSE(read.ImageBaseName.has_value());
}

TEST_F(WorkFile, AReadOnlyFileIsNotReplaced) {
    auto sheet = DressedSheet(2024, 3);
    ASSERT_TRUE(WriteWorkFile(File.wstring(), *sheet));
    const Bytes before = FileBytes(File);
    fs::permissions(File, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);

    sheet->Cell(4, 1).Lines[2].LineText = "nuevo";
    EXPECT_FALSE(WriteWorkFile(File.wstring(), *sheet));
    EXPECT_TRUE(FileBytes(File) == before);
    EXPECT_EQ(Scratch.Names(), std::vector<std::string>{"marzo.vrel"});
}

TEST_F(WorkFile, AFailedSaveReportsItAndLeavesNoTrace) {
    auto sheet = DressedSheet(2024, 3);

    // The folder does not exist.
    EXPECT_FALSE(WriteWorkFile((Scratch.Path("no existe") / "marzo.vrel").wstring(), *sheet));

    // The name is taken by a folder, which must come through unharmed.
    fs::create_directory(File);
    WriteFileBytes(File / "dentro.txt", {1, 2, 3});
    EXPECT_FALSE(WriteWorkFile(File.wstring(), *sheet));
    EXPECT_TRUE(fs::is_directory(File));
    EXPECT_EQ(FileBytes(File / "dentro.txt"), (Bytes{1, 2, 3}));
    EXPECT_EQ(Scratch.Names(), std::vector<std::string>{"marzo.vrel"});
}

}  // namespace
