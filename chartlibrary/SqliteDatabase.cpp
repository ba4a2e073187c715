#include "chartlibrary/SqliteDatabase.h"

#include <sqlite3.h>

#include <utility>

namespace zodiora {

SqliteDatabase::SqliteDatabase(SqliteDatabase&& other) noexcept : db_(std::exchange(other.db_, nullptr))
{
}

SqliteDatabase& SqliteDatabase::operator=(SqliteDatabase&& other) noexcept
{
    if (this != &other) {
        close();
        db_ = std::exchange(other.db_, nullptr);
    }
    return *this;
}

SqliteDatabase::~SqliteDatabase()
{
    close();
}

int SqliteDatabase::open(const std::filesystem::path& path)
{
    close();
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX;
    const int code = sqlite3_open_v2(path.c_str(), &db_, flags, nullptr);
    if (db_ != nullptr) {
        sqlite3_extended_result_codes(db_, 1);
    }
    return code;
}

void SqliteDatabase::close()
{
    // Statements are finalized by their owners first, so close_v2 frees at once.
    sqlite3_close_v2(db_);
    db_ = nullptr;
}

int SqliteDatabase::execute(std::string_view sql)
{
    const std::string text(sql);
    return sqlite3_exec(db_, text.c_str(), nullptr, nullptr, nullptr);
}

int SqliteDatabase::prepare(std::string_view sql, SqliteStatement& statement)
{
    sqlite3_stmt* raw = nullptr;
    const int code = sqlite3_prepare_v2(db_, sql.data(), static_cast<int>(sql.size()), &raw, nullptr);
    statement = SqliteStatement(raw);
    return code;
}

int SqliteDatabase::queryInt(std::string_view sql, std::int64_t& value)
{
    SqliteStatement statement;
    int code = prepare(sql, statement);
    if (code != SQLITE_OK) {
        return code;
    }
    code = statement.step();
    if (code == SQLITE_ROW) {
        value = statement.int64At(0);
        return SQLITE_OK;
    }
    return code == SQLITE_DONE ? SQLITE_ERROR : code;
}

std::string SqliteDatabase::errorMessage() const
{
    return db_ ? sqlite3_errmsg(db_) : "out of memory";
}

std::int64_t SqliteDatabase::lastInsertId() const
{
    return sqlite3_last_insert_rowid(db_);
}

int SqliteDatabase::changes() const
{
    return sqlite3_changes(db_);
}

}  // namespace zodiora
