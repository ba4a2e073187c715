#pragma once

// The few astronomical facts the strengths need beside the chart, from the
// Swiss Ephemeris (Moshier, no data files). Private to this library; the
// sunrise is precise/HinduSunrise.h's.

#include <array>
#include <optional>

#include "vedic/Friendship.h"

namespace zodiora::strength::detail {

/// Tropical ecliptic latitude (degrees, north positive) and daily motion
/// in longitude (degrees per day, negative when retrograde) of Sun ..
/// Saturn in weekday order at `jdUt`; empty if the library refuses the date.
struct Motions {
    std::array<double, vedic::GrahaCount> latitude{};
    std::array<double, vedic::GrahaCount> speed{};
};
std::optional<Motions> MotionsAt(double jdUt);

/// The tropical midheaven (degrees) at `jdUt` for a place (latitude north
/// positive, longitude east positive); empty if the library refuses.
std::optional<double> TropicalMidheaven(double jdUt, double latitude, double longitudeEast);

/// The sunrise to sunrise day holding `jdUt`: its sunrise, sunset and the
/// next sunrise (Julian days, universal time), with the centre of the disc
/// on the geometric horizon and no refraction (the Swiss Ephemeris's
/// "Hindu rising", precise::HinduDayAt). Empty where the Sun does not rise
/// or set that day or the library refuses the date.
struct SolarDay {
    double sunrise = 0;
    double sunset = 0;
    double nextSunrise = 0;
};
std::optional<SolarDay> SolarDayAt(double jdUt, double latitude, double longitudeEast);

/// Local apparent minus local mean time at `jdUt`, in days; empty if refused.
std::optional<double> EquationOfTime(double jdUt);

}  // namespace zodiora::strength::detail
