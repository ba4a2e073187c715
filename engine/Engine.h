#pragma once

#include <array>

#include "birthdata/BirthData.h"
#include "birthdata/UniversalTime.h"
#include "engine/Chart.h"
#include "engine/OrbitalElements.h"

namespace zodiora {

/// Sidereal longitude of the Ascendant, degrees, for a moment and place.
double SiderealAscendant(const UniversalMoment& moment, const Place& place);

/// The same with the moment's Ayanamsa1900At already known, as a chart
/// computes it once for the Ascendant, the planets and the nodes.
double SiderealAscendant(const UniversalMoment& moment, const Place& place, double ayanamsa1900);

/// The 1900-based ayanamsa (degrees, negative) at a moment; shared by the
/// Ascendant and the planets.
double Ayanamsa1900At(const UniversalMoment& moment);

/// Sidereal longitude of the Moon, degrees, with its own 2000-based ayanamsa.
double SiderealMoon(const UniversalMoment& moment);

/// Sidereal longitudes, degrees, of the Sun and Mercury..Pluto in
/// ElementBodyOrder, precessed to the equinox of date.
std::array<double, ElementBodyCount> SiderealPlanets(const UniversalMoment& moment);
std::array<double, ElementBodyCount> SiderealPlanets(const UniversalMoment& moment, double ayanamsa1900);

/// The Julian day (universal time) of a moment.
double JulianDayUt(const UniversalMoment& moment);

/// The whole chart of a moment and place in the chosen settings: Classic
/// from the kernels above, Precise from the Swiss Ephemeris (throws
/// std::runtime_error if it refuses the date, which it does only far
/// outside the years the form offers).
///
/// The classic kernels have their own Lahiri-type ayanamsa. Another
/// ayanamsa is applied to them: every sidereal longitude (planets, Moon,
/// Ascendant, nodes) moves by the difference between the chosen ayanamsa
/// and Lahiri as the Swiss Ephemeris gives both at the moment, so Classic
/// with Lahiri is the program's own method unchanged. The true node of the
/// classic ephemeris is TrueNodeTropical (engine/LunarNode.h).
Chart ComputeChart(const UniversalMoment& moment, const Place& place, const CalculationSettings& settings);

/// The same with every setting but the ephemeris at its default.
Chart ComputeChart(const UniversalMoment& moment, const Place& place, Ephemeris ephemeris = Ephemeris::Classic);

/// The place of a birth record in the engine's sign convention.
Place PlaceOf(const BirthData& birth);

/// The whole chart of a birth record.
Chart ComputeChart(const BirthData& birth, const CalculationSettings& settings);
Chart ComputeChart(const BirthData& birth, Ephemeris ephemeris = Ephemeris::Classic);

}  // namespace zodiora
