#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/Progress.h"

using namespace zodiora::cli;

TEST(Progress, ShownOnATerminalAndClearedAtTheEnd)
{
    std::ostringstream terminal;
    Progress shown(terminal, true, 1000, std::chrono::seconds(0));
    shown.update(250, 250);
    EXPECT_NE(terminal.str().find("250 charts (25 %)"), std::string::npos) << terminal.str();
    EXPECT_NE(terminal.str().find("left"), std::string::npos);
    shown.finish();
    EXPECT_EQ(terminal.str().substr(terminal.str().size() - 4), "\r\x1b[K");

    std::ostringstream file;
    Progress silent(file, false, 1000, std::chrono::seconds(0));
    silent.update(250, 250);
    silent.finish();
    EXPECT_TRUE(file.str().empty());

    std::ostringstream early;
    Progress waiting(early, true, std::nullopt, std::chrono::hours(1));
    waiting.update(250, 250);
    waiting.finish();
    EXPECT_TRUE(early.str().empty());
}

// The program itself, stderr a file, on a batch long enough to pass the
// one-second mark in a debug build: not a byte of progress.
TEST(Progress, NeverWrittenWhenStandardErrorIsAFile)
{
    const auto folder = std::filesystem::temp_directory_path();
    const auto batch = folder / "zodiora-progress.csv";
    const auto err = folder / "zodiora-progress.err";
    {
        std::ofstream file(batch);
        for (int k = 0; k < 40000; ++k) file << "ASHA,1980-06-15,06:30,34,28:37N,077:13E,0\n";
    }
    const std::string command = std::string(ZODIORA_CHART_TOOL) + " --batch " + batch.string() +
                                " --threads 1 > /dev/null 2> " + err.string();
    EXPECT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(std::filesystem::file_size(err), 0u);
    std::filesystem::remove(batch);
    std::filesystem::remove(err);
}
