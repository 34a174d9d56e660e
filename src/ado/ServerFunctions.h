#pragma once

#include "ado/SessionOptions.h"

struct sqlite3;

namespace ado {

// The server's scalar functions as SQLite user functions, on the rules of ServerConversions,
// ServerDates and ServerText. Those that read or write dates follow the session's options
// (date order, first day of the week, names); without options, the defaults.
class ServerFunctions {
public:
    static void registerAll(sqlite3* db, const SessionOptions* options = nullptr);
};

} // namespace ado
