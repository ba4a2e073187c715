#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace zodiora::vedic {

/// The seven planets of Parashara's relationships and strengths, in the
/// order of the weekdays they rule (Sunday = Sun .. Saturday = Saturn).
enum class Graha : int { Sun, Moon, Mars, Mercury, Jupiter, Venus, Saturn };

inline constexpr int GrahaCount = 7;

/// Every planet in weekday order.
inline constexpr std::array<Graha, GrahaCount> AllGrahas{Graha::Sun,     Graha::Moon,  Graha::Mars,  Graha::Mercury,
                                                         Graha::Jupiter, Graha::Venus, Graha::Saturn};

constexpr std::size_t IndexOf(Graha graha)
{
    return static_cast<std::size_t>(graha);
}

/// "Sun", "Moon", "Mars", "Mercury", "Jupiter", "Venus", "Saturn".
std::string_view GrahaName(Graha graha);

/// How one planet regards another.
enum class Relation : int { Enemy = -1, Neutral = 0, Friend = 1 };

/// The lord of a sign, 0 = Aries (Mars) .. 11 = Pisces (Jupiter); any
/// integer is taken modulo 12. BPHS ch. 3.
Graha SignLord(int sign);

/// The natural (naisargika) relationship of `of` towards `toward`, BPHS
/// ch. 3 (R. Santhanam's translation), the table every matching and
/// strength rule starts from (it is not symmetric: the Moon has no enemy,
/// yet Mercury counts her one):
///
///   planet   friends               neutral                      enemies
///   Sun      Moon, Mars, Jupiter   Mercury                      Venus, Saturn
///   Moon     Sun, Mercury          Mars, Jupiter, Venus, Saturn —
///   Mars     Sun, Moon, Jupiter    Venus, Saturn                Mercury
///   Mercury  Sun, Venus            Mars, Jupiter, Saturn        Moon
///   Jupiter  Sun, Moon, Mars       Saturn                       Mercury, Venus
///   Venus    Mercury, Saturn       Mars, Jupiter                Sun, Moon
///   Saturn   Mercury, Venus        Jupiter                      Sun, Moon, Mars
///
/// A planet towards itself is Neutral here (the table does not rank it).
Relation NaturalRelation(Graha of, Graha toward);

}  // namespace zodiora::vedic
