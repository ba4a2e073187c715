#pragma once

namespace zodiora::vedic {

/// Tropical longitude of the Moon's mean ascending node in degrees,
/// [0, 360), for the Julian day `jd` (universal time stands in for
/// dynamical time: the node moves 0.05° a day, so the minute or so between
/// them moves it by less than 0.2″). Mean-node polynomial in Julian
/// centuries from J2000 (J. Meeus, Astronomical Algorithms, ch. 47).
double MeanNodeTropical(double jd);

/// Rahu (the mean ascending node) and Ketu (opposite it), sidereal degrees in [0, 360).
struct LunarNodes {
    double rahu = 0;
    double ketu = 0;
};

/// The mean nodes at `jd` in the sidereal zodiac: the tropical node plus
/// `tropicalToSidereal` degrees, the correction added to a tropical
/// longitude to make it sidereal (negative: minus the ayanamsa).
LunarNodes MeanNodes(double jd, double tropicalToSidereal);

}  // namespace zodiora::vedic
