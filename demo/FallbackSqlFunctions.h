#pragma once

struct sqlite3;

// Stand-in for the database layer's connection set-up while that layer is not linked:
// the SRV collation and the few server functions the demo's own statements use.
class FallbackSqlFunctions
{
public:
    static void registerOn(sqlite3 *db);

    // Server-like text order: letter case and trailing blanks do not count.
    static int compare(const char *left, int leftLength, const char *right, int rightLength);
};
