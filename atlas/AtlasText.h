#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zodiora::atlas {

/// The atlas file's leading sections as read, every text a view into the
/// unpacked file (see tools/generate-atlas for the layout). The places are
/// handed over one by one, so no copy of them all is ever made.
struct AtlasText {
    struct Country {
        std::string_view code;
        std::string_view name;
    };
    struct State {
        std::uint32_t country = 0;
        std::string_view name;
    };
    struct Row {
        std::string_view name;
        std::string_view alternates;  ///< comma-separated
        std::uint32_t country = 0;
        std::optional<std::uint32_t> state;
        double latitude = 0;
        double longitude = 0;
        std::int64_t population = 0;
        std::uint32_t zone = 0;
    };

    std::vector<Country> countries;
    std::vector<State> states;
    std::vector<std::string_view> zones;
    std::size_t placeCount = 0;
};

/// Reads the unpacked atlas file, giving each place to onPlace (with the
/// sections read so far) in file order; nothing, with the line at fault in
/// *error, when the file is damaged, which may be after some places were given.
std::optional<AtlasText> ParseAtlasText(std::string_view text,
                                        const std::function<void(const AtlasText&, const AtlasText::Row&)>& onPlace,
                                        std::string* error);

}  // namespace zodiora::atlas
