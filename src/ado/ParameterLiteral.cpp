#include "ado/ParameterLiteral.h"

#include "ado/DateText.h"
#include "ado/SqlQuoting.h"

namespace ado {

QString ParameterLiteral::fromVariant(const vb::Variant& value)
{
    switch (value.type()) {
    case vb::VarType::Empty:
    case vb::VarType::Null:
    case vb::VarType::Error:
        return QStringLiteral("NULL");
    case vb::VarType::Boolean:
        return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    case vb::VarType::Byte:
    case vb::VarType::Integer:
    case vb::VarType::Long:
        return QString::number(value.toLong());
    case vb::VarType::Single:
    case vb::VarType::Double:
        return QString::number(value.toDouble(), 'g', 17);
    case vb::VarType::Currency:
        return value.toDecimal().toString(u'.');
    case vb::VarType::Decimal:
        return value.toDecimal().toString(u'.');
    case vb::VarType::Date:
        return QStringLiteral("{ts '%1'}").arg(DateText::format(value.toDate().toDateTime()));
    default:
        return quoteSqlText(value.toString());
    }
}

} // namespace ado
