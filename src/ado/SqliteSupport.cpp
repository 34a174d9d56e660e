#include "ado/SqliteSupport.h"

#include "ado/ServerFunctions.h"
#include "ado/ServerText.h"

#include <sqlite3.h>

namespace ado {

namespace {
int compareCollated(void*, int aSize, const void* a, int bSize, const void* b)
{
    return ServerText::compareUtf8(static_cast<const char*>(a), aSize, static_cast<const char*>(b), bSize);
}
} // namespace

void prepareSqliteConnection(sqlite3* db, const SessionOptions* options)
{
    sqlite3_create_collation(db, "SRV", SQLITE_UTF8, nullptr, compareCollated);
    ServerFunctions::registerAll(db, options);
    sqlite3_exec(db, "PRAGMA foreign_keys = ON", nullptr, nullptr, nullptr);
}

} // namespace ado
