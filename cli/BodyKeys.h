#pragma once

#include <array>
#include <string>

#include "engine/Body.h"

namespace zodiora::cli {

/// The opening of each member of a JSON object keyed by body name, in
/// table order: `{"Sun":`, then `,"Moon":`, `,"Mercury":` and so on, so an
/// object of values per body is written as one piece and one value at a time.
const std::array<std::string, PointCount>& BodyMemberKeys();

/// The same for a list of objects whose first member is the body:
/// `[{"body":"Sun"`, then `,{"body":"Moon"` and so on.
const std::array<std::string, PointCount>& BodyListOpenings();

}  // namespace zodiora::cli
