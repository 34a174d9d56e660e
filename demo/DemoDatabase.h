#pragma once

#include <QString>

#include <string>

struct sqlite3;

namespace demo {

// One demo database file of the embedded engine, its schema already in place, filled with the
// raw API: the bulk rows go in far faster than through the database layer.
// Single-threaded: the handle belongs to the thread that opened it.
class DemoDatabase
{
public:
    // Opens an existing file.
    explicit DemoDatabase(const QString &path);
    ~DemoDatabase();
    DemoDatabase(const DemoDatabase &) = delete;
    DemoDatabase &operator=(const DemoDatabase &) = delete;

    sqlite3 *handle() const { return m_db; }
    void execute(const std::string &sql);
    void begin();
    void commit();

    // Registers the collation and server functions the engine relies on on any raw handle.
    static void prepareConnection(sqlite3 *db);

private:
    sqlite3 *m_db = nullptr;
};

} // namespace demo
