#pragma once

#include <array>

#include "vedic/Friendship.h"

namespace zodiora::strength {

/// Mean tropical longitudes, degrees in [0, 360), referred to the mean
/// equinox of date: the linear terms of J. Meeus, "Astronomical
/// Algorithms", Table 31.A (heliocentric mean longitudes; the mean Sun is
/// the Earth's plus 180°). Good to well under a degree over the centuries
/// the program covers, which is all the chesta kendra needs.
struct MeanLongitudes {
    double sun = 0, mercury = 0, venus = 0, mars = 0, jupiter = 0, saturn = 0;
};

MeanLongitudes MeanLongitudesAt(double julianDay);

/// The chesta kendra (motional anomaly), degrees in [0, 180]: the
/// seeghrochcha less the mean of the planet's mean and true longitudes,
/// taken as at most 180° (B.V. Raman, "Graha and Bhava Balas", ch. VI).
/// For Mars, Jupiter and Saturn the seeghrochcha is the mean Sun and the
/// mean planet their own mean longitude; for Mercury and Venus the mean
/// planet is the mean Sun and the seeghrochcha their own mean longitude.
double ChestaKendra(double seeghrochcha, double mean, double trueLongitude);

/// The chesta kendras of Mars .. Saturn (Sun and Moon 0) at `julianDay`
/// from their true tropical longitudes (weekday order).
std::array<double, vedic::GrahaCount> ChestaKendras(double julianDay,
                                                    const std::array<double, vedic::GrahaCount>& tropical);

}  // namespace zodiora::strength
