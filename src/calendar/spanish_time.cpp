#include "calendar/spanish_time.h"

std::chrono::seconds UtcOffset(SpanishTime zone, std::chrono::sys_seconds instant) {
    namespace chrono = std::chrono;
    const chrono::year year = chrono::year_month_day{chrono::floor<chrono::days>(instant)}.year();
    const auto lastSunday = [&](chrono::month month) {
        return chrono::sys_days{year / month / chrono::Sunday[chrono::last]} + chrono::hours{1};
    };
    const bool summer =
        instant >= lastSunday(chrono::March) && instant < lastSunday(chrono::October);
    return chrono::hours{(zone == SpanishTime::Peninsular ? 1 : 0) + (summer ? 1 : 0)};
}
