// Cost of the Vedic additions to a chart: nakshatra, pada and Navamsa of
// every point, the mean nodes and the Vimshottari periods; and of the
// Swiss Ephemeris positions. Run with `make bench`.
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "SampleBirths.h"
#include "birthdata/UniversalTime.h"
#include "presentation/ChartSession.h"
#include "presentation/VedicDetails.h"
#include "precise/PreciseEphemeris.h"
#include "vedic/LocalDate.h"
#include "engine/LunarNode.h"
#include "vedic/Nakshatra.h"
#include "vedic/Navamsa.h"
#include "vedic/Vimshottari.h"

using namespace zodiora;

namespace {

constexpr double BirthJd = 2444239.5 + 0.3;  // early 1980
constexpr std::array<double, 11> Longitudes{262.1, 88.0167, 245.3, 290.7, 150.2, 141.9,
                                            156.4, 208.8, 239.1, 180.6, 99.5};

struct VedicPoints {
    std::array<vedic::NakshatraPosition, 13> nakshatras;
    std::array<int, 13> navamsas;
};

/// Everything the Vedic views add, for one chart's sidereal longitudes.
void VedicPart(const std::array<double, 11>& longitudes, double jd, double tropicalToSidereal,
               VedicPoints& points, vedic::VimshottariDasha& dasha)
{
    const LunarNodes nodes = MeanNodes(jd, tropicalToSidereal);
    for (std::size_t k = 0; k < 13; ++k) {
        const double longitude = k < 11 ? longitudes[k] : k == 11 ? nodes.rahu : nodes.ketu;
        points.nakshatras[k] = vedic::NakshatraOf(longitude);
        points.navamsas[k] = vedic::NavamsaSign(longitude);
    }
    dasha = vedic::Vimshottari(longitudes[1], jd);
}

}  // namespace

// Nakshatras and Navamsas of 13 points, the nodes and the dasha periods.
static void BM_VedicPart(benchmark::State& state)
{
    std::array<double, 11> longitudes = Longitudes;
    VedicPoints points;
    vedic::VimshottariDasha dasha;
    for (auto _ : state) {
        longitudes[1] = longitudes[1] + 0.37 < 360 ? longitudes[1] + 0.37 : 0.5;
        VedicPart(longitudes, BirthJd, -23.5, points, dasha);
        benchmark::DoNotOptimize(points);
        benchmark::DoNotOptimize(dasha);
    }
}
BENCHMARK(BM_VedicPart);

// A whole chart as the windows build it (validation aside): engine,
// retrograde flags, display texts, and the Vedic details with every dasha
// date as text. Argument 0: Classic; 1: Precise.
static void BM_WholeChartWithVedic(benchmark::State& state)
{
    BirthFormInput input = test::Delhi1980Input();
    ChartSession session;
    session.setEphemeris(state.range(0) != 0 ? Ephemeris::Precise : Ephemeris::Classic);
    int minute = 0;
    for (auto _ : state) {
        input.minute = minute++ % 60;
        const ChartResult result = session.run(input, ChartSession::ReportMode::Skip);
        VedicDetails details = BuildVedicDetails(result.chart, UtcOffsetSeconds(result.birth));
        benchmark::DoNotOptimize(details);
    }
}
BENCHMARK(BM_WholeChartWithVedic)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Every dasha boundary as a local date text, as the JSON writes them.
static void BM_DashaDates(benchmark::State& state)
{
    const vedic::VimshottariDasha dasha = vedic::Vimshottari(88.0167, BirthJd);
    for (auto _ : state) {
        std::size_t length = 0;
        for (const vedic::Mahadasha& period : dasha.periods) {
            length += vedic::IsoDate(vedic::LocalDate(period.endJd, 19800)).size();
            for (const vedic::DashaPeriod& sub : period.sub) {
                length += vedic::IsoDate(vedic::LocalDate(sub.endJd, 19800)).size();
            }
        }
        benchmark::DoNotOptimize(length);
    }
}
BENCHMARK(BM_DashaDates);

// Swiss Ephemeris positions for 13 points and the Ascendant, plus the Vedic part.
static void BM_PreciseChartWithVedic(benchmark::State& state)
{
    const auto speeds = state.range(0) != 0 ? precise::PreciseSpeeds::Include : precise::PreciseSpeeds::Omit;
    double jd = BirthJd;
    VedicPoints points;
    vedic::VimshottariDasha dasha;
    for (auto _ : state) {
        jd += 0.01;
        const auto positions = precise::ComputePrecise(jd, 28.6, 77.2, speeds);
        std::array<double, 11> longitudes{};
        std::copy_n(positions->longitude.begin(), 11, longitudes.begin());
        VedicPart(longitudes, jd, -positions->ayanamsa, points, dasha);
        benchmark::DoNotOptimize(points);
        benchmark::DoNotOptimize(dasha);
    }
}
// Argument 1: with the daily motions; 0: longitudes only.
BENCHMARK(BM_PreciseChartWithVedic)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);
