#include "app/document/kept_memorized_days.h"

bool KeptMemorizedDays::IsMemorized(std::int16_t month, std::int16_t dayOfMonth) const {
    return File.Load().Dates.Find(month, dayOfMonth) != nullptr;
}

bool KeptMemorizedDays::Memorize(std::int16_t month, std::int16_t dayOfMonth, const Day& dressing) {
    MemorizedDates dates = File.Load().Dates;
    dates.Keep(month, dayOfMonth, dressing);
    return File.Save(dates);
}

bool KeptMemorizedDays::Forget(std::int16_t month, std::int16_t dayOfMonth) {
    MemorizedDates dates = File.Load().Dates;
    return !dates.Forget(month, dayOfMonth) || File.Save(dates);
}
