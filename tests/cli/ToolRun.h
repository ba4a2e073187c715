#pragma once

#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

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

/// Each line of a batch's JSON output, parsed.
inline std::vector<nlohmann::json> JsonLines(const std::string& text)
{
    std::vector<nlohmann::json> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(nlohmann::json::parse(line));
    return lines;
}

/// An object's keys in their written order.
inline std::vector<std::string> Keys(const nlohmann::ordered_json& json)
{
    std::vector<std::string> keys;
    for (const auto& [key, value] : json.items()) keys.push_back(key);
    return keys;
}

}  // namespace zodiora::cli::test
