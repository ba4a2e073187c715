#include "atlas/Atlas.h"

#include <algorithm>

#include "atlas/AtlasText.h"
#include "atlas/FoldText.h"
#include "atlas/GzipFile.h"

namespace zodiora::atlas {

namespace {

constexpr std::size_t LongestKey = 255;

std::uint64_t Head(std::string_view text)
{
    std::uint64_t head = 0;
    for (std::size_t k = 0; k < 8; ++k)
        head = (head << 8) | (k < text.size() ? static_cast<unsigned char>(text[k]) : 0u);
    return head;
}

/// Copies text into pool (whose capacity was reserved) and returns a view of the copy.
std::string_view Keep(std::vector<char>& pool, std::string_view text)
{
    const std::size_t start = pool.size();
    pool.insert(pool.end(), text.begin(), text.end());
    return std::string_view(pool.data() + start, text.size());
}

/// Sorts keys by head with a byte-wise radix sort (far quicker than comparing
/// 300,000 keys), then orders each run of equal heads with less.
template <typename Key, typename Less>
void SortKeys(std::vector<Key>& keys, Less less)
{
    if (keys.empty())
        return;
    std::vector<Key> spare(keys.size());
    for (int shift = 0; shift < 64; shift += 8) {
        std::size_t counts[257] = {};
        for (const Key& key : keys)
            ++counts[((key.head >> shift) & 0xFF) + 1];
        if (counts[((keys.front().head >> shift) & 0xFF) + 1] == keys.size())
            continue;  // every key has the same byte here
        for (int b = 0; b < 256; ++b)
            counts[b + 1] += counts[b];
        for (const Key& key : keys)
            spare[counts[(key.head >> shift) & 0xFF]++] = key;
        keys.swap(spare);
    }
    for (auto run = keys.begin(); run != keys.end();) {
        const auto end = std::find_if(run, keys.end(), [&](const Key& key) { return key.head != run->head; });
        if (end - run > 1)
            std::sort(run, end, less);
        run = end;
    }
}

std::vector<std::string_view> SplitAt(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos)
            return parts;
        start = end + 1;
    }
}

}  // namespace

std::optional<Atlas> Atlas::Load(const std::string& path, std::string* error)
{
    std::optional<std::string> text = ReadGzipFile(path, error);
    if (!text)
        return std::nullopt;
    return FromText(std::move(*text), error);
}

std::optional<Atlas> Atlas::FromText(std::string unpacked, std::string* error)
{
    // Names point into the text until they are copied to names_ below.
    const std::string* const text = &unpacked;
    Atlas atlas;
    // Each name first points into the unpacked file; once all are read they
    // move to names_, sized once so that it never moves them again.
    std::size_t namesSize = 0;
    const auto start = [&atlas, &text](const AtlasText& header) {
        const std::size_t count = header.placeCount;
        atlas.places_.reserve(count);
        atlas.placeState_.reserve(count);
        atlas.placeCountry_.reserve(count);
        atlas.keys_.reserve(count + static_cast<std::size_t>(std::count(text->begin(), text->end(), ',')));
        atlas.keyTexts_.reserve(text->size() / 2);
        atlas.sharedTexts_.reserve(2 * header.countries.size() + header.states.size() + header.zones.size());
        for (const auto& country : header.countries) {
            atlas.sharedTexts_.emplace_back(country.code);
            atlas.sharedTexts_.emplace_back(country.name);
            // Names such as "Korea, Republic of" are matched piece by piece.
            std::vector<std::string> pieces;
            for (const auto piece : SplitAt(country.name, ','))
                pieces.push_back(FoldText(piece));
            atlas.countryPieces_.push_back(std::move(pieces));
            atlas.foldedCodes_.push_back(FoldText(country.code));
        }
        for (const auto& state : header.states) {
            atlas.sharedTexts_.emplace_back(state.name);
            atlas.foldedStates_.push_back(FoldText(state.name));
        }
        for (const auto zone : header.zones)
            atlas.sharedTexts_.emplace_back(zone);
    };
    const auto addPlace = [&](const AtlasText& header, const AtlasText::Row& row) {
        if (atlas.places_.empty())
            start(header);
        const auto index = static_cast<std::uint32_t>(atlas.places_.size());
        const auto& shared = atlas.sharedTexts_;
        const std::size_t states = 2 * header.countries.size(), zones = states + header.states.size();
        Place place;
        place.name = row.name;
        place.countryCode = shared[2 * row.country];
        place.country = shared[2 * row.country + 1];
        place.state = row.state ? std::string_view(shared[states + *row.state]) : std::string_view{};
        place.zoneId = shared[zones + row.zone];
        place.latitude = row.latitude;
        place.longitude = row.longitude;
        place.population = row.population;
        atlas.places_.push_back(place);
        namesSize += row.name.size();
        atlas.placeState_.push_back(row.state ? *row.state : NoState);
        atlas.placeCountry_.push_back(row.country);
        atlas.addKey(row.name, index, false);
        for (std::size_t from = 0; from < row.alternates.size();) {
            const std::size_t end = std::min(row.alternates.find(',', from), row.alternates.size());
            atlas.addKey(row.alternates.substr(from, end - from), index, true);
            from = end + 1;
        }
    };
    if (!ParseAtlasText(*text, addPlace, error))
        return std::nullopt;

    atlas.names_.reserve(namesSize);
    for (Place& place : atlas.places_)
        place.name = Keep(atlas.names_, place.name);
    atlas.keyTexts_.shrink_to_fit();
    SortKeys(atlas.keys_, [&atlas](const Key& a, const Key& b) { return atlas.keyLess(a, b); });
    return atlas;
}

void Atlas::addKey(std::string_view name, std::uint32_t place, bool alternate)
{
    const std::size_t offset = keyTexts_.size();
    keyTexts_ += '\0';
    AppendFolded(name, keyTexts_);
    const std::size_t length = std::min(keyTexts_.size() - offset - 1, LongestKey);
    keyTexts_.resize(offset + 1 + length);
    if (length == 0) {
        keyTexts_.resize(offset);
        return;
    }
    keyTexts_[offset] = static_cast<char>(length);
    Key key{0, static_cast<std::uint32_t>(offset), place, alternate};
    key.head = Head(keyText(key));
    // Alternates that fold to a name the place already has ("Zurich" for
    // Zürich, "Kal'kuta" beside "Kalkuta") add nothing; the place's keys
    // so far are the last ones in keys_.
    for (auto earlier = keys_.rbegin(); earlier != keys_.rend() && earlier->place == place; ++earlier) {
        if (earlier->head == key.head && keyText(*earlier) == keyText(key)) {
            keyTexts_.resize(offset);
            return;
        }
    }
    keys_.push_back(key);
}

std::string_view Atlas::keyText(const Key& key) const
{
    const auto length = static_cast<unsigned char>(keyTexts_[key.offset]);
    return std::string_view(keyTexts_).substr(key.offset + 1, length);
}

bool Atlas::keyLess(const Key& a, const Key& b) const
{
    if (a.head != b.head)
        return a.head < b.head;
    const int order = keyText(a).compare(keyText(b));
    if (order != 0)
        return order < 0;
    return a.place != b.place ? a.place < b.place : a.alternate < b.alternate;
}

bool Atlas::qualifies(std::uint32_t place, std::string_view qualifier) const
{
    const std::uint32_t state = placeState_[place];
    if (state != NoState && foldedStates_[state].starts_with(qualifier))
        return true;
    const std::uint32_t country = placeCountry_[place];
    if (foldedCodes_[country] == qualifier)
        return true;
    const auto& pieces = countryPieces_[country];
    return std::any_of(pieces.begin(), pieces.end(),
                       [&](const std::string& piece) { return piece.starts_with(qualifier); });
}

std::vector<const Place*> Atlas::search(std::string_view query, std::size_t limit) const
{
    const std::vector<std::string_view> parts = SplitAt(query, ',');
    const std::string name = FoldText(parts.front());
    if (name.empty() || limit == 0)
        return {};
    std::vector<std::string> qualifiers;
    for (std::size_t k = 1; k < parts.size(); ++k)
        if (std::string folded = FoldText(parts[k]); !folded.empty())
            qualifiers.push_back(std::move(folded));

    const std::string_view prefix = std::string_view(name).substr(0, LongestKey);
    const std::uint64_t head = Head(prefix);
    auto key = std::lower_bound(keys_.begin(), keys_.end(), prefix, [&](const Key& k, std::string_view text) {
        return k.head != head ? k.head < head : keyText(k) < text;
    });

    struct Candidate {
        std::uint32_t place;
        bool byAlternate;  ///< only the beginning of an alternate name matched
    };
    std::vector<Candidate> candidates;
    // Where each place stands in candidates, if it was met and qualified.
    constexpr std::int32_t Unmet = -1, Refused = -2;
    std::vector<std::int32_t> slot(places_.size(), Unmet);
    for (; key != keys_.end(); ++key) {
        const std::string_view text = keyText(*key);
        if (!text.starts_with(prefix))
            break;
        const bool byAlternate = key->alternate && text.size() != prefix.size();
        std::int32_t& where = slot[key->place];
        if (where == Refused)
            continue;
        if (where != Unmet) {
            candidates[static_cast<std::size_t>(where)].byAlternate &= byAlternate;
            continue;
        }
        const bool qualified = std::all_of(qualifiers.begin(), qualifiers.end(),
                                           [&](const std::string& q) { return qualifies(key->place, q); });
        // The state and country are the place's, whichever name matched.
        where = qualified ? static_cast<std::int32_t>(candidates.size()) : Refused;
        if (qualified)
            candidates.push_back({key->place, byAlternate});
    }

    const auto better = [this](const Candidate& a, const Candidate& b) {
        if (a.byAlternate != b.byAlternate)
            return b.byAlternate;
        const auto pa = places_[a.place].population, pb = places_[b.place].population;
        return pa != pb ? pa > pb : a.place < b.place;
    };
    const std::size_t kept = std::min(limit, candidates.size());
    std::partial_sort(candidates.begin(), candidates.begin() + static_cast<std::ptrdiff_t>(kept), candidates.end(), better);
    std::vector<const Place*> found;
    for (std::size_t k = 0; k < kept; ++k)
        found.push_back(&places_[candidates[k].place]);
    return found;
}

std::string Atlas::label(const Place& place) const
{
    std::string text(place.name);
    if (!place.state.empty())
        text.append(", ").append(place.state);
    return text.append(", ").append(place.country);
}

}  // namespace zodiora::atlas
