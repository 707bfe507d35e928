#include "persistence/cell_record.h"

#include <cstring>

#include "calendar/text_slot.h"

namespace {

// Byte offsets of the record's fields.
constexpr std::size_t FontNameAt = 0;
constexpr std::size_t NumberColorAt = 101;
constexpr std::size_t YearAt = 105;
constexpr std::size_t MonthAt = 107;
constexpr std::size_t DayAt = 109;
constexpr std::size_t HasDayAt = 111;
constexpr std::size_t LeftAt = 115;
constexpr std::size_t TopAt = 117;
constexpr std::size_t RightAt = 119;
constexpr std::size_t BottomAt = 121;
constexpr std::size_t ColumnAt = 123;
constexpr std::size_t RowAt = 125;
constexpr std::size_t LinesAt = 127;  // LineIsText, LineIsSaint of each line, pairwise
constexpr std::size_t NumberTopLeftAt = 167;
constexpr std::size_t NumberTopRightAt = 171;
constexpr std::size_t NumberBottomLeftAt = 175;
constexpr std::size_t NumberBottomRightAt = 179;
constexpr std::size_t NumberCentreAt = 183;
constexpr std::size_t IconShownAt = 187;
constexpr std::size_t LineTextAt = 223;
constexpr std::size_t LineColorAt = 328;
constexpr std::size_t IconPathAt = 348;

constexpr std::size_t LineTextSize = sizeof(DayCell::LineText[0]);
constexpr std::size_t IconPathSize = sizeof(DayCell::IconPath[0]);
static_assert(IconPathAt + IconCount * IconPathSize == CellRecordSize);

// Writes a cell's fields into a record, least significant byte first.
class Encoder {
  public:
    explicit Encoder(CellRecord& record) : Bytes(record) {}

    void Short(std::size_t at, std::int16_t value) {
        const auto bits = static_cast<std::uint16_t>(value);
        Bytes[at] = static_cast<std::uint8_t>(bits & 0xFF);
        Bytes[at + 1] = static_cast<std::uint8_t>(bits >> 8);
    }
    void Long(std::size_t at, std::int32_t value) { Bits(at, static_cast<std::uint32_t>(value)); }
    void Bits(std::size_t at, std::uint32_t bits) {
        for (std::size_t i = 0; i < 4; ++i)
            Bytes[at + i] = static_cast<std::uint8_t>((bits >> (8 * i)) & 0xFF);
    }
    void Slot(std::size_t at, const char* slot, std::size_t size) {
        std::memcpy(Bytes.data() + at, slot, size);
    }

  private:
    CellRecord& Bytes;
};

// Reads a record's fields, least significant byte first.
class Decoder {
  public:
    explicit Decoder(const CellRecord& record) : Bytes(record) {}

    std::int16_t Short(std::size_t at) const {
        return static_cast<std::int16_t>(
            static_cast<std::uint16_t>(Bytes[at] | (Bytes[at + 1] << 8)));
    }
    std::int32_t Long(std::size_t at) const { return static_cast<std::int32_t>(Bits(at)); }
    std::uint32_t Bits(std::size_t at) const {
        std::uint32_t bits = 0;
        for (std::size_t i = 0; i < 4; ++i) bits |= std::uint32_t{Bytes[at + i]} << (8 * i);
        return bits;
    }
    void Slot(std::size_t at, char* slot, std::size_t size) const {
        std::memcpy(slot, Bytes.data() + at, size);
    }

  private:
    const CellRecord& Bytes;
};

}  // namespace

// The fields of DayCell are packed, so they are copied by value, never bound to references.

CellRecord EncodeCellRecord(const DayCell& cell) {
    CellRecord record{};
    Encoder out(record);
    out.Slot(FontNameAt, cell.FontName, sizeof cell.FontName);
    out.Bits(NumberColorAt, cell.NumberColor);
    out.Short(YearAt, cell.Year);
    out.Short(MonthAt, cell.Month);
    out.Short(DayAt, cell.Day);
    out.Long(HasDayAt, cell.HasDay);
    out.Short(LeftAt, cell.Left);
    out.Short(TopAt, cell.Top);
    out.Short(RightAt, cell.Right);
    out.Short(BottomAt, cell.Bottom);
    out.Short(ColumnAt, cell.Column);
    out.Short(RowAt, cell.Row);
    for (int line = 0; line < TextLineCount; ++line) {
        out.Long(LinesAt + 8 * line, cell.Lines[line].LineIsText);
        out.Long(LinesAt + 8 * line + 4, cell.Lines[line].LineIsSaint);
    }
    out.Long(NumberTopLeftAt, cell.NumberTopLeft);
    out.Long(NumberTopRightAt, cell.NumberTopRight);
    out.Long(NumberBottomLeftAt, cell.NumberBottomLeft);
    out.Long(NumberBottomRightAt, cell.NumberBottomRight);
    out.Long(NumberCentreAt, cell.NumberCentre);
    for (int icon = 0; icon < IconCount; ++icon)
        out.Long(IconShownAt + 4 * icon, cell.IconShown[icon]);
    for (int line = 0; line < TextLineCount; ++line)
        out.Slot(LineTextAt + LineTextSize * line, cell.LineText[line], LineTextSize);
    for (int line = 0; line < TextLineCount; ++line)
        out.Bits(LineColorAt + 4 * line, cell.LineColor[line]);
    for (int icon = 0; icon < IconCount; ++icon)
        out.Slot(IconPathAt + IconPathSize * icon, cell.IconPath[icon], IconPathSize);
    return record;
}

DayCell DecodeCellRecord(const CellRecord& record) {
    DayCell cell{};
    const Decoder in(record);
    in.Slot(FontNameAt, cell.FontName, sizeof cell.FontName);
    cell.NumberColor = in.Bits(NumberColorAt);
    cell.Year = in.Short(YearAt);
    cell.Month = in.Short(MonthAt);
    cell.Day = in.Short(DayAt);
    cell.HasDay = in.Long(HasDayAt);
    cell.Left = in.Short(LeftAt);
    cell.Top = in.Short(TopAt);
    cell.Right = in.Short(RightAt);
    cell.Bottom = in.Short(BottomAt);
    cell.Column = in.Short(ColumnAt);
    cell.Row = in.Short(RowAt);
    for (int line = 0; line < TextLineCount; ++line) {
        cell.Lines[line].LineIsText = in.Long(LinesAt + 8 * line);
        cell.Lines[line].LineIsSaint = in.Long(LinesAt + 8 * line + 4);
    }
    cell.NumberTopLeft = in.Long(NumberTopLeftAt);
    cell.NumberTopRight = in.Long(NumberTopRightAt);
    cell.NumberBottomLeft = in.Long(NumberBottomLeftAt);
    cell.NumberBottomRight = in.Long(NumberBottomRightAt);
    cell.NumberCentre = in.Long(NumberCentreAt);
    for (int icon = 0; icon < IconCount; ++icon)
        cell.IconShown[icon] = in.Long(IconShownAt + 4 * icon);
    for (int line = 0; line < TextLineCount; ++line)
        in.Slot(LineTextAt + LineTextSize * line, cell.LineText[line], LineTextSize);
    for (int line = 0; line < TextLineCount; ++line)
        cell.LineColor[line] = in.Bits(LineColorAt + 4 * line);
    for (int icon = 0; icon < IconCount; ++icon)
        in.Slot(IconPathAt + IconPathSize * icon, cell.IconPath[icon], IconPathSize);
    return cell;
}

void ApplyCellRecord(const DayCell& record, DayCell& target) {
    AssignSlot(target.FontName, ReadSlot(record.FontName));
    target.NumberColor = record.NumberColor;
    target.Year = record.Year;
    target.Month = record.Month;
    target.Day = record.Day;
    target.HasDay = record.HasDay;
    target.Left = record.Left;
    target.Top = record.Top;
    target.Right = record.Right;
    target.Bottom = record.Bottom;
    target.Column = record.Column;
    target.Row = record.Row;
    for (int line = 0; line < TextLineCount; ++line) target.Lines[line] = record.Lines[line];
    target.NumberTopLeft = record.NumberTopLeft;
    target.NumberTopRight = record.NumberTopRight;
    target.NumberBottomLeft = record.NumberBottomLeft;
    target.NumberBottomRight = record.NumberBottomRight;
    target.NumberCentre = record.NumberCentre;
    for (int icon = 0; icon < IconCount; ++icon) target.IconShown[icon] = record.IconShown[icon];
    for (int line = 0; line < TextLineCount; ++line) {
        AssignSlot(target.LineText[line], ReadSlot(record.LineText[line]));
        target.LineColor[line] = record.LineColor[line];
    }
    for (int icon = 0; icon < IconCount; ++icon)
        AssignSlot(target.IconPath[icon], ReadSlot(record.IconPath[icon]));
}
