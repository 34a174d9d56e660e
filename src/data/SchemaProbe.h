#pragma once
// Questions about the shape of a database, answered from its catalogue: does a table (or view)
// exist, does a table have a column; and the statement that adds a column. Names are compared
// without regard to case and surrounding blanks.

#include "ado/Connection.h"
#include "vb/Error.h"
#include "vb/Variant.h"

#include <QString>

namespace data {

class SchemaProbe {
public:
    // A catalogue read that fails goes to `onError`, whose answer is that of an error trap
    // (Retry reads again; any other answer gives "not found").
    SchemaProbe(ado::ConnectionPtr connection, QString database, vb::Trap::Handler onError);

    bool hasTable(const QString& table) const;
    bool hasColumn(const QString& table, const QString& column) const;

    static QString addColumnStatement(const QString& table, const QString& column, const QString& type,
                                      bool nullable, const vb::Variant& defaultValue);

private:
    bool scan(int schema, const std::vector<QString>& restrictions, const QString& nameColumn,
              const QString& name) const;

    ado::ConnectionPtr m_connection;
    QString m_database;
    vb::Trap::Handler m_onError;
};

} // namespace data
