#pragma once
// The month sheet document: the month on show and, for every place of the day grid, what the
// user put there. Texts are Windows-1252 bytes.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

using Color = std::uint32_t;  // 0x00BBGGRR
inline constexpr Color Black = 0x00000000;
inline constexpr Color Red = 0x000000FF;
inline constexpr Color White = 0x00FFFFFF;

inline constexpr int TextLineCount = 5;
inline constexpr int IconCount = 9;

// The longest texts a day holds, in bytes: what a work file has room for.
inline constexpr std::size_t FontNameLimit = 100;
inline constexpr std::size_t LineTextLimit = 20;
inline constexpr std::size_t IconPathLimit = 255;

// A day's yes-or-no choices. A work file made elsewhere may hold other numbers than 0 and 1
// for them: such a flag reads as OtherNumber, which the editor shows ticked, which draws an icon
// but no text line and no day number, and which is saved as the number it was read as until
// the user ticks or unticks its box.
enum class Flag : std::uint8_t { Off, On, OtherNumber };

struct DayLine {
    Flag ShowsText = Flag::Off;   // the line shows its LineText
    Flag ShowsSaint = Flag::Off;  // the line shows the saint of the day, below the text if both
    std::string LineText;         // at most LineTextLimit bytes
    Color LineColor = Black;
    bool operator==(const DayLine&) const = default;
};

// Where the day's number is printed.
struct NumberPlaces {
    Flag TopLeft = Flag::Off;
    Flag TopRight = Flag::Off;
    Flag BottomLeft = Flag::On;
    Flag BottomRight = Flag::Off;
    Flag Centre = Flag::Off;
    bool operator==(const NumberPlaces&) const = default;
};

struct DayIcon {
    Flag Shown = Flag::Off;
    std::string Path;  // at most IconPathLimit bytes; the icon chooser pads it with blanks
    bool operator==(const DayIcon&) const = default;
};

// What one place of the grid holds; a new sheet's places are all alike. Arrays are indexed from
// 0: Lines[0] is text line 1, Icons[8] icon position 9 (lower right). The places of the header
// row show no day, but give the weekday initials their font and colour.
struct Day {
    std::string FontName = "Tahoma";  // at most FontNameLimit bytes
    Color NumberColor = Black;
    std::array<DayLine, TextLineCount> Lines{DayLine{Flag::Off, Flag::On, "", Black}};  // the saint
    NumberPlaces Numbers;
    std::array<DayIcon, IconCount> Icons;
    // The work-file record the day was read from, as it was read, so that what the program does
    // not model goes back into the file unchanged. Only the work-file format looks inside; empty
    // for a day the program made.
    std::vector<std::uint8_t> KeptBytes;
    bool operator==(const Day&) const = default;
};

// The file an icon names: its path without the blanks that pad it.
std::string_view IconFileOf(const DayIcon& icon);

// The grid: seven columns, Monday to Sunday, and seven rows, the weekday initials then six weeks.
inline constexpr int GridSize = 7;

struct GridPlace {
    int Column;
    int Row;
    bool operator==(const GridPlace&) const = default;
};

struct MonthSheet {
    std::int16_t Year = 0;
    std::int16_t Month = 0;
    std::array<std::array<Day, GridSize>, GridSize> Cells;  // [Column][Row]

    Day& Cell(int column, int row) { return Cells[column][row]; }
    const Day& Cell(int column, int row) const { return Cells[column][row]; }
    bool operator==(const MonthSheet&) const = default;
};

// Every place back to a new sheet's day; Year and Month stay.
void ResetCells(MonthSheet& sheet);

// The day of the sheet's month that the place shows, by the calendar; 0 for a place that shows
// none or lies outside the grid.
std::int16_t DayShownAt(const MonthSheet& sheet, GridPlace place);

// The place that shows a day of a month, the inverse of DayShownAt; none for a day the month
// does not have.
std::optional<GridPlace> PlaceOfDay(std::int16_t year, std::int16_t month, int day);

// Year and month as decimal numbers joined by one blank ("2024 3"): the exported image's name.
std::string FormImageBaseName(std::int16_t year, std::int16_t month);
