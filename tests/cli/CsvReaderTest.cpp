#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "cli/BatchFields.h"
#include "cli/CsvReader.h"

using namespace zodiora::cli;

namespace {

std::vector<CsvRecord> ReadAll(const std::string& text)
{
    std::istringstream in(text);
    CsvReader reader(in);
    std::vector<CsvRecord> records;
    CsvRecord record;
    while (reader.next(record)) records.push_back(record);
    EXPECT_FALSE(reader.failed());
    return records;
}

using Fields = std::vector<std::string>;

}  // namespace

TEST(CsvReader, QuotedFieldsKeepCommasQuotesAndLineBreaks)
{
    const auto records = ReadAll("\"SMITH, JOHN\",b,\"say \"\"hi\"\"\"\n"
                                 "\"two\nlines\",\"\",x\"y\n"
                                 "last,\"a\r\nb\"\n");
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].fields, (Fields{"SMITH, JOHN", "b", "say \"hi\""}));
    EXPECT_EQ(records[1].fields, (Fields{"two\nlines", "", "x\"y"}));
    EXPECT_EQ(records[1].line, 2);
    EXPECT_EQ(records[2].fields, (Fields{"last", "a\r\nb"}));
    EXPECT_EQ(records[2].line, 4);  // the record before spans two lines
}

TEST(CsvReader, SkipsBomBlankAndCommentLinesAndTakesCrLf)
{
    const auto records = ReadAll("\xEF\xBB\xBFname,date\r\n\r\n   \n# a comment, with commas\r\na,b\r\nc,\r\nlast");
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[0].fields, (Fields{"name", "date"}));
    EXPECT_EQ(records[1].fields, (Fields{"a", "b"}));
    EXPECT_EQ(records[1].line, 5);
    EXPECT_EQ(records[2].fields, (Fields{"c", ""}));
    EXPECT_EQ(records[3].fields, (Fields{"last"}));
    EXPECT_TRUE(IsHeaderRecord(records[0].fields));
    EXPECT_FALSE(IsHeaderRecord(records[1].fields));
    // A byte-order mark anywhere but the start is data.
    EXPECT_EQ(ReadAll("a\n\xEF\xBB\xBF" "b\n")[1].fields, (Fields{"\xEF\xBB\xBF" "b"}));
}

TEST(CsvReader, OverlongAndUnclosedRecordsAreReportedAndReadingGoesOn)
{
    const std::string huge(CsvReader::MaxRecordBytes + 10, 'x');
    const auto records = ReadAll("a\n\"" + huge + "\nb,c\n\"open");
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[0].fields, (Fields{"a"}));
    EXPECT_NE(records[1].problem.find("too long"), std::string::npos);
    EXPECT_EQ(records[1].line, 2);
    EXPECT_EQ(records[2].fields, (Fields{"b", "c"}));
    EXPECT_EQ(records[2].line, 3);
    EXPECT_NE(records[3].problem.find("not closed"), std::string::npos);
}

TEST(BatchFields, SevenOrTenColumns)
{
    const auto seven = ParseBatchFields({"A", "1980-06-15", "06:30:15", "34", "28.6139N", "-122.27", "1"});
    ASSERT_EQ(seven.index(), 0u);
    EXPECT_EQ(std::get<0>(seven).time, "06:30:15");
    EXPECT_TRUE(std::get<0>(seven).daylightSaving);
    const auto ten = ParseBatchFields({"A", "d", "t", "z", "la", "lo", "0", "New Delhi, Central", "Delhi", "India"});
    ASSERT_EQ(ten.index(), 0u);
    EXPECT_EQ(std::get<0>(ten).city, "New Delhi, Central");
    EXPECT_EQ(std::get<0>(ten).country, "India");
    const auto eight = ParseBatchFields({"A", "d", "t", "z", "la", "lo", "0", "x"});
    ASSERT_EQ(eight.index(), 1u);
    EXPECT_NE(std::get<1>(eight).find("found 8"), std::string::npos);
}
