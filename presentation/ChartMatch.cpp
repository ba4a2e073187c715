#include "presentation/ChartMatch.h"

#include <array>
#include <cmath>
#include <cstdio>

#include "engine/SignNames.h"
#include "vedic/Varga.h"

namespace zodiora {

using namespace matching;

namespace {

std::string_view Sign(int sign)
{
    return SignNames[static_cast<std::size_t>(((sign % 12) + 12) % 12)];
}

int SignOf(const Chart& chart, Body body)
{
    return vedic::VargaSign(chart.longitude(body), vedic::Varga::D1);
}

constexpr std::array<std::string_view, 4> VarnaNames{"Brahmin", "Kshatriya", "Vaishya", "Shudra"};
constexpr std::array<std::string_view, 5> VashyaNames{"Chatushpada", "Manava", "Jalachara", "Vanachara", "Keeta"};
constexpr std::array<std::string_view, YoniCount> YoniNames{"Horse",   "Elephant", "Sheep", "Serpent", "Dog",
                                                            "Cat",     "Rat",      "Cow",   "Buffalo", "Tiger",
                                                            "Deer",    "Monkey",   "Mongoose", "Lion"};
constexpr std::array<std::string_view, 3> GanaNames{"Deva", "Manushya", "Rakshasa"};
constexpr std::array<std::string_view, 3> NadiNames{"Adi", "Madhya", "Antya"};

template <std::size_t N, typename E>
std::string_view NameIn(const std::array<std::string_view, N>& names, E value)
{
    return names[static_cast<std::size_t>(value)];
}

std::string_view RelationWord(vedic::Relation relation)
{
    switch (relation) {
    case vedic::Relation::Friend: return "a friend";
    case vedic::Relation::Neutral: return "neutral";
    case vedic::Relation::Enemy: break;
    }
    return "an enemy";
}

std::string BoyGirl(std::string_view boy, std::string_view girl)
{
    return "boy " + std::string(boy) + ", girl " + std::string(girl);
}

std::string TaraPart(int count)
{
    const int remainder = count % 9;
    return Ordinal(count) + " (remainder " + std::to_string(remainder) + (TaraPoints(count) > 0 ? ", good)" : ", bad)");
}

std::string GrahaMaitriReason(const KootaMatch& match)
{
    const std::string boyLord(vedic::GrahaName(match.boy.signLord));
    const std::string girlLord(vedic::GrahaName(match.girl.signLord));
    if (match.boy.signLord == match.girl.signLord) return "both signs ruled by " + boyLord;
    if (match.boyLordToGirlLord == match.girlLordToBoyLord) {
        return boyLord + " and " + girlLord + ": " +
               (match.boyLordToGirlLord == vedic::Relation::Friend    ? "friends"
                : match.boyLordToGirlLord == vedic::Relation::Neutral ? "neutral"
                                                                             : "enemies") +
               " both ways";
    }
    return boyLord + " counts " + girlLord + " " + std::string(RelationWord(match.boyLordToGirlLord)) + ", " +
           girlLord + " counts " + boyLord + " " + std::string(RelationWord(match.girlLordToBoyLord));
}

std::string_view YoniRelation(double points)
{
    switch (static_cast<int>(points)) {
    case 4: return "the same yoni";
    case 3: return "friendly";
    case 2: return "neutral";
    case 1: return "inimical";
    default: return "sworn enemies";
    }
}

}  // namespace

ManglikSigns ManglikSignsOf(const Chart& chart)
{
    return {SignOf(chart, Body::Ascendant), SignOf(chart, Body::Moon), SignOf(chart, Body::Venus),
            SignOf(chart, Body::Mars), SignOf(chart, Body::Jupiter)};
}

ChartMatch MatchCharts(const Chart& boy, const Chart& girl)
{
    return {KootaScores(MoonProfileOf(boy.longitude(Body::Moon)), MoonProfileOf(girl.longitude(Body::Moon))),
            ManglikOf(ManglikSignsOf(boy)), ManglikOf(ManglikSignsOf(girl))};
}

std::string_view KootaName(Koota koota)
{
    static constexpr std::array<std::string_view, KootaCount> Names{"Varna", "Vashya",  "Tara",   "Yoni",
                                                                    "Graha Maitri", "Gana", "Bhakoot", "Nadi"};
    return Names[static_cast<std::size_t>(koota)];
}

std::string PointsText(double points)
{
    char text[32];
    std::snprintf(text, sizeof text, points == std::floor(points) ? "%.0f" : "%.1f", points);
    return text;
}

std::string Ordinal(int number)
{
    const int tens = number % 100;
    const int units = number % 10;
    const char* suffix = (tens >= 11 && tens <= 13) ? "th"
                         : units == 1              ? "st"
                         : units == 2              ? "nd"
                         : units == 3              ? "rd"
                                                   : "th";
    return std::to_string(number) + suffix;
}

std::string KootaReason(const KootaMatch& match, Koota koota)
{
    const MoonProfile& boy = match.boy;
    const MoonProfile& girl = match.girl;
    const double points = match.score(koota).points;
    switch (koota) {
    case Koota::Varna:
        return BoyGirl(NameIn(VarnaNames, boy.varna), NameIn(VarnaNames, girl.varna)) +
               (points > 0 ? ": the boy's varna is not lower" : ": the girl's varna is higher");
    case Koota::Vashya: return BoyGirl(NameIn(VashyaNames, boy.vashya), NameIn(VashyaNames, girl.vashya));
    case Koota::Tara:
        return "boy's star the " + TaraPart(match.boyStarFromGirl) + " from the girl's, hers the " +
               TaraPart(match.girlStarFromBoy);
    case Koota::Yoni:
        return BoyGirl(NameIn(YoniNames, boy.yoni), NameIn(YoniNames, girl.yoni)) + ": " +
               std::string(YoniRelation(points));
    case Koota::GrahaMaitri: return GrahaMaitriReason(match);
    case Koota::Gana: return BoyGirl(NameIn(GanaNames, boy.gana), NameIn(GanaNames, girl.gana));
    case Koota::Bhakoot: {
        std::string text = std::string(Sign(boy.sign)) + " is the " + Ordinal(match.boySignFromGirl) + " from " +
                           std::string(Sign(girl.sign)) + ", " + std::string(Sign(girl.sign)) + " the " +
                           Ordinal(match.girlSignFromBoy) + " from " + std::string(Sign(boy.sign));
        if (points == 0) {
            text += ": " + std::to_string(match.boySignFromGirl) + "/" + std::to_string(match.girlSignFromBoy) +
                    ", a dosha";
        }
        return text;
    }
    case Koota::Nadi:
        return boy.nadi == girl.nadi ? "both " + std::string(NameIn(NadiNames, boy.nadi)) + ": a Nadi dosha"
                                     : BoyGirl(NameIn(NadiNames, boy.nadi), NameIn(NadiNames, girl.nadi));
    }
    return {};
}

std::string CancellationText(const KootaMatch& match, Cancellation cancellation)
{
    const std::string boyLord(vedic::GrahaName(match.boy.signLord));
    const std::string girlLord(vedic::GrahaName(match.girl.signLord));
    switch (cancellation) {
    case Cancellation::NadiSameSignOtherNakshatra: return "Nadi dosha: one Moon sign, different nakshatras";
    case Cancellation::NadiSameNakshatraOtherSign: return "Nadi dosha: one nakshatra, different Moon signs";
    case Cancellation::NadiSameNakshatraOtherPada: return "Nadi dosha: one nakshatra, different padas";
    case Cancellation::NadiSameSignLord: return "Nadi dosha: both Moon signs ruled by " + boyLord;
    case Cancellation::BhakootSameSignLord: return "Bhakoot dosha: both Moon signs ruled by " + boyLord;
    case Cancellation::BhakootFriendlyLords:
        return "Bhakoot dosha: the Moon signs' lords, " + boyLord + " and " + girlLord + ", are friends of each other";
    case Cancellation::GanaSameOrFriendlyLords:
        return boyLord == girlLord ? "Gana dosha: both Moon signs ruled by " + boyLord
                                   : "Gana dosha: the Moon signs' lords, " + boyLord + " and " + girlLord +
                                         ", are friends of each other";
    case Cancellation::GanaGirlStarFar:
        return "Gana dosha: the girl's star is the " + Ordinal(match.girlStarFromBoy) + " from the boy's (14th or further)";
    }
    return {};
}

std::string_view CancellationSource(Cancellation cancellation)
{
    switch (cancellation) {
    case Cancellation::NadiSameSignOtherNakshatra:
    case Cancellation::NadiSameNakshatraOtherSign:
    case Cancellation::NadiSameNakshatraOtherPada: return "Muhurta Chintamani, marriage chapter";
    case Cancellation::NadiSameSignLord: return "later practice, printed with the Ashtakoota";
    case Cancellation::BhakootSameSignLord:
    case Cancellation::BhakootFriendlyLords: return "S.P. Gaur, Bhakoot Dosha and Married Life, Future Samachar";
    case Cancellation::GanaSameOrFriendlyLords:
    case Cancellation::GanaGirlStarFar: break;
    }
    return "Future Point, Horoscope Matching";
}

std::string_view ManglikReferenceName(ManglikReference reference)
{
    switch (reference) {
    case ManglikReference::Lagna: return "Lagna";
    case ManglikReference::Moon: return "Moon";
    case ManglikReference::Venus: break;
    }
    return "Venus";
}

std::string_view ManglikExceptionText(ManglikException exception)
{
    switch (exception) {
    case ManglikException::HouseSign: return "Mars in a sign that exempts its house";
    case ManglikException::LeoOrAquarius: return "Mars in Leo or Aquarius";
    case ManglikException::OwnSign: return "Mars in its own sign";
    case ManglikException::Exalted: return "Mars exalted";
    case ManglikException::JoinedByJupiter: return "Jupiter with Mars";
    case ManglikException::AspectedByJupiter: return "Jupiter aspects Mars";
    case ManglikException::JoinedByMoon: return "the Moon with Mars";
    case ManglikException::BeneficInLagna: break;
    }
    return "Jupiter or Venus in the Lagna";
}

std::string_view ManglikExceptionSource(ManglikException exception)
{
    switch (exception) {
    case ManglikException::HouseSign:
    case ManglikException::LeoOrAquarius: return "B.V. Raman";
    case ManglikException::JoinedByJupiter:
    case ManglikException::JoinedByMoon:
    case ManglikException::BeneficInLagna: return "Kerala tradition";
    default: break;
    }
    return "common rule";
}

std::string ManglikSummary(const ManglikFinding& finding)
{
    std::string text = finding.manglik() ? "Manglik: Mars in " : "not Manglik: Mars in ";
    text += Sign(finding.marsSign);
    for (const ManglikFromReference& one : finding.from) {
        if (finding.manglik() && !one.dosha) continue;
        text += ", the " + Ordinal(one.house) + " from " + (one.reference == ManglikReference::Venus ? "" : "the ") +
                std::string(ManglikReferenceName(one.reference));
    }
    return text;
}

}  // namespace zodiora
