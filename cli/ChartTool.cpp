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
#include "cli/Interrupt.h"
#include "cli/LibraryCommands.h"
#include "cli/Listings.h"
#include "cli/MatchCommand.h"
#include "cli/MomentText.h"
#include "cli/PlaceChoice.h"
#include "cli/ToolOptions.h"
#include "zodiora/Version.h"
#include "presentation/ChartSession.h"
#include "presentation/Utf8.h"
#include "engine/YearRange.h"
#include "retrogrades/StationTables.h"
#include "transits/Transits.h"
#include "retrogrades/StationsInYears.h"

namespace zodiora::cli {

namespace {

// The birth of the single chart (or of --library add), with --place filled
// in; a problem goes to `err` and gives nothing.
std::optional<ChartRequest> PrepareBirth(const ToolOptions& options, const CLI::App& app, std::ostream& err)
{
    const bool withPlace = app.count("--place") > 0;
    for (const std::string_view required : {"--name", "--date", "--time", "--zone", "--lat", "--lon"}) {
        const bool fromPlace = withPlace && (required == "--zone" || required == "--lat" || required == "--lon");
        if (app.count(std::string(required)) == 0 && !fromPlace) {
            err << "zodiora-chart: " << required << " is required (see --help)\n";
            return std::nullopt;
        }
    }
    ChartArguments arguments = options.chart;
    arguments.fold = options.fold == "earlier" ? Fold::Earlier : options.fold == "later" ? Fold::Later : Fold::Unset;
    if (withPlace) {
        const PlaceGaps gaps{app.count("--lat") == 0, app.count("--lon") == 0, app.count("--zone") == 0,
                             app.count("--city") + app.count("--state") + app.count("--country") == 0};
        if (const auto problem = ApplyPlace(options.place, gaps, arguments, err)) {
            err << "zodiora-chart: " << MessageText(*problem) << '\n';
            return std::nullopt;
        }
    }
    auto parsed = ParseChartRequest(arguments);
    if (const auto* message = std::get_if<std::string>(&parsed)) {
        err << "zodiora-chart: " << MessageText(*message) << '\n';
        return std::nullopt;
    }
    return std::move(std::get<ChartRequest>(parsed));
}

// Settings other than the ephemeris at their defaults leave the JSON as it was.
bool BeyondTheDefaults(CalculationSettings settings)
{
    settings.ephemeris = Ephemeris::Classic;
    return settings != CalculationSettings{};
}

ChartFormatter FormatterFor(const ToolOptions& options, const CalculationSettings& settings)
{
    ChartFormatter formatter = options.formatter();
    formatter.settingsKeys = options.newOptionsGiven() || BeyondTheDefaults(settings);
    return formatter;
}

// A --transit moment the chosen ephemeris does not reach: the message, or nothing.
std::optional<std::string> TransitRefusal(const ToolOptions& options, Ephemeris ephemeris)
{
    if (!options.transitJd || transits::EphemerisCovers(ephemeris, *options.transitJd)) return std::nullopt;
    const std::string moment = "--transit " + options.transit + ": ";
    if (ephemeris == Ephemeris::Classic) {
        return moment + "the classic ephemeris covers 1901 to 2050; choose --ephemeris precise "
                        "(the Swiss Ephemeris, 3000 BC to AD 3000) for this moment";
    }
    return moment + "outside the precise ephemeris's years (3000 BC to AD 3000)";
}

int RunOne(const ToolOptions& options, const std::optional<ChartRequest>& request, std::ostream& out,
           std::ostream& err)
{
    if (!request) return ExitBadInput;
    // A saved chart's own settings, unless the command line overrides them.
    const CalculationSettings settings = options.settingsOver(ParseSettingsText(request->settings));
    if (const auto problem = EphemerisYearProblem(request->form, settings.ephemeris)) {
        err << "zodiora-chart: " << MessageText(*problem) << '\n';
        return ExitBadInput;
    }
    if (const auto refusal = TransitRefusal(options, settings.ephemeris)) {
        err << "zodiora-chart: " << MessageText(*refusal) << '\n';
        return ExitBadInput;
    }
    ChartSession session;
    session.setSettings(settings);
    const ChartFormatter formatter = FormatterFor(options, settings);
    std::string text;
    formatter.appendPreamble(text);
    formatter.appendChart(text, 0, session.run(request->form, formatter.reportMode()), *request);
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

int RunStations(const ToolOptions& options, bool isoTimes, bool years, std::ostream& out, std::ostream& err)
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
    if (years) {
        if (!PreciseYears.holds(options.stationsFrom) || !PreciseYears.holds(options.stationsTo) ||
            options.stationsFrom > options.stationsTo) {
            err << "zodiora-chart: --from and --to must be years from " << PreciseYears.first << " to "
                << PreciseYears.last << ", --from not after --to\n";
            return ExitBadInput;
        }
        const auto spans = StationsInYears(planet, options.stationsFrom, options.stationsTo);
        if (isoTimes) {
            WriteStationSpans(out, *spans, options.formatter().format);
            return ExitOk;
        }
        for (const StationSpan& span : *spans) {
            out << StationRecordText(span.retrograde) << ' ' << StationRecordText(span.direct) << '\n';
        }
        return ExitOk;
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

int RunBatch(const ToolOptions& options, std::istream& stdIn, bool errIsTerminal, std::ostream& out, std::ostream& err)
{
    BatchSettings settings;
    settings.settings = options.settingsOver({});
    if (const auto refusal = TransitRefusal(options, settings.settings.ephemeris)) {
        err << "zodiora-chart: " << MessageText(*refusal) << '\n';
        return ExitBadInput;
    }
    settings.formatter = FormatterFor(options, settings.settings);
    settings.threads = options.threads;
    settings.progress = errIsTerminal && !options.quiet;
    if (settings.progress) settings.totalLines = LineCount(options.batchFile);
    const auto cannotRead = [&] {
        err << "zodiora-chart: " << MessageText("cannot read batch file '" + options.batchFile + "'") << '\n';
        return ExitBadInput;
    };
    // Ctrl+C or a kill: the charts read so far are finished, so the output
    // ends with a whole record, and the stop is reported.
    const InterruptGuard interrupts;
    settings.stopRequested = [] { return InterruptGuard::Caught() != 0; };
    BatchOutcome outcome;
    std::size_t charted = 0;
    if (options.batchFile == "-") {
        outcome = RunBatch(stdIn, settings, out, err, &charted);
    } else {
        std::ifstream file(options.batchFile, std::ios::binary);
        if (!file) return cannotRead();
        outcome = RunBatch(file, settings, out, err, &charted);
    }
    switch (outcome) {
    case BatchOutcome::Stopped:
        err << "zodiora-chart: interrupted after " << charted << " charts\n";
        return 128 + InterruptGuard::Caught();
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
    ToolOptions options;
    CLI::App app{"Computes a sidereal birth chart as the Zodiora desktop program does.", "zodiora-chart"};
    AddToolOptions(app, options);

    bool helpAsked = false;
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        helpAsked = true;
    } catch (const CLI::ParseError& error) {
        err << "zodiora-chart: " << MessageText(error.what()) << '\n';
        return ExitBadInput;
    }

    if (app.count("--with") > 0) {
        auto sections = ParseSections(options.with);
        if (const auto* message = std::get_if<std::string>(&sections)) {
            err << "zodiora-chart: " << MessageText(*message) << '\n';
            return ExitBadInput;
        }
        options.sections = std::move(std::get<SectionSelection>(sections));
        if (options.formatter().format == OutputFormat::Csv) {
            if (const auto refusal = CsvRefusal(options.sections)) {
                err << "zodiora-chart: " << *refusal << '\n';
                return ExitBadInput;
            }
        }
    }

    if (const auto problem = options.readDashaChoice()) {
        err << "zodiora-chart: " << MessageText(*problem) << '\n';
        return ExitBadInput;
    }
    if (options.formatter().format == OutputFormat::Csv && (app.count("--dasha-levels") + app.count("--dasha-at")) > 0) {
        err << "zodiora-chart: --dasha-levels and --dasha-at have no CSV form; use --format json or text\n";
        return ExitBadInput;
    }
    if (app.count("--transit") > 0) {
        options.transitJd = ParseIsoMoment(options.transit);
        if (!options.transitJd) {
            err << "zodiora-chart: "
                << MessageText("--transit '" + options.transit +
                               "' is not a moment: YYYY-MM-DD, or YYYY-MM-DDTHH:MM[:SS] with Z or an offset "
                               "such as +05:30")
                << '\n';
            return ExitBadInput;
        }
        options.sections.push_back(&TransitsSection());
        if (options.formatter().format == OutputFormat::Csv) {
            err << "zodiora-chart: --transit has no CSV form (use --format json or text)\n";
            return ExitBadInput;
        }
    }

    int status = ExitOk;
    if (helpAsked) {
        out << app.help();
    } else if (options.version) {
        out << "zodiora-chart " << ProgramVersion << '\n';
    } else if (options.listZones) {
        WriteZoneList(out);
    } else if (app.count("--library-file") > 0 &&
               app.count("--library") + app.count("--chart") + app.count("--match") == 0) {
        err << "zodiora-chart: --library-file goes with --library, --chart or --match\n";
        return ExitBadInput;
    } else if (options.timeUncertainty && options.with.empty() &&
               !(options.library.size() == 1 && options.library.front() == "add")) {
        err << "zodiora-chart: --time-uncertainty requires --with (or goes with --library add)\n";
        return ExitBadInput;
    } else if (app.count("--stations") > 0) {
        status = RunStations(options, app.count("--format") > 0, app.count("--from") > 0, out, err);
    } else if (app.count("--batch") > 0) {
        status = RunBatch(options, in, errIsTerminal, out, err);
    } else if (app.count("--find-place") > 0) {
        status = WritePlaceMatches(options.findPlace, options.formatter().format, out, err);
    } else if (app.count("--library") > 0) {
        const bool birthGiven = std::any_of(std::begin(BirthOptionNames), std::end(BirthOptionNames),
                                            [&](const char* name) { return app.count(name) > 0; });
        if (birthGiven && options.library.front() != "add") {
            err << "zodiora-chart: the birth options go with --library add only\n";
            return ExitBadInput;
        }
        status = RunLibrary(options, [&] { return PrepareBirth(options, app, err); }, out, err);
    } else if (app.count("--match") > 0) {
        status = RunMatch(options, out, err);
    } else if (app.count("--chart") > 0) {
        auto saved = SavedChartRequest(options, err);
        if (const int* refused = std::get_if<int>(&saved)) return *refused;
        status = RunOne(options, std::get<ChartRequest>(saved), out, err);
    } else {
        status = RunOne(options, PrepareBirth(options, app, err), out, err);
    }
    if (!out.flush()) {
        err << "zodiora-chart: cannot write the output\n";
        return ExitCannotWrite;
    }
    return status;
}

}  // namespace zodiora::cli
