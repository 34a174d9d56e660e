#pragma once
// The engine's entry point: load a report, give it formula assignments, a selection and sort
// fields, choose where it goes (screen, printer, PDF file) and run it.

#include "ReportDefinition.h"
#include "ReportPrinter.h"
#include "RowSource.h"
#include <QDate>
#include <QStringList>

class QWidget;

namespace rpt {

class ReportJob {
public:
    enum class Destination { Screen, Printer, PdfFile };

    explicit ReportJob(QueryRunner runner) : m_runner(std::move(runner)) {}

    void load(const QString& path);                            // raises ReportError
    void setDefinition(const ReportDefinition& def) { m_def = def; }
    const ReportDefinition& definition() const { return m_def; }

    // "Name = value": sets the formula, or else the parameter, of that name (letter case ignored).
    // False when the report has neither; the assignment is then ignored.
    bool setFormula(const QString& assignment);
    bool setFormula(const QString& name, const QString& formula);
    void setSelection(const QString& formula) { m_def.selection = formula; }
    void setSortFields(const QStringList& fields);             // "+{T.F}" / "-{T.F}"; blanks skipped
    bool setSubreportSelection(const QString& name, const QString& formula);

    void setDestination(Destination d, const QString& target = {});   // PDF path, or printer name
    void setPrintDate(const QDate& d) { m_printDate = d; }
    void setProgressHandler(ProgressHandler h) { m_progress = std::move(h); }
    void useProgressDialog(QWidget* parent);                  // a cancellable dialog on long runs

    // Pages produced (for the screen, the preview's page count). Raises ReportError.
    ReportPrinter::Outcome run();

private:
    ReportPrinter::Outcome toPdf(const class ReportModel& model);
    ReportPrinter::Outcome toPrinter(const class ReportModel& model);
    ReportPrinter::Outcome toScreen();

    QueryRunner m_runner;
    ReportDefinition m_def;
    Destination m_destination = Destination::Screen;
    QString m_target;
    QDate m_printDate = QDate::currentDate();
    ProgressHandler m_progress;
};

} // namespace rpt
