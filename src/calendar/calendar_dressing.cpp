#include "calendar/calendar_dressing.h"

#include <algorithm>
#include <optional>

#include "calendar/holidays.h"
#include "calendar/moon_icons.h"
#include "calendar/moon_phases.h"

namespace {

constexpr int UpperRightIcon = 2;

void MarkHoliday(Day& day, std::string_view name) {
    day.NumberColor = Red;
    const auto free = std::find_if(day.Lines.begin(), day.Lines.end(), [](const DayLine& line) {
        return line.ShowsText == Flag::Off && line.ShowsSaint == Flag::Off;
    });
    if (free == day.Lines.end()) return;
    *free = DayLine{Flag::On, Flag::Off, std::string(name.substr(0, LineTextLimit)), Red};
}

// The upper right place, or else the first free one in reading order.
std::optional<int> FreeIconPlace(const Day& day) {
    const auto free = [&](int place) { return day.Icons[place].Shown == Flag::Off; };
    if (free(UpperRightIcon)) return UpperRightIcon;
    for (int place = 0; place < IconCount; ++place)
        if (free(place)) return place;
    return std::nullopt;
}

void ShowPhase(Day& day, MoonPhase phase) {
    if (const std::optional<int> place = FreeIconPlace(day))
        day.Icons[*place] = DayIcon{Flag::On, std::string(MoonIconFiles[static_cast<int>(phase)])};
}

}  // namespace

void DressWithCalendar(MonthSheet& sheet, const CalendarChoice& choice) {
    for (const Holiday& holiday : HolidaysOf(choice.Region, sheet.Year))
        if (holiday.Date.Month == sheet.Month)
            if (const std::optional<GridPlace> place =
                    PlaceOfDay(sheet.Year, sheet.Month, holiday.Date.Day))
                MarkHoliday(sheet.Cell(place->Column, place->Row), holiday.ShortName);
    if (!choice.MoonPhases) return;
    for (const PhaseDay& phase : MoonPhasesInMonth(sheet.Year, sheet.Month, TimeOfChoice(choice)))
        if (const std::optional<GridPlace> place = PlaceOfDay(sheet.Year, sheet.Month, phase.Day))
            ShowPhase(sheet.Cell(place->Column, place->Row), phase.Phase);
}

void DressNewSheet(MonthSheet& sheet, const NewSheetDressing& dressing) {
    for (const auto& [place, date] : MemorizedPlaces(dressing.Memorized, sheet.Year, sheet.Month))
        sheet.Cell(place.Column, place.Row) = date->Dressing;
    DressWithCalendar(sheet, dressing.Calendar);
}

MonthSheet NewSheet(std::int16_t year, std::int16_t month, const NewSheetDressing& dressing) {
    MonthSheet sheet;
    sheet.Year = year;
    sheet.Month = month;
    DressNewSheet(sheet, dressing);
    return sheet;
}
