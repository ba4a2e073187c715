#include "presentation/ChartMatch.h"

#include <array>
#include <cmath>
#include <cstdio>

#include "engine/SignNames.h"
#include "presentation/MatchPhrases.h"
#include "presentation/Phrases.h"
#include "vedic/Varga.h"

namespace zodiora {

using namespace matching;

namespace {

std::string_view Sign(int sign)
{
    return SignNames[static_cast<std::size_t>(((sign % 12) + 12) % 12)];
}

int SignOfBody(const Chart& chart, Body body)
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

Phrasebook WordsOf(vocabulary::Language language)
{
    return {language, MatchPhrases(language)};
}

std::string_view SignIn(const Phrasebook& words, int sign)
{
    return words.name(vocabulary::Kind::Sign, Sign(sign));
}

std::string_view GrahaIn(const Phrasebook& words, vedic::Graha graha)
{
    return words.name(vocabulary::Kind::Planet, vedic::GrahaName(graha));
}

std::string OrdinalIn(const Phrasebook& words, int number)
{
    return words.language == vocabulary::Language::English ? Ordinal(number)
                                                           : words.fill("{}th", {std::to_string(number)});
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

std::string BoyGirl(const Phrasebook& words, std::string_view boy, std::string_view girl)
{
    return words.fill("boy {}, girl {}", {words(boy), words(girl)});
}

std::string TaraPart(const Phrasebook& words, int count)
{
    const int remainder = count % 9;
    return words.fill(TaraPoints(count) > 0 ? "{} (remainder {}, good)" : "{} (remainder {}, bad)",
                      {OrdinalIn(words, count), std::to_string(remainder)});
}

std::string GrahaMaitriReason(const Phrasebook& words, const KootaMatch& match)
{
    const std::string_view boyLord = GrahaIn(words, match.boy.signLord);
    const std::string_view girlLord = GrahaIn(words, match.girl.signLord);
    if (match.boy.signLord == match.girl.signLord) return words.fill("both signs ruled by {}", {boyLord});
    if (match.boyLordToGirlLord == match.girlLordToBoyLord) {
        const std::string_view relation = match.boyLordToGirlLord == vedic::Relation::Friend    ? "friends"
                                          : match.boyLordToGirlLord == vedic::Relation::Neutral ? "neutral"
                                                                                                : "enemies";
        return words.fill("{} and {}: {} both ways", {boyLord, girlLord, words(relation)});
    }
    return words.fill("{} counts {} {}, {} counts {} {}",
                      {boyLord, girlLord, words(RelationWord(match.boyLordToGirlLord)), girlLord, boyLord,
                       words(RelationWord(match.girlLordToBoyLord))});
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
    return {SignOfBody(chart, Body::Ascendant), SignOfBody(chart, Body::Moon), SignOfBody(chart, Body::Venus),
            SignOfBody(chart, Body::Mars), SignOfBody(chart, Body::Jupiter)};
}

ChartMatch MatchCharts(const Chart& boy, const Chart& girl)
{
    return {KootaScores(MoonProfileOf(boy.longitude(Body::Moon)), MoonProfileOf(girl.longitude(Body::Moon))),
            ManglikOf(ManglikSignsOf(boy)), ManglikOf(ManglikSignsOf(girl))};
}

std::string_view KootaName(Koota koota, vocabulary::Language language)
{
    static constexpr std::array<std::string_view, KootaCount> Names{"Varna", "Vashya",  "Tara",   "Yoni",
                                                                    "Graha Maitri", "Gana", "Bhakoot", "Nadi"};
    return WordsOf(language)(Names[static_cast<std::size_t>(koota)]);
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

std::string KootaReason(const KootaMatch& match, Koota koota, vocabulary::Language language)
{
    const Phrasebook words = WordsOf(language);
    const MoonProfile& boy = match.boy;
    const MoonProfile& girl = match.girl;
    const double points = match.score(koota).points;
    switch (koota) {
    case Koota::Varna:
        return BoyGirl(words, NameIn(VarnaNames, boy.varna), NameIn(VarnaNames, girl.varna)) +
               std::string(words(points > 0 ? ": the boy's varna is not lower" : ": the girl's varna is higher"));
    case Koota::Vashya: return BoyGirl(words, NameIn(VashyaNames, boy.vashya), NameIn(VashyaNames, girl.vashya));
    case Koota::Tara:
        return words.fill("boy's star the {} from the girl's, hers the {}",
                          {TaraPart(words, match.boyStarFromGirl), TaraPart(words, match.girlStarFromBoy)});
    case Koota::Yoni:
        return BoyGirl(words, NameIn(YoniNames, boy.yoni), NameIn(YoniNames, girl.yoni)) + ": " +
               std::string(words(YoniRelation(points)));
    case Koota::GrahaMaitri: return GrahaMaitriReason(words, match);
    case Koota::Gana: return BoyGirl(words, NameIn(GanaNames, boy.gana), NameIn(GanaNames, girl.gana));
    case Koota::Bhakoot: {
        std::string text = words.fill("{} is the {} from {}, {} the {} from {}",
                                      {SignIn(words, boy.sign), OrdinalIn(words, match.boySignFromGirl),
                                       SignIn(words, girl.sign), SignIn(words, girl.sign),
                                       OrdinalIn(words, match.girlSignFromBoy), SignIn(words, boy.sign)});
        if (points == 0) {
            text += words.fill(": {}/{}, a dosha",
                               {std::to_string(match.boySignFromGirl), std::to_string(match.girlSignFromBoy)});
        }
        return text;
    }
    case Koota::Nadi:
        return boy.nadi == girl.nadi ? words.fill("both {}: a Nadi dosha", {words(NameIn(NadiNames, boy.nadi))})
                                     : BoyGirl(words, NameIn(NadiNames, boy.nadi), NameIn(NadiNames, girl.nadi));
    }
    return {};
}

std::string CancellationText(const KootaMatch& match, Cancellation cancellation, vocabulary::Language language)
{
    const Phrasebook words = WordsOf(language);
    const std::string_view boyLord = GrahaIn(words, match.boy.signLord);
    const std::string_view girlLord = GrahaIn(words, match.girl.signLord);
    switch (cancellation) {
    case Cancellation::NadiSameSignOtherNakshatra:
        return std::string(words("Nadi dosha: one Moon sign, different nakshatras"));
    case Cancellation::NadiSameNakshatraOtherSign:
        return std::string(words("Nadi dosha: one nakshatra, different Moon signs"));
    case Cancellation::NadiSameNakshatraOtherPada: return std::string(words("Nadi dosha: one nakshatra, different padas"));
    case Cancellation::NadiSameSignLord: return words.fill("Nadi dosha: both Moon signs ruled by {}", {boyLord});
    case Cancellation::BhakootSameSignLord: return words.fill("Bhakoot dosha: both Moon signs ruled by {}", {boyLord});
    case Cancellation::BhakootFriendlyLords:
        return words.fill("Bhakoot dosha: the Moon signs' lords, {} and {}, are friends of each other",
                          {boyLord, girlLord});
    case Cancellation::GanaSameOrFriendlyLords:
        return boyLord == girlLord
                   ? words.fill("Gana dosha: both Moon signs ruled by {}", {boyLord})
                   : words.fill("Gana dosha: the Moon signs' lords, {} and {}, are friends of each other",
                                {boyLord, girlLord});
    case Cancellation::GanaGirlStarFar:
        return words.fill("Gana dosha: the girl's star is the {} from the boy's (14th or further)",
                          {OrdinalIn(words, match.girlStarFromBoy)});
    }
    return {};
}

std::string_view CancellationSource(Cancellation cancellation, vocabulary::Language language)
{
    const Phrasebook words = WordsOf(language);
    switch (cancellation) {
    case Cancellation::NadiSameSignOtherNakshatra:
    case Cancellation::NadiSameNakshatraOtherSign:
    case Cancellation::NadiSameNakshatraOtherPada: return words("Muhurta Chintamani, marriage chapter");
    case Cancellation::NadiSameSignLord: return words("later practice, printed with the Ashtakoota");
    case Cancellation::BhakootSameSignLord:
    case Cancellation::BhakootFriendlyLords: return words("S.P. Gaur, Bhakoot Dosha and Married Life, Future Samachar");
    case Cancellation::GanaSameOrFriendlyLords:
    case Cancellation::GanaGirlStarFar: break;
    }
    return words("Future Point, Horoscope Matching");
}

std::string_view ManglikReferenceName(ManglikReference reference, vocabulary::Language language)
{
    const Phrasebook words = WordsOf(language);
    switch (reference) {
    case ManglikReference::Lagna: return words("Lagna");
    case ManglikReference::Moon: return words.name(vocabulary::Kind::Planet, "Moon");
    case ManglikReference::Venus: break;
    }
    return words.name(vocabulary::Kind::Planet, "Venus");
}

std::string_view ManglikExceptionText(ManglikException exception, vocabulary::Language language)
{
    const Phrasebook words = WordsOf(language);
    switch (exception) {
    case ManglikException::HouseSign: return words("Mars in a sign that exempts its house");
    case ManglikException::LeoOrAquarius: return words("Mars in Leo or Aquarius");
    case ManglikException::OwnSign: return words("Mars in its own sign");
    case ManglikException::Exalted: return words("Mars exalted");
    case ManglikException::JoinedByJupiter: return words("Jupiter with Mars");
    case ManglikException::AspectedByJupiter: return words("Jupiter aspects Mars");
    case ManglikException::JoinedByMoon: return words("the Moon with Mars");
    case ManglikException::BeneficInLagna: break;
    }
    return words("Jupiter or Venus in the Lagna");
}

std::string_view ManglikExceptionSource(ManglikException exception, vocabulary::Language language)
{
    const Phrasebook words = WordsOf(language);
    switch (exception) {
    case ManglikException::HouseSign:
    case ManglikException::LeoOrAquarius: return words("B.V. Raman");
    case ManglikException::JoinedByJupiter:
    case ManglikException::JoinedByMoon:
    case ManglikException::BeneficInLagna: return words("Kerala tradition");
    default: break;
    }
    return words("common rule");
}

std::string ManglikSummary(const ManglikFinding& finding, vocabulary::Language language)
{
    const Phrasebook words = WordsOf(language);
    std::string text =
        words.fill(finding.manglik() ? "Manglik: Mars in {}" : "not Manglik: Mars in {}", {SignIn(words, finding.marsSign)});
    for (const ManglikFromReference& one : finding.from) {
        if (finding.manglik() && !one.dosha) continue;
        text += words.fill(one.reference == ManglikReference::Venus ? ", the {} from {}" : ", the {} from the {}",
                           {OrdinalIn(words, one.house), ManglikReferenceName(one.reference, language)});
    }
    return text;
}

}  // namespace zodiora
