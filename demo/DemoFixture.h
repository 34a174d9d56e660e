#pragma once

#include <QString>
#include <QTemporaryDir>

#include <cstdint>

namespace demo {

// A fresh small demo database in a temporary folder for one test; the folder goes with
// the fixture. Open it through connectionString() (the embedded engine picks the folder).
// The databases are the test's own copies of the ones the executable's first process of that
// size and seed built (DemoCache.h).
class DemoFixture
{
public:
    explicit DemoFixture(int size = 300, std::uint64_t seed = 7);

    QString folder() const { return m_folder.path(); }
    QString databaseName() const { return QStringLiteral("DEMO"); }
    QString databasePath() const;
    QString statisticsPath() const;
    QString connectionString() const;

private:
    QTemporaryDir m_folder;
};

} // namespace demo
