#pragma once

#include <cstdint>
#include <string_view>

namespace zodiora::atlas {

/// One place of the atlas. The texts point into the Atlas that gave the place
/// and stay valid as long as it lives.
struct Place {
    std::string_view name;         ///< "Berkeley"
    std::string_view state;        ///< first administrative level, "California"; may be empty
    std::string_view country;      ///< "United States"
    std::string_view countryCode;  ///< ISO 3166-1 alpha-2, "US"
    std::string_view zoneId;       ///< IANA time-zone id, "America/Los_Angeles"
    double latitude = 0;           ///< decimal degrees, north positive
    double longitude = 0;          ///< decimal degrees, east positive
    std::int64_t population = 0;
};

}  // namespace zodiora::atlas
