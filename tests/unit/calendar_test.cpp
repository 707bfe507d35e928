#include <gtest/gtest.h>

#include <chrono>

#include "calendar/calendar_arithmetic.h"
#include "calendar/calendar_names.h"

namespace {

TEST(FebruaryLength, FollowsTheGregorianLeapRule) {
    for (int year : {1600, 2000, 2024, 4, 32000}) EXPECT_EQ(FebruaryLength(year), 29) << year;
    for (int year : {1700, 1800, 1900, 2023, 2100, 1}) EXPECT_EQ(FebruaryLength(year), 28) << year;
}

TEST(WeekdayOf, KnownDates) {
    EXPECT_EQ(WeekdayOf(2024, 1, 1), 1);
    EXPECT_EQ(WeekdayOf(2023, 1, 1), 7);
    EXPECT_EQ(WeekdayOf(2025, 3, 1), 6);
    EXPECT_EQ(WeekdayOf(2000, 2, 29), 2);
    EXPECT_EQ(WeekdayOf(2000, 1, 1), 6);  // computed inside with 1999's century
}

TEST(WeekdayOf, LeavesTheCallersValuesAlone) {
    std::int16_t year = 2000, month = 1, day = 1;
    WeekdayOf(year, month, day);
    EXPECT_EQ(year, 2000);
    EXPECT_EQ(month, 1);
    EXPECT_EQ(day, 1);
}

TEST(WeekdayOf, AgreesWithTheProlepticGregorianCalendarForYears1To32767) {
    using namespace std::chrono;
    int mismatches = 0;
    for (int y = 1; y <= 32767; ++y)
        for (unsigned m = 1; m <= 12; ++m) {
            const unsigned lastDay = static_cast<unsigned>(
                (year_month_day_last{year{y}, month_day_last{month{m}}}).day());
            for (unsigned d = 1; d <= lastDay; ++d) {
                const auto expected = weekday{sys_days{year{y} / month{m} / day{d}}}.iso_encoding();
                const int got =
                    WeekdayOf(static_cast<std::int16_t>(y), static_cast<std::int16_t>(m),
                              static_cast<std::int16_t>(d));
                if (got != static_cast<int>(expected) && ++mismatches <= 5)
                    ADD_FAILURE() << y << "-" << m << "-" << d << ": " << got << " != " << expected;
            }
        }
    EXPECT_EQ(mismatches, 0);
}

TEST(MonthLengths, AreRebuiltPerYear) {
    EXPECT_EQ(BuildMonthLengths(2024).Days[2], 29);
    EXPECT_EQ(BuildMonthLengths(2023).Days[2], 28);
    const auto lengths = BuildMonthLengths(2023).Days;
    const int expected[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int month = 1; month <= 12; ++month) EXPECT_EQ(lengths[month], expected[month]);
}

int CountDays(const MonthGrid& grid, int row) {
    int count = 0;
    for (int column = 0; column < 7; ++column) count += grid[column][row] != 0;
    return count;
}

TEST(DayPlacement, MonthStartingOnSundayUsesSixRows) {
    const MonthGrid september = PlaceMonth(2024, 9);
    EXPECT_EQ(CountDays(september, 1), 1);
    EXPECT_EQ(september[6][1], 1);
    EXPECT_EQ(september[0][2], 2);
    EXPECT_EQ(september[0][6], 30);
    EXPECT_EQ(CountDays(september, 6), 1);
    for (int column = 0; column < 7; ++column) EXPECT_EQ(september[column][0], 0);
}

TEST(DayPlacement, MonthStartingOnSaturdayEndsInRowSix) {
    const MonthGrid march = PlaceMonth(2025, 3);
    EXPECT_EQ(march[5][1], 1);
    EXPECT_EQ(march[6][1], 2);
    EXPECT_EQ(march[0][6], 31);
}

TEST(DayPlacement, FebruaryStartingOnMondayFillsExactlyFourRows) {
    const MonthGrid february = PlaceMonth(2027, 2);
    for (int row = 1; row <= 4; ++row) EXPECT_EQ(CountDays(february, row), 7) << row;
    EXPECT_EQ(CountDays(february, 5), 0);
    EXPECT_EQ(CountDays(february, 6), 0);
    EXPECT_EQ(february[6][4], 28);
}

TEST(DayPlacement, EveryDayOfEveryMonthIsPlacedOnceInOrder) {
    for (int year : {1, 1900, 2000, 2024, 2027, 32767})
        for (int month = 1; month <= 12; ++month) {
            const MonthGrid grid = PlaceMonth(year, month);
            int expected = 1;
            for (int row = 1; row <= 6; ++row)
                for (int column = 0; column < 7; ++column)
                    if (grid[column][row] != 0) {
                        EXPECT_EQ(grid[column][row], expected);
                        EXPECT_EQ(WeekdayOf(year, month, expected), column + 1);
                        ++expected;
                    }
            EXPECT_EQ(expected - 1, BuildMonthLengths(year).Days[month]) << year << "/" << month;
        }
}

TEST(MonthNames, AreTheSpanishNamesInOrder) {
    const char* expected[] = {"Enero",      "Febrero", "Marzo",     "Abril",
                              "Mayo",       "Junio",   "Julio",     "Agosto",
                              "Septiembre", "Octubre", "Noviembre", "Diciembre"};
    for (int month = 1; month <= 12; ++month) {
        EXPECT_EQ(MonthName(month), expected[month - 1]);
        EXPECT_LE(MonthName(month).size(), 11u);
    }
    EXPECT_EQ(MonthName(0), "");
    EXPECT_EQ(MonthName(13), "");
}

TEST(SheetTitle, MonthNameBlankAndYear) {
    EXPECT_EQ(SheetTitle(2024, 1), "Enero 2024");
    EXPECT_EQ(SheetTitle(2024, 9), "Septiembre 2024");
    EXPECT_EQ(SheetTitle(7, 12), "Diciembre 7");
    for (std::int16_t month : {0, 13, -1}) EXPECT_EQ(SheetTitle(2024, month), "") << month;
}

}  // namespace
