#include "transits/Transits.h"

#include <chrono>
#include <cmath>
#include <stdexcept>

#include "engine/Engine.h"
#include "precise/PreciseEphemeris.h"
#include "retrogrades/Retrogrades.h"
#include "vedic/LocalDate.h"

namespace zodiora::transits {

namespace {

// The moment as the engine takes it: the universal date as the "local" one.
UniversalMoment MomentOf(double jdUt)
{
    using namespace std::chrono;
    const auto seconds = static_cast<long long>(std::floor((jdUt - vedic::UnixEpochJd) * 86400.0 + 0.5));
    const sys_seconds moment{std::chrono::seconds{seconds}};
    const auto day = floor<days>(moment);
    const year_month_day date{day};
    const hh_mm_ss clock{moment - day};
    UniversalMoment universal;
    universal.localYear = static_cast<int>(date.year());
    universal.localMonth = static_cast<int>(static_cast<unsigned>(date.month()));
    universal.localDay = static_cast<int>(static_cast<unsigned>(date.day()));
    universal.hours = (jdUt - (vedic::UnixEpochJd + day.time_since_epoch().count())) * 24.0;
    universal.utc = {universal.localYear,
                     universal.localMonth,
                     universal.localDay,
                     static_cast<int>(clock.hours().count()),
                     static_cast<int>(clock.minutes().count()),
                     static_cast<int>(clock.seconds().count())};
    return universal;
}

int UniversalYear(double jdUt) { return MomentOf(jdUt).localYear; }

}  // namespace

bool EphemerisCovers(Ephemeris ephemeris, double jdUt)
{
    if (!std::isfinite(jdUt) || jdUt < 625673.5 || jdUt > 2816787.5) return false;
    if (ephemeris == Ephemeris::Precise) return true;
    const int year = UniversalYear(jdUt);
    return year >= 1901 && year <= 2050;
}

int SignIndex(double longitude) { return static_cast<int>(std::floor(longitude / 30.0)) % 12; }

int HouseFrom(int sign, int from) { return (sign - from + 12) % 12 + 1; }

std::optional<Transits> TransitsAt(const Chart& natal, double jdUt)
{
    if (!EphemerisCovers(natal.settings.ephemeris, jdUt)) return std::nullopt;
    Transits transits;
    transits.jdUt = jdUt;
    const UniversalMoment moment = MomentOf(jdUt);
    try {
        transits.sky = ComputeChart(moment, natal.place, natal.settings);
    } catch (const std::runtime_error&) {
        return std::nullopt;
    }
    if (natal.settings.ephemeris == Ephemeris::Classic) {
        const RetrogradeFlags flags = ComputeRetrogradeFlags(moment.utc);
        for (std::size_t k = 0; k < transits.retrograde.size(); ++k) transits.retrograde[k] = flags.byBody[k];
    } else {
        const auto positions = precise::ComputePrecise(jdUt, natal.place.latitude, -natal.place.longitudeWest,
                                                       precise::PreciseSpeeds::Include, natal.settings.ayanamsa,
                                                       natal.settings.node);
        if (!positions) return std::nullopt;
        // PrecisePoint follows the chart's body order from the Sun to Saturn.
        for (std::size_t k = 2; k < transits.retrograde.size(); ++k) {
            transits.retrograde[k] = positions->speed[k] < 0;
        }
    }
    const int lagna = SignIndex(natal.longitude(Body::Ascendant));
    const int moon = SignIndex(natal.longitude(Body::Moon));
    for (std::size_t k = 0; k < PointCount; ++k) {
        const int sign = SignIndex(transits.sky.longitudes[k]);
        transits.sign[k] = sign + 1;
        transits.houseFromLagna[k] = HouseFrom(sign, lagna);
        transits.houseFromMoon[k] = HouseFrom(sign, moon);
    }
    return transits;
}

}  // namespace zodiora::transits
