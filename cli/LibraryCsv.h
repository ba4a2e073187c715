#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "chartlibrary/SavedChart.h"

namespace zodiora::cli {

/// The header row of a library export, the batch's columns.
inline constexpr std::string_view LibraryCsvHeader = "name,date,time,zone,lat,lon,dst,city,state,country,fold";

/// The column an export adds after those when some chart has calculation
/// settings of its own: their text ("ephemeris=precise ayanamsa=raman ..."),
/// empty for a chart on the defaults. --batch does not read it.
inline constexpr std::string_view LibraryCsvSettingsColumn = "settings";

/// The column an export adds after the settings when some chart's birth time
/// may be off by other than the usual 5 minutes: those minutes.
inline constexpr std::string_view LibraryCsvUncertaintyColumn = "time_uncertainty_minutes";

/// One saved chart as a batch record (LF-ended): its zone id where the
/// offset came from history, "lmt" for the place's own mean time, else its
/// zone row; seconds (of time and of arc) only where set; with
/// `withSettings`, its settings text, and with `withUncertainty` then its
/// time uncertainty in minutes.
void AppendLibraryCsvLine(std::string& out, const SavedChart& chart, bool withSettings = false,
                          bool withUncertainty = false);

/// What an import read: the charts of the good records and a one-line
/// problem ("line 4: ...") for each bad one.
struct LibraryImport {
    std::vector<SavedChart> charts;
    std::vector<std::string> problems;
    bool unreadable = false;  ///< the stream failed (not merely ended)
};

/// Reads batch records as --batch does (a header row skipped) into saved
/// charts; a twelfth field is the chart's settings, kept in their canonical
/// text (unknown words left out), a thirteenth its time uncertainty.
LibraryImport ReadLibraryCsv(std::istream& in);

}  // namespace zodiora::cli
