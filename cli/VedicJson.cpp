#include "cli/VedicJson.h"

#include "engine/Engine.h"
#include "engine/SignNames.h"
#include "vedic/LocalDate.h"
#include "vedic/Nakshatra.h"
#include "vedic/Navamsa.h"
#include "vedic/Vimshottari.h"

namespace zodiora::cli {

namespace {

void Member(JsonWriter& json, std::string_view key, std::string_view value)
{
    json.plainKey(key);
    json.plainText(value);
}

// Dates of period boundaries; a boundary shared by two periods is converted once.
class DateWriter {
public:
    explicit DateWriter(int utcOffsetSeconds) : offset_(utcOffsetSeconds) {}

    void member(JsonWriter& json, std::string_view key, double jd)
    {
        if (jd != lastJd_) {
            lastJd_ = jd;
            const vedic::CalendarDate date = vedic::LocalDate(jd, offset_);
            if (date.year < 0 || date.year > 9999) {
                text_ = vedic::IsoDate(date);
            } else {
                text_.assign("0000-00-00");
                Digits(date.year, 0, 4);
                Digits(date.month, 5, 2);
                Digits(date.day, 8, 2);
            }
        }
        Member(json, key, text_);
    }

private:
    void Digits(int value, std::size_t at, std::size_t width)
    {
        for (std::size_t k = width; k-- > 0; value /= 10) text_[at + k] = static_cast<char>('0' + value % 10);
    }

    int offset_;
    double lastJd_ = -1;
    std::string text_;
};

template <typename Period>
void Span(JsonWriter& json, DateWriter& dates, const Period& period)
{
    Member(json, "lord", vedic::DashaLordName(period.lord));
    dates.member(json, "start", period.startJd);
    dates.member(json, "end", period.endJd);
}

}  // namespace

void AppendVedicMembers(JsonWriter& json, const Chart& chart, int utcOffsetSeconds)
{
    json.key("nakshatras");
    json.beginArray();
    for (const Body body : AllPoints) {
        const vedic::NakshatraPosition at = vedic::NakshatraOf(chart.longitude(body));
        json.beginObject();
        Member(json, "body", NameOf(body));
        Member(json, "name", vedic::NakshatraName(at.index));
        json.plainKey("pada");
        json.integer(at.pada);
        Member(json, "lord", vedic::DashaLordName(at.lord));
        json.endObject();
    }
    json.endArray();

    json.key("navamsa");
    json.beginObject();
    for (const Body body : AllPoints) {
        Member(json, NameOf(body), SignNames[static_cast<std::size_t>(vedic::NavamsaSign(chart.longitude(body)))]);
    }
    json.endObject();

    const vedic::VimshottariDasha dasha = vedic::Vimshottari(chart.longitude(Body::Moon), JulianDayUt(chart.moment));
    json.key("dasha");
    json.beginObject();
    json.key("balance");
    json.beginObject();
    Member(json, "lord", vedic::DashaLordName(dasha.balance.lord));
    json.key("years");
    json.number(dasha.balance.years);
    json.endObject();
    json.key("periods");
    json.beginArray();
    DateWriter dates(utcOffsetSeconds);
    for (const vedic::Mahadasha& period : dasha.periods) {
        json.beginObject();
        Span(json, dates, period);
        json.plainKey("sub");
        json.beginArray();
        for (const vedic::DashaPeriod& sub : period.sub) {
            json.beginObject();
            Span(json, dates, sub);
            json.endObject();
        }
        json.endArray();
        json.endObject();
    }
    json.endArray();
    json.endObject();
}

}  // namespace zodiora::cli
