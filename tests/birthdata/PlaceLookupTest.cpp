#include <gtest/gtest.h>

#include "birthdata/PlaceLookup.h"

using namespace zodiora;

TEST(PlaceLookup, AsksForTheFirstMissingPartOfThePlace)
{
    const auto noCity = CheckPlaceLookup("", "", "");
    ASSERT_TRUE(noCity);
    EXPECT_EQ(noCity->text, "Please Enter City");
    EXPECT_EQ(noCity->focus, FormField::City);
    EXPECT_EQ(noCity->icon, MessageIcon::Information);

    const auto noState = CheckPlaceLookup("Pune", "", "");
    ASSERT_TRUE(noState);
    EXPECT_EQ(noState->text, "Please Enter State");
    EXPECT_EQ(noState->focus, FormField::State);

    const auto noCountry = CheckPlaceLookup("Pune", "Maharashtra", "");
    ASSERT_TRUE(noCountry);
    EXPECT_EQ(noCountry->text, "Please Enter Country");
    EXPECT_EQ(noCountry->focus, FormField::Country);

    EXPECT_FALSE(CheckPlaceLookup("Pune", "Maharashtra", "India"));
}

TEST(PlaceLookup, QueryJoinsThePartsWithSingleSpaces)
{
    EXPECT_EQ(PlaceSearchQuery("Pune", "Maharashtra", "India"), "Pune Maharashtra India Latitude Longitude");
}
