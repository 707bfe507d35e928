#include "calendar/calendar_names.h"

#include "calendar/calendar_arithmetic.h"

std::string MonthName(int month) {
    static constexpr const char* Names[13] = {
        "",      "Enero",  "Febrero",    "Marzo",   "Abril",     "Mayo",      "Junio",
        "Julio", "Agosto", "Septiembre", "Octubre", "Noviembre", "Diciembre",
    };
    if (!IsMonth(month)) return {};
    return Names[month];
}

std::string SheetTitle(std::int16_t year, std::int16_t month) {
    if (!IsMonth(month)) return {};
    return MonthName(month) + " " + std::to_string(year);
}
