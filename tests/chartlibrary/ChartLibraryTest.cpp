#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "LibraryFixture.h"
#include "chartlibrary/LibraryFiles.h"

using namespace zodiora;
using zodiora::test::AwkwardChart;
using zodiora::test::ExpectSameChart;
using zodiora::test::NamedChart;

namespace {

using ChartLibraryTest = zodiora::test::LibraryFixture;

std::vector<std::string> Names(const std::vector<ChartSummary>& rows)
{
    std::vector<std::string> names;
    for (const auto& row : rows) {
        names.push_back(row.name);
    }
    return names;
}

TEST_F(ChartLibraryTest, SavedChartsComeBackFieldForFieldAfterReopening)
{
    SavedChart awkward = AwkwardChart();
    SavedChart plain = NamedChart("", "", "", 1901);  // empty texts, no zone id
    plain.form.exactOffsetSeconds = 0;                        // an offset of zero is not "no offset"
    {
        ChartLibrary library = makeLibrary();
        const auto opened = library.open(folder_ / "new" / "folder" / "charts.sqlite");
        ASSERT_TRUE(opened) << opened.error();
        EXPECT_FALSE(opened->setAside);
        awkward.id = library.save(awkward).value();
        plain.id = library.save(plain).value();
        awkward.createdMs = awkward.modifiedMs = 1'700'000'001'000;
        plain.createdMs = plain.modifiedMs = 1'700'000'002'000;
    }
    ChartLibrary library = makeLibrary();
    ASSERT_TRUE(library.open(folder_ / "new" / "folder" / "charts.sqlite"));
    ExpectSameChart(library.get(awkward.id).value(), awkward);
    ExpectSameChart(library.get(plain.id).value(), plain);

    const auto rows = library.list().value();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].id, awkward.id);
    EXPECT_EQ(rows[1].name, awkward.form.name);
    EXPECT_EQ(rows[1].date, "2050-12-31 23:59:58");
    EXPECT_EQ(rows[1].place, "São Paulo, 'SP', Brasil");
    EXPECT_EQ(rows[1].modifiedMs, awkward.modifiedMs);
    EXPECT_EQ(rows[0].date, "1901-01-01 00:00");
    EXPECT_EQ(rows[0].place, "");
}

TEST_F(ChartLibraryTest, SavingAnIdReplacesThatChartAndKeepsItsCreationTime)
{
    ChartLibrary library = makeLibrary();
    ASSERT_TRUE(library.open(path_));
    SavedChart chart = AwkwardChart();
    chart.id = library.save(chart).value();
    const std::int64_t created = library.get(chart.id)->createdMs;
    chart.note = "second thoughts";
    chart.form.exactOffsetSeconds.reset();
    EXPECT_EQ(library.save(chart).value(), chart.id);

    const SavedChart again = library.get(chart.id).value();
    EXPECT_EQ(again.note, "second thoughts");
    EXPECT_FALSE(again.form.exactOffsetSeconds);
    EXPECT_EQ(again.createdMs, created);
    EXPECT_GT(again.modifiedMs, created);
    EXPECT_EQ(library.list()->size(), 1u);
}

TEST_F(ChartLibraryTest, ListAndRecentShowTheLastChangedFirst)
{
    ChartLibrary library = makeLibrary();
    ASSERT_TRUE(library.open(path_));
    SavedChart asha = NamedChart("ASHA", "New Delhi", "India", 1980);
    asha.id = library.save(asha).value();
    const std::int64_t ravi = library.save(NamedChart("RAVI", "Mumbai", "India", 1975)).value();
    library.save(NamedChart("ZOË", "São Paulo", "Brasil", 2001));
    EXPECT_EQ(Names(library.list().value()), (std::vector<std::string>{"ZOË", "RAVI", "ASHA"}));

    asha.note = "edited";
    library.save(asha);
    ASSERT_TRUE(library.rename(ravi, "RAVI K"));
    EXPECT_EQ(Names(library.list().value()), (std::vector<std::string>{"RAVI K", "ASHA", "ZOË"}));
    EXPECT_EQ(Names(library.recent(2).value()), (std::vector<std::string>{"RAVI K", "ASHA"}));
    EXPECT_TRUE(library.recent(0)->empty());
}

TEST_F(ChartLibraryTest, SearchMatchesNameDateOrPlaceIgnoringCase)
{
    ChartLibrary library = makeLibrary();
    ASSERT_TRUE(library.open(path_));
    library.save(NamedChart("ASHA", "New Delhi", "India", 1980));
    library.save(NamedChart("Ravi", "Mumbai", "India", 1975));
    library.save(NamedChart("Zoë", "São Paulo", "Brasil", 2001));

    EXPECT_EQ(Names(library.list("asha").value()), (std::vector<std::string>{"ASHA"}));
    EXPECT_EQ(Names(library.list("INDIA").value()), (std::vector<std::string>{"Ravi", "ASHA"}));
    EXPECT_EQ(Names(library.list("delhi, ind").value()), (std::vector<std::string>{"ASHA"}));
    EXPECT_EQ(Names(library.list("1975-01").value()), (std::vector<std::string>{"Ravi"}));
    EXPECT_EQ(Names(library.list("São").value()), (std::vector<std::string>{"Zoë"}));
    EXPECT_EQ(library.list("%").value().size(), 0u);
    EXPECT_EQ(library.list("").value().size(), 3u);
}

TEST_F(ChartLibraryTest, NamesAreStoredComposedAndFoundEitherWay)
{
    ChartLibrary library = makeLibrary();
    ASSERT_TRUE(library.open(path_));
    const std::string decomposed = "JOSE\xcc\x81";  // E + combining acute
    const std::int64_t id = library.save(NamedChart(decomposed, "Sevilla", "España", 1970)).value();
    EXPECT_EQ(Names(library.list().value()), (std::vector<std::string>{"JOSÉ"}));
    EXPECT_EQ(library.get(id)->form.name, "JOSÉ");
    ASSERT_TRUE(library.findByName("JOSÉ").value());
    ASSERT_TRUE(library.findByName(decomposed).value());
    ASSERT_TRUE(library.rename(id, "ZOE\xcc\x88"));
    EXPECT_EQ(library.get(id)->form.name, "ZOË");
}

TEST_F(ChartLibraryTest, SearchFoldsCaseInEveryScript)
{
    ChartLibrary library = makeLibrary();
    ASSERT_TRUE(library.open(path_));
    library.save(NamedChart("JOSÉ", "Sevilla", "España", 1970));
    library.save(NamedChart("ΣΩΚΡΆΤΗΣ", "Αθήνα", "Ελλάδα", 1971));
    library.save(NamedChart("ИВАН", "Москва", "Россия", 1972));
    library.save(NamedChart("राम", "अयोध्या", "भारत", 1973));

    EXPECT_EQ(Names(library.list("josé").value()), (std::vector<std::string>{"JOSÉ"}));
    EXPECT_EQ(Names(library.list("jose\xcc\x81").value()), (std::vector<std::string>{"JOSÉ"}));  // accent typed apart
    EXPECT_EQ(Names(library.list("ESPAÑA").value()), (std::vector<std::string>{"JOSÉ"}));
    EXPECT_EQ(Names(library.list("σωκράτης").value()), (std::vector<std::string>{"ΣΩΚΡΆΤΗΣ"}));
    EXPECT_EQ(Names(library.list("αθήνα").value()), (std::vector<std::string>{"ΣΩΚΡΆΤΗΣ"}));
    EXPECT_EQ(Names(library.list("иван").value()), (std::vector<std::string>{"ИВАН"}));
    EXPECT_EQ(Names(library.list("राम").value()), (std::vector<std::string>{"राम"}));
    EXPECT_TRUE(library.list("jose ").value().empty());
}

TEST_F(ChartLibraryTest, FindByNameIsExactAndPrefersTheNewest)
{
    ChartLibrary library = makeLibrary();
    ASSERT_TRUE(library.open(path_));
    library.save(NamedChart("ASHA", "New Delhi", "India", 1980));
    const std::int64_t newer = library.save(NamedChart("ASHA", "Pune", "India", 1990)).value();
    library.save(NamedChart("ASHA K", "Goa", "India", 1991));

    const auto found = library.findByName("ASHA").value();
    ASSERT_TRUE(found);
    EXPECT_EQ(found->id, newer);
    EXPECT_FALSE(library.findByName("asha").value());
    EXPECT_FALSE(library.findByName("ASH").value());
}

TEST_F(ChartLibraryTest, RemovedChartsAreGoneAndTheirIdsNeverComeBack)
{
    ChartLibrary library = makeLibrary();
    ASSERT_TRUE(library.open(path_));
    const std::int64_t first = library.save(NamedChart("ONE", "", "", 1950)).value();
    SavedChart second = NamedChart("TWO", "", "", 1960);
    second.id = library.save(second).value();

    ASSERT_TRUE(library.remove(second.id));
    EXPECT_FALSE(library.get(second.id));
    EXPECT_FALSE(library.remove(second.id));
    EXPECT_FALSE(library.rename(second.id, "X"));
    EXPECT_EQ(Names(library.list().value()), (std::vector<std::string>{"ONE"}));

    // A window still showing the deleted chart saves it again: it comes
    // back as a new chart instead of overwriting another one.
    const std::int64_t resaved = library.save(second).value();
    EXPECT_NE(resaved, second.id);
    EXPECT_NE(resaved, first);
    EXPECT_EQ(library.get(first)->form.name, "ONE");
}

TEST_F(ChartLibraryTest, SaveAllIsOneChange)
{
    ChartLibrary library = makeLibrary();
    ASSERT_TRUE(library.open(path_));
    std::vector<SavedChart> batch = {NamedChart("A", "", "", 1950), NamedChart("B", "", "", 1951)};
    const auto ids = library.saveAll(batch).value();
    ASSERT_EQ(ids.size(), 2u);
    EXPECT_EQ(library.get(ids[1])->form.name, "B");
    EXPECT_EQ(library.get(ids[0])->modifiedMs, library.get(ids[1])->modifiedMs);
}

TEST_F(ChartLibraryTest, EveryCallOnAClosedLibraryIsAnError)
{
    ChartLibrary library;
    EXPECT_FALSE(library.save(AwkwardChart()));
    EXPECT_FALSE(library.list());
    EXPECT_FALSE(library.findByName("A"));
    EXPECT_EQ(library.get(1).error(), "The chart library is not open.");
}

TEST(ChartLibraryPath, FollowsTheDataFolderOfTheDesktop)
{
    EXPECT_EQ(ChartLibraryPathFor("/data", "/home/u"), "/data/Zodiora/charts.sqlite");
    EXPECT_EQ(ChartLibraryPathFor("", "/home/u"), "/home/u/.local/share/Zodiora/charts.sqlite");
    EXPECT_EQ(ChartLibraryPathFor("", ""), "/.local/share/Zodiora/charts.sqlite");
}

}  // namespace
