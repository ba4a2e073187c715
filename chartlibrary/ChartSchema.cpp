#include "chartlibrary/ChartSchema.h"

#include <sqlite3.h>

#include <array>
#include <string>

#include "chartlibrary/SqliteTransaction.h"

namespace zodiora {

namespace {

// AUTOINCREMENT: an id is never handed out twice, so a window still holding
// the id of a chart deleted elsewhere can't overwrite a newer chart.
constexpr std::string_view Version1Tables = R"sql(
CREATE TABLE charts (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    name TEXT NOT NULL,
    month_index INTEGER NOT NULL,
    day INTEGER NOT NULL,
    year INTEGER NOT NULL,
    hour INTEGER NOT NULL,
    minute INTEGER NOT NULL,
    second INTEGER NOT NULL DEFAULT 0,
    zone_row INTEGER NOT NULL,
    daylight_saving INTEGER NOT NULL,
    zone_id TEXT NOT NULL DEFAULT '',
    ut_offset_seconds INTEGER,
    lat_degrees TEXT NOT NULL,
    lat_minutes TEXT NOT NULL,
    south INTEGER NOT NULL,
    lon_degrees TEXT NOT NULL,
    lon_minutes TEXT NOT NULL,
    east INTEGER NOT NULL,
    city TEXT NOT NULL,
    state TEXT NOT NULL,
    country TEXT NOT NULL,
    note TEXT NOT NULL DEFAULT '',
    created_ms INTEGER NOT NULL,
    modified_ms INTEGER NOT NULL
);
CREATE INDEX charts_by_modified ON charts (modified_ms DESC, id DESC);
CREATE INDEX charts_by_name ON charts (name);
)sql";

const std::string SchemaVersion1 =
    std::string(Version1Tables) + "PRAGMA application_id = " + std::to_string(ChartLibraryApplicationId) + ";";

// Step 2: how the chart is calculated, as the canonical settings text
// ("ephemeris=precise ayanamsa=raman ..."); empty for the preferences' defaults.
constexpr std::string_view SchemaVersion2 = "ALTER TABLE charts ADD COLUMN settings TEXT NOT NULL DEFAULT '';";

// Step 3: how many minutes either way the birth time may be off; the
// charts saved before keep the usual 5.
constexpr std::string_view SchemaVersion3 =
    "ALTER TABLE charts ADD COLUMN time_uncertainty_minutes INTEGER NOT NULL DEFAULT 5;";

// Step 4: seconds of arc as typed (empty: the coordinate was given to the
// minute, as every chart saved before), and whether the clock kept the
// birth place's own mean time.
constexpr std::string_view SchemaVersion4 =
    "ALTER TABLE charts ADD COLUMN lat_seconds TEXT NOT NULL DEFAULT '';"
    "ALTER TABLE charts ADD COLUMN lon_seconds TEXT NOT NULL DEFAULT '';"
    "ALTER TABLE charts ADD COLUMN local_mean_time INTEGER NOT NULL DEFAULT 0;";

const std::array<std::string_view, 4> Steps = {SchemaVersion1, SchemaVersion2, SchemaVersion3, SchemaVersion4};

}  // namespace

std::span<const std::string_view> ChartSchemaSteps()
{
    return Steps;
}

int MigrateSchema(SqliteDatabase& db, std::span<const std::string_view> steps)
{
    SqliteTransaction transaction(db);
    if (transaction.beginCode() != SQLITE_OK) {
        return transaction.beginCode();
    }
    std::int64_t version = 0;
    if (const int code = db.queryInt("PRAGMA user_version", version); code != SQLITE_OK) {
        return code;
    }
    const auto target = static_cast<std::int64_t>(steps.size());
    if (version >= target) {
        return SQLITE_OK;
    }
    for (auto step = version; step < target; ++step) {
        if (const int code = db.execute(steps[static_cast<std::size_t>(step)]); code != SQLITE_OK) {
            return code;
        }
    }
    if (const int code = db.execute("PRAGMA user_version = " + std::to_string(target)); code != SQLITE_OK) {
        return code;
    }
    return transaction.commit();
}

}  // namespace zodiora
