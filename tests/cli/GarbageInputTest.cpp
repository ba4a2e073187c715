#include <gtest/gtest.h>

#include <random>
#include <string>

#include "cli/ChartRequest.h"
#include "presentation/ChartSession.h"
#include "engine/PositionText.h"

using namespace zodiora;
using namespace zodiora::cli;

// Mutated batch lines must either be refused with a message or give a chart
// whose every slot names a sign: never a crash, never a chart of garbage.
TEST(GarbageInput, MutatedBatchLinesAreRefusedOrChartedSoundly)
{
    const std::string valid = "ASHA RAO,1980-06-15,06:30,34,28:37N,077:13E,0";
    const std::string alphabet = "0123456789:-,NSEWnsew .aZ\xC2\xB0\t\r\x7f";
    std::mt19937 random(20261209);
    ChartSession session;
    int charted = 0;
    for (int round = 0; round < 20000; ++round) {
        std::string line = valid;
        const int edits = 1 + static_cast<int>(random() % 4);
        for (int e = 0; e < edits; ++e) {
            const std::size_t at = random() % (line.size() + 1);
            const char c = alphabet[random() % alphabet.size()];
            switch (random() % 3) {
            case 0: line.insert(at, 1, c); break;
            case 1: if (at < line.size()) line.erase(at, 1); break;
            default: if (at < line.size()) line[at] = c; break;
            }
        }
        const auto arguments = ParseBatchLine(line);
        if (arguments.index() == 1) {
            EXPECT_FALSE(std::get<1>(arguments).empty()) << line;
            continue;
        }
        const auto input = ParseChartArguments(std::get<0>(arguments));
        if (input.index() == 1) {
            EXPECT_FALSE(std::get<1>(input).empty()) << line;
            continue;
        }
        const ChartResult result = session.run(std::get<0>(input), ChartSession::ReportMode::Skip);
        ++charted;
        for (std::size_t k = 0; k < ChartPointCount; ++k) {
            const std::string& slot = result.display.positions[k];
            ASSERT_GE(SignOf(result.chart.longitudes[k]), 0) << line << " -> " << slot;
            ASSERT_EQ(slot.substr(3, 3), SignAbbreviation(SignOf(result.chart.longitudes[k]))) << line;
        }
        ASSERT_FALSE(result.display.lagna.empty()) << line;
    }
    // The mutations must leave some charts standing, or this proves nothing.
    EXPECT_GT(charted, 1000);
}
