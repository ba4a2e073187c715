#include "margins/ClassicError.h"

#include <cmath>

namespace zodiora::margins {

namespace {

/// Degrees from `longitude` to the nearest multiple of `width`.
double DistanceToEdge(double longitude, double width)
{
    const double into = std::fmod(longitude, width);
    return std::min(into, width - into);
}

}  // namespace

std::string_view BoundaryName(Boundary boundary)
{
    switch (boundary) {
    case Boundary::Sign: return "sign";
    case Boundary::Nakshatra: return "nakshatra";
    case Boundary::Navamsa: return "navamsa";
    }
    return {};
}

std::vector<ClassicWarning> ClassicWarnings(const Chart& chart)
{
    std::vector<ClassicWarning> warnings;
    if (chart.settings.ephemeris != Ephemeris::Classic) return warnings;
    constexpr std::array<std::pair<Boundary, double>, 3> Edges{
        {{Boundary::Sign, 30.0}, {Boundary::Nakshatra, 40.0 / 3.0}, {Boundary::Navamsa, 10.0 / 3.0}}};
    for (const ClassicError& bound : ClassicWorstErrors) {
        const double error = bound.arcMinutes / 60.0;
        for (const auto& [boundary, width] : Edges) {
            const double distance = DistanceToEdge(chart.longitude(bound.point), width);
            if (distance <= error) {
                warnings.push_back({bound.point, boundary, distance, error});
                break;
            }
        }
    }
    return warnings;
}

}  // namespace zodiora::margins
