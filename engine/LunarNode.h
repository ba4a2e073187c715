#pragma once

#include "precise/SiderealChoice.h"

namespace zodiora {

/// Tropical longitude of the Moon's mean ascending node in degrees,
/// [0, 360), for the Julian day `jd` (universal time stands in for
/// dynamical time: the node moves 0.05° a day, so the minute or so between
/// them moves it by less than 0.2″). Mean-node polynomial in Julian
/// centuries from J2000 (J. Meeus, Astronomical Algorithms, ch. 47).
double MeanNodeTropical(double jd);

/// The largest difference, degrees, between TrueNodeTropical and the Swiss
/// Ephemeris's true (osculating) node, SE_TRUE_NODE, from 1901 to 2050:
/// 0.2955° (in 1918) measured every 0.05 days. Five periodic terms leave
/// the osculating node's smaller wobbles out; tests/engine/LunarNodeTest.cpp
/// holds the classic node to it.
inline constexpr double TrueNodeTolerance = 0.30;

/// Tropical longitude of the Moon's true ascending node in degrees,
/// [0, 360), for the Julian day `jd` (universal time for dynamical time, as
/// above): the mean node plus the five largest periodic terms of J. Meeus,
/// Astronomical Algorithms, ch. 47 ("true ascending node"), in the Moon's
/// mean elongation D, the Sun's mean anomaly M, the Moon's mean anomaly M′
/// and argument of latitude F. Within TrueNodeTolerance of SE_TRUE_NODE.
double TrueNodeTropical(double jd);

/// Rahu (the ascending node) and Ketu (opposite it), sidereal degrees in [0, 360).
struct LunarNodes {
    double rahu = 0;
    double ketu = 0;
};

/// The mean nodes at `jd` in the sidereal zodiac: the tropical node plus
/// `tropicalToSidereal` degrees, the correction added to a tropical
/// longitude to make it sidereal (negative: minus the ayanamsa).
LunarNodes MeanNodes(double jd, double tropicalToSidereal);

/// The mean or true nodes at `jd`, sidereal as MeanNodes.
LunarNodes NodesAt(double jd, double tropicalToSidereal, NodeKind kind);

}  // namespace zodiora
