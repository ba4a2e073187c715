#pragma once

#include "SampleBirths.h"
#include "cli/ChartFormatter.h"
#include "cli/ChartRequest.h"

namespace zodiora::bench {

/// The 1980 sample birth as the tool reads it.
inline cli::ChartRequest Delhi1980Request()
{
    cli::ChartRequest request;
    request.form = test::Delhi1980Input();
    return request;
}

/// The tool's JSON output with nothing added.
inline cli::ChartFormatter JsonFormatter()
{
    cli::ChartFormatter formatter;
    formatter.format = cli::OutputFormat::Json;
    return formatter;
}

}  // namespace zodiora::bench
