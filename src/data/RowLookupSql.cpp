#include "data/RowLookupSql.h"

#include "ado/SqlQuoting.h"
#include "vb/Conversions.h"
#include "vb/Strings.h"

namespace data {

RowLookupSql::Kind RowLookupSql::kindOf(const vb::Variant& tipoDato)
{
    if (!tipoDato.isNumeric())
        return Kind::Verbatim;
    switch (int(tipoDato.toDouble())) {
    case 8: return Kind::Text;
    case 7: return Kind::Date;
    case 3: case 4: case 5: return Kind::Number;
    default: return Kind::Verbatim;
    }
}

QString RowLookupSql::numberText(const QString& valor)
{
    // The server wants "." whatever the regional separator is.
    return vb::Trim(vb::CStr(vb::Variant(vb::Val(valor)))).replace(u',', u'.');
}

QString RowLookupSql::whereJoin(const QString& condicion)
{
    return condicion.contains(QLatin1String(" WHERE "), Qt::CaseInsensitive) ? QStringLiteral(" ")
                                                                              : QStringLiteral(" WHERE ");
}

QString RowLookupSql::existeEnTablaST(const QString& tabla, const QString& valor, const QString& campo,
                                      const vb::Variant& tipoDato, const QString& condicion)
{
    if (!condicion.isEmpty())
        return QStringLiteral("SELECT * FROM ") + tabla + QStringLiteral(" with(nolock)  ") + whereJoin(condicion)
             + condicion;
    const QString head = QStringLiteral("SELECT * FROM ") + tabla + QStringLiteral(" with(nolock)   WHERE ") + campo;
    switch (kindOf(tipoDato)) {
    case Kind::Text: return head + QStringLiteral(" ='") + ado::escapeSqlText(valor) + u'\'';
    case Kind::Date: return head + QStringLiteral(" = ") + vb::Trim(valor) + u' ';
    case Kind::Number: return head + QStringLiteral(" = ") + numberText(valor);
    case Kind::Verbatim: break;
    }
    return head + QStringLiteral(" = ") + valor;
}

QString RowLookupSql::existeEnTabla(const QString& tabla, const QString& valor, const QString& campo,
                                    const vb::Variant& tipoDato, const QString& condicion)
{
    if (!condicion.isEmpty())
        return QStringLiteral("SELECT TOP 1 * FROM ") + tabla + QStringLiteral(" with(nolock) ") + whereJoin(condicion)
             + condicion;
    const QString head = QStringLiteral("SELECT TOP 1 * FROM ") + tabla + QStringLiteral(" with(nolock)  WHERE ");
    switch (kindOf(tipoDato)) {
    case Kind::Text:
        return QStringLiteral("SELECT TOP 1  * FROM ") + tabla + QStringLiteral(" with(nolock)  WHERE LTRIM(RTRIM(")
             + campo + QStringLiteral(")) ='") + ado::escapeSqlText(vb::Trim(valor)) + u'\'';
    case Kind::Date: return head + campo + QStringLiteral(" = ") + vb::Trim(valor) + u' ';
    case Kind::Number: return head + campo + QStringLiteral(" = ") + numberText(valor);
    case Kind::Verbatim: break;
    }
    return head + campo + QStringLiteral(" = ") + valor;
}

QString RowLookupSql::datosTabla(const QString& tabla, const QString& valor, const QString& campo,
                                 const vb::Variant& tipoDato, const QString& condicion, bool usaTrim)
{
    const QString joiner = vb::Trim(condicion).isEmpty() ? QString() : QStringLiteral(" AND ");
    const QString tail = joiner + condicion;
    const QString head = QStringLiteral("SELECT TOP 1 * FROM ") + tabla + QStringLiteral(" with(nolock)  WHERE ");
    switch (kindOf(tipoDato)) {
    case Kind::Text:
        if (usaTrim)
            return head + QStringLiteral("LTRIM(RTRIM(") + campo + QStringLiteral(")) ='")
                 + ado::escapeSqlText(vb::Trim(valor)) + QStringLiteral("' ") + tail;
        return head + campo + QStringLiteral(" ='") + ado::escapeSqlText(valor) + QStringLiteral("' ") + tail;
    case Kind::Date: return head + campo + QStringLiteral(" = #") + vb::Trim(valor) + QStringLiteral("# ") + tail;
    case Kind::Number: return head + campo + QStringLiteral(" = ") + numberText(valor) + tail;
    case Kind::Verbatim: break;
    }
    return head + campo + QStringLiteral(" = ") + valor + tail;
}

} // namespace data
