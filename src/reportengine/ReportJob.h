#pragma once
// The engine's entry point: load a report, give it formula assignments, a selection and sort
// fields, choose where it goes (screen, printer, PDF file) and run it.

#include "reportengine/ReportDefinition.h"
#include "reportengine/ReportPrinter.h"
#include "reportengine/RowSource.h"
#include <QDate>
#include <QStringList>

class QWidget;
namespace ado { class Connection; }

namespace reportengine {

class ReportJob {
public:
    enum class Destination { Screen, Printer, PdfFile };

    ReportJob() = default;
    explicit ReportJob(QueryRunner runner) : m_runner(std::move(runner)) {}
    explicit ReportJob(std::shared_ptr<ado::Connection> connection) { setConnection(std::move(connection)); }

    // Where the rows come from: an open connection, or a connection text (a DSN logon such as
    // "DSN=name; UID=user; PWD=password", or any text the database layer accepts) that is opened
    // when the report runs. Either replaces the other; a blank text keeps the logon the job has.
    void setConnection(std::shared_ptr<ado::Connection> connection);
    void setConnectionString(const QString& text);
    // A DSN logon names a database of this folder when the folder holds "<name>.db" (the
    // embedded engine); otherwise the name goes to ODBC as a registered data source.
    void setDataSourceFolder(const QString& folder) { m_dataSourceFolder = folder; }
    // The text the database layer is given for a connection text, after the rule above.
    QString resolvedConnectionString(const QString& text) const;

    void load(const QString& path);                            // raises ReportError
    void setDefinition(const ReportDefinition& def) { m_def = def; }
    const ReportDefinition& definition() const { return m_def; }

    // "Name = value": sets the formula, or else the parameter, of that name (letter case ignored).
    // False when the report has neither; the assignment is then ignored. A value written as one
    // quoted text whose inner quotes were not doubled ('O'Brien') is taken as that text.
    bool setFormula(const QString& assignment);
    bool setFormula(const QString& name, const QString& formula);
    void setSelection(const QString& formula) { m_def.selection = formula; }
    void setSortFields(const QStringList& fields);             // "+{T.F}" / "-{T.F}"; blanks skipped
    bool setSubreportSelection(const QString& name, const QString& formula);

    void setDestination(Destination d, const QString& target = {});   // PDF path, or printer name
    void setCopies(int copies) { m_copies = copies < 1 ? 1 : copies; }  // printer only
    int copies() const { return m_copies; }
    Destination destination() const { return m_destination; }
    void setPrintDate(const QDate& d) { m_printDate = d; }
    void setProgressHandler(ProgressHandler h) { m_progress = std::move(h); }
    void useProgressDialog(QWidget* parent);                  // a cancellable dialog on long runs

    // Pages produced. For the screen, the pages laid out when the preview opens (every page of a
    // short report; a long one goes on in the preview, which tells the progress handler). Raises
    // ReportError.
    ReportPrinter::Outcome run();

private:
    ReportPrinter::Outcome toPdf(const class ReportModel& model);
    ReportPrinter::Outcome toPrinter(const class ReportModel& model);
    ReportPrinter::Outcome toScreen();
    void openConnection();

    QueryRunner m_runner;
    QString m_connectionString;
    QString m_dataSourceFolder;
    int m_copies = 1;
    ReportDefinition m_def;
    Destination m_destination = Destination::Screen;
    QString m_target;
    QDate m_printDate = QDate::currentDate();
    ProgressHandler m_progress;
};

} // namespace reportengine
