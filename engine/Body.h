#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace zodiora {

/// The points of a chart, in the order of its position table.
enum class Body : int {
    Sun = 0,
    Moon,
    Mercury,
    Venus,
    Mars,
    Jupiter,
    Saturn,
    Uranus,
    Neptune,
    Pluto,
    Ascendant,
    Rahu,  ///< the Moon's mean ascending node
    Ketu,  ///< opposite Rahu
};

/// The points of the position table: Sun..Pluto and the Ascendant.
inline constexpr int ChartPointCount = 11;

/// Every point a chart holds: the table's and the lunar nodes.
inline constexpr int PointCount = 13;

/// Every point in table order.
inline constexpr std::array<Body, ChartPointCount> AllBodies{
    Body::Sun,     Body::Moon,   Body::Mercury, Body::Venus,   Body::Mars,     Body::Jupiter,
    Body::Saturn,  Body::Uranus, Body::Neptune, Body::Pluto,   Body::Ascendant};

/// Every point, the nodes last.
inline constexpr std::array<Body, PointCount> AllPoints{
    Body::Sun,    Body::Moon,   Body::Mercury, Body::Venus, Body::Mars,      Body::Jupiter, Body::Saturn,
    Body::Uranus, Body::Neptune, Body::Pluto,  Body::Ascendant, Body::Rahu, Body::Ketu};

/// English names in table order; the Ascendant is "Asc" as on the wheel.
inline constexpr std::array<std::string_view, PointCount> BodyNames{
    "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Uranus", "Neptune", "Pluto", "Asc", "Rahu", "Ketu"};

constexpr std::size_t IndexOf(Body body)
{
    return static_cast<std::size_t>(body);
}

constexpr std::string_view NameOf(Body body)
{
    return BodyNames[IndexOf(body)];
}

/// The bodies placed on the wheel and named with a retrograde mark: Sun..Saturn.
inline constexpr int WheelBodyCount = 7;

}  // namespace zodiora
