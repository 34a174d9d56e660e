#pragma once

#include "ado/StatementShape.h"
#include "ado/TokenView.h"

namespace ado {

// The structural part of the translation, after the typed rewrite: TOP becomes LIMIT (WITH
// TIES and PERCENT through a count of the rows that qualify), UPDATE ... FROM and DELETE ...
// FROM with the target among the joined tables become statements on the target's rows found
// by that join, and DELETE without FROM gets it. Returns the statement's SQLite text.
class SqliteShaper {
public:
    SqliteShaper(TokenView& view, const StatementShape& shape) : m_view(view), m_shape(shape) {}
    QString render();

private:
    void limit(const SelectCore& core);
    QString tiesLimit(const SelectCore& core, const QString& count) const;
    QString orderKey(const SelectCore& core, int from, int to) const;
    QString updateThroughJoin() const;
    QString deleteThroughJoin() const;
    QString rendered() const;

    TokenView& m_view;
    const StatementShape& m_shape;
};

} // namespace ado
