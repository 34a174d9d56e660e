#pragma once

#include <QString>
#include <QStringList>

namespace ado {

// What the translator asks of the database's tables to type the expressions of a statement.
// Names are matched without regard to case.
class SqlSchema {
public:
    virtual ~SqlSchema() = default;
    // The declared type of a column of a table or view; empty when either is unknown.
    virtual QString declaredType(const QString& table, const QString& column) const = 0;
    // The columns of a table or view in their order; empty when the table is unknown.
    virtual QStringList columns(const QString& table) const = 0;
    // A column named without a table the statement names: its declared type when every table
    // that has such a column agrees on it, else empty.
    virtual QString declaredTypeAnywhere(const QString& column) const = 0;
};

} // namespace ado
