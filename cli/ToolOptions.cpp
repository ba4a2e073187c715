#include "cli/ToolOptions.h"

#include <memory>

#include "cli/ToolHelp.h"

namespace zodiora::cli {

ChartFormatter ToolOptions::formatter() const
{
    const OutputFormat chosen = json || format == "json" ? OutputFormat::Json
                                : format == "csv"        ? OutputFormat::Csv
                                                         : OutputFormat::Text;
    ChartFormatter formatter;
    formatter.format = chosen;
    formatter.report = report;
    formatter.vedic = vedic;
    formatter.sections = sections;
    formatter.sectionOptions = sectionOptions();
    formatter.dasha = dasha;
    formatter.words.style.language = vocabulary::LanguageOfCode(language);
    formatter.words.style.sanskrit = sanskrit == "beside"    ? vocabulary::Sanskrit::Beside
                                     : sanskrit == "instead" ? vocabulary::Sanskrit::Instead
                                                             : vocabulary::Sanskrit::Off;
    return formatter;
}

CalculationSettings ToolOptions::settingsOver(const CalculationSettings& base) const
{
    std::string words;
    if (!ephemeris.empty()) words.append("ephemeris=").append(ephemeris);
    for (const auto& [key, value] : settingOptions) {
        if (!value.empty()) words.append(" ").append(key).append("=").append(value);
    }
    return ParseSettingsText(words, base);
}

bool ToolOptions::settingsGiven() const
{
    for (const auto& entry : settingOptions) {
        if (!entry.second.empty()) return true;
    }
    return !ephemeris.empty();
}

bool ToolOptions::newOptionsGiven() const
{
    for (const auto& entry : settingOptions) {
        if (!entry.second.empty()) return true;
    }
    return !sections.empty() || !dashaLevels.empty() || !dashaAt.empty();
}

std::optional<std::string> ToolOptions::readDashaChoice()
{
    if (!dashaLevels.empty()) {
        if (dashaLevels.size() != 1 || dashaLevels[0] < '1' || dashaLevels[0] > '5') {
            return "--dasha-levels: '" + dashaLevels +
                   "' is not a level; choose 1 (mahadasha), 2 (antardasha, the default), 3 (pratyantardasha), "
                   "4 (sookshma) or 5 (prana)";
        }
        dasha.levels = dashaLevels[0] - '0';
    }
    if (!dashaAt.empty()) {
        dasha.at = vedic::ParseIsoDate(dashaAt);
        if (!dasha.at) {
            return "--dasha-at: '" + dashaAt + "' is not a calendar date; give YYYY-MM-DD, e.g. 2030-01-01";
        }
    }
    return std::nullopt;
}

namespace {

// One option per setting after the ephemeris (which has its own):
// --ayanamsa, --node, --dasha-year, each checked against its keys.
std::vector<CLI::Option*> AddSettingOptions(CLI::App& app, ToolOptions& options)
{
    std::vector<CLI::Option*> added;
    ForEachSettingField([&](const auto& field) {
        using Value = std::remove_cvref_t<decltype(CalculationSettings{}.*field.member)>;
        if (field.key == "ephemeris") return;
        std::vector<std::string> keys;
        for (const auto& choice : ChoicesOf(Value{})) keys.emplace_back(choice.key);
        std::string& target = options.settingOptions[std::string(field.key)];
        const std::string help = std::string(field.key) + ": " + ChoiceKeys<Value>(", ") + " (default " +
                                 std::string(KeyOf(CalculationSettings{}.*field.member)) + ")";
        added.push_back(app.add_option("--" + std::string(field.key), target, help)->check(CLI::IsMember(keys)));
    });
    return added;
}

std::vector<CLI::Option*> AddBirthOptions(CLI::App& app, ToolOptions& options)
{
    ChartArguments& chart = options.chart;
    return {
        app.add_option("--name", chart.name, "name (letters and spaces; shown in capitals)"),
        app.add_option("--date", chart.date, "local date of birth, YYYY-MM-DD, Gregorian calendar (1901 to 2050; 1583 to 2399 with --ephemeris precise)"),
        app.add_option("--time", chart.time, "local clock time of birth, HH:MM or HH:MM:SS"),
        app.add_option("--zone", chart.zone,
                       "row of the time-zone list, 0 to 70 (29 = Greenwich; see --list-zones), a time-zone id "
                       "(Asia/Kolkata: the offset in force then, from history; where history gives local mean time, "
                       "the birth place's own), auto (the --place's zone) or lmt (local mean time: longitude / 15)"),
        app.add_option("--lat", chart.latitude,
                       "latitude DD:MM[:SS] followed by N or S, e.g. 28:37N or 21:38:24N (seconds may have decimals), or "
                       "decimal degrees, e.g. 28.6139N or -33.87; used exactly as given"),
        app.add_option("--lon", chart.longitude,
                       "longitude DDD:MM[:SS] followed by E or W, e.g. 077:13E or 69:36:07.5E, or decimal degrees, e.g. "
                       "77.209E or -122.27"),
        app.add_flag("--dst", chart.daylightSaving, "daylight saving time was in force"),
        app.add_option("--city", chart.city, "city (shown as given)"),
        app.add_option("--state", chart.state, "state (shown as given)"),
        app.add_option("--country", chart.country, "country (shown as given)"),
        app.add_option("--place", options.place,
                       "\"city[, state][, country]\" from the atlas: its coordinates, names and zone (--lat, --lon, "
                       "--zone, --city, --state, --country override)"),
        app.add_option("--fold", options.fold, "a local time that happened twice: the earlier or later one")
            ->check(CLI::IsMember({"earlier", "later"})),
    };
}

}  // namespace

void AddToolOptions(CLI::App& app, ToolOptions& options)
{
    const std::vector<CLI::Option*> birth = AddBirthOptions(app, options);
    auto* batch = app.add_option("--batch", options.batchFile,
                                 "CSV file (- for standard input), one chart per record: name,YYYY-MM-DD,HH:MM[:SS],"
                                 "zone,latitude,longitude,dst(0/1)[,city,state,country[,fold]]; a header row starting "
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
    auto* from = app.add_option("--from", options.stationsFrom,
                                "--stations: only periods turning retrograde from this year (1583 to 2399; outside "
                                "the tables' 1900-2050 the stations are found from the precise ephemeris, to the "
                                "minute)");
    auto* to = app.add_option("--to", options.stationsTo, "--stations: ... to this year (with --from)");
    from->needs(stations);
    to->needs(stations);
    from->needs(to);
    to->needs(from);
    auto* zones = app.add_flag("--list-zones", options.listZones, "print the time-zone list: row, UTC offset, name");
    auto* versionFlag = app.add_flag("--version", options.version, "print the program's version");
    auto* ephemeris = app.add_option("--ephemeris", options.ephemeris,
                                     "classic (default: the program's own method) or precise (Swiss Ephemeris)")
                          ->check(CLI::IsMember({"classic", "precise"}));
    const std::vector<CLI::Option*> settings = AddSettingOptions(app, options);
    std::string sections;
    for (const OutputSection* section : AllSections()) {
        sections.append(sections.empty() ? "" : ", ").append(section->name);
        sections.append(" (").append(section->summary).append(")");
    }
    auto* with = app.add_option("--with", options.with, "add sections to each chart, comma-separated: " + sections);
    auto* uncertainty =
        app.add_option("--time-uncertainty", options.timeUncertainty,
                       "--with margins: minutes either way the birth time may be off (default 5); a fact that "
                       "changes closer to the birth than that is marked narrow; --library add: kept with the chart")
            ->check(CLI::Range(0, 1440));
    auto* transit = app.add_option("--transit", options.transit,
                                   "the transits over each chart at a moment: YYYY-MM-DDTHH:MM[:SS] with Z or an "
                                   "offset (2031-05-17T06:30:00Z, 2031-05-17T12:00+05:30), or a date alone (12:00 UT); "
                                   "with the Sade Sati spans and the running dasha");
    auto* vedic = app.add_flag("--vedic", options.vedic, "text: add nakshatras, Navamsa and Vimshottari dasha");
    auto* dashaLevels = app.add_option("--dasha-levels", options.dashaLevels,
                                       "dasha periods this many levels deep, 1 to 5: maha, antar (the default 2), "
                                       "pratyantar, sookshma, prana (JSON \"dasha\"; text with --vedic)")
                            ->type_name("N");
    auto* dashaAt = app.add_option("--dasha-at", options.dashaAt,
                                   "add the dasha periods running at noon of this date on the birth clock, "
                                   "to --dasha-levels deep (JSON \"dashaAt\")")
                        ->type_name("YYYY-MM-DD");
    app.add_option("--lang", options.language,
                   "text: en (default) or hi (Hindi: labels, names, the calculation line, every --with section, "
                   "the dasha levels, --transit and --match); JSON and CSV stay English")
        ->check(CLI::IsMember({"en", "hi"}));
    app.add_option("--sanskrit", options.sanskrit,
                   "text in English: Sanskrit names of signs and planets beside (Aries (Mesha)) or instead of "
                   "the English ones; off (default), beside or instead")
        ->check(CLI::IsMember({"off", "beside", "instead"}));
    auto* findPlace = app.add_option("--find-place", options.findPlace,
                                     "list up to 20 atlas places matching \"city[, state][, country]\"");
    auto* library = app.add_option("--library", options.library,
                                   "the chart library: list, show NAME, add (with the birth options), "
                                   "export FILE.csv or import FILE.csv")
                        ->expected(1, 2);
    auto* note = app.add_option("--note", options.note, "--library add: a note kept with the chart");
    app.add_option("--library-file", options.libraryFile,
                   "--library, --chart, --match: this library file instead of the user's own");
    auto* saved = app.add_option("--chart", options.savedChart, "chart the library's chart of this name");
    auto* match = app.add_option("--match", options.match,
                                 "BOY GIRL: Guna Milan (the eight kootas out of 36) and Kuja dosha of two of the "
                                 "library's charts, each with its saved settings")
                      ->expected(2);
    app.formatter(std::make_shared<ToolHelpFormatter>());
    app.footer(std::string(ToolHelpFooter));

    for (CLI::Option* option : birth) option->excludes(batch);
    for (CLI::Option* option : std::vector<CLI::Option*>{batch, json, report, threads, quiet}) {
        option->excludes(stations);
    }
    for (CLI::Option* option : birth) option->excludes(stations);
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

    // The newer modes: each refuses the others and what belongs to them.
    const std::vector<CLI::Option*> modes{batch, stations, findPlace, library, saved, match};
    for (std::size_t a = 0; a < modes.size(); ++a) {
        for (std::size_t b = a + 1; b < modes.size(); ++b) {
            if (a > 1 || b > 1) modes[a]->excludes(modes[b]);
        }
    }
    for (CLI::Option* option : birth) {
        option->excludes(findPlace);
        option->excludes(saved);
        option->excludes(match);
    }
    for (CLI::Option* option : {vedic, report, with, uncertainty, transit}) option->excludes(match);
    for (CLI::Option* option : {dashaLevels, dashaAt}) option->excludes(match);
    std::vector<CLI::Option*> chartOptions{ephemeris, vedic, report, with, uncertainty, transit, dashaLevels, dashaAt};
    chartOptions.insert(chartOptions.end(), settings.begin(), settings.end());
    for (CLI::Option* option : chartOptions) {
        option->excludes(stations);
        option->excludes(findPlace);
    }
    // The settings go with --library add (checked there); the rest not with --library.
    for (CLI::Option* option : {vedic, report, with, dashaLevels, dashaAt}) option->excludes(library);
    for (CLI::Option* option : {threads, quiet}) option->excludes(findPlace);
    note->needs(library);
}

}  // namespace zodiora::cli
