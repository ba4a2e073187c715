#include "matching/GunaMilan.h"

#include <cstddef>

#include "vedic/Nakshatra.h"

namespace zodiora::matching {

namespace {

using vedic::Relation;

constexpr std::size_t Index(auto value)
{
    return static_cast<std::size_t>(value);
}

// Boy's group down, girl's across, as in the header.
constexpr double VashyaTable[5][5]{
    {2, 1, 1, 0.5, 1},
    {1, 2, 0.5, 0, 1},
    {1, 0.5, 2, 1, 1},
    {0, 0, 0, 2, 0},
    {1, 1, 1, 0, 2},
};

// Horse Elephant Sheep Serpent Dog Cat Rat Cow Buffalo Tiger Deer Monkey Mongoose Lion.
constexpr int YoniTable[YoniCount][YoniCount]{
    {4, 2, 2, 3, 2, 2, 2, 1, 0, 1, 3, 3, 2, 1},
    {2, 4, 3, 3, 2, 2, 2, 2, 3, 1, 2, 3, 2, 0},
    {2, 3, 4, 2, 1, 2, 1, 3, 3, 1, 2, 0, 3, 1},
    {3, 3, 2, 4, 2, 1, 1, 1, 1, 2, 2, 2, 0, 2},
    {2, 2, 1, 2, 4, 2, 1, 2, 2, 1, 0, 2, 1, 1},
    {2, 2, 2, 1, 2, 4, 0, 2, 2, 1, 3, 3, 2, 1},
    {2, 2, 1, 1, 1, 0, 4, 2, 2, 2, 2, 2, 1, 2},
    {1, 2, 3, 1, 2, 2, 2, 4, 3, 0, 3, 2, 2, 1},
    {0, 3, 3, 1, 2, 2, 2, 3, 4, 1, 2, 2, 2, 1},
    {1, 1, 1, 2, 1, 1, 2, 0, 1, 4, 1, 1, 2, 1},
    {3, 2, 2, 2, 0, 3, 2, 3, 2, 1, 4, 2, 2, 1},
    {3, 3, 0, 2, 2, 3, 2, 2, 2, 1, 2, 4, 3, 2},
    {2, 2, 3, 0, 1, 2, 1, 2, 2, 2, 2, 3, 4, 2},
    {1, 0, 1, 2, 1, 1, 2, 1, 1, 1, 1, 2, 2, 4},
};

// Boy's gana down, girl's across.
constexpr int GanaTable[3][3]{
    {6, 5, 1},
    {6, 6, 0},
    {1, 0, 6},
};

// Counted inclusively: the same nakshatra (sign) is the 1st.
int CountFrom(int from, int to, int cycle)
{
    return ((to - from) % cycle + cycle) % cycle + 1;
}

double GrahaMaitriPoints(vedic::Graha boyLord, vedic::Graha girlLord, Relation there,
                         Relation back)
{
    if (boyLord == girlLord) return 5;
    const int friends = (there == Relation::Friend) + (back == Relation::Friend);
    const int enemies = (there == Relation::Enemy) + (back == Relation::Enemy);
    if (friends == 2) return 5;
    if (enemies == 2) return 0;
    if (friends == 1 && enemies == 0) return 4;
    if (friends == 0 && enemies == 0) return 3;
    if (friends == 1) return 1;  // friend and enemy
    return 0.5;                  // neutral and enemy
}

bool MutualFriends(const KootaMatch& match)
{
    return match.boyLordToGirlLord == Relation::Friend && match.girlLordToBoyLord == Relation::Friend;
}

std::vector<Cancellation> CancellationsOf(const KootaMatch& match)
{
    const MoonProfile& boy = match.boy;
    const MoonProfile& girl = match.girl;
    const bool sameLord = boy.signLord == girl.signLord;
    std::vector<Cancellation> found;
    if (match.score(Koota::Nadi).points == 0) {
        if (boy.sign == girl.sign && boy.nakshatra != girl.nakshatra) {
            found.push_back(Cancellation::NadiSameSignOtherNakshatra);
        }
        if (boy.nakshatra == girl.nakshatra && boy.sign != girl.sign) {
            found.push_back(Cancellation::NadiSameNakshatraOtherSign);
        }
        if (boy.nakshatra == girl.nakshatra && boy.pada != girl.pada) {
            found.push_back(Cancellation::NadiSameNakshatraOtherPada);
        }
        if (boy.sign != girl.sign && sameLord) found.push_back(Cancellation::NadiSameSignLord);
    }
    if (match.score(Koota::Bhakoot).points == 0) {
        if (sameLord) found.push_back(Cancellation::BhakootSameSignLord);
        if (MutualFriends(match)) found.push_back(Cancellation::BhakootFriendlyLords);
    }
    if (match.score(Koota::Gana).points <= 1) {
        if (sameLord || MutualFriends(match)) found.push_back(Cancellation::GanaSameOrFriendlyLords);
        if (match.girlStarFromBoy >= 14) found.push_back(Cancellation::GanaGirlStarFar);
    }
    return found;
}

}  // namespace

Koota KootaOf(Cancellation cancellation)
{
    switch (cancellation) {
    case Cancellation::NadiSameSignOtherNakshatra:
    case Cancellation::NadiSameNakshatraOtherSign:
    case Cancellation::NadiSameNakshatraOtherPada:
    case Cancellation::NadiSameSignLord: return Koota::Nadi;
    case Cancellation::BhakootSameSignLord:
    case Cancellation::BhakootFriendlyLords: return Koota::Bhakoot;
    case Cancellation::GanaSameOrFriendlyLords:
    case Cancellation::GanaGirlStarFar: break;
    }
    return Koota::Gana;
}

double KootaMatch::total() const
{
    double sum = 0;
    for (const KootaScore& score : scores) sum += score.points;
    return sum;
}

double TaraPoints(int starCount)
{
    const int remainder = starCount % 9;
    return remainder == 3 || remainder == 5 || remainder == 7 ? 0 : 1.5;
}

bool IsBhakootDosha(int signCount)
{
    switch (signCount) {
    case 2: case 12: case 5: case 9: case 6: case 8: return true;
    default: return false;
    }
}

KootaMatch KootaScores(const MoonProfile& boy, const MoonProfile& girl)
{
    KootaMatch match;
    match.boy = boy;
    match.girl = girl;
    match.boyStarFromGirl = CountFrom(girl.nakshatra, boy.nakshatra, vedic::NakshatraCount);
    match.girlStarFromBoy = CountFrom(boy.nakshatra, girl.nakshatra, vedic::NakshatraCount);
    match.boySignFromGirl = CountFrom(girl.sign, boy.sign, 12);
    match.girlSignFromBoy = CountFrom(boy.sign, girl.sign, 12);
    match.boyLordToGirlLord = vedic::NaturalRelation(boy.signLord, girl.signLord);
    match.girlLordToBoyLord = vedic::NaturalRelation(girl.signLord, boy.signLord);

    const auto set = [&](Koota koota, double points) {
        match.scores[Index(koota)] = KootaScore{koota, points, KootaMaximum(koota)};
    };
    set(Koota::Varna, Index(boy.varna) <= Index(girl.varna) ? 1 : 0);
    set(Koota::Vashya, VashyaTable[Index(boy.vashya)][Index(girl.vashya)]);
    set(Koota::Tara, TaraPoints(match.boyStarFromGirl) + TaraPoints(match.girlStarFromBoy));
    set(Koota::Yoni, YoniTable[Index(boy.yoni)][Index(girl.yoni)]);
    set(Koota::GrahaMaitri,
        GrahaMaitriPoints(boy.signLord, girl.signLord, match.boyLordToGirlLord, match.girlLordToBoyLord));
    set(Koota::Gana, GanaTable[Index(boy.gana)][Index(girl.gana)]);
    set(Koota::Bhakoot, IsBhakootDosha(match.boySignFromGirl) ? 0 : 7);
    set(Koota::Nadi, boy.nadi == girl.nadi ? 0 : 8);
    match.cancellations = CancellationsOf(match);
    return match;
}

}  // namespace zodiora::matching
