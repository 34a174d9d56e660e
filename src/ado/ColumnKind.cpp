#include "ado/ColumnKind.h"

namespace ado {

ColumnKind columnKindOfDeclaredType(const QString& declaredType)
{
    const QString t = declaredType.section(u'(', 0, 0).trimmed().toLower();
    if (t.isEmpty())
        return ColumnKind::Unknown;
    if (t.contains(QLatin1String("char")) || t.contains(QLatin1String("text")) || t == QLatin1String("sysname"))
        return ColumnKind::Text;
    if (t.contains(QLatin1String("date")) || t.contains(QLatin1String("time")))
        return ColumnKind::Date;
    return ColumnKind::Number;
}

} // namespace ado
