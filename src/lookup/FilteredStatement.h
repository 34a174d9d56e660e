#pragma once
// A lookup statement as the caller gave it, with the conditions the operator added with F5 and
// the order a date column asked for. The text sent to the database is rebuilt from the three
// parts every time, so a condition's typed text is never searched for clause words again: the
// conditions go after the caller's statement and before its ORDER BY or GROUP BY part, the
// first one with " where " unless the statement has its own, the others with " and "; the
// date order goes last.

#include <QString>
#include <QStringList>

namespace lookup {

class FilteredStatement {
public:
    FilteredStatement() = default;
    explicit FilteredStatement(const QString& base) : m_base(base) {}

    const QString& base() const { return m_base; }
    // No statement to filter (the option pickers).
    bool isEmpty() const;

    // A condition ready for the statement, its typed text already escaped.
    void addCondition(const QString& condition);
    // An ORDER BY clause put at the very end; it replaces the previous one.
    void setOrder(const QString& orderClause);

    QString text() const;
    const QStringList& conditions() const { return m_conditions; }

    bool operator==(const FilteredStatement&) const = default;

private:
    QString m_base;
    QStringList m_conditions;
    QString m_order;
};

} // namespace lookup
