#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "cli/ChartFormatter.h"
#include "cli/ChartRequest.h"

namespace zodiora::cli {

/// What --place may leave to the atlas: each is filled only where the user gave none.
struct PlaceGaps {
    bool latitude = true;
    bool longitude = true;
    bool zone = true;
    bool names = true;  ///< city, state and country
};

/// Takes the atlas's best match for `query` into the arguments: the
/// coordinates as the form would hold them (rounded to the nearest minute),
/// the zone "auto" (the place's) and the names, each only where `gaps` says.
/// Says on `err` which place it took. A one-line problem when the atlas is
/// missing or nothing matches.
std::optional<std::string> ApplyPlace(std::string_view query, const PlaceGaps& gaps, ChartArguments& arguments,
                                      std::ostream& err);

/// --find-place: up to 20 matches, one a line (text, JSON Lines or CSV).
/// Answers the exit status.
int WritePlaceMatches(std::string_view query, OutputFormat format, std::ostream& out, std::ostream& err);

}  // namespace zodiora::cli
