#include "cli/BodyKeys.h"

namespace zodiora::cli {

namespace {

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

}  // namespace zodiora::cli
