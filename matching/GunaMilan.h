#pragma once

#include <array>
#include <vector>

#include "matching/MoonProfile.h"
#include "vedic/Friendship.h"

namespace zodiora::matching {

/// The eight kootas of the Ashtakoota (Guna Milan), in their order, with
/// their maxima 1..8 (36 in all).
enum class Koota : int { Varna, Vashya, Tara, Yoni, GrahaMaitri, Gana, Bhakoot, Nadi };

inline constexpr int KootaCount = 8;
inline constexpr std::array<Koota, KootaCount> AllKootas{Koota::Varna,       Koota::Vashya, Koota::Tara,    Koota::Yoni,
                                                         Koota::GrahaMaitri, Koota::Gana,   Koota::Bhakoot, Koota::Nadi};

/// 1 for Varna .. 8 for Nadi.
constexpr int KootaMaximum(Koota koota)
{
    return static_cast<int>(koota) + 1;
}

inline constexpr int GunaMaximum = 36;

/// One koota's points, a multiple of 0.5 in [0, KootaMaximum].
struct KootaScore {
    Koota koota = Koota::Varna;
    double points = 0;
    int maximum = 1;
};

/// A recognised exception that lifts a koota's dosha. Listed beside the
/// points, never folded into them: whether it applies is the astrologer's
/// call.
enum class Cancellation : int {
    /// Nadi dosha: both Moons in one sign but in different nakshatras.
    NadiSameSignOtherNakshatra,
    /// Nadi dosha: one nakshatra but the Moons in different signs (a
    /// nakshatra that spans two signs).
    NadiSameNakshatraOtherSign,
    /// Nadi dosha: one nakshatra, different padas.
    NadiSameNakshatraOtherPada,
    /// Nadi dosha: different signs with one lord (Aries and Scorpio, ...).
    NadiSameSignLord,
    /// Bhakoot dosha: the two Moon signs have one lord (Aries-Scorpio and
    /// Taurus-Libra 6/8, Capricorn-Aquarius 2/12).
    BhakootSameSignLord,
    /// Bhakoot dosha: the two lords are natural friends of each other.
    BhakootFriendlyLords,
    /// Gana dosha (a Rakshasa with another gana): the lords are the same
    /// or natural friends of each other.
    GanaSameOrFriendlyLords,
    /// Gana dosha: the girl's nakshatra is the 14th or further from the boy's.
    GanaGirlStarFar,
};

/// Which koota a cancellation belongs to.
Koota KootaOf(Cancellation cancellation);

/// The Ashtakoota of a boy's and a girl's birth Moon: the eight scores in
/// order and the numbers their reasons are told from. The points are the
/// classical ones with no cancellation folded in.
struct KootaMatch {
    MoonProfile boy;
    MoonProfile girl;
    std::array<KootaScore, KootaCount> scores{};
    /// Tara: the boy's nakshatra counted from the girl's (1..27, her own is
    /// 1), and the girl's from the boy's.
    int boyStarFromGirl = 1;
    int girlStarFromBoy = 1;
    /// Bhakoot: the boy's sign counted from the girl's (1..12), and back.
    int boySignFromGirl = 1;
    int girlSignFromBoy = 1;
    /// Graha Maitri: how the boy's sign lord regards the girl's, and back.
    vedic::Relation boyLordToGirlLord = vedic::Relation::Neutral;
    vedic::Relation girlLordToBoyLord = vedic::Relation::Neutral;
    std::vector<Cancellation> cancellations;

    const KootaScore& score(Koota koota) const { return scores[static_cast<std::size_t>(koota)]; }
    double total() const;
};

/// Tara of one count (1..27): 0 when the count leaves 3, 5 or 7 after
/// dividing by 9 (Vipat, Pratyari, Vadha), else 1.5.
double TaraPoints(int starCount);

/// Bhakoot: a sign distance (1..12, counted either way) that makes 2/12,
/// 5/9 or 6/8 is a dosha.
bool IsBhakootDosha(int signCount);

/// The eight kootas for a boy's and a girl's Moon.
///
/// Tables (sources differ in a few cells; these are the ones used):
/// - Varna: 1 when the boy's varna is the same as or higher than the girl's.
/// - Vashya (boy's group down, girl's across: Chatushpada, Manava,
///   Jalachara, Vanachara, Keeta), the five-group table of the North
///   Indian almanacs:
///       Chatushpada  2    1    1    0.5  1
///       Manava       1    2    0.5  0    1
///       Jalachara    1    0.5  2    1    1
///       Vanachara    0    0    0    2    0
///       Keeta        1    1    1    0    2
///   It is not symmetric: a Vanachara (Leo) boy scores nothing with any
///   other group, while a Vanachara girl scores 0.5 with a Chatushpada
///   boy and 1 with a Jalachara boy.
/// - Tara: TaraPoints both ways, 3 in all.
/// - Yoni: 4 same yoni, 3 friendly, 2 neutral, 1 inimical, 0 the sworn
///   enemies (Horse-Buffalo, Elephant-Lion, Sheep-Monkey,
///   Serpent-Mongoose, Dog-Deer, Cat-Rat, Cow-Tiger); the usual 14x14
///   table, taken symmetric (some printings give Deer-Horse 1 against
///   Horse-Deer 3, and Lion-Buffalo 2 against Buffalo-Lion 1; this uses 3
///   and 1 both ways).
/// - Graha Maitri: from the two sign lords' natural relations (BPHS ch. 3,
///   vedic/Friendship.h): same lord or friends both ways 5, friend and
///   neutral 4, neutral both ways 3, friend and enemy 1, neutral and enemy
///   0.5, enemies both ways 0.
/// - Gana (boy down, girl across: Deva, Manushya, Rakshasa):
///       Deva      6  5  1
///       Manushya  6  6  0
///       Rakshasa  1  0  6
///   as Future Point's "Horoscope Matching" gives it (boy Deva with girl
///   Manushya 5, boy Rakshasa with girl Deva 1).
/// - Bhakoot: 0 for 2/12, 5/9 and 6/8, else 7.
/// - Nadi: 0 for the same nadi, else 8.
///
/// Cancellations: Nadi dosha by the same sign with other nakshatras, the
/// same nakshatra in another sign or pada, or signs with one lord; Bhakoot
/// dosha by one lord or mutually friendly lords; Gana dosha (1 or 0
/// points) by the same or mutually friendly lords, or the girl's star the
/// 14th or further from the boy's (Future Point, "Horoscope Matching").
KootaMatch KootaScores(const MoonProfile& boy, const MoonProfile& girl);

}  // namespace zodiora::matching
