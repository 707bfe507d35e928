#include "app/commands/month_chooser_rules.h"

#include "calendar/calendar_arithmetic.h"
#include "calendar/calendar_names.h"
#include "platform/leading_number.h"

std::string MonthItemText(int month) {
    const char tens = static_cast<char>('0' + month / 10);
    const char units = static_cast<char>('0' + month % 10);
    return std::string{tens, units, ' '} + MonthName(month);
}

std::int16_t MonthOfItem(std::string_view itemText) {
    return NumberFromLeadingDigits(itemText.substr(0, 2));
}

std::int16_t YearOfTypedText(std::string_view typed) {
    return NumberFromLeadingDigits(typed);
}

bool ChooserMayClose(std::int16_t year, std::int16_t month) {
    return year >= 1 && IsMonth(month);
}
