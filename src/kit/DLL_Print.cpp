#include "kit/DLL_Print.h"

#include "kit/LogonMask.h"
#include "kit/MessageText.h"
#include "kit/PrintEngine.h"
#include "vb/Error.h"
#include "vb/Files.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace kit {

namespace {

static_assert(DLL_Print::ErrorReporte == PrintEngine::ErrorReporte);
constexpr int kInvalidPropertyValue = 380;
constexpr int kFileNotFound = 53;
const QString source = QStringLiteral("DLL_Print");

PrintEngine::Destination engineDestination(int destino)
{
    switch (destino) {
    case DLL_Print::DestinoImpresora: return PrintEngine::Destination::Printer;
    case DLL_Print::PdfDestination: return PrintEngine::Destination::PdfFile;
    default: return PrintEngine::Destination::Screen;
    }
}

// The extra formulas serve one report: dropped on the way out, whether it printed or not.
struct DropOnExit {
    QStringList& list;
    ~DropOnExit() { list.clear(); }
};

} // namespace

void DLL_Print::setDestino(int destino)
{
    if (destino != DestinoPantalla && destino != DestinoImpresora && destino != PdfDestination)
        vb::raise(kInvalidPropertyValue, {}, source);
    m_destino = destino;
}

void DLL_Print::AgregarFormulas(const QStringList& formulas, int slot)
{
    Q_UNUSED(slot);   // assignments go by name: the slot only says they follow Imprimir's five
    for (const QString& f : formulas)
        if (!f.trimmed().isEmpty())
            m_extraFormulas << f;
}

QString DLL_Print::reportPath(const QString& file) const
{
    QString path = vb::normalizeSeparators(file.trimmed());
    if (path.isEmpty())
        vb::raise(ErrorReporte, QStringLiteral("No se indicó el archivo del reporte"), source);
    if (!path.contains(u'/')) {
        if (pPathSistema.trimmed().isEmpty())
            vb::raise(ErrorReporte, QStringLiteral("Se debe informar la Variable pPathSistema$ del Control DLL_Print"), source);
        path = QDir(vb::normalizeSeparators(pPathSistema.trimmed())).filePath(path);
    }
    if (!path.endsWith(QLatin1String(".rpt"), Qt::CaseInsensitive))
        path += QStringLiteral(".rpt");
    const QString found = vb::resolvePath(path);
    if (!QFileInfo(found).isFile())
        vb::raise(kFileNotFound, QStringLiteral("No se encuentra el archivo del reporte ") + pathText(path), source);
    return found;
}

void DLL_Print::Imprimir(const QString& file, const QStringList& sort, const QString& selection, const QString& logon,
                         const vb::Variant& f1, const vb::Variant& f2, const vb::Variant& f3, const vb::Variant& f4,
                         const vb::Variant& f5, const QString& sr1, const QString& sr2, const QString& sr3)
{
    DropOnExit drop{m_extraFormulas};
    try {
        PrintEngine::guarded(file, logon, [&] { run(reportPath(file), sort, selection, logon, {f1, f2, f3, f4, f5}, {sr1, sr2, sr3}); });
    } catch (const vb::Error& e) {
        throw vb::Error(e.number(), LogonMask::hide(e.description(), logon), e.source());
    }
}

void DLL_Print::run(const QString& path, const QStringList& sort, const QString& selection, const QString& logon,
                    const QList<vb::Variant>& formulas, const QStringList& subreports)
{
    if (m_destino == PdfDestination && m_pdfFile.trimmed().isEmpty())
        vb::raise(ErrorReporte, QStringLiteral("No se indicó el archivo PDF del reporte"), source);
    const std::unique_ptr<PrintEngine> engine = PrintEngine::create();
    engine->load(path);
    if (!m_dataSourceFolder.isEmpty())
        engine->setDataSourceFolder(m_dataSourceFolder);
    engine->setConnectionString(logon);
    for (const vb::Variant& f : formulas)
        if (!f.isMissing() && !f.isNull() && !f.isEmpty() && !f.toString().trimmed().isEmpty())
            engine->setFormula(f.toString());
    for (const QString& f : m_extraFormulas)
        engine->setFormula(f);
    if (!selection.trimmed().isEmpty())
        engine->setSelection(selection);
    if (std::any_of(sort.begin(), sort.end(), [](const QString& s) { return !s.trimmed().isEmpty(); }))
        engine->setSortFields(sort);
    for (const QString& name : subreports)
        if (!name.trimmed().isEmpty() && !engine->hasSubreport(name))
            vb::raise(ErrorReporte, QStringLiteral("El reporte %1 no tiene el subreporte %2").arg(pathText(path), nameText(name.trimmed())),
                      source);
    engine->setDestination(engineDestination(m_destino), m_destino == PdfDestination ? m_pdfFile : QString());
    engine->run();
}

} // namespace kit
