#include "calendar/month_sheet.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(ResetCells, GivesEveryPlaceANewSheetsDayAndKeepsTheMonth) {
    auto sheet = std::make_unique<MonthSheet>();
    sheet->Year = 2024;
    sheet->Month = 3;
    for (auto& column : sheet->Cells)
        for (Day& day : column) {
            day.FontName = "Arial";
            day.NumberColor = Red;
            day.Lines[2] = {Flag::On, Flag::OtherNumber, "texto", Red};
            day.Numbers.Centre = Flag::On;
            day.Icons[4] = {Flag::On, "C:\\sol.ico"};
            day.KeptBytes.assign(2652, 0x5A);
        }
    ResetCells(*sheet);

    for (int column = 0; column < GridSize; ++column)
        for (int row = 0; row < GridSize; ++row) {
            const Day& day = sheet->Cell(column, row);
            EXPECT_EQ(day.FontName, "Tahoma");
            EXPECT_EQ(day.NumberColor, Black);
            EXPECT_TRUE(day.Numbers ==
                        (NumberPlaces{Flag::Off, Flag::Off, Flag::On, Flag::Off, Flag::Off}));
            EXPECT_EQ(day.Lines[0].ShowsSaint, Flag::On);
            EXPECT_EQ(day.Lines[0].ShowsText, Flag::Off);
            for (int line = 0; line < TextLineCount; ++line) {
                EXPECT_EQ(day.Lines[line].LineText, "");
                EXPECT_EQ(day.Lines[line].LineColor, Black);
                if (line > 0) {
                    EXPECT_EQ(day.Lines[line].ShowsSaint, Flag::Off);
                }
            }
            for (const DayIcon& icon : day.Icons) EXPECT_TRUE(icon == DayIcon{});
            EXPECT_TRUE(day.KeptBytes.empty());
        }
    EXPECT_EQ(sheet->Year, 2024);
    EXPECT_EQ(sheet->Month, 3);
}

TEST(DayShownAt, FollowsTheCalendarAndNothingOutsideTheWeeksOfTheMonth) {
    MonthSheet sheet;
    sheet.Year = 2024;
    sheet.Month = 9;  // 1 September 2024 is a Sunday
    EXPECT_EQ(DayShownAt(sheet, {6, 1}), 1);
    EXPECT_EQ(DayShownAt(sheet, {3, 2}), 5);
    EXPECT_EQ(DayShownAt(sheet, {0, 6}), 30);
    EXPECT_EQ(DayShownAt(sheet, {5, 1}), 0);  // August's last Saturday
    EXPECT_EQ(DayShownAt(sheet, {3, 0}), 0);  // the weekday initials
    for (const GridPlace place : {GridPlace{7, 3}, GridPlace{3, 7}, GridPlace{-1, 2}})
        EXPECT_EQ(DayShownAt(sheet, place), 0) << place.Column << "," << place.Row;
    sheet.Month = 13;
    EXPECT_EQ(DayShownAt(sheet, {3, 2}), 0);
}

TEST(IconFileOf, IsThePathWithoutItsPadding) {
    EXPECT_EQ(IconFileOf({Flag::On, "C:\\a b\\sol.ico     "}), "C:\\a b\\sol.ico");
    EXPECT_EQ(IconFileOf({Flag::On, "   "}), "");
}

TEST(ImageBaseName, IsYearBlankMonthWithoutLeadingZeros) {
    EXPECT_EQ(FormImageBaseName(2024, 3), "2024 3");
    EXPECT_EQ(FormImageBaseName(2026, 12), "2026 12");
    EXPECT_EQ(FormImageBaseName(987, 1), "987 1");
}

}  // namespace
