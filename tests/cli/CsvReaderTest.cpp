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
    // Bytes after a closing quote, or a quote after a field's first byte, are data.
    EXPECT_EQ(ReadAll("\"a\"b c,d\re\"f\r\n")[0].fields, (Fields{"ab c", "d\re\"f"}));
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
    const auto records = ReadAll("a\n" + huge + "\nb,c\n\"open");
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[0].fields, (Fields{"a"}));
    EXPECT_NE(records[1].problem.find("too long"), std::string::npos);
    EXPECT_EQ(records[1].line, 2);
    EXPECT_EQ(records[2].fields, (Fields{"b", "c"}));
    EXPECT_EQ(records[2].line, 3);
    EXPECT_EQ(records[3].problem, "a quote opened on line 4 is never closed");
}

TEST(CsvReader, AnOverlongQuotedFieldIsSkippedToItsRealEnd)
{
    // Lines inside the quotes look like records; none may become one.
    std::string note;
    for (int k = 0; k < 5000; ++k) note += "inner,1980-06-15,06:30\n";
    const auto records = ReadAll("a\nlong,\"" + note + "\",end\nb\n");
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[1].problem, "too long (more than 65536 bytes); skipped");
    EXPECT_EQ(records[1].line, 2);
    EXPECT_TRUE(records[1].fields.empty());
    EXPECT_EQ(records[2].fields, (Fields{"b"}));
    EXPECT_EQ(records[2].line, 5003);
}

TEST(CsvReader, AnUnclosedQuoteSaysWhichLinesWentUnread)
{
    std::string text = "a\nb,\"c\n";
    for (int k = 0; k < 3; ++k) text += "d,e\n";
    auto records = ReadAll(text);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].problem, "a quote opened on line 2 is never closed, so lines 2 to 5 (4 lines) were not read");
    // Past the cap the message is the same: the quote, not the length, is what went wrong.
    text = "a\nb,\"" + std::string(CsvReader::MaxRecordBytes, 'x') + "\nd,e";
    records = ReadAll(text);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].problem, "a quote opened on line 2 is never closed, so lines 2 to 3 (2 lines) were not read");
}

TEST(CsvReader, TheCapCountsTheRecordWithItsLineBreak)
{
    struct Case {
        std::size_t bytes;
        const char* end;
        bool kept;
    };
    const std::size_t cap = CsvReader::MaxRecordBytes;
    for (const Case& c : {Case{cap - 1, "\n", true}, Case{cap - 2, "\r\n", true}, Case{cap, "", true},
                          Case{cap, "\n", false}, Case{cap - 1, "\r\n", false}, Case{cap + 1, "", false}}) {
        SCOPED_TRACE(std::to_string(c.bytes) + (c.end[0] == '\0' ? " at the end" : " and a line break"));
        const std::string record(c.bytes, 'x');
        const bool last = c.end[0] == '\0';
        const auto records = ReadAll(record + c.end + (last ? "" : "next\n"));
        ASSERT_EQ(records.size(), last ? 1u : 2u);
        EXPECT_EQ(records[0].problem.empty(), c.kept);
        if (c.kept) {
            EXPECT_EQ(records[0].fields, (Fields{record}));
        }
        if (!last) {
            EXPECT_EQ(records[1].fields, (Fields{"next"}));
            EXPECT_EQ(records[1].line, 2);
        }
    }
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
