#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// unixODBC reads its driver list once per process, so the list the tests need is put in
// place before anything connects: the machine's drivers plus a test name for SQLite's.
void registerTestDriver(const QTemporaryDir& dir)
{
    QFile system(QStringLiteral("/etc/odbcinst.ini"));
    QByteArray text = system.open(QIODevice::ReadOnly) ? system.readAll() : QByteArray();
    text += "\n[Rpq Test Driver]\nDescription=stand-in for the server driver\n"
            "Driver=/usr/lib/x86_64-linux-gnu/odbc/libsqlite3odbc.so\n";
    QFile ini(dir.filePath(QStringLiteral("odbcinst.ini")));
    if (ini.open(QIODevice::WriteOnly))
        ini.write(text);
    qputenv("ODBCSYSINI", QFile::encodeName(dir.path()));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir odbcDir;
    registerTestDriver(odbcDir);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
