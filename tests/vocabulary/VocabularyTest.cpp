#include <gtest/gtest.h>

#include <set>
#include <string>

#include "engine/Body.h"
#include "engine/SignNames.h"
#include "vedic/Nakshatra.h"
#include "vedic/Varga.h"
#include "birthdata/TimeZoneTable.h"
#include "vocabulary/Vocabulary.h"
#include "vocabulary/ZoneNames.h"

using namespace zodiora;
using namespace zodiora::vocabulary;

TEST(Vocabulary, EveryLanguageHasTheSameEntriesNoneEmptyNoneRepeated)
{
    for (const Kind kind : AllKinds) {
        const auto english = Names(Language::English, kind);
        ASSERT_FALSE(english.empty());
        EXPECT_EQ(SanskritNames(kind).size(), english.size());
        for (const Language language : AllLanguages) {
            const auto names = Names(language, kind);
            EXPECT_EQ(names.size(), english.size()) << LanguageCode(language) << " kind " << static_cast<int>(kind);
            const std::set<std::string_view> distinct(names.begin(), names.end());
            EXPECT_EQ(distinct.size(), names.size()) << LanguageCode(language) << " kind " << static_cast<int>(kind);
            EXPECT_EQ(distinct.count(std::string_view{}), 0u);
        }
        for (const std::string_view name : SanskritNames(kind)) EXPECT_FALSE(name.empty());
    }
    EXPECT_EQ(Names(Language::English, Kind::Sign).size(), 12u);
    EXPECT_EQ(Names(Language::Hindi, Kind::Planet).size(), static_cast<std::size_t>(PointCount));
    EXPECT_EQ(Names(Language::Hindi, Kind::Nakshatra).size(), 27u);
    EXPECT_EQ(Names(Language::Hindi, Kind::Tithi).size(), 30u);
    EXPECT_EQ(Names(Language::Hindi, Kind::Yoga).size(), 27u);
    EXPECT_EQ(Names(Language::Hindi, Kind::Karana).size(), 11u);
    EXPECT_EQ(Names(Language::Hindi, Kind::Varga).size(), static_cast<std::size_t>(vedic::VargaCount));
}

TEST(Vocabulary, HindiNamesAreDevanagari)
{
    for (const Kind kind : AllKinds) {
        for (const std::string_view name : Names(Language::Hindi, kind)) {
            // Every Devanagari letter is U+0900..U+097F: UTF-8 lead byte 0xE0, then 0xA4 or 0xA5.
            ASSERT_GE(name.size(), 3u);
            EXPECT_EQ(static_cast<unsigned char>(name[0]), 0xE0) << name;
            EXPECT_TRUE(static_cast<unsigned char>(name[1]) == 0xA4 || static_cast<unsigned char>(name[1]) == 0xA5)
                << name;
        }
    }
    EXPECT_EQ(Name(Language::Hindi, Kind::Sign, 0), "मेष");
    EXPECT_EQ(Name(Language::Hindi, Kind::Sign, 1), "वृषभ");
    EXPECT_EQ(Name(Language::Hindi, Kind::Planet, 0), "सूर्य");
    EXPECT_EQ(Name(Language::Hindi, Kind::Planet, 1), "चन्द्र");
}

TEST(Vocabulary, EnglishAgreesWithTheNamesTheChartsAlreadyUse)
{
    for (int i = 0; i < 12; ++i) EXPECT_EQ(Name(Language::English, Kind::Sign, i), SignNames[i]);
    for (int i = 0; i < vedic::NakshatraCount; ++i) {
        EXPECT_EQ(Name(Language::English, Kind::Nakshatra, i), vedic::NakshatraName(i));
    }
    for (const vedic::Varga varga : vedic::AllVargas) {
        EXPECT_EQ(Name(Language::English, Kind::Varga, static_cast<int>(varga)), vedic::VargaTitle(varga));
    }
    for (const Body body : AllPoints) {
        if (body == Body::Ascendant) continue;  // "Asc" on the wheel, spelt out here
        EXPECT_EQ(Name(Language::English, Kind::Planet, static_cast<int>(body)), NameOf(body));
    }
}

TEST(Vocabulary, SanskritBesideOrInsteadOfEnglish)
{
    EXPECT_EQ(ShownName({Language::English, Sanskrit::Off}, Kind::Sign, 0), "Aries");
    EXPECT_EQ(ShownName({Language::English, Sanskrit::Beside}, Kind::Sign, 1), "Taurus (Vrishabha)");
    EXPECT_EQ(ShownName({Language::English, Sanskrit::Instead}, Kind::Sign, 0), "Mesha");
    EXPECT_EQ(ShownName({Language::English, Sanskrit::Instead}, Kind::Planet, 0), "Surya");
    // Names that already are Sanskrit are not doubled, and Hindi has no English to stand beside.
    EXPECT_EQ(ShownName({Language::English, Sanskrit::Beside}, Kind::Nakshatra, 0), "Ashwini");
    EXPECT_EQ(ShownName({Language::English, Sanskrit::Beside}, Kind::Planet, 11), "Rahu");
    EXPECT_EQ(ShownName({Language::Hindi, Sanskrit::Beside}, Kind::Sign, 0), "मेष");
    // Outside the list: nothing, never another entry.
    EXPECT_EQ(ShownName({Language::English, Sanskrit::Beside}, Kind::Sign, 12), "");
    EXPECT_EQ(ShownName({Language::Hindi, Sanskrit::Off}, Kind::Tithi, -1), "");
}

TEST(Vocabulary, LanguageCodes)
{
    EXPECT_EQ(LanguageOfCode("hi"), Language::Hindi);
    EXPECT_EQ(LanguageOfCode("hi_IN"), Language::Hindi);
    EXPECT_EQ(LanguageOfCode("hi-IN"), Language::Hindi);
    EXPECT_EQ(LanguageOfCode("en"), Language::English);
    EXPECT_EQ(LanguageOfCode("hin"), Language::English);
    EXPECT_EQ(LanguageOfCode("C"), Language::English);
    EXPECT_EQ(LanguageCode(LanguageOfCode("hi_IN.UTF-8")), "hi");
}

// The form's zone list and the calculation line name the zone row in the
// chosen language: every row's name has its Hindi, in Devanagari.
TEST(Vocabulary, EveryZoneRowHasAHindiName)
{
    for (const TimeZoneRow& row : TimeZoneTable) {
        std::string_view name = row.text.substr(0, row.text.find(','));
        while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
        const std::string_view hindi = ZoneName(Language::Hindi, name);
        EXPECT_NE(hindi, name) << row.text;
        EXPECT_EQ(ZoneName(Language::English, name), name);
    }
}
