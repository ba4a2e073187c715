#pragma once

#include <array>
#include <string>

#include "cli/sections/FixedPieces.h"
#include "engine/Body.h"

namespace zodiora::cli {

/// The opening of each member of a JSON object keyed by body name, in
/// table order: `{"Sun":`, then `,"Moon":`, `,"Mercury":` and so on, so an
/// object of values per body is written as one piece and one value at a time.
const std::array<std::string, PointCount>& BodyMemberKeys();

/// The same for a list of objects whose first member is the body:
/// `[{"body":"Sun"`, then `,{"body":"Moon"` and so on.
const std::array<std::string, PointCount>& BodyListOpenings();

/// Both as fixed pieces, for writers that copy them whole.
inline constexpr std::size_t BodyKeyRoom = 32;
const std::array<FixedPiece<BodyKeyRoom>, PointCount>& BodyMemberKeyPieces();
const std::array<FixedPiece<BodyKeyRoom>, PointCount>& BodyListOpeningPieces();

}  // namespace zodiora::cli
