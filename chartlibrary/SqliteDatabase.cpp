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

int SqliteDatabase::openReadOnly(const std::filesystem::path& path, bool immutable)
{
    close();
    // A URI, so immutable can be asked for; the path is percent-encoded where URIs need it.
    std::string uri = "file:";
    for (const char c : path.string()) {
        if (c == '%' || c == '?' || c == '#') {
            static constexpr char Hex[] = "0123456789ABCDEF";
            uri += '%';
            uri += Hex[static_cast<unsigned char>(c) >> 4];
            uri += Hex[static_cast<unsigned char>(c) & 15];
        } else {
            uri += c;
        }
    }
    uri += immutable ? "?mode=ro&immutable=1" : "?mode=ro";
    const int flags = SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX;
    const int code = sqlite3_open_v2(uri.c_str(), &db_, flags, nullptr);
    if (db_ != nullptr) {
        sqlite3_extended_result_codes(db_, 1);
    }
    return code;
}

int SqliteDatabase::copyIntoMemory()
{
    SqliteDatabase memory;
    if (const int code = memory.open(":memory:"); code != SQLITE_OK) {
        return code;
    }
    sqlite3_backup* backup = sqlite3_backup_init(memory.db_, "main", db_, "main");
    if (backup == nullptr) {
        return sqlite3_errcode(memory.db_);
    }
    const int stepped = sqlite3_backup_step(backup, -1);
    const int finished = sqlite3_backup_finish(backup);
    if (stepped != SQLITE_DONE) {
        return stepped;
    }
    if (finished != SQLITE_OK) {
        return finished;
    }
    *this = std::move(memory);
    return SQLITE_OK;
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
