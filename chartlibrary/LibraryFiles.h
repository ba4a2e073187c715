#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>

#include "chartlibrary/LibraryResult.h"

namespace zodiora {

/// Where the library lives unless the user picks another file:
/// $XDG_DATA_HOME/Zodiora/charts.sqlite, else $HOME/.local/share/Zodiora/charts.sqlite.
/// This is how Qt resolves QStandardPaths::AppDataLocation on Linux for an
/// application named "Zodiora" with no organization name (an empty or unset
/// HOME counts as "/", and XDG_DATA_HOME is taken as it is), so zodiora-chart
/// and the windows open the same file by calling this one function.
std::filesystem::path DefaultChartLibraryPath();
/// The same from given values of XDG_DATA_HOME and HOME (empty = unset).
std::filesystem::path ChartLibraryPathFor(std::string_view xdgDataHome, std::string_view home);

/// Renames `path` and its -wal, -shm and -journal to
/// "<path>.<tag>-YYYYMMDD-HHMMSS" (UTC at `nowMs`, "-2", "-3", ... added if
/// taken) and answers the new name of the main file. The companions keep
/// SQLite's naming, so the set-aside file still opens with its last changes.
LibraryResult<std::filesystem::path> SetAsideFiles(const std::filesystem::path& path, std::string_view tag,
                                                   std::int64_t nowMs);

/// Milliseconds since 1970-01-01 00:00 UTC.
std::int64_t SystemClockMs();

}  // namespace zodiora
