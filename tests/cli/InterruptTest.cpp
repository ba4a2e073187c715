// A batch stopped by Ctrl+C or a kill ends at a record boundary and says how
// far it got; the exit status is the shell's for that signal.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <thread>

#include "ToolRun.h"
#include "cli/BatchRunner.h"

using namespace zodiora::cli;
using namespace zodiora::cli::test;

namespace {

const std::string Record = "asha,1980-06-15,06:30,34,28:37N,77:13E,0\n";

std::string Repeated(int times)
{
    std::string text;
    for (int k = 0; k < times; ++k) text += Record;
    return text;
}

std::string Read(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::size_t Count(const std::string& text, const std::string& what)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
    return count;
}

}  // namespace

TEST(Interrupt, AStopRequestEndsTheBatchAfterWholeRecords)
{
    for (const unsigned threads : {1u, 3u}) {
        SCOPED_TRACE(threads);
        std::istringstream in(Repeated(1000));
        std::ostringstream out;
        std::ostringstream err;
        BatchSettings settings;
        settings.formatter.format = OutputFormat::Csv;
        settings.threads = threads;
        int asked = 0;
        settings.stopRequested = [&] { return ++asked > 150; };
        std::size_t charted = 0;
        EXPECT_EQ(RunBatch(in, settings, out, err, &charted), BatchOutcome::Stopped);
        EXPECT_EQ(charted, 150u);
        EXPECT_EQ(Count(out.str(), "\n"), charted + 1);  // the header, then one line a chart
        EXPECT_EQ(out.str().back(), '\n');
    }
}

TEST(Interrupt, TheToolStoppedBySignalEndsAtARecordBoundary)
{
    const auto folder = std::filesystem::temp_directory_path() / ("zodiora-interrupt-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "in.csv", std::ios::binary) << Repeated(100000);
    const std::string oneChart = RunTool({"--batch", "-"}, Record).out;
    ASSERT_FALSE(oneChart.empty());

    struct Case {
        int signal;
        const char* format;
        int wait;  ///< milliseconds after the first output
    };
    for (const Case& c : {Case{SIGTERM, "csv", 0}, Case{SIGINT, "csv", 150}, Case{SIGTERM, "text", 50},
                          Case{SIGINT, "text", 300}, Case{SIGTERM, "json", 100}}) {
        SCOPED_TRACE(std::string(c.format) + " " + std::to_string(c.signal) + " after " + std::to_string(c.wait));
        const auto outPath = folder / "out";
        const auto errPath = folder / "err";
        std::filesystem::remove(outPath);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            dup2(out, STDOUT_FILENO);
            dup2(err, STDERR_FILENO);
            signal(SIGINT, SIG_DFL);
            execl(ZODIORA_CHART_TOOL, "zodiora-chart", "--batch", (folder / "in.csv").c_str(), "--format", c.format,
                  "--threads", "2", static_cast<char*>(nullptr));
            _exit(127);
        }
        // Let it write something first, so the stop falls in the middle of the work.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        const auto written = [&] {
            std::error_code error;
            const auto size = std::filesystem::file_size(outPath, error);
            return !error && size > 0;
        };
        while (!written() && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(c.wait));
        kill(child, c.signal);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status)) << "killed by signal " << WTERMSIG(status);
        EXPECT_EQ(WEXITSTATUS(status), 128 + c.signal);

        const std::string out = Read(outPath);
        const std::string err = Read(errPath);
        const std::string prefix = "zodiora-chart: interrupted after ";
        ASSERT_EQ(err.rfind(prefix, 0), 0u) << err;
        const std::size_t charts = std::stoul(err.substr(prefix.size()));
        EXPECT_EQ(err, prefix + std::to_string(charts) + " charts\n");
        EXPECT_GT(charts, 0u);
        EXPECT_LT(charts, 100000u);
        ASSERT_FALSE(out.empty());
        EXPECT_EQ(out.back(), '\n');
        if (std::string(c.format) == "text") {
            // Every chart whole: the same chart, parted by blank lines.
            std::string expected;
            for (std::size_t k = 0; k < charts; ++k) expected += (k > 0 ? "\n" : "") + oneChart;
            EXPECT_TRUE(out == expected) << "the text output is not " << charts << " whole charts";
        } else {
            EXPECT_EQ(Count(out, "\n"), charts + (std::string(c.format) == "csv" ? 1 : 0));
        }
    }
    std::filesystem::remove_all(folder);
}
