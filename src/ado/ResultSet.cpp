#include "ado/ResultSet.h"

#include "ado/ColumnTypes.h"

namespace ado {

vb::Variant ResultSet::at(size_t row, size_t column) const
{
    vb::Variant value = values.get(row * columns.size() + column);
    ColumnTypes::pad(columns[column], value);
    return value;
}

void ResultSet::appendRow(const std::vector<vb::Variant>& row)
{
    for (const vb::Variant& v : row)
        values.push_back(v);
    ++rows;
}

} // namespace ado
