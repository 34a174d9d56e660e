#include "lookup/FilteredStatement.h"

#include "lookup/LookupFilter.h"
#include "vb/Strings.h"

namespace lookup {

bool FilteredStatement::isEmpty() const
{
    return vb::Trim(m_base).isEmpty();
}

void FilteredStatement::addCondition(const QString& condition)
{
    m_conditions.append(condition);
}

void FilteredStatement::setOrder(const QString& orderClause)
{
    m_order = orderClause;
}

QString FilteredStatement::text() const
{
    if (m_conditions.isEmpty())
        return m_base + m_order;
    const LookupFilter::Parts parts = LookupFilter::split(m_base);
    QString text = parts.base;
    bool where = m_base.contains(QLatin1String("where"), Qt::CaseInsensitive);
    for (const QString& condition : m_conditions) {
        text += where ? QStringLiteral(" and ") : QStringLiteral(" where ");
        text += condition;
        where = true;
    }
    return text + parts.tail + m_order;
}

} // namespace lookup
