#pragma once
// Common ground of the lookup tests: a fresh demo database of this test's own (tests change
// its configuration rows and tables), the program folder in a temporary place (the mask and
// widths files land there), a scripted dialog service, the shared data access open on the
// demo with every SQL text recorded, and a list window that records what the driver hands it
// and answers from the test.

#include "data/DB_Dll.h"
#include "data/QStringPrinting.h"
#include "demo/DemoFixture.h"
#include "lookup/LookupWindows.h"
#include "ui/DialogServiceScope.h"
#include "ui/ScriptedDialogService.h"
#include "vb/Variant.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

class LookupTestBase : public ::testing::Test {
protected:
    LookupTestBase();
    ~LookupTestBase() override;

    void openDemo();
    // Sets (or, with a null value, deletes) the configuration row of a key.
    void setConfig(const QString& key, const vb::Variant& value);
    void execute(const QString& sql);
    // The rows of a statement as texts (Null as "<null>"), read directly.
    std::vector<QStringList> rows(const QString& sql);
    QStringList columnNames(const QString& sql);
    vb::Variant scalar(const QString& sql);

    QString programFile(const QString& name) const { return m_programDir.filePath(name); }
    QByteArray fileBytes(const QString& path) const;
    bool writeFileBytes(const QString& path, const QByteArray& bytes) const;

    QList<ui::ScriptedDialogService::Prompt> boxes() const
    {
        return dialogs.prompts(ui::ScriptedDialogService::Kind::MsgBox);
    }

    demo::DemoFixture m_demo{60, 17};
    ui::ScriptedDialogService dialogs;
    ui::DialogServiceScope dialogScope{dialogs};
    QTemporaryDir m_programDir;
    std::shared_ptr<data::DB_Dll> db;
    QStringList handed;                               // SQL texts handed to the engine

    // The recording list and tree windows.
    QList<lookup::ListLookupRequest> listRequests;
    QList<lookup::TreeLookupRequest> treeRequests;
    lookup::LookupAnswer nextAnswer;                   // what the next window answers
    void recordWindows();

private:
    QString m_savedPath;
    QByteArray m_savedTemp;
    bool m_hadTemp = false;
};
