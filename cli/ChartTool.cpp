#include "cli/ChartTool.h"

#include <cctype>
#include <fstream>
#include <ostream>
#include <string>

#include <CLI/CLI.hpp>

#include "cli/BatchInput.h"
#include "cli/ChartOutput.h"
#include "cli/ChartRequest.h"
#include "presentation/ChartSession.h"
#include "presentation/Utf8.h"
#include "birthdata/Text.h"
#include "retrogrades/StationTables.h"

namespace zodiora::cli {

namespace {

struct Options {
    ChartArguments chart;
    std::string batchFile;
    std::string stationsPlanet;
    bool json = false;
    bool report = false;
};

// Every text the tool echoes is made valid UTF-8 where it is read; the
// replacing handler is the last guard, so no byte can abort the run.
std::string JsonLine(const nlohmann::ordered_json& json)
{
    return json.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + '\n';
}

// A one-line message for a terminal: input it quotes may hold any byte.
std::string MessageLine(std::string_view message)
{
    return EscapeControls(ValidUtf8(message)) + '\n';
}

ChartResult ChartOf(const Options& options, const BirthFormInput& input, ChartSession& session)
{
    return session.run(input, options.report ? ChartSession::ReportMode::Compose : ChartSession::ReportMode::Skip);
}

void WriteChart(std::ostream& out, const Options& options, const ChartResult& result)
{
    if (options.json) {
        auto json = ChartJson(result);
        if (options.report) {
            json["report"] = PlainText(result.report);
        }
        out << JsonLine(json);
        return;
    }
    WriteChartText(out, result);
    if (options.report) {
        // CR LF is the report's own line break; a terminal wants LF.
        out << "\nPlanets in Signs\n\n" << CrLfToLf(PlainText(result.report)) << '\n';
    }
}

int RunOne(const Options& options, std::ostream& out, std::ostream& err)
{
    const auto parsed = ParseChartArguments(options.chart);
    if (const auto* message = std::get_if<std::string>(&parsed)) {
        err << "zodiora-chart: " << MessageLine(*message);
        return ExitBadInput;
    }
    ChartSession session;
    WriteChart(out, options, ChartOf(options, std::get<BirthFormInput>(parsed), session));
    return ExitOk;
}

// Station tables are keyed by the capitalised name; users may type any case.
std::string CanonicalPlanetName(std::string name)
{
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (!name.empty()) name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    return name;
}

int RunStations(const Options& options, std::ostream& out, std::ostream& err)
{
    const auto lines = StationLines(CanonicalPlanetName(options.stationsPlanet));
    if (!lines) {
        err << "zodiora-chart: "
            << MessageLine("no station table for '" + options.stationsPlanet +
                           "' (Mercury, Venus, Mars, Jupiter or Saturn)");
        return ExitBadInput;
    }
    for (const std::string& line : *lines) {
        out << line << '\n';
    }
    return ExitOk;
}

int RunBatch(const Options& options, std::ostream& out, std::ostream& err)
{
    const std::string cannotRead = "zodiora-chart: " + MessageLine("cannot read batch file '" + options.batchFile + "'");
    std::ifstream file(options.batchFile, std::ios::binary);
    if (!file) {
        err << cannotRead;
        return ExitBadInput;
    }
    // One session for the whole file, as one run of the desktop program
    // would keep it from chart to chart.
    ChartSession session;
    BatchInput input(file);
    std::string line;
    bool anyFailed = false;
    for (BatchLineStatus status; out && (status = input.next(line)) != BatchLineStatus::End;) {
        const long lineNumber = input.lineNumber();
        std::string problem = "too long";
        if (status == BatchLineStatus::Line) {
            const auto arguments = ParseBatchLine(line);
            if (const auto* message = std::get_if<std::string>(&arguments)) {
                problem = *message;
            } else {
                const auto parsed = ParseChartArguments(std::get<ChartArguments>(arguments));
                if (const auto* message = std::get_if<std::string>(&parsed)) {
                    problem = *message;
                } else {
                    const ChartResult result = ChartOf(options, std::get<BirthFormInput>(parsed), session);
                    if (!options.json && lineNumber > 1) out << '\n';
                    WriteChart(out, options, result);
                    continue;
                }
            }
        }
        anyFailed = true;
        if (options.json) {
            out << JsonLine({{"line", lineNumber}, {"error", problem}});
        } else {
            out << "line " << lineNumber << ": " << MessageLine(problem);
        }
        err << "zodiora-chart: line " << lineNumber << ": " << MessageLine(problem);
    }
    if (file.bad()) {
        err << cannotRead;
        return ExitBadInput;
    }
    return anyFailed ? ExitSomeBatchLinesFailed : ExitOk;
}

int RunParsedTool(int argc, const char* const* argv, std::ostream& out, std::ostream& err)
{
    Options options;
    CLI::App app{"Computes a sidereal birth chart as the Zodiora desktop program does.", "zodiora-chart"};
    app.add_option("--name", options.chart.name, "name (letters and spaces; shown in capitals)");
    app.add_option("--date", options.chart.date, "local date of birth, YYYY-MM-DD (1901 to 2050)");
    app.add_option("--time", options.chart.time, "local clock time of birth, HH:MM");
    app.add_option("--zone", options.chart.zone, "row of the time-zone list, 0 to 70 (29 = Greenwich)");
    app.add_option("--lat", options.chart.latitude, "latitude DD:MM followed by N or S, e.g. 28:37N");
    app.add_option("--lon", options.chart.longitude, "longitude DDD:MM followed by E or W, e.g. 077:13E");
    app.add_flag("--dst", options.chart.daylightSaving, "daylight saving time was in force");
    app.add_option("--city", options.chart.city, "city (shown as given)");
    app.add_option("--state", options.chart.state, "state (shown as given)");
    app.add_option("--country", options.chart.country, "country (shown as given)");
    auto* batch = app.add_option("--batch", options.batchFile,
                                 "CSV file, one chart per line: name,YYYY-MM-DD,HH:MM,zone,DD:MM{N|S},DDD:MM{E|W},dst(0/1)");
    app.add_flag("--json", options.json, "one JSON object per chart");
    app.add_flag("--report", options.report, "add the interpretation report (JSON key \"report\")");
    auto* stations = app.add_option("--stations", options.stationsPlanet,
                                    "print a planet's retrograde periods: retrograde station, direct station "
                                    "(month,day,year,hour,minute, UT)");

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        out << app.help();
        return ExitOk;
    } catch (const CLI::ParseError& error) {
        err << "zodiora-chart: " << MessageLine(error.what());
        return ExitBadInput;
    }

    if (stations->count() > 0) {
        return RunStations(options, out, err);
    }
    if (batch->count() > 0) {
        return RunBatch(options, out, err);
    }
    for (const char* required : {"--name", "--date", "--time", "--zone", "--lat", "--lon"}) {
        if (app.count(required) == 0) {
            err << "zodiora-chart: " << required << " is required (see --help)\n";
            return ExitBadInput;
        }
    }
    return RunOne(options, out, err);
}

}  // namespace

int RunChartTool(int argc, const char* const* argv, std::ostream& out, std::ostream& err)
{
    const int status = RunParsedTool(argc, argv, out, err);
    // A full disk or a closed output must not pass for success.
    if (!out.flush()) {
        err << "zodiora-chart: cannot write the output\n";
        return ExitOutputFailed;
    }
    return status;
}

}  // namespace zodiora::cli
