#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "chartlibrary/SqliteStatement.h"

struct sqlite3;

namespace zodiora {

/// Owns one SQLite connection; closed when it goes out of scope. Every call
/// answers SQLite's result code; errorMessage() says what went wrong.
class SqliteDatabase {
public:
    SqliteDatabase() = default;
    SqliteDatabase(SqliteDatabase&& other) noexcept;
    SqliteDatabase& operator=(SqliteDatabase&& other) noexcept;
    SqliteDatabase(const SqliteDatabase&) = delete;
    SqliteDatabase& operator=(const SqliteDatabase&) = delete;
    ~SqliteDatabase();

    /// Opens (creating if need be) the file read-write.
    int open(const std::filesystem::path& path);
    /// Opens the file only to read: nothing is created and nothing written
    /// to it. `immutable` also skips SQLite's locks and companion files, for
    /// a file nobody can be writing (a folder no one may write to).
    int openReadOnly(const std::filesystem::path& path, bool immutable);
    /// Replaces the connection by one to an in-memory copy of its database,
    /// which may then be changed without touching the file.
    int copyIntoMemory();
    void close();
    bool isOpen() const { return db_ != nullptr; }

    /// Runs one or more statements that return no rows the caller needs.
    int execute(std::string_view sql);
    int prepare(std::string_view sql, SqliteStatement& statement);
    /// The first column of the first row of a query answering one integer.
    int queryInt(std::string_view sql, std::int64_t& value);

    std::string errorMessage() const;
    std::int64_t lastInsertId() const;
    int changes() const;

private:
    sqlite3* db_ = nullptr;
};

}  // namespace zodiora
