#include "calendar/calendar_names.h"

#include "calendar/text_slot.h"

MonthNameTable MonthNames{};

void InitCalendarNames() {
    static constexpr const char* Names[12] = {
        "Enero", "Febrero", "Marzo",      "Abril",   "Mayo",      "Junio",
        "Julio", "Agosto",  "Septiembre", "Octubre", "Noviembre", "Diciembre",
    };
    for (int month = 1; month <= 12; ++month) AssignSlot(MonthNames.Slots[month], Names[month - 1]);
}

std::string MonthName(int month) {
    if (month < 1 || month > 12) return {};
    return ReadSlot(MonthNames.Slots[month]);
}
