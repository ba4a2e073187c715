#pragma once

#include <string>
#include <string_view>

#include "cli/sections/Section.h"
#include "presentation/ChartSession.h"

namespace zodiora::cli {

/// Appends the header row of the chart CSV: line, name, utc, the three sign
/// texts, then per point (the table's eleven, then Rahu and Ketu) its longitude, sign, house, retrograde flag (Sun to
/// Saturn) and short position text, the columns of the `sections` chosen,
/// and last an error column.
void AppendChartCsvHeader(std::string& out, const SectionSelection& sections = {});

/// Appends one chart as a CSV row ended by LF, as every output of the tool; `line`
/// is the batch line, 0 for a chart given on the command line (left empty).
void AppendChartCsv(std::string& out, long line, const ChartResult& result);

/// The same row's fields up to the sections' and the error column, without
/// the line feed.
void AppendChartCsvFields(std::string& out, long line, const ChartResult& result);

/// Appends the row of a batch line that failed: its number, every other
/// column of the header (with the sections') empty, and the problem.
void AppendBatchErrorCsv(std::string& out, long line, std::string_view problem,
                         const SectionSelection& sections = {});

/// Appends one CSV field, quoted when it holds a comma, quote or line break;
/// invalid UTF-8 becomes U+FFFD.
void AppendCsvField(std::string& out, std::string_view field);

}  // namespace zodiora::cli
