#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>

#include "ToolRun.h"

namespace zodiora::cli::test {
namespace {

// FNV-1a: a fixed fingerprint of a whole output, the same on every build.
std::uint64_t Fingerprint(std::string_view text)
{
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const char c : text) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3ULL;
    }
    return hash;
}

const std::vector<std::string> MinuteBirth{"--name", "asha", "--date", "1980-06-15", "--time", "06:30", "--zone",
                                           "34",     "--lat",  "28:37N", "--lon",      "077:13E", "--city", "X"};

// Coordinates given to the minute chart exactly as they did before seconds
// and exact decimals were kept: every byte of these outputs is pinned.
TEST(CoordinatePrecision, MinuteInputKeepsItsOutputsByteForByte)
{
    const Result classic = RunTool(With(MinuteBirth, {"--json"}));
    const Result precise = RunTool(With(MinuteBirth, {"--json", "--ephemeris", "precise"}));
    const Result text = RunTool(With(MinuteBirth, {"--ephemeris", "precise", "--vedic"}));
    ASSERT_EQ(classic.status, 0) << classic.err;
    EXPECT_EQ(Fingerprint(classic.out), 0x1ccbdc38f1b9022eULL);
    EXPECT_EQ(Fingerprint(precise.out), 0x84c9cb7801ae32c0ULL);
    EXPECT_EQ(Fingerprint(text.out), 0x61c856e96ebac2a2ULL);
    EXPECT_NE(precise.out.find("\"Asc\":74.8621297049595,"), std::string::npos);
    EXPECT_NE(precise.out.find("\"latitude\":\"28\xC2\xB0 37' N\""), std::string::npos);
}

}  // namespace
}  // namespace zodiora::cli::test
