#pragma once
// A fresh demo suite database open as the program's start-up leaves it, without the command line
// and the login: the shared data access object on it, the user ADMIN, the configuration loaded.
// For tools and benchmarks that drive the report window; the database goes with the session.

#include "DemoFixture.h"

#include <QString>
#include <cstdint>
#include <memory>

namespace data {
class DB_Dll;
}

namespace demo {

// Opens db on the demo database of folder as the log-in does, the database's name as user and
// password; false when it did not open.
bool openDemoDatabase(data::DB_Dll& db, const QString& folder, const QString& database);

class DemoSession {
public:
    // programFolder: where the configuration loader writes its files.
    DemoSession(int size, std::uint64_t seed, const QString& programFolder);
    ~DemoSession();
    DemoSession(const DemoSession&) = delete;
    DemoSession& operator=(const DemoSession&) = delete;

    bool isOpen() const;
    const DemoFixture& fixture() const { return m_fixture; }

private:
    DemoFixture m_fixture;
    std::shared_ptr<data::DB_Dll> m_db;
};

} // namespace demo
