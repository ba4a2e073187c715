#include "cli/LibraryCommands.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <ostream>
#include <vector>

#include "birthdata/NameText.h"
#include "birthdata/TimeZoneTable.h"
#include "chartlibrary/ChartLibrary.h"
#include "chartlibrary/LibraryFiles.h"
#include "cli/ChartTool.h"
#include "cli/JsonWriter.h"
#include "cli/LibraryCsv.h"
#include "cli/ReplaceFile.h"
#include "engine/YearRange.h"
#include "presentation/Utf8.h"
#include "timezones/TimeZone.h"

namespace zodiora::cli {

namespace {

int Fail(std::ostream& err, std::string_view problem)
{
    err << "zodiora-chart: " << MessageText(problem) << '\n';
    return ExitBadInput;
}

// Opens the chosen library; a file set aside on the way is worth a line.
bool Open(ChartLibrary& library, const ToolOptions& options, std::ostream& err)
{
    const std::filesystem::path path =
        options.libraryFile.empty() ? DefaultChartLibraryPath() : std::filesystem::path(options.libraryFile);
    const auto opened = library.open(path);
    if (!opened) {
        Fail(err, opened.error());
        return false;
    }
    if (opened->setAside) err << "zodiora-chart: " << MessageText(opened->setAside->message()) << '\n';
    return true;
}

// Opens the chosen library only to read its charts (list, show, export,
// --chart, --match): a missing file is not created, a damaged or newer one
// is left where it is, and the reason answers ExitUnreadableLibrary.
int OpenToRead(ChartLibrary& library, const ToolOptions& options, std::ostream& err)
{
    const std::filesystem::path path =
        options.libraryFile.empty() ? DefaultChartLibraryPath() : std::filesystem::path(options.libraryFile);
    const auto opened = library.openToRead(path);
    if (opened) return ExitOk;
    err << "zodiora-chart: " << MessageText(opened.error()) << '\n';
    return ExitUnreadableLibrary;
}

// A name as given, else as the form would hold it (composed, in capitals
// where the script has case: "josé" finds JOSÉ however its accent was typed).
std::optional<SavedChart> FindChart(ChartLibrary& library, const std::string& name, std::ostream& err)
{
    std::vector<std::string> candidates{name};
    NameCheck asTyped = CheckNameText(name);
    if (!asTyped.problem && asTyped.name != name) candidates.push_back(std::move(asTyped.name));
    for (const std::string& candidate : candidates) {
        const auto found = library.findByName(candidate);
        if (!found) {
            Fail(err, found.error());
            return std::nullopt;
        }
        if (*found) return **found;
    }
    Fail(err, "no chart named '" + name + "' in " + library.path().string());
    return std::nullopt;
}

int List(ChartLibrary& library, bool json, std::ostream& out, std::ostream& err)
{
    const auto charts = library.list();
    if (!charts) return Fail(err, charts.error());
    std::string text;
    for (const ChartSummary& chart : *charts) {
        if (json) {
            JsonWriter writer(text);
            writer.beginObject();
            writer.key("id");
            writer.integer(chart.id);
            for (const auto& [key, value] : {std::pair{"name", &chart.name}, std::pair{"date", &chart.date},
                                             std::pair{"place", &chart.place}}) {
                writer.key(key);
                writer.text(*value);
            }
            writer.endObject();
        } else {
            text += EscapeControls(ValidUtf8(chart.name)) + "  " + chart.date + "  " +
                    EscapeControls(ValidUtf8(chart.place));
        }
        text.push_back('\n');
    }
    out << text;
    return ExitOk;
}

int Show(ChartLibrary& library, const std::string& name, std::ostream& out, std::ostream& err)
{
    const auto chart = FindChart(library, name, err);
    if (!chart) return ExitBadInput;
    const BirthFormInput& form = chart->form;
    std::string line;
    AppendLibraryCsvLine(line, *chart);
    std::string zone = !chart->zoneId.empty()
                           ? chart->zoneId
                           : std::string(TimeZoneTable[static_cast<std::size_t>(form.zoneRow)].text);
    if (form.localMeanTime) zone = chart->zoneId.empty() ? "local mean time" : zone + ", local mean time";
    out << "Name          : " << MessageText(form.name) << '\n'
        << "Birth         : " << MessageText(line.substr(0, line.size() - 1)) << '\n'
        << "Zone          : " << MessageText(zone) << (form.daylightSaving ? ", daylight saving" : "") << '\n'
        << "Note          : " << MessageText(chart->note) << '\n';
    return ExitOk;
}

int Add(ChartLibrary& library, const ChartRequest& request, const ToolOptions& options, std::ostream& err)
{
    SavedChart chart;
    chart.form = request.form;
    if (request.zone) chart.zoneId = request.zone->id;
    chart.note = options.note;
    if (options.timeUncertainty) chart.timeUncertaintyMinutes = *options.timeUncertainty;
    // Settings given on the command line are the chart's own; none: the defaults, as the window saves it.
    // Only the precise ephemeris charts a year outside the classic one's: saved with it, the chart opens as
    // it was entered.
    if (options.settingsGiven()) {
        chart.settings = SettingsText(options.settingsOver({}));
    } else if (!ClassicYears.holds(chart.form.year)) {
        CalculationSettings settings;
        settings.ephemeris = Ephemeris::Precise;
        chart.settings = SettingsText(settings);
    }
    const auto id = library.save(chart);
    if (!id) return Fail(err, id.error());
    err << "saved chart " << *id << ": " << MessageText(chart.form.name) << '\n';
    return ExitOk;
}

int Export(ChartLibrary& library, const std::string& file, std::ostream& err)
{
    const auto charts = library.list();
    if (!charts) return Fail(err, charts.error());
    // Oldest first, so an import saves them in the order they were made.
    std::vector<SavedChart> saved;
    for (auto it = charts->rbegin(); it != charts->rend(); ++it) {
        auto chart = library.get(it->id);
        if (!chart) return Fail(err, chart.error());
        saved.push_back(std::move(*chart));
    }
    // The settings column only where some chart has settings of its own,
    // so a library on the defaults exports as it always did.
    const bool withSettings =
        std::any_of(saved.begin(), saved.end(), [](const SavedChart& chart) { return !chart.settings.empty(); });
    // Likewise the time uncertainty, only where some chart's is not the usual 5 minutes.
    const bool withUncertainty = std::any_of(saved.begin(), saved.end(), [](const SavedChart& chart) {
        return chart.timeUncertaintyMinutes != SavedChart{}.timeUncertaintyMinutes;
    });
    std::string text(LibraryCsvHeader);
    if (withSettings || withUncertainty) text.append(",").append(LibraryCsvSettingsColumn);
    if (withUncertainty) text.append(",").append(LibraryCsvUncertaintyColumn);
    text.push_back('\n');
    for (const SavedChart& chart : saved) AppendLibraryCsvLine(text, chart, withSettings, withUncertainty);
    // A full disk or a kill leaves the old file, never a part of the new one.
    if (const std::string problem = ReplaceFile(file, text); !problem.empty()) {
        err << "zodiora-chart: " << MessageText(problem) << '\n';
        return ExitCannotWrite;
    }
    err << "exported " << charts->size() << " charts to " << MessageText(file) << '\n';
    return ExitOk;
}

int Import(ChartLibrary& library, const std::string& file, std::ostream& err)
{
    std::ifstream in(file, std::ios::binary);
    if (!in) return Fail(err, "cannot read '" + file + "'");
    const LibraryImport read = ReadLibraryCsv(in);
    if (read.unreadable) return Fail(err, "cannot read '" + file + "'");
    for (const std::string& problem : read.problems) err << "zodiora-chart: " << MessageText(problem) << '\n';
    const auto saved = library.saveAll(read.charts);
    if (!saved) return Fail(err, saved.error());
    err << "imported " << read.charts.size() << " charts from " << MessageText(file);
    if (!read.problems.empty()) err << "; " << read.problems.size() << " bad lines skipped";
    err << '\n';
    return read.problems.empty() ? ExitOk : ExitSomeBatchLinesFailed;
}

}  // namespace

int RunLibrary(const ToolOptions& options, const std::function<std::optional<ChartRequest>()>& birth,
               std::ostream& out, std::ostream& err)
{
    const std::string& action = options.library.front();
    const bool hasArgument = options.library.size() == 2;
    const bool needsArgument = action == "show" || action == "export" || action == "import";
    if ((action != "list" && action != "add" && !needsArgument) || hasArgument != needsArgument) {
        return Fail(err, "--library takes list, show NAME, add, export FILE.csv or import FILE.csv");
    }
    if (action != "add" && !options.note.empty()) return Fail(err, "--note goes with --library add");
    if (action != "list" && options.json) return Fail(err, "--json goes with --library list");
    if (action != "add" && options.settingsGiven()) {
        return Fail(err, "--ephemeris, --ayanamsa, --node, --dasha-year and --ashtakavarga go with --library add");
    }
    std::optional<ChartRequest> request;
    if (action == "add" && !(request = birth())) return ExitBadInput;

    ChartLibrary library;
    if (action == "add" || action == "import") {
        if (!Open(library, options, err)) return ExitBadInput;
        if (action == "add") return Add(library, *request, options, err);
        return Import(library, options.library[1], err);
    }
    if (const int status = OpenToRead(library, options, err); status != ExitOk) return status;
    if (action == "list") return List(library, options.json || options.format == "json", out, err);
    if (action == "show") return Show(library, options.library[1], out, err);
    return Export(library, options.library[1], err);
}

ChartRequest RequestFromSaved(const SavedChart& chart)
{
    ChartRequest request;
    request.form = chart.form;
    request.settings = chart.settings;
    request.timeUncertainty = chart.timeUncertaintyMinutes;
    if (!chart.zoneId.empty() && chart.form.exactOffsetSeconds) {
        // The abbreviation is history's name for the offset that was saved.
        std::string error;
        const auto zone = timezones::TimeZone::Find(chart.zoneId, &error);
        const timezones::LocalDateTime local{chart.form.year, chart.form.monthIndex + 1, chart.form.day,
                                             chart.form.hour, chart.form.minute,         chart.form.second};
        const std::string abbreviation = zone ? zone->abbreviationAt(local, *chart.form.exactOffsetSeconds) : "";
        request.zone = HistoryZone{chart.zoneId, abbreviation, *chart.form.exactOffsetSeconds};
    }
    if (chart.form.localMeanTime && chart.form.exactOffsetSeconds) {
        // Named as when it was made: the place's own mean time.
        request.zone = HistoryZone{chart.zoneId, "LMT", *chart.form.exactOffsetSeconds, true};
    }
    return request;
}

std::variant<ChartRequest, int> SavedChartRequest(const ToolOptions& options, std::ostream& err)
{
    ChartLibrary library;
    if (const int status = OpenToRead(library, options, err); status != ExitOk) return status;
    const auto chart = FindChart(library, options.savedChart, err);
    if (!chart) return ExitBadInput;
    return RequestFromSaved(*chart);
}

std::variant<std::vector<SavedChart>, int> ReadSavedCharts(const ToolOptions& options,
                                                           std::span<const std::string> names, std::ostream& err)
{
    ChartLibrary library;
    if (const int status = OpenToRead(library, options, err); status != ExitOk) return status;
    std::vector<SavedChart> charts;
    for (const std::string& name : names) {
        auto chart = FindChart(library, name, err);
        if (!chart) return ExitBadInput;
        charts.push_back(std::move(*chart));
    }
    return charts;
}

}  // namespace zodiora::cli
