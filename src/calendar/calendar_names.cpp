#include "calendar/calendar_names.h"

std::string MonthName(int month) {
    static constexpr const char* Names[13] = {
        "",      "Enero",  "Febrero",    "Marzo",   "Abril",     "Mayo",      "Junio",
        "Julio", "Agosto", "Septiembre", "Octubre", "Noviembre", "Diciembre",
    };
    if (month < 1 || month > 12) return {};
    return Names[month];
}
