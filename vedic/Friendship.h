#pragma once

#include <array>
#include <cstddef>

#include "vedic/DashaLord.h"

namespace zodiora::vedic {

/// How one planet regards another by nature (naisargika maitri).
enum class NaturalRelation : int { Friend, Neutral, Enemy };

/// The natural relation of `planet` towards `other`, BPHS ch. 3 (R. Santhanam's
/// translation), which is not symmetric (the Moon counts Mercury a friend,
/// Mercury counts the Moon an enemy):
///   Sun      friends Moon, Mars, Jupiter;  neutral Mercury;        enemies Venus, Saturn
///   Moon     friends Sun, Mercury;         neutral Mars, Jupiter, Venus, Saturn; no enemies
///   Mars     friends Sun, Moon, Jupiter;   neutral Venus, Saturn;  enemy Mercury
///   Mercury  friends Sun, Venus;           neutral Mars, Jupiter, Saturn; enemy Moon
///   Jupiter  friends Sun, Moon, Mars;      neutral Saturn;         enemies Mercury, Venus
///   Venus    friends Mercury, Saturn;      neutral Mars, Jupiter;  enemies Sun, Moon
///   Saturn   friends Mercury, Venus;       neutral Jupiter;        enemies Sun, Moon, Mars
/// The chapter gives the nodes no row; they, and a planet towards itself,
/// answer Neutral here.
constexpr NaturalRelation NaturalRelationOf(DashaLord planet, DashaLord other)
{
    using R = NaturalRelation;
    constexpr R F = R::Friend, N = R::Neutral, E = R::Enemy;
    // Rows and columns in DashaLord order: Ketu Venus Sun Moon Mars Rahu Jupiter Saturn Mercury.
    constexpr std::array<std::array<R, DashaLordCount>, DashaLordCount> Table{{
        /* Ketu    */ {N, N, N, N, N, N, N, N, N},
        /* Venus   */ {N, N, E, E, N, N, N, F, F},
        /* Sun     */ {N, E, N, F, F, N, F, E, N},
        /* Moon    */ {N, N, F, N, N, N, N, N, F},
        /* Mars    */ {N, N, F, F, N, N, F, N, E},
        /* Rahu    */ {N, N, N, N, N, N, N, N, N},
        /* Jupiter */ {N, E, F, F, F, N, N, N, E},
        /* Saturn  */ {N, F, E, E, E, N, N, N, F},
        /* Mercury */ {N, F, F, E, N, N, N, N, N},
    }};
    return Table[static_cast<std::size_t>(planet)][static_cast<std::size_t>(other)];
}

}  // namespace zodiora::vedic
