#include "matching/MoonProfile.h"

#include <array>
#include <cmath>
#include <cstddef>

#include "vedic/Friendship.h"
#include "vedic/Nakshatra.h"
#include "vedic/Quarters.h"

namespace zodiora::matching {

namespace {

// By element: fire Kshatriya, earth Vaishya, air Shudra, water Brahmin.
constexpr std::array<Varna, 4> VarnaOfElement{Varna::Kshatriya, Varna::Vaishya, Varna::Shudra, Varna::Brahmin};

// Whole signs; Sagittarius and Capricorn are split at 15° below.
constexpr std::array<Vashya, 12> VashyaOfSign{Vashya::Chatushpada, Vashya::Chatushpada, Vashya::Manava,
                                              Vashya::Jalachara,   Vashya::Vanachara,   Vashya::Manava,
                                              Vashya::Manava,      Vashya::Keeta,       Vashya::Manava,
                                              Vashya::Chatushpada, Vashya::Manava,      Vashya::Jalachara};

using Y = Yoni;
constexpr std::array<Yoni, vedic::NakshatraCount> YoniOfNakshatra{
    Y::Horse,   Y::Elephant, Y::Sheep,  Y::Serpent, Y::Serpent,  Y::Dog,     Y::Cat,      Y::Sheep,   Y::Cat,
    Y::Rat,     Y::Rat,      Y::Cow,    Y::Buffalo, Y::Tiger,    Y::Buffalo, Y::Tiger,    Y::Deer,    Y::Deer,
    Y::Dog,     Y::Monkey,   Y::Mongoose, Y::Monkey, Y::Lion,    Y::Horse,   Y::Lion,     Y::Cow,     Y::Elephant};

using G = Gana;
constexpr std::array<Gana, vedic::NakshatraCount> GanaOfNakshatra{
    G::Deva,     G::Manushya, G::Rakshasa, G::Manushya, G::Deva,     G::Manushya, G::Deva,     G::Deva,     G::Rakshasa,
    G::Rakshasa, G::Manushya, G::Manushya, G::Deva,     G::Rakshasa, G::Deva,     G::Rakshasa, G::Deva,     G::Rakshasa,
    G::Rakshasa, G::Manushya, G::Manushya, G::Deva,     G::Rakshasa, G::Rakshasa, G::Manushya, G::Manushya, G::Deva};

constexpr std::array<Nadi, 6> NadiRun{Nadi::Adi, Nadi::Madhya, Nadi::Antya, Nadi::Antya, Nadi::Madhya, Nadi::Adi};

}  // namespace

MoonProfile MoonProfileOf(double siderealLongitude)
{
    // Quarters of 3°20′, nine to a sign: one snapped number for the sign,
    // its halves and the nakshatra, so they never disagree at a boundary.
    const double quarters = vedic::QuarterPosition(siderealLongitude);
    const vedic::NakshatraPosition star = vedic::NakshatraOf(siderealLongitude);
    MoonProfile profile;
    profile.longitude = quarters * (360.0 / vedic::QuarterCount);
    profile.sign = static_cast<int>(std::floor(quarters / 9));
    profile.nakshatra = star.index;
    profile.pada = star.pada;
    profile.varna = VarnaOfElement[static_cast<std::size_t>(profile.sign % 4)];
    profile.vashya = VashyaOfSign[static_cast<std::size_t>(profile.sign)];
    const bool secondHalf = quarters - 9.0 * profile.sign >= 4.5;
    if (profile.sign == 8 && secondHalf) profile.vashya = Vashya::Chatushpada;
    if (profile.sign == 9 && secondHalf) profile.vashya = Vashya::Jalachara;
    profile.yoni = YoniOfNakshatra[static_cast<std::size_t>(star.index)];
    profile.gana = GanaOfNakshatra[static_cast<std::size_t>(star.index)];
    profile.nadi = NadiRun[static_cast<std::size_t>(star.index % 6)];
    profile.signLord = vedic::SignLord(profile.sign);
    return profile;
}

}  // namespace zodiora::matching
