#include "persistence/day_record.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

#include "calendar/grid_layout.h"

namespace {

// A run of Count equal fields of Size bytes each, the first at At.
struct Field {
    std::size_t At;
    std::size_t Size;
    std::size_t Count = 1;

    constexpr std::size_t End() const { return At + Size * Count; }
    // The offset of field k of the run.
    constexpr std::size_t operator[](std::size_t k) const { return At + Size * k; }
};

constexpr Field After(const Field& previous, std::size_t size, std::size_t count = 1) {
    return {previous.End(), size, count};
}

// The record's fields in file order; a text's slot holds its longest text and a terminator.
constexpr Field FontName{0, FontNameLimit + 1};
constexpr Field NumberColor = After(FontName, 4);
constexpr Field Year = After(NumberColor, 2);
constexpr Field Month = After(Year, 2);
constexpr Field DayOfMonth = After(Month, 2);
constexpr Field HasDay = After(DayOfMonth, 4);
constexpr Field Box = After(HasDay, 2, 4);  // left, top, right, bottom
constexpr Field Column = After(Box, 2);
constexpr Field Row = After(Column, 2);
constexpr Field LineFlags = After(Row, 4, 2 * TextLineCount);  // per line: text, then saint
constexpr Field NumberFlags = After(LineFlags, 4, 5);
constexpr Field IconFlags = After(NumberFlags, 4, IconCount);
constexpr Field LineTexts = After(IconFlags, LineTextLimit + 1, TextLineCount);
constexpr Field LineColors = After(LineTexts, 4, TextLineCount);
constexpr Field IconPaths = After(LineColors, IconPathLimit + 1, IconCount);

static_assert(IconPaths.End() == DayRecordSize);
static_assert(NumberColor.At == 101 && Year.At == 105 && HasDay.At == 111 && Box.At == 115 &&
              Column.At == 123 && Row.At == 125 && LineFlags.At == 127 && NumberFlags.At == 167 &&
              IconFlags.At == 187 && LineTexts.At == 223 && LineColors.At == 328 &&
              IconPaths.At == 348);

// The number places in the order of NumberFlags.
constexpr Flag NumberPlaces::*NumberFlagOrder[] = {
    &NumberPlaces::TopLeft,     &NumberPlaces::TopRight, &NumberPlaces::BottomLeft,
    &NumberPlaces::BottomRight, &NumberPlaces::Centre,
};
static_assert(std::size(NumberFlagOrder) == NumberFlags.Count);

std::uint32_t Unsigned(const DayRecord& record, std::size_t at, std::size_t size) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < size; ++i) value |= std::uint32_t{record[at + i]} << (8 * i);
    return value;
}

std::int16_t Int16(const DayRecord& record, const Field& field) {
    return static_cast<std::int16_t>(Unsigned(record, field.At, 2));
}

void Put(DayRecord& record, std::size_t at, std::size_t size, std::uint32_t value) {
    for (std::size_t i = 0; i < size; ++i)
        record[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

Flag FlagAt(const DayRecord& record, std::size_t at) {
    switch (Unsigned(record, at, 4)) {
        case 0:
            return Flag::Off;
        case 1:
            return Flag::On;
        default:
            return Flag::OtherNumber;
    }
}

void PutFlag(DayRecord& record, std::size_t at, Flag flag) {
    if (flag != Flag::OtherNumber) Put(record, at, 4, flag == Flag::On ? 1 : 0);
}

std::string TextAt(const DayRecord& record, std::size_t at, std::size_t slotSize) {
    const auto* bytes = reinterpret_cast<const char*>(record.data() + at);
    const std::string_view slot(bytes, slotSize - 1);
    return std::string(slot.substr(0, slot.find('\0')));
}

void PutText(DayRecord& record, std::size_t at, std::size_t slotSize, std::string_view text) {
    if (TextAt(record, at, slotSize) == text) return;
    text = text.substr(0, std::min(text.find('\0'), slotSize - 1));
    std::memcpy(record.data() + at, text.data(), text.size());
    record[at + text.size()] = 0;
}

}  // namespace

RecordAddress AddressOf(const DayRecord& record) {
    return {Int16(record, Year), Int16(record, Month), Int16(record, Column), Int16(record, Row)};
}

Day DecodeDay(const DayRecord& record) {
    Day day;
    day.FontName = TextAt(record, FontName.At, FontName.Size);
    day.NumberColor = Unsigned(record, NumberColor.At, 4);
    for (int k = 0; k < TextLineCount; ++k) {
        DayLine& line = day.Lines[k];
        line.ShowsText = FlagAt(record, LineFlags[2 * k]);
        line.ShowsSaint = FlagAt(record, LineFlags[2 * k + 1]);
        line.LineText = TextAt(record, LineTexts[k], LineTexts.Size);
        line.LineColor = Unsigned(record, LineColors[k], 4);
    }
    for (std::size_t k = 0; k < NumberFlags.Count; ++k)
        day.Numbers.*NumberFlagOrder[k] = FlagAt(record, NumberFlags[k]);
    for (int k = 0; k < IconCount; ++k) {
        day.Icons[k].Shown = FlagAt(record, IconFlags[k]);
        day.Icons[k].Path = TextAt(record, IconPaths[k], IconPaths.Size);
    }
    day.KeptBytes.assign(record.begin(), record.end());
    return day;
}

DayRecord EncodeDay(const Day& day, const PlaceStamp& stamp) {
    DayRecord record{};
    if (day.KeptBytes.size() == DayRecordSize)
        std::copy(day.KeptBytes.begin(), day.KeptBytes.end(), record.begin());
    PutText(record, FontName.At, FontName.Size, day.FontName);
    Put(record, NumberColor.At, 4, day.NumberColor);
    for (int k = 0; k < TextLineCount; ++k) {
        const DayLine& line = day.Lines[k];
        PutFlag(record, LineFlags[2 * k], line.ShowsText);
        PutFlag(record, LineFlags[2 * k + 1], line.ShowsSaint);
        PutText(record, LineTexts[k], LineTexts.Size, line.LineText);
        Put(record, LineColors[k], 4, line.LineColor);
    }
    for (std::size_t k = 0; k < NumberFlags.Count; ++k)
        PutFlag(record, NumberFlags[k], day.Numbers.*NumberFlagOrder[k]);
    for (int k = 0; k < IconCount; ++k) {
        PutFlag(record, IconFlags[k], day.Icons[k].Shown);
        PutText(record, IconPaths[k], IconPaths.Size, day.Icons[k].Path);
    }

    Put(record, Year.At, 2, static_cast<std::uint16_t>(stamp.Year));
    Put(record, Month.At, 2, static_cast<std::uint16_t>(stamp.Month));
    if (stamp.DayOfMonth == 0) return record;
    // The stored box leaves out the gaps between the boxes.
    using namespace GridLayout;
    const int column = stamp.Place.Column;
    const int row = stamp.Place.Row;
    const int box[4] = {column * BoxWidth + OriginX, row * BoxHeight + OriginY,
                        (column + 1) * BoxWidth + OriginX, (row + 1) * BoxHeight + OriginY};
    Put(record, HasDay.At, 4, 1);
    for (int k = 0; k < 4; ++k) Put(record, Box[k], 2, static_cast<std::uint16_t>(box[k]));
    Put(record, Column.At, 2, static_cast<std::uint16_t>(column));
    Put(record, Row.At, 2, static_cast<std::uint16_t>(row));
    Put(record, DayOfMonth.At, 2, static_cast<std::uint16_t>(stamp.DayOfMonth));
    return record;
}
