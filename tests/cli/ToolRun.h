#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/ChartTool.h"

namespace zodiora::cli::test {

struct Result {
    int status;
    std::string out;
    std::string err;
};

inline Result RunTool(std::vector<std::string> arguments, const std::string& input = "")
{
    arguments.insert(arguments.begin(), "zodiora-chart");
    std::vector<const char*> argv;
    for (const auto& a : arguments) argv.push_back(a.c_str());
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunChartTool(static_cast<int>(argv.size()), argv.data(), in, out, err, false);
    return {status, out.str(), err.str()};
}

inline const std::vector<std::string> Delhi1980{"--name", "asha", "--date", "1980-06-15", "--time", "06:30",
                                                "--zone", "34", "--lat", "28:37N", "--lon", "77:13E",
                                                "--city", "New Delhi", "--state", "Delhi", "--country", "India"};

inline std::vector<std::string> With(std::vector<std::string> base, std::initializer_list<std::string> more)
{
    base.insert(base.end(), more);
    return base;
}

}  // namespace zodiora::cli::test
