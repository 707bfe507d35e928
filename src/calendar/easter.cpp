#include "calendar/easter.h"

LocalDate EasterSunday(std::int16_t year) {
    // The anonymous Gregorian algorithm (Meeus, Astronomical Algorithms, ch. 8): the epact from
    // the golden number and the century's solar and lunar corrections, then the next Sunday.
    const int golden = year % 19;
    const int century = year / 100;
    const int inCentury = year % 100;
    const int solarCorrection = century - century / 4;
    const int lunarCorrection = (century - (century + 8) / 25 + 1) / 3;
    const int epact = (19 * golden + solarCorrection - lunarCorrection + 15) % 30;
    const int toSunday = (32 + 2 * (century % 4) + 2 * (inCentury / 4) - epact - inCentury % 4) % 7;
    const int lateFix = (golden + 11 * epact + 22 * toSunday) / 451;
    const int monthAndDay = epact + toSunday - 7 * lateFix + 114;  // 31 * month + day - 1
    return {year, static_cast<std::int16_t>(monthAndDay / 31),
            static_cast<std::int16_t>(monthAndDay % 31 + 1)};
}
