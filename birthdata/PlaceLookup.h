#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "birthdata/UserMessage.h"

namespace zodiora {

/// The place lookup's checks on the untrimmed place texts: the first empty
/// one of city, state, country gives its message and focus.
std::optional<UserMessage> CheckPlaceLookup(std::string_view city, std::string_view state,
                                            std::string_view country);

/// "city state country Latitude Longitude", single spaces between the parts.
std::string PlaceSearchQuery(std::string_view city, std::string_view state, std::string_view country);

}  // namespace zodiora
