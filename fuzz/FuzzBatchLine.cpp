#include <sstream>
#include <string>

#include "cli/BatchInput.h"
#include "cli/ChartRequest.h"
#include "fuzz/FuzzChecks.h"
#include "fuzz/FuzzEntries.h"
#include "presentation/Utf8.h"

namespace zodiora::fuzz {

namespace {

void CheckMessage(const std::string& message)
{
    Check(!message.empty(), "a refusal says why");
    CheckText(EscapeControls(message), false);
}

}  // namespace

int FuzzBatchLine(const std::uint8_t* data, std::size_t size)
{
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    cli::BatchInput input(in);
    ChartSession session;
    std::string line;
    for (cli::BatchLineStatus status; (status = input.next(line)) != cli::BatchLineStatus::End;) {
        Check(line.size() <= cli::MaxBatchLineBytes, "a line is held up to the cap");
        if (status == cli::BatchLineStatus::TooLong) {
            continue;
        }
        const auto arguments = cli::ParseBatchLine(line);
        if (const auto* message = std::get_if<std::string>(&arguments)) {
            CheckMessage(*message);
            continue;
        }
        const auto parsed = cli::ParseChartArguments(std::get<cli::ChartArguments>(arguments));
        if (const auto* message = std::get_if<std::string>(&parsed)) {
            CheckMessage(*message);
            continue;
        }
        CheckChartResult(session.run(std::get<BirthFormInput>(parsed)));
    }
    Check(!in.bad(), "a string never fails to read");
    return 0;
}

}  // namespace zodiora::fuzz
