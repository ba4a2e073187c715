#include "margins/Margins.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <stdexcept>

#include "engine/Engine.h"
#include "precise/PreciseEphemeris.h"

namespace zodiora::margins {

namespace {

double Normalized(double degrees)
{
    const double d = std::fmod(degrees, 360.0);
    const double n = d < 0 ? d + 360.0 : d;
    return n >= 360.0 ? 0.0 : n;
}

/// The signed difference a − b folded into (−180, 180].
double Turn(double a, double b)
{
    double d = std::fmod(a - b, 360.0);
    if (d > 180.0) d -= 360.0;
    if (d <= -180.0) d += 360.0;
    return d;
}

/// Longitudes of one point at moments around the birth, as ComputeChart
/// would give them: the whole classic chart (it is cheap and has one code
/// path), or the one precise point asked for.
class Sampler {
public:
    explicit Sampler(const Chart& chart) : chart_(chart) {}

    double longitude(Body body, long long seconds) const
    {
        if (seconds == 0) return chart_.longitude(body);
        const UniversalMoment moment = ShiftedMoment(chart_.moment, seconds);
        const CalculationSettings& settings = chart_.settings;
        if (settings.ephemeris == Ephemeris::Classic) {
            return ComputeChart(moment, chart_.place, settings).longitude(body);
        }
        const auto value = precise::PreciseLongitude(JulianDayUt(moment), chart_.place.latitude,
                                                     -chart_.place.longitudeWest,
                                                     static_cast<precise::PrecisePoint>(IndexOf(body)),
                                                     settings.ayanamsa, settings.node);
        if (!value) throw std::runtime_error("the precise ephemeris has no positions for this date");
        return *value;
    }

    double angle(const MarginFact& fact, long long seconds) const
    {
        const double a = longitude(fact.point, seconds);
        return fact.from ? Normalized(a - longitude(*fact.from, seconds)) : a;
    }

private:
    const Chart& chart_;
};

/// Mean forward motion of a fact's angle, degrees per second, to size the
/// first step, and the longest step, seconds, that keeps a step's motion
/// well under half a turn.
struct Motion {
    double rate;
    long long maxStep;
};

Motion MotionOf(const MarginFact& fact)
{
    if (fact.point == Body::Ascendant) return {360.9856 / 86400, 1800};
    if (fact.point == Body::Moon) return {13.0 / 86400, 12 * 3600};
    return {1.0 / 86400, SearchSeconds};
}

/// Degrees the angle must move in `direction` (+1 later, −1 earlier) from
/// `start` before the value changes; nothing if it never does.
std::optional<double> DistanceToEdge(const MarginFact& fact, double start, int direction)
{
    const int value = fact.valueOf(start);
    double inside = 0;
    for (double step = FactScanStep; step <= 360.0 + FactScanStep; step += FactScanStep) {
        if (fact.valueOf(Normalized(start + direction * step)) == value) {
            inside = step;
            continue;
        }
        double outside = step;
        while (outside - inside > 1e-10) {
            const double middle = 0.5 * (inside + outside);
            (fact.valueOf(Normalized(start + direction * middle)) == value ? inside : outside) = middle;
        }
        return outside;
    }
    return std::nullopt;
}

/// The last second, counted in `direction` from the birth, before the
/// fact's angle has moved `distance` degrees that way; nothing if it has
/// not by SearchSeconds.
std::optional<long long> LastSecondBefore(const Sampler& sampler, const MarginFact& fact, int direction,
                                          double distance)
{
    const Motion motion = MotionOf(fact);
    const double start = sampler.angle(fact, 0);
    // Progress: degrees moved in `direction` since the birth, unwrapped step by step.
    auto progressAt = [&](long long t, double fromProgress, double fromAngle, double& angle) {
        angle = sampler.angle(fact, direction * t);
        return fromProgress + direction * Turn(angle, fromAngle);
    };
    long long a = 0;
    double pa = 0;
    double angleA = start;
    double rate = motion.rate;
    long long b = 0;
    double pb = 0;
    double angleB = start;
    for (;;) {
        if (a >= SearchSeconds) return std::nullopt;
        // Aim a tenth past the crossing the motion so far predicts.
        const double wanted = std::min(1.1 * (distance - pa) / rate + 1, static_cast<double>(SearchSeconds));
        const long long step = std::clamp<long long>(static_cast<long long>(std::ceil(wanted)), 1,
                                                     std::min(motion.maxStep, SearchSeconds - a));
        b = a + step;
        pb = progressAt(b, pa, angleA, angleB);
        if (pb >= distance) break;
        if (pb > pa) rate = (pb - pa) / static_cast<double>(step);
        a = b;
        pa = pb;
        angleA = angleB;
    }
    // Bisection to the second, splitting at the interpolated crossing; the
    // midpoint after a split that kept the same end twice.
    int keptSide = 0;
    int sameSideRuns = 0;
    while (b - a > 1) {
        long long middle;
        if (sameSideRuns >= 2) {
            middle = a + (b - a) / 2;
        } else {
            const double x = static_cast<double>(a) + (distance - pa) / (pb - pa) * static_cast<double>(b - a);
            middle = std::clamp<long long>(std::llround(x), a + 1, b - 1);
        }
        double angleM = 0;
        const double pm = progressAt(middle, pa, angleA, angleM);
        const int side = pm >= distance ? 1 : -1;
        sameSideRuns = side == keptSide ? sameSideRuns + 1 : 1;
        keptSide = side;
        if (side > 0) {
            b = middle;
            pb = pm;
        } else {
            a = middle;
            pa = pm;
            angleA = angleM;
        }
    }
    return a;
}

}  // namespace

UniversalMoment ShiftedMoment(const UniversalMoment& moment, long long seconds)
{
    using namespace std::chrono;
    UniversalMoment shifted = moment;
    shifted.hours += static_cast<double>(seconds) / 3600.0;
    const UtcDateTime& utc = moment.utc;
    const sys_seconds then = sys_days{year{utc.year} / month{static_cast<unsigned>(utc.month)} /
                                      day{static_cast<unsigned>(utc.day)}} +
                             hours{utc.hour} + minutes{utc.minute} + std::chrono::seconds{utc.second + seconds};
    const sys_days date = floor<days>(then);
    const year_month_day ymd{date};
    const long long clock = (then - date).count();
    shifted.utc = UtcDateTime{static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
                              static_cast<int>(static_cast<unsigned>(ymd.day())), static_cast<int>(clock / 3600),
                              static_cast<int>(clock / 60 % 60), static_cast<int>(clock % 60)};
    return shifted;
}

std::vector<FactMargin> BirthTimeMargins(const Chart& chart, std::span<const MarginFact> facts)
{
    const Sampler sampler(chart);
    std::vector<FactMargin> margins;
    margins.reserve(facts.size());
    for (const MarginFact& fact : facts) {
        const double start = sampler.angle(fact, 0);
        FactMargin margin{fact, fact.valueOf(start), std::nullopt, std::nullopt, std::nullopt, std::nullopt};
        // The value across an edge is the one just past it in angle.
        if (const auto ahead = DistanceToEdge(fact, start, +1)) {
            margin.until = LastSecondBefore(sampler, fact, +1, *ahead);
            if (margin.until) margin.after = fact.valueOf(Normalized(start + *ahead));
        }
        if (const auto behind = DistanceToEdge(fact, start, -1)) {
            if (const auto back = LastSecondBefore(sampler, fact, -1, *behind)) {
                margin.from = -*back;
                margin.before = fact.valueOf(Normalized(start - *behind));
            }
        }
        margins.push_back(margin);
    }
    return margins;
}

}  // namespace zodiora::margins
