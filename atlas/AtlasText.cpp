#include "atlas/AtlasText.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace zodiora::atlas {

namespace {

class LineReader {
public:
    explicit LineReader(std::string_view text) : text_(text) {}

    /// The next line that is not a comment; false at the end.
    bool next(std::string_view& line)
    {
        while (position_ < text_.size()) {
            const std::size_t end = std::min(text_.find('\n', position_), text_.size());
            line = text_.substr(position_, end - position_);
            position_ = end + 1;
            ++number_;
            if (!line.starts_with('#'))
                return true;
        }
        return false;
    }

    std::size_t number() const { return number_; }

    /// Lines not yet read, comments included: a bound on any count ahead.
    std::size_t linesLeft() const
    {
        if (position_ >= text_.size())
            return 0;
        const auto rest = text_.substr(position_);
        return static_cast<std::size_t>(std::count(rest.begin(), rest.end(), '\n')) + (rest.back() != '\n');
    }

private:
    std::string_view text_;
    std::size_t position_ = 0;
    std::size_t number_ = 0;
};

/// Splits a line at tabs into exactly fields.size() parts.
bool Split(std::string_view line, std::vector<std::string_view>& fields)
{
    std::size_t start = 0;
    for (std::size_t k = 0; k < fields.size(); ++k) {
        const std::size_t tab = line.find('\t', start);
        const bool last = k + 1 == fields.size();
        if (last != (tab == std::string_view::npos))
            return false;
        fields[k] = line.substr(start, last ? std::string_view::npos : tab - start);
        start = tab + 1;
    }
    return true;
}

template <typename Number>
bool ParseNumber(std::string_view field, Number& value)
{
    const auto [end, status] = std::from_chars(field.data(), field.data() + field.size(), value);
    return status == std::errc{} && end == field.data() + field.size();
}

bool Below(std::uint32_t index, std::size_t size)
{
    return index < size;
}

bool Within(double value, double limit)
{
    return std::isfinite(value) && value >= -limit && value <= limit;
}

}  // namespace

std::optional<AtlasText> ParseAtlasText(std::string_view text,
                                        const std::function<void(const AtlasText&, const AtlasText::Row&)>& onPlace,
                                        std::string* error)
{
    AtlasText atlas;
    LineReader reader(text);
    std::string_view line;
    std::vector<std::string_view> fields;

    const auto fail = [&](const char* what) -> std::optional<AtlasText> {
        if (error)
            *error = "atlas line " + std::to_string(reader.number()) + ": " + what;
        return std::nullopt;
    };
    // "NAME COUNT" opens each section. A count the file cannot hold is
    // refused here, before anything is sized by it.
    const auto section = [&](std::string_view name, std::size_t& count) {
        return reader.next(line) && line.starts_with(name) && line.size() > name.size() &&
               line[name.size()] == ' ' && ParseNumber(line.substr(name.size() + 1), count) &&
               count <= reader.linesLeft();
    };

    std::size_t count = 0;
    if (!section("countries", count))
        return fail("expected \"countries COUNT\", COUNT at most the lines that follow");
    fields.resize(2);
    for (std::size_t k = 0; k < count; ++k) {
        if (!reader.next(line) || !Split(line, fields))
            return fail("expected a country: code, name");
        atlas.countries.push_back({fields[0], fields[1]});
    }

    if (!section("states", count))
        return fail("expected \"states COUNT\", COUNT at most the lines that follow");
    for (std::size_t k = 0; k < count; ++k) {
        AtlasText::State state;
        if (!reader.next(line) || !Split(line, fields) || !ParseNumber(fields[0], state.country) ||
            !Below(state.country, atlas.countries.size()))
            return fail("expected a state: country index, name");
        state.name = fields[1];
        atlas.states.push_back(state);
    }

    if (!section("zones", count))
        return fail("expected \"zones COUNT\", COUNT at most the lines that follow");
    for (std::size_t k = 0; k < count; ++k) {
        if (!reader.next(line) || line.empty())
            return fail("expected a zone id");
        atlas.zones.push_back(line);
    }

    if (!section("places", atlas.placeCount))
        return fail("expected \"places COUNT\", COUNT at most the lines that follow");
    fields.resize(8);
    for (std::size_t k = 0; k < atlas.placeCount; ++k) {
        AtlasText::Row row;
        std::uint32_t state = 0;
        const bool valid = reader.next(line) && Split(line, fields) && !fields[0].empty() &&
                           ParseNumber(fields[2], row.country) && Below(row.country, atlas.countries.size()) &&
                           (fields[3].empty() || (ParseNumber(fields[3], state) && Below(state, atlas.states.size()))) &&
                           ParseNumber(fields[4], row.latitude) && ParseNumber(fields[5], row.longitude) &&
                           ParseNumber(fields[6], row.population) && ParseNumber(fields[7], row.zone) &&
                           Below(row.zone, atlas.zones.size());
        if (!valid)
            return fail("expected a place: name, alternates, country, state, latitude, longitude, population, zone");
        if (!Within(row.latitude, 90) || !Within(row.longitude, 180))
            return fail("a place's latitude must be from -90 to 90 and its longitude from -180 to 180");
        if (row.population < 0)
            return fail("a place's population must not be negative");
        row.name = fields[0];
        row.alternates = fields[1];
        if (!fields[3].empty())
            row.state = state;
        onPlace(atlas, row);
    }
    if (reader.next(line))
        return fail("unexpected text after the places");
    return atlas;
}

}  // namespace zodiora::atlas
