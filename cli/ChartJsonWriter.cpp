#include "cli/ChartJsonWriter.h"

#include "birthdata/UniversalTime.h"
#include "cli/BodyKeys.h"
#include "cli/ChartNumbers.h"
#include "cli/VedicJson.h"
#include "engine/PositionText.h"
#include "retrogrades/Retrogrades.h"

namespace zodiora::cli {

namespace {

template <typename Texts>
[[gnu::always_inline]] inline void TextArray(JsonWriter& json, std::string_view key, const Texts& texts)
{
    json.key(key);
    json.beginArray();
    for (const auto& text : texts) json.text(text);
    json.endArray();
}

[[gnu::always_inline]] inline void Member(JsonWriter& json, std::string_view key, std::string_view value)
{
    json.key(key);
    json.text(value);
}

// The two times a chart makes only to write them share one buffer, kept
// from chart to chart.
std::string& Scratch()
{
    thread_local std::string buffer;
    buffer.clear();
    return buffer;
}

// A long position text (eleven a chart), written in its escaped form at once.
void LongPosition(JsonWriter& json, double longitude)
{
    char text[LongPositionRoom];
    json.escapedText({text, PutLongPositionText(text, longitude, "\\\"")});
}

void DisplayKeys(JsonWriter& json, const ChartResult& result)
{
    const ChartDisplay& display = result.display;
    const Chart& chart = result.chart;
    TextArray(json, "positions", display.positions);
    json.key("ascendant");
    LongPosition(json, chart.longitude(Body::Ascendant));
    json.key("moon");
    LongPosition(json, chart.longitude(Body::Moon));
    Member(json, "moonSign", display.rashi);
    Member(json, "sunSign", display.sunSign);
    Member(json, "lagna", display.lagna);
    json.key("ayanamsa1900");
    json.number(chart.ayanamsa1900());
    json.key("universalHours");
    json.number(chart.moment.hours);
    std::string& minute = Scratch();
    AppendUniversalMinuteText(minute, chart.moment.utc);
    Member(json, "universalDateTime", minute);
    json.key("bodies");
    json.beginArray();
    for (const Body body : ElementOrder) LongPosition(json, chart.longitude(body));
    json.endArray();
    TextArray(json, "planetNames", display.planetNames);
    TextArray(json, "houses", display.houses);
    json.key("glyphs");
    if (display.glyphs) {
        json.beginArray();
        for (const int glyph : *display.glyphs) json.integer(glyph);
        json.endArray();
    } else {
        json.null();
    }
    const ChartDetails& details = display.details;
    json.key("details");
    json.beginObject();
    Member(json, "name", details.name);
    Member(json, "dob", details.dob);
    Member(json, "tob", details.tob);
    Member(json, "latitude", details.latitude);
    Member(json, "longitude", details.longitude);
    Member(json, "city", details.city);
    Member(json, "state", details.state);
    Member(json, "country", details.country);
    json.endObject();
}

// One object keyed by body name, from the first `count` points in table
// order; `value` appends each point's value.
template <typename Value>
void ByBody(JsonWriter& json, std::string_view key, std::size_t count, Value value)
{
    json.key(key);
    json.beginPieces();
    const auto& keys = BodyMemberKeyPieces();
    for (std::size_t k = 0; k < count; ++k) {
        json.pieceEnd(Put(json.pieceRoom(BodyKeyRoom), keys[k]));
        value(AllPoints[k]);
    }
    json.piece("}");
}

void NumberKeys(JsonWriter& json, const ChartResult& result)
{
    ByBody(json, "longitudes", AllPoints.size(),
           [&](Body body) { json.pieceNumber(result.chart.longitude(body)); });
    ByBody(json, "signs", AllPoints.size(), [&](Body body) { json.pieceInteger(SignNumber(result, body)); });
    ByBody(json, "retrograde", WheelBodyCount,
           [&](Body body) { json.piece(result.retrograde[body] ? "true" : "false"); });
    ByBody(json, "house", AllPoints.size(), [&](Body body) { json.pieceInteger(HouseNumber(result, body)); });
    std::string& utc = Scratch();
    AppendIsoUtcText(utc, result.chart.moment.utc);
    Member(json, "utc", utc);
}

// Where the clock's offset came from: the tz database, or the zone row and
// the daylight-saving box (named by the row's abbreviation).
void TimeZoneKey(JsonWriter& json, const ChartResult& result, const ChartRequest& request)
{
    json.key("timeZone");
    json.beginObject();
    json.key("id");
    if (request.zone && !request.zone->id.empty()) {
        json.text(request.zone->id);
    } else {
        json.null();
    }
    Member(json, "abbreviation", request.zone ? std::string_view(request.zone->abbreviation)
                                              : RowAbbreviation(request.form.zoneRow));
    json.key("offsetSeconds");
    json.integer(UtcOffsetSeconds(result.birth));
    Member(json, "source", !request.zone ? "row" : request.zone->localMeanTime ? "lmt" : "tz");
    json.endObject();
}

void PlaceKey(JsonWriter& json, const ChosenPlace& place)
{
    json.key("place");
    json.beginObject();
    Member(json, "name", place.name);
    Member(json, "state", place.state);
    Member(json, "country", place.country);
    json.key("latitude");
    json.number(place.latitude);
    json.key("longitude");
    json.number(place.longitude);
    json.endObject();
}

}  // namespace

void AppendSettingsJson(JsonWriter& json, const Chart& chart)
{
    json.key("ayanamsa");
    json.beginObject();
    json.key("name");
    json.plainText(KeyOf(chart.settings.ayanamsa));
    json.key("degrees");
    json.number(chart.ayanamsaDegrees);
    json.endObject();
    json.key("node");
    json.plainText(KeyOf(chart.settings.node));
    json.key("dashaYear");
    json.plainText(KeyOf(chart.settings.dashaYear));
}

void AppendChartJson(std::string& out, const ChartResult& result, const ChartRequest& request, bool withReport,
                     const std::function<void(JsonWriter&)>& more, int dashaLevels)
{
    JsonWriter json(out);
    json.beginObject();
    DisplayKeys(json, result);
    if (withReport) Member(json, "report", PlainText(result.report));
    NumberKeys(json, result);
    Member(json, "ephemeris", EphemerisName(result.chart.settings.ephemeris));
    AppendVedicMembers(json, result.chart, UtcOffsetSeconds(result.birth), dashaLevels);
    TimeZoneKey(json, result, request);
    if (request.place) PlaceKey(json, *request.place);
    if (more) more(json);
    json.endObject();
    out.push_back('\n');
}

void AppendBatchErrorJson(std::string& out, long line, std::string_view problem)
{
    JsonWriter json(out);
    json.beginObject();
    json.key("line");
    json.integer(line);
    Member(json, "error", problem);
    json.endObject();
    out.push_back('\n');
}

}  // namespace zodiora::cli
