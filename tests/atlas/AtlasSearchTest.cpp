#include "atlas/Atlas.h"
#include "atlas/FoldText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using zodiora::atlas::Atlas;
using zodiora::atlas::Place;

namespace {

class AtlasSearch : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        std::string error;
        atlas = new std::optional<Atlas>(Atlas::Load(ZODIORA_ATLAS_FILE, &error));
        ASSERT_TRUE(*atlas) << error;
    }
    static void TearDownTestSuite() { delete atlas; }

    static std::vector<std::string> Labels(std::string_view query, std::size_t limit = 5)
    {
        std::vector<std::string> labels;
        for (const Place* place : (*atlas)->search(query, limit))
            labels.push_back((*atlas)->label(*place));
        return labels;
    }
    static std::string First(std::string_view query)
    {
        const auto labels = Labels(query, 1);
        return labels.empty() ? std::string() : labels.front();
    }

    static std::optional<Atlas>* atlas;
};

std::optional<Atlas>* AtlasSearch::atlas = nullptr;

}  // namespace

TEST_F(AtlasSearch, HoldsTheGeoNamesPlacesWithTheirZones)
{
    EXPECT_EQ((*atlas)->places().size(), 118525u);
    const Place& kolkata = *(*atlas)->search("Kolkata", 1).at(0);
    EXPECT_EQ(kolkata.countryCode, "IN");
    EXPECT_EQ(kolkata.state, "West Bengal");
    EXPECT_EQ(kolkata.zoneId, "Asia/Kolkata");
    EXPECT_NEAR(kolkata.latitude, 22.56263, 1e-9);
    EXPECT_NEAR(kolkata.longitude, 88.36304, 1e-9);
    EXPECT_GT(kolkata.population, 4000000);
}

TEST_F(AtlasSearch, FoldsCaseAndAccents)
{
    EXPECT_EQ(First("zurich"), "Zürich, Zurich, Switzerland");
    EXPECT_EQ(First("SAO PAULO"), "São Paulo, São Paulo, Brazil");
    EXPECT_EQ(First("Malmö"), First("malmo"));
}

TEST_F(AtlasSearch, OldAndForeignNamesFindTodaysPlace)
{
    EXPECT_EQ(First("Calcutta"), "Kolkata, West Bengal, India");
    EXPECT_EQ(First("Bombay"), "Mumbai, Maharashtra, India");
    EXPECT_EQ(First("Peking"), "Beijing, Beijing, China");
}

TEST_F(AtlasSearch, StateAndCountryNarrowTheChoice)
{
    EXPECT_EQ(First("Paris"), "Paris, Île-de-France, France");
    EXPECT_EQ(First("Paris, Texas"), "Paris, Texas, United States");
    EXPECT_EQ(First("paris, tennessee, united states"), "Paris, Tennessee, United States");
    EXPECT_EQ(First("Berkeley, California, US"), "Berkeley, California, United States");
    EXPECT_EQ(First("London, CA"), "London, Ontario, Canada");
    EXPECT_EQ(First("Springfield, Ill"), "Springfield, Illinois, United States");
    EXPECT_EQ(First("Seoul, KR"), "Seoul, Seoul, South Korea");
    // Country names with a comma are matched piece by piece.
    EXPECT_EQ(First("Kinshasa, the democratic"), "Kinshasa, Kinshasa, Congo, The Democratic Republic of the");
    EXPECT_EQ(First("Kinshasa, Congo, The Democratic Republic of the"), First("Kinshasa, CD"));
    EXPECT_TRUE(Labels("Paris, Atlantis").empty());
}

TEST_F(AtlasSearch, CompletesPrefixesLargestFirst)
{
    EXPECT_EQ(First("Berk"), "Berkeley, California, United States");
    const auto found = (*atlas)->search("Sant", 20);
    ASSERT_EQ(found.size(), 20u);
    EXPECT_TRUE(std::is_sorted(found.begin(), found.end(),
                               [](const Place* a, const Place* b) { return a->population > b->population; }));
    // No place called Sant... outside the list is larger than the list's last.
    for (const Place& place : (*atlas)->places()) {
        if (zodiora::atlas::FoldText(place.name).starts_with("sant") && place.population > found.back()->population) {
            EXPECT_NE(std::find(found.begin(), found.end(), &place), found.end()) << place.name;
        }
    }
    EXPECT_EQ(found.front()->name, "Santiago");
    EXPECT_TRUE((*atlas)->search("", 5).empty());
    EXPECT_TRUE((*atlas)->search("Berk", 0).empty());
}

TEST_F(AtlasSearch, AlternatesTypedInPartRankLast)
{
    // Birkenhead (once "Berkenhead") is larger than Berkeley, Burke (alias
    // "Berk") smaller: the own name's beginning outranks the alias's.
    const auto berk = Labels("Berk", 50);
    const auto position = [&](const std::string& label) {
        return std::find(berk.begin(), berk.end(), label) - berk.begin();
    };
    EXPECT_LT(position("Burke, Virginia, United States"), position("Birkenhead, England, United Kingdom"));
    // An alias typed whole ranks by population with the own names.
    EXPECT_EQ(Labels("Calcutta", 2),
              (std::vector<std::string>{"Kolkata, West Bengal, India", "Calcutta, Ohio, United States"}));
    // Each place appears once even when several of its names match.
    const auto mumbai = (*atlas)->search("Bomba", 50);
    EXPECT_EQ(std::count_if(mumbai.begin(), mumbai.end(), [](const Place* p) { return p->name == "Mumbai"; }), 1);
}
