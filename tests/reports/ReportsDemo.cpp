#include "ReportsDemo.h"

#include "kit/DLL_Print.h"
#include "reportengine/PdfText.h"

#include "ado/Recordset.h"

#include <QFile>
#include <QRegularExpression>

namespace {

const QByteArray listing = R"json({
  "tables": [{"name": "C_MV_CPTE", "fields": ["TC", "IdComprobante", "Cuenta", "Fecha", "FechaEntrega",
                                              "IdMotivoCpraVta", "Usuario", "Importe", "Sucursal", "Anulada"]}],
  "columns": [{"title": "Id", "value": "'#' & {C_MV_CPTE.TC} & '-' & {C_MV_CPTE.IdComprobante}", "width": 60}]
})json";

} // namespace

ReportsDemo& ReportsDemo::shared()
{
    static ReportsDemo demo;
    return demo;
}

ReportsDemo::ReportsDemo() : m_fixture(300, 23), m_connection(ado::Connection::create())
{
    m_connection->Open(m_fixture.connectionString());
    QFile file(m_programFolder.filePath(QStringLiteral("listado.rpt")));
    file.open(QIODevice::WriteOnly);
    file.write(listing);
}

QStringList ReportsDemo::column(const QString& sql, int index) const
{
    auto rs = ado::Recordset::create();
    rs->Open(sql, m_connection);
    QStringList out;
    for (; !rs->Eof(); rs->MoveNext()) {
        const vb::Variant v = rs->Fields()->Item(index)->Value();
        out << (v.isNull() ? QString() : v.toString());
    }
    return out;
}

QStringList ReportsDemo::idsWhere(const QString& where) const
{
    QStringList ids = column(QStringLiteral("SELECT TC + '-' + IdComprobante FROM C_MV_CPTE%1")
                                 .arg(where.trimmed().isEmpty() ? QString() : QStringLiteral(" WHERE ") + where));
    ids.sort();
    return ids;
}

QStringList ReportsDemo::idsSelectedByEngine(const QString& selection) const
{
    kit::DLL_Print print;
    print.pPathSistema = m_programFolder.path();
    print.setDataSourceFolder(folder());
    print.setDestino(kit::DLL_Print::PdfDestination);
    print.setPdfFile(m_programFolder.filePath(QStringLiteral("listado.pdf")));
    print.Imprimir(QStringLiteral("listado"), {}, selection, QStringLiteral("DSN=DEMO; UID=DEMO; PWD=DEMO"));
    QStringList ids;
    static const QRegularExpression id(QStringLiteral("#([A-Z]+-[0-9]{12}[A-Z])"));
    for (auto it = id.globalMatch(pdfPages(print.pdfFile()).join(u'\n')); it.hasNext();)
        ids << it.next().captured(1);
    ids.sort();
    return ids;
}
