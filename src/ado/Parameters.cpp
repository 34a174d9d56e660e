#include "ado/Parameters.h"

#include "ado/AdoRaise.h"

namespace ado {

namespace {
QString bare(const QString& name)
{
    return name.startsWith(u'@') ? name.mid(1) : name;
}
} // namespace

ParameterPtr Parameters::Item(int index) const
{
    if (index < 0 || index >= Count())
        raiseAdo(adErrItemNotFound, AdoObject::Parameters);
    return m_items[size_t(index)];
}

ParameterPtr Parameters::Item(const QString& name) const
{
    for (const ParameterPtr& p : m_items)
        if (bare(p->Name()).compare(bare(name), Qt::CaseInsensitive) == 0)
            return p;
    raiseAdo(adErrItemNotFound, AdoObject::Parameters);
}

void Parameters::Delete(int index)
{
    Item(index);
    m_items.erase(m_items.begin() + index);
}

} // namespace ado
