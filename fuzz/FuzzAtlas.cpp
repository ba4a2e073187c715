#include <string>

#include "atlas/Atlas.h"
#include "fuzz/FuzzChecks.h"
#include "fuzz/FuzzEntries.h"

namespace zodiora::fuzz {

int FuzzAtlas(const std::uint8_t* data, std::size_t size)
{
    std::string error;
    const auto atlas = atlas::Atlas::FromText(std::string(reinterpret_cast<const char*>(data), size), &error);
    if (!atlas) {
        Check(error.starts_with("atlas line "), "a refused atlas names the line");
        return 0;
    }
    for (const atlas::Place& place : atlas->places()) {
        Check(place.latitude >= -90 && place.latitude <= 90, "a place's latitude is on the globe");
        Check(place.longitude >= -180 && place.longitude <= 180, "a place's longitude is on the globe");
        Check(!place.zoneId.empty(), "a place has a zone");
    }
    // A search by each of the first names finds something and labels it.
    for (std::size_t k = 0; k < atlas->places().size() && k < 8; ++k) {
        for (const atlas::Place* found : atlas->search(atlas->places()[k].name, 5)) {
            Check(!atlas->label(*found).empty(), "a found place has a label");
        }
    }
    return 0;
}

}  // namespace zodiora::fuzz
