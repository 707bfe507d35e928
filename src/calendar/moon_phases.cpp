#include "calendar/moon_phases.h"

#include <cmath>
#include <iterator>
#include <numbers>

namespace {

namespace chrono = std::chrono;

// Julian days of the mean new moon of lunation 0 (6 January 2000, in dynamical time), of
// 1 January 2000 at 0 h and of 1 January 1970 at 0 h; the mean synodic month in days.
constexpr double LunationZero = 2451550.09766;
constexpr double Year2000Start = 2451544.5;
constexpr double UnixEpoch = 2440587.5;
constexpr double SynodicMonth = 29.530588861;
constexpr double SecondsPerDay = 86400;

// The mean elements at a lunation, in radians, and the powers 0..2 of E, the factor of the
// earth's orbital eccentricity.
struct Elements {
    double EPowers[3];
    double M;       // the sun's mean anomaly
    double MPrime;  // the moon's mean anomaly
    double F;       // the moon's argument of latitude
    double Omega;   // the longitude of the moon's ascending node
};

// A periodic term's argument, in multiples of M, M', F and Omega, and the power of E that
// multiplies its sine.
struct Argument {
    int EPower, M, MPrime, F, Omega;
};

// The terms of new and full moons share their arguments (Meeus, table 49.A).
struct SyzygyTerm {
    double NewMoon, FullMoon;
    Argument Of;
};
constexpr SyzygyTerm SyzygyTerms[] = {
    {-0.40720, -0.40614, {0, 0, 1, 0, 0}},   {0.17241, 0.17302, {1, 1, 0, 0, 0}},
    {0.01608, 0.01614, {0, 0, 2, 0, 0}},     {0.01039, 0.01043, {0, 0, 0, 2, 0}},
    {0.00739, 0.00734, {1, -1, 1, 0, 0}},    {-0.00514, -0.00515, {1, 1, 1, 0, 0}},
    {0.00208, 0.00209, {2, 2, 0, 0, 0}},     {-0.00111, -0.00111, {0, 0, 1, -2, 0}},
    {-0.00057, -0.00057, {0, 0, 1, 2, 0}},   {0.00056, 0.00056, {1, 1, 2, 0, 0}},
    {-0.00042, -0.00042, {0, 0, 3, 0, 0}},   {0.00042, 0.00042, {1, 1, 0, 2, 0}},
    {0.00038, 0.00038, {1, 1, 0, -2, 0}},    {-0.00024, -0.00024, {1, -1, 2, 0, 0}},
    {-0.00017, -0.00017, {0, 0, 0, 0, 1}},   {-0.00007, -0.00007, {0, 2, 1, 0, 0}},
    {0.00004, 0.00004, {0, 0, 2, -2, 0}},    {0.00004, 0.00004, {0, 3, 0, 0, 0}},
    {0.00003, 0.00003, {0, 1, 1, -2, 0}},    {0.00003, 0.00003, {0, 0, 2, 2, 0}},
    {-0.00003, -0.00003, {0, 1, 1, 2, 0}},   {0.00003, 0.00003, {0, -1, 1, 2, 0}},
    {-0.00002, -0.00002, {0, -1, 1, -2, 0}}, {-0.00002, -0.00002, {0, 1, 3, 0, 0}},
    {0.00002, 0.00002, {0, 0, 4, 0, 0}},
};

struct QuarterTerm {
    double Coefficient;
    Argument Of;
};
constexpr QuarterTerm QuarterTerms[] = {
    {-0.62801, {0, 0, 1, 0, 0}}, {0.17172, {1, 1, 0, 0, 0}},    {-0.01183, {1, 1, 1, 0, 0}},
    {0.00862, {0, 0, 2, 0, 0}},  {0.00804, {0, 0, 0, 2, 0}},    {0.00454, {1, -1, 1, 0, 0}},
    {0.00204, {2, 2, 0, 0, 0}},  {-0.00180, {0, 0, 1, -2, 0}},  {-0.00070, {0, 0, 1, 2, 0}},
    {-0.00040, {0, 0, 3, 0, 0}}, {-0.00034, {1, -1, 2, 0, 0}},  {0.00032, {1, 1, 0, 2, 0}},
    {0.00032, {1, 1, 0, -2, 0}}, {-0.00028, {2, 2, 1, 0, 0}},   {0.00027, {1, 1, 2, 0, 0}},
    {-0.00017, {0, 0, 0, 0, 1}}, {-0.00005, {0, -1, 1, -2, 0}}, {0.00004, {0, 0, 2, 2, 0}},
    {-0.00004, {0, 1, 1, 2, 0}}, {0.00004, {0, -2, 1, 0, 0}},   {0.00003, {0, 1, 1, -2, 0}},
    {0.00003, {0, 3, 0, 0, 0}},  {0.00002, {0, 0, 2, -2, 0}},   {0.00002, {0, -1, 1, 2, 0}},
    {-0.00002, {0, 1, 3, 0, 0}},
};

// The planetary arguments A1..A14: Coefficient * sin(Start + PerLunation * k + PerT2 * T^2).
struct PlanetaryTerm {
    double Coefficient, Start, PerLunation, PerT2;
};
constexpr PlanetaryTerm PlanetaryTerms[] = {
    {0.000325, 299.77, 0.107408, -0.009173}, {0.000165, 251.88, 0.016321, 0},
    {0.000164, 251.83, 26.651886, 0},        {0.000126, 349.42, 36.412478, 0},
    {0.000110, 84.66, 18.206239, 0},         {0.000062, 141.74, 53.303771, 0},
    {0.000060, 207.14, 2.453732, 0},         {0.000056, 154.84, 7.306860, 0},
    {0.000047, 34.52, 27.261239, 0},         {0.000042, 207.19, 0.121824, 0},
    {0.000040, 291.34, 1.844379, 0},         {0.000037, 161.72, 24.198154, 0},
    {0.000035, 239.56, 25.513099, 0},        {0.000023, 331.55, 3.592518, 0},
};

// Delta T = TD - UT, in seconds: the Espenak-Meeus polynomials in (year - Epoch) from 1900 to
// 2050; beyond, their long-term parabola, joined to them by a linear term until 2150.
struct DeltaTPiece {
    double From, Epoch;
    double Coefficients[6];
};
constexpr DeltaTPiece DeltaTPieces[] = {
    {1900, 1900, {-2.79, 1.494119, -0.0598939, 0.0061966, -0.000197}},
    {1920, 1920, {21.20, 0.84493, -0.076100, 0.0020936}},
    {1941, 1950, {29.07, 0.407, -1 / 233.0, 1 / 2547.0}},
    {1961, 1975, {45.45, 1.067, -1 / 260.0, -1 / 718.0}},
    {1986, 2000, {63.86, 0.3345, -0.060374, 0.0017275, 0.000651814, 0.00002373599}},
    {2005, 2000, {62.92, 0.32217, 0.005589}},
};

double DeltaTSeconds(double year) {
    const double u = (year - 1820) / 100;
    const double longTerm = -20 + 32 * u * u;
    if (year < DeltaTPieces[0].From || year >= 2150) return longTerm;
    if (year >= 2050) return longTerm - 0.5628 * (2150 - year);
    const DeltaTPiece* piece = DeltaTPieces;
    while (piece + 1 != std::end(DeltaTPieces) && year >= piece[1].From) ++piece;
    double seconds = 0;
    for (int power = 5; power >= 0; --power)
        seconds = seconds * (year - piece->Epoch) + piece->Coefficients[power];
    return seconds;
}

double Radians(double degrees) {
    return std::fmod(degrees, 360) * std::numbers::pi / 180;
}

double Sine(const Argument& argument, const Elements& at) {
    return at.EPowers[argument.EPower] * std::sin(argument.M * at.M + argument.MPrime * at.MPrime +
                                                  argument.F * at.F + argument.Omega * at.Omega);
}

// The instant of a phase of a lunation counted from lunation 0, as a Julian day in UT.
double PhaseJulianDay(double lunation, MoonPhase phase) {
    const double k = lunation + static_cast<int>(phase) / 4.0;
    const double t = k / 1236.85;  // Julian centuries from 2000
    const double t2 = t * t, t3 = t2 * t, t4 = t3 * t;
    const double e = 1 - 0.002516 * t - 0.0000074 * t2;
    const Elements at{
        {1, e, e * e},
        Radians(2.5534 + 29.10535670 * k - 0.0000014 * t2 - 0.00000011 * t3),
        Radians(201.5643 + 385.81693528 * k + 0.0107582 * t2 + 0.00001238 * t3 - 0.000000058 * t4),
        Radians(160.7108 + 390.67050284 * k - 0.0016118 * t2 - 0.00000227 * t3 + 0.000000011 * t4),
        Radians(124.7746 - 1.56375588 * k + 0.0020672 * t2 + 0.00000215 * t3),
    };
    double day =
        LunationZero + SynodicMonth * k + 0.00015437 * t2 - 0.000000150 * t3 + 0.00000000073 * t4;
    if (phase == MoonPhase::New || phase == MoonPhase::Full) {
        for (const SyzygyTerm& term : SyzygyTerms)
            day += (phase == MoonPhase::New ? term.NewMoon : term.FullMoon) * Sine(term.Of, at);
    } else {
        for (const QuarterTerm& term : QuarterTerms) day += term.Coefficient * Sine(term.Of, at);
        const double w = 0.00306 - 0.00038 * e * std::cos(at.M) + 0.00026 * std::cos(at.MPrime) -
                         0.00002 * std::cos(at.MPrime - at.M) +
                         0.00002 * std::cos(at.MPrime + at.M) + 0.00002 * std::cos(2 * at.F);
        day += phase == MoonPhase::FirstQuarter ? w : -w;
    }
    for (const PlanetaryTerm& term : PlanetaryTerms)
        day += term.Coefficient *
               std::sin(Radians(term.Start + term.PerLunation * k + term.PerT2 * t2));
    return day - DeltaTSeconds(2000 + (day - Year2000Start) / 365.2425) / SecondsPerDay;
}

chrono::sys_seconds PhaseUt(double lunation, MoonPhase phase) {
    const double days = PhaseJulianDay(lunation, phase) - UnixEpoch;
    return chrono::sys_seconds{chrono::seconds{std::llround(days * SecondsPerDay)}};
}

}  // namespace

std::vector<PhaseInstant> MoonPhasesBetween(chrono::sys_seconds from, chrono::sys_seconds to) {
    // From the last new moon before `from`: the mean motion finds its lunation to within days
    // near 2000; far away, where Delta T and the secular terms grow, the search goes back further.
    const double fromDay = UnixEpoch + from.time_since_epoch().count() / SecondsPerDay;
    double lunation = std::floor((fromDay - LunationZero) / SynodicMonth);
    while (PhaseUt(lunation, MoonPhase::New) > from) --lunation;
    std::vector<PhaseInstant> phases;
    for (;; ++lunation)
        for (const MoonPhase phase :
             {MoonPhase::New, MoonPhase::FirstQuarter, MoonPhase::Full, MoonPhase::LastQuarter}) {
            const chrono::sys_seconds instant = PhaseUt(lunation, phase);
            if (instant >= to) return phases;
            if (instant >= from) phases.push_back({phase, instant});
        }
}

std::vector<PhaseDay> MoonPhasesInMonth(std::int16_t year, std::int16_t month, SpanishTime zone) {
    if (year < 1 || month < 1 || month > 12) return {};
    const chrono::year_month yearMonth = chrono::year{year} / month;
    const chrono::sys_days first{yearMonth / 1};
    const chrono::sys_days end = chrono::sys_days{yearMonth / chrono::last} + chrono::days{1};
    std::vector<PhaseDay> days;
    // Spanish time is ahead of UT by less than a day.
    for (const PhaseInstant& phase : MoonPhasesBetween(first - chrono::days{1}, end)) {
        const chrono::sys_seconds local = phase.Ut + UtcOffset(zone, phase.Ut);
        if (local >= first && local < end)
            days.push_back({static_cast<std::int16_t>(
                                (chrono::floor<chrono::days>(local) - first).count() + 1),
                            phase.Phase});
    }
    return days;
}
