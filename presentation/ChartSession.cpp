#include "presentation/ChartSession.h"

#include "birthdata/BirthDataInput.h"
#include "engine/Engine.h"

namespace zodiora {

ChartResult ChartSession::run(const BirthFormInput& input, ReportMode reportMode)
{
    ChartResult result;
    run(input, reportMode, result);
    return result;
}

void ChartSession::run(const BirthFormInput& input, ReportMode reportMode, ChartResult& result)
{
    ReadBirthData(input, birth_);
    result.birth = birth_;
    result.chart = ComputeChart(birth_, settings_);
    result.retrograde = RetrogradesOf(birth_);
    result.clock = ClockOf(birth_);
    FillChartDisplay(birth_, result.chart, result.retrograde, result.display);
    if (result.display.rashi.empty()) {
        result.display.rashi = moonSign_;
    }
    moonSign_ = result.display.rashi;
    UpdateReadings(result.chart, readings_);
    if (reportMode == ReportMode::Compose) {
        result.report = ComposeInterpretation(readings_);
    } else {
        result.report.clear();
    }
}

}  // namespace zodiora
