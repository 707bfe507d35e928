#pragma once
// Shared by the work-file tests: scratch folders, raw file bytes, a month sheet dressed the way a
// user leaves it, and records built straight from the record's offset table.

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "calendar/calendar_arithmetic.h"
#include "calendar/month_sheet.h"

namespace work_file_test {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

// A fresh folder under the system's temporary folder, removed with everything in it.
class ScratchFolder {
  public:
    ScratchFolder() {
        std::random_device random;
        Root = fs::temp_directory_path() / ("almanaque_test_" + std::to_string(random()));
        fs::create_directories(Root);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        for (const auto& entry : fs::recursive_directory_iterator(Root, ignored))
            fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add, ignored);
        fs::remove_all(Root, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    fs::path Path(const std::string& name) const { return Root / name; }
    const fs::path& Folder() const { return Root; }

    // The names in the folder, sorted.
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(Root))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

  private:
    fs::path Root;
};

inline Bytes FileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteFileBytes(const fs::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

// One record laid out by hand from the offset table, integers least significant byte first.
class TableRecord {
  public:
    TableRecord() : Data(2652, 0) {}
    TableRecord& Int16(std::size_t at, int value) {
        const auto bits = static_cast<std::uint16_t>(value);
        Data.at(at) = bits & 0xFF;
        Data.at(at + 1) = bits >> 8;
        return *this;
    }
    TableRecord& Int32(std::size_t at, std::uint32_t bits) {
        Data.at(at) = bits & 0xFF;
        Data.at(at + 1) = (bits >> 8) & 0xFF;
        Data.at(at + 2) = (bits >> 16) & 0xFF;
        Data.at(at + 3) = bits >> 24;
        return *this;
    }
    TableRecord& Raw(std::size_t at, const void* bytes, std::size_t count) {
        std::memcpy(Data.data() + at, bytes, count);
        return *this;
    }
    TableRecord& Text(std::size_t at, const std::string& text) {
        return Raw(at, text.c_str(), text.size() + 1);
    }
    const Bytes& Get() const { return Data; }

  private:
    Bytes Data;
};

// What a record states of its place: zeros for a place that shows no day.
struct Placement {
    int Year = 0;
    int Month = 0;
    int Day = 0;
    int HasDay = 0;
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    int Column = 0;
    int Row = 0;
};

// The placement the writer stamps on (column, row) of a sheet of the month, from the calendar
// and the box layout: 159 x 102 boxes from (1, 35), the gap between them left out.
inline Placement StampedPlacement(int year, int month, int column, int row) {
    Placement placement{year, month};
    const int day =
        PlaceMonth(static_cast<std::int16_t>(year), static_cast<std::int16_t>(month))[column][row];
    if (day == 0) return placement;
    return {year,
            month,
            day,
            1,
            159 * column + 1,
            102 * row + 35,
            159 * column + 160,
            102 * row + 137,
            column,
            row};
}

inline std::uint32_t FlagNumber(Flag flag) {
    return flag == Flag::On ? 1 : 0;
}

// A day and its placement at the offsets of the table (not through the program's codec), over
// zeros: every text followed by zeros.
inline Bytes RecordFromTable(const Day& day, const Placement& placement) {
    TableRecord record;
    record.Text(0, day.FontName)
        .Int32(101, day.NumberColor)
        .Int16(105, placement.Year)
        .Int16(107, placement.Month)
        .Int16(109, placement.Day)
        .Int32(111, static_cast<std::uint32_t>(placement.HasDay))
        .Int16(115, placement.Left)
        .Int16(117, placement.Top)
        .Int16(119, placement.Right)
        .Int16(121, placement.Bottom)
        .Int16(123, placement.Column)
        .Int16(125, placement.Row);
    for (int line = 0; line < 5; ++line) {
        record.Int32(127 + 8 * line, FlagNumber(day.Lines[line].ShowsText));
        record.Int32(131 + 8 * line, FlagNumber(day.Lines[line].ShowsSaint));
        record.Text(223 + 21 * line, day.Lines[line].LineText);
        record.Int32(328 + 4 * line, day.Lines[line].LineColor);
    }
    record.Int32(167, FlagNumber(day.Numbers.TopLeft))
        .Int32(171, FlagNumber(day.Numbers.TopRight))
        .Int32(175, FlagNumber(day.Numbers.BottomLeft))
        .Int32(179, FlagNumber(day.Numbers.BottomRight))
        .Int32(183, FlagNumber(day.Numbers.Centre));
    for (int icon = 0; icon < 9; ++icon) {
        record.Int32(187 + 4 * icon, FlagNumber(day.Icons[icon].Shown));
        record.Text(348 + 256 * icon, day.Icons[icon].Path);
    }
    return record.Get();
}

// A short name that tells the places apart.
inline std::string CellName(int column, int row) {
    std::string name(1, 'c');
    name += std::to_string(column);
    name += 'r';
    name += std::to_string(row);
    return name;
}

inline Flag FlagOf(bool on) {
    return on ? Flag::On : Flag::Off;
}

// A sheet as a user leaves it: every place has its own font, texts, colours, flags and icons.
inline std::unique_ptr<MonthSheet> DressedSheet(std::int16_t year, std::int16_t month) {
    auto sheet = std::make_unique<MonthSheet>();
    sheet->Year = year;
    sheet->Month = month;
    for (int column = 0; column < 7; ++column)
        for (int row = 0; row < 7; ++row) {
            Day& day = sheet->Cell(column, row);
            const int n = column + 7 * row;
            const std::string name = CellName(column, row);
            day.FontName = "Ar" + name;
            day.NumberColor = 0x00A0B0C0u + static_cast<Color>(n);
            for (int line = 0; line < 5; ++line) {
                day.Lines[line] = {
                    FlagOf(n % 5 == line), FlagOf((n + 2) % 5 == line),
                    name + "L" + std::to_string(line) + "\xF1",
                    0x00010203u * static_cast<Color>(line + 1) + static_cast<Color>(n)};
            }
            day.Numbers = {FlagOf(n % 2), FlagOf((n / 2) % 2), FlagOf((n / 4) % 2),
                           FlagOf((n / 8) % 2), FlagOf((n / 16) % 2)};
            for (int icon = 0; icon < 9; ++icon)
                day.Icons[icon] = {FlagOf((n + icon) % 3 == 0),
                                   "C:\\Iconos\\" + name + "_" + std::to_string(icon) + ".ico"};
        }
    return sheet;
}

// The sheet's 49 places as the writer lays them out, from the table.
inline Bytes FileFromTable(const MonthSheet& sheet) {
    Bytes file;
    for (int row = 0; row < 7; ++row)
        for (int column = 0; column < 7; ++column) {
            const Bytes record = RecordFromTable(
                sheet.Cell(column, row), StampedPlacement(sheet.Year, sheet.Month, column, row));
            file.insert(file.end(), record.begin(), record.end());
        }
    return file;
}

// The day as a read of its own record gives it back: the same values, the record kept.
inline Day WithKeptRecord(Day day, const Bytes& record) {
    day.KeptBytes = record;
    return day;
}

}  // namespace work_file_test
