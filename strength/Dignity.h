#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "vedic/Friendship.h"

namespace zodiora::strength {

using vedic::Graha;
using vedic::GrahaCount;

/// The compound (five-fold, panchadha) relationship, BPHS ch. 3: the
/// natural relationship (vedic/Friendship.h) joined with the temporary one
/// (tatkalika: a planet in the 2nd, 3rd, 4th, 10th, 11th or 12th sign from
/// another is its temporary friend, anywhere else its temporary enemy).
/// Friend + friend = great friend; friend + neutral = friend; friend +
/// enemy = neutral; neutral + enemy = enemy; enemy + enemy = great enemy.
enum class Compound : int { GreatEnemy = -2, Enemy = -1, Neutral = 0, Friend = 1, GreatFriend = 2 };

/// The temporary relationship of a planet in sign `ofSign` towards one in
/// `towardSign` (0 = Aries; any integers, taken modulo 12): Friend or Enemy.
vedic::Relation TemporaryRelation(int ofSign, int towardSign);

/// Natural + temporary, as above.
Compound CompoundRelation(Graha of, Graha toward, int ofSign, int towardSign);

/// "great-friend", "friend", "neutral", "enemy", "great-enemy".
std::string_view CompoundKey(Compound relation);

/// A planet's dignity in the birth chart, in the order it is decided.
enum class DignityKind {
    Exalted,       ///< in its exaltation sign (the Moon only in Taurus 0°-3°, Mercury only in Virgo 0°-15°)
    Debilitated,   ///< in the sign opposite
    Moolatrikona,  ///< within its moolatrikona range
    Own,           ///< in a sign it rules
    GreatFriend,   ///< in the sign of a great friend (compound relationship)
    Friend,
    Neutral,
    Enemy,
    GreatEnemy,
};

/// "exalted", "debilitated", "moolatrikona", "own", "great-friend",
/// "friend", "neutral", "enemy", "great-enemy".
std::string_view DignityKey(DignityKind kind);

/// Exaltation point, sidereal degrees (BPHS ch. 3): Sun Aries 10°, Moon
/// Taurus 3°, Mars Capricorn 28°, Mercury Virgo 15°, Jupiter Cancer 5°,
/// Venus Pisces 27°, Saturn Libra 20°. The debilitation point is opposite.
double ExaltationPoint(Graha graha);

/// The dignity of `graha` at sidereal longitude `longitude` when the seven
/// planets stand in `signs` (0 = Aries, weekday order), BPHS ch. 3:
/// exaltation sign, debilitation sign, moolatrikona (Sun Leo 0°-20°, Moon
/// Taurus 3°-30°, Mars Aries 0°-12°, Mercury Virgo 15°-20°, Jupiter
/// Sagittarius 0°-10°, Venus Libra 0°-15°, Saturn Aquarius 0°-20°; half-open
/// ranges), own sign, and otherwise the compound relationship with the
/// sign's lord.
DignityKind DignityOf(Graha graha, double longitude, const std::array<int, GrahaCount>& signs);

/// Whether a longitude lies within the planet's moolatrikona degrees (as
/// DignityOf gives them).
bool InMoolatrikona(Graha graha, double longitude);

/// The distance from the Sun within which a planet is combust (asta),
/// degrees: the Surya Siddhanta (ch. 9, the kalamsas of heliacal setting)
/// as B.V. Raman and most almanacs give them: Moon 12, Mars 17, Mercury 14
/// (12 when retrograde), Jupiter 11, Venus 10 (8 when retrograde), Saturn
/// 15. The Sun itself: 0 (never combust).
double CombustionDistance(Graha graha, bool retrograde);

/// The houses a planet aspects in full (graha drishti), counted from the
/// planet's own sign as the 1st, ascending: every planet the 7th; Mars
/// also the 4th and 8th, Jupiter the 5th and 9th, Saturn the 3rd and 10th
/// (BPHS ch. 26).
std::vector<int> AspectedHouses(Graha graha);

/// One planet's dignity, combustion and aspects.
struct PlanetDignity {
    DignityKind dignity = DignityKind::Neutral;
    bool combust = false;
    bool retrograde = false;
    double distanceFromSun = 0;  ///< degrees, [0, 180]
    std::vector<int> aspects;    ///< houses from the planet, as AspectedHouses
};

/// Sun .. Saturn in weekday order.
struct Dignities {
    std::array<PlanetDignity, GrahaCount> planets{};
    const PlanetDignity& of(Graha graha) const { return planets[vedic::IndexOf(graha)]; }
};

/// Dignity, combustion and aspects of the seven planets from their sidereal
/// longitudes (degrees, weekday order) and whether each moves retrograde.
Dignities DignitiesOf(const std::array<double, GrahaCount>& longitudes,
                      const std::array<bool, GrahaCount>& retrograde);

/// Sign 0..11 of a finite longitude in degrees (any range).
int SignOf(double longitude);

}  // namespace zodiora::strength
