#pragma once

#include <string>
#include <variant>
#include <vector>

#include "cli/ChartRequest.h"

namespace zodiora::cli {

/// The columns of a batch record: name,YYYY-MM-DD,HH:MM[:SS],zone,latitude,
/// longitude,dst(0/1), optionally followed by city,state,country.
std::variant<ChartArguments, std::string> ParseBatchFields(const std::vector<std::string>& fields);

/// A header row names its columns; it is known by its first field, "name".
bool IsHeaderRecord(const std::vector<std::string>& fields);

}  // namespace zodiora::cli
