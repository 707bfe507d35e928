#pragma once
// The month sheet document: the month on show and one fixed-layout record per grid place.
// A DayCell's bytes are also the work-file record, so its layout is fixed to the byte.

#include <cstddef>
#include <cstdint>
#include <string>

#include "calendar/text_slot.h"

using Color = std::uint32_t;  // 0x00BBGGRR
inline constexpr Color Black = 0x00000000;
inline constexpr Color Red = 0x000000FF;
inline constexpr Color White = 0x00FFFFFF;

inline constexpr int TextLineCount = 5;
inline constexpr int IconCount = 9;

#pragma pack(push, 1)
struct LineChoice {
    std::int32_t LineIsText;   // 1: the line shows its own LineText
    std::int32_t LineIsSaint;  // 1: the line shows the saint of the day
};

// Arrays of lines and icons are indexed from 0: Lines[0] is text line 1, IconShown[8] is
// icon position 9 (lower right).
struct DayCell {
    char FontName[101];
    Color NumberColor;
    std::int16_t Year;
    std::int16_t Month;
    std::int16_t Day;
    std::int32_t HasDay;
    std::int16_t Left;
    std::int16_t Top;
    std::int16_t Right;
    std::int16_t Bottom;
    std::int16_t Column;
    std::int16_t Row;
    LineChoice Lines[TextLineCount];
    std::int32_t NumberTopLeft;
    std::int32_t NumberTopRight;
    std::int32_t NumberBottomLeft;
    std::int32_t NumberBottomRight;
    std::int32_t NumberCentre;
    std::int32_t IconShown[IconCount];
    char LineText[TextLineCount][21];
    Color LineColor[TextLineCount];
    char IconPath[IconCount][256];
};
#pragma pack(pop)

inline constexpr std::size_t DayCellSize = 2652;
static_assert(sizeof(DayCell) == DayCellSize);
static_assert(offsetof(DayCell, NumberColor) == 101);
static_assert(offsetof(DayCell, Year) == 105);
static_assert(offsetof(DayCell, Month) == 107);
static_assert(offsetof(DayCell, Day) == 109);
static_assert(offsetof(DayCell, HasDay) == 111);
static_assert(offsetof(DayCell, Left) == 115);
static_assert(offsetof(DayCell, Top) == 117);
static_assert(offsetof(DayCell, Right) == 119);
static_assert(offsetof(DayCell, Bottom) == 121);
static_assert(offsetof(DayCell, Column) == 123);
static_assert(offsetof(DayCell, Row) == 125);
static_assert(offsetof(DayCell, Lines) == 127);
static_assert(offsetof(DayCell, NumberTopLeft) == 167);
static_assert(offsetof(DayCell, NumberTopRight) == 171);
static_assert(offsetof(DayCell, NumberBottomLeft) == 175);
static_assert(offsetof(DayCell, NumberBottomRight) == 179);
static_assert(offsetof(DayCell, NumberCentre) == 183);
static_assert(offsetof(DayCell, IconShown) == 187);
static_assert(offsetof(DayCell, LineText) == 223);
static_assert(offsetof(DayCell, LineColor) == 328);
static_assert(offsetof(DayCell, IconPath) == 348);

// The grid has room for index 7 in both directions, but only columns and rows 0..6 are used.
inline constexpr int GridSize = 8;
inline constexpr int UsedGridSize = 7;

struct MonthSheet {
    std::int16_t Year = 0;
    std::int16_t Month = 0;
    DayCell Cells[GridSize][GridSize]{};  // [Column][Row]
    std::int32_t SelectedColumn = 0;
    std::int32_t SelectedRow = 0;
    // The work file named last, as the user gave it, without surrounding blanks; empty: none.
    std::wstring WorkFilePath;

    DayCell& Cell(int column, int row) { return Cells[column][row]; }
    const DayCell& Cell(int column, int row) const { return Cells[column][row]; }
};

// Every byte of every cell to zero, then the defaults of the 49 used cells. Year, Month and the
// selection are left alone.
void ResetCells(MonthSheet& sheet);

// The file that an icon position's IconPath names: its text without the blanks that pad it.
std::string IconFileOf(const DayCell& cell, int position);

// Year and month as decimal numbers joined by one blank ("2024 3"): the exported image's name.
std::string FormImageBaseName(std::int16_t year, std::int16_t month);
