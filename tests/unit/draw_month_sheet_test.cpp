#include "render/draw_month_sheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "calendar/calendar_arithmetic.h"
#include "calendar/calendar_names.h"
#include "calendar/saints_table.h"
#include "platform/clock.h"
#include "unit/recording_canvas.h"

namespace {

using Calls = std::vector<std::string>;
constexpr Color Blue = 0x00FF0000;

class DrawMonthSheetTest : public testing::Test {
  protected:
    void SetUp() override {
        InitCalendarNames();
        BuildSaintsTable();
        SetClockForTesting(LocalDate{1999, 1, 1});
        ResetCells(*Sheet);
    }
    void TearDown() override { SetClockForTesting(std::nullopt); }

    Calls Draw(std::int16_t year, std::int16_t month) {
        RecordingCanvas canvas;
        DrawMonthSheet(canvas, StandardSheetGeometry(), *Sheet, year, month);
        return canvas.Calls;
    }
    // The calls of the cell whose box is this one: from the box up to the next box.
    static Calls CellCalls(const Calls& calls, const std::string& box) {
        auto begin = std::find(calls.begin(), calls.end(), box);
        if (begin == calls.end()) return {};
        auto end = std::find_if(begin + 1, calls.end(),
                                [](const std::string& call) { return call.starts_with("box "); });
        return Calls(begin, end);
    }
    static std::vector<std::string> Boxes(const Calls& calls) {
        std::vector<std::string> boxes;
        for (const auto& call : calls)
            if (call.starts_with("box ")) boxes.push_back(call);
        return boxes;
    }
    static std::string BoxOf(int column, int row) {
        return "box " + std::to_string(160 * column + 2) + "," + std::to_string(103 * row + 70) +
               "," + std::to_string(160 * column + 161) + "," + std::to_string(103 * row + 172) +
               " colour 00000000 pen 1";
    }

    std::unique_ptr<MonthSheet> Sheet = std::make_unique<MonthSheet>();
};

TEST_F(DrawMonthSheetTest, TitleAndHeaderRowFontsColorsAndPlaces) {
    AssignSlot(Sheet->Cell(0, 0).FontName, "Georgia");
    AssignSlot(Sheet->Cell(3, 0).FontName, "Courier New");
    for (int column = 0; column < 7; ++column) Sheet->Cell(column, 0).NumberColor = Blue;
    const Calls calls = Draw(2024, 9);

    // "Septiembre 2024" is 105 pixels wide here: (1122 - 105) / 2 + 10 = 518.5, even: 518.
    const Calls expected = {
        "font Georgia 42 bold",
        "colour 00000000",
        "text 'Septiembre 2024' at 518,-10",
        "font Georgia 59 bold",
        "colour 00FF0000",
        "text 'L' at 51,65",
        "font Tahoma 59 bold",
        "colour 00FF0000",
        "text 'M' at 211,65",
        "font Tahoma 59 bold",
        "colour 00FF0000",
        "text 'X' at 371,65",
        "font Courier New 59 bold",
        "colour 00FF0000",
        "text 'J' at 531,65",
        "font Tahoma 59 bold",
        "colour 00FF0000",
        "text 'V' at 691,65",
        "font Tahoma 59 bold",
        "colour 00FF0000",
        "text 'S' at 851,65",
        "font Tahoma 59 bold",
        "colour 000000FF",
        "text 'D' at 1011,65",
        BoxOf(6, 1),
    };
    ASSERT_GE(calls.size(), expected.size());
    EXPECT_EQ(Calls(calls.begin(), calls.begin() + expected.size()), expected);
}

TEST_F(DrawMonthSheetTest, TitleIsCentredThenShiftedRightWithHalvesToTheEvenPixel) {
    auto titleCall = [&](int width) {
        RecordingCanvas canvas;
        canvas.Width = [width](std::string_view) { return width; };
        DrawMonthSheet(canvas, StandardSheetGeometry(), *Sheet, 2024, 5);
        return canvas.Calls.at(2);
    };
    EXPECT_EQ(titleCall(100), "text 'Mayo 2024' at 521,-10");
    EXPECT_EQ(titleCall(61), "text 'Mayo 2024' at 540,-10");  // 540.5
    EXPECT_EQ(titleCall(63), "text 'Mayo 2024' at 540,-10");  // 539.5
    EXPECT_EQ(titleCall(1127), "text 'Mayo 2024' at 8,-10");  // 7.5, wider than the sheet
    EXPECT_EQ(titleCall(1125), "text 'Mayo 2024' at 8,-10");  // 8.5

    // A longer name starts further left.
    EXPECT_EQ(Draw(2024, 9).at(2), "text 'Septiembre 2024' at 518,-10");
    EXPECT_EQ(Draw(2024, 5).at(2), "text 'Mayo 2024' at 540,-10");
}

TEST_F(DrawMonthSheetTest, FullyDressedCellEveryCallInOrder) {
    // 1 September 2024 is a Sunday: column 6 of row 1, cell origin (961, 138).
    DayCell& cell = Sheet->Cell(6, 1);
    AssignSlot(cell.FontName, "Georgia");
    cell.NumberColor = 0x0000FF00;  // Sunday numbers are red whatever this says
    for (int k = 0; k < IconCount; ++k) {
        cell.IconShown[k] = 1;
        AssignSlot(cell.IconPath[k], "C:\\iconos\\" + std::to_string(k + 1) + ".ico");
    }
    AssignSlot(cell.IconPath[8], "C:\\iconos\\9.ico      ");  // padded as the chooser stores it
    cell.IconShown[4] = 5;                                    // any value but 0 shows the icon
    const char* texts[5] = {"Primera", "", "Tercera", "", "Quinta linea de texto"};
    const Color colors[5] = {0x00112233, 0x00445566, 0x00778899, 0x00AABBCC, 0x00DDEEFF};
    for (int k = 0; k < TextLineCount; ++k) {
        AssignSlot(cell.LineText[k], texts[k]);
        cell.LineColor[k] = colors[k];
        cell.Lines[k] = {1, 0};
    }
    cell.Lines[1] = {0, 1};  // the saint
    cell.Lines[2] = {1, 1};  // both: the text, then the saint one line lower at x = 0
    cell.NumberTopLeft = cell.NumberTopRight = cell.NumberBottomLeft = 1;
    cell.NumberBottomRight = cell.NumberCentre = 1;

    const Calls expected = {
        "box 962,173,1121,275 colour 00000000 pen 1",
        "icon C:\\iconos\\1.ico at 971,178 size 33",
        "icon C:\\iconos\\2.ico at 1032,178 size 33",
        "icon C:\\iconos\\3.ico at 1088,178 size 33",
        "icon C:\\iconos\\4.ico at 971,208 size 33",
        "icon C:\\iconos\\5.ico at 1032,208 size 33",
        "icon C:\\iconos\\6.ico at 1088,208 size 33",
        "icon C:\\iconos\\7.ico at 971,238 size 33",
        "icon C:\\iconos\\8.ico at 1032,238 size 33",
        "icon C:\\iconos\\9.ico at 1088,238 size 33",
        "font Georgia 8 bold",
        "colour 00112233",
        "text 'Primera' at 971,178",
        "colour 00445566",
        "text 'Gil' at 971,198",
        "colour 00778899",
        "text 'Tercera' at 971,218",
        "text 'Gil' at 0,234",
        "colour 00AABBCC",
        "text '' at 971,238",
        "colour 00DDEEFF",
        "text 'Quinta linea de text' at 971,258",
        "colour 000000FF",
        "text '01' at 971,178",
        "text '01' at 971,258",
        "text '01' at 1096,178",
        "text '01' at 1096,258",
        "font Georgia 29 bold",
        "text '01' at 1019,203",
    };
    EXPECT_EQ(CellCalls(Draw(2024, 9), expected[0]), expected);
}

TEST_F(DrawMonthSheetTest, FreshCellsShowTheSaintAndTheNumberBottomLeft) {
    Sheet->Cell(3, 2).NumberColor = Blue;
    Sheet->Cell(6, 2).NumberColor = Blue;
    const Calls calls = Draw(2024, 9);
    // 5 September 2024, a Thursday: column 3 of row 2, origin (481, 241).
    EXPECT_EQ(
        CellCalls(calls, BoxOf(3, 2)),
        (Calls{BoxOf(3, 2), "font Tahoma 8 bold", "colour 00000000",
               "text 'Teresa de Calcuta' at 491,281", "colour 00000000", "colour 00000000",
               "colour 00000000", "colour 00000000", "colour 00FF0000", "text '05' at 491,361"}));
    // 8 September, a Sunday: the number is red whatever the cell's colour.
    const Calls sunday = CellCalls(calls, BoxOf(6, 2));
    EXPECT_EQ(Calls(sunday.end() - 2, sunday.end()),
              (Calls{"colour 000000FF", "text '08' at 971,361"}));
}

TEST_F(DrawMonthSheetTest, BoxesStandOnlyAroundTheDaysOfTheMonth) {
    auto boxesPerRow = [&](std::int16_t year, std::int16_t month) {
        std::vector<int> perRow(7, 0);
        for (const auto& box : Boxes(Draw(year, month))) {
            const int y1 = std::stoi(box.substr(box.find(',') + 1));
            ++perRow.at((y1 - 70) / 103);
        }
        return perRow;
    };
    EXPECT_EQ(boxesPerRow(2024, 9), (std::vector<int>{0, 1, 7, 7, 7, 7, 1}));
    EXPECT_EQ(boxesPerRow(2027, 2), (std::vector<int>{0, 7, 7, 7, 7, 0, 0}));
    EXPECT_EQ(boxesPerRow(2026, 3), (std::vector<int>{0, 1, 7, 7, 7, 7, 2}));
    const auto september = Boxes(Draw(2024, 9));
    EXPECT_EQ(september.front(), BoxOf(6, 1));
    EXPECT_EQ(september.back(), BoxOf(0, 6));
}

TEST_F(DrawMonthSheetTest, RecordsTheDaysItDrawsAndLeavesTheOtherCellsAlone) {
    // Give every cell marks that a draw must not touch.
    for (int column = 0; column < GridSize; ++column)
        for (int row = 0; row < GridSize; ++row) {
            DayCell& cell = Sheet->Cell(column, row);
            cell.Left = cell.Top = cell.Right = cell.Bottom = -7;
            cell.Year = 1900;
            cell.Day = 99;
            cell.Column = cell.Row = 5;
            AssignSlot(cell.LineText[3], "marca");
        }
    const auto before = std::make_unique<MonthSheet>(*Sheet);
    Draw(2024, 9);

    const MonthGrid days = PlaceMonth(2024, 9);
    for (int column = 0; column < GridSize; ++column)
        for (int row = 0; row < GridSize; ++row) {
            const DayCell& cell = Sheet->Cell(column, row);
            const DayCell& old = before->Cell(column, row);
            const int day = column < 7 && row < 7 ? days[column][row] : 0;
            if (day == 0) {
                EXPECT_EQ(std::memcmp(&cell, &old, sizeof cell), 0) << column << "," << row;
                continue;
            }
            EXPECT_EQ(+cell.HasDay, 1);
            EXPECT_EQ(+cell.Left, 159 * column + 1);
            EXPECT_EQ(+cell.Top, 102 * row + 35);
            EXPECT_EQ(+cell.Right, 159 * column + 160);
            EXPECT_EQ(+cell.Bottom, 102 * row + 137);
            EXPECT_EQ(+cell.Column, column);
            EXPECT_EQ(+cell.Row, row);
            EXPECT_EQ(+cell.Year, 2024);
            EXPECT_EQ(+cell.Month, 9);
            EXPECT_EQ(+cell.Day, day);
            // Nothing else of the record changes.
            DayCell rest = cell;
            rest.HasDay = old.HasDay;
            rest.Left = old.Left, rest.Top = old.Top, rest.Right = old.Right;
            rest.Bottom = old.Bottom, rest.Column = old.Column, rest.Row = old.Row;
            rest.Year = old.Year, rest.Month = old.Month, rest.Day = old.Day;
            EXPECT_EQ(std::memcmp(&rest, &old, sizeof rest), 0) << column << "," << row;
        }
    EXPECT_EQ(+Sheet->Cell(6, 1).Day, 1);
    EXPECT_EQ(+Sheet->Cell(0, 6).Day, 30);
}

TEST_F(DrawMonthSheetTest, TodayTurnsTheSaintLinesOfTodaysCellRed) {
    SetClockForTesting(LocalDate{2024, 9, 5});
    for (DayCell* cell : {&Sheet->Cell(3, 2), &Sheet->Cell(4, 2)}) {  // the 5th and the 6th
        cell->Lines[1] = {1, 0};
        cell->Lines[3] = {0, 1};
        cell->LineColor[1] = 0x00123456;
        cell->LineColor[2] = 0x00123456;
    }
    const Calls calls = Draw(2024, 9);
    const DayCell& today = Sheet->Cell(3, 2);
    EXPECT_EQ(+today.LineColor[0], Red);
    EXPECT_EQ(+today.LineColor[1], 0x00123456u);  // free text keeps its colour
    EXPECT_EQ(+today.LineColor[2], 0x00123456u);  // shows nothing, keeps its colour
    EXPECT_EQ(+today.LineColor[3], Red);
    EXPECT_EQ(+today.LineColor[4], Black);
    const Calls cell = CellCalls(calls, BoxOf(3, 2));
    EXPECT_EQ(cell.at(2), "colour 000000FF");
    EXPECT_EQ(cell.at(3), "text 'Teresa de Calcuta' at 491,281");

    const DayCell& tomorrow = Sheet->Cell(4, 2);
    EXPECT_EQ(+tomorrow.LineColor[0], Black);
    EXPECT_EQ(+tomorrow.LineColor[3], Black);

    // The same day and month of another year is not today, and a printed page marks no day.
    for (const auto& [year, marking] :
         {std::pair{2023, TodayMarking::Marked}, std::pair{2024, TodayMarking::NotMarked}}) {
        ResetCells(*Sheet);
        RecordingCanvas canvas;
        DrawMonthSheet(canvas, StandardSheetGeometry(), *Sheet, static_cast<std::int16_t>(year), 9,
                       marking);
        for (int column = 0; column < 7; ++column)
            for (int row = 1; row < 7; ++row)
                EXPECT_EQ(+Sheet->Cell(column, row).LineColor[0], Black)
                    << year << " " << column << "," << row;
    }
}

TEST_F(DrawMonthSheetTest, MonthOutsideTheYearDrawsNothingAndTouchesNoCell) {
    const auto before = std::make_unique<MonthSheet>(*Sheet);
    for (std::int16_t month : {0, 13, -1}) {
        EXPECT_TRUE(Draw(2024, month).empty()) << month;
        EXPECT_EQ(SheetTitle(2024, month), "") << month;
    }
    EXPECT_EQ(std::memcmp(before->Cells, Sheet->Cells, sizeof Sheet->Cells), 0);
}

TEST(SheetTitle, MonthNameBlankAndYear) {
    InitCalendarNames();
    EXPECT_EQ(SheetTitle(2024, 1), "Enero 2024");
    EXPECT_EQ(SheetTitle(2024, 9), "Septiembre 2024");
    EXPECT_EQ(SheetTitle(7, 12), "Diciembre 7");
}

}  // namespace
