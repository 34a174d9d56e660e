#include "reports/GapReport.h"

#include "data/DB_Dll.h"
#include "ado/SqlQuoting.h"
#include "app/AppModule.h"
#include "app/SharedObjects.h"
#include "reports/ReportWindowFields.h"
#include "kit/Utilidades.h"
#include "vb/Error.h"
#include "vb/Strings.h"

#include <QList>

namespace reports {

namespace {

QString text(const ado::RecordsetPtr& rs, const QString& field)
{
    return app::gUtil().ValorTexto(rs->Value(field));
}

QString dateLiteral(const vb::Variant& value)
{
    return value.isNull() || value.isEmpty() ? QStringLiteral("NULL") : app::gUtil().FechaSQL(value);
}

QString countText(double count)
{
    return vb::Variant(count).toString();
}

} // namespace

void GeneraAuxiliarMvCpte(const ReportWindowFields& window)
{
    GapReport report(app::gDB(), app::state().startup.SeccionIni);
    report.build(window.TcoReporte(), window.fieldText(QStringLiteral("Fecha_Desde")), window.fieldText(QStringLiteral("Fecha_Hasta")));
}

void GapReport::build(const QString& tipo, const QString& fechaDesde, const QString& fechaHasta)
{
    m_rows = 0;
    const QString condition = dateCondition(fechaDesde, fechaHasta);
    m_db.AsegurarConexion();
    const ado::ConnectionPtr connection = m_db.gCnn();
    connection->BeginTrans();
    try {
        rebuild(tipo, condition);
    } catch (...) {
        connection->RollbackTrans();
        throw;
    }
    connection->CommitTrans();
}

QString GapReport::dateCondition(const QString& desde, const QString& hasta) const
{
    QString condition;
    if (vb::Trim(desde).isEmpty())
        return condition;
    condition = QStringLiteral(" AND (FECHA >= ") + app::gUtil().FechaSQL(vb::Trim(desde)) + u')';
    if (!vb::Trim(hasta).isEmpty())
        condition += QStringLiteral(" and  (FECHA <= ") + app::gUtil().FechaSQL(vb::Trim(hasta)) + u')';
    return condition;
}

void GapReport::rebuild(const QString& tipo, const QString& condition)
{
    execute(QStringLiteral("Delete aux_mayores where usuario = '") + ado::escapeSqlText(m_key) + u'\'');
    for (const Group& group : groups(tipo))
        walk(tipo, group, condition);
}

QList<GapReport::Group> GapReport::groups(const QString& tipo)
{
    QString sql = QStringLiteral("SELECT TC, SUBSTRING(IDCOMPROBANTE, 1, 4) AS sucursal, ")
                  + QStringLiteral("SUBSTRING(IDCOMPROBANTE, 13, 1) As Letra ") + QStringLiteral("From C_MV_Cpte ")
                  + QStringLiteral("GROUP BY TC, SUBSTRING(IDCOMPROBANTE, 1, 4), ")
                  + QStringLiteral("SUBSTRING(IDCOMPROBANTE, 13, 1) HAVING (TC = N'") + ado::escapeSqlText(tipo)
                  + QStringLiteral("')");
    ado::RecordsetPtr rs;
    m_db.AbrirRecordset(sql, rs, {}, 0, 1, -1, true);
    QList<Group> out;
    for (; !rs->Eof(); rs->MoveNext())
        out << Group{text(rs, QStringLiteral("Sucursal")), text(rs, QStringLiteral("Letra"))};
    m_db.CierraRecordset(rs);
    return out;
}

void GapReport::walk(const QString& tipo, const Group& group, const QString& condition)
{
    QString sql = QStringLiteral("Select * from C_mv_cpte where tc = '") + ado::escapeSqlText(tipo)
                  + QStringLiteral("' and substring(idcomprobante,1,4) = '") + ado::escapeSqlText(group.sucursal)
                  + QStringLiteral("' and substring(idcomprobante,13,1) = '") + ado::escapeSqlText(group.letra) + QStringLiteral("' ")
                  + condition + QStringLiteral(" order by idcomprobante");
    ado::RecordsetPtr rs;
    m_db.AbrirRecordset(sql, rs, {}, 0, 1, -1, true);
    const ado::FieldPtr idField = rs->Field(QStringLiteral("IdComprobante"));
    const ado::FieldPtr dateField = rs->Field(QStringLiteral("fecha"));
    Run run;
    m_groupIdsRead = false;
    m_groupIds.clear();
    while (!rs->Eof()) {
        yieldToWindow();
        const QString id = app::gUtil().ValorTexto(idField->Value());
        const double n = numberOf(id);
        if (!run.open()) {
            run.firstId = id;
            run.firstDate = dateField->Value();
        }
        run.lastId = id;
        run.lastDate = dateField->Value();
        rs->MoveNext();
        if (rs->Eof())
            break;
        const QString next = app::gUtil().ValorTexto(idField->Value());
        if (n + 1 < numberOf(next)) {
            writePresent(group, run);
            // Without a date range the next row is the next document of the group; with one,
            // the group's next document may lie outside the range, and it ends the gap.
            writeGap(group, run.lastId, condition.isEmpty() ? next : nextInGroup(tipo, group, run.lastId, next));
            run = Run();
        }
    }
    if (run.open())
        writePresent(group, run);
    m_db.CierraRecordset(rs);
}

// The group's documents of every date are read once, at its first gap: a gap ends at the group's
// next document even when that one lies outside the date range.
QString GapReport::nextInGroup(const QString& tipo, const Group& group, const QString& lastId, const QString& walkedNext)
{
    if (!m_groupIdsRead) {
        m_groupIds = groupIds(tipo, group);
        m_groupIdsRead = true;
        m_groupCursor = 0;
    }
    // Gaps come in rising order, so the cursor only moves forward.
    while (m_groupCursor < m_groupIds.size() && m_groupIds.at(m_groupCursor).compare(lastId, Qt::CaseInsensitive) <= 0)
        ++m_groupCursor;
    // The walked row is in the group and after lastId: only a document added meanwhile is missing.
    return m_groupCursor < m_groupIds.size() ? m_groupIds.at(m_groupCursor) : walkedNext;
}

QStringList GapReport::groupIds(const QString& tipo, const Group& group)
{
    QString sql = QStringLiteral("Select idcomprobante from C_mv_cpte where tc = '") + ado::escapeSqlText(tipo)
                  + QStringLiteral("' and substring(idcomprobante,1,4) = '") + ado::escapeSqlText(group.sucursal)
                  + QStringLiteral("' and substring(idcomprobante,13,1) = '") + ado::escapeSqlText(group.letra)
                  + QStringLiteral("' order by idcomprobante");
    ado::RecordsetPtr rs;
    m_db.AbrirRecordset(sql, rs, {}, 0, 1, -1, true);
    QStringList ids;
    const ado::FieldPtr id = rs->Field(QStringLiteral("IdComprobante"));
    for (; !rs->Eof(); rs->MoveNext())
        ids << app::gUtil().ValorTexto(id->Value());
    m_db.CierraRecordset(rs);
    return ids;
}

void GapReport::writeGap(const Group& group, const QString& lastId, const QString& nextId)
{
    const double hi = numberOf(nextId) - 1;
    const double lo = numberOf(lastId) + 1;
    if (hi < lo)
        return;
    writeMissing(group, missingId(lastId, lo) + u'-' + missingId(nextId, hi) + QStringLiteral(" ***"), hi - lo + 1);
}

void GapReport::writePresent(const Group& group, const Run& run)
{
    const double count = numberOf(run.lastId) - numberOf(run.firstId) + 1;
    execute(QStringLiteral("Insert into aux_mayores (Usuario,NroComprobanteBancario,fecha,vencimiento,[Importe-Debe],AP_SUCURSAL,AP_LETRA) values ('")
            + ado::escapeSqlText(m_key) + QStringLiteral("','") + ado::escapeSqlText(run.firstId + u'-' + run.lastId)
            + QStringLiteral("',") + dateLiteral(run.firstDate) + u',' + dateLiteral(run.lastDate) + u',' + countText(count) + QStringLiteral(",'")
            + ado::escapeSqlText(group.sucursal) + QStringLiteral("','") + ado::escapeSqlText(group.letra) + QStringLiteral("')"));
}

void GapReport::writeMissing(const Group& group, const QString& range, double count)
{
    execute(QStringLiteral("Insert into aux_mayores (Usuario,NroComprobanteBancario,[Importe-Haber],AP_SUCURSAL,AP_LETRA) values ('")
            + ado::escapeSqlText(m_key) + QStringLiteral("','") + ado::escapeSqlText(range) + QStringLiteral("',")
            + countText(count) + QStringLiteral(",'") + ado::escapeSqlText(group.sucursal) + QStringLiteral("','")
            + ado::escapeSqlText(group.letra) + QStringLiteral("')"));
}

void GapReport::execute(QString sql)
{
    const bool insert = sql.startsWith(QLatin1String("Insert"));
    qint64 affected = 0;
    ado::RecordsetPtr none;
    m_db.EjecutaConsultaSQL(sql, affected, none);
    if (insert)
        ++m_rows;
}

// Yielding for every document would cost more than the walk itself; a repaint every few
// milliseconds keeps the window as alive.
void GapReport::yieldToWindow()
{
    constexpr qint64 kMilliseconds = 20;
    if (m_sinceYield.isValid() && m_sinceYield.elapsed() < kMilliseconds)
        return;
    vb::DoEvents();
    m_sinceYield.start();
}

double GapReport::numberOf(const QString& id) const
{
    return app::gUtil().TextoANumero(vb::Mid(id, 5, 8)).toDouble();
}

QString GapReport::missingId(const QString& neighbour, double number)
{
    return vb::Left(neighbour, 4) + QStringLiteral("%1").arg(qint64(number), 8, 10, QChar(u'0')) + vb::Mid(neighbour, 13, 1);
}

} // namespace reports
