// Every committed seed and crash reproducer, run through its target's entry
// by the ordinary test suite: a fixed crash stays fixed without libFuzzer.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <vector>

#include "fuzz/FuzzEntries.h"

namespace zodiora::fuzz {
namespace {

struct Target {
    const char* name;
    int (*entry)(const std::uint8_t*, std::size_t);
};

void PrintTo(const Target& target, std::ostream* out)
{
    *out << target.name;
}

class Replay : public ::testing::TestWithParam<Target> {};

TEST_P(Replay, EveryCommittedInputPasses)
{
    const std::filesystem::path root = ZODIORA_FUZZ_DIR;
    int seeds = 0;
    for (const char* folder : {"corpus", "regressions"}) {
        const std::filesystem::path directory = root / folder / GetParam().name;
        if (!std::filesystem::exists(directory)) continue;
        for (const auto& entry : std::filesystem::directory_iterator(directory)) {
            if (!entry.is_regular_file() || entry.path().filename().string().starts_with(".")) continue;
            SCOPED_TRACE(entry.path().string());
            std::ifstream file(entry.path(), std::ios::binary);
            const std::vector<char> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
            EXPECT_EQ(GetParam().entry(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), 0);
            seeds += folder == std::string_view("corpus");
        }
    }
    EXPECT_GT(seeds, 0) << "no seed corpus for " << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(Fuzz, Replay,
                         ::testing::Values(Target{"batch_line", FuzzBatchLine}, Target{"arguments", FuzzArguments},
                                           Target{"chart_path", FuzzChartPath}, Target{"rtf_writer", FuzzRtfWriter},
                                           Target{"report", FuzzReport}, Target{"atlas", FuzzAtlas},
                                           Target{"library_read", FuzzLibraryRead}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zodiora::fuzz
