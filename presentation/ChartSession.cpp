#include "presentation/ChartSession.h"

#include "birthdata/BirthDataInput.h"
#include "engine/Engine.h"

namespace zodiora {

ChartResult ChartSession::run(const BirthFormInput& input, ReportMode reportMode)
{
    ReadBirthData(input, birth_);
    ChartResult result;
    result.birth = birth_;
    result.chart = ComputeChart(birth_, settings_);
    result.retrograde = RetrogradesOf(birth_);
    result.clock = ClockOf(birth_);
    result.display = BuildChartDisplay(birth_, result.chart, result.retrograde);
    if (result.display.rashi.empty()) {
        result.display.rashi = moonSign_;
    }
    moonSign_ = result.display.rashi;
    UpdateReadings(result.chart, readings_);
    if (reportMode == ReportMode::Compose) {
        result.report = ComposeInterpretation(readings_);
    }
    return result;
}

}  // namespace zodiora
