#include "app/commands/calendar_dialog_text.h"

std::wstring ListedYearsLine(const std::vector<std::int16_t>& years) {
    std::wstring listed;
    for (std::size_t k = 0; k < years.size(); ++k) {
        if (k > 0) listed += k + 1 == years.size() ? L" y " : L", ";
        listed += std::to_wstring(years[k]);
    }
    return L"Lista oficial del BOE: " + listed +
           L". Para otros a\u00f1os, la hoja muestra los festivos que se repiten cada a\u00f1o.";
}
