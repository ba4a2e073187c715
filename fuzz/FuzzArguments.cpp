#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/ChartTool.h"
#include "fuzz/FuzzChecks.h"
#include "fuzz/FuzzEntries.h"

namespace zodiora::fuzz {

int FuzzArguments(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> arguments{"zodiora-chart"};
    std::string current;
    for (std::size_t k = 0; k < size && arguments.size() < 40; ++k) {
        if (data[k] == 0) {
            arguments.push_back(current);
            current.clear();
        } else {
            current.push_back(static_cast<char>(data[k]));
        }
    }
    arguments.push_back(current);
    // --batch would read whatever file the bytes name, /dev/zero included.
    for (const std::string& argument : arguments) {
        if (argument.starts_with("--batch")) return 0;
    }
    std::vector<const char*> argv;
    for (const std::string& argument : arguments) argv.push_back(argument.c_str());

    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::RunChartTool(static_cast<int>(argv.size()), argv.data(), out, err);
    Check(status == cli::ExitOk || status == cli::ExitBadInput, "one chart: success or bad input");
    CheckText(err.str(), false);
    std::istringstream errLines(err.str());
    for (std::string line; std::getline(errLines, line);) {
        Check(line.starts_with("zodiora-chart: "), "every message names the tool");
    }
    Check(status == cli::ExitOk || out.str().empty(), "bad input writes no chart");
    Check(status != cli::ExitOk || !out.str().empty(), "success writes something");
    if (status == cli::ExitOk && out.str().starts_with("{")) {
        Check(nlohmann::json::accept(out.str()), "JSON output parses");
    }
    return 0;
}

}  // namespace zodiora::fuzz
