#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "LibraryFixture.h"
#include "chartlibrary/ChartSchema.h"
#include "chartlibrary/LibraryFiles.h"
#include "chartlibrary/SqliteDatabase.h"

using namespace zodiora;
using zodiora::test::AwkwardChart;
using zodiora::test::NamedChart;

namespace {

namespace fs = std::filesystem;

class LibraryFaultTest : public zodiora::test::LibraryFixture {
protected:
    void fillLibrary(int count)
    {
        ChartLibrary library = makeLibrary();
        ASSERT_TRUE(library.open(path_));
        std::vector<SavedChart> charts(count, AwkwardChart());
        ASSERT_TRUE(library.saveAll(charts));
    }

    // Opens what is at path_ now, which must be set aside: checks the old
    // bytes are kept under the reported name and a working library replaced it.
    void expectSetAside(SetAsideLibrary::Reason reason, const std::string& tag)
    {
        const std::string before = ReadBytes(path_);
        ChartLibrary library = makeLibrary();
        const auto opened = library.open(path_);
        ASSERT_TRUE(opened) << opened.error();
        ASSERT_TRUE(opened->setAside);
        const SetAsideLibrary& notice = *opened->setAside;
        EXPECT_EQ(notice.reason, reason);
        EXPECT_EQ(notice.path, path_);
        EXPECT_EQ(notice.movedTo.parent_path(), folder_);
        EXPECT_EQ(notice.movedTo.filename().string().rfind("charts.sqlite." + tag + "-", 0), 0u)
            << notice.movedTo;
        EXPECT_EQ(ReadBytes(notice.movedTo), before);
        EXPECT_NE(notice.message().find(path_.string()), std::string::npos);
        EXPECT_NE(notice.message().find(notice.movedTo.string()), std::string::npos);

        EXPECT_TRUE(library.list()->empty());
        EXPECT_TRUE(library.save(AwkwardChart()));
        library.close();
        const auto reopened = library.open(path_);
        ASSERT_TRUE(reopened);
        EXPECT_FALSE(reopened->setAside);
        EXPECT_EQ(library.list()->size(), 1u);
    }
};

TEST_F(LibraryFaultTest, AKillDuringSavingLosesNoChartAlreadySaved)
{
    int pipeFds[2];
    ASSERT_EQ(pipe(pipeFds), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        close(pipeFds[0]);
        ChartLibrary library;
        if (!library.open(path_)) {
            _exit(1);
        }
        for (int i = 0;; ++i) {
            SavedChart chart = AwkwardChart();
            chart.form.name = "CHILD " + std::to_string(i);
            const auto id = library.save(chart);
            const std::int64_t reported = id ? *id : -1;
            if (write(pipeFds[1], &reported, sizeof reported) != sizeof reported || !id) {
                _exit(1);
            }
        }
    }
    close(pipeFds[1]);
    std::vector<std::int64_t> committed;
    std::int64_t id = 0;
    while (committed.size() < 30 && read(pipeFds[0], &id, sizeof id) == sizeof id) {
        committed.push_back(id);
    }
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the child stopped by itself";
    while (read(pipeFds[0], &id, sizeof id) == sizeof id) {
        committed.push_back(id);
    }
    close(pipeFds[0]);
    ASSERT_GE(committed.size(), 30u);
    EXPECT_EQ(std::set<std::int64_t>(committed.begin(), committed.end()).count(-1), 0u);

    ChartLibrary library = makeLibrary();
    const auto opened = library.open(path_);
    ASSERT_TRUE(opened) << opened.error();
    EXPECT_FALSE(opened->setAside);
    for (std::size_t i = 0; i < committed.size(); ++i) {
        const auto chart = library.get(committed[i]);
        ASSERT_TRUE(chart) << chart.error();
        EXPECT_EQ(chart->form.name, "CHILD " + std::to_string(i));
    }
    // The save under way when the kill came may or may not have landed.
    const std::size_t listed = library.list()->size();
    EXPECT_TRUE(listed == committed.size() || listed == committed.size() + 1) << listed;
}

TEST_F(LibraryFaultTest, FilesThatAreNotSQLiteAreSetAside)
{
    for (const std::string& garbage : {std::string("hello"), std::string(8192, '\x5a')}) {
        SCOPED_TRACE(garbage.size());
        WriteBytes(path_, garbage);
        expectSetAside(SetAsideLibrary::Reason::Damaged, "corrupt");
        fs::remove(path_);
    }
}

TEST_F(LibraryFaultTest, ATruncatedLibraryIsSetAside)
{
    fillLibrary(400);
    fs::resize_file(path_, fs::file_size(path_) / 2);
    expectSetAside(SetAsideLibrary::Reason::Damaged, "corrupt");
}

// Pages scribbled over in the middle keep the file's size and header: only
// the integrity check on opening finds them.
TEST_F(LibraryFaultTest, ALibraryWithDamagedPagesIsSetAside)
{
    fillLibrary(400);
    std::string bytes = ReadBytes(path_);
    ASSERT_GT(bytes.size(), 40'000u);
    std::fill(bytes.begin() + 8192, bytes.begin() + 24'576, '\xff');
    WriteBytes(path_, bytes);
    expectSetAside(SetAsideLibrary::Reason::Damaged, "corrupt");
}

TEST_F(LibraryFaultTest, ASQLiteFileOfAnotherProgramIsSetAside)
{
    {
        SqliteDatabase db;
        ASSERT_EQ(db.open(path_), 0);
        ASSERT_EQ(db.execute("CREATE TABLE songs (title TEXT); INSERT INTO songs VALUES ('x')"), 0);
    }
    expectSetAside(SetAsideLibrary::Reason::Damaged, "corrupt");
}

TEST_F(LibraryFaultTest, ALibraryFromANewerVersionIsSetAsideUnchanged)
{
    fillLibrary(3);
    const auto newer = static_cast<int>(ChartSchemaSteps().size()) + 1;
    {
        SqliteDatabase db;
        ASSERT_EQ(db.open(path_), 0);
        ASSERT_EQ(db.execute("PRAGMA user_version = " + std::to_string(newer)), 0);
    }
    expectSetAside(SetAsideLibrary::Reason::Newer, "newer");
}

TEST_F(LibraryFaultTest, WhatCannotBeOpenedIsReportedAndLeftAlone)
{
    fs::create_directory(path_);  // a folder where the file should be
    ChartLibrary library = makeLibrary();
    const auto opened = library.open(path_);
    ASSERT_FALSE(opened);
    EXPECT_NE(opened.error().find(path_.string()), std::string::npos) << opened.error();
    EXPECT_TRUE(fs::is_directory(path_));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

TEST_F(LibraryFaultTest, SetAsideTakesTheCompanionsAlongAndNeverOverwrites)
{
    const std::int64_t when = 1'704'164'645'000;  // 2024-01-02 03:04:05 UTC
    for (int round = 1; round <= 2; ++round) {
        WriteBytes(path_, "main " + std::to_string(round));
        WriteBytes(fs::path(path_.string() + "-wal"), "wal " + std::to_string(round));
        WriteBytes(fs::path(path_.string() + "-shm"), "shm");
        const auto moved = SetAsideFiles(path_, "corrupt", when);
        ASSERT_TRUE(moved) << moved.error();
        const std::string expected = path_.string() + ".corrupt-20240102-030405" + (round == 2 ? "-2" : "");
        EXPECT_EQ(moved->string(), expected);
        EXPECT_EQ(ReadBytes(expected), "main " + std::to_string(round));
        EXPECT_EQ(ReadBytes(expected + "-wal"), "wal " + std::to_string(round));
        EXPECT_TRUE(fs::exists(expected + "-shm"));
        EXPECT_FALSE(fs::exists(path_));
        EXPECT_FALSE(fs::exists(path_.string() + "-wal"));
    }
}

}  // namespace
