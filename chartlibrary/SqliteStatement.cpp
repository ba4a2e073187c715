#include "chartlibrary/SqliteStatement.h"

#include <sqlite3.h>

#include <utility>

namespace zodiora {

SqliteStatement::SqliteStatement(SqliteStatement&& other) noexcept
    : statement_(std::exchange(other.statement_, nullptr))
{
}

SqliteStatement& SqliteStatement::operator=(SqliteStatement&& other) noexcept
{
    if (this != &other) {
        sqlite3_finalize(statement_);
        statement_ = std::exchange(other.statement_, nullptr);
    }
    return *this;
}

SqliteStatement::~SqliteStatement()
{
    sqlite3_finalize(statement_);
}

void SqliteStatement::bind(int index, std::int64_t value)
{
    sqlite3_bind_int64(statement_, index, value);
}

void SqliteStatement::bind(int index, std::string_view text)
{
    // A null pointer would bind NULL; an empty text must stay a text.
    const char* data = text.data() ? text.data() : "";
    sqlite3_bind_text64(statement_, index, data, text.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
}

void SqliteStatement::bindNull(int index)
{
    sqlite3_bind_null(statement_, index);
}

int SqliteStatement::step()
{
    return sqlite3_step(statement_);
}

bool SqliteStatement::isNull(int column) const
{
    return sqlite3_column_type(statement_, column) == SQLITE_NULL;
}

std::int64_t SqliteStatement::int64At(int column) const
{
    return sqlite3_column_int64(statement_, column);
}

std::string SqliteStatement::textAt(int column) const
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
    const int size = sqlite3_column_bytes(statement_, column);
    return text ? std::string(text, static_cast<std::size_t>(size)) : std::string();
}

}  // namespace zodiora
