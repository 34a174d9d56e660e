#include "lookup/LookupStatement.h"

#include "data/DB_Dll.h"
#include "kit/Utilidades.h"
#include "vb/Conversions.h"
#include "vb/Error.h"
#include "vb/Strings.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace lookup {

namespace {

constexpr qint32 kDefaultTop = 1000;

bool has(const QString& text, const char* part)
{
    return text.contains(QLatin1String(part), Qt::CaseInsensitive);
}

QString topClause(qint32 top)
{
    return QStringLiteral("SELECT TOP ") + QString::number(top) + u' ';
}

} // namespace

qint32 LookupStatement::rowLimit(const QString& topConsArt)
{
    const double rounded = vb::detail::bankersRound(vb::Val(topConsArt));
    if (!(rounded >= 1))
        return kDefaultTop;
    if (rounded > double(std::numeric_limits<qint32>::max()))
        return std::numeric_limits<qint32>::max();
    return qint32(rounded);
}

void LookupStatement::wrapCondition(QString& where)
{
    if (vb::Trim(where).size() > 1 && !where.startsWith(u'('))
        where = QStringLiteral(" (") + where + QStringLiteral(") ");
}

bool LookupStatement::isSelectText(const QString& sql)
{
    const QString text = sql.trimmed();
    static const QString keyword = QStringLiteral("SELECT");
    if (!text.startsWith(keyword, Qt::CaseInsensitive))
        return false;
    if (text.size() == keyword.size())
        return true;
    const QChar next = text.at(keyword.size());
    return !(next.isLetterOrNumber() || next == u'_' || next == u'@' || next == u'#' || next == u'$');
}

QString LookupStatement::fromSelect(const QString& sql, QString& where)
{
    QString out = sql;
    if (has(out, "V_MA_ARTICULOS"))
        out = kit::Utilidades().ReemplazarEnSQL(out, QStringLiteral("V_MA_ARTICULOS"), QStringLiteral("VT_MA_ARTICULOS"));
    if (!vb::Trim(where).isEmpty()) {
        if (!has(where, "WHERE"))
            where = QStringLiteral(" WHERE ") + where;
        out += where;
    }
    return out;
}

bool LookupStatement::hasTopLevelOr(const QString& condition)
{
    int depth = 0;
    bool quoted = false;
    const auto wordChar = [](QChar c) { return c.isLetterOrNumber() || c == u'_'; };
    for (qsizetype i = 0; i < condition.size(); ++i) {
        const QChar c = condition.at(i);
        if (c == u'\'') {
            quoted = !quoted;
        } else if (quoted) {
            continue;
        } else if (c == u'(') {
            ++depth;
        } else if (c == u')') {
            depth = std::max(0, depth - 1);
        } else if (depth == 0 && (c == u'o' || c == u'O') && i + 1 < condition.size()
                   && (condition.at(i + 1) == u'r' || condition.at(i + 1) == u'R')) {
            const bool startsWord = i == 0 || !wordChar(condition.at(i - 1));
            const bool endsWord = i + 2 >= condition.size() || !wordChar(condition.at(i + 2));
            if (startsWord && endsWord)
                return true;
        }
    }
    return false;
}

QString LookupStatement::bothConditions(const QString& first, const QString& second)
{
    if (vb::Trim(first).isEmpty())
        return second;
    if (vb::Trim(second).isEmpty())
        return first;
    const auto part = [](const QString& condition) {
        return hasTopLevelOr(condition) ? u'(' + condition + u')' : condition;
    };
    return part(first) + QStringLiteral(" and ") + part(second);
}

QString LookupStatement::maskColumns(const MascaraConsulta& record)
{
    QString cols = vb::Trim(kit::Utilidades().Reemplazar(record.Campos, QStringLiteral("|"), QStringLiteral(",")));
    if (cols.startsWith(u','))
        cols.remove(0, 1);
    if (cols.endsWith(u','))
        cols.chop(1);
    if (vb::Trim(cols).isEmpty())
        cols = QStringLiteral("*");
    return cols;
}

QString LookupStatement::maskCondition(const MascaraConsulta& record, const QString& where, QString& table)
{
    // The caller's condition narrows the mask's own; it never replaces it.
    QString cond = vb::Trim(kit::Utilidades().QuitarCaracteres(record.Condicion, vb::Chr(0), vb::Chr(255)));
    cond = bothConditions(cond, where);
    QString byDefault;
    if (vb::textEqualsAny(table, {"VT_PROVEEDORES", "VT_CLIENTES"})) {
        byDefault = QStringLiteral("Dada_De_Baja = 0");
    } else if (vb::textEquals(table, QStringLiteral("V_MA_ARTICULOS"))) {
        table = QStringLiteral("VT_MA_ARTICULOS");
        byDefault = QStringLiteral("SUSPENDIDO = 0");
    }
    if (vb::Trim(cond).isEmpty() && !byDefault.isEmpty())
        cond = byDefault;
    return cond;
}

bool LookupStatement::fromMask(const MascaraConsulta& record, qint32 top, const QString& where, QString& campoBusqueda,
                               QString& sql)
{
    QString table = record.tablaLimpia();
    const QString cols = maskColumns(record);
    if (vb::Trim(campoBusqueda).isEmpty()) {
        if (!cols.contains(u','))
            return false;
        campoBusqueda = cols.left(cols.indexOf(u','));
    }
    const QString cond = maskCondition(record, where, table);
    const QString joint = vb::Trim(cond).isEmpty() ? QString() : QStringLiteral(" WHERE ");
    if (!vb::Trim(campoBusqueda).isEmpty())
        sql = topClause(top) + cols + QStringLiteral(" FROM ") + table + QStringLiteral("  with(nolock) ") + joint + cond
            + QStringLiteral(" ORDER BY ") + campoBusqueda;
    else
        sql = topClause(top) + cols + QStringLiteral(" FROM ") + table + QStringLiteral(" with(nolock) ") + joint + cond;
    return true;
}

QString LookupStatement::fixedColumns(const QString& name, QString& campoBusqueda)
{
    const QString table = vb::Trim(name);
    if (vb::textEquals(table, QStringLiteral("V_TA_Unidad"))) {
        campoBusqueda = QStringLiteral("IdUnidad");
        return QStringLiteral("Descripcion,IdUnidad,");
    }
    if (vb::textEquals(table, QStringLiteral("V_TA_DEPOSITO"))) {
        campoBusqueda = QStringLiteral("IdDeposito");
        return QStringLiteral("Descripcion,Unidad,IdDeposito,");
    }
    if (vb::textEquals(table, QStringLiteral("V_TA_STATUS"))) {
        campoBusqueda = QStringLiteral("CodigoEstado");
        return QStringLiteral("Descripcion,Tipo,CodigoEstado,");
    }
    return {};
}

void LookupStatement::addProbedField(const QString& name, const QString& field, QString& cols, QString& campoBusqueda)
{
    if (vb::textEqualsAny(field, {"ID", "FECHAHORA_MODIFICACION", "FECHAHORA_GRABACION"})) {
        if (vb::textEqualsAny(vb::Trim(name), {"v_mv_mutuales", "V_MV_TROPA_STOCK"})) {
            cols = field + u',' + cols;
            campoBusqueda = field;
        }
        return;
    }
    // A lookup never shows stored passwords (the users' table has one).
    if (vb::textEquals(field, QStringLiteral("PASSWORD")))
        return;
    if (vb::textEqualsAny(field, {"DESCRIPCION", "NOMBRE", "DETALLE"})) {
        cols = field + u',' + cols;
        campoBusqueda = field;
        return;
    }
    if (vb::Trim(cols).isEmpty())
        campoBusqueda = field;
    cols = field + u',' + cols;
}

QString LookupStatement::probedColumns(const QString& name, QString& campoBusqueda)
{
    data::DB_Dll& db = data::gDB();
    QString probe = QStringLiteral("select top 1 * from ") + name;
    ado::RecordsetPtr rs;
    QString cols;
    vb::Trap skip = vb::Trap::skipping();
    skip.run([&] { db.AbrirRecordset(probe, rs, {}, 0, 1, -1, true); });
    skip.run([&] {
        const ado::FieldsPtr fields = rs->Fields();
        for (int i = 0; i < fields->Count(); ++i)
            addProbedField(name, fields->Item(i)->Name(), cols, campoBusqueda);
    });
    skip.run([&] { db.CierraRecordset(rs); });
    return cols;
}

QString LookupStatement::builtIn(const QString& name, qint32 top, const QString& where, QString& campoBusqueda)
{
    QString cols = fixedColumns(name, campoBusqueda);
    if (cols.isEmpty())
        cols = probedColumns(name, campoBusqueda);
    if (vb::Trim(cols).isEmpty())
        cols = QStringLiteral(" * ");
    else
        cols.chop(1);
    const QString cond = u' ' + where;
    const QString joint = vb::Trim(cond).isEmpty() ? QString() : QStringLiteral(" WHERE ");
    QString sql = topClause(top) + cols + QStringLiteral(" FROM ") + name + joint + cond;
    if (!vb::Trim(campoBusqueda).isEmpty())
        sql += QStringLiteral(" ORDER BY ") + campoBusqueda;
    return sql;
}

} // namespace lookup
