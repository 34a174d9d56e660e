#pragma once
// Where report rows come from: the rows of one query, read forward once. The engine asks for a
// new source for every pass, so a source keeps no more than the row it is on.

#include "reportengine/FormulaValue.h"
#include <functional>
#include <memory>
#include <vector>

namespace reportengine {

class RowSource {
public:
    virtual ~RowSource() = default;
    // Fills row with the next row's values, in the order of the query's columns; false at the end.
    virtual bool next(std::vector<FormulaValue>& row) = 0;
};

// Runs a query (SQL Server dialect) and returns its rows. columnCount is the number of columns
// the query selects.
using QueryRunner = std::function<std::unique_ptr<RowSource>(const QString& sql, std::size_t columnCount)>;

} // namespace reportengine
