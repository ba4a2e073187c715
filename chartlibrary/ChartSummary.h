#pragma once

#include <cstdint>
#include <string>

namespace zodiora {

/// One line of the library's list: enough to recognise a chart and pick it.
struct ChartSummary {
    std::int64_t id = 0;
    std::string name;
    std::string date;   ///< birth date and time as "1980-06-15 06:30"
    std::string place;  ///< city, state and country joined by ", ", blanks left out
    std::int64_t modifiedMs = 0;
};

}  // namespace zodiora
