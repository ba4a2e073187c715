#pragma once

#include <array>
#include <string_view>

#include "engine/CalculationSettings.h"
#include "vedic/Friendship.h"

namespace zodiora::strength {

// AshtakavargaTable (engine/CalculationSettings.h) chooses the table:
// NarasimhaRao is P.V.R. Narasimha Rao, "Vedic Astrology: An Integrated
// Approach", the chapter on Ashtakavarga (it reproduces its worked
// examples); it differs from B.V. Raman's ("Ashtakavarga System of
// Prediction", BPHS ch. 66) in the Moon's row alone: a bindu from the Moon
// in the 9th and none from Mars in the 9th (Raman: from the Moon 1, 3, 6,
// 7, 10, 11; from Mars 2, 3, 5, 6, 9, 10, 11).
using zodiora::AshtakavargaTable;

/// "pvr", "raman".
std::string_view AshtakavargaTableKey(AshtakavargaTable table);

/// "P.V.R. Narasimha Rao, Vedic Astrology: An Integrated Approach" or
/// "B.V. Raman, Ashtakavarga System of Prediction".
std::string_view AshtakavargaTableTitle(AshtakavargaTable table);

/// The eight contributors: the seven planets in weekday order, then the Lagna.
inline constexpr int ContributorCount = 8;
inline constexpr int LagnaContributor = 7;

/// The houses (1..12, counted from the contributor's sign) in which a
/// contributor gives a bindu to `owner`'s Bhinnashtakavarga; a bit per
/// house, bit 0 = 1st house.
unsigned BinduHouses(AshtakavargaTable table, vedic::Graha owner, int contributor);

/// The same for the Lagna's own Ashtakavarga (BPHS ch. 66, B.V. Raman):
/// from the Sun 3, 4, 6, 10, 11, 12; Moon 3, 6, 10, 11, 12; Mars 1, 3, 6,
/// 10, 11; Mercury 1, 2, 4, 6, 8, 10, 11; Jupiter 1, 2, 4, 5, 6, 7, 9, 10,
/// 11; Venus 1, 2, 3, 4, 5, 8, 9; Saturn 1, 3, 4, 6, 10, 11; Lagna 3, 6,
/// 10, 11 (49 bindus).
unsigned LagnaBinduHouses(int contributor);

/// Bindus by sign, Aries .. Pisces.
using SignPoints = std::array<int, 12>;

/// The Ashtakavarga of a chart: each planet's Bhinnashtakavarga (its row
/// always totals 48, 49, 39, 54, 56, 52, 39 for the Sun .. Saturn), the
/// Sarvashtakavarga (their sum by sign, 337 in all; the Lagna's row is not
/// part of it) and the Lagna's own row (49 in all).
struct Ashtakavarga {
    AshtakavargaTable table = AshtakavargaTable::NarasimhaRao;
    std::array<SignPoints, vedic::GrahaCount> bhinna{};
    SignPoints sarva{};
    SignPoints lagna{};
};

/// The Ashtakavarga from the signs (0 = Aries) of the seven planets in
/// weekday order and of the Lagna (index 7): a contributor in sign c gives
/// a bindu to sign (c + h - 1) mod 12 for every house h of its row.
Ashtakavarga AshtakavargaOf(const std::array<int, ContributorCount>& signs,
                            AshtakavargaTable table = AshtakavargaTable::NarasimhaRao);

}  // namespace zodiora::strength
