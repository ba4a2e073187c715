#include "presentation/MarginText.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "engine/SignNames.h"
#include "panchang/PanchangLimbs.h"
#include "vedic/Nakshatra.h"

namespace zodiora {

std::string MarginValueText(margins::FactValueKind kind, int value)
{
    switch (kind) {
    case margins::FactValueKind::Sign: return std::string(SignNames[static_cast<std::size_t>(value % 12)]);
    case margins::FactValueKind::NakshatraPada:
        return std::string(vedic::NakshatraName(value / 4)) + " " + std::to_string(value % 4 + 1);
    case margins::FactValueKind::Tithi: return panchang::TithiName(value + 1);
    }
    return {};
}

CalendarTime ClockAt(const BirthData& birth, long long seconds)
{
    using namespace std::chrono;
    const sys_seconds clock = sys_days{year{birth.year} / month{static_cast<unsigned>(birth.month)} /
                                       day{static_cast<unsigned>(birth.day)}} +
                              hours{birth.hour} + minutes{birth.minute} + std::chrono::seconds{birth.second + seconds};
    const sys_days date = floor<days>(clock);
    const year_month_day ymd{date};
    const long long s = (clock - date).count();
    return CalendarTime{static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
                        static_cast<int>(static_cast<unsigned>(ymd.day())), static_cast<int>(s / 3600),
                        static_cast<int>(s / 60 % 60), static_cast<int>(s % 60)};
}

std::string ClockText(const CalendarTime& c)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", c.year, c.month, c.day, c.hour, c.minute,
                  c.second);
    return text;
}

std::string TimeOfDayText(const CalendarTime& c)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", c.hour, c.minute, c.second);
    return text;
}

std::string IsoClockAt(const BirthData& birth, long long seconds)
{
    std::string text = ClockText(ClockAt(birth, seconds));
    text[10] = 'T';
    const int offset = UtcOffsetSeconds(birth);
    const int minutes = std::abs(offset) / 60;
    char zone[16];
    std::snprintf(zone, sizeof zone, "%c%02d:%02d", offset < 0 ? '-' : '+', minutes / 60, minutes % 60);
    return text + zone;
}

std::string SpanText(long long seconds)
{
    if (seconds < 120) return std::to_string(seconds) + " s";
    const long long minutes = (seconds + 30) / 60;
    if (minutes < 120) return std::to_string(minutes) + " min";
    return std::to_string(minutes / 60) + " h " + std::to_string(minutes % 60) + " min";
}

std::string NarrowFactText(const BirthData& birth, const margins::FactMargin& margin)
{
    const long long nearest = margin.secondsToNearerEdge();
    const std::string title(margin.fact.title);
    if (margin.from && -*margin.from == nearest && margin.before) {
        return title + " changes " + SpanText(nearest) + " earlier: " +
               MarginValueText(margin.fact.kind, *margin.before) + " before " +
               TimeOfDayText(ClockAt(birth, *margin.from));
    }
    if (margin.until && margin.after) {
        return title + " changes " + SpanText(nearest) + " later: " +
               MarginValueText(margin.fact.kind, *margin.after) + " from " +
               TimeOfDayText(ClockAt(birth, *margin.until + 1));
    }
    return {};
}

}  // namespace zodiora
