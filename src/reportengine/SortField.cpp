#include "reportengine/ReportDefinition.h"

namespace reportengine {

SortField SortField::parse(const QString& text)
{
    SortField s;
    QString t = text.trimmed();
    if (t.startsWith(u'+') || t.startsWith(u'-')) {
        s.descending = t.startsWith(u'-');
        t = t.mid(1).trimmed();
    }
    s.field = t;
    return s;
}

} // namespace reportengine
