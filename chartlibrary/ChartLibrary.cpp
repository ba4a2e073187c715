#include "chartlibrary/ChartLibrary.h"

#include "birthdata/UnicodeText.h"

#include <sqlite3.h>

#include <array>
#include <fstream>
#include <system_error>
#include <utility>

#include "chartlibrary/ChartRows.h"
#include "chartlibrary/ChartSchema.h"
#include "chartlibrary/LibraryFiles.h"
#include "chartlibrary/SqliteTransaction.h"

namespace zodiora {

namespace {

// Long enough for the other program to finish a save, short enough that a
// stuck lock is reported rather than hanging the window.
constexpr int BusyTimeoutMs = 5000;

bool IsDamage(int code)
{
    const int primary = code & 0xff;
    return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}

std::string FirstLine(std::string text)
{
    if (const auto end = text.find('\n'); end != std::string::npos) {
        text.resize(end);
    }
    return text;
}

}  // namespace

struct ChartLibrary::Inspection {
    int code = SQLITE_OK;  ///< a failure that says nothing about the file itself
    std::optional<SetAsideLibrary::Reason> reason;
    std::string detail;
};

ChartLibrary::ChartLibrary(Clock clock) : clock_(clock ? std::move(clock) : Clock(SystemClockMs)) {}

template <typename T>
LibraryResult<T> ChartLibrary::failure(std::string_view action) const
{
    return LibraryResult<T>::failure(std::string(action) + " in " + path_.string() + ": " + db_.errorMessage());
}

template <typename T>
LibraryResult<T> ChartLibrary::notOpen() const
{
    return LibraryResult<T>::failure("The chart library is not open.");
}

template <typename T>
LibraryResult<T> ChartLibrary::noSuchChart(std::int64_t id) const
{
    return LibraryResult<T>::failure("There is no saved chart number " + std::to_string(id) + " in " +
                                     path_.string() + ".");
}

LibraryResult<OpenReport> ChartLibrary::open(const std::filesystem::path& path)
{
    close();
    path_ = path;
    if (path.has_parent_path()) {
        std::error_code error;
        std::filesystem::create_directories(path.parent_path(), error);
        if (error) {
            return LibraryResult<OpenReport>::failure("Could not create the folder " + path.parent_path().string() +
                                                      ": " + error.message());
        }
    }
    auto result = openInspected();
    if (!result) {
        db_.close();
    }
    return result;
}

LibraryResult<ChartLibrary::Done> ChartLibrary::openToRead(const std::filesystem::path& path)
{
    close();
    path_ = path;
    const auto refused = [&](const std::string& why) {
        db_.close();
        return LibraryResult<Done>::failure("The chart library " + path.string() + " " + why);
    };
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        return refused("does not exist.");
    }
    if (!std::filesystem::is_regular_file(path, error)) {
        return refused("is not a file.");
    }
    {
        // Refused before SQLite sees it: a CSV given by mistake is no library, not a damaged one.
        constexpr std::string_view Header("SQLite format 3\0", 16);
        std::array<char, 16> head{};
        std::ifstream file(path, std::ios::binary);
        if (!file) {
            return refused("cannot be read (no permission?).");
        }
        file.read(head.data(), head.size());
        if (file.gcount() != static_cast<std::streamsize>(head.size()) ||
            std::string_view(head.data(), head.size()) != Header) {
            db_.close();
            return LibraryResult<Done>::failure("The file " + path.string() + " is not a chart library (not a SQLite database).");
        }
    }
    // In a folder nobody may write, SQLite can't make its shared-memory file;
    // nobody can be changing the library there either, so it is read as it stands.
    Inspection found;
    for (const bool immutable : {false, true}) {
        if (connectToRead(immutable) != SQLITE_OK) {
            found.code = SQLITE_CANTOPEN;
        } else {
            found = inspect();
        }
        const int primary = found.code & 0xff;
        if (immutable || (primary != SQLITE_CANTOPEN && primary != SQLITE_READONLY)) {
            break;
        }
    }
    if (found.code != SQLITE_OK) {
        auto result = failure<Done>("Could not read the chart library");
        db_.close();
        return result;
    }
    if (found.reason) {
        return refused((*found.reason == SetAsideLibrary::Reason::Newer ? "was written by a newer Zodiora ("
                                                                         : "is damaged (") +
                       found.detail + ").");
    }
    std::int64_t version = 0;
    const auto known = static_cast<std::int64_t>(ChartSchemaSteps().size());
    if (db_.queryInt("PRAGMA user_version", version) != SQLITE_OK ||
        (version < known &&
         (db_.copyIntoMemory() != SQLITE_OK || MigrateSchema(db_, ChartSchemaSteps()) != SQLITE_OK))) {
        auto result = failure<Done>("Could not read the chart library");
        db_.close();
        return result;
    }
    // The copy in memory of an older library would take changes: refuse them as the file does.
    if (db_.execute("PRAGMA query_only = ON") != SQLITE_OK) {
        auto result = failure<Done>("Could not read the chart library");
        db_.close();
        return result;
    }
    return Done{};
}

int ChartLibrary::connectToRead(bool immutable)
{
    const int code = db_.openReadOnly(path_, immutable);
    return code == SQLITE_OK ? db_.execute("PRAGMA busy_timeout = " + std::to_string(BusyTimeoutMs)) : code;
}

void ChartLibrary::close()
{
    db_.close();
}

int ChartLibrary::connect()
{
    const int code = db_.open(path_);
    return code == SQLITE_OK ? db_.execute("PRAGMA busy_timeout = " + std::to_string(BusyTimeoutMs)) : code;
}

// Reads the file before anything writes to it: a file we can't use must be
// set aside exactly as it was found.
ChartLibrary::Inspection ChartLibrary::inspect()
{
    using Reason = SetAsideLibrary::Reason;
    const auto failed = [this](int code) {
        return IsDamage(code) ? Inspection{SQLITE_OK, Reason::Damaged, db_.errorMessage()}
                              : Inspection{code, std::nullopt, {}};
    };
    {
        SqliteStatement check;
        int code = db_.prepare("PRAGMA quick_check", check);
        if (code == SQLITE_OK) {
            code = check.step();
        }
        if (code != SQLITE_ROW) {
            return failed(code);
        }
        if (const std::string verdict = check.textAt(0); verdict != "ok") {
            return {SQLITE_OK, Reason::Damaged, "integrity check: " + FirstLine(verdict)};
        }
    }
    std::int64_t version = 0;
    std::int64_t applicationId = 0;
    std::int64_t objects = 0;
    for (auto [sql, value] : {std::pair{"PRAGMA user_version", &version},
                              std::pair{"PRAGMA application_id", &applicationId},
                              std::pair{"SELECT count(*) FROM sqlite_schema", &objects}}) {
        if (const int code = db_.queryInt(sql, *value); code != SQLITE_OK) {
            return failed(code);
        }
    }
    const auto known = static_cast<std::int64_t>(ChartSchemaSteps().size());
    const bool empty = applicationId == 0 && version == 0 && objects == 0;
    if (applicationId != ChartLibraryApplicationId && !empty) {
        return {SQLITE_OK, Reason::Damaged, "not a chart library"};
    }
    if (version > known) {
        return {SQLITE_OK, Reason::Newer,
                "library version " + std::to_string(version) + "; this version reads up to " + std::to_string(known)};
    }
    return {SQLITE_OK, std::nullopt, {}};
}

LibraryResult<OpenReport> ChartLibrary::openInspected()
{
    if (connect() != SQLITE_OK) {
        return failure<OpenReport>("Could not open the chart library");
    }
    Inspection found = inspect();
    if (found.code != SQLITE_OK) {
        return failure<OpenReport>("Could not read the chart library");
    }
    OpenReport report;
    if (found.reason) {
        db_.close();
        const char* tag = *found.reason == SetAsideLibrary::Reason::Newer ? "newer" : "corrupt";
        auto movedTo = SetAsideFiles(path_, tag, clock_());
        if (!movedTo) {
            return LibraryResult<OpenReport>::failure("The chart library " + path_.string() + " can't be used (" +
                                                      found.detail + ") and could not be set aside. " +
                                                      movedTo.error());
        }
        report.setAside = SetAsideLibrary{*found.reason, path_, std::move(movedTo).value(), found.detail};
        if (connect() != SQLITE_OK) {
            return failure<OpenReport>("Could not start a new chart library");
        }
    }
    // WAL: readers never block the writer and a commit is one append. FULL
    // syncs the log at every commit, so a saved chart also survives a power
    // cut, not just a killed program; saves are rare enough not to notice.
    if (db_.execute("PRAGMA journal_mode = WAL") != SQLITE_OK || db_.execute("PRAGMA synchronous = FULL") != SQLITE_OK ||
        MigrateSchema(db_, ChartSchemaSteps()) != SQLITE_OK) {
        return failure<OpenReport>("Could not prepare the chart library");
    }
    return report;
}

int ChartLibrary::saveOne(const SavedChart& chart, std::int64_t nowMs, std::int64_t& id)
{
    const ChartStatements& sql = ChartSql();
    SqliteStatement statement;
    int code = SQLITE_OK;
    if (chart.id > 0) {
        if ((code = db_.prepare(sql.update, statement)) != SQLITE_OK) {
            return code;
        }
        BindChartFields(statement, chart);
        statement.bind(sql.nowIndex, nowMs);
        statement.bind(sql.idIndex, chart.id);
        if ((code = statement.step()) != SQLITE_DONE) {
            return code;
        }
        if (db_.changes() == 1) {
            id = chart.id;
            return SQLITE_OK;
        }
    }
    if ((code = db_.prepare(sql.insert, statement)) != SQLITE_OK) {
        return code;
    }
    BindChartFields(statement, chart);
    statement.bind(sql.nowIndex, nowMs);
    if ((code = statement.step()) != SQLITE_DONE) {
        return code;
    }
    id = db_.lastInsertId();
    return SQLITE_OK;
}

LibraryResult<std::int64_t> ChartLibrary::save(const SavedChart& chart)
{
    auto ids = saveAll(std::span(&chart, 1));
    if (!ids) {
        return LibraryResult<std::int64_t>::failure(ids.error());
    }
    return ids->front();
}

LibraryResult<std::vector<std::int64_t>> ChartLibrary::saveAll(std::span<const SavedChart> charts)
{
    using Result = LibraryResult<std::vector<std::int64_t>>;
    if (!isOpen()) {
        return notOpen<std::vector<std::int64_t>>();
    }
    SqliteTransaction transaction(db_);
    if (transaction.beginCode() != SQLITE_OK) {
        return failure<std::vector<std::int64_t>>("Could not save");
    }
    const std::int64_t nowMs = clock_();
    std::vector<std::int64_t> ids;
    ids.reserve(charts.size());
    for (const SavedChart& chart : charts) {
        std::int64_t id = 0;
        if (saveOne(chart, nowMs, id) != SQLITE_OK) {
            return failure<std::vector<std::int64_t>>("Could not save \"" + chart.form.name + "\"");
        }
        ids.push_back(id);
    }
    if (transaction.commit() != SQLITE_OK) {
        return failure<std::vector<std::int64_t>>("Could not save");
    }
    return Result(std::move(ids));
}

LibraryResult<std::vector<ChartSummary>> ChartLibrary::summaries(std::string_view search, int limit)
{
    using Summaries = std::vector<ChartSummary>;
    if (!isOpen()) {
        return notOpen<Summaries>();
    }
    SqliteStatement statement;
    const std::string sql = ChartSql().summary + (limit >= 0 ? " LIMIT ?1" : "");
    if (db_.prepare(sql, statement) != SQLITE_OK) {
        return failure<Summaries>("Could not list the charts");
    }
    if (limit >= 0) {
        statement.bind(1, limit);
    }
    Summaries rows;
    int code = SQLITE_OK;
    while ((code = statement.step()) == SQLITE_ROW) {
        ChartSummary row = ReadSummary(statement);
        if (search.empty() || SummaryMatches(row, search)) {
            rows.push_back(std::move(row));
        }
    }
    if (code != SQLITE_DONE) {
        return failure<Summaries>("Could not list the charts");
    }
    return rows;
}

LibraryResult<std::vector<ChartSummary>> ChartLibrary::list(std::string_view search)
{
    return summaries(search, -1);
}

LibraryResult<std::vector<ChartSummary>> ChartLibrary::recent(int count)
{
    return summaries({}, count < 0 ? 0 : count);
}

std::optional<SavedChart> ChartLibrary::selectChart(std::string_view where,
                                                    const std::function<void(SqliteStatement&)>& bind, int& code)
{
    SqliteStatement statement;
    if ((code = db_.prepare(ChartSql().select + " " + std::string(where), statement)) != SQLITE_OK) {
        return std::nullopt;
    }
    bind(statement);
    code = statement.step();
    if (code == SQLITE_ROW) {
        code = SQLITE_OK;
        return ReadChart(statement);
    }
    code = code == SQLITE_DONE ? SQLITE_OK : code;
    return std::nullopt;
}

LibraryResult<SavedChart> ChartLibrary::get(std::int64_t id)
{
    if (!isOpen()) {
        return notOpen<SavedChart>();
    }
    int code = SQLITE_OK;
    auto chart = selectChart("WHERE id = ?1", [id](SqliteStatement& s) { s.bind(1, id); }, code);
    if (code != SQLITE_OK) {
        return failure<SavedChart>("Could not read the chart");
    }
    if (!chart) {
        return noSuchChart<SavedChart>(id);
    }
    return std::move(*chart);
}

LibraryResult<std::optional<SavedChart>> ChartLibrary::findByName(std::string_view name)
{
    if (!isOpen()) {
        return notOpen<std::optional<SavedChart>>();
    }
    int code = SQLITE_OK;
    auto chart = selectChart("WHERE name = ?1 ORDER BY modified_ms DESC, id DESC LIMIT 1",
                             [name](SqliteStatement& s) { s.bind(1, ComposedText(name)); }, code);
    if (code != SQLITE_OK) {
        return failure<std::optional<SavedChart>>("Could not look up the chart");
    }
    return chart;
}

LibraryResult<ChartLibrary::Done> ChartLibrary::rename(std::int64_t id, std::string_view name)
{
    if (!isOpen()) {
        return notOpen<Done>();
    }
    SqliteStatement statement;
    if (db_.prepare("UPDATE charts SET name = ?1, modified_ms = ?2 WHERE id = ?3", statement) != SQLITE_OK) {
        return failure<Done>("Could not rename the chart");
    }
    statement.bind(1, ComposedText(name));
    statement.bind(2, clock_());
    statement.bind(3, id);
    if (statement.step() != SQLITE_DONE) {
        return failure<Done>("Could not rename the chart");
    }
    if (db_.changes() == 0) {
        return noSuchChart<Done>(id);
    }
    return Done{};
}

LibraryResult<ChartLibrary::Done> ChartLibrary::remove(std::int64_t id)
{
    if (!isOpen()) {
        return notOpen<Done>();
    }
    SqliteStatement statement;
    if (db_.prepare("DELETE FROM charts WHERE id = ?1", statement) != SQLITE_OK) {
        return failure<Done>("Could not delete the chart");
    }
    statement.bind(1, id);
    if (statement.step() != SQLITE_DONE) {
        return failure<Done>("Could not delete the chart");
    }
    if (db_.changes() == 0) {
        return noSuchChart<Done>(id);
    }
    return Done{};
}

}  // namespace zodiora
