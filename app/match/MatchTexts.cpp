#include "app/match/MatchTexts.h"

#include <QCoreApplication>

#include <array>

#include "app/Language.h"
#include "app/QtText.h"
#include "vedic/Friendship.h"

namespace zodiora {

// The translator's context of every text below.
class MatchTexts {
    Q_DECLARE_TR_FUNCTIONS(MatchTexts)
};

using namespace matching;

namespace {

bool InEnglish()
{
    return WindowNameStyle().language == vocabulary::Language::English;
}


// The classes of the Moon's nakshatra the kootas compare, in their enumerations' order.
constexpr std::array VarnaNames{QT_TRANSLATE_NOOP("MatchTexts", "Brahmin"),
                                QT_TRANSLATE_NOOP("MatchTexts", "Kshatriya"),
                                QT_TRANSLATE_NOOP("MatchTexts", "Vaishya"),
                                QT_TRANSLATE_NOOP("MatchTexts", "Shudra")};
constexpr std::array VashyaNames{QT_TRANSLATE_NOOP("MatchTexts", "Chatushpada"),
                                 QT_TRANSLATE_NOOP("MatchTexts", "Manava"),
                                 QT_TRANSLATE_NOOP("MatchTexts", "Jalachara"),
                                 QT_TRANSLATE_NOOP("MatchTexts", "Vanachara"),
                                 QT_TRANSLATE_NOOP("MatchTexts", "Keeta")};
constexpr std::array YoniNames{
    QT_TRANSLATE_NOOP("MatchTexts", "Horse"),   QT_TRANSLATE_NOOP("MatchTexts", "Elephant"),
    QT_TRANSLATE_NOOP("MatchTexts", "Sheep"),   QT_TRANSLATE_NOOP("MatchTexts", "Serpent"),
    QT_TRANSLATE_NOOP("MatchTexts", "Dog"),     QT_TRANSLATE_NOOP("MatchTexts", "Cat"),
    QT_TRANSLATE_NOOP("MatchTexts", "Rat"),     QT_TRANSLATE_NOOP("MatchTexts", "Cow"),
    QT_TRANSLATE_NOOP("MatchTexts", "Buffalo"), QT_TRANSLATE_NOOP("MatchTexts", "Tiger"),
    QT_TRANSLATE_NOOP("MatchTexts", "Deer"),    QT_TRANSLATE_NOOP("MatchTexts", "Monkey"),
    QT_TRANSLATE_NOOP("MatchTexts", "Mongoose"), QT_TRANSLATE_NOOP("MatchTexts", "Lion")};
constexpr std::array GanaNames{QT_TRANSLATE_NOOP("MatchTexts", "Deva"),
                               QT_TRANSLATE_NOOP("MatchTexts", "Manushya"),
                               QT_TRANSLATE_NOOP("MatchTexts", "Rakshasa")};
constexpr std::array NadiNames{QT_TRANSLATE_NOOP("MatchTexts", "Adi"),
                               QT_TRANSLATE_NOOP("MatchTexts", "Madhya"),
                               QT_TRANSLATE_NOOP("MatchTexts", "Antya")};
static_assert(YoniNames.size() == YoniCount);

template <std::size_t N, typename E>
QString NameIn(const std::array<const char*, N>& names, E value)
{
    return MatchTexts::tr(names[static_cast<std::size_t>(value)]);
}

QString BoyGirl(const QString& boy, const QString& girl)
{
    return MatchTexts::tr("boy %1, girl %2").arg(boy, girl);
}

QString Lord(vedic::Graha graha)
{
    return ShownEnglishName(ToQString(vedic::GrahaName(graha)));
}

QString Sign(int sign)
{
    return ShownName(vocabulary::Kind::Sign, sign);
}

QString RelationWord(vedic::Relation relation)
{
    switch (relation) {
    case vedic::Relation::Friend: return MatchTexts::tr("a friend");
    case vedic::Relation::Neutral: return MatchTexts::tr("neutral");
    case vedic::Relation::Enemy: break;
    }
    return MatchTexts::tr("an enemy");
}

QString TaraPart(int count)
{
    return (TaraPoints(count) > 0 ? MatchTexts::tr("%1 (remainder %2, good)", "a star counted from another")
                                  : MatchTexts::tr("%1 (remainder %2, bad)", "a star counted from another"))
        .arg(count)
        .arg(count % 9);
}

QString GrahaMaitriReason(const KootaMatch& match)
{
    const QString boyLord = Lord(match.boy.signLord);
    const QString girlLord = Lord(match.girl.signLord);
    if (match.boy.signLord == match.girl.signLord) return MatchTexts::tr("both signs ruled by %1").arg(boyLord);
    if (match.boyLordToGirlLord == match.girlLordToBoyLord) {
        const QString relation = match.boyLordToGirlLord == vedic::Relation::Friend    ? MatchTexts::tr("friends both ways")
                                 : match.boyLordToGirlLord == vedic::Relation::Neutral ? MatchTexts::tr("neutral both ways")
                                                                                       : MatchTexts::tr("enemies both ways");
        return MatchTexts::tr("%1 and %2: %3").arg(boyLord, girlLord, relation);
    }
    return MatchTexts::tr("%1 counts %2 %3, %2 counts %1 %4")
        .arg(boyLord, girlLord, RelationWord(match.boyLordToGirlLord), RelationWord(match.girlLordToBoyLord));
}

QString YoniRelation(double points)
{
    switch (static_cast<int>(points)) {
    case 4: return MatchTexts::tr("the same yoni");
    case 3: return MatchTexts::tr("friendly");
    case 2: return MatchTexts::tr("neutral");
    case 1: return MatchTexts::tr("inimical");
    default: return MatchTexts::tr("sworn enemies");
    }
}

QString ReferenceName(ManglikReference reference)
{
    switch (reference) {
    case ManglikReference::Lagna: return MatchTexts::tr("the Lagna");
    case ManglikReference::Moon: return MatchTexts::tr("the Moon");
    case ManglikReference::Venus: break;
    }
    return MatchTexts::tr("Venus");
}

}  // namespace

QString ShownKootaName(Koota koota)
{
    if (InEnglish()) return ToQString(KootaName(koota));
    static constexpr std::array Names{
        QT_TRANSLATE_NOOP("MatchTexts", "Varna"), QT_TRANSLATE_NOOP("MatchTexts", "Vashya"),
        QT_TRANSLATE_NOOP("MatchTexts", "Tara"),  QT_TRANSLATE_NOOP("MatchTexts", "Yoni"),
        QT_TRANSLATE_NOOP("MatchTexts", "Graha Maitri"), QT_TRANSLATE_NOOP("MatchTexts", "Gana"),
        QT_TRANSLATE_NOOP("MatchTexts", "Bhakoot"), QT_TRANSLATE_NOOP("MatchTexts", "Nadi")};
    return MatchTexts::tr(Names[static_cast<std::size_t>(koota)]);
}

QString ShownKootaReason(const KootaMatch& match, Koota koota)
{
    if (InEnglish()) return ToQString(KootaReason(match, koota));
    const MoonProfile& boy = match.boy;
    const MoonProfile& girl = match.girl;
    const double points = match.score(koota).points;
    switch (koota) {
    case Koota::Varna:
        return BoyGirl(NameIn(VarnaNames, boy.varna), NameIn(VarnaNames, girl.varna)) +
               (points > 0 ? MatchTexts::tr(": the boy's varna is not lower") : MatchTexts::tr(": the girl's varna is higher"));
    case Koota::Vashya: return BoyGirl(NameIn(VashyaNames, boy.vashya), NameIn(VashyaNames, girl.vashya));
    case Koota::Tara:
        return MatchTexts::tr("boy's star %1 from the girl's, hers %2 from his", "%1, %2: counts of stars")
            .arg(TaraPart(match.boyStarFromGirl), TaraPart(match.girlStarFromBoy));
    case Koota::Yoni:
        return BoyGirl(NameIn(YoniNames, boy.yoni), NameIn(YoniNames, girl.yoni)) + MatchTexts::tr(": %1").arg(YoniRelation(points));
    case Koota::GrahaMaitri: return GrahaMaitriReason(match);
    case Koota::Gana: return BoyGirl(NameIn(GanaNames, boy.gana), NameIn(GanaNames, girl.gana));
    case Koota::Bhakoot: {
        QString text = MatchTexts::tr("%1 is sign %2 from %3, %3 sign %4 from %1")
                           .arg(Sign(boy.sign))
                           .arg(match.boySignFromGirl)
                           .arg(Sign(girl.sign))
                           .arg(match.girlSignFromBoy);
        if (points == 0) text += MatchTexts::tr(": %1/%2, a dosha").arg(match.boySignFromGirl).arg(match.girlSignFromBoy);
        return text;
    }
    case Koota::Nadi:
        return boy.nadi == girl.nadi ? MatchTexts::tr("both %1: a Nadi dosha").arg(NameIn(NadiNames, boy.nadi))
                                     : BoyGirl(NameIn(NadiNames, boy.nadi), NameIn(NadiNames, girl.nadi));
    }
    return {};
}

QString ShownCancellationText(const KootaMatch& match, Cancellation cancellation)
{
    if (InEnglish()) return ToQString(CancellationText(match, cancellation));
    const QString boyLord = Lord(match.boy.signLord);
    const QString girlLord = Lord(match.girl.signLord);
    switch (cancellation) {
    case Cancellation::NadiSameSignOtherNakshatra: return MatchTexts::tr("Nadi dosha: one Moon sign, different nakshatras");
    case Cancellation::NadiSameNakshatraOtherSign: return MatchTexts::tr("Nadi dosha: one nakshatra, different Moon signs");
    case Cancellation::NadiSameNakshatraOtherPada: return MatchTexts::tr("Nadi dosha: one nakshatra, different padas");
    case Cancellation::NadiSameSignLord: return MatchTexts::tr("Nadi dosha: both Moon signs ruled by %1").arg(boyLord);
    case Cancellation::BhakootSameSignLord: return MatchTexts::tr("Bhakoot dosha: both Moon signs ruled by %1").arg(boyLord);
    case Cancellation::BhakootFriendlyLords:
        return MatchTexts::tr("Bhakoot dosha: the Moon signs' lords, %1 and %2, are friends of each other").arg(boyLord, girlLord);
    case Cancellation::GanaSameOrFriendlyLords:
        return boyLord == girlLord
                   ? MatchTexts::tr("Gana dosha: both Moon signs ruled by %1").arg(boyLord)
                   : MatchTexts::tr("Gana dosha: the Moon signs' lords, %1 and %2, are friends of each other").arg(boyLord, girlLord);
    case Cancellation::GanaGirlStarFar:
        return MatchTexts::tr("Gana dosha: the girl's star is star %1 from the boy's (14 or further)").arg(match.girlStarFromBoy);
    }
    return {};
}

QString ShownCancellationSource(Cancellation cancellation)
{
    if (InEnglish()) return ToQString(CancellationSource(cancellation));
    switch (cancellation) {
    case Cancellation::NadiSameSignOtherNakshatra:
    case Cancellation::NadiSameNakshatraOtherSign:
    case Cancellation::NadiSameNakshatraOtherPada: return MatchTexts::tr("Muhurta Chintamani, marriage chapter");
    case Cancellation::NadiSameSignLord: return MatchTexts::tr("later practice, printed with the Ashtakoota");
    case Cancellation::BhakootSameSignLord:
    case Cancellation::BhakootFriendlyLords: return MatchTexts::tr("S.P. Gaur, Bhakoot Dosha and Married Life, Future Samachar");
    case Cancellation::GanaSameOrFriendlyLords:
    case Cancellation::GanaGirlStarFar: break;
    }
    return MatchTexts::tr("Future Point, Horoscope Matching");
}

QString ShownManglikExceptionText(ManglikException exception)
{
    if (InEnglish()) return ToQString(ManglikExceptionText(exception));
    switch (exception) {
    case ManglikException::HouseSign: return MatchTexts::tr("Mars in a sign that exempts its house");
    case ManglikException::LeoOrAquarius: return MatchTexts::tr("Mars in Leo or Aquarius");
    case ManglikException::OwnSign: return MatchTexts::tr("Mars in its own sign");
    case ManglikException::Exalted: return MatchTexts::tr("Mars exalted");
    case ManglikException::JoinedByJupiter: return MatchTexts::tr("Jupiter with Mars");
    case ManglikException::AspectedByJupiter: return MatchTexts::tr("Jupiter aspects Mars");
    case ManglikException::JoinedByMoon: return MatchTexts::tr("the Moon with Mars");
    case ManglikException::BeneficInLagna: break;
    }
    return MatchTexts::tr("Jupiter or Venus in the Lagna");
}

QString ShownManglikExceptionSource(ManglikException exception)
{
    if (InEnglish()) return ToQString(ManglikExceptionSource(exception));
    switch (exception) {
    case ManglikException::HouseSign:
    case ManglikException::LeoOrAquarius: return MatchTexts::tr("B.V. Raman");
    case ManglikException::JoinedByJupiter:
    case ManglikException::JoinedByMoon:
    case ManglikException::BeneficInLagna: return MatchTexts::tr("Kerala tradition");
    default: break;
    }
    return MatchTexts::tr("common rule");
}

QString ShownManglikSummary(const ManglikFinding& finding)
{
    if (InEnglish()) return ToQString(ManglikSummary(finding));
    QString text = (finding.manglik() ? MatchTexts::tr("Manglik: Mars in %1") : MatchTexts::tr("not Manglik: Mars in %1")).arg(Sign(finding.marsSign));
    for (const ManglikFromReference& one : finding.from) {
        if (finding.manglik() && !one.dosha) continue;
        text += MatchTexts::tr(", house %1 from %2").arg(one.house).arg(ReferenceName(one.reference));
    }
    return text;
}

}  // namespace zodiora
