#include "cli/ChartTool.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include <CLI/CLI.hpp>

#include "cli/BatchRunner.h"
#include "cli/ChartRequest.h"
#include "cli/Listings.h"
#include "cli/ToolHelp.h"
#include "zodiora/Version.h"
#include "presentation/ChartSession.h"
#include "presentation/Utf8.h"
#include "retrogrades/StationTables.h"

namespace zodiora::cli {

namespace {

struct Options {
    ChartArguments chart;
    std::string batchFile;
    std::string stationsPlanet;
    bool json = false;
    std::string format = "text";
    bool report = false;
    unsigned threads = std::max(1u, std::thread::hardware_concurrency());
    bool quiet = false;

    ChartFormatter formatter() const
    {
        const OutputFormat chosen = json || format == "json" ? OutputFormat::Json
                                    : format == "csv"        ? OutputFormat::Csv
                                                             : OutputFormat::Text;
        return ChartFormatter{chosen, report};
    }
};

int RunOne(const Options& options, std::ostream& out, std::ostream& err)
{
    const auto parsed = ParseChartArguments(options.chart);
    if (const auto* message = std::get_if<std::string>(&parsed)) {
        err << "zodiora-chart: " << MessageText(*message) << '\n';
        return ExitBadInput;
    }
    ChartSession session;
    const ChartFormatter formatter = options.formatter();
    std::string text;
    formatter.appendPreamble(text);
    formatter.appendChart(text, 0, session.run(std::get<BirthFormInput>(parsed), formatter.reportMode()));
    out << text;
    return ExitOk;
}

// Station tables are keyed by the capitalised name; users may type any case.
std::string CanonicalPlanetName(std::string name)
{
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (!name.empty()) name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    return name;
}

int RunStations(const Options& options, bool isoTimes, std::ostream& out, std::ostream& err)
{
    const std::string planet = CanonicalPlanetName(options.stationsPlanet);
    const auto lines = StationLines(planet);
    if (!lines) {
        err << "zodiora-chart: "
            << MessageText("no station table for '" + options.stationsPlanet +
                           "' (Mercury, Venus, Mars, Jupiter or Saturn)")
            << '\n';
        return ExitBadInput;
    }
    if (isoTimes) {
        WriteStationTimes(out, planet, options.formatter().format);
        return ExitOk;
    }
    // Without --format the published records, as they always were printed.
    for (const std::string& line : *lines) {
        out << line << '\n';
    }
    return ExitOk;
}

// The line count of a regular file, for the progress line; unknown for pipes.
std::optional<long> LineCount(const std::string& path)
{
    std::error_code error;
    if (path == "-" || !std::filesystem::is_regular_file(path, error)) return std::nullopt;
    std::ifstream file(path, std::ios::binary);
    std::vector<char> buffer(1 << 16);
    long lines = 0;
    while (file.read(buffer.data(), static_cast<std::streamsize>(buffer.size())) || file.gcount() > 0) {
        lines += std::count(buffer.data(), buffer.data() + file.gcount(), '\n');
    }
    return lines;
}

int RunBatch(const Options& options, std::istream& stdIn, bool errIsTerminal, std::ostream& out, std::ostream& err)
{
    BatchSettings settings;
    settings.formatter = options.formatter();
    settings.threads = options.threads;
    settings.progress = errIsTerminal && !options.quiet;
    if (settings.progress) settings.totalLines = LineCount(options.batchFile);
    const auto cannotRead = [&] {
        err << "zodiora-chart: " << MessageText("cannot read batch file '" + options.batchFile + "'") << '\n';
        return ExitBadInput;
    };
    BatchOutcome outcome;
    if (options.batchFile == "-") {
        outcome = RunBatch(stdIn, settings, out, err);
    } else {
        std::ifstream file(options.batchFile, std::ios::binary);
        if (!file) return cannotRead();
        outcome = RunBatch(file, settings, out, err);
    }
    switch (outcome) {
    case BatchOutcome::InputUnreadable: return cannotRead();
    case BatchOutcome::SomeLinesFailed: return ExitSomeBatchLinesFailed;
    case BatchOutcome::AllCharted: break;
    }
    return ExitOk;
}

}  // namespace

int RunChartTool(int argc, const char* const* argv, std::ostream& out, std::ostream& err)
{
    return RunChartTool(argc, argv, std::cin, out, err, false);
}

int RunChartTool(int argc, const char* const* argv, std::istream& in, std::ostream& out, std::ostream& err,
                 bool errIsTerminal)
{
    Options options;
    CLI::App app{"Computes a sidereal birth chart as the Zodiora desktop program does.", "zodiora-chart"};
    const std::vector<CLI::Option*> chartOptions{
        app.add_option("--name", options.chart.name, "name (letters and spaces; shown in capitals)"),
        app.add_option("--date", options.chart.date, "local date of birth, YYYY-MM-DD (1901 to 2050)"),
        app.add_option("--time", options.chart.time, "local clock time of birth, HH:MM or HH:MM:SS"),
        app.add_option("--zone", options.chart.zone, "row of the time-zone list, 0 to 70 (29 = Greenwich; see --list-zones)"),
        app.add_option("--lat", options.chart.latitude,
                       "latitude DD:MM followed by N or S, e.g. 28:37N, or decimal degrees, e.g. 28.6139N or -33.87"),
        app.add_option("--lon", options.chart.longitude,
                       "longitude DDD:MM followed by E or W, e.g. 077:13E, or decimal degrees, e.g. 77.209E or -122.27"),
        app.add_flag("--dst", options.chart.daylightSaving, "daylight saving time was in force"),
        app.add_option("--city", options.chart.city, "city (shown as given)"),
        app.add_option("--state", options.chart.state, "state (shown as given)"),
        app.add_option("--country", options.chart.country, "country (shown as given)")};
    auto* batch = app.add_option("--batch", options.batchFile,
                                 "CSV file (- for standard input), one chart per record: name,YYYY-MM-DD,HH:MM[:SS],"
                                 "zone,latitude,longitude,dst(0/1)[,city,state,country]; a header row starting "
                                 "with name, blank lines and # lines are skipped");
    auto* json = app.add_flag("--json", options.json, "one JSON object per chart (same as --format json)");
    auto* format = app.add_option("--format", options.format,
                                  "text (default), json (one object a line) or csv (a header row, one row a chart)")
                       ->check(CLI::IsMember({"text", "json", "csv"}));
    auto* report = app.add_flag("--report", options.report, "add the interpretation report (JSON key \"report\")");
    auto* threads = app.add_option("--threads", options.threads, "--batch: charting threads (default: all cores)")
                        ->check(CLI::Range(1u, 256u));
    auto* quiet = app.add_flag("--quiet", options.quiet, "--batch: no progress line on a terminal");
    auto* stations = app.add_option("--stations", options.stationsPlanet,
                                    "print a planet's retrograde periods: retrograde station, direct station "
                                    "(month,day,year,hour,minute, UT); with --format, ISO 8601 UTC times");
    bool listZones = false;
    bool version = false;
    auto* zones = app.add_flag("--list-zones", listZones, "print the time-zone list: row, UTC offset, name");
    auto* versionFlag = app.add_flag("--version", version, "print the program's version");
    app.formatter(std::make_shared<ToolHelpFormatter>());
    app.footer(std::string(ToolHelpFooter));

    for (CLI::Option* option : chartOptions) {
        option->excludes(batch);
    }
    for (CLI::Option* option : std::vector<CLI::Option*>{batch, json, report, threads, quiet}) {
        option->excludes(stations);
    }
    for (CLI::Option* option : chartOptions) option->excludes(stations);
    json->excludes(format);
    threads->needs(batch);
    quiet->needs(batch);
    for (CLI::Option* option : app.get_options()) {
        if (option != zones && option != versionFlag && option->get_name() != "--help") {
            option->excludes(zones);
            option->excludes(versionFlag);
        }
    }
    zones->excludes(versionFlag);

    bool helpAsked = false;
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        helpAsked = true;
    } catch (const CLI::ParseError& error) {
        err << "zodiora-chart: " << MessageText(error.what()) << '\n';
        return ExitBadInput;
    }

    int status = ExitOk;
    if (helpAsked) {
        out << app.help();
    } else if (version) {
        out << "zodiora-chart " << ProgramVersion << '\n';
    } else if (listZones) {
        WriteZoneList(out);
    } else if (stations->count() > 0) {
        status = RunStations(options, format->count() > 0, out, err);
    } else if (batch->count() > 0) {
        status = RunBatch(options, in, errIsTerminal, out, err);
    } else {
        for (const char* required : {"--name", "--date", "--time", "--zone", "--lat", "--lon"}) {
            if (app.count(required) == 0) {
                err << "zodiora-chart: " << required << " is required (see --help)\n";
                return ExitBadInput;
            }
        }
        status = RunOne(options, out, err);
    }
    if (!out.flush()) {
        err << "zodiora-chart: cannot write the output\n";
        return ExitCannotWrite;
    }
    return status;
}

}  // namespace zodiora::cli
