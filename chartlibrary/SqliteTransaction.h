#pragma once

#include "chartlibrary/SqliteDatabase.h"

namespace zodiora {

/// BEGIN IMMEDIATE on construction, ROLLBACK on destruction unless commit()
/// succeeded: a change is all there or not there at all.
class SqliteTransaction {
public:
    explicit SqliteTransaction(SqliteDatabase& db);
    SqliteTransaction(const SqliteTransaction&) = delete;
    SqliteTransaction& operator=(const SqliteTransaction&) = delete;
    ~SqliteTransaction();

    /// SQLITE_OK when the transaction was opened.
    int beginCode() const { return beginCode_; }
    int commit();

private:
    SqliteDatabase& db_;
    int beginCode_;
    bool open_ = false;
};

}  // namespace zodiora
