// The five parts of Sthana bala (strength/Shadbala.h has the rules).

#include <cmath>

#include "engine/AngleRoutines.h"
#include "strength/Dignity.h"
#include "strength/Shadbala.h"
#include "vedic/Varga.h"

namespace zodiora::strength {

namespace {

using vedic::Varga;

constexpr std::array<Varga, 7> SevenVargas{Varga::D1, Varga::D2, Varga::D3, Varga::D7,
                                           Varga::D9, Varga::D12, Varga::D30};

double RelationVirupas(Compound relation)
{
    switch (relation) {
    case Compound::GreatFriend: return 22.5;
    case Compound::Friend: return 15;
    case Compound::Neutral: return 7.5;
    case Compound::Enemy: return 3.75;
    case Compound::GreatEnemy: return 1.875;
    }
    return 0;
}

/// The moolatrikona signs: Leo, Taurus, Aries, Virgo, Sagittarius, Libra, Aquarius.
int MoolatrikonaSign(Graha graha)
{
    static constexpr std::array<int, GrahaCount> Signs{4, 1, 0, 5, 8, 6, 10};
    return Signs[vedic::IndexOf(graha)];
}

bool Female(Graha graha)
{
    return graha == Graha::Moon || graha == Graha::Venus;
}

}  // namespace

double UchchaBala(Graha graha, double longitude)
{
    return ArcBetween(longitude, ExaltationPoint(graha) + 180.0) / 3.0;
}

double SaptavargajaBala(Graha graha, const std::array<double, GrahaCount>& longitudes)
{
    std::array<int, GrahaCount> birthSigns{};
    for (std::size_t k = 0; k < GrahaCount; ++k) birthSigns[k] = SignOf(longitudes[k]);
    const double longitude = longitudes[vedic::IndexOf(graha)];
    double total = 0;
    for (Varga varga : SevenVargas) {
        const int sign = vedic::VargaSign(longitude, varga);
        const Graha lord = vedic::SignLord(sign);
        if (varga == Varga::D1 && sign == MoolatrikonaSign(graha)) {
            total += 45;
        } else if (lord == graha) {
            total += 30;
        } else {
            total += RelationVirupas(CompoundRelation(graha, lord, birthSigns[vedic::IndexOf(graha)],
                                                      birthSigns[vedic::IndexOf(lord)]));
        }
    }
    return total;
}

double OjayugmaBala(Graha graha, double longitude)
{
    double total = 0;
    for (Varga varga : {Varga::D1, Varga::D9}) {
        const bool oddSign = vedic::VargaSign(longitude, varga) % 2 == 0;  // Aries = 0 is odd
        if (oddSign != Female(graha)) total += 15;
    }
    return total;
}

double KendraBala(double longitude, double ascendant)
{
    const int house = (SignOf(longitude) - SignOf(ascendant) + 12) % 12 + 1;
    switch (house % 3) {
    case 1: return 60;  // 1, 4, 7, 10
    case 2: return 30;  // 2, 5, 8, 11
    default: return 15;
    }
}

double DrekkanaBala(Graha graha, double longitude)
{
    const double lon = NormalizedDegrees(longitude);
    const int third = static_cast<int>((lon - SignOf(lon) * 30.0) / 10.0);
    int favoured = 0;  // male
    if (graha == Graha::Mercury || graha == Graha::Saturn) favoured = 1;
    if (Female(graha)) favoured = 2;
    return third == favoured ? 15 : 0;
}

}  // namespace zodiora::strength
