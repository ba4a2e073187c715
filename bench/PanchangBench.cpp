// Cost of `--with panchang` per chart with the precise ephemeris: the
// panchang kernel (five end times and the Hindu day), its parts, and the
// section's JSON written from a finished chart; and of the transits and
// Sade Sati of --transit. Run with `make bench`.
#include <benchmark/benchmark.h>

#include <string>

#include "SampleBirths.h"
#include "ToolFixtures.h"
#include "cli/ChartFormatter.h"
#include "panchang/Panchang.h"
#include "precise/HinduSunrise.h"
#include "presentation/ChartSession.h"
#include "transits/SadeSati.h"
#include "transits/Transits.h"

using namespace zodiora;

namespace {

constexpr double FirstJd = 2444405.5;  // 1980-06-15 00:00 UT
constexpr double DayStep = 0.37;       // a new moment each round, so no cache helps

}  // namespace

// The whole panchang of one moment at New Delhi: what the section computes.
static void BM_PanchangKernel(benchmark::State& state)
{
    double jd = FirstJd;
    for (auto _ : state) {
        jd += DayStep;
        benchmark::DoNotOptimize(panchang::PanchangAt(jd, 28.6167, 77.2167, AyanamsaKind::Lahiri));
    }
}
BENCHMARK(BM_PanchangKernel);

// Its Hindu day alone: the last sunrise, the sunset and the next sunrise.
static void BM_HinduDay(benchmark::State& state)
{
    double jd = FirstJd;
    for (auto _ : state) {
        jd += DayStep;
        benchmark::DoNotOptimize(precise::HinduDayAt(jd, 28.6167, 77.2167));
    }
}
BENCHMARK(BM_HinduDay);

// `--with panchang` on one precise chart: the section's JSON after the chart's own.
static void BM_PanchangSectionJson(benchmark::State& state)
{
    cli::ChartRequest request = bench::Delhi1980Request();
    ChartSession session;
    session.setEphemeris(Ephemeris::Precise);
    std::vector<ChartResult> results;
    for (int minute = 0; minute < 60; ++minute) {
        request.form.minute = minute;
        results.push_back(session.run(request.form, ChartSession::ReportMode::Skip));
    }
    cli::ChartFormatter plain = bench::JsonFormatter();
    cli::ChartFormatter with = plain;
    with.sections = std::get<cli::SectionSelection>(cli::ParseSections("panchang"));
    const cli::ChartFormatter& formatter = state.range(0) == 0 ? plain : with;
    std::string out;
    std::size_t k = 0;
    for (auto _ : state) {
        out.clear();
        formatter.appendChart(out, 1, results[k++ % results.size()], request);
        benchmark::DoNotOptimize(out.data());
    }
}
// Arg 0: the JSON line without the section; 1: with it. The difference is its cost.
BENCHMARK(BM_PanchangSectionJson)->Arg(0)->Arg(1);

// --transit: the transits over a precise chart at one moment.
static void BM_TransitsAt(benchmark::State& state)
{
    ChartSession session;
    session.setEphemeris(Ephemeris::Precise);
    const Chart natal = session.run(test::Delhi1980Input(), ChartSession::ReportMode::Skip).chart;
    double jd = 2462640.5;
    for (auto _ : state) {
        jd += DayStep;
        benchmark::DoNotOptimize(transits::TransitsAt(natal, jd));
    }
}
BENCHMARK(BM_TransitsAt);

// Sade Sati from birth to 100 years after.
static void BM_SadeSatiCentury(benchmark::State& state)
{
    ChartSession session;
    session.setEphemeris(Ephemeris::Precise);
    const Chart natal = session.run(test::Delhi1980Input(), ChartSession::ReportMode::Skip).chart;
    for (auto _ : state) {
        benchmark::DoNotOptimize(transits::SadeSatiOf(natal));
    }
    state.SetLabel("spans of one chart");
}
BENCHMARK(BM_SadeSatiCentury)->Unit(benchmark::kMillisecond);
