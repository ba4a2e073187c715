#include <sstream>
#include <string>

#include "cli/BatchFields.h"
#include "cli/CsvReader.h"
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
    cli::CsvReader reader(in);
    ChartSession session;
    cli::CsvRecord record;
    // Long inputs are for the reader; charting every one of their thousands
    // of records would only make each run slow, so a few are charted.
    constexpr int MaxCharted = 32;
    int charted = 0;
    while (reader.next(record)) {
        std::size_t bytes = 0;
        for (const std::string& field : record.fields) bytes += field.size();
        Check(bytes <= cli::CsvReader::MaxRecordBytes, "a record is held up to the cap");
        if (!record.problem.empty() || cli::IsHeaderRecord(record.fields)) {
            continue;
        }
        const auto arguments = cli::ParseBatchFields(record.fields);
        if (const auto* message = std::get_if<std::string>(&arguments)) {
            CheckMessage(*message);
            continue;
        }
        const auto parsed = cli::ParseChartArguments(std::get<cli::ChartArguments>(arguments));
        if (const auto* message = std::get_if<std::string>(&parsed)) {
            CheckMessage(*message);
            continue;
        }
        if (charted++ < MaxCharted) CheckChartResult(session.run(std::get<BirthFormInput>(parsed)));
    }
    Check(!in.bad(), "a string never fails to read");
    return 0;
}

}  // namespace zodiora::fuzz
