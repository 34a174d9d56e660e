#include "ado/ResultSet.h"

#include "ado/ColumnTypes.h"

namespace ado {

vb::Variant ResultSet::at(size_t row, size_t column) const
{
    return ColumnTypes::padded(columns[column], values.get(row * columns.size() + column));
}

void ResultSet::appendRow(const std::vector<vb::Variant>& row)
{
    for (const vb::Variant& v : row)
        values.push_back(v);
    ++rows;
}

} // namespace ado
