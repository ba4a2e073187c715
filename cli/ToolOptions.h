#pragma once

#include <string>
#include <thread>
#include <vector>

#include <CLI/CLI.hpp>

#include "cli/ChartFormatter.h"
#include "cli/ChartRequest.h"
#include "engine/Chart.h"

namespace zodiora::cli {

/// Everything zodiora-chart's command line can say.
struct ToolOptions {
    ChartArguments chart;
    std::string place;      ///< --place: the atlas query
    std::string fold;       ///< --fold: earlier or later
    std::string ephemeris = "classic";
    bool vedic = false;
    std::string batchFile;
    std::string stationsPlanet;
    std::string findPlace;
    std::vector<std::string> library;  ///< --library ACTION [ARGUMENT]
    std::string note;
    std::string libraryFile;
    std::string savedChart;  ///< --chart NAME
    bool json = false;
    std::string format = "text";
    bool report = false;
    unsigned threads = std::max(1u, std::thread::hardware_concurrency());
    bool quiet = false;
    bool listZones = false;
    bool version = false;

    ChartFormatter formatter() const;
    Ephemeris chosenEphemeris() const { return ephemeris == "precise" ? Ephemeris::Precise : Ephemeris::Classic; }
};

/// The options that describe one birth (the single chart and --library add).
inline constexpr const char* BirthOptionNames[] = {"--name", "--date", "--time",    "--zone",  "--lat", "--lon",
                                                   "--dst",  "--city", "--state", "--country", "--place", "--fold"};

/// Declares every option on `app` with which ones go together; --help's
/// layout and footer included.
void AddToolOptions(CLI::App& app, ToolOptions& options);

}  // namespace zodiora::cli
