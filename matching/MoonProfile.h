#pragma once

#include "vedic/Friendship.h"

namespace zodiora::matching {

/// The four varnas of the Moon's sign, highest first. By the sign's
/// element: water signs Brahmin, fire Kshatriya, earth Vaishya, air Shudra
/// (the North Indian almanacs' assignment; B.V. Raman's "Muhurtha" groups
/// a few signs differently).
enum class Varna : int { Brahmin, Kshatriya, Vaishya, Shudra };

/// The five vashya groups. Aries, Taurus, the second half of Sagittarius
/// and the first half of Capricorn are Chatushpada (quadruped); Gemini,
/// Virgo, Libra, Aquarius and the first half of Sagittarius Manava (human);
/// Cancer, Pisces and the second half of Capricorn Jalachara (water); Leo
/// Vanachara (wild); Scorpio Keeta (insect).
enum class Vashya : int { Chatushpada, Manava, Jalachara, Vanachara, Keeta };

/// The fourteen yonis (animals) of the nakshatras, two nakshatras each
/// (Uttara Ashadha's partner is Abhijit, left out of the 27):
/// Horse Ashwini, Shatabhisha; Elephant Bharani, Revati; Sheep Krittika,
/// Pushya; Serpent Rohini, Mrigashira; Dog Ardra, Mula; Cat Punarvasu,
/// Ashlesha; Rat Magha, Purva Phalguni; Cow Uttara Phalguni, Uttara
/// Bhadrapada; Buffalo Hasta, Swati; Tiger Chitra, Vishakha; Deer
/// Anuradha, Jyeshtha; Monkey Purva Ashadha, Shravana; Mongoose Uttara
/// Ashadha; Lion Dhanishta, Purva Bhadrapada.
enum class Yoni : int { Horse, Elephant, Sheep, Serpent, Dog, Cat, Rat, Cow, Buffalo, Tiger, Deer, Monkey, Mongoose, Lion };

inline constexpr int YoniCount = 14;

/// The three ganas (temperaments) of the nakshatras.
/// Deva: Ashwini, Mrigashira, Punarvasu, Pushya, Hasta, Swati, Anuradha, Shravana, Revati.
/// Manushya: Bharani, Rohini, Ardra, Purva and Uttara Phalguni, Purva and Uttara Ashadha, Purva and Uttara Bhadrapada.
/// Rakshasa: Krittika, Ashlesha, Magha, Chitra, Vishakha, Jyeshtha, Mula, Dhanishta, Shatabhisha.
enum class Gana : int { Deva, Manushya, Rakshasa };

/// The three nadis, in the zigzag of the nakshatras: Adi, Madhya, Antya,
/// Antya, Madhya, Adi, and again from Punarvasu (nakshatra k has the nadi
/// of k mod 6 in that run).
enum class Nadi : int { Adi, Madhya, Antya };

/// What matching reads from one birth Moon: its sign, nakshatra and pada,
/// and the classes the kootas compare. Built by MoonProfileOf, so the
/// classes always agree with the longitude.
struct MoonProfile {
    double longitude = 0;  ///< sidereal, degrees, [0, 360)
    int sign = 0;          ///< 0 = Aries
    int nakshatra = 0;     ///< 0 = Ashwini .. 26 = Revati
    int pada = 1;          ///< 1..4
    Varna varna = Varna::Brahmin;
    Vashya vashya = Vashya::Chatushpada;
    Yoni yoni = Yoni::Horse;
    Gana gana = Gana::Deva;
    Nadi nadi = Nadi::Adi;
    vedic::Graha signLord = vedic::Graha::Mars;  ///< vedic::SignLord(sign)
};

/// The profile of a Moon at a finite sidereal longitude (degrees, any
/// range). A longitude within 1e-9 of a sign or half-sign boundary is put
/// on it, as NakshatraOf does for the padas.
MoonProfile MoonProfileOf(double siderealLongitude);

}  // namespace zodiora::matching
