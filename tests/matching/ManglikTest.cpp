// Kuja (Manglik) dosha: each of the three references, the six houses, and
// each classical exception on its own.
#include <gtest/gtest.h>

#include "matching/Manglik.h"
#include "SignIndices.h"

using namespace zodiora::matching;
using namespace zodiora::test;

namespace {

const ManglikFromReference& From(const ManglikFinding& finding, ManglikReference reference)
{
    return finding.fromReference(reference);
}

std::uint16_t Only(ManglikException exception)
{
    return static_cast<std::uint16_t>(1u << static_cast<int>(exception));
}

}  // namespace

TEST(Manglik, EachReferenceOnItsOwn)
{
    // Mars in Gemini; Jupiter in Taurus (2nd from Mars: no aspect).
    // Lagna Gemini: the 1st. Moon Leo: the 11th. Venus Virgo: the 10th.
    ManglikFinding finding = ManglikOf({Gemini, Leo, Virgo, Gemini, Taurus});
    EXPECT_TRUE(From(finding, ManglikReference::Lagna).dosha);
    EXPECT_EQ(From(finding, ManglikReference::Lagna).house, 1);
    EXPECT_EQ(From(finding, ManglikReference::Lagna).exceptions, 0);
    EXPECT_FALSE(From(finding, ManglikReference::Moon).dosha);
    EXPECT_EQ(From(finding, ManglikReference::Moon).house, 11);
    EXPECT_FALSE(From(finding, ManglikReference::Venus).dosha);
    EXPECT_EQ(From(finding, ManglikReference::Venus).house, 10);
    EXPECT_TRUE(finding.manglik());
    EXPECT_FALSE(finding.everyDoshaExcepted());

    // From the Moon only: Lagna Leo (the 11th), Moon Sagittarius (the 7th),
    // Venus Virgo (the 10th).
    finding = ManglikOf({Leo, Sagittarius, Virgo, Gemini, Taurus});
    EXPECT_FALSE(From(finding, ManglikReference::Lagna).dosha);
    EXPECT_TRUE(From(finding, ManglikReference::Moon).dosha);
    EXPECT_EQ(From(finding, ManglikReference::Moon).house, 7);
    EXPECT_FALSE(From(finding, ManglikReference::Venus).dosha);

    // From Venus only: Venus Cancer, Gemini is the 12th.
    finding = ManglikOf({Leo, Virgo, Cancer, Gemini, Taurus});
    EXPECT_FALSE(From(finding, ManglikReference::Lagna).dosha);
    EXPECT_FALSE(From(finding, ManglikReference::Moon).dosha);
    EXPECT_TRUE(From(finding, ManglikReference::Venus).dosha);
    EXPECT_EQ(From(finding, ManglikReference::Venus).house, 12);

    // None: Mars the 3rd from all three.
    finding = ManglikOf({Aries, Aries, Aries, Gemini, Taurus});
    EXPECT_FALSE(finding.manglik());
    EXPECT_TRUE(finding.everyDoshaExcepted());
}

TEST(Manglik, TheSixHouses)
{
    for (int house = 1; house <= 12; ++house) {
        // Mars in Gemini, the Lagna `house - 1` signs before it.
        const int lagna = ((Gemini - (house - 1)) % 12 + 12) % 12;
        const ManglikFinding finding = ManglikOf({lagna, Leo, Virgo, Gemini, Taurus});
        const bool dosha = house == 1 || house == 2 || house == 4 || house == 7 || house == 8 || house == 12;
        EXPECT_EQ(From(finding, ManglikReference::Lagna).house, house);
        EXPECT_EQ(From(finding, ManglikReference::Lagna).dosha, dosha) << house;
    }
}

TEST(Manglik, RamansHouseAndSignExceptions)
{
    // Mars in each house in the signs B.V. Raman names, counted from the
    // Lagna; Moon and Venus kept away, Jupiter kept from Mars and the Lagna.
    struct Case { int house; int mars; };
    for (const Case c : {Case{2, Gemini}, Case{2, Virgo}, Case{4, Aries}, Case{4, Scorpio}, Case{7, Capricorn},
                         Case{7, Cancer}, Case{8, Sagittarius}, Case{8, Pisces}, Case{12, Taurus}, Case{12, Libra}}) {
        const int lagna = ((c.mars - (c.house - 1)) % 12 + 12) % 12;
        const int jupiter = (c.mars + 1) % 12;  // the 2nd from Mars: no aspect, not with it
        const int away = (c.mars + 2) % 12;     // Mars the 11th from Moon and Venus
        const ManglikFinding finding = ManglikOf({lagna, away, away, c.mars, jupiter});
        const ManglikFromReference& one = From(finding, ManglikReference::Lagna);
        ASSERT_TRUE(one.dosha);
        EXPECT_TRUE(one.has(ManglikException::HouseSign)) << c.house << ' ' << c.mars;
    }
    // The same signs in another dosha house are no exception: Gemini in the 7th.
    const ManglikFinding finding = ManglikOf({Sagittarius, Taurus, Taurus, Gemini, Cancer});
    EXPECT_TRUE(From(finding, ManglikReference::Lagna).dosha);
    EXPECT_EQ(From(finding, ManglikReference::Lagna).exceptions, 0);
}

TEST(Manglik, EachExceptionOnItsOwn)
{
    // Mars in Leo in the 1st: Leo or Aquarius (Raman).
    ManglikFinding finding = ManglikOf({Leo, Aries, Aries, Leo, Virgo});
    EXPECT_EQ(From(finding, ManglikReference::Lagna).exceptions, Only(ManglikException::LeoOrAquarius));
    // Mars in Aries in the 1st: own sign (the 4th-house rule does not apply in the 1st).
    finding = ManglikOf({Aries, Leo, Leo, Aries, Taurus});
    EXPECT_EQ(From(finding, ManglikReference::Lagna).exceptions, Only(ManglikException::OwnSign));
    // Mars in Capricorn in the 1st: exalted.
    finding = ManglikOf({Capricorn, Aries, Aries, Capricorn, Aquarius});
    EXPECT_EQ(From(finding, ManglikReference::Lagna).exceptions, Only(ManglikException::Exalted));
    // Jupiter with Mars in Gemini, the 4th from a Pisces Lagna.
    finding = ManglikOf({Pisces, Leo, Virgo, Gemini, Gemini});
    EXPECT_EQ(From(finding, ManglikReference::Lagna).exceptions, Only(ManglikException::JoinedByJupiter));
    // Jupiter in Sagittarius aspects Gemini (its 7th); in Aquarius (its 5th)
    // and in Libra (its 9th) too; in Virgo (its 10th) it does not.
    for (const int jupiter : {Sagittarius, Aquarius, Libra}) {
        finding = ManglikOf({Gemini, Leo, Leo, Gemini, jupiter});
        EXPECT_EQ(From(finding, ManglikReference::Lagna).exceptions, Only(ManglikException::AspectedByJupiter))
            << jupiter;
    }
    finding = ManglikOf({Gemini, Leo, Leo, Gemini, Virgo});
    EXPECT_EQ(From(finding, ManglikReference::Lagna).exceptions, 0);
    // The Moon with Mars in Gemini: a dosha from the Moon too (the 1st), lifted.
    finding = ManglikOf({Gemini, Gemini, Leo, Gemini, Taurus});
    EXPECT_EQ(From(finding, ManglikReference::Lagna).exceptions, Only(ManglikException::JoinedByMoon));
    EXPECT_EQ(From(finding, ManglikReference::Moon).exceptions, Only(ManglikException::JoinedByMoon));
    // Venus in an Aries Lagna, Mars in Cancer (the 4th).
    finding = ManglikOf({Aries, Virgo, Aries, Cancer, Taurus});
    EXPECT_TRUE(From(finding, ManglikReference::Lagna).dosha);
    EXPECT_EQ(From(finding, ManglikReference::Lagna).exceptions, Only(ManglikException::BeneficInLagna));
    // Jupiter in the Lagna as well.
    finding = ManglikOf({Aries, Virgo, Leo, Cancer, Aries});
    EXPECT_EQ(From(finding, ManglikReference::Lagna).exceptions, Only(ManglikException::BeneficInLagna));
}

TEST(Manglik, ExceptionsOnlyWhereThereIsADosha)
{
    // Mars in Leo (Raman's exception everywhere) the 3rd from Gemini: no
    // dosha, no exceptions listed.
    const ManglikFinding finding = ManglikOf({Gemini, Gemini, Gemini, Leo, Leo});
    EXPECT_FALSE(finding.manglik());
    for (const ManglikFromReference& one : finding.from) EXPECT_EQ(one.exceptions, 0);
    EXPECT_EQ(finding.marsSign, Leo);
}
