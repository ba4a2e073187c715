#pragma once

#include <string>
#include <variant>
#include <vector>

#include "cli/ChartRequest.h"
#include "cli/CsvReader.h"

namespace zodiora::cli {

/// The columns of a batch record: name,YYYY-MM-DD,HH:MM[:SS],zone,latitude,
/// longitude,dst(0/1), optionally followed by city,state,country.
std::variant<ChartArguments, std::string> ParseBatchFields(const std::vector<std::string>& fields);

/// A whole batch record read as the form would take it: the record's own
/// problem, a column problem or the form's message; or the request.
std::variant<ChartRequest, std::string> ParseBatchRecord(const CsvRecord& record);

/// A header row names its columns; it is known by its first field, "name".
bool IsHeaderRecord(const std::vector<std::string>& fields);

}  // namespace zodiora::cli
