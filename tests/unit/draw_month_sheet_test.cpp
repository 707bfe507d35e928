#include "render/draw_month_sheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "calendar/calendar_arithmetic.h"
#include "unit/recording_canvas.h"

namespace {

using Calls = std::vector<std::string>;
constexpr Color Blue = 0x00FF0000;

class DrawMonthSheetTest : public testing::Test {
  protected:
    Calls Draw(std::int16_t year, std::int16_t month,
               std::optional<LocalDate> today = std::nullopt) {
        Sheet->Year = year;
        Sheet->Month = month;
        const auto before = std::make_unique<MonthSheet>(*Sheet);
        RecordingCanvas canvas;
        DrawMonthSheet(canvas, *Sheet, today);
        EXPECT_TRUE(*Sheet == *before) << "drawing changed the document";
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
    Sheet->Cell(0, 0).FontName = "Georgia";
    Sheet->Cell(3, 0).FontName = "Courier New";
    for (int column = 0; column < 7; ++column) Sheet->Cell(column, 0).NumberColor = Blue;
    const Calls calls = Draw(2024, 9);

    // "Septiembre 2024" is 105 pixels wide here: (1122 - 105) / 2 + 10 = 518.5, even: 518.
    const Calls expected = {
        "font Georgia 42",     "colour 00000000", "text 'Septiembre 2024' at 518,-10",
        "font Georgia 59",     "colour 00FF0000", "text 'L' at 51,65",
        "font Tahoma 59",      "colour 00FF0000", "text 'M' at 211,65",
        "font Tahoma 59",      "colour 00FF0000", "text 'X' at 371,65",
        "font Courier New 59", "colour 00FF0000", "text 'J' at 531,65",
        "font Tahoma 59",      "colour 00FF0000", "text 'V' at 691,65",
        "font Tahoma 59",      "colour 00FF0000", "text 'S' at 851,65",
        "font Tahoma 59",      "colour 000000FF", "text 'D' at 1011,65",
        BoxOf(6, 1),
    };
    ASSERT_GE(calls.size(), expected.size());
    EXPECT_EQ(Calls(calls.begin(), calls.begin() + expected.size()), expected);
}

TEST_F(DrawMonthSheetTest, TitleIsCentredThenShiftedRightWithHalvesToTheEvenPixel) {
    auto titleCall = [&](int width) {
        RecordingCanvas canvas;
        canvas.Width = [width](std::string_view) { return width; };
        Sheet->Year = 2024;
        Sheet->Month = 5;
        DrawMonthSheet(canvas, *Sheet, std::nullopt);
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
    Day& day = Sheet->Cell(6, 1);
    day.FontName = "Georgia";
    day.NumberColor = 0x0000FF00;  // Sunday numbers are red whatever this says
    for (int k = 0; k < IconCount; ++k)
        day.Icons[k] = {Flag::On, "C:\\iconos\\" + std::to_string(k + 1) + ".ico"};
    day.Icons[8].Path = "C:\\iconos\\9.ico      ";  // padded as the chooser stores it
    day.Icons[4].Shown = Flag::OtherNumber;         // any value but 0 shows the icon
    const char* texts[5] = {"Primera", "", "Tercera", "", "Quinta linea de text"};
    const Color colors[5] = {0x00112233, 0x00445566, 0x00778899, 0x00AABBCC, 0x00DDEEFF};
    for (int k = 0; k < TextLineCount; ++k)
        day.Lines[k] = {Flag::On, Flag::Off, texts[k], colors[k]};
    day.Lines[1].ShowsText = Flag::Off;  // the saint
    day.Lines[1].ShowsSaint = Flag::On;
    day.Lines[2].ShowsSaint = Flag::On;  // both: the text, then the saint one line lower at x = 0
    day.Numbers = {Flag::On, Flag::On, Flag::On, Flag::On, Flag::On};

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
        "font Georgia 8",
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
        "font Georgia 29",
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
        (Calls{BoxOf(3, 2), "font Tahoma 8", "colour 00000000",
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

TEST_F(DrawMonthSheetTest, OnlyAFlagOfOneDrawsALineOrANumber) {
    // Numbers other than 0 and 1 from a file: ticked in the editor, but nothing printed.
    Day& day = Sheet->Cell(3, 2);
    day.Lines[0] = {Flag::OtherNumber, Flag::OtherNumber, "texto", Black};
    day.Numbers.BottomLeft = Flag::OtherNumber;
    day.Numbers.Centre = Flag::OtherNumber;
    const Calls cell = CellCalls(Draw(2024, 9), BoxOf(3, 2));
    EXPECT_EQ(std::count_if(cell.begin(), cell.end(),
                            [](const std::string& call) { return call.starts_with("text "); }),
              0);
}

TEST_F(DrawMonthSheetTest, TodaysSaintLinesAreDrawnRedAndTheDocumentKeepsItsColours) {
    constexpr LocalDate theFifth{2024, 9, 5};
    for (Day* day : {&Sheet->Cell(3, 2), &Sheet->Cell(4, 2)}) {  // the 5th and the 6th
        day->Lines[1].ShowsText = Flag::On;
        day->Lines[3].ShowsSaint = Flag::On;
        day->Lines[1].LineColor = 0x00123456;
        day->Lines[2].LineColor = 0x00123456;
        day->Lines[3].LineColor = 0x00654321;
    }
    const Calls calls =
        Draw(2024, 9, theFifth);  // which checks that the document is left as it was
    const Calls today = CellCalls(calls, BoxOf(3, 2));
    const Calls expected = {
        BoxOf(3, 2),
        "font Tahoma 8",
        "colour 000000FF",
        "text 'Teresa de Calcuta' at 491,281",
        "colour 00123456",  // free text keeps its colour
        "text '' at 491,301",
        "colour 00123456",  // shows nothing, keeps its colour
        "colour 000000FF",
        "text 'Teresa de Calcuta' at 491,341",
        "colour 00000000",
        "colour 00000000",
        "text '05' at 491,361",
    };
    EXPECT_EQ(today, expected);
    const Calls tomorrow = CellCalls(calls, BoxOf(4, 2));
    EXPECT_EQ(tomorrow.at(2), "colour 00000000");
    EXPECT_EQ(tomorrow.at(7), "colour 00654321");

    // The same day and month of another year is not today, and a drawing without a date marks
    // no day.
    for (const auto& [year, date] :
         {std::pair{2023, std::optional{theFifth}}, std::pair{2024, std::optional<LocalDate>{}}}) {
        const Calls other = Draw(static_cast<std::int16_t>(year), 9, date);
        const MonthGrid days = PlaceMonth(static_cast<std::int16_t>(year), 9);
        const auto sundays = std::count_if(days[SundayColumn].begin(), days[SundayColumn].end(),
                                           [](std::int16_t day) { return day != 0; });
        // Red only for the initial "D" and the Sundays' numbers.
        EXPECT_EQ(std::count(other.begin(), other.end(), "colour 000000FF"), 1 + sundays) << year;
    }
}

TEST_F(DrawMonthSheetTest, MonthOutsideTheYearDrawsNothing) {
    for (std::int16_t month : {0, 13, -1}) EXPECT_TRUE(Draw(2024, month).empty()) << month;
}

}  // namespace
