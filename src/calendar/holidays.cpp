#include "calendar/holidays.h"

#include <algorithm>
#include <chrono>
#include <optional>

#include "calendar/calendar_arithmetic.h"
#include "calendar/easter.h"
#include "calendar/holidays_data.h"

namespace {

constexpr std::int16_t Sunday = 7;

// Jueves Santo and Viernes Santo, in days from Easter Sunday: they move with Easter, so no
// recurring date holds them.
constexpr int HolyWeekDays[] = {-3, -2};

LocalDate FromEaster(std::int16_t year, int days) {
    namespace chrono = std::chrono;
    const LocalDate easter = EasterSunday(year);
    const chrono::year_month_day date{
        chrono::sys_days{chrono::year{easter.Year} / easter.Month / easter.Day} +
        chrono::days{days}};
    return {year, static_cast<std::int16_t>(static_cast<unsigned>(date.month())),
            static_cast<std::int16_t>(static_cast<unsigned>(date.day()))};
}

// The rows of a year's official list (the table runs by year); none for a year not listed.
std::span<const ListedHoliday> ListOf(std::int16_t year) {
    const auto first =
        std::partition_point(std::begin(ListedHolidays), std::end(ListedHolidays),
                             [&](const ListedHoliday& row) { return row.Year < year; });
    const auto last =
        std::partition_point(first, std::end(ListedHolidays),
                             [&](const ListedHoliday& row) { return row.Year == year; });
    return {first, last};
}

std::vector<Holiday> Listed(const HolidayRegion& region, std::span<const ListedHoliday> list) {
    // The national choice lists the dates every community lists, which are all among the first
    // community's.
    const bool national = region == NationalHolidays;
    const std::string_view lister = national ? Communities.front().Key : region.Key;
    const auto everyCommunityLists = [&](const ListedHoliday& day) {
        const auto listers = std::ranges::count_if(list, [&](const ListedHoliday& row) {
            return row.Month == day.Month && row.Day == day.Day;
        });
        return static_cast<std::size_t>(listers) == Communities.size();
    };
    std::vector<Holiday> days;
    for (const ListedHoliday& row : list)
        if (row.Region == lister && (!national || everyCommunityLists(row)))
            days.push_back({{row.Year, row.Month, row.Day}, row.ShortName});
    return days;
}

// The short name of a Holy Week day the region lists in every listed year; none otherwise.
std::optional<std::string_view> KeptEveryListedYear(const HolidayRegion& region, int fromEaster) {
    std::optional<std::string_view> name;
    for (const std::int16_t year : ListedHolidayYears()) {
        const std::vector<Holiday> days = Listed(region, ListOf(year));
        const auto found = std::ranges::find(days, FromEaster(year, fromEaster), &Holiday::Date);
        if (found == days.end()) return std::nullopt;
        name = found->ShortName;
    }
    return name;
}

std::vector<Holiday> Forecast(const HolidayRegion& region, std::int16_t year) {
    std::vector<Holiday> days;
    for (const RecurringHoliday& row : RecurringHolidays)
        if (row.Region == NationalHolidays.Key || row.Region == region.Key)
            days.push_back({{year, row.Month, row.Day}, row.ShortName});
    for (const int fromEaster : HolyWeekDays)
        if (const auto name = KeptEveryListedYear(region, fromEaster))
            days.push_back({FromEaster(year, fromEaster), *name});
    std::erase_if(days, [](const Holiday& day) {
        return WeekdayOf(day.Date.Year, day.Date.Month, day.Date.Day) == Sunday;
    });
    std::ranges::sort(days, {}, &Holiday::Date);
    return days;
}

}  // namespace

std::vector<Holiday> HolidaysOf(const HolidayRegion& region, std::int16_t year) {
    if (region == NoHolidays || year < 1) return {};
    const std::span<const ListedHoliday> list = ListOf(year);
    return list.empty() ? Forecast(region, year) : Listed(region, list);
}

std::vector<std::int16_t> ListedHolidayYears() {
    std::vector<std::int16_t> years;
    for (const ListedHoliday& row : ListedHolidays)
        if (years.empty() || years.back() != row.Year) years.push_back(row.Year);
    return years;
}
