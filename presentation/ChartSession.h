#pragma once

#include "birthdata/BirthData.h"
#include "birthdata/BirthFormInput.h"
#include "engine/Chart.h"
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

    /// The ephemeris of the charts that follow; Classic unless set.
    void setEphemeris(Ephemeris ephemeris) { ephemeris_ = ephemeris; }
    Ephemeris ephemeris() const { return ephemeris_; }

private:
    Ephemeris ephemeris_ = Ephemeris::Classic;
    BirthData birth_;
    std::string moonSign_;
    InterpretationState readings_;
};

}  // namespace zodiora
