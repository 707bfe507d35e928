#include <gtest/gtest.h>

#include <chrono>

#include "calendar/easter.h"

namespace {

using namespace std::chrono;

LocalDate Date(int y, int m, int d) {
    return {static_cast<std::int16_t>(y), static_cast<std::int16_t>(m),
            static_cast<std::int16_t>(d)};
}

bool IsSunday(int y, int m, int d) {
    return weekday{sys_days{year{y} / m / d}} == Sunday;
}

TEST(EasterSunday, KnownYearsAndEveryYearASundayFrom22MarchTo25April) {
    for (const LocalDate& known :
         {Date(1818, 3, 22), Date(1943, 4, 25), Date(2000, 4, 23), Date(2025, 4, 20),
          Date(2026, 4, 5), Date(2027, 3, 28), Date(2285, 3, 22)})
        EXPECT_TRUE(EasterSunday(known.Year) == known) << known.Year;
    for (int y = 1; y <= 32767; ++y) {
        const LocalDate easter = EasterSunday(y);
        ASSERT_TRUE(IsSunday(y, easter.Month, easter.Day)) << y;
        ASSERT_TRUE(Date(y, 3, 22) <= easter && easter <= Date(y, 4, 25)) << y;
    }
}

}  // namespace
