#include "vedic/Friendship.h"

namespace zodiora::vedic {

namespace {

constexpr std::array<std::string_view, GrahaCount> GrahaNames{"Sun",     "Moon",  "Mars",  "Mercury",
                                                         "Jupiter", "Venus", "Saturn"};

constexpr std::array<Graha, 12> Lords{Graha::Mars,   Graha::Venus,  Graha::Mercury, Graha::Moon,
                                      Graha::Sun,    Graha::Mercury, Graha::Venus,  Graha::Mars,
                                      Graha::Jupiter, Graha::Saturn, Graha::Saturn, Graha::Jupiter};

constexpr Relation F = Relation::Friend;
constexpr Relation N = Relation::Neutral;
constexpr Relation E = Relation::Enemy;

// Row: the planet whose view it is; column: the planet it regards.
//                                                     Sun Moon Mars Merc Jup Ven Sat
constexpr std::array<std::array<Relation, GrahaCount>, GrahaCount> Natural{{
    {N, F, F, N, F, E, E},  // Sun
    {F, N, N, F, N, N, N},  // Moon
    {F, F, N, E, F, N, N},  // Mars
    {F, E, N, N, N, F, N},  // Mercury
    {F, F, F, E, N, E, N},  // Jupiter
    {E, E, N, F, N, N, F},  // Venus
    {E, E, E, F, N, F, N},  // Saturn
}};

}  // namespace

std::string_view GrahaName(Graha graha)
{
    return GrahaNames[IndexOf(graha)];
}

Graha SignLord(int sign)
{
    return Lords[static_cast<std::size_t>(((sign % 12) + 12) % 12)];
}

Relation NaturalRelation(Graha of, Graha toward)
{
    return Natural[IndexOf(of)][IndexOf(toward)];
}

}  // namespace zodiora::vedic
