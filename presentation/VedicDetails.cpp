#include "presentation/VedicDetails.h"

#include "engine/Engine.h"
#include "vedic/LocalDate.h"
#include "vedic/Nakshatra.h"
#include "vedic/Navamsa.h"
#include "vedic/Vimshottari.h"

namespace zodiora {

namespace {

DateText TextOf(const vedic::CalendarDate& date)
{
    DateText out;
    auto put = [&out](std::size_t at, int value, int digits) {
        for (int k = digits - 1; k >= 0; --k, value /= 10) {
            out.text[at + static_cast<std::size_t>(k)] = static_cast<char>('0' + value % 10);
        }
    };
    put(0, date.year, 4);
    out.text[4] = '-';
    put(5, date.month, 2);
    out.text[7] = '-';
    put(8, date.day, 2);
    return out;
}

// Periods follow one another without gaps, so each boundary is a start and
// an end: the last date made is kept and reused.
class DateTexts {
public:
    explicit DateTexts(int utcOffsetSeconds) : offset_(utcOffsetSeconds) {}

    DateText at(double jd)
    {
        if (jd != lastJd_) {
            lastJd_ = jd;
            last_ = TextOf(vedic::LocalDate(jd, offset_));
        }
        return last_;
    }

private:
    int offset_;
    double lastJd_ = -1;
    DateText last_;
};

DashaSpan SpanOf(vedic::DashaLord lord, double startJd, double endJd, DateTexts& dates)
{
    const DateText start = dates.at(startJd);
    return DashaSpan{vedic::DashaLordName(lord), startJd, endJd, start, dates.at(endJd)};
}

template <typename Period>
int IndexAt(const std::vector<Period>& periods, double jd, auto startOf, auto endOf)
{
    for (std::size_t k = 0; k < periods.size(); ++k) {
        if (startOf(periods[k]) <= jd && jd < endOf(periods[k])) return static_cast<int>(k);
    }
    return -1;
}

}  // namespace

VedicDetails BuildVedicDetails(const Chart& chart, int utcOffsetSeconds)
{
    VedicDetails details;
    details.daysPerYear = DaysPerYear(chart.settings.dashaYear);
    for (const Body body : AllPoints) {
        const double longitude = chart.longitude(body);
        const vedic::NakshatraPosition at = vedic::NakshatraOf(longitude);
        details.nakshatras[IndexOf(body)] =
            NakshatraEntry{body, vedic::NakshatraName(at.index), at.pada, vedic::DashaLordName(at.lord)};
        details.navamsa[IndexOf(body)] = vedic::NavamsaSign(longitude);
    }
    const vedic::VimshottariDasha dasha =
        vedic::Vimshottari(chart.longitude(Body::Moon), JulianDayUt(chart.moment), details.daysPerYear);
    details.balanceLord = vedic::DashaLordName(dasha.balance.lord);
    details.balanceYears = dasha.balance.years;
    details.dasha.reserve(dasha.periods.size());
    DateTexts dates(utcOffsetSeconds);
    for (const vedic::Mahadasha& period : dasha.periods) {
        DashaMajor major{SpanOf(period.lord, period.startJd, period.endJd, dates), {}};
        major.sub.reserve(period.sub.size());
        for (const vedic::DashaPeriod& sub : period.sub) {
            major.sub.push_back(SpanOf(sub.lord, sub.startJd, sub.endJd, dates));
        }
        details.dasha.push_back(std::move(major));
    }
    return details;
}

DashaIndex CurrentDasha(const VedicDetails& details, double jdUt)
{
    DashaIndex index;
    index.major = IndexAt(details.dasha, jdUt, [](const DashaMajor& m) { return m.span.startJd; },
                          [](const DashaMajor& m) { return m.span.endJd; });
    if (index.major >= 0) {
        index.sub = IndexAt(details.dasha[static_cast<std::size_t>(index.major)].sub, jdUt,
                            [](const DashaSpan& s) { return s.startJd; }, [](const DashaSpan& s) { return s.endJd; });
    }
    return index;
}

}  // namespace zodiora
