#include "atlas/Atlas.h"
#include "atlas/AtlasLocation.h"
#include "atlas/AtlasText.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <filesystem>
#include <fstream>
#include <vector>
#include <iterator>

using zodiora::atlas::Atlas;
using zodiora::atlas::AtlasText;
using zodiora::atlas::ParseAtlasText;

namespace {

const char* const Tiny =
    "# comment\n"
    "countries 2\nFR\tFrance\nKR\tKorea, Republic of\n"
    "states 1\n0\tÎle-de-France\n"
    "zones 2\nEurope/Paris\nAsia/Seoul\n"
    "places 2\n"
    "Paris\tParigi,Lutetia\t0\t0\t48.85341\t2.3488\t2138551\t0\n"
    "Seoul\t\t1\t\t37.566\t126.9784\t10349312\t1\n";

}  // namespace

TEST(AtlasFile, ParsesEverySection)
{
    std::string error;
    std::vector<AtlasText::Row> rows;
    const auto text = ParseAtlasText(Tiny, [&](const AtlasText&, const AtlasText::Row& row) { rows.push_back(row); }, &error);
    ASSERT_TRUE(text) << error;
    EXPECT_EQ(text->countries[1].name, "Korea, Republic of");
    EXPECT_EQ(text->states[0].name, "Île-de-France");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].alternates, "Parigi,Lutetia");
    EXPECT_EQ(rows[0].state, 0u);
    EXPECT_DOUBLE_EQ(rows[0].longitude, 2.3488);
    EXPECT_FALSE(rows[1].state);
    EXPECT_EQ(rows[1].population, 10349312);
    EXPECT_EQ(text->zones[rows[1].zone], "Asia/Seoul");
}

TEST(AtlasFile, RefusesDamagedTextNamingTheLine)
{
    std::string bad = Tiny;
    bad.replace(bad.find("\t0\n"), 3, "\t7\n");  // zone index out of range
    std::string error;
    const auto ignore = [](const AtlasText&, const AtlasText::Row&) {};
    EXPECT_FALSE(ParseAtlasText(bad, ignore, &error));
    EXPECT_EQ(error.find("atlas line 11:"), 0u) << error;
    EXPECT_FALSE(ParseAtlasText(std::string(Tiny) + "extra\n", ignore, &error));
    EXPECT_FALSE(ParseAtlasText("countries 1\nFR\n", ignore, &error));
    EXPECT_FALSE(ParseAtlasText("", ignore, &error));
}

TEST(AtlasFile, RefusesEachBadPlaceRowWithItsLine)
{
    // Paris's row (line 11) with one field spoilt; indexes equal to their
    // section's count are one past the end.
    const std::string paris = "Paris\tParigi,Lutetia\t0\t0\t48.85341\t2.3488\t2138551\t0\n";
    const auto ignore = [](const AtlasText&, const AtlasText::Row&) {};
    for (const char* row : {"Paris\t\t0\t0\t48.85341\t2.3488\t2138551\t2\n",   // zone index = count
                            "Paris\t\t2\t0\t48.85341\t2.3488\t2138551\t0\n",   // country index = count
                            "Paris\t\t0\t1\t48.85341\t2.3488\t2138551\t0\n",   // state index = count
                            "Paris\t\t0\t0\tnan\t2.3488\t2138551\t0\n",
                            "Paris\t\t0\t0\t48.85341\tinf\t2138551\t0\n",
                            "Paris\t\t0\t0\t90.5\t2.3488\t2138551\t0\n",
                            "Paris\t\t0\t0\t48.85341\t-180.01\t2138551\t0\n",
                            "Paris\t\t0\t0\t48.85341\t2.3488\t-5\t0\n"}) {
        SCOPED_TRACE(row);
        std::string bad = Tiny;
        bad.replace(bad.find(paris), paris.size(), row);
        std::string error;
        EXPECT_FALSE(ParseAtlasText(bad, ignore, &error));
        EXPECT_EQ(error.find("atlas line 11:"), 0u) << error;
    }
}

TEST(AtlasFile, ACountLargerThanTheFileIsRefusedBeforeAnythingIsSized)
{
    const auto path = std::filesystem::temp_directory_path() / "zodiora-atlas-huge-count.txt.gz";
    gzFile file = gzopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    gzputs(file, "countries 1\nFR\tFrance\nstates 0\nzones 1\nEurope/Paris\nplaces 100000000000000\n"
                 "Paris\t\t0\t\t48.85341\t2.3488\t2138551\t0\n");
    gzclose(file);
    std::string error;
    EXPECT_FALSE(Atlas::Load(path.string(), &error));
    EXPECT_EQ(error.find("atlas line 6: expected \"places COUNT\""), 0u) << error;
    std::filesystem::remove(path);
}

TEST(AtlasFile, SmallAtlasLoadsAndSearches)
{
    // Names short enough for a string's inline storage must survive the
    // atlas being moved out of Load.
    const auto path = std::filesystem::temp_directory_path() / "zodiora-atlas-tiny.txt.gz";
    gzFile file = gzopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    gzputs(file, Tiny);
    gzclose(file);
    std::string error;
    std::optional<Atlas> atlas = Atlas::Load(path.string(), &error);
    std::filesystem::remove(path);
    ASSERT_TRUE(atlas) << error;
    const Atlas moved = std::move(*atlas);
    const auto paris = moved.search("lutet", 5);
    ASSERT_EQ(paris.size(), 1u);
    EXPECT_EQ(moved.label(*paris[0]), "Paris, Île-de-France, France");
    EXPECT_EQ(paris[0]->zoneId, "Europe/Paris");
    EXPECT_EQ(paris[0]->countryCode, "FR");
    const auto seoul = moved.search("seoul, republic of", 5);
    ASSERT_EQ(seoul.size(), 1u);
    EXPECT_EQ(moved.label(*seoul[0]), "Seoul, Korea, Republic of");
}

TEST(AtlasFile, AtlasWithoutPlacesLoadsEmpty)
{
    const auto path = std::filesystem::temp_directory_path() / "zodiora-atlas-empty.txt.gz";
    gzFile file = gzopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    gzputs(file, "countries 0\nstates 0\nzones 0\nplaces 0\n");
    gzclose(file);
    std::string error;
    const auto atlas = Atlas::Load(path.string(), &error);
    std::filesystem::remove(path);
    ASSERT_TRUE(atlas) << error;
    EXPECT_TRUE(atlas->places().empty());
    EXPECT_TRUE(atlas->search("a", 10).empty());
}

TEST(AtlasFile, LoadReportsMissingAndNonGzipFiles)
{
    std::string error;
    EXPECT_FALSE(Atlas::Load("/nonexistent/places.txt.gz", &error));
    EXPECT_NE(error.find("cannot open"), std::string::npos);

    const auto plain = std::filesystem::temp_directory_path() / "zodiora-atlas-plain.txt";
    std::ofstream(plain) << Tiny;
    EXPECT_FALSE(Atlas::Load(plain.string(), &error));
    EXPECT_NE(error.find("not a gzip file"), std::string::npos) << error;

    // A real atlas cut short: the header is right, the data end too soon.
    std::ifstream whole(ZODIORA_ATLAS_FILE, std::ios::binary);
    std::string packed((std::istreambuf_iterator<char>(whole)), std::istreambuf_iterator<char>());
    packed.erase(packed.size() / 2, packed.size() / 4);
    std::ofstream(plain, std::ios::binary) << packed;
    EXPECT_FALSE(Atlas::Load(plain.string(), &error));
    EXPECT_NE(error.find("damaged"), std::string::npos) << error;
    std::filesystem::remove(plain);
}

TEST(AtlasFile, FoundBesideTheProgramInTheBuildTree)
{
    const auto found = zodiora::atlas::DefaultAtlasPath();
    ASSERT_TRUE(found);
    EXPECT_EQ(std::filesystem::path(*found).parent_path(), std::filesystem::path(zodiora::atlas::ProgramDirectory()));

    // An installed layout: bin/ beside share/zodiora/.
    const auto root = std::filesystem::temp_directory_path() / "zodiora-atlas-prefix";
    std::filesystem::create_directories(root / "bin");
    std::filesystem::create_directories(root / "share" / "zodiora");
    std::filesystem::copy_file(*found, root / "share" / "zodiora" / std::filesystem::path(*found).filename(),
                               std::filesystem::copy_options::overwrite_existing);
    const auto installed = zodiora::atlas::FindAtlasFile((root / "bin").string());
    ASSERT_TRUE(installed);
    EXPECT_EQ(*installed, (root / "share" / "zodiora" / std::filesystem::path(*found).filename()).string());
    std::filesystem::remove_all(root);
}
