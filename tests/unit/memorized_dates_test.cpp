// The memorized dates: which a month's new sheet gets, under the calendar's dressing, their file
// and the editor's button.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/document/kept_memorized_days.h"
#include "calendar/calendar_dressing.h"
#include "platform/files.h"

namespace {

namespace fs = std::filesystem;

Day Birthday() {
    Day day;
    day.Lines[1] = {Flag::On, Flag::Off, "Cumple Ana", Black};
    day.Numbers.Centre = Flag::On;
    return day;
}

TEST(MemorizedDates, ANewSheetGetsItsMonthsDatesThenTheCalendarOnTop) {
    MemorizedDates dates;
    dates.Keep(5, 2, Birthday());
    dates.Keep(2, 29, Birthday());
    dates.Keep(5, 1, Day{});
    dates.Keep(5, 2, Birthday());  // again: one date for a day and month
    ASSERT_EQ(dates.All().size(), 3u);
    EXPECT_EQ(MemorizedDateLine(dates.All()[0]), "29/02  Cumple Ana") << "in date order";
    EXPECT_EQ(MemorizedDateLine(dates.All()[1]), "01/05  Jos\xe9") << "the saint's name";

    MonthSheet may;
    may.Year = 2026;
    may.Month = 5;
    DressNewSheet(may, {dates, {*FindHolidayRegion("madrid"), false}});
    const GridPlace second = *PlaceOfDay(2026, 5, 2);
    const Day& dressed = may.Cell(second.Column, second.Row);
    EXPECT_EQ(dressed.Numbers.Centre, Flag::On);
    EXPECT_EQ(dressed.Lines[1].LineText, "Cumple Ana");
    EXPECT_EQ(dressed.Lines[2], (DayLine{Flag::On, Flag::Off, "Fiesta C. de Madrid", Red}));
    EXPECT_EQ(dressed.NumberColor, Red);

    EXPECT_EQ(MemorizedPlaces(dates, 2027, 2).size(), 0u) << "29 February only in leap years";
    EXPECT_EQ(MemorizedPlaces(dates, 2028, 2).size(), 1u);
    EXPECT_TRUE(dates.Forget(2, 29));
    EXPECT_FALSE(dates.Forget(2, 29));
}

TEST(MemorizedDates, TheFileKeepsThemAndOneThatCannotBeReadIsSetAside) {
    const fs::path folder = fs::temp_directory_path() / "almanaque_memorizadas";
    fs::remove_all(folder);
    const MemorizedDatesFile file((folder / "").wstring());
    KeptMemorizedDays days(file);
    EXPECT_FALSE(days.IsMemorized(2, 29));
    ASSERT_TRUE(days.Memorize(2, 29, Birthday()));
    ASSERT_TRUE(days.Memorize(12, 31, Day{}));
    const MemorizedDatesFile::Loaded loaded = file.Load();
    EXPECT_EQ(loaded.SetAside, std::nullopt);
    ASSERT_EQ(loaded.Dates.All().size(), 2u);
    const MemorizedDate& leap = loaded.Dates.All()[0];
    EXPECT_EQ(leap.DayOfMonth, 29);
    EXPECT_EQ(leap.Dressing.Lines, Birthday().Lines);
    EXPECT_EQ(leap.Dressing.Numbers, Birthday().Numbers);
    ASSERT_TRUE(days.Forget(12, 31));
    EXPECT_FALSE(days.IsMemorized(12, 31));

    std::ofstream(fs::path(file.Path()), std::ios::binary) << "no es un dia";
    const MemorizedDatesFile::Loaded damaged = file.Load();
    EXPECT_TRUE(damaged.Dates.All().empty());
    ASSERT_TRUE(damaged.SetAside && !damaged.SetAside->empty());
    EXPECT_TRUE(FileExists(*damaged.SetAside));
    EXPECT_EQ(file.Load().SetAside, std::nullopt) << "told once";
    fs::remove_all(folder);
}

}  // namespace
