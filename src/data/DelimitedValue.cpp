#include "data/DelimitedValue.h"

#include "ado/SqlQuoting.h"

#include "kit/Utilidades.h"
#include "vb/Conversions.h"

namespace data {

QString DelimitedValue::number(const vb::Variant& value)
{
    const kit::Utilidades util;
    const vb::Currency amount = util.TextoANumero(vb::CStr(value));
    return util.Reemplazar(vb::CStr(vb::Variant(amount)), QStringLiteral(","), QStringLiteral("."));
}

vb::Variant DelimitedValue::value(const vb::Variant& value, const QString& kind)
{
    if (kind == QLatin1String("@"))
        return number(value.isNull() ? vb::Variant(0) : value);
    if (value.isNull())
        return QStringLiteral("NULL");
    if (kind == QLatin1String("'"))
        return ado::quoteSqlText(vb::CStr(value));
    return vb::CStr(value);
}

} // namespace data
