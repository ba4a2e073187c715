#include "precise/Stations.h"

#include <swephexp.h>

#include <array>

namespace zodiora::precise {

namespace {

// The motion is sampled at less than half the planet's shortest spell of
// either sign (Mercury's retrograde spell lasts about three weeks, Venus's
// six, Mars's two months, Jupiter's and Saturn's four), so a sample never
// steps over two changes of sign.
double SampleDays(PrecisePoint planet)
{
    switch (planet) {
    case PreciseMercury: return 4;
    case PreciseVenus:
    case PreciseMars: return 8;
    default: return 16;
    }
}
// 2^-12 of a day is 21 seconds: the station is then known to the minute.
constexpr double NarrowestDays = 1.0 / 4096;
// Saturn's longest retrograde spell is under five months; a direct station is
// looked for at most this far after the retrograde one.
constexpr double LongestRetrogradeDays = 200;
// Past a station by this much (an hour) the motion has its new sign.
constexpr double Nudge = 1.0 / 24;

int SwissNumber(PrecisePoint planet)
{
    constexpr std::array<int, PreciseAscendant> numbers{SE_SUN,     SE_MOON,   SE_MERCURY, SE_VENUS,
                                                        SE_MARS,    SE_JUPITER, SE_SATURN, SE_URANUS,
                                                        SE_NEPTUNE, SE_PLUTO};
    return numbers.at(static_cast<std::size_t>(planet));
}

// The moment the motion changes sign between `low` (sign of `lowSpeed`) and `high`.
double Narrow(PrecisePoint planet, double low, double high, double lowSpeed)
{
    while (high - low > NarrowestDays) {
        const double middle = (low + high) / 2;
        const double speed = TropicalSpeed(middle, planet).value_or(lowSpeed);
        if ((speed < 0) == (lowSpeed < 0)) {
            low = middle;
        } else {
            high = middle;
        }
    }
    return (low + high) / 2;
}

// The next change of sign of the motion after `from`, up to `limit`: its moment.
std::optional<double> NextSignChange(PrecisePoint planet, double from, double limit)
{
    const double step = SampleDays(planet);
    auto previous = TropicalSpeed(from, planet);
    if (!previous) return std::nullopt;
    for (double jd = from + step; jd <= limit + step; jd += step) {
        const auto speed = TropicalSpeed(jd, planet);
        if (!speed) return std::nullopt;
        if ((*speed < 0) != (*previous < 0)) return Narrow(planet, jd - step, jd, *previous);
        previous = speed;
    }
    return std::nullopt;
}

}  // namespace

std::optional<double> TropicalSpeed(double jdUt, PrecisePoint planet)
{
    char error[AS_MAXCH];
    double xx[6];
    // Light time applied; no aberration, deflection or nutation: the place the
    // station tables were computed for, so computed and tabled stations agree.
    constexpr int Flags = SEFLG_MOSEPH | SEFLG_SPEED | SEFLG_NOABERR | SEFLG_NOGDEFL | SEFLG_NONUT;
    if (swe_calc_ut(jdUt, SwissNumber(planet), Flags, xx, error) < 0) return std::nullopt;
    return xx[3];
}

std::vector<StationJulianDays> FindStations(PrecisePoint planet, double jdFrom, double jdTo)
{
    std::vector<StationJulianDays> periods;
    double jd = jdFrom;
    while (jd < jdTo) {
        const auto change = NextSignChange(planet, jd, jdTo);
        if (!change || *change >= jdTo) break;
        const auto speedAfter = TropicalSpeed(*change + Nudge, planet);
        if (speedAfter && *speedAfter < 0) {
            const auto direct = NextSignChange(planet, *change + Nudge, *change + LongestRetrogradeDays);
            if (!direct) break;
            periods.push_back({*change, *direct});
            jd = *direct + Nudge;
        } else {
            jd = *change + Nudge;
        }
    }
    return periods;
}

}  // namespace zodiora::precise
