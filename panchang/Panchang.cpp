#include "panchang/Panchang.h"

#include <cmath>

#include "engine/Engine.h"
#include "panchang/PanchangLimbs.h"
#include "precise/PreciseEphemeris.h"

namespace zodiora::panchang {

namespace {

using precise::Luminaries;

// An angle of the Sun and the Moon and its motion, degrees and degrees per day.
struct Angle {
    double degrees = 0;
    double speed = 0;
};

Angle ElongationOf(const Luminaries& l) { return {l.moon - l.sun, l.moonSpeed - l.sunSpeed}; }
Angle MoonOf(const Luminaries& l) { return {l.moon, l.moonSpeed}; }
Angle SumOf(const Luminaries& l) { return {l.moon + l.sun, l.moonSpeed + l.sunSpeed}; }

constexpr double ToleranceDays = 1e-6;  // about 0.09 s
constexpr int MaxSteps = 12;

// The first moment after `from` (where the luminaries are `atFrom`) at which
// `angle` reaches `target` degrees (mod 360). The angles grow all the time
// (the Moon is never retrograde), so Newton's step from the motion converges
// in three or four steps from the first guess.
template <typename AngleOf>
std::optional<double> Reach(double from, const Luminaries& atFrom, double target, AngleOf angleOf,
                            AyanamsaKind ayanamsa)
{
    const Angle start = angleOf(atFrom);
    double jd = from + std::fmod(std::fmod(target - start.degrees, 360.0) + 360.0, 360.0) / start.speed;
    for (int step = 0; step < MaxSteps; ++step) {
        const auto at = precise::LuminariesAt(jd, ayanamsa);
        if (!at) return std::nullopt;
        const Angle angle = angleOf(*at);
        const double move = std::remainder(target - angle.degrees, 360.0) / angle.speed;
        jd += move;
        if (std::abs(move) < ToleranceDays) return jd;
    }
    return jd;
}

}  // namespace

std::optional<Panchang> PanchangAt(double jdUt, double latitude, double longitudeEast, AyanamsaKind ayanamsa)
{
    const auto now = precise::LuminariesAt(jdUt, ayanamsa);
    if (!now) return std::nullopt;
    Panchang panchang;
    panchang.tithi.number = TithiNumber(now->moon, now->sun);
    panchang.karana.number = KaranaNumber(now->moon, now->sun);
    panchang.nakshatra.number = static_cast<int>(std::floor(now->moon / NakshatraDegrees)) % 27 + 1;
    panchang.yoga.number = YogaNumber(now->moon, now->sun);

    const auto tithiEnd = Reach(jdUt, *now, panchang.tithi.number * TithiDegrees, ElongationOf, ayanamsa);
    // A karana in the second half of its tithi ends with it.
    const auto karanaEnd = panchang.karana.number % 2 == 0
                               ? tithiEnd
                               : Reach(jdUt, *now, panchang.karana.number * KaranaDegrees, ElongationOf, ayanamsa);
    const auto nakshatraEnd = Reach(jdUt, *now, panchang.nakshatra.number * NakshatraDegrees, MoonOf, ayanamsa);
    const auto yogaEnd = Reach(jdUt, *now, panchang.yoga.number * YogaDegrees, SumOf, ayanamsa);
    if (!tithiEnd || !karanaEnd || !nakshatraEnd || !yogaEnd) return std::nullopt;
    panchang.tithi.endJd = *tithiEnd;
    panchang.karana.endJd = *karanaEnd;
    panchang.nakshatra.endJd = *nakshatraEnd;
    panchang.yoga.endJd = *yogaEnd;

    const precise::HinduDay day = precise::HinduDayAt(jdUt, latitude, longitudeEast);
    if (day.outcome == precise::SunriseOutcome::Refused) return std::nullopt;
    panchang.sunrise = day.outcome;
    if (day.outcome == precise::SunriseOutcome::Found) {
        panchang.sunriseJd = day.sunrise;
        panchang.sunsetJd = day.sunset;
        panchang.vara = WeekdayAt(day.sunrise, longitudeEast);
    }
    return panchang;
}

std::optional<Panchang> PanchangOf(const Chart& chart)
{
    return PanchangAt(JulianDayUt(chart.moment), chart.place.latitude, -chart.place.longitudeWest,
                      chart.settings.ayanamsa);
}

}  // namespace zodiora::panchang
