#include "strength/ChartStrength.h"

#include <cmath>
#include <numbers>

#include "engine/AngleRoutines.h"
#include "engine/Engine.h"
#include "strength/MeanPlanets.h"
#include "strength/SkyFacts.h"
#include "strength/TimeLords.h"

namespace zodiora::strength {

namespace {

// The chart's points for Sun .. Saturn in weekday order.
constexpr std::array<Body, GrahaCount> ChartBodies{Body::Sun,     Body::Moon,  Body::Mars,  Body::Mercury,
                                                   Body::Jupiter, Body::Venus, Body::Saturn};

constexpr double Degree = std::numbers::pi / 180.0;

/// The obliquity of the books' kranti tables (Surya Siddhanta: 24°).
constexpr double KrantiObliquity = 24.0;

double LongitudeEast(const Chart& chart)
{
    return -chart.place.longitudeWest;
}

long long LocalDayNumber(double jdUt, double longitudeEast)
{
    return static_cast<long long>(std::floor(jdUt + 0.5 + longitudeEast / 360.0));
}

}  // namespace

std::array<double, GrahaCount> GrahaLongitudes(const Chart& chart)
{
    std::array<double, GrahaCount> longitudes{};
    for (std::size_t k = 0; k < GrahaCount; ++k) longitudes[k] = chart.longitude(ChartBodies[k]);
    return longitudes;
}

Dignities ChartDignities(const Chart& chart)
{
    std::array<bool, GrahaCount> retrograde{};
    if (const auto motions = detail::MotionsAt(JulianDayUt(chart.moment))) {
        for (std::size_t k = 0; k < GrahaCount; ++k) retrograde[k] = motions->speed[k] < 0;
    }
    return DignitiesOf(GrahaLongitudes(chart), retrograde);
}

Ashtakavarga ChartAshtakavarga(const Chart& chart, AshtakavargaTable table)
{
    std::array<int, ContributorCount> signs{};
    for (std::size_t k = 0; k < GrahaCount; ++k) signs[k] = SignOf(chart.longitude(ChartBodies[k]));
    signs[LagnaContributor] = SignOf(chart.longitude(Body::Ascendant));
    return AshtakavargaOf(signs, table);
}

std::optional<ShadbalaInput> ShadbalaInputOf(const Chart& chart)
{
    const double jd = JulianDayUt(chart.moment);
    const double lat = chart.place.latitude;
    const double lonEast = LongitudeEast(chart);
    const auto motions = detail::MotionsAt(jd);
    const auto midheaven = detail::TropicalMidheaven(jd, lat, lonEast);
    const auto day = detail::SolarDayAt(jd, lat, lonEast);
    const auto equation = detail::EquationOfTime(jd);
    if (!motions || !midheaven || !day || !equation) return std::nullopt;

    ShadbalaInput input;
    input.longitude = GrahaLongitudes(chart);
    input.ascendant = chart.longitude(Body::Ascendant);
    input.midheaven = NormalizedDegrees(*midheaven - chart.ayanamsaDegrees);
    std::array<double, GrahaCount> tropical{};
    for (std::size_t k = 0; k < GrahaCount; ++k) {
        tropical[k] = NormalizedDegrees(input.longitude[k] + chart.ayanamsaDegrees);
        input.declination[k] = std::asin(std::sin(KrantiObliquity * Degree) * std::sin(tropical[k] * Degree)) / Degree;
    }
    input.latitude = motions->latitude;
    input.chestaKendra = ChestaKendras(jd, tropical);

    const double localMeanHours = std::fmod(jd + 0.5 + lonEast / 360.0, 1.0) * 24.0;
    input.hoursFromMidnight = std::fmod(localMeanHours + *equation * 24.0 + 48.0, 24.0);
    input.dayBirth = jd < day->sunset;
    input.partElapsed = input.dayBirth ? (jd - day->sunrise) / (day->sunset - day->sunrise)
                                       : (jd - day->sunset) / (day->nextSunrise - day->sunset);

    const long long dayNumber = LocalDayNumber(day->sunrise, lonEast);
    const long long ahargana = Ahargana(dayNumber);
    input.yearLord = YearLord(ahargana);
    input.monthLord = MonthLord(ahargana);
    input.weekdayLord = WeekdayLord(dayNumber);
    input.horaLord = HoraLord(input.weekdayLord, static_cast<int>(std::floor((jd - day->sunrise) * 24.0)));
    return input;
}

std::optional<Shadbala> ChartShadbala(const Chart& chart)
{
    const auto input = ShadbalaInputOf(chart);
    if (!input) return std::nullopt;
    return ShadbalaOf(*input);
}

}  // namespace zodiora::strength
