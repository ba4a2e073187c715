#include "timezones/TimeZone.h"

#include <date/tz.h>
// The zone type is only complete with the library's private declarations.
#include <date/tz_private.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <mutex>
#include <stdexcept>

#include "timezones/ZoneFile.h"

namespace zodiora::timezones {

namespace {

ZoneOffset OffsetOf(const date::sys_info& info)
{
    return {static_cast<int>(info.offset.count()), info.abbrev, info.save != std::chrono::minutes{0}};
}

// Where the tz library looks for zone files: beside the zone /etc/localtime
// links to, else /usr/share/zoneinfo (the library's own rule).
const std::string& SystemFolder()
{
    static const std::string folder = [] {
        std::error_code error;
        const std::string link = std::filesystem::read_symlink("/etc/localtime", error).string();
        if (const std::size_t at = link.rfind("zoneinfo"); !error && at != std::string::npos && link.starts_with('/'))
            return link.substr(0, at + 8);
        return std::string("/usr/share/zoneinfo");
    }();
    return folder;
}

// A zone id names a file under the folder: "Area/Location", never absolute,
// never climbing out. Ids begin with a capital ("posix/...", "zone.tab" are
// not zones).
bool PlausibleId(std::string_view id)
{
    if (id.empty() || id.front() < 'A' || id.front() > 'Z')
        return false;
    for (const char c : id) {
        const bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '/' ||
                        c == '_' || c == '-' || c == '+' || c == '.';
        if (!ok)
            return false;
    }
    return id.find("..") == std::string_view::npos && id.find("//") == std::string_view::npos;
}

std::string ReadFile(const std::string& path, bool& ok)
{
    std::ifstream in(path, std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(in), {}};
    ok = static_cast<bool>(in) || in.eof();
    return bytes;
}

struct LoadedZone {
    std::string id;
    std::unique_ptr<date::time_zone> owned;  ///< a zone from TZDIR; the library keeps the system's
    const date::time_zone* zone;
};

// Zones whose file was checked, kept for the life of the program as the
// library keeps its own; keyed by file path.
std::mutex LoadedMutex;
std::map<std::string, LoadedZone, std::less<>>& Loaded()
{
    static std::map<std::string, LoadedZone, std::less<>> zones;
    return zones;
}

// The file path as the tz library must be given it: it only reads below its
// own folder, so a file elsewhere is named by climbing to the root first.
std::string NameBelowLibraryFolder(const std::string& path)
{
    std::string name;
    for (int k = 0; k < 32; ++k)
        name += "../";
    return name + (path.starts_with('/') ? path.substr(1) : std::filesystem::absolute(path).string().substr(1));
}

}  // namespace

std::optional<TimeZone> TimeZone::Find(std::string_view id, std::string* error, FindFailure* failure)
{
    const auto fail = [&](FindFailure kind, std::string text) -> std::optional<TimeZone> {
        if (error)
            *error = std::move(text);
        if (failure)
            *failure = kind;
        return std::nullopt;
    };
    const char* tzdir = std::getenv("TZDIR");
    const bool own = tzdir && *tzdir;
    const std::string& folder = own ? std::string(tzdir) : SystemFolder();
    const std::string path = folder + "/" + std::string(id);
    {
        const std::lock_guard lock(LoadedMutex);
        if (const auto found = Loaded().find(path); found != Loaded().end())
            return TimeZone(found->second.zone, found->second.id);
    }
    std::error_code missing;
    if (std::filesystem::is_empty(folder, missing) || missing)
        return fail(FindFailure::NoDatabase, "there is no time-zone database in " + folder +
                                                 (own ? " (TZDIR)" : " (is tzdata installed?)"));
    const bool isFile = PlausibleId(id) && std::filesystem::is_regular_file(path, missing);
    std::string name;
    if (own) {
        if (!isFile)
            return fail(FindFailure::UnknownId, "unknown time zone \"" + std::string(id) + "\": no such zone in " + folder);
        name = id;
    } else {
        try {
            name = date::locate_zone(id)->name();
        } catch (const std::runtime_error& problem) {
            return fail(FindFailure::UnknownId, "unknown time zone \"" + std::string(id) + "\": " + problem.what());
        }
    }
    // The library reads a zone's file on first use and trusts it (a damaged
    // one fails an assertion or reads past its end), so it is checked first.
    bool readable = false;
    const std::string bytes = ReadFile(isFile ? path : folder + "/" + name, readable);
    const std::string damage = readable ? CheckZoneFile(bytes) : "it cannot be read";
    const std::string where = "the time-zone file for " + std::string(id) + " in " + folder;
    if (!damage.empty())
        return fail(FindFailure::Unreadable, where + " is damaged (" + damage + ")");
    LoadedZone entry{name, nullptr, nullptr};
    try {
        if (own) {
            entry.owned = std::make_unique<date::time_zone>(NameBelowLibraryFolder(path), date::detail::undocumented{});
            entry.zone = entry.owned.get();
        } else {
            entry.zone = date::locate_zone(id);
        }
        entry.zone->get_info(date::sys_seconds{});
    } catch (const std::exception& problem) {
        return fail(FindFailure::Unreadable, where + " cannot be read: " + problem.what());
    }
    const std::lock_guard lock(LoadedMutex);
    const auto [kept, added] = Loaded().try_emplace(path, std::move(entry));
    return TimeZone(kept->second.zone, kept->second.id);
}

std::string_view TimeZone::id() const
{
    return id_;
}

LocalTimeOffset TimeZone::offsetAt(const LocalDateTime& local) const
{
    const date::local_seconds reading{std::chrono::seconds{SecondsSinceEpoch(local)}};
    const date::local_info info = zone_->get_info(reading);
    switch (info.result) {
    case date::local_info::ambiguous:
        return {LocalTimeKind::Ambiguous, OffsetOf(info.first), OffsetOf(info.second)};
    case date::local_info::nonexistent:
        return {LocalTimeKind::Skipped, OffsetOf(info.first), OffsetOf(info.second)};
    default:
        return {LocalTimeKind::Unique, OffsetOf(info.first), OffsetOf(info.first)};
    }
}

std::string TimeZone::abbreviationAt(const LocalDateTime& local, int offsetSeconds) const
{
    const LocalTimeOffset found = offsetAt(local);
    return found.later.offsetSeconds == offsetSeconds ? found.later.abbreviation : found.earlier.abbreviation;
}

ZoneOffset TimeZone::offsetAtUtc(std::int64_t utcSeconds) const
{
    return OffsetOf(zone_->get_info(date::sys_seconds{std::chrono::seconds{utcSeconds}}));
}

LocalDateTime TimeZone::toLocal(std::int64_t utcSeconds) const
{
    return FromSecondsSinceEpoch(utcSeconds + offsetAtUtc(utcSeconds).offsetSeconds);
}

}  // namespace zodiora::timezones
