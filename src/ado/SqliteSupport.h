#pragma once

struct sqlite3;

namespace ado {

struct SessionOptions;

// Makes a raw SQLite handle behave as the embedded engine expects: the collation "SRV"
// (the server's text comparison), the server's functions (GETDATE, LEN, ISNULL, CHARINDEX,
// LEFT, RIGHT, REPLICATE, CONVERT, DATEADD, DATEDIFF, YEAR, MONTH, DAY, Unicode UPPER and
// LOWER ...) and a LIKE that ignores case and knows [a-z] sets. Every handle that writes a
// database of ours calls it first; foreign keys are switched on too. The date functions
// follow the session's options when given (the engine's connection), else the defaults.
void prepareSqliteConnection(sqlite3* db, const SessionOptions* options = nullptr);

} // namespace ado
