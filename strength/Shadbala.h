#pragma once

#include <array>

#include "vedic/Friendship.h"

namespace zodiora::strength {

using vedic::Graha;
using vedic::GrahaCount;

/// Everything the Shadbala needs, as numbers (strength/ChartStrength.h
/// fills it from a chart). Arrays are Sun .. Saturn in weekday order.
struct ShadbalaInput {
    std::array<double, GrahaCount> longitude{};    ///< sidereal, degrees
    double ascendant = 0;                           ///< sidereal, degrees
    double midheaven = 0;                           ///< sidereal, degrees: the 10th bhava's middle
    std::array<double, GrahaCount> declination{};  ///< kranti, degrees, north positive
    std::array<double, GrahaCount> latitude{};     ///< ecliptic latitude, degrees, north positive
    std::array<double, GrahaCount> chestaKendra{}; ///< degrees, [0, 180]; used for Mars .. Saturn
    double hoursFromMidnight = 12;                  ///< local apparent solar time, [0, 24)
    bool dayBirth = true;                           ///< between sunrise and sunset
    double partElapsed = 0;                         ///< fraction of that day or night gone, [0, 1)
    Graha yearLord = Graha::Sun;                    ///< lord of the 360-day year (abda)
    Graha monthLord = Graha::Sun;                   ///< lord of the 30-day month (masa)
    Graha weekdayLord = Graha::Sun;                 ///< lord of the day, sunrise to sunrise (vara)
    Graha horaLord = Graha::Sun;                    ///< lord of the hour from sunrise (hora)
};

/// One planet's strength in virupas (60 virupas = 1 rupa).
struct GrahaStrength {
    // Sthana bala and its five parts.
    double uchcha = 0, saptavargaja = 0, ojayugma = 0, kendra = 0, drekkana = 0, sthana = 0;
    double dig = 0;
    // Kala bala and its parts.
    double nathonnata = 0, paksha = 0, tribhaga = 0, abda = 0, masa = 0, vara = 0, hora = 0, ayana = 0,
           yuddha = 0, kala = 0;
    double chesta = 0;
    double naisargika = 0;
    double drik = 0;
    double total = 0;     ///< the six together, virupas
    double rupas = 0;     ///< total / 60
    double required = 0;  ///< RequiredRupas
    double ratio = 0;     ///< rupas / required
};

struct Shadbala {
    std::array<GrahaStrength, GrahaCount> planets{};
    const GrahaStrength& of(Graha graha) const { return planets[vedic::IndexOf(graha)]; }
};

/// The six-fold strength of Sun .. Saturn, BPHS ch. 27 as B.V. Raman works
/// it in "Graha and Bhava Balas" (his worked example, the Standard
/// Horoscope, is the test of every part):
/// - Sthana: Uchcha (UchchaBala), Saptavargaja (SaptavargajaBala),
///   Ojayugma (OjayugmaBala), Kendra (KendraBala), Drekkana (DrekkanaBala).
/// - Dig (DigBala). Kala: Nathonnata, Paksha, Tribhaga, Abda 15, Masa 30,
///   Vara 45, Hora 60 to the lords in the input, Ayana (AyanaBala), Yuddha
///   (YuddhaBala). Chesta: the chesta kendra / 3 for Mars .. Saturn; for the
///   Sun and Moon 0, their motion being counted as Raman counts it, by
///   doubling the Sun's Ayana bala and the Moon's Paksha bala.
/// - Naisargika (NaisargikaBala), Drik (DrikBala).
Shadbala ShadbalaOf(const ShadbalaInput& input);

/// The least strength a planet should have, in rupas, as B.V. Raman gives
/// it in "Graha and Bhava Balas": Sun 5, Moon 6, Mars 5, Mercury 7, Jupiter
/// 6.5, Venus 5.5, Saturn 5 (some BPHS editions give the Sun 6.5).
double RequiredRupas(Graha graha);

/// The parts, each in virupas, for tests and for whoever shows them.

/// Uchcha bala: the distance from the debilitation point (the exaltation
/// point's opposite, strength/Dignity.h), at most 180°, divided by 3.
double UchchaBala(Graha graha, double longitude);

/// Saptavargaja bala: the planet's standing in D1, D2, D3, D7, D9, D12 and
/// D30 (Parashara's rules, vedic/Varga.h), in each: moolatrikona 45 (in the
/// birth chart only, the whole moolatrikona sign, as V.P. Jain's worked
/// example counts the Sun at Leo 26°: the vargas know signs, not degrees),
/// own sign 30, and otherwise by the
/// compound relationship with the sign's lord, the temporary part always
/// taken from the birth chart: great friend 22.5, friend 15, neutral 7.5,
/// enemy 3.75, great enemy 1.875 (Raman's values; BPHS's translators give
/// 20, 15, 10, 4, 2).
double SaptavargajaBala(Graha graha, const std::array<double, GrahaCount>& longitudes);

/// Ojayugma bala: 15 in the birth chart and 15 in the navamsa when the
/// Moon or Venus is in an even sign, or another planet in an odd one.
double OjayugmaBala(Graha graha, double longitude);

/// Kendradi bala: by the sign counted from the Lagna's: the 1st, 4th, 7th,
/// 10th 60; the 2nd, 5th, 8th, 11th 30; the others 15.
double KendraBala(double longitude, double ascendant);

/// Drekkana bala: 15 to a male planet (Sun, Mars, Jupiter) in the first
/// third of a sign, a neuter one (Mercury, Saturn) in the second, a female
/// one (Moon, Venus) in the third.
double DrekkanaBala(Graha graha, double longitude);

/// Dig bala: 60 at the point of strength, falling evenly to 0 opposite
/// it: the 10th bhava (midheaven) for the Sun and Mars, the Lagna for
/// Mercury and Jupiter, the 4th bhava for the Moon and Venus, the 7th for
/// Saturn. (The arc is always taken as at most 180°.)
double DigBala(Graha graha, double longitude, double ascendant, double midheaven);

/// Nathonnata bala: Mercury always 60; the Sun, Jupiter and Venus 60 at
/// noon falling to 0 at midnight, the Moon, Mars and Saturn the reverse,
/// evenly in the local apparent time.
double NathonnataBala(Graha graha, double hoursFromMidnight);

/// Whether a planet counts as benefic for Paksha and Drik bala: Jupiter and
/// Venus always; the Moon when waxing (less than 180° ahead of the Sun);
/// Mercury unless more malefics (the Sun, Mars, Saturn, a waning Moon)
/// than benefics (Jupiter, Venus, a waxing Moon) share his sign, so that
/// he is a malefic beside the Sun alone (Raman's example) and a benefic
/// beside Jupiter and Saturn (V.P. Jain's); the Sun, Mars and Saturn never.
std::array<bool, GrahaCount> Benefics(const std::array<double, GrahaCount>& longitudes);

/// Paksha bala: with the Moon's distance from the Sun taken as at most
/// 180°, a benefic gets a third of it, a malefic 60 less that; the Moon
/// always the benefic share, doubled.
double PakshaBala(Graha graha, double sun, double moon, bool benefic);

/// Tribhaga bala: Jupiter always 60; and 60 to the lord of the third of the
/// day (Mercury, Sun, Saturn) or of the night (Moon, Venus, Mars) in which
/// the birth falls.
double TribhagaBala(Graha graha, bool dayBirth, double partElapsed);

/// Ayana bala from the kranti (declination, degrees, north positive):
/// (24 + kranti) / 48 × 60 for the Sun, Mars, Jupiter and Venus, (24 -
/// kranti) / 48 × 60 for the Moon and Saturn, (24 + |kranti|) / 48 × 60 for
/// Mercury; the Sun's doubled (Raman).
double AyanaBala(Graha graha, double declination);

/// Naisargika bala: 60 × n / 7 with n = 7 for the Sun, 6 Moon, 5 Venus, 4
/// Jupiter, 3 Mercury, 2 Mars, 1 Saturn.
double NaisargikaBala(Graha graha);

/// The aspect (drishti) of a planet on a point `arc` degrees ahead of it,
/// virupas (BPHS ch. 26): 0 to 30°; (arc − 30) / 2 to 60°; arc − 45 to
/// 90°; 30 + (120 − arc) / 2 to 120°; 150 − arc to 150°; 2 (arc − 150) to
/// 180°; (300 − arc) / 2 to 300°; 0 beyond; plus the special aspects in
/// full: Saturn 45 more from 60° to 90° and 270° to 300°, Jupiter 30 from
/// 120° to 150° and 240° to 270°, Mars 15 from 90° to 120° and 210° to 240°.
double Drishti(Graha aspecting, double arc);

/// Drik bala: a quarter of the benefics' aspects on the planet less the
/// malefics'.
double DrikBala(Graha graha, const std::array<double, GrahaCount>& longitudes,
                const std::array<bool, GrahaCount>& benefics);

}  // namespace zodiora::strength
