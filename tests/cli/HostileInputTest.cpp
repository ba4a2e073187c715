// Input and output a hostile user or a failing disk can produce: nothing
// crashes, no chart already made is lost, no failure ends as success.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <nlohmann/json.hpp>

#include "ToolRun.h"

using namespace zodiora::cli;
using namespace zodiora::cli::test;

namespace {

const std::string Replacement = "\xEF\xBF\xBD";
const std::string GoodLine = "asha,1980-06-15,06:30,34,28:37N,77:13E,0\n";
// Delhi1980 without its place, which the tests give themselves.
const std::vector<std::string> Unplaced(Delhi1980.begin(), Delhi1980.begin() + 12);

class BatchFile : public ::testing::Test {
protected:
    std::filesystem::path path = std::filesystem::temp_directory_path() /
                                 ("zodiora-hostile-" + std::to_string(::getpid()) + ".csv");
    void TearDown() override { std::filesystem::remove(path); }

    Result RunBatch(const std::string& contents, bool json)
    {
        std::ofstream(path, std::ios::binary) << contents;
        return json ? RunTool({"--batch", path.string(), "--json"}) : RunTool({"--batch", path.string()});
    }
};

}  // namespace

TEST(HostileInput, InvalidUtf8IsReplacedWhereEchoed)
{
    const Result json = RunTool(With(Unplaced, {"--json", "--city", "\xFF", "--state", "A\xC3", "--country", "\xC0\xAF"}));
    ASSERT_EQ(json.status, ExitOk) << json.err;
    const auto details = nlohmann::json::parse(json.out)["details"];
    EXPECT_EQ(details["city"], Replacement);
    EXPECT_EQ(details["state"], "A" + Replacement);
    EXPECT_EQ(details["country"], Replacement + Replacement);

    const Result text = RunTool(With(Unplaced, {"--city", "Pune\xFF"}));
    EXPECT_NE(text.out.find("  City          : Pune" + Replacement + "\n"), std::string::npos) << text.out;

    auto badDate = Unplaced;
    badDate[3] = "19\xFF";
    const Result refused = RunTool(badDate);
    EXPECT_EQ(refused.status, ExitBadInput);
    EXPECT_EQ(refused.err, "zodiora-chart: --date '19" + Replacement + "' is not a date of the form YYYY-MM-DD\n");
}

TEST_F(BatchFile, InvalidUtf8InABadLineKeepsTheOtherCharts)
{
    const Result result = RunBatch(GoodLine + "asha,1980-06-15,06:30,34,28:37N,77:13E,\xFF\n" + GoodLine, true);
    EXPECT_EQ(result.status, ExitSomeBatchLinesFailed);
    const auto objects = JsonLines(result.out);
    ASSERT_EQ(objects.size(), 3u) << result.out;
    EXPECT_EQ(objects[1]["line"], 2);
    EXPECT_EQ(objects[1]["error"], "the daylight-saving field must be 0 or 1, not '" + Replacement + "'");
    EXPECT_EQ(objects[2]["details"]["name"], "ASHA");
}

TEST_F(BatchFile, ControlCharactersAreEscapedInTextMessages)
{
    const Result result = RunBatch("asha,1980-06-15,06:30,34,28:37N,77:13E,0\r\r\n"
                                   "asha,\x1b[2J,06:30,34,28:37N,77:13E,0\n",
                                   false);
    EXPECT_EQ(result.status, ExitSomeBatchLinesFailed);
    EXPECT_EQ(result.out,
              "line 1: the daylight-saving field must be 0 or 1, not '0\\r'\n"
              "line 2: --date '\\u001b[2J' is not a date of the form YYYY-MM-DD\n");
    EXPECT_EQ(result.err,
              "zodiora-chart: line 1: the daylight-saving field must be 0 or 1, not '0\\r'\n"
              "zodiora-chart: line 2: --date '\\u001b[2J' is not a date of the form YYYY-MM-DD\n");

    // The JSON path escapes them itself: the message keeps the character.
    const Result json = RunBatch("asha,1980-06-15,06:30,34,28:37N,77:13E,\x1b\n", true);
    EXPECT_EQ(JsonLines(json.out).at(0)["error"], "the daylight-saving field must be 0 or 1, not '\x1b'");

    const Result city = RunTool(With(Unplaced, {"--city", "\x1b[2J"}));
    EXPECT_NE(city.out.find("  City          : \\u001b[2J\n"), std::string::npos) << city.out;
}

TEST_F(BatchFile, ByteOrderMarkBeforeTheFirstLineIsSkipped)
{
    const Result result = RunBatch("\xEF\xBB\xBF" + GoodLine, true);
    EXPECT_EQ(result.status, ExitOk) << result.out << result.err;
    EXPECT_EQ(JsonLines(result.out).at(0)["details"]["name"], "ASHA");
}

TEST_F(BatchFile, OverlongLineIsReportedAndTheNextOneCharted)
{
    const Result json = RunBatch(std::string(70000, 'A') + "\n" + GoodLine + std::string(200000, ','), true);
    EXPECT_EQ(json.status, ExitSomeBatchLinesFailed);
    const auto objects = JsonLines(json.out);
    ASSERT_EQ(objects.size(), 3u) << json.out.substr(0, 200);
    EXPECT_EQ(objects[0], nlohmann::json({{"line", 1}, {"error", "too long (more than 65536 bytes); skipped"}}));
    EXPECT_EQ(objects[1]["details"]["name"], "ASHA");
    EXPECT_EQ(objects[2], nlohmann::json({{"line", 3}, {"error", "too long (more than 65536 bytes); skipped"}}));

    const Result text = RunBatch(std::string(70000, 'A') + "\n", false);
    EXPECT_EQ(text.out, "line 1: too long (more than 65536 bytes); skipped\n");
    EXPECT_EQ(text.err, "zodiora-chart: line 1: too long (more than 65536 bytes); skipped\n");
}

TEST(HostileInput, UnreadableBatchFileIsAnError)
{
    const std::string directory = std::filesystem::temp_directory_path().string();
    const Result result = RunTool({"--batch", directory});
    EXPECT_EQ(result.status, ExitBadInput);
    EXPECT_EQ(result.err, "zodiora-chart: cannot read batch file '" + directory + "'\n");
    EXPECT_TRUE(result.out.empty());
}

// The built tool with its standard output on a full disk or closed: each
// run must fail with one line on stderr.
TEST_F(BatchFile, UnwritableOutputIsAFailure)
{
    std::ofstream(path, std::ios::binary) << GoodLine;
    const std::filesystem::path errFile = path.string() + ".err";
    for (const std::string& arguments :
         std::vector<std::string>{"--help", "--stations Mercury", "--batch '" + path.string() + "'",
          std::string{"--name A --date 1980-06-15 --time 06:30 --zone 34 --lat 28:37N --lon 77:13E --json"}}) {
        for (const std::string redirect : {">/dev/full", ">&-"}) {
            SCOPED_TRACE(arguments + " " + redirect);
            const std::string command = std::string{"'"} + ZODIORA_CHART_TOOL + "' " + arguments + " " + redirect +
                                        " 2>'" + errFile.string() + "'";
            const int status = std::system(command.c_str());
            ASSERT_TRUE(WIFEXITED(status));
            EXPECT_NE(WEXITSTATUS(status), ExitOk);
            std::ifstream in(errFile);
            EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()),
                      "zodiora-chart: cannot write the output\n");
        }
    }
    std::filesystem::remove(errFile);
}
