#include "ado/RowWriter.h"

#include "ado/AdoRaise.h"
#include "ado/Connection.h"
#include "ado/Engine.h"

#include <vb/Error.h>

namespace ado {

RowWriter::RowWriter(Connection& connection, RecordsetState& state)
    : m_connection(connection)
    , m_state(state)
    , m_table(baseTable())
{
}

QString RowWriter::baseTable() const
{
    QString table;
    for (const ColumnInfo& c : m_state.data.columns) {
        if (c.baseTable.isEmpty())
            continue;
        if (!table.isEmpty() && c.baseTable.compare(table, Qt::CaseInsensitive) != 0)
            raiseAdo(adErrNotSupported);   // a join: ADO would need unique table information
        table = c.baseTable;
    }
    if (table.isEmpty())
        raiseAdo(adErrNotSupported);
    return table;
}

bool RowWriter::writable(size_t column) const
{
    return !m_state.data.columns[column].baseTable.isEmpty();
}

bool RowWriter::sameValue(const vb::Variant& a, const vb::Variant& b)
{
    if (a.isNull() || b.isNull() || a.isEmpty() || b.isEmpty())
        return a.type() == b.type();
    try {
        return a.type() == b.type() && a.equals(b);
    } catch (const vb::Error&) {
        return false;
    }
}

bool RowWriter::hasWholeKey() const
{
    int present = 0;
    int needed = 0;
    for (const ColumnInfo& c : m_state.data.columns) {
        if (c.key) {
            ++present;
            needed = c.tableKeyColumns;
        }
    }
    return present > 0 && present == needed;
}

QString RowWriter::whereClause(std::vector<vb::Variant>& values) const
{
    const bool byKey = hasWholeKey();
    const auto& columns = m_state.data.columns;
    Engine& engine = m_connection.engine();
    QStringList tests;
    for (size_t i = 0; i < columns.size(); ++i) {
        if (!writable(i) || (byKey && !columns[i].key))
            continue;
        const vb::Variant original = m_state.data.at(size_t(m_state.position), i);
        const QString name = engine.quoteName(columns[i].baseColumn);
        if (original.isNull()) {
            tests << name + QStringLiteral(" IS NULL");
        } else {
            tests << name + QStringLiteral(" = ?");
            values.push_back(original);
        }
    }
    return tests.join(QStringLiteral(" AND "));
}

void RowWriter::insert()
{
    Engine& engine = m_connection.engine();
    const auto& columns = m_state.data.columns;
    QStringList names, marks;
    std::vector<vb::Variant> values;
    for (size_t i = 0; i < columns.size(); ++i) {
        if (!writable(i) || m_state.editBuffer[i].isEmpty())
            continue;
        names << engine.quoteName(columns[i].baseColumn);
        marks << QStringLiteral("?");
        values.push_back(m_state.editBuffer[i]);
    }
    const QString sql = names.isEmpty()
        ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(engine.quoteName(m_table))
        : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(engine.quoteName(m_table), names.join(u','), marks.join(u','));
    m_connection.runBound(sql, values);
    const vb::Variant key = m_connection.lastInsertedKey();
    for (size_t i = 0; i < columns.size(); ++i) {
        if (columns[i].autoIncrement && m_state.editBuffer[i].isEmpty() && !key.isEmpty())
            m_state.editBuffer[i] = key;
        if (m_state.editBuffer[i].isEmpty())
            m_state.editBuffer[i] = vb::Variant::null();
    }
    m_state.data.appendRow(m_state.editBuffer);
    m_state.position = m_state.rowCount() - 1;
}

void RowWriter::update()
{
    Engine& engine = m_connection.engine();
    const auto& columns = m_state.data.columns;
    QStringList sets;
    std::vector<vb::Variant> values;
    for (size_t i = 0; i < columns.size(); ++i) {
        if (!writable(i) || sameValue(m_state.editBuffer[i], m_state.data.at(size_t(m_state.position), i)))
            continue;
        sets << engine.quoteName(columns[i].baseColumn) + QStringLiteral(" = ?");
        values.push_back(m_state.editBuffer[i].isEmpty() ? vb::Variant::null() : m_state.editBuffer[i]);
    }
    if (!sets.isEmpty()) {
        const QString where = whereClause(values);
        const QString sql = QStringLiteral("UPDATE %1 SET %2 WHERE %3").arg(engine.quoteName(m_table), sets.join(u','), where);
        if (m_connection.runBound(sql, values).recordsAffected == 0)
            rowNotFound();
    }
    for (size_t c = 0; c < columns.size(); ++c)
        m_state.data.set(size_t(m_state.position), c, m_state.editBuffer[c]);
}

void RowWriter::remove()
{
    std::vector<vb::Variant> values;
    const QString where = whereClause(values);
    const QString sql = QStringLiteral("DELETE FROM %1 WHERE %2").arg(m_connection.engine().quoteName(m_table), where);
    if (m_connection.runBound(sql, values).recordsAffected == 0)
        rowNotFound();
    m_state.data.eraseRow(size_t(m_state.position));
}

void RowWriter::rowNotFound()
{
    throw vb::Error(-2147217864, QStringLiteral("No se encuentra la fila para actualizarla. Algunos valores pueden haber cambiado desde la última vez que se leyó."),
                    QStringLiteral("ADODB"));
}

} // namespace ado
