#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>

#include "calendar/easter.h"
#include "calendar/holidays.h"
#include "calendar/moon_phases.h"
#include "platform/cp1252.h"

namespace {

using namespace std::chrono;

// The rows of a data file, without its header line, as fields.
std::vector<std::vector<std::string>> ReadTsv(const char* name) {
    std::ifstream source(std::string(ALMANAQUE_DATA "/") + name, std::ios::binary);
    EXPECT_TRUE(source) << name;
    std::vector<std::vector<std::string>> rows;
    std::string line, field;
    for (std::getline(source, line); std::getline(source, line);) {
        std::istringstream fields(line);
        for (rows.emplace_back(); std::getline(fields, field, '\t');) rows.back().push_back(field);
    }
    return rows;
}

LocalDate Date(int y, int m, int d) {
    return {static_cast<std::int16_t>(y), static_cast<std::int16_t>(m),
            static_cast<std::int16_t>(d)};
}

// "2027-01-06 Epifan\355a del Se\361or", in Windows-1252.
std::string Described(const LocalDate& date, std::string_view name) {
    char text[24];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d ", date.Year, date.Month, date.Day);
    return text + std::string(name);
}

std::vector<std::string> Described(const std::vector<Holiday>& holidays) {
    std::vector<std::string> lines;
    for (const Holiday& holiday : holidays)
        lines.push_back(Described(holiday.Date, holiday.ShortName));
    return lines;
}

bool IsSunday(int y, int m, int d) {
    return weekday{sys_days{year{y} / m / d}} == Sunday;
}

TEST(EasterSunday, KnownYearsAndEveryYearASundayFrom22MarchTo25April) {
    for (const LocalDate& known :
         {Date(1818, 3, 22), Date(1943, 4, 25), Date(2000, 4, 23), Date(2025, 4, 20),
          Date(2026, 4, 5), Date(2027, 3, 28), Date(2285, 3, 22)})
        EXPECT_TRUE(EasterSunday(known.Year) == known) << known.Year;
    for (int y = 1; y <= 32767; ++y) {
        const LocalDate easter = EasterSunday(y);
        ASSERT_TRUE(IsSunday(y, easter.Month, easter.Day)) << y;
        ASSERT_TRUE(Date(y, 3, 22) <= easter && easter <= Date(y, 4, 25)) << y;
    }
}

TEST(HolidayRegions, OnlyAnExactKeyFindsARegion) {
    EXPECT_EQ(FindHolidayRegion("valencia")->Name, L"Comunitat Valenciana");
    EXPECT_EQ(FindHolidayRegion("ninguno"), NoHolidays);
    for (const char* damaged : {"", "Madrid", "madrid ", "madri", "pais vasco"})
        EXPECT_FALSE(FindHolidayRegion(damaged)) << damaged;
}

TEST(Holidays, ListedYearsAreTheOfficialListsRowForRow) {
    std::map<std::pair<int, std::string>, std::vector<std::string>> lists;  // (year, region)
    std::map<std::pair<int, std::string>, std::size_t> communities;         // (year, holiday)
    for (const auto& row : ReadTsv("festivos.tsv")) {
        const std::string holiday = row[2] + " " + Utf8ToCp1252(row[4]);
        lists[{std::stoi(row[0]), row[1]}].push_back(holiday);
        ++communities[{std::stoi(row[0]), holiday}];
    }
    for (const auto& [which, count] : communities)
        if (count == Communities.size()) lists[{which.first, "nacional"}].push_back(which.second);
    ASSERT_EQ(lists.size(), 2 * (Communities.size() + 1));
    for (const auto& [which, list] : lists) {
        const auto& [y, key] = which;
        const auto region = FindHolidayRegion(key);
        ASSERT_TRUE(region) << key;
        EXPECT_EQ(Described(HolidaysOf(*region, y)), list) << y << " " << key;
        const bool thirteen = y == 2025 && (key == "cataluna" || key == "valencia");
        const std::size_t expected = key == "nacional"   ? (y == 2025 ? 9 : 8)
                                     : key == "canarias" ? 11
                                                         : 12 + thirteen;
        EXPECT_EQ(list.size(), expected) << y << " " << key;
    }
    EXPECT_EQ(ListedHolidayYears(), (std::vector<std::int16_t>{2025, 2026}));
    EXPECT_TRUE(HolidaysOf(NoHolidays, 2026).empty());
}

TEST(Holidays, ForecastIsTheRecurringDaysAndHolyWeekButNoSunday) {
    const auto recurring = ReadTsv("festivos-fijos.tsv");
    for (const int y : {1, 2027, 2028, 2029, 2030, 2031, 2032, 2033, 2034, 32767})
        for (const HolidayRegion& region : HolidayRegions) {
            if (region == NoHolidays) continue;
            std::vector<std::string> expected;
            for (const auto& row : recurring) {
                const int m = std::stoi(row[1]), d = std::stoi(row[1].substr(3));
                if ((row[0] == "nacional" || row[0] == region.Key) && !IsSunday(y, m, d))
                    expected.push_back(Described(Date(y, m, d), Utf8ToCp1252(row[2])));
            }
            const LocalDate easter = EasterSunday(y);
            const auto holyWeek = [&](int fromEaster, const char* name) {
                const year_month_day date{sys_days{year{y} / easter.Month / easter.Day} +
                                          days{fromEaster}};
                expected.push_back(Described(
                    Date(y, static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day())),
                    name));
            };
            holyWeek(-2, "Viernes Santo");
            if (region.Key != "nacional" && region.Key != "cataluna" && region.Key != "valencia")
                holyWeek(-3, "Jueves Santo");
            std::ranges::sort(expected);
            EXPECT_EQ(Described(HolidaysOf(region, y)), expected) << y << " " << region.Key;
        }
    EXPECT_EQ(Described(HolidaysOf(*FindHolidayRegion("madrid"), 2027)),
              (std::vector<std::string>{
                  "2027-01-01 A\361o Nuevo", "2027-01-06 Epifan\355a del Se\361or",
                  "2027-03-25 Jueves Santo", "2027-03-26 Viernes Santo",
                  "2027-05-01 Fiesta del Trabajo", "2027-10-12 Fiesta Nacional",
                  "2027-11-01 Todos los Santos", "2027-12-06 D\355a Constituci\363n",
                  "2027-12-08 Inmacul. Concepci\363n", "2027-12-25 Natividad del Se\361or"}));
    EXPECT_TRUE(HolidaysOf(NationalHolidays, 0).empty());
}

const std::map<std::string, MoonPhase> PhaseNamed{{"nueva", MoonPhase::New},
                                                  {"cuarto-creciente", MoonPhase::FirstQuarter},
                                                  {"llena", MoonPhase::Full},
                                                  {"cuarto-menguante", MoonPhase::LastQuarter}};

TEST(MoonPhases, WithinTwoMinutesOfThePublishedInstantsAndOnTheirSpanishDates) {
    std::map<unsigned, std::vector<PhaseDay>> ignMonths;  // 2022's months, in summer time
    for (const auto& row : ReadTsv("moon-phases.tsv")) {
        int y, m, d, h, minute, s = 0;
        std::sscanf(row[1].c_str(), "%d-%d-%dT%d:%d:%d", &y, &m, &d, &h, &minute, &s);
        const sys_seconds published =
            sys_days{year{y} / m / d} + hours{h} + minutes{minute} + seconds{s};
        const auto found = MoonPhasesBetween(published - days{1}, published + days{1});
        ASSERT_EQ(found.size(), 1u) << row[1];
        EXPECT_EQ(found[0].Phase, PhaseNamed.at(row[0])) << row[1];
        EXPECT_LE(abs(found[0].Ut - published), minutes{2}) << row[1];
        if (row[2].starts_with("IGN")) {
            const year_month_day local{floor<days>(published + hours{2})};
            ignMonths[static_cast<unsigned>(local.month())].push_back(
                {static_cast<std::int16_t>(static_cast<unsigned>(local.day())),
                 PhaseNamed.at(row[0])});
        }
    }
    for (const unsigned m : {7, 8, 9})  // the months whose every phase the IGN rows give
        EXPECT_EQ(MoonPhasesInMonth(2022, m, SpanishTime::Peninsular), ignMonths[m]) << m;
    // 2026-06-29 23:57 UT is 01:57 in Madrid and 00:57 in the Canaries, on 30 June.
    for (const SpanishTime zone : {SpanishTime::Peninsular, SpanishTime::Canary})
        EXPECT_EQ(MoonPhasesInMonth(2026, 6, zone).back(), (PhaseDay{30, MoonPhase::Full}));
}

TEST(MoonPhases, EveryMonthHasThreeToFivePhasesInTurnEvenInTheFarthestYears) {
    for (const int y : {1, 1000, 2026, 9999, 32767})
        for (int m = 1; m <= 12; ++m) {
            const auto phases = MoonPhasesInMonth(y, m, SpanishTime::Canary);
            EXPECT_TRUE(phases.size() >= 3 && phases.size() <= 5) << y << "-" << m;
            for (std::size_t i = 1; i < phases.size(); ++i)
                EXPECT_TRUE(phases[i - 1].Day <= phases[i].Day &&
                            static_cast<int>(phases[i].Phase) ==
                                (static_cast<int>(phases[i - 1].Phase) + 1) % 4)
                    << y << "-" << m;
        }
    EXPECT_TRUE(MoonPhasesInMonth(2026, 13, SpanishTime::Peninsular).empty());
    EXPECT_TRUE(MoonPhasesInMonth(0, 1, SpanishTime::Peninsular).empty());
}

TEST(SpanishTime, SummerTimeRunsFrom0100UtOnTheLastSundayOfMarchToThatOfOctober) {
    const sys_seconds spring = sys_days{2026y / March / 29} + 1h;
    const sys_seconds autumn = sys_days{2026y / October / 25} + 1h;
    for (const auto& [zone, standard] :
         {std::pair{SpanishTime::Peninsular, 1h}, {SpanishTime::Canary, 0h}}) {
        EXPECT_EQ(UtcOffset(zone, spring - 1s), standard);
        EXPECT_EQ(UtcOffset(zone, spring), standard + 1h);
        EXPECT_EQ(UtcOffset(zone, autumn - 1s), standard + 1h);
        EXPECT_EQ(UtcOffset(zone, autumn), standard);
    }
}

}  // namespace
