#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace ado {

// What the translator needs to know of a column named in a statement.
enum class ColumnKind { Unknown, Text, Number, Date };

// Answers by bare column name, looking first in the tables the statement names.
using ColumnKindLookup = std::function<ColumnKind(const QString& column, const QStringList& tables)>;
// The same for one statement, its tables already known.
using ColumnKindOf = std::function<ColumnKind(const QString& column)>;

ColumnKind columnKindOfDeclaredType(const QString& declaredType);

} // namespace ado
