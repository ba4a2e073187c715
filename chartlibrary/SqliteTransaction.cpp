#include "chartlibrary/SqliteTransaction.h"

#include <sqlite3.h>

namespace zodiora {

// IMMEDIATE takes the write lock at once, so a second writer (the other
// program) waits in the busy handler instead of failing at COMMIT.
SqliteTransaction::SqliteTransaction(SqliteDatabase& db) : db_(db), beginCode_(db.execute("BEGIN IMMEDIATE"))
{
    open_ = beginCode_ == SQLITE_OK;
}

SqliteTransaction::~SqliteTransaction()
{
    if (open_) {
        db_.execute("ROLLBACK");
    }
}

int SqliteTransaction::commit()
{
    const int code = db_.execute("COMMIT");
    if (code == SQLITE_OK) {
        open_ = false;
    }
    return code;
}

}  // namespace zodiora
