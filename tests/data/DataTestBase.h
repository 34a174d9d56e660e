#pragma once
// Common ground of the data-access tests: a fresh demo database, a scripted dialog service, the
// program folder in a temporary place (the error log lands there), an End hook that throws, the
// data access's run state fresh (data::resetRunState), and a DB_Dll installed as the shared
// instance with every SQL text it hands over recorded.

#include "data/DB_Dll.h"
#include "vb/App.h"
#include "demo/DemoFixture.h"
#include "ui/DialogServiceScope.h"
#include "ui/ScriptedDialogService.h"

#include "QStringPrinting.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

class DataTestBase : public ::testing::Test {
protected:
    DataTestBase();
    ~DataTestBase() override;

    // Opens the demo database through the suite's own connection string.
    void openDemo(bool validaAdmin = false, bool muestraError = false);
    QString logText() const;                         // the error log, decoded from Windows-1252
    QString logPath() const { return m_programDir.path() + QStringLiteral("/KQERR.LOG"); }
    vb::Variant scalar(const QString& sql);          // first column of the first row, read directly
    QList<ui::ScriptedDialogService::Prompt> boxes() const
    {
        return dialogs.prompts(ui::ScriptedDialogService::Kind::MsgBox);
    }

    static demo::DemoFixture& demo();                      // shared, for tests that only read
    std::unique_ptr<demo::DemoFixture> m_ownDemo;          // for tests that write
    demo::DemoFixture& writableDemo();

    ui::ScriptedDialogService dialogs;
    ui::DialogServiceScope dialogScope{dialogs};
    QTemporaryDir m_programDir;
    std::shared_ptr<data::DB_Dll> db;
    QStringList handed;                              // SQL texts handed to the engine
    demo::DemoFixture* m_current = nullptr;
    QString m_savedPath, m_savedExe;
};
