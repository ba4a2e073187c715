#pragma once

// The five limbs of the panchang as arithmetic on the Sun's and the Moon's
// sidereal longitudes (degrees); the moments they end are Panchang.h's.

#include <string>
#include <string_view>

#include "vedic/Friendship.h"

namespace zodiora::panchang {

inline constexpr double TithiDegrees = 12.0;          ///< a tithi: the Moon gains 12° on the Sun
inline constexpr double KaranaDegrees = 6.0;          ///< a karana: half a tithi
inline constexpr double YogaDegrees = 360.0 / 27.0;   ///< a yoga: 13°20′ of the Sun and Moon's sum
inline constexpr double NakshatraDegrees = 360.0 / 27.0;

/// The Moon's elongation from the Sun, degrees in [0, 360).
double Elongation(double moon, double sun);

/// Tithi 1..30: 1 + the whole 12° steps of the elongation (1..15 Shukla,
/// 16..30 Krishna). Any ayanamsa gives the same, as it cancels.
int TithiNumber(double moon, double sun);

/// Karana 1..60, the half-tithi: 1 + the whole 6° steps of the elongation.
int KaranaNumber(double moon, double sun);

/// Yoga 1..27: 1 + the whole 13°20′ steps of the sidereal Sun plus Moon (mod 360).
int YogaNumber(double moon, double sun);

enum class Paksha { Shukla, Krishna };

/// Shukla for tithis 1..15, Krishna for 16..30.
Paksha PakshaOf(int tithi);

/// "Shukla" or "Krishna".
std::string_view PakshaName(Paksha paksha);

/// The tithi's name within its paksha: "Pratipada" .. "Chaturdashi", then
/// "Purnima" (15) and "Amavasya" (30); empty outside 1..30.
std::string_view TithiDayName(int tithi);

/// The tithi's full name: "Shukla Saptami", "Krishna Dwitiya"; "Purnima"
/// and "Amavasya" alone; empty outside 1..30.
std::string TithiName(int tithi);

/// "Vishkambha" .. "Vaidhriti" for 1..27; empty otherwise.
std::string_view YogaName(int yoga);

/// The karana's name: 1 Kimstughna; 2..57 the seven movable karanas Bava,
/// Balava, Kaulava, Taitila, Gara, Vanija, Vishti eight times over; 58
/// Shakuni, 59 Chatushpada, 60 Naga (Muhurta Chintamani ch. 1); empty outside 1..60.
std::string_view KaranaName(int karana);

/// The weekday 1..7 (Sunday = 1) and its lord, the planet of the vara
/// (Sunday the Sun .. Saturday Saturn); VaraName gives "Sunday" .. "Saturday".
vedic::Graha VaraLord(int vara);
std::string_view VaraName(int vara);

/// The weekday 1..7 (Sunday = 1) of the civil day holding the moment `jdUt`
/// at local mean time for a place `longitudeEast` degrees east.
int WeekdayAt(double jdUt, double longitudeEast);

}  // namespace zodiora::panchang
