#include "calendar/memorized_dates.h"

#include <algorithm>
#include <cstdio>

#include "calendar/saints_table.h"

namespace {

bool Before(const MemorizedDate& date, std::int16_t month, std::int16_t dayOfMonth) {
    return date.Month != month ? date.Month < month : date.DayOfMonth < dayOfMonth;
}

}  // namespace

const MemorizedDate* MemorizedDates::Find(std::int16_t month, std::int16_t dayOfMonth) const {
    for (const MemorizedDate& date : Dates)
        if (date.Month == month && date.DayOfMonth == dayOfMonth) return &date;
    return nullptr;
}

void MemorizedDates::Keep(std::int16_t month, std::int16_t dayOfMonth, Day dressing) {
    Forget(month, dayOfMonth);
    const auto at = std::find_if(Dates.begin(), Dates.end(), [&](const MemorizedDate& date) {
        return !Before(date, month, dayOfMonth);
    });
    Dates.insert(at, {month, dayOfMonth, std::move(dressing)});
}

bool MemorizedDates::Forget(std::int16_t month, std::int16_t dayOfMonth) {
    return std::erase_if(Dates, [&](const MemorizedDate& date) {
               return date.Month == month && date.DayOfMonth == dayOfMonth;
           }) > 0;
}

std::vector<std::pair<GridPlace, const MemorizedDate*>> MemorizedPlaces(const MemorizedDates& dates,
                                                                        std::int16_t year,
                                                                        std::int16_t month) {
    std::vector<std::pair<GridPlace, const MemorizedDate*>> places;
    for (const MemorizedDate& date : dates.All())
        if (date.Month == month)
            if (const std::optional<GridPlace> place = PlaceOfDay(year, month, date.DayOfMonth))
                places.emplace_back(*place, &date);
    return places;
}

std::string MemorizedDateLine(const MemorizedDate& date) {
    char day[16];
    std::snprintf(day, sizeof day, "%02d/%02d", date.DayOfMonth, date.Month);
    std::string says;
    for (const DayLine& line : date.Dressing.Lines)
        if (line.ShowsText != Flag::Off && !line.LineText.empty()) {
            says = line.LineText;
            break;
        }
    const auto showsSaint = [](const DayLine& line) { return line.ShowsSaint != Flag::Off; };
    if (says.empty() &&
        std::any_of(date.Dressing.Lines.begin(), date.Dressing.Lines.end(), showsSaint))
        says = SaintOfDay(date.Month, date.DayOfMonth);
    return std::string(day) + "  " + says;
}
