#include "reports/ReportControl.h"

#include "ado/EngineTarget.h"
#include "app/SharedObjects.h"
#include "kit/MessageText.h"

#include "vb/Error.h"
#include "vb/Files.h"

namespace reports {

namespace {

constexpr int kSubscriptOutOfRange = 9;
const QString source = QStringLiteral("ReportControl");

QString key(const QString& name)
{
    return name.trimmed().toUpper();
}

} // namespace

ReportControl::Target& ReportControl::current()
{
    if (SubreportToChange.trimmed().isEmpty())
        return m_main;
    Target& sub = m_subreports[key(SubreportToChange)];
    if (sub.name.isEmpty())
        sub.name = SubreportToChange.trimmed();
    return sub;
}

const ReportControl::Target& ReportControl::current() const
{
    static const Target none;
    if (SubreportToChange.trimmed().isEmpty())
        return m_main;
    const auto it = m_subreports.find(key(SubreportToChange));
    return it == m_subreports.end() ? none : *it;
}

void ReportControl::setSelectionFormula(const QString& text)
{
    Target& t = current();
    t.selection = text;
    t.selectionSet = true;
}

void ReportControl::setFormulas(int index, const QString& assignment)
{
    if (index < 0)
        vb::raise(kSubscriptOutOfRange, {}, source);
    m_formulas[index] = assignment;
}

void ReportControl::setSortFields(int index, const QString& field)
{
    if (index < 0)
        vb::raise(kSubscriptOutOfRange, {}, source);
    m_sortFields[index] = field;
}

void ReportControl::setDestination(kit::PrintEngine::Destination destination, const QString& target)
{
    m_destination = destination;
    m_target = target;
}

void ReportControl::setAction(int action)
{
    if (action != 1)
        return;
    kit::PrintEngine::guarded(ReportFileName, logon(), [&] { run(); });
}

QString ReportControl::logon() const
{
    if (m_main.dataSource.trimmed().isEmpty())
        return m_main.connect;
    return QStringLiteral("DSN=%1; UID=%2; PWD=%3").arg(m_main.dataSource, m_main.user, m_main.password);
}

void ReportControl::run()
{
    const std::unique_ptr<kit::PrintEngine> engine = kit::PrintEngine::create();
    engine->load(vb::resolvePath(ReportFileName.trimmed()));
    apply(*engine);
    engine->setDestination(m_destination, m_target);
    engine->run();
}

void ReportControl::apply(kit::PrintEngine& engine)
{
    // Without a folder of its own the control reaches the suite database where the shared
    // connection does, as the print object does.
    const QString folder = m_dataSourceFolder.isEmpty() ? ado::EngineTarget::serverFolder(app::gDB().settings().gServidor) : m_dataSourceFolder;
    if (!folder.isEmpty())
        engine.setDataSourceFolder(folder);
    engine.setConnectionString(logon());
    for (const QString& assignment : m_formulas)
        if (!assignment.trimmed().isEmpty())
            engine.setFormula(assignment);
    if (m_main.selectionSet && !m_main.selection.trimmed().isEmpty())
        engine.setSelection(m_main.selection);
    QStringList sort;
    for (const QString& field : m_sortFields)
        if (!field.trimmed().isEmpty())
            sort << field;
    if (!sort.isEmpty())
        engine.setSortFields(sort);
    for (const Target& sub : m_subreports) {
        if (!engine.hasSubreport(sub.name))
            vb::raise(ErrorReporte,
                      QStringLiteral("El reporte %1 no tiene el subreporte %2").arg(kit::pathText(ReportFileName), kit::nameText(sub.name)),
                      source);
        // As for the main report, a blank selection keeps the sub-report's own.
        if (sub.selectionSet && !sub.selection.trimmed().isEmpty())
            engine.setSubreportSelection(sub.name, sub.selection);
    }
}

} // namespace reports
