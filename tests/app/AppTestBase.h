#pragma once
// Common ground of the module tests: this test's own copy of the demo suite database and of its
// statistics database, a scripted dialog service, the program folder and the TEMP folder (the
// module's error log) in temporary places, an End hook that throws, a fresh program state, and
// both data access objects installed with every SQL text they hand over recorded.

#include "data/DB_Dll.h"
#include "ui/DialogServiceScope.h"
#include "ui/ScriptedDialogService.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

namespace demo {
class DemoFixture;
}

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

class AppTestBase : public ::testing::Test {
protected:
    AppTestBase();
    // On a copy of that demo database (and its statistics database) instead of the usual one.
    explicit AppTestBase(const demo::DemoFixture& demo);
    ~AppTestBase() override;

    // What the program starts with (app::resetState), and this test's two data access objects
    // installed anew: the constructor's start, and a second one within a test. The demo
    // database is then closed: openDemo opens it again.
    void freshStart();
    // gDB on this test's copy of the demo database, as start-up opens it.
    void openDemo();
    QString serverFolder() const { return m_serverDir.path(); }

    // Straight to a database, past the data access objects (nothing is recorded).
    void execute(const QString& sql);
    void executeStatistics(const QString& sql);
    vb::Variant scalar(const QString& sql);
    vb::Variant scalarStatistics(const QString& sql);
    // From now on the suite database refuses new rows of the table, as a read-only database
    // refuses every write (file permissions do not stop every user the tests may run as).
    void refuseInserts(const QString& table);
    // TA_CONFIGURACION rows of the suite database, group DATOS.
    void setConfig(const QString& key, const QString& value);
    void removeConfig(const QString& key);
    int configRows(const QString& key);

    // A file beside the program (settings, registered connections) in the suite's Windows-1252.
    void writeProgramFile(const QString& name, const QString& text);

    QString moduleLogPath() const { return m_tempDir.path() + QStringLiteral("/KQERR.LOG"); }
    QString moduleLog() const;     // decoded from Windows-1252
    QList<ui::ScriptedDialogService::Prompt> boxes() const
    {
        return dialogs.prompts(ui::ScriptedDialogService::Kind::MsgBox);
    }

    ui::ScriptedDialogService dialogs;
    ui::DialogServiceScope dialogScope{dialogs};
    QTemporaryDir m_programDir;
    QTemporaryDir m_tempDir;
    QTemporaryDir m_serverDir;
    std::shared_ptr<data::DB_Dll> db;
    std::shared_ptr<data::DB_Dll> stats;
    QStringList handed;            // SQL texts handed over by gDB
    QStringList handedStatistics;  // and by gDBEstadisticas

private:
    vb::Variant scalarOn(const QString& database, const QString& sql);
    void executeOn(const QString& database, const QString& sql);
    QString m_savedPath, m_savedExe;
    QByteArray m_savedTemp;
    bool m_hadTemp = false;
};
