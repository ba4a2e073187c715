#include "strength/Dignity.h"

#include <cmath>

#include "engine/AngleRoutines.h"

namespace zodiora::strength {

namespace {

using vedic::Relation;

struct Rules {
    int exaltationSign;
    double exaltationDegree;     ///< within the sign
    double exaltedUpTo;          ///< the end of the exalted part of that sign (30 = whole sign)
    int moolatrikonaSign;
    double moolatrikonaFrom;
    double moolatrikonaTo;
    std::array<int, 2> ownSigns;  ///< the second repeats the first for the luminaries
};

// BPHS ch. 3, weekday order.
constexpr std::array<Rules, GrahaCount> Table{{
    {0, 10, 30, 4, 0, 20, {4, 4}},    // Sun: Aries; Leo
    {1, 3, 3, 1, 3, 30, {3, 3}},      // Moon: Taurus; Cancer
    {9, 28, 30, 0, 0, 12, {0, 7}},    // Mars: Capricorn; Aries, Scorpio
    {5, 15, 15, 5, 15, 20, {2, 5}},   // Mercury: Virgo; Gemini, Virgo
    {3, 5, 30, 8, 0, 10, {8, 11}},    // Jupiter: Cancer; Sagittarius, Pisces
    {11, 27, 30, 6, 0, 15, {1, 6}},   // Venus: Pisces; Taurus, Libra
    {6, 20, 30, 10, 0, 20, {9, 10}},  // Saturn: Libra; Capricorn, Aquarius
}};

}  // namespace

int SignOf(double longitude)
{
    return static_cast<int>(NormalizedDegrees(longitude) / 30.0) % 12;
}

Relation TemporaryRelation(int ofSign, int towardSign)
{
    const int house = (((towardSign - ofSign) % 12) + 12) % 12 + 1;
    switch (house) {
    case 2: case 3: case 4: case 10: case 11: case 12: return Relation::Friend;
    default: return Relation::Enemy;
    }
}

Compound CompoundRelation(Graha of, Graha toward, int ofSign, int towardSign)
{
    const int sum = static_cast<int>(vedic::NaturalRelation(of, toward)) +
                    static_cast<int>(TemporaryRelation(ofSign, towardSign));
    return static_cast<Compound>(sum);
}

std::string_view CompoundKey(Compound relation)
{
    switch (relation) {
    case Compound::GreatEnemy: return "great-enemy";
    case Compound::Enemy: return "enemy";
    case Compound::Neutral: return "neutral";
    case Compound::Friend: return "friend";
    case Compound::GreatFriend: return "great-friend";
    }
    return {};
}

std::string_view DignityKey(DignityKind kind)
{
    switch (kind) {
    case DignityKind::Exalted: return "exalted";
    case DignityKind::Debilitated: return "debilitated";
    case DignityKind::Moolatrikona: return "moolatrikona";
    case DignityKind::Own: return "own";
    case DignityKind::GreatFriend: return "great-friend";
    case DignityKind::Friend: return "friend";
    case DignityKind::Neutral: return "neutral";
    case DignityKind::Enemy: return "enemy";
    case DignityKind::GreatEnemy: return "great-enemy";
    }
    return {};
}

double ExaltationPoint(Graha graha)
{
    const Rules& rules = Table[vedic::IndexOf(graha)];
    return rules.exaltationSign * 30.0 + rules.exaltationDegree;
}

DignityKind DignityOf(Graha graha, double longitude, const std::array<int, GrahaCount>& signs)
{
    const Rules& rules = Table[vedic::IndexOf(graha)];
    const double lon = NormalizedDegrees(longitude);
    const int sign = SignOf(lon);
    const double degree = lon - sign * 30.0;
    if (sign == rules.exaltationSign && degree < rules.exaltedUpTo) return DignityKind::Exalted;
    if (sign == (rules.exaltationSign + 6) % 12) return DignityKind::Debilitated;
    if (InMoolatrikona(graha, lon)) return DignityKind::Moolatrikona;
    if (sign == rules.ownSigns[0] || sign == rules.ownSigns[1]) return DignityKind::Own;
    const Graha lord = vedic::SignLord(sign);
    switch (CompoundRelation(graha, lord, signs[vedic::IndexOf(graha)], signs[vedic::IndexOf(lord)])) {
    case Compound::GreatFriend: return DignityKind::GreatFriend;
    case Compound::Friend: return DignityKind::Friend;
    case Compound::Neutral: return DignityKind::Neutral;
    case Compound::Enemy: return DignityKind::Enemy;
    case Compound::GreatEnemy: return DignityKind::GreatEnemy;
    }
    return DignityKind::Neutral;
}

bool InMoolatrikona(Graha graha, double longitude)
{
    const Rules& rules = Table[vedic::IndexOf(graha)];
    const double lon = NormalizedDegrees(longitude);
    const int sign = SignOf(lon);
    const double degree = lon - sign * 30.0;
    return sign == rules.moolatrikonaSign && degree >= rules.moolatrikonaFrom && degree < rules.moolatrikonaTo;
}

double CombustionDistance(Graha graha, bool retrograde)
{
    switch (graha) {
    case Graha::Sun: return 0;
    case Graha::Moon: return 12;
    case Graha::Mars: return 17;
    case Graha::Mercury: return retrograde ? 12 : 14;
    case Graha::Jupiter: return 11;
    case Graha::Venus: return retrograde ? 8 : 10;
    case Graha::Saturn: return 15;
    }
    return 0;
}

std::vector<int> AspectedHouses(Graha graha)
{
    switch (graha) {
    case Graha::Mars: return {4, 7, 8};
    case Graha::Jupiter: return {5, 7, 9};
    case Graha::Saturn: return {3, 7, 10};
    default: return {7};
    }
}

Dignities DignitiesOf(const std::array<double, GrahaCount>& longitudes, const std::array<bool, GrahaCount>& retrograde)
{
    std::array<int, GrahaCount> signs{};
    for (std::size_t k = 0; k < GrahaCount; ++k) signs[k] = SignOf(longitudes[k]);
    Dignities result;
    const double sun = longitudes[vedic::IndexOf(Graha::Sun)];
    for (Graha graha : vedic::AllGrahas) {
        const std::size_t k = vedic::IndexOf(graha);
        PlanetDignity& planet = result.planets[k];
        planet.dignity = DignityOf(graha, longitudes[k], signs);
        planet.retrograde = retrograde[k];
        const double apart = NormalizedDegrees(longitudes[k] - sun);
        planet.distanceFromSun = apart > 180.0 ? 360.0 - apart : apart;
        planet.combust = graha != Graha::Sun && planet.distanceFromSun < CombustionDistance(graha, retrograde[k]);
        planet.aspects = AspectedHouses(graha);
    }
    return result;
}

}  // namespace zodiora::strength
