#include "chartlibrary/LibraryFiles.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <system_error>

namespace zodiora {

namespace {

namespace fs = std::filesystem;

// SQLite names a database's companions by appending these to its path.
constexpr std::array<std::string_view, 3> CompanionSuffixes = {"-wal", "-shm", "-journal"};

fs::path WithSuffix(const fs::path& path, std::string_view suffix)
{
    return fs::path(path.string() + std::string(suffix));
}

std::string UtcStamp(std::int64_t nowMs)
{
    const std::time_t seconds = static_cast<std::time_t>(nowMs / 1000);
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &utc);
    return text;
}

bool Taken(const fs::path& candidate)
{
    std::error_code error;
    if (fs::exists(fs::symlink_status(candidate, error))) {
        return true;
    }
    for (auto suffix : CompanionSuffixes) {
        if (fs::exists(fs::symlink_status(WithSuffix(candidate, suffix), error))) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::filesystem::path ChartLibraryPathFor(std::string_view xdgDataHome, std::string_view home)
{
    fs::path dataHome = !xdgDataHome.empty() ? fs::path(xdgDataHome)
                                             : fs::path(home.empty() ? "/" : home) / ".local/share";
    return dataHome / "Zodiora" / "charts.sqlite";
}

std::filesystem::path DefaultChartLibraryPath()
{
    const char* xdgDataHome = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    return ChartLibraryPathFor(xdgDataHome ? xdgDataHome : "", home ? home : "");
}

LibraryResult<std::filesystem::path> SetAsideFiles(const std::filesystem::path& path, std::string_view tag,
                                                   std::int64_t nowMs)
{
    const std::string base = path.string() + "." + std::string(tag) + "-" + UtcStamp(nowMs);
    fs::path target = base;
    for (int n = 2; Taken(target); ++n) {
        target = base + "-" + std::to_string(n);
    }
    std::error_code error;
    fs::rename(path, target, error);
    if (error) {
        return LibraryResult<fs::path>::failure("Could not rename " + path.string() + " to " + target.string() +
                                                ": " + error.message());
    }
    for (auto suffix : CompanionSuffixes) {
        const fs::path companion = WithSuffix(path, suffix);
        if (!fs::exists(fs::symlink_status(companion, error))) {
            continue;
        }
        fs::rename(companion, WithSuffix(target, suffix), error);
        if (error) {
            return LibraryResult<fs::path>::failure("Could not rename " + companion.string() + ": " +
                                                    error.message());
        }
    }
    return target;
}

std::int64_t SystemClockMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

}  // namespace zodiora
