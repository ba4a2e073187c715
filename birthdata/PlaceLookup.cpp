#include "birthdata/PlaceLookup.h"

namespace zodiora {

std::optional<UserMessage> CheckPlaceLookup(std::string_view city, std::string_view state,
                                            std::string_view country)
{
    if (city.empty()) {
        return UserMessage{"Please Enter City", MessageIcon::Information, FormField::City};
    }
    if (state.empty()) {
        return UserMessage{"Please Enter State", MessageIcon::Information, FormField::State};
    }
    if (country.empty()) {
        return UserMessage{"Please Enter Country", MessageIcon::Information, FormField::Country};
    }
    return std::nullopt;
}

std::string PlaceSearchQuery(std::string_view city, std::string_view state, std::string_view country)
{
    std::string query;
    query.append(city).append(" ").append(state).append(" ").append(country).append(" Latitude Longitude");
    return query;
}

}  // namespace zodiora
