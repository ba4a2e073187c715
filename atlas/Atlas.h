#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "atlas/Place.h"

namespace zodiora::atlas {

/// The world's places with a population of at least 1000 (GeoNames), searched
/// by name with folded matching. Loaded once; searching never changes it, so
/// one Atlas may serve several threads.
class Atlas {
public:
    /// Reads an atlas file written by tools/generate-atlas, or nothing with a
    /// one-line reason in *error. It takes tens of milliseconds and touches
    /// no shared state, so a program may run it on a worker thread at start-up.
    static std::optional<Atlas> Load(const std::string& path, std::string* error);
    /// Load() from the unpacked text of an atlas file.
    static std::optional<Atlas> FromText(std::string text, std::string* error);

    // The places point into the atlas's own storage: moving keeps them valid,
    // a copy would not.
    Atlas(Atlas&&) = default;
    Atlas& operator=(Atlas&&) = default;
    Atlas(const Atlas&) = delete;
    Atlas& operator=(const Atlas&) = delete;

    /// Places whose name or an alternate name begins with the query's first
    /// part, folded ("sao pa" finds São Paulo, "calcutta" Kolkata). Further
    /// comma-separated parts must each begin the place's state, its country's
    /// name (or a comma-separated piece of it) or equal its ISO code:
    /// "Berkeley, California, US". Larger places first, except that places
    /// matched only by the beginning of an alternate name come last ("Berk"
    /// gives Berkeley before Birkenhead, once "Berkenhead"); at most limit places.
    std::vector<const Place*> search(std::string_view query, std::size_t limit) const;

    /// "Berkeley, California, United States"; the state is left out where unknown.
    std::string label(const Place& place) const;

    const std::vector<Place>& places() const { return places_; }

private:
    // A folded name in the sorted index: its first eight bytes (big-endian,
    // zero-padded) decide most comparisons without touching keyTexts_.
    struct Key {
        std::uint64_t head;
        std::uint32_t offset;  ///< of its length byte in keyTexts_
        std::uint32_t place : 31;
        std::uint32_t alternate : 1;  ///< an alternate name, not the place's own
    };
    static constexpr std::uint32_t NoState = UINT32_MAX;

    Atlas() = default;
    std::string_view keyText(const Key& key) const;
    bool keyLess(const Key& a, const Key& b) const;
    bool qualifies(std::uint32_t place, std::string_view qualifier) const;
    void addKey(std::string_view name, std::uint32_t place, bool alternate);

    // The places' names one after another: a vector, as a short std::string
    // would keep them inside itself and a move would relocate them.
    std::vector<char> names_;
    std::vector<std::string> sharedTexts_;  ///< country codes and names, states, zone ids
    std::vector<Place> places_;
    std::vector<std::uint32_t> placeState_;    ///< index into foldedStates_, or NoState
    std::vector<std::uint32_t> placeCountry_;  ///< index into countryPieces_ and foldedCodes_
    std::vector<std::string> foldedStates_;
    std::vector<std::vector<std::string>> countryPieces_;  ///< folded, split at commas
    std::vector<std::string> foldedCodes_;
    std::string keyTexts_;  ///< folded names, each after a byte giving its length
    std::vector<Key> keys_;
};

}  // namespace zodiora::atlas
