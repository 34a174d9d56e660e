// The run script on a build folder of its own: the real generator, and in place of the program
// a stand-in that only notes that it was started. The program must never be started on a
// damaged or half-built demo database.
#include "TableDigest.h"

#include "support/TestPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <gtest/gtest.h>

namespace {

class RunDemoScript : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_build.isValid());
        ASSERT_TRUE(QDir().mkpath(path("demo")));
        ASSERT_TRUE(QDir().mkpath(path("src/program/datos")));
        useRealGenerator();
        writeExecutable("src/program/rp_quindal", "#!/bin/sh\necho \"$@\" > \"$(dirname \"$0\")/started.txt\"\n");
    }

    QString path(const QString &relative) const { return QDir(m_build.path()).filePath(relative); }
    QString database() const { return path("src/program/datos/DEMO.db"); }
    bool programStarted() const { return QFile::exists(path("src/program/started.txt")); }

    void useRealGenerator()
    {
        QFile::remove(path("demo/rpq_demogen"));
        ASSERT_TRUE(QFile::link(testpaths::demogen(), path("demo/rpq_demogen")));
    }

    void writeExecutable(const QString &relative, const QByteArray &text)
    {
        QFile file(path(relative));
        QFile::remove(file.fileName());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        file.close();
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    }

    void writeFile(const QString &file, const QByteArray &bytes)
    {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }

    // Exit code; the script's output lands in m_output.
    int runScript(const QString &kind = {})
    {
        QFile::remove(path("src/program/started.txt"));
        QProcess script;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("RPQ_BUILD_DIR"), m_build.path());
        if (kind.isNull())
            env.remove(QStringLiteral("RPQ_DEMO_KIND"));
        else
            env.insert(QStringLiteral("RPQ_DEMO_KIND"), kind);
        script.setProcessEnvironment(env);
        script.setProcessChannelMode(QProcess::MergedChannels);
        script.start(QStringLiteral("bash"), {testpaths::source(QStringLiteral("scripts/run-demo.sh"))});
        if (!script.waitForFinished(120000))
            return -1;
        m_output = QString::fromUtf8(script.readAll());
        return script.exitStatus() == QProcess::NormalExit ? script.exitCode() : -1;
    }

    QString startedWith() const
    {
        QFile file(path("src/program/started.txt"));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    QStringList users() const { return TableDigest(database()).column(QStringLiteral("SELECT Nombre FROM TA_USUARIOS ORDER BY Nombre")); }

    QTemporaryDir m_build;
    QString m_output;
};

// A kind the demo has no documents of would open a window that prints nothing but empty
// reports: the script says which kinds there are instead, before it builds or starts anything.
TEST_F(RunDemoScript, AnUnknownKindIsRefusedWithTheKindsThereAre)
{
    EXPECT_EQ(runScript(QStringLiteral("XYZ")), 1);
    EXPECT_TRUE(m_output.contains(QStringLiteral("RPQ_DEMO_KIND=XYZ is not a report kind of the demo"))) << m_output.toStdString();
    EXPECT_TRUE(m_output.contains(QStringLiteral("RMC  purchase delivery notes"))) << m_output.toStdString();
    EXPECT_TRUE(m_output.contains(QStringLiteral("OC   purchase orders"))) << m_output.toStdString();
    EXPECT_FALSE(m_output.contains(QStringLiteral("Building"))) << m_output.toStdString();
    EXPECT_FALSE(programStarted());
    EXPECT_FALSE(QFile::exists(database()));

    ASSERT_EQ(runScript(QStringLiteral("oc")), 0) << m_output.toStdString();
    EXPECT_TRUE(startedWith().startsWith(QStringLiteral("@ParametroAdicional=oc;"))) << startedWith().toStdString();
}

TEST_F(RunDemoScript, DamagedDatabaseIsBuiltAgainBeforeTheProgramStarts)
{
    ASSERT_EQ(runScript(), 0) << m_output.toStdString();
    ASSERT_TRUE(programStarted());
    EXPECT_EQ(users(), QStringList({"ADMIN", "COMPRAS", "DEPOSITO"}));

    // Overwritten in its middle: still a file of the right size, no longer a database.
    QFile file(database());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.seek(4096);
    file.write(QByteArray(64 * 1024, '\x5a'));
    file.close();
    ASSERT_EQ(runScript(), 0) << m_output.toStdString();
    EXPECT_TRUE(m_output.contains(QStringLiteral("DEMO.db is damaged"))) << m_output.toStdString();
    ASSERT_TRUE(programStarted());
    EXPECT_EQ(users(), QStringList({"ADMIN", "COMPRAS", "DEPOSITO"}));
}

TEST_F(RunDemoScript, DatabaseWithoutItsDocumentsIsBuiltAgain)
{
    // What a run stopped before its rows were in left behind: sound, but without documents.
    ASSERT_EQ(runScript(), 0) << m_output.toStdString();
    sqlite3 *db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(database()).constData(), &db), SQLITE_OK);
    const int deleted = sqlite3_exec(db, "DELETE FROM C_MV_CPTE", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    ASSERT_EQ(deleted, SQLITE_OK);
    ASSERT_EQ(runScript(), 0) << m_output.toStdString();
    EXPECT_TRUE(m_output.contains(QStringLiteral("DEMO.db is incomplete"))) << m_output.toStdString();
    ASSERT_TRUE(programStarted());
    EXPECT_NE(TableDigest(database()).column(QStringLiteral("SELECT count(*) FROM C_MV_CPTE")), QStringList({"0"}));
}

// Another program in the middle of a write: its database is not damaged, and building it again
// would replace what that program and every operator stored in it (saved windows, templates).
TEST_F(RunDemoScript, ADatabaseInUseByAnotherProgramIsLeftAsItIs)
{
    ASSERT_EQ(runScript(), 0) << m_output.toStdString();
    sqlite3 *db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(database()).constData(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, "CREATE TABLE STORED_BY_AN_OPERATOR (x)", nullptr, nullptr, nullptr), SQLITE_OK);

    for (const char *lock : {"BEGIN EXCLUSIVE", "BEGIN IMMEDIATE"}) {
        SCOPED_TRACE(lock);
        ASSERT_EQ(sqlite3_exec(db, lock, nullptr, nullptr, nullptr), SQLITE_OK);
        EXPECT_NE(runScript(), 0);
        EXPECT_TRUE(m_output.contains(QStringLiteral("DEMO.db is in use by another program"))) << m_output.toStdString();
        EXPECT_FALSE(m_output.contains(QStringLiteral("Building"))) << m_output.toStdString();
        EXPECT_FALSE(programStarted());
        ASSERT_EQ(sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr), SQLITE_OK);
    }
    sqlite3_close(db);

    // Once the other program is done, the demo starts on the same database.
    ASSERT_EQ(runScript(), 0) << m_output.toStdString();
    EXPECT_TRUE(programStarted());
    EXPECT_EQ(TableDigest(database()).column(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name = 'STORED_BY_AN_OPERATOR'")),
              QStringList({"1"}));
}

// A program still running on the demo (an operator's window left open) keeps writing into the
// file it opened: a database moved in over it took that program's saved windows and templates
// into a file nobody would open again.
TEST_F(RunDemoScript, ADatabaseOpenInARunningProgramIsNotBuiltAgainUnderIt)
{
    ASSERT_EQ(runScript(), 0) << m_output.toStdString();
    sqlite3 *db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(database()).constData(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, "DELETE FROM C_MV_CPTE", nullptr, nullptr, nullptr), SQLITE_OK);   // now one to build again

    EXPECT_NE(runScript(), 0);
    EXPECT_TRUE(m_output.contains(QStringLiteral("is open in a running program (process %1)").arg(QCoreApplication::applicationPid())))
        << m_output.toStdString();
    EXPECT_FALSE(m_output.contains(QStringLiteral("Building"))) << m_output.toStdString();
    EXPECT_FALSE(programStarted());
    sqlite3_close(db);

    ASSERT_EQ(runScript(), 0) << m_output.toStdString();
    EXPECT_TRUE(m_output.contains(QStringLiteral("Building"))) << m_output.toStdString();
    EXPECT_TRUE(programStarted());
}

TEST_F(RunDemoScript, AGeneratorThatStopsHalfWayLeavesNoDatabaseBehind)
{
    // A generator killed while writing: part of a database where it was told to write.
    writeExecutable("demo/rpq_demogen", "#!/bin/sh\nprintf 'SQLite format 3' > \"$1/$2.db\"\nkill -9 $$\n");
    EXPECT_NE(runScript(), 0);
    EXPECT_FALSE(programStarted());
    EXPECT_FALSE(QFile::exists(database()));

    useRealGenerator();
    ASSERT_EQ(runScript(), 0) << m_output.toStdString();
    ASSERT_TRUE(programStarted());
    EXPECT_EQ(users(), QStringList({"ADMIN", "COMPRAS", "DEPOSITO"}));
    EXPECT_EQ(QDir(path("src/program/datos")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList({"DEMO.db", "KQ_ESTADISTICAS.db"}));
}

} // namespace
