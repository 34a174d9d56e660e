#include "reportengine/ReportJob.h"
#include "reportengine/AdoRowSource.h"
#include "reportengine/DefinitionReader.h"
#include "reportengine/FormulaError.h"
#include "reportengine/FormulaParser.h"
#include "reportengine/PdfOutput.h"
#include "reportengine/PreviewWindow.h"
#include "reportengine/ReportError.h"
#include "reportengine/ReportModel.h"
#include "reportengine/SystemPrinters.h"
#include "ado/Connection.h"
#include "ado/ConnectionString.h"
#include "ui/DialogService.h"
#include <vb/Error.h>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QProgressDialog>

namespace reportengine {

void ReportJob::load(const QString& path)
{
    m_def = DefinitionReader::readFile(path);
}

void ReportJob::setConnection(std::shared_ptr<ado::Connection> connection)
{
    m_connectionString.clear();
    m_runner = connection ? AdoRowSource::runner(std::move(connection)) : QueryRunner();
}

void ReportJob::setConnectionString(const QString& text)
{
    if (text.trimmed().isEmpty())
        return;
    m_runner = {};
    m_connectionString = text;
}

QString ReportJob::resolvedConnectionString(const QString& text) const
{
    const ado::ConnectionString logon(text);
    const QString dsn = logon.value(QStringLiteral("DSN"));
    if (dsn.isEmpty() || logon.contains(QStringLiteral("Driver")) || m_dataSourceFolder.isEmpty())
        return text;
    // File names are matched without regard to letter case, as on the suite's Windows machines.
    const QDir folder(m_dataSourceFolder);
    for (const QString& file : folder.entryList({QStringLiteral("*.db")}, QDir::Files))
        if (file.compare(dsn + QStringLiteral(".db"), Qt::CaseInsensitive) == 0)
            return QStringLiteral("Server=%1;Database=%2;UID=%3;PWD=%4")
                .arg(folder.absolutePath(), QFileInfo(file).completeBaseName(), logon.value(QStringLiteral("UID")),
                     logon.value(QStringLiteral("PWD")));
    return text;
}

void ReportJob::openConnection()
{
    if (m_runner)
        return;
    if (m_connectionString.trimmed().isEmpty())
        throw ReportError(QStringLiteral("el informe no tiene conexión con la base de datos"));
    auto connection = ado::Connection::create();
    try {
        connection->Open(resolvedConnectionString(m_connectionString));
    } catch (const vb::Error& e) {
        throw ReportError(QStringLiteral("no se pudo abrir la base de datos: %1").arg(e.description()));
    }
    // Kept, so that a job run again (or its preview) does not log on anew.
    m_runner = AdoRowSource::runner(std::move(connection));
}

bool ReportJob::setFormula(const QString& assignment)
{
    const qsizetype eq = assignment.indexOf(u'=');
    if (eq <= 0)
        return false;
    return setFormula(assignment.left(eq).trimmed(), assignment.mid(eq + 1).trimmed());
}

// 'O'Brien SA' does not parse; the caller meant the text between the outer quotes.
static QString readableFormula(const QString& formula)
{
    const QString v = formula.trimmed();
    if (v.size() < 2 || v.front() != u'\'' || v.back() != u'\'')
        return formula;
    try {
        FormulaParser::parse(v);
        return formula;
    } catch (const FormulaError&) {
        QString inner = v.mid(1, v.size() - 2);
        return u'\'' + inner.replace(u'\'', QStringLiteral("''")) + u'\'';
    }
}

bool ReportJob::setFormula(const QString& name, const QString& formula)
{
    for (NamedText& f : m_def.formulas)
        if (f.name.compare(name, Qt::CaseInsensitive) == 0) {
            f.text = readableFormula(formula);
            return true;
        }
    // A parameter takes the value of the text: 'abc' gives abc.
    for (NamedText& p : m_def.parameters)
        if (p.name.compare(name, Qt::CaseInsensitive) == 0) {
            QString v = formula.trimmed();
            if (v.size() >= 2 && (v.front() == u'\'' || v.front() == u'"') && v.back() == v.front())
                v = v.mid(1, v.size() - 2).replace(QString(2, v.front()), QString(v.front()));
            p.text = v;
            return true;
        }
    return false;
}

void ReportJob::setSortFields(const QStringList& fields)
{
    m_def.sort.clear();
    for (const QString& f : fields)
        if (!f.trimmed().isEmpty())
            m_def.sort.push_back(SortField::parse(f));
}

bool ReportJob::setSubreportSelection(const QString& name, const QString& formula)
{
    for (SubreportDef& s : m_def.subreports)
        if (s.name.compare(name, Qt::CaseInsensitive) == 0) {
            // The definition may share this sub-report with other jobs: change a copy.
            s.report = std::make_shared<ReportDefinition>(*s.report);
            s.report->selection = formula;
            return true;
        }
    return false;
}

void ReportJob::setDestination(Destination d, const QString& target)
{
    m_destination = d;
    m_target = target;
}

void ReportJob::useProgressDialog(QWidget* parent)
{
    auto dialog = std::make_shared<QProgressDialog>(QStringLiteral("Generando el informe..."), QStringLiteral("Cancelar"), 0, 0, parent);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setMinimumDuration(700);
    m_progress = [dialog](int done, int total) {
        dialog->setMaximum(total);
        dialog->setValue(total ? done : 0);
        dialog->setLabelText(total ? QStringLiteral("Página %1 de %2").arg(done).arg(total)
                                   : QStringLiteral("Contando páginas: %1").arg(done));
        QCoreApplication::processEvents();
        return !dialog->wasCanceled();
    };
}

ReportPrinter::Outcome ReportJob::run()
{
    if (m_def.tables.empty())
        throw ReportError(QStringLiteral("no hay ningún informe cargado"));
    openConnection();
    if (m_destination == Destination::Screen)
        return toScreen();
    const ReportModel model(m_def);
    return m_destination == Destination::PdfFile ? toPdf(model) : toPrinter(model);
}

ReportPrinter::Outcome ReportJob::toPdf(const ReportModel& model)
{
    ReportPrinter printer(model, m_runner);
    printer.setPrintDate(m_printDate);
    printer.setProgressHandler(m_progress);
    return PdfOutput::write(m_target, m_def.title, [&printer](QPagedPaintDevice& device) { return printer.print(device); });
}

ReportPrinter::Outcome ReportJob::toPrinter(const ReportModel& model)
{
    // Said before the report is read, in the operator's words: the device alone would only
    // fail to open.
    if (const QString problem = SystemPrinters::problem(m_target); !problem.isEmpty())
        throw ReportError(problem);
    QPrinter device(QPrinter::HighResolution);
    if (!m_target.isEmpty())
        device.setPrinterName(m_target);
    device.setFullPage(true);
    device.setCopyCount(m_copies);
    device.setDocName(m_def.title);
    ReportPrinter printer(model, m_runner);
    printer.setPrintDate(m_printDate);
    printer.setProgressHandler(m_progress);
    return printer.print(device);
}

ReportPrinter::Outcome ReportJob::toScreen()
{
    auto* window = new PreviewWindow(std::make_shared<ReportModel>(m_def), m_runner);
    window->setPrintDate(m_printDate);
    window->setProgressHandler(m_progress);
    window->setAttribute(Qt::WA_DeleteOnClose);
    ReportPrinter::Outcome out;
    out.pages = window->pageCount();
    ui::DialogService::instance().showModeless(window);
    return out;
}

} // namespace reportengine
