#include "cli/BodyKeys.h"

namespace zodiora::cli {

namespace {

std::array<FixedPiece<BodyKeyRoom>, PointCount> KeyPieces(const std::array<std::string, PointCount>& texts)
{
    return PiecesOf<FixedPiece<BodyKeyRoom>, PointCount>(
        [&](std::size_t k) { return PieceOf<BodyKeyRoom>({texts[k]}); });
}

std::array<std::string, PointCount> Openings(char first, std::string_view before, std::string_view after)
{
    std::array<std::string, PointCount> keys;
    for (std::size_t k = 0; k < keys.size(); ++k) {
        keys[k] = (k == 0 ? first : ',');
        keys[k].append(before).append(BodyNames[k]).append(after);
    }
    return keys;
}

}  // namespace

const std::array<std::string, PointCount>& BodyMemberKeys()
{
    static const auto keys = Openings('{', "\"", "\":");
    return keys;
}

const std::array<std::string, PointCount>& BodyListOpenings()
{
    static const auto keys = Openings('[', "{\"body\":\"", "\"");
    return keys;
}

const std::array<FixedPiece<BodyKeyRoom>, PointCount>& BodyMemberKeyPieces()
{
    static const auto pieces = KeyPieces(BodyMemberKeys());
    return pieces;
}

const std::array<FixedPiece<BodyKeyRoom>, PointCount>& BodyListOpeningPieces()
{
    static const auto pieces = KeyPieces(BodyListOpenings());
    return pieces;
}

}  // namespace zodiora::cli
