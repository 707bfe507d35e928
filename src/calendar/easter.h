#pragma once
// Easter Sunday by the Gregorian computus.

#include <cstdint>

#include "platform/clock.h"

// Easter Sunday of a year 1..32767 of the (proleptic) Gregorian calendar: 22 March to 25 April.
LocalDate EasterSunday(std::int16_t year);
