#pragma once

#include <optional>

#include "engine/Chart.h"
#include "precise/HinduSunrise.h"
#include "precise/SiderealChoice.h"

namespace zodiora::panchang {

/// One limb running at the moment and when it ends (Julian day, universal
/// time, found to a tenth of a second).
struct Limb {
    int number = 0;
    double endJd = 0;
};

/// The panchang of a moment at a place.
struct Panchang {
    Limb tithi;      ///< 1..30 (PanchangLimbs.h)
    Limb nakshatra;  ///< 1..27 (1 = Ashwini), the Moon's
    Limb yoga;       ///< 1..27
    Limb karana;     ///< 1..60
    /// Found, or NoSunrise in a polar day or night; then the times below
    /// and the vara are not given (0).
    precise::SunriseOutcome sunrise = precise::SunriseOutcome::Found;
    double sunriseJd = 0;  ///< the sunrise opening the Hindu day that holds the moment
    double sunsetJd = 0;
    /// Weekday of that sunrise, 1..7 (Sunday = 1): a moment before sunrise
    /// belongs to the previous day's vara.
    int vara = 0;
};

/// The panchang at `jdUt` for a place (latitude north positive, longitude
/// east positive) in the chosen ayanamsa, from the Swiss Ephemeris's
/// apparent Sun and Moon (as the published panchangs reckon it, whatever
/// ephemeris the chart uses); sunrise is precise::HinduDayAt's. Each end is
/// the moment the Moon's elongation (tithi, karana), longitude (nakshatra)
/// or the Sun and Moon's sum (yoga) reaches the limb's last degree, by
/// Newton's method on the bodies' daily motions. Empty when the ephemeris
/// refuses the date (outside 3000 BC .. AD 3000).
std::optional<Panchang> PanchangAt(double jdUt, double latitude, double longitudeEast, AyanamsaKind ayanamsa);

/// The panchang at a chart's moment and place, in its ayanamsa.
std::optional<Panchang> PanchangOf(const Chart& chart);

}  // namespace zodiora::panchang
