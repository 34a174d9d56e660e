#include "reportengine/SubreportRows.h"
#include "reportengine/CompactReader.h"
#include "reportengine/CompactWriter.h"
#include "reportengine/ReportError.h"
#include "reportengine/ReportModel.h"
#include <QHash>
#include <algorithm>

namespace reportengine {

namespace {

// Rows already read, handed to the sub-report as if they came from its query.
class KeptRows : public RowSource {
public:
    explicit KeptRows(std::vector<std::vector<FormulaValue>> rows) : m_rows(std::move(rows)) {}
    bool next(std::vector<FormulaValue>& row) override
    {
        if (m_next >= m_rows.size())
            return false;
        row = std::move(m_rows[m_next++]);
        return true;
    }

private:
    std::vector<std::vector<FormulaValue>> m_rows;
    std::size_t m_next = 0;
};

} // namespace

SubreportRows::SubreportRows(const ReportModel& parent, std::size_t index, const QueryRunner& runner)
    : m_parent(parent), m_index(index), m_runner(runner), m_columns(parent.subModels().at(index)->fields().size())
{
}

QString SubreportRows::linkKey(const FormulaValue& value)
{
    switch (value.kind()) {
    case FormulaValue::Kind::Null: return {};
    case FormulaValue::Kind::Text: {
        QString text = value.toText();
        qsizetype end = text.size();
        while (end > 0 && text[end - 1] == u' ')
            --end;
        text.truncate(end);
        return u't' + text.toCaseFolded();
    }
    case FormulaValue::Kind::Boolean: return value.toBool() ? QStringLiteral("n1") : QStringLiteral("n0");
    case FormulaValue::Kind::Number: return u'n' + QString::number(value.toNumber(), 'g', 17);
    case FormulaValue::Kind::Date:
    case FormulaValue::Kind::DateTime: return u'd' + value.toDateTime().toString(QStringLiteral("yyyyMMddHHmmsszzz"));
    }
    return {};
}

void SubreportRows::keep(const QString& key, int rows, const QByteArray& bytes)
{
    if (rows == 0)
        return;
    CompactWriter head;
    head.text(key);
    head.number(quint64(rows));
    const qint64 offset = m_bytes.append(head.bytes());
    m_bytes.append(bytes);
    m_runs.push_back({qHash(key), offset, m_bytes.size() - offset});
}

// Rows of one link value arrive together; each such run is kept as one block.
void SubreportRows::load()
{
    m_loaded = true;
    const std::unique_ptr<RowSource> source = m_runner(m_parent.subreportQuery(m_index), m_columns + 1);
    if (!source)
        throw ReportError(QStringLiteral("no se pudo ejecutar la consulta de un subinforme"));
    std::vector<FormulaValue> row;
    CompactWriter block;
    QString key;
    int rows = 0;
    while (source->next(row)) {
        const QString rowKey = linkKey(row.at(m_columns));
        if (rowKey.isNull())
            continue;   // a Null link equals nothing
        if (rowKey != key) {
            keep(key, rows, block.bytes());
            block.clear();
            key = rowKey;
            rows = 0;
        }
        for (std::size_t c = 0; c < m_columns; ++c)
            block.value(row[c]);
        ++rows;
    }
    keep(key, rows, block.bytes());
    std::stable_sort(m_runs.begin(), m_runs.end(), [](const Run& a, const Run& b) { return a.hash < b.hash; });
}

void SubreportRows::ensureLoaded()
{
    if (!m_loaded)
        load();
}

std::unique_ptr<RowSource> SubreportRows::rowsFor(const FormulaValue& link)
{
    ensureLoaded();
    std::vector<std::vector<FormulaValue>> rows;
    const QString key = linkKey(link);
    const std::size_t hash = qHash(key);
    auto run = std::lower_bound(m_runs.begin(), m_runs.end(), hash, [](const Run& r, std::size_t h) { return r.hash < h; });
    for (; !key.isNull() && run != m_runs.end() && run->hash == hash; ++run) {
        CompactReader in(m_bytes.read(run->offset, run->size));
        if (in.text() != key)
            continue;   // another value with the same hash
        const quint64 count = in.number();
        for (quint64 r = 0; r < count; ++r) {
            std::vector<FormulaValue>& values = rows.emplace_back();
            values.reserve(m_columns);
            for (std::size_t c = 0; c < m_columns; ++c)
                values.push_back(in.value());
        }
    }
    return std::make_unique<KeptRows>(std::move(rows));
}

} // namespace reportengine
