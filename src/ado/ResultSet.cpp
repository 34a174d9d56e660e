#include "ado/ResultSet.h"

#include "ado/AdoEnums.h"

namespace ado {

vb::Variant ResultSet::at(size_t row, size_t column) const
{
    const ColumnInfo& info = columns[column];
    if (info.type != adChar && info.type != adWChar)
        return values.get(row * columns.size() + column);
    const vb::Variant v = values.get(row * columns.size() + column);
    if (v.isString() && v.stringRef().size() < info.definedSize)
        return vb::Variant(v.stringRef().leftJustified(qsizetype(info.definedSize), u' '));
    return v;
}

void ResultSet::appendRow(const std::vector<vb::Variant>& row)
{
    for (const vb::Variant& v : row)
        values.push_back(v);
    ++rows;
}

} // namespace ado
