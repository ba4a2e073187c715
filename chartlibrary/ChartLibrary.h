#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <variant>
#include <vector>

#include "chartlibrary/ChartSummary.h"
#include "chartlibrary/LibraryResult.h"
#include "chartlibrary/SavedChart.h"
#include "chartlibrary/SetAsideLibrary.h"
#include "chartlibrary/SqliteDatabase.h"

namespace zodiora {

/// What open() found worth telling the user.
struct OpenReport {
    std::optional<SetAsideLibrary> setAside;  ///< the old file could not be used and was renamed
};

/// The user's saved charts in one SQLite file. Each change is one
/// transaction in WAL mode with full sync, so a change that returned is on
/// disk and a crash or kill mid-save leaves the library as it was before
/// it. Several programs may have the file open at once; a writer waits up
/// to a few seconds for another. Nothing throws: failures come back as
/// LibraryResult errors.
class ChartLibrary {
public:
    /// Answers UTC milliseconds since 1970 for the created/modified stamps.
    using Clock = std::function<std::int64_t()>;
    using Done = std::monostate;

    explicit ChartLibrary(Clock clock = Clock());

    /// Opens `path`, creating its folders, the file and the schema as needed
    /// and bringing an older schema up to date. A file that is damaged or
    /// from a newer version is renamed out of the way (see SetAsideLibrary)
    /// and a new library started; the report says so. Other failures (no
    /// permission, disk full, locked) leave every file untouched.
    LibraryResult<OpenReport> open(const std::filesystem::path& path);
    /// Opens `path` only to read (listing, showing, exporting, charting a
    /// saved chart): nothing is created, renamed, migrated or written, so a
    /// missing file stays missing and a damaged one stays where it is. An
    /// older schema is brought up to date in a copy held in memory. Fails,
    /// with the reason, for a missing file, one that is not a chart library,
    /// is damaged, or was written by a newer version; save() and the other
    /// changes then fail too.
    LibraryResult<Done> openToRead(const std::filesystem::path& path);
    void close();
    bool isOpen() const { return db_.isOpen(); }
    const std::filesystem::path& path() const { return path_; }

    /// Inserts the chart (id 0, or an id no longer in the library) or
    /// replaces the one with its id; answers the id. Stamps modified, and
    /// created on insert; the chart's own stamps are ignored.
    LibraryResult<std::int64_t> save(const SavedChart& chart);
    /// save() for each chart in one transaction: all or none. Answers the ids in order.
    LibraryResult<std::vector<std::int64_t>> saveAll(std::span<const SavedChart> charts);

    /// Every chart, most recently saved first; with `search`, only those
    /// whose name, date or place contains it (see SummaryMatches).
    LibraryResult<std::vector<ChartSummary>> list(std::string_view search = {});
    /// The `count` most recently saved charts.
    LibraryResult<std::vector<ChartSummary>> recent(int count);

    /// The chart with this id; an error if there is none.
    LibraryResult<SavedChart> get(std::int64_t id);
    /// The most recently saved chart named exactly `name` (case and spaces
    /// count), or nothing. Names need not be unique.
    LibraryResult<std::optional<SavedChart>> findByName(std::string_view name);

    /// Renames a chart (which counts as a change); an error if there is none.
    LibraryResult<Done> rename(std::int64_t id, std::string_view name);
    /// Deletes a chart; an error if there is none.
    LibraryResult<Done> remove(std::int64_t id);

private:
    struct Inspection;
    Inspection inspect();
    int connect();
    int connectToRead(bool immutable);
    LibraryResult<OpenReport> openInspected();
    int saveOne(const SavedChart& chart, std::int64_t nowMs, std::int64_t& id);
    LibraryResult<std::vector<ChartSummary>> summaries(std::string_view search, int limit);
    std::optional<SavedChart> selectChart(std::string_view where, const std::function<void(SqliteStatement&)>& bind,
                                          int& code);
    template <typename T>
    LibraryResult<T> failure(std::string_view action) const;
    template <typename T>
    LibraryResult<T> notOpen() const;
    template <typename T>
    LibraryResult<T> noSuchChart(std::int64_t id) const;

    Clock clock_;
    SqliteDatabase db_;
    std::filesystem::path path_;
};

}  // namespace zodiora
