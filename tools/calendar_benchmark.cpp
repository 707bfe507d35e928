// Prints how long the calendar's facts of a new sheet take: the holidays of a region's year and
// the moon phases of its twelve months.
//   calendar_benchmark [region key] [year]      (madrid 2027 unless told)

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "calendar/holidays.h"
#include "calendar/moon_phases.h"

int main(int argc, char** argv) {
    const char* key = argc > 1 ? argv[1] : "madrid";
    const auto region = FindHolidayRegion(key);
    const auto year = static_cast<std::int16_t>(argc > 2 ? std::atoi(argv[2]) : 2027);
    if (!region || year < 1) {
        std::fprintf(stderr, "usage: calendar_benchmark [region key] [year 1..32767]\n");
        return 2;
    }
    constexpr int Rounds = 1000;
    std::size_t facts = 0;
    const auto microseconds = [&](auto work) {
        const auto start = std::chrono::steady_clock::now();
        for (int round = 0; round < Rounds; ++round) facts += work();
        const std::chrono::duration<double, std::micro> spent =
            std::chrono::steady_clock::now() - start;
        return spent.count() / Rounds;
    };
    const double holidays = microseconds([&] { return HolidaysOf(*region, year).size(); });
    const double phases = microseconds([&] {
        std::size_t count = 0;
        for (std::int16_t month = 1; month <= 12; ++month)
            count += MoonPhasesInMonth(year, month, SpanishTime::Peninsular).size();
        return count;
    });
    std::printf("%s %d: holidays %.1f us, moon phases of the twelve months %.1f us (%zu facts)\n",
                key, year, holidays, phases, facts / Rounds);
}
