#pragma once
// Spain's two civil times: peninsular time (also the Balearic Islands', Ceuta's and Melilla's),
// UT + 1 hour, and Canary time, UT. Both add an hour of summer time from 01:00 UT on the last
// Sunday of March to 01:00 UT on the last Sunday of October.

#include <chrono>

enum class SpanishTime { Peninsular, Canary };

// How far the zone's clocks are ahead of UT at an instant.
std::chrono::seconds UtcOffset(SpanishTime zone, std::chrono::sys_seconds instant);
