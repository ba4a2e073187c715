#pragma once

#include <string>
#include <string_view>

#include "chartlibrary/ChartSummary.h"
#include "chartlibrary/SavedChart.h"
#include "chartlibrary/SqliteStatement.h"

namespace zodiora {

/// The SQL that reads and writes whole charts, with one list of columns so
/// the statements and the binding below can't drift apart.
struct ChartStatements {
    std::string insert;   ///< ?1..?N the fields, ?N+1 the time of saving
    std::string update;   ///< as insert, ?N+2 the id
    std::string select;   ///< id, the fields, created_ms, modified_ms; append a WHERE
    std::string summary;  ///< the list's columns, newest first; append a LIMIT
    int nowIndex = 0;     ///< the parameter of the time of saving in insert and update
    int idIndex = 0;      ///< the parameter of the id in update
};
const ChartStatements& ChartSql();

/// Binds every field of `chart` except id and timestamps to ?1..?N.
void BindChartFields(SqliteStatement& statement, const SavedChart& chart);
/// Reads a row of ChartSql().select.
SavedChart ReadChart(const SqliteStatement& statement);
/// Reads a row of ChartSql().summary.
ChartSummary ReadSummary(const SqliteStatement& statement);

/// Whether `search` occurs in the name, date or place, ignoring case in every
/// script (Unicode case folding: "josé" finds "JOSÉ", "иван" finds "ИВАН")
/// and how accents were typed (composed or combining). Empty matches all.
bool SummaryMatches(const ChartSummary& summary, std::string_view search);

}  // namespace zodiora
