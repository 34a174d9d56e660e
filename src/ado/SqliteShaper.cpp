#include "ado/SqliteShaper.h"

#include "ado/ServerMessages.h"

namespace ado {

namespace {
QString quotedName(const QString& name)
{
    return u'"' + QString(name).replace(u'"', QLatin1String("\"\"")) + u'"';
}

bool isHundred(QString count)
{
    count.remove(u'(').remove(u')');
    return count.trimmed().toDouble() == 100.0;
}
} // namespace

QString SqliteShaper::render()
{
    for (const SelectCore& core : m_shape.tops)
        limit(core);
    for (int last : m_shape.unnamedColumns)
        m_view[last].suffix += QStringLiteral(" AS \"\"");
    if (m_shape.verb == StatementShape::Update && m_shape.hasFrom && !m_shape.targetSource.isEmpty())
        return updateThroughJoin();
    if (m_shape.verb == StatementShape::Delete && m_shape.hasFrom)
        return deleteThroughJoin();
    if (m_shape.verb == StatementShape::Delete && !m_shape.deleteFromWord && m_view.size() > 0)
        m_view[0].suffix += QStringLiteral(" FROM");
    return rendered();
}

QString SqliteShaper::rendered() const
{
    return m_view.text(0, m_view.size());
}

void SqliteShaper::limit(const SelectCore& core)
{
    const QString count = m_view.text(core.countFrom, core.countTo);
    m_view.erase(core.topFrom, core.topTo);
    if (core.percent && !core.withTies && isHundred(count))
        return;
    if (core.inCompound) {
        if (core.percent || core.withTies)
            throw TranslationError::unsupported(QStringLiteral("TOP ... PERCENT ni WITH TIES en una UNION"));
        m_view[core.select].prefix.prepend(QStringLiteral("SELECT * FROM ("));
        m_view[core.end - 1].suffix.append(QStringLiteral(" LIMIT %1)").arg(count));
        return;
    }
    QString rows = count;
    if (core.percent) {
        // The server rounds a percentage of rows up.
        const QString body = m_view.text(core.select, core.end);
        rows = QStringLiteral("(SELECT CAST(rpq_n AS INTEGER) + (rpq_n > CAST(rpq_n AS INTEGER)) FROM "
                              "(SELECT COUNT(*) * (%1) / 100.0 AS rpq_n FROM (%2)))").arg(count, body);
    }
    if (core.withTies)
        rows = tiesLimit(core, rows);
    m_view[core.queryEnd - 1].suffix += QStringLiteral(" LIMIT ") + rows;
}

// The rows ranked within the first n by the ORDER BY keys, ties included, counted over the
// same SELECT: the ordered query's first that many rows are the server's WITH TIES rows.
QString SqliteShaper::tiesLimit(const SelectCore& core, const QString& rows) const
{
    if (core.orderFrom < 0)
        throw TranslationError(1062, ServerMessages::tiesWithoutOrder());
    QStringList keys;
    QStringList ranking;
    for (const auto [from, comma] : m_view.items(core.orderFrom, core.orderTo)) {
        int to = comma;
        QString direction = QStringLiteral("ASC");
        if (m_view.is(to - 1, "DESC") || m_view.is(to - 1, "ASC")) {
            direction = m_view[to - 1].text.toUpper();
            --to;
        }
        const QString name = QStringLiteral("rpq_k%1").arg(keys.size() + 1);
        keys << orderKey(core, from, to) + QStringLiteral(" AS ") + name;
        ranking << name + u' ' + direction;
    }
    const QString keyed = m_view.text(core.select, core.itemsEnd) + QStringLiteral(", ") + keys.join(QStringLiteral(", ")) + u' '
                          + m_view.text(core.itemsEnd, core.end);
    return QStringLiteral("(SELECT COUNT(*) FROM (SELECT RANK() OVER (ORDER BY %1) AS rpq_rank FROM (%2)) WHERE rpq_rank <= %3)")
        .arg(ranking.join(QStringLiteral(", ")), keyed, rows);
}

// An ORDER BY key as an expression of the SELECT's own tables: a column number or an alias
// of the SELECT's list stands for that column's expression.
QString SqliteShaper::orderKey(const SelectCore& core, int from, int to) const
{
    if (to == from + 1) {
        const SqlToken& t = m_view[from];
        if (t.kind == SqlToken::Number) {
            const size_t k = size_t(t.text.toInt());
            if (k >= 1 && k <= core.items.size())
                return m_view.text(core.items[k - 1].from, core.items[k - 1].to);
        }
        if (t.isName())
            for (const SelectCore::Item& item : core.items)
                if (!item.alias.isEmpty() && item.alias.compare(t.text, Qt::CaseInsensitive) == 0)
                    return m_view.text(item.from, item.to);
    }
    return m_view.text(from, to);
}

// UPDATE a SET ... FROM T a JOIN ...: SQLite's UPDATE ... FROM cannot name the target among
// the joined tables, so the join (with the new values) is computed first and the target's
// rows are matched to it by rowid.
QString SqliteShaper::updateThroughJoin() const
{
    QStringList sets;
    QStringList values;
    for (const StatementShape::Assignment& a : m_shape.assignments) {
        const QString name = QStringLiteral("rpq_v%1").arg(values.size() + 1);
        sets << quotedName(m_view[a.column].text) + QStringLiteral(" = rpq_set.") + name;
        values << m_view.text(a.from, a.to) + QStringLiteral(" AS ") + name;
    }
    QString inner = QStringLiteral("SELECT %1.rowid AS rpq_rowid, %2 FROM %3")
                        .arg(quotedName(m_shape.targetSource), values.join(QStringLiteral(", ")),
                             m_view.text(m_shape.fromListFrom, m_shape.fromListTo));
    if (m_shape.whereFrom >= 0)
        inner += QStringLiteral(" WHERE ") + m_view.text(m_shape.whereFrom, m_shape.whereTo);
    const QString target = quotedName(m_shape.target);
    return QStringLiteral("UPDATE %1 SET %2 FROM (%3) AS rpq_set WHERE %1.rowid = rpq_set.rpq_rowid")
        .arg(target, sets.join(QStringLiteral(", ")), inner);
}

QString SqliteShaper::deleteThroughJoin() const
{
    const QString target = quotedName(m_shape.target);
    QString sources = m_view.text(m_shape.fromListFrom, m_shape.fromListTo);
    QString source = quotedName(m_shape.targetSource);
    if (m_shape.targetSource.isEmpty()) {
        sources = target + QStringLiteral(", ") + sources;
        source = target;
    }
    QString inner = QStringLiteral("SELECT %1.rowid FROM %2").arg(source, sources);
    if (m_shape.whereFrom >= 0)
        inner += QStringLiteral(" WHERE ") + m_view.text(m_shape.whereFrom, m_shape.whereTo);
    return QStringLiteral("DELETE FROM %1 WHERE rowid IN (%2)").arg(target, inner);
}

} // namespace ado
