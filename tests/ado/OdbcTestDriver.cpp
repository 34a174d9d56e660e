#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// unixODBC reads its driver list once per process, so the list the tests need is put in
// place before any test connects: the machine's drivers plus a test name for SQLite's.
class OdbcTestDriver : public ::testing::Environment {
public:
    void SetUp() override
    {
        QFile system(QStringLiteral("/etc/odbcinst.ini"));
        QByteArray text = system.open(QIODevice::ReadOnly) ? system.readAll() : QByteArray();
        text += "\n[Rpq Test Driver]\nDescription=stand-in for the server driver\n"
                "Driver=/usr/lib/x86_64-linux-gnu/odbc/libsqlite3odbc.so\n";
        QFile ini(m_dir.filePath(QStringLiteral("odbcinst.ini")));
        if (ini.open(QIODevice::WriteOnly))
            ini.write(text);
        qputenv("ODBCSYSINI", QFile::encodeName(m_dir.path()));
    }

private:
    QTemporaryDir m_dir;
};

[[maybe_unused]] ::testing::Environment* const registered =
    ::testing::AddGlobalTestEnvironment(new OdbcTestDriver);

} // namespace
