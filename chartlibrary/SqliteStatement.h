#pragma once

#include <cstdint>
#include <string>
#include <string_view>

struct sqlite3_stmt;

namespace zodiora {

/// Owns one prepared statement; finalized when it goes out of scope.
/// Parameters and columns count from 1 and 0 as in SQLite itself.
class SqliteStatement {
public:
    SqliteStatement() = default;
    explicit SqliteStatement(sqlite3_stmt* statement) : statement_(statement) {}
    SqliteStatement(SqliteStatement&& other) noexcept;
    SqliteStatement& operator=(SqliteStatement&& other) noexcept;
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;
    ~SqliteStatement();

    void bind(int index, std::int64_t value);
    void bind(int index, int value) { bind(index, static_cast<std::int64_t>(value)); }
    void bind(int index, bool value) { bind(index, static_cast<std::int64_t>(value ? 1 : 0)); }
    void bind(int index, std::string_view text);
    void bindNull(int index);

    /// SQLITE_ROW, SQLITE_DONE or the error code.
    int step();

    bool isNull(int column) const;
    std::int64_t int64At(int column) const;
    int intAt(int column) const { return static_cast<int>(int64At(column)); }
    bool boolAt(int column) const { return int64At(column) != 0; }
    std::string textAt(int column) const;

private:
    sqlite3_stmt* statement_ = nullptr;
};

}  // namespace zodiora
