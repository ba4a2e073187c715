#include "strength/Shadbala.h"

#include <cmath>

#include "engine/AngleRoutines.h"

namespace zodiora::strength {

namespace {

bool InArc(double x, double from, double to)
{
    return x >= from && x < to;
}

/// Disc diameters for the planetary war, BPHS ch. 27: Mars 9.4, Mercury
/// 6.6, Jupiter 190.4, Venus 16.6, Saturn 158.0 (the luminaries take no part).
double Diameter(Graha graha)
{
    switch (graha) {
    case Graha::Mars: return 9.4;
    case Graha::Mercury: return 6.6;
    case Graha::Jupiter: return 190.4;
    case Graha::Venus: return 16.6;
    case Graha::Saturn: return 158.0;
    default: return 0;
    }
}

bool TakesPartInWar(Graha graha)
{
    return graha != Graha::Sun && graha != Graha::Moon;
}

}  // namespace

double RequiredRupas(Graha graha)
{
    switch (graha) {
    case Graha::Sun: return 5;
    case Graha::Moon: return 6;
    case Graha::Mars: return 5;
    case Graha::Mercury: return 7;
    case Graha::Jupiter: return 6.5;
    case Graha::Venus: return 5.5;
    case Graha::Saturn: return 5;
    }
    return 0;
}

double DigBala(Graha graha, double longitude, double ascendant, double midheaven)
{
    double strongest = ascendant;  // Mercury, Jupiter
    switch (graha) {
    case Graha::Sun: case Graha::Mars: strongest = midheaven; break;
    case Graha::Moon: case Graha::Venus: strongest = midheaven + 180.0; break;
    case Graha::Saturn: strongest = ascendant + 180.0; break;
    default: break;
    }
    return (180.0 - ArcBetween(longitude, strongest)) / 3.0;
}

double NaisargikaBala(Graha graha)
{
    static constexpr std::array<int, GrahaCount> Rank{7, 6, 2, 3, 4, 5, 1};
    return 60.0 * Rank[vedic::IndexOf(graha)] / 7.0;
}

double Drishti(Graha aspecting, double arc)
{
    const double x = NormalizedDegrees(arc);
    double value = 0;
    if (InArc(x, 30, 60)) value = (x - 30.0) / 2.0;
    else if (InArc(x, 60, 90)) value = x - 45.0;
    else if (InArc(x, 90, 120)) value = 30.0 + (120.0 - x) / 2.0;
    else if (InArc(x, 120, 150)) value = 150.0 - x;
    else if (InArc(x, 150, 180)) value = 2.0 * (x - 150.0);
    else if (InArc(x, 180, 300)) value = (300.0 - x) / 2.0;
    if (aspecting == Graha::Saturn && (InArc(x, 60, 90) || InArc(x, 270, 300))) value += 45;
    if (aspecting == Graha::Jupiter && (InArc(x, 120, 150) || InArc(x, 240, 270))) value += 30;
    if (aspecting == Graha::Mars && (InArc(x, 90, 120) || InArc(x, 210, 240))) value += 15;
    return value;
}

double DrikBala(Graha graha, const std::array<double, GrahaCount>& longitudes,
                const std::array<bool, GrahaCount>& benefics)
{
    double sum = 0;
    for (Graha other : vedic::AllGrahas) {
        if (other == graha) continue;
        const double aspect =
            Drishti(other, longitudes[vedic::IndexOf(graha)] - longitudes[vedic::IndexOf(other)]);
        sum += benefics[vedic::IndexOf(other)] ? aspect : -aspect;
    }
    return sum / 4.0;
}

Shadbala ShadbalaOf(const ShadbalaInput& input)
{
    Shadbala result;
    const auto benefics = Benefics(input.longitude);
    const double sun = input.longitude[vedic::IndexOf(Graha::Sun)];
    const double moon = input.longitude[vedic::IndexOf(Graha::Moon)];
    for (Graha graha : vedic::AllGrahas) {
        const std::size_t k = vedic::IndexOf(graha);
        const double lon = input.longitude[k];
        GrahaStrength& s = result.planets[k];
        s.uchcha = UchchaBala(graha, lon);
        s.saptavargaja = SaptavargajaBala(graha, input.longitude);
        s.ojayugma = OjayugmaBala(graha, lon);
        s.kendra = KendraBala(lon, input.ascendant);
        s.drekkana = DrekkanaBala(graha, lon);
        s.sthana = s.uchcha + s.saptavargaja + s.ojayugma + s.kendra + s.drekkana;
        s.dig = DigBala(graha, lon, input.ascendant, input.midheaven);
        s.nathonnata = NathonnataBala(graha, input.hoursFromMidnight);
        s.paksha = PakshaBala(graha, sun, moon, benefics[k]);
        s.tribhaga = TribhagaBala(graha, input.dayBirth, input.partElapsed);
        s.abda = graha == input.yearLord ? 15 : 0;
        s.masa = graha == input.monthLord ? 30 : 0;
        s.vara = graha == input.weekdayLord ? 45 : 0;
        s.hora = graha == input.horaLord ? 60 : 0;
        s.ayana = AyanaBala(graha, input.declination[k]);
        s.chesta = TakesPartInWar(graha) ? input.chestaKendra[k] / 3.0 : 0.0;
        s.naisargika = NaisargikaBala(graha);
        s.drik = DrikBala(graha, input.longitude, benefics);
    }
    // Yuddha: planets (Mars .. Saturn) within a degree of one another are at
    // war; the more northerly wins and takes, from the loser, the difference
    // of their Sthana, Dig and Kala balas up to Hora bala divided by the
    // difference of their discs (BPHS ch. 27).
    for (std::size_t a = 0; a < GrahaCount; ++a) {
        for (std::size_t b = a + 1; b < GrahaCount; ++b) {
            const Graha ga = vedic::AllGrahas[a];
            const Graha gb = vedic::AllGrahas[b];
            if (!TakesPartInWar(ga) || !TakesPartInWar(gb)) continue;
            if (ArcBetween(input.longitude[a], input.longitude[b]) >= 1.0) continue;
            auto before = [&](std::size_t k) {
                const GrahaStrength& s = result.planets[k];
                return s.sthana + s.dig + s.nathonnata + s.paksha + s.tribhaga + s.abda + s.masa + s.vara + s.hora;
            };
            const double discs = std::fabs(Diameter(ga) - Diameter(gb));
            const double share = std::fabs(before(a) - before(b)) / discs;
            const bool aWins = input.latitude[a] > input.latitude[b];
            result.planets[a].yuddha += aWins ? share : -share;
            result.planets[b].yuddha += aWins ? -share : share;
        }
    }
    for (Graha graha : vedic::AllGrahas) {
        GrahaStrength& s = result.planets[vedic::IndexOf(graha)];
        s.kala = s.nathonnata + s.paksha + s.tribhaga + s.abda + s.masa + s.vara + s.hora + s.ayana + s.yuddha;
        s.total = s.sthana + s.dig + s.kala + s.chesta + s.naisargika + s.drik;
        s.rupas = s.total / 60.0;
        s.required = RequiredRupas(graha);
        s.ratio = s.rupas / s.required;
    }
    return result;
}

}  // namespace zodiora::strength
