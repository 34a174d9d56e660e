#pragma once
// The report control of the report window: it keeps the report file, logon, selection
// formulas, formula slots, sort fields and sub-report settings it is given, and runs the
// report through the program's report engine when Action is set to 1. Settings stay on the
// control until they are changed.
//
// Connect and the three logon pieces, and SelectionFormula, apply to the sub-report named by
// SubreportToChange while it is not blank, else to the main report. The logon used is built
// from the pieces when a data-source piece was set, else Connect; sub-reports read through
// the main report's connection, so their own logon is kept but not used. WindowState is kept
// for callers; the engine's preview sizes itself.

#include "kit/PrintEngine.h"

#include <QMap>
#include <QString>

namespace reports {

class ReportControl {
public:
    static constexpr int ErrorReporte = kit::PrintEngine::ErrorReporte;

    int WindowState = 0;
    QString ReportFileName;
    QString SubreportToChange;

    QString Connect() const { return current().connect; }
    void setConnect(const QString& text) { current().connect = text; }
    QString LogonDataSource() const { return current().dataSource; }
    void setLogonDataSource(const QString& text) { current().dataSource = text; }
    QString LogonUser() const { return current().user; }
    void setLogonUser(const QString& text) { current().user = text; }
    QString LogonPassword() const { return current().password; }
    void setLogonPassword(const QString& text) { current().password = text; }
    QString SelectionFormula() const { return current().selection; }
    void setSelectionFormula(const QString& text);

    QString Formulas(int index) const { return m_formulas.value(index); }
    void setFormulas(int index, const QString& assignment);      // error 9 below 0
    QString SortFields(int index) const { return m_sortFields.value(index); }
    void setSortFields(int index, const QString& field);         // error 9 below 0

    // Where a run goes, as set in the window's design: the preview unless told otherwise.
    void setDestination(kit::PrintEngine::Destination destination, const QString& target = {});
    // A DSN logon names the embedded database "<name>.db" of this folder when it holds one;
    // without one, the folder of the shared connection's server (an embedded suite database).
    void setDataSourceFolder(const QString& folder) { m_dataSourceFolder = folder; }

    // 1 runs the report; any other value does nothing. Raises vb::Error when the report cannot run.
    void setAction(int action);

private:
    struct Target {
        QString name;
        QString connect, dataSource, user, password, selection;
        bool selectionSet = false;
    };
    Target& current();
    const Target& current() const;
    QString logon() const;
    void run();
    void apply(kit::PrintEngine& engine);

    Target m_main;
    QMap<QString, Target> m_subreports;        // by upper-cased name
    QMap<int, QString> m_formulas;
    QMap<int, QString> m_sortFields;
    kit::PrintEngine::Destination m_destination = kit::PrintEngine::Destination::Screen;
    QString m_target;
    QString m_dataSourceFolder;
};

} // namespace reports
