// A new sheet dressed with the calendar's choice: which line a holiday's name takes, which icon
// place a phase of the moon takes, and what a day whose places are taken keeps.

#include "calendar/calendar_dressing.h"

#include <gtest/gtest.h>

namespace {

constexpr CalendarChoice MadridWithMoons{{"madrid", L"Comunidad de Madrid"}, true};

MonthSheet May2026() {
    MonthSheet sheet;
    sheet.Year = 2026;
    sheet.Month = 5;
    return sheet;
}

Day& DayOf(MonthSheet& sheet, int day) {
    const GridPlace place = *PlaceOfDay(sheet.Year, sheet.Month, day);
    return sheet.Cell(place.Column, place.Row);
}

TEST(CalendarDressing, HolidaysAreRedWithTheirNameOnTheFirstFreeLineAndPhasesTakeTheUpperRight) {
    MonthSheet sheet = May2026();
    // 1 May is a holiday and a full moon; 2 May the community's own day; 31 May a full moon.
    DressWithCalendar(sheet, MadridWithMoons);
    const Day& first = DayOf(sheet, 1);
    EXPECT_EQ(first.NumberColor, Red);
    EXPECT_EQ(first.Lines[0], Day{}.Lines[0]) << "the saint's line stays";
    EXPECT_EQ(first.Lines[1], (DayLine{Flag::On, Flag::Off, "Fiesta del Trabajo", Red}));
    EXPECT_EQ(first.Icons[2], (DayIcon{Flag::On, "luna-llena.ico"}));
    EXPECT_EQ(DayOf(sheet, 2).Lines[1].LineText, "Fiesta C. de Madrid");
    EXPECT_EQ(DayOf(sheet, 31).NumberColor, Black);
    EXPECT_EQ(DayOf(sheet, 31).Icons[2].Path, "luna-llena.ico");
    int dressed = 0;
    for (int day = 1; day <= 31; ++day) dressed += DayOf(sheet, day) != Day{};
    EXPECT_EQ(dressed, 6) << "two holidays, and the days of the month's five phases, one shared";

    MonthSheet plain = May2026();
    DressWithCalendar(plain, {});
    EXPECT_EQ(plain, May2026()) << "nothing chosen: the plain sheet";
}

TEST(CalendarDressing, ADayWhosePlacesAreTakenKeepsThemAndGetsWhatIsLeft) {
    MonthSheet sheet = May2026();
    Day& full = DayOf(sheet, 1);
    for (DayLine& line : full.Lines) line = {Flag::On, Flag::Off, "Cumple", Black};
    full.Icons[2] = {Flag::On, "cake.ico"};
    full.Icons[0] = {Flag::On, "gift.ico"};
    Day& taken = DayOf(sheet, 31);
    for (DayIcon& icon : taken.Icons) icon = {Flag::On, "star.ico"};
    const Day before = taken;

    DressWithCalendar(sheet, MadridWithMoons);
    EXPECT_EQ(full.NumberColor, Red);
    EXPECT_EQ(full.Lines[4].LineText, "Cumple") << "no line is taken from the user";
    EXPECT_EQ(full.Icons[2].Path, "cake.ico");
    EXPECT_EQ(full.Icons[1], (DayIcon{Flag::On, "luna-llena.ico"})) << "the first free place";
    EXPECT_EQ(taken, before) << "no icon place was free";
}

}  // namespace
