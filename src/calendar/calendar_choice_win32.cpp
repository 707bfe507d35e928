#include "calendar/calendar_choice_win32.h"

#include "platform/cp1252.h"
#include "platform/win32/user_settings.h"

namespace {

constexpr wchar_t RegionValueName[] = L"Festivos";
constexpr wchar_t MoonPhasesValueName[] = L"Lunas";

}  // namespace

CalendarChoice LoadCalendarChoice() {
    CalendarChoice choice;
    if (const std::optional<std::wstring> key = ReadUserText(RegionValueName))
        choice.Region = FindHolidayRegion(WideToCp1252(*key)).value_or(NoHolidays);
    choice.MoonPhases = ReadUserNumber(MoonPhasesValueName) == 1u;
    return choice;
}

bool SaveCalendarChoice(const CalendarChoice& choice) {
    const bool region =
        WriteUserText(RegionValueName, Cp1252ToWide(std::string(choice.Region.Key)));
    return WriteUserNumber(MoonPhasesValueName, choice.MoonPhases ? 1 : 0) && region;
}
