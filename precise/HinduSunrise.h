#pragma once

namespace zodiora::precise {

/// How the search for a day's sunrise ended.
enum class SunriseOutcome {
    Found,       ///< the day below is filled in
    NoSunrise,   ///< polar day or night: the Sun does not both rise and set that day at this latitude
    Refused,     ///< the ephemeris refuses the date (outside 3000 BC .. AD 3000)
};

/// The sunrise-to-sunrise day (the Hindu day, ahoratra) holding a moment:
/// its sunrise, sunset and the next sunrise, Julian days in universal time.
struct HinduDay {
    SunriseOutcome outcome = SunriseOutcome::Refused;
    double sunrise = 0;
    double sunset = 0;
    double nextSunrise = 0;
};

/// The Hindu day holding `jdUt` at a place (`latitude` north positive,
/// `longitudeEast` east positive): the last sunrise at or before the moment,
/// the sunset after it and the following sunrise. Sunrise and sunset are the
/// moments the centre of the Sun's disc is on the geometric horizon, with
/// no refraction (the Swiss Ephemeris's "Hindu rising", as the published
/// panchangs reckon it), from its analytic ephemeris. A moment exactly at
/// sunrise belongs to the day that sunrise opens. Thread-safe.
HinduDay HinduDayAt(double jdUt, double latitude, double longitudeEast);

}  // namespace zodiora::precise
