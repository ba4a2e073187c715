#pragma once

#include "birthdata/BirthData.h"
#include "birthdata/BirthFormInput.h"
#include "engine/Chart.h"
#include "presentation/CalculationLine.h"
#include "presentation/ChartDisplay.h"
#include "presentation/Interpretation.h"
#include "presentation/Report.h"
#include "retrogrades/Retrogrades.h"

namespace zodiora {

/// One charted birth: the record read from the form, the engine's numbers,
/// the retrograde flags, the texts the windows show and the report.
struct ChartResult {
    BirthData birth;
    Chart chart;
    RetrogradeFlags retrograde;
    ChartDisplay display;
    Report report;  ///< empty unless asked for
    /// Where the clock time was read: the zone row, or as the caller who
    /// knows the tz zone sets it (ClockOf with the zone id).
    ClockReading clock;
};

/// What "Proceed" does once the input has passed validation, for a whole
/// run of charts. A few texts outlive a chart: a zone row outside the table
/// keeps the previous correction, and a Moon sign or body reading that
/// names no sign keeps the previous chart's text.
class ChartSession {
public:
    enum class ReportMode { Compose, Skip };

    /// Reads the birth record, runs the engine and the retrograde step, and
    /// builds the display (and the report unless skipped).
    ChartResult run(const BirthFormInput& input, ReportMode reportMode = ReportMode::Compose);

    /// The same written over `result`, whose strings keep their room; for a
    /// batch, which charts thousands in a row.
    void run(const BirthFormInput& input, ReportMode reportMode, ChartResult& result);

    /// How the charts that follow are calculated; the defaults unless set.
    void setSettings(const CalculationSettings& settings) { settings_ = settings; }
    const CalculationSettings& settings() const { return settings_; }

    /// The ephemeris alone, the other settings kept.
    void setEphemeris(Ephemeris ephemeris) { settings_.ephemeris = ephemeris; }
    Ephemeris ephemeris() const { return settings_.ephemeris; }

private:
    CalculationSettings settings_;
    BirthData birth_;
    std::string moonSign_;
    InterpretationState readings_;
};

}  // namespace zodiora
