// The parts of Kala bala (strength/Shadbala.h has the rules).

#include <algorithm>
#include <cmath>

#include "engine/AngleRoutines.h"
#include "strength/Dignity.h"
#include "strength/Shadbala.h"

namespace zodiora::strength {

namespace {

bool Waxing(double sun, double moon)
{
    return NormalizedDegrees(moon - sun) < 180.0;
}

}  // namespace

double NathonnataBala(Graha graha, double hoursFromMidnight)
{
    if (graha == Graha::Mercury) return 60;
    const double h = std::fmod(std::fmod(hoursFromMidnight, 24.0) + 24.0, 24.0);
    const double day = 60.0 * std::min(h, 24.0 - h) / 12.0;  // 0 at midnight, 60 at noon
    switch (graha) {
    case Graha::Sun: case Graha::Jupiter: case Graha::Venus: return day;
    default: return 60.0 - day;
    }
}

std::array<bool, GrahaCount> Benefics(const std::array<double, GrahaCount>& longitudes)
{
    const double sun = longitudes[vedic::IndexOf(Graha::Sun)];
    const double moon = longitudes[vedic::IndexOf(Graha::Moon)];
    const bool waxing = Waxing(sun, moon);
    std::array<bool, GrahaCount> benefic{};
    benefic[vedic::IndexOf(Graha::Jupiter)] = true;
    benefic[vedic::IndexOf(Graha::Venus)] = true;
    benefic[vedic::IndexOf(Graha::Moon)] = waxing;
    const int mercurySign = SignOf(longitudes[vedic::IndexOf(Graha::Mercury)]);
    int company = 0;  // benefics less malefics in Mercury's sign
    for (Graha other : vedic::AllGrahas) {
        if (other == Graha::Mercury || SignOf(longitudes[vedic::IndexOf(other)]) != mercurySign) continue;
        company += benefic[vedic::IndexOf(other)] ? 1 : -1;
    }
    benefic[vedic::IndexOf(Graha::Mercury)] = company >= 0;
    return benefic;
}

double PakshaBala(Graha graha, double sun, double moon, bool benefic)
{
    const double apart = NormalizedDegrees(moon - sun);
    const double share = (apart > 180.0 ? 360.0 - apart : apart) / 3.0;
    if (graha == Graha::Moon) return 2.0 * share;
    return benefic ? share : 60.0 - share;
}

double TribhagaBala(Graha graha, bool dayBirth, double partElapsed)
{
    if (graha == Graha::Jupiter) return 60;
    const int third = std::clamp(static_cast<int>(partElapsed * 3.0), 0, 2);
    static constexpr std::array<Graha, 3> DayLords{Graha::Mercury, Graha::Sun, Graha::Saturn};
    static constexpr std::array<Graha, 3> NightLords{Graha::Moon, Graha::Venus, Graha::Mars};
    const Graha lord = (dayBirth ? DayLords : NightLords)[static_cast<std::size_t>(third)];
    return lord == graha ? 60 : 0;
}

double AyanaBala(Graha graha, double declination)
{
    double kranti = declination;
    if (graha == Graha::Moon || graha == Graha::Saturn) kranti = -declination;
    if (graha == Graha::Mercury) kranti = std::fabs(declination);
    const double bala = (24.0 + kranti) / 48.0 * 60.0;
    return graha == Graha::Sun ? 2.0 * bala : bala;
}

}  // namespace zodiora::strength
