#pragma once
// The principal phases of the moon and the days they fall on in Spain. The instants come from
// the lunar-phase series of Meeus, Astronomical Algorithms, ch. 49 (mean lunations, periodic
// terms and planetary arguments, in dynamical time), turned into UT with the Espenak-Meeus
// polynomials for Delta T: from 1900 to 2100, within a minute or two of the published tables.
// Far from the present they are a forecast, less exact the further away.

#include <chrono>
#include <cstdint>
#include <vector>

#include "calendar/spanish_time.h"

enum class MoonPhase { New, FirstQuarter, Full, LastQuarter };

struct PhaseInstant {
    MoonPhase Phase;
    std::chrono::sys_seconds Ut;
};

// Every phase at or after `from` and before `to`, in order of time.
std::vector<PhaseInstant> MoonPhasesBetween(std::chrono::sys_seconds from,
                                            std::chrono::sys_seconds to);

struct PhaseDay {
    std::int16_t Day;
    MoonPhase Phase;
    bool operator==(const PhaseDay&) const = default;
};

// The phases whose date in the zone's time falls in a month 1..12 of a year 1..32767, by day of
// the month, in order: three to five, and two of them may share a day. None for any other month.
std::vector<PhaseDay> MoonPhasesInMonth(std::int16_t year, std::int16_t month, SpanishTime zone);
