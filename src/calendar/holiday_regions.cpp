#include "calendar/holiday_regions.h"

#include <algorithm>

std::optional<HolidayRegion> FindHolidayRegion(std::string_view key) {
    const auto found = std::ranges::find(HolidayRegions, key, &HolidayRegion::Key);
    if (found == HolidayRegions.end()) return std::nullopt;
    return *found;
}
