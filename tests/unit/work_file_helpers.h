#pragma once
// Shared by the work-file tests: scratch folders, raw file bytes, a month sheet dressed the way a
// user and the drawing leave it, and records built straight from the record's offset table.

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
#include "calendar/text_slot.h"
#include "platform/cp1252.h"

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

inline void SetWorkFile(MonthSheet& sheet, const fs::path& path) {
    sheet.WorkFilePath = path.wstring();
}

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

// Every field of a cell placed at the offsets of the table (not through the program's codec).
inline Bytes RecordFromTable(const DayCell& cell) {
    TableRecord record;
    record.Raw(0, cell.FontName, 101)
        .Int32(101, cell.NumberColor)
        .Int16(105, cell.Year)
        .Int16(107, cell.Month)
        .Int16(109, cell.Day)
        .Int32(111, static_cast<std::uint32_t>(cell.HasDay))
        .Int16(115, cell.Left)
        .Int16(117, cell.Top)
        .Int16(119, cell.Right)
        .Int16(121, cell.Bottom)
        .Int16(123, cell.Column)
        .Int16(125, cell.Row);
    for (int line = 0; line < 5; ++line) {
        record.Int32(127 + 8 * line, static_cast<std::uint32_t>(cell.Lines[line].LineIsText));
        record.Int32(131 + 8 * line, static_cast<std::uint32_t>(cell.Lines[line].LineIsSaint));
    }
    record.Int32(167, static_cast<std::uint32_t>(cell.NumberTopLeft))
        .Int32(171, static_cast<std::uint32_t>(cell.NumberTopRight))
        .Int32(175, static_cast<std::uint32_t>(cell.NumberBottomLeft))
        .Int32(179, static_cast<std::uint32_t>(cell.NumberBottomRight))
        .Int32(183, static_cast<std::uint32_t>(cell.NumberCentre));
    for (int icon = 0; icon < 9; ++icon)
        record.Int32(187 + 4 * icon, static_cast<std::uint32_t>(cell.IconShown[icon]));
    for (int line = 0; line < 5; ++line) record.Raw(223 + 21 * line, cell.LineText[line], 21);
    for (int line = 0; line < 5; ++line) record.Int32(328 + 4 * line, cell.LineColor[line]);
    for (int icon = 0; icon < 9; ++icon) record.Raw(348 + 256 * icon, cell.IconPath[icon], 256);
    return record.Get();
}

// A short name that tells the cells apart.
inline std::string CellName(int column, int row) {
    std::string name(1, 'c');
    name += std::to_string(column);
    name += 'r';
    name += std::to_string(row);
    return name;
}

// A sheet as drawing and editing leave it: the cells that show a day carry their date, geometry
// and place; every used cell has its own texts, colours, flags and icons, with the remains of
// longer, older texts behind the terminators of its slots.
inline std::unique_ptr<MonthSheet> DressedSheet(std::int16_t year, std::int16_t month) {
    auto sheet = std::make_unique<MonthSheet>();
    sheet->Year = year;
    sheet->Month = month;
    ResetCells(*sheet);
    const MonthGrid days = PlaceMonth(year, month);
    for (int column = 0; column < 7; ++column)
        for (int row = 0; row < 7; ++row) {
            DayCell& cell = sheet->Cell(column, row);
            const int n = column + 7 * row;
            if (days[column][row] != 0) {
                cell.Year = year;
                cell.Month = month;
                cell.Day = days[column][row];
                cell.HasDay = 1;
                cell.Left = static_cast<std::int16_t>(160 * column);
                cell.Top = static_cast<std::int16_t>(103 * row - 35);
                cell.Right = static_cast<std::int16_t>(cell.Left + 160);
                cell.Bottom = static_cast<std::int16_t>(cell.Top - 1000);  // negative too
                cell.Column = static_cast<std::int16_t>(column);
                cell.Row = static_cast<std::int16_t>(row);
            }
            const std::string name = CellName(column, row);
            AssignSlot(cell.FontName, "Arial Narrow Bold Condensed");
            AssignSlot(cell.FontName, "Ar" + name);
            cell.NumberColor = 0x00A0B0C0u + static_cast<Color>(n);
            cell.Lines[n % 5].LineIsText = 1;
            cell.Lines[(n + 2) % 5].LineIsSaint = 1;
            cell.NumberTopLeft = n % 2;
            cell.NumberTopRight = (n / 2) % 2;
            cell.NumberBottomLeft = (n / 4) % 2;
            cell.NumberBottomRight = (n / 8) % 2;
            cell.NumberCentre = (n / 16) % 2;
            for (int line = 0; line < 5; ++line) {
                AssignSlot(cell.LineText[line], "una linea bien larga");
                AssignSlot(cell.LineText[line], name + "L" + std::to_string(line) + "\xF1");
                cell.LineColor[line] =
                    0x00010203u * static_cast<Color>(line + 1) + static_cast<Color>(n);
            }
            for (int icon = 0; icon < 9; ++icon) {
                cell.IconShown[icon] = (n + icon) % 3 == 0;
                AssignSlot(cell.IconPath[icon], std::string(255, 'p'));
                AssignSlot(cell.IconPath[icon],
                           "C:\\Iconos\\" + name + "_" + std::to_string(icon) + ".ico");
            }
        }
    return sheet;
}

// The cell with every text slot reduced to its text, zeros behind: what a read gives back.
inline DayCell AsTexts(const DayCell& cell) {
    DayCell texts = cell;
    auto clean = [](auto& slot) {
        const std::string text = ReadSlot(slot);
        std::memset(slot, 0, sizeof slot);
        AssignSlot(slot, text);
    };
    clean(texts.FontName);
    for (auto& slot : texts.LineText) clean(slot);
    for (auto& slot : texts.IconPath) clean(slot);
    return texts;
}

inline bool SameBytes(const DayCell& a, const DayCell& b) {
    return std::memcmp(&a, &b, sizeof(DayCell)) == 0;
}

// Everything a read may change, so that "nothing changed" can be checked.
struct SheetSnapshot {
    explicit SheetSnapshot(const MonthSheet& sheet) : Copy(std::make_unique<MonthSheet>(sheet)) {}
    bool Matches(const MonthSheet& sheet) const {
        return sheet.Year == Copy->Year && sheet.Month == Copy->Month &&
               std::memcmp(sheet.Cells, Copy->Cells, sizeof sheet.Cells) == 0;
    }
    std::unique_ptr<MonthSheet> Copy;
};

}  // namespace work_file_test
