#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace ado {

// A stored procedure body of the embedded engine names its parameters as @Name; a call puts
// each argument's literal in their place. Variables the body declares itself are its own.
class StoredProcedureText {
public:
    // Parameter names (without "@") in the order they first appear: the positional order.
    static QStringList parameters(const QString& body);
    // Replaces @Name (any case) by literals[name lower-cased]; a parameter left out is NULL.
    static QString bind(const QString& body, const QHash<QString, QString>& literals);
};

} // namespace ado
