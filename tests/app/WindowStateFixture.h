#pragma once
// Ground of the window-state, template and style tests: the demo database (one copy for the
// whole run, its TA_CONFIG_FORM emptied before each test) as the shared data-access object,
// a scripted dialog service, the program and temporary folders in scratch places, the
// operating-system user "ana" and the application user "ANA".

#include "data/DB_Dll.h"
#include "demo/DemoFixture.h"
#include "ui/DialogServiceScope.h"
#include "ui/ScriptedDialogService.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

namespace apptest {

// A TA_CONFIG_FORM row, its texts trimmed of the blanks the key columns are filled with.
struct ConfigRow {
    QString formulario, usuario, tipo, nombre, propiedad, datafield, valor;
    bool operator==(const ConfigRow&) const = default;
};
void PrintTo(const ConfigRow& row, std::ostream* out);

class WindowStateFixture : public ::testing::Test {
protected:
    WindowStateFixture();
    ~WindowStateFixture() override;

    // Rows in the order they were written, optionally narrowed by a WHERE condition.
    QList<ConfigRow> rows(const QString& condition = {});
    int rowCount(const QString& condition = {});
    void execute(const QString& sql);
    QString programFolder() const { return m_programDir.path(); }
    QString errorLogText() const;

    static demo::DemoFixture& demo();

    ui::ScriptedDialogService dialogs;
    ui::DialogServiceScope dialogScope{dialogs};
    std::shared_ptr<data::DB_Dll> db;
    QStringList handed;   // SQL texts handed to the engine

private:
    QTemporaryDir m_programDir;
    QTemporaryDir m_tempDir;
    QString m_savedPath;
    QByteArray m_savedTemp, m_savedLogname;
};

} // namespace apptest
