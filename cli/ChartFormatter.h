#pragma once

#include <string>
#include <string_view>

#include "cli/ChartRequest.h"
#include "cli/DashaOutput.h"
#include "cli/TextWords.h"
#include "cli/sections/Section.h"
#include "presentation/ChartSession.h"

namespace zodiora::cli {

enum class OutputFormat { Text, Json, Csv };

/// Turns charts and failed batch lines into the chosen output format,
/// appended to a string so workers can format in parallel.
struct ChartFormatter {
    OutputFormat format = OutputFormat::Text;
    bool report = false;
    bool vedic = false;  ///< text: add the nakshatras, Navamsa and dasha (JSON always has them)
    SectionSelection sections;      ///< --with
    SectionOptions sectionOptions;  ///< what the sections read
    DashaChoice dasha;              ///< --dasha-levels, --dasha-at
    TextWords words;                ///< text: --lang and --sanskrit (JSON and CSV stay English)
    /// JSON: name the settings ("ayanamsa", "node", "dashaYear") after the
    /// existing keys; set when a new option was given or the settings are
    /// not the defaults, so output without them stays as it was.
    bool settingsKeys = false;

    ChartSession::ReportMode reportMode() const
    {
        return report ? ChartSession::ReportMode::Compose : ChartSession::ReportMode::Skip;
    }

    /// What comes before the first chart: the CSV header row, else nothing.
    void appendPreamble(std::string& out) const;

    /// One chart; `line` is its batch line, 0 on the command line.
    void appendChart(std::string& out, long line, const ChartResult& result, const ChartRequest& request) const;

    /// A batch line that could not be charted.
    void appendBatchError(std::string& out, long line, std::string_view problem) const;
};

}  // namespace zodiora::cli
