#include "chartlibrary/ChartRows.h"

#include "birthdata/UnicodeText.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <span>

namespace zodiora {

namespace {

// The order here is the order of BindChartFields and ReadChart.
constexpr std::array<std::string_view, 26> FieldColumns = {
    "name",        "month_index", "day",         "year",        "hour",       "minute",      "second",
    "zone_row",    "daylight_saving", "zone_id", "ut_offset_seconds", "lat_degrees", "lat_minutes", "south",
    "lon_degrees", "lon_minutes", "east",        "city",        "state",      "country",     "note",
    "settings",    "time_uncertainty_minutes", "lat_seconds", "lon_seconds", "local_mean_time",
};
constexpr int FieldCount = static_cast<int>(FieldColumns.size());

std::string Joined(std::string_view separator, auto&& parts)
{
    std::string text;
    for (const auto& part : parts) {
        if (!text.empty()) {
            text += separator;
        }
        text += part;
    }
    return text;
}

std::string Placeholders(int first, int count)
{
    std::string text;
    for (int i = first; i < first + count; ++i) {
        text += (i == first ? "?" : ", ?") + std::to_string(i);
    }
    return text;
}

ChartStatements MakeStatements()
{
    const std::string columns = Joined(", ", FieldColumns);
    const std::string values = Placeholders(1, FieldCount);
    ChartStatements sql;
    sql.nowIndex = FieldCount + 1;
    sql.idIndex = FieldCount + 2;
    const std::string now = "?" + std::to_string(sql.nowIndex);
    sql.insert = "INSERT INTO charts (" + columns + ", created_ms, modified_ms) VALUES (" + values + ", " + now +
                 ", " + now + ")";
    sql.update = "UPDATE charts SET (" + columns + ", modified_ms) = (" + values + ", " + now +
                 ") WHERE id = ?" + std::to_string(sql.idIndex);
    sql.select = "SELECT id, " + columns + ", created_ms, modified_ms FROM charts";
    sql.summary =
        "SELECT id, name, year, month_index, day, hour, minute, second, city, state, country, modified_ms "
        "FROM charts ORDER BY modified_ms DESC, id DESC";
    return sql;
}

std::string DateText(int year, int monthIndex, int day, int hour, int minute, int second)
{
    char text[48];
    if (second == 0) {
        std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", year, monthIndex + 1, day, hour, minute);
    } else {
        std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", year, monthIndex + 1, day, hour, minute,
                      second);
    }
    return text;
}

}  // namespace

const ChartStatements& ChartSql()
{
    static const ChartStatements sql = MakeStatements();
    return sql;
}

void BindChartFields(SqliteStatement& statement, const SavedChart& chart)
{
    const BirthFormInput& form = chart.form;
    int i = 0;
    statement.bind(++i, ComposedText(form.name));  // one stored form however the accents were typed
    statement.bind(++i, form.monthIndex);
    statement.bind(++i, form.day);
    statement.bind(++i, form.year);
    statement.bind(++i, form.hour);
    statement.bind(++i, form.minute);
    statement.bind(++i, chart.form.second);
    statement.bind(++i, form.zoneRow);
    statement.bind(++i, form.daylightSaving);
    statement.bind(++i, chart.zoneId);
    if (chart.form.exactOffsetSeconds) {
        statement.bind(++i, *chart.form.exactOffsetSeconds);
    } else {
        statement.bindNull(++i);
    }
    statement.bind(++i, form.latDegrees);
    statement.bind(++i, form.latMinutes);
    statement.bind(++i, form.south);
    statement.bind(++i, form.lonDegrees);
    statement.bind(++i, form.lonMinutes);
    statement.bind(++i, form.east);
    statement.bind(++i, form.city);
    statement.bind(++i, form.state);
    statement.bind(++i, form.country);
    statement.bind(++i, chart.note);
    statement.bind(++i, chart.settings);
    statement.bind(++i, chart.timeUncertaintyMinutes);
    statement.bind(++i, form.latSeconds);
    statement.bind(++i, form.lonSeconds);
    statement.bind(++i, form.localMeanTime);
}

SavedChart ReadChart(const SqliteStatement& statement)
{
    SavedChart chart;
    BirthFormInput& form = chart.form;
    int i = 0;
    chart.id = statement.int64At(i++);
    form.name = statement.textAt(i++);
    form.monthIndex = statement.intAt(i++);
    form.day = statement.intAt(i++);
    form.year = statement.intAt(i++);
    form.hour = statement.intAt(i++);
    form.minute = statement.intAt(i++);
    chart.form.second = statement.intAt(i++);
    form.zoneRow = statement.intAt(i++);
    form.daylightSaving = statement.boolAt(i++);
    chart.zoneId = statement.textAt(i++);
    if (!statement.isNull(i)) {
        chart.form.exactOffsetSeconds = statement.intAt(i);
    }
    ++i;
    form.latDegrees = statement.textAt(i++);
    form.latMinutes = statement.textAt(i++);
    form.south = statement.boolAt(i++);
    form.lonDegrees = statement.textAt(i++);
    form.lonMinutes = statement.textAt(i++);
    form.east = statement.boolAt(i++);
    form.city = statement.textAt(i++);
    form.state = statement.textAt(i++);
    form.country = statement.textAt(i++);
    chart.note = statement.textAt(i++);
    chart.settings = statement.textAt(i++);
    chart.timeUncertaintyMinutes = statement.intAt(i++);
    form.latSeconds = statement.textAt(i++);
    form.lonSeconds = statement.textAt(i++);
    form.localMeanTime = statement.boolAt(i++);
    chart.createdMs = statement.int64At(i++);
    chart.modifiedMs = statement.int64At(i++);
    return chart;
}

ChartSummary ReadSummary(const SqliteStatement& statement)
{
    ChartSummary summary;
    summary.id = statement.int64At(0);
    summary.name = statement.textAt(1);
    summary.date = DateText(statement.intAt(2), statement.intAt(3), statement.intAt(4), statement.intAt(5),
                            statement.intAt(6), statement.intAt(7));
    std::array<std::string, 3> parts = {statement.textAt(8), statement.textAt(9), statement.textAt(10)};
    const auto blank = std::remove(parts.begin(), parts.end(), std::string());
    summary.place = Joined(", ", std::span(parts.begin(), blank));
    summary.modifiedMs = statement.int64At(11);
    return summary;
}

bool SummaryMatches(const ChartSummary& summary, std::string_view search)
{
    return ContainsFolded(summary.name, search) || ContainsFolded(summary.date, search) ||
           ContainsFolded(summary.place, search);
}

}  // namespace zodiora
