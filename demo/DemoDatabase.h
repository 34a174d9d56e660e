#pragma once

#include <QString>

#include <string>

struct sqlite3;

// One demo database file on the embedded engine, written with the raw API.
// Single-threaded: the handle belongs to the thread that opened it.
class DemoDatabase
{
public:
    // Creates the file anew (an existing one is replaced).
    explicit DemoDatabase(const QString &path);
    ~DemoDatabase();
    DemoDatabase(const DemoDatabase &) = delete;
    DemoDatabase &operator=(const DemoDatabase &) = delete;

    sqlite3 *handle() const { return m_db; }
    // Runs a script in the server dialect (statements separated by GO lines).
    void runScript(const QString &script);
    void execute(const std::string &sql);
    void begin();
    void commit();

    // Registers the collation and server functions the engine relies on on any raw handle.
    static void prepareConnection(sqlite3 *db);

private:
    sqlite3 *m_db = nullptr;
};
