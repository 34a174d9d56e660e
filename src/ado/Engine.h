#pragma once

#include "ado/Cursor.h"
#include "ado/ResultSet.h"

#include <QString>
#include <memory>
#include <vector>

namespace ado {

// Rows of a schema rowset are filtered by the non-empty restrictions, ADO's order:
// tables (catalog, schema, table, type), columns (catalog, schema, table, column).
using Restrictions = std::vector<QString>;

// One database engine behind a Connection. Failures throw DatabaseFailure. An engine is
// used from one thread at a time, the one that owns its Connection.
class Engine {
public:
    virtual ~Engine() = default;

    virtual void close() = 0;
    virtual ExecuteResult execute(const QString& sql, int timeoutSeconds) = 0;
    // The first row set of sql as a cursor; its values and types are those execute would give.
    virtual CursorPtr openCursor(const QString& sql, int timeoutSeconds) = 0;
    // Runs SQL of this engine's own dialect with values bound to its "?" marks.
    virtual ExecuteResult executeBound(const QString& sql, const std::vector<vb::Variant>& values) = 0;
    virtual ExecuteResult callProcedure(const QString& name, const std::vector<std::pair<QString, vb::Variant>>& parameters,
                                        int timeoutSeconds) = 0;
    virtual void beginTransaction() = 0;
    virtual void commit() = 0;
    virtual void rollback() = 0;
    virtual ResultSet tables(const Restrictions& restrictions) = 0;
    virtual ResultSet columns(const Restrictions& restrictions) = 0;
    virtual QString defaultDatabase() const = 0;
    virtual void setDefaultDatabase(const QString& name) = 0;
    virtual void setIsolationLevel(int adoLevel) = 0;
    // After an INSERT through executeBound: the key the engine gave the new row, or Empty.
    virtual vb::Variant lastInsertedKey() = 0;
    virtual QString quoteName(const QString& name) const = 0;
};

using EnginePtr = std::unique_ptr<Engine>;

} // namespace ado
