#include "transits/SadeSati.h"

#include <cmath>

#include "engine/Engine.h"
#include "precise/PreciseEphemeris.h"
#include "transits/Transits.h"

namespace zodiora::transits {

namespace {

constexpr double StepDays = 8.0;
constexpr double IngressToleranceDays = 0.0007;  // about a minute
constexpr double CenturyDays = 36525.0;

// The phase of Saturn in `sign` for a Moon in `moonSign` (0 = Aries), if any: -1 for none.
int PhaseIndex(int sign, int moonSign)
{
    switch (HouseFrom(sign, moonSign)) {
    case 12: return static_cast<int>(SadeSatiPhase::Rising);
    case 1: return static_cast<int>(SadeSatiPhase::Peak);
    case 2: return static_cast<int>(SadeSatiPhase::Setting);
    default: return -1;
    }
}

}  // namespace

std::optional<std::vector<SadeSatiSpan>> SadeSatiSpans(double natalMoon, double fromJd, double toJd,
                                                       AyanamsaKind ayanamsa)
{
    const int moonSign = SignIndex(natalMoon);
    const auto signAt = [&](double jd) -> std::optional<int> {
        const auto longitude = precise::SiderealLongitudeAt(jd, precise::PreciseSaturn, ayanamsa);
        if (!longitude) return std::nullopt;
        return SignIndex(*longitude);
    };
    std::vector<SadeSatiSpan> spans;
    auto sign = signAt(fromJd);
    if (!sign) return std::nullopt;
    int phase = PhaseIndex(*sign, moonSign);
    double openedAt = fromJd;
    for (double jd = fromJd; jd < toJd;) {
        const double next = std::min(jd + StepDays, toJd);
        const auto nextSign = signAt(next);
        if (!nextSign) return std::nullopt;
        if (*nextSign != *sign) {
            // Halve to the ingress: `low` still in the old sign, `high` in the new.
            double low = jd;
            double high = next;
            while (high - low > IngressToleranceDays) {
                const double middle = (low + high) / 2;
                const auto middleSign = signAt(middle);
                if (!middleSign) return std::nullopt;
                (*middleSign == *sign ? low : high) = middle;
            }
            const int nextPhase = PhaseIndex(*nextSign, moonSign);
            if (phase >= 0) spans.push_back({openedAt, high, static_cast<SadeSatiPhase>(phase)});
            phase = nextPhase;
            openedAt = high;
            sign = nextSign;
        }
        jd = next;
    }
    if (phase >= 0) spans.push_back({openedAt, toJd, static_cast<SadeSatiPhase>(phase)});
    return spans;
}

std::optional<std::vector<SadeSatiSpan>> SadeSatiOf(const Chart& natal)
{
    const double birth = JulianDayUt(natal.moment);
    return SadeSatiSpans(natal.longitude(Body::Moon), birth, birth + CenturyDays, natal.settings.ayanamsa);
}

std::optional<SadeSatiSpan> SpanAt(const std::vector<SadeSatiSpan>& spans, double jdUt)
{
    for (const SadeSatiSpan& span : spans) {
        if (span.startJd <= jdUt && jdUt < span.endJd) return span;
    }
    return std::nullopt;
}

}  // namespace zodiora::transits
