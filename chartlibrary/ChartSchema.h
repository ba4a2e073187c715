#pragma once

#include <span>
#include <string_view>

#include "chartlibrary/SqliteDatabase.h"

namespace zodiora {

/// Marks a SQLite file as a Zodiora chart library ("ZODI").
inline constexpr int ChartLibraryApplicationId = 0x5A4F4449;

/// The steps that build the library's schema: step i takes a database at
/// `PRAGMA user_version` i to i + 1, so the schema version is the number of
/// steps. To change the schema, append a step (e.g. an ALTER TABLE ... ADD
/// COLUMN) and read the new column in ChartRows; never edit a step that has
/// shipped, since existing files were built by it.
std::span<const std::string_view> ChartSchemaSteps();

/// Brings `db` up to steps.size() in one transaction: either every missing
/// step runs and the version is raised, or nothing changes. The version is
/// read again inside the transaction, so two programs opening the same old
/// file at once migrate it once. Answers SQLite's result code.
int MigrateSchema(SqliteDatabase& db, std::span<const std::string_view> steps);

}  // namespace zodiora
