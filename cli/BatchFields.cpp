#include "cli/BatchFields.h"

#include "presentation/Utf8.h"

namespace zodiora::cli {

namespace {

constexpr std::size_t BirthColumns = 7;
constexpr std::size_t WithPlaceColumns = 10;
constexpr std::size_t WithFoldColumns = 11;  // the place, then which of a twice-read clock time

}  // namespace

std::variant<ChartArguments, std::string> ParseBatchFields(const std::vector<std::string>& fields)
{
    if (fields.size() != BirthColumns && fields.size() != WithPlaceColumns && fields.size() != WithFoldColumns) {
        return "expected 7 comma-separated fields (name,YYYY-MM-DD,HH:MM,zone,DD:MM{N|S},DDD:MM{E|W},dst), found " +
               std::to_string(fields.size());
    }
    if (fields[6] != "0" && fields[6] != "1") {
        return "the daylight-saving field must be 0 or 1, not '" + ValidUtf8(fields[6]) + "'";
    }
    ChartArguments arguments;
    arguments.name = fields[0];
    arguments.date = fields[1];
    arguments.time = fields[2];
    arguments.zone = fields[3];
    arguments.latitude = fields[4];
    arguments.longitude = fields[5];
    arguments.daylightSaving = fields[6] == "1";
    if (fields.size() >= WithPlaceColumns) {
        arguments.city = fields[7];
        arguments.state = fields[8];
        arguments.country = fields[9];
    }
    if (fields.size() == WithFoldColumns) {
        const std::string& fold = fields[10];
        if (fold == "earlier") {
            arguments.fold = Fold::Earlier;
        } else if (fold == "later") {
            arguments.fold = Fold::Later;
        } else if (!fold.empty()) {
            return "the fold field must be earlier, later or empty, not '" + ValidUtf8(fold) + "'";
        }
    }
    return arguments;
}

bool IsHeaderRecord(const std::vector<std::string>& fields)
{
    if (fields.empty() || fields[0].size() != 4) return false;
    const std::string& first = fields[0];
    for (std::size_t k = 0; k < 4; ++k) {
        if ((first[k] | 0x20) != "name"[k]) return false;
    }
    return true;
}

std::variant<ChartRequest, std::string> ParseBatchRecord(const CsvRecord& record)
{
    if (!record.problem.empty()) {
        return record.problem;
    }
    auto arguments = ParseBatchFields(record.fields);
    if (auto* message = std::get_if<std::string>(&arguments)) {
        return std::move(*message);
    }
    return ParseChartRequest(std::get<ChartArguments>(arguments));
}

}  // namespace zodiora::cli
