#pragma once

#include <array>
#include <optional>

#include "engine/Chart.h"
#include "strength/Ashtakavarga.h"
#include "strength/Dignity.h"
#include "strength/Shadbala.h"

namespace zodiora::strength {

/// Sidereal longitudes of Sun .. Saturn in weekday order (the kernels'
/// order, not the chart's table order).
std::array<double, GrahaCount> GrahaLongitudes(const Chart& chart);

/// Dignity, combustion and aspects of the chart's planets; a planet is
/// retrograde when the Swiss Ephemeris gives it a negative daily motion at
/// the moment (for any date, unlike the station tables of retrogrades/).
Dignities ChartDignities(const Chart& chart);

/// The chart's Ashtakavarga (the signs of its seven planets and Ascendant).
Ashtakavarga ChartAshtakavarga(const Chart& chart, AshtakavargaTable table = AshtakavargaTable::NarasimhaRao);

/// The numbers Shadbala needs, worked out for the chart's moment and place:
/// the midheaven (the 10th bhava); the kranti of each planet from its
/// tropical longitude with the obliquity of 24° the books' tables use; the
/// ecliptic latitudes (for a planetary war); the chesta kendras
/// (strength/MeanPlanets.h); the local apparent time; sunrise and sunset;
/// the lords of the year, month, weekday (the day running from sunrise)
/// and hora (strength/TimeLords.h). Empty where the Sun does not rise or
/// set on the birth day (far north or south) or the ephemeris refuses the date.
std::optional<ShadbalaInput> ShadbalaInputOf(const Chart& chart);

/// ShadbalaOf(ShadbalaInputOf(chart)), or empty as above.
std::optional<Shadbala> ChartShadbala(const Chart& chart);

}  // namespace zodiora::strength
