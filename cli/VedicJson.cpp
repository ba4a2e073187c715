#include "cli/VedicJson.h"

#include "engine/SignNames.h"

namespace zodiora::cli {

namespace {

void Member(JsonWriter& json, std::string_view key, std::string_view value)
{
    json.key(key);
    json.text(value);
}

// The dates are short strings held in place, so a batch of many charts
// formats ninety of them per chart without touching the heap.
void Span(JsonWriter& json, const DashaSpan& span)
{
    Member(json, "lord", span.lord);
    Member(json, "start", span.start);
    Member(json, "end", span.end);
}

}  // namespace

void AppendVedicMembers(JsonWriter& json, const VedicDetails& details)
{
    json.key("nakshatras");
    json.beginArray();
    for (const NakshatraEntry& entry : details.nakshatras) {
        json.beginObject();
        Member(json, "body", NameOf(entry.body));
        Member(json, "name", entry.name);
        json.key("pada");
        json.integer(entry.pada);
        Member(json, "lord", entry.lord);
        json.endObject();
    }
    json.endArray();

    json.key("navamsa");
    json.beginObject();
    for (const Body body : AllPoints) {
        Member(json, NameOf(body), SignNames[static_cast<std::size_t>(details.navamsa[IndexOf(body)])]);
    }
    json.endObject();

    json.key("dasha");
    json.beginObject();
    json.key("balance");
    json.beginObject();
    Member(json, "lord", details.balanceLord);
    json.key("years");
    json.number(details.balanceYears);
    json.endObject();
    json.key("periods");
    json.beginArray();
    for (const DashaMajor& major : details.dasha) {
        json.beginObject();
        Span(json, major.span);
        json.key("sub");
        json.beginArray();
        for (const DashaSpan& sub : major.sub) {
            json.beginObject();
            Span(json, sub);
            json.endObject();
        }
        json.endArray();
        json.endObject();
    }
    json.endArray();
    json.endObject();
}

}  // namespace zodiora::cli
