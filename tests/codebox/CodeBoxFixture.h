#pragma once
// A code-entry box placed on a test window, over a fresh copy of the demo database, with a
// scripted dialog service, every statement the box ran, and every code it handed over.

#include "codebox/BoxImage.h"
#include "codebox/BusquedaCodigo.h"
#include "codebox/SearchTextBox.h"
#include "demo/DemoFixture.h"
#include "ui/DialogServiceScope.h"
#include "ui/ScriptedDialogService.h"

#include <QStringList>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

class CodeBoxFixture : public ::testing::Test {
protected:
    CodeBoxFixture();
    ~CodeBoxFixture() override;

    // Binds the box as a host does: connection string, user, then the table.
    bool bind(const QString& table, const QString& user = QStringLiteral("ADMIN"));
    // Key by key into the text box, as an operator types.
    void type(const QString& text);
    void press(Qt::Key key, QWidget* target = nullptr);
    void click(QWidget* image);
    // What the window system delivers for a double click at `at`.
    static void doubleClick(QWidget* target, QPoint at);
    // The texts of the result list's lines.
    QStringList lines() const;
    // Statements on a connection of the test's own (the box does not see them).
    void run(const QString& sql);
    vb::Variant scalar(const QString& sql);
    QList<ui::ScriptedDialogService::Prompt> boxes() const { return dialogs.prompts(ui::ScriptedDialogService::Kind::MsgBox); }
    void showHost();

    demo::DemoFixture demo{60, 17};
    ui::ScriptedDialogService dialogs;
    ui::DialogServiceScope dialogScope{dialogs};
    std::unique_ptr<QWidget> host;
    codebox::BusquedaCodigo* box = nullptr;
    ado::ConnectionPtr db;
    QStringList statements;   // what the box sent to its connection
    QStringList codes;        // Codigo at each CodigoObtenido
};
