#include "reportengine/BandStream.h"
#include "reportengine/FormulaError.h"
#include "reportengine/FormulaEvaluator.h"
#include "kit/MessageText.h"
#include "reportengine/ReportError.h"
#include "reportengine/SubreportRows.h"
#include "reportengine/ValueFormatter.h"

namespace reportengine {

BandStream::BandStream(const ReportModel& model, const QueryRunner& runner, const QString& extraWhere, int depth)
    : m_model(model), m_runner(runner), m_extraWhere(extraWhere), m_depth(depth),
      m_context(model), m_ownSubreportData(std::make_unique<SubreportData>()), m_subreportData(m_ownSubreportData.get())
{
    const auto& def = model.definition();
    std::vector<SummaryAccumulator> level;
    for (const SummaryDef& s : def.summaries)
        level.emplace_back(s.function);
    m_totals.assign(def.groups.size() + 1, level);
}

BandStream::BandStream(const ReportModel& model, const QueryRunner& runner, std::unique_ptr<RowSource> rows, SubreportData& data, int depth)
    : BandStream(model, runner, QString(), depth)
{
    m_ownSubreportData.reset();
    m_subreportData = &data;
    m_source = std::move(rows);
    m_started = true;
}

BandStream::~BandStream() = default;

void BandStream::open()
{
    m_started = true;
    // Every sub-report's rows first, nested ones included: while the report's own rows are
    // being read, no other query may run on the connection.
    readSubreportRows(m_model);
    m_source = m_runner(m_model.query(m_extraWhere), m_model.fields().size());
    if (!m_source)
        throw ReportError(QStringLiteral("no se pudo ejecutar la consulta del informe"));
}

bool BandStream::next(Band& band)
{
    for (;;) {
        if (!m_pending.empty()) {
            band = std::move(m_pending.front());
            m_pending.pop_front();
            return true;
        }
        if (m_inSubreports) {
            if (nextSubreportBand(band))
                return true;
            m_inSubreports = false;
        }
        if (m_finished)
            return false;
        if (!m_started)
            open();
        if (readSelectedRow())
            onRow();
        else
            onEnd();
    }
}

bool BandStream::readSelectedRow()
{
    const auto& residual = m_model.selection().residual;
    try {
        while (m_source->next(m_row)) {
            m_context.setRow(&m_row);
            bool keep = true;
            for (const FormulaNode* part : residual)
                if (!(keep = FormulaEvaluator::selects(part, m_context)))
                    break;
            if (keep)
                return true;
        }
    } catch (const FormulaError& e) {
        throw ReportError(QStringLiteral("selección: %1").arg(QString::fromUtf8(e.what())));
    }
    return false;
}

int BandStream::changedLevel() const
{
    const int groups = int(m_model.definition().groups.size());
    if (m_rowsRead == 0)
        return 0;
    for (int g = 0; g < groups; ++g) {
        const int slot = m_model.groupField(std::size_t(g)).slot();
        const auto c = FormulaValue::compare(m_row[std::size_t(slot)], m_previous[std::size_t(slot)]);
        const bool same = c ? *c == 0 : m_row[std::size_t(slot)].isNull() == m_previous[std::size_t(slot)].isNull();
        if (!same)
            return g;
    }
    return groups;
}

void BandStream::onRow()
{
    const auto& def = m_model.definition();
    const int level = changedLevel();
    if (m_rowsRead == 0)
        m_pending.push_back({Band::Kind::ColumnTitles, 0, m_depth, &m_model, {}, {}});
    else
        footers(level);
    headers(level);
    Band detail{Band::Kind::Detail, 0, m_depth, &m_model, {}, {}};
    std::vector<FormulaValue> values;
    for (std::size_t c = 0; c < def.columns.size(); ++c) {
        try {
            values.push_back(FormulaEvaluator::evaluate(m_model.column(c), m_context));
        } catch (const FormulaError& e) {
            throw ReportError(QStringLiteral("columna \"%1\": %2").arg(kit::nameText(def.columns[c].title), QString::fromUtf8(e.what())));
        }
        detail.cells << ValueFormatter::format(values.back(), def.columns[c].format);
    }
    for (auto& levelTotals : m_totals)
        for (std::size_t s = 0; s < def.summaries.size(); ++s)
            levelTotals[s].add(values[std::size_t(def.summaries[s].column)]);
    m_pending.push_back(std::move(detail));
    ++m_rowsRead;
    m_previous = m_row;
    startSubreports();
}

void BandStream::onEnd()
{
    m_finished = true;
    if (m_rowsRead == 0 && m_depth > 0)
        return;   // an empty sub-report prints nothing
    if (m_rowsRead > 0)
        footers(0);
    else
        m_pending.push_back({Band::Kind::ColumnTitles, 0, m_depth, &m_model, {}, {}});
    const int grand = int(m_model.definition().groups.size());
    m_pending.push_back(footerBand(Band::Kind::ReportFooter, grand, totalLabel()));
}

// Read against the last printed row, as group footers are; with no rows its fields are Null.
QString BandStream::totalLabel()
{
    const FormulaNode* label = m_model.totalLabel();
    if (!label)
        return m_depth == 0 ? QStringLiteral("Total") : QString();
    m_context.setRow(m_rowsRead > 0 ? &m_previous : nullptr);
    return evaluateText(label);
}

void BandStream::footers(int downToLevel)
{
    const auto& def = m_model.definition();
    m_context.setRow(&m_previous);
    for (int g = int(def.groups.size()) - 1; g >= downToLevel; --g) {
        m_pending.push_back(footerBand(Band::Kind::GroupFooter, g, evaluateText(m_model.groupFooter(std::size_t(g)))));
        for (auto& s : m_totals[std::size_t(g)])
            s.reset();
    }
    m_context.setRow(&m_row);
}

void BandStream::headers(int fromLevel)
{
    const int groups = int(m_model.definition().groups.size());
    for (int g = fromLevel; g < groups; ++g) {
        const FormulaNode* header = m_model.groupHeader(std::size_t(g));
        const QString text = header ? evaluateText(header) : FormulaEvaluator::evaluate(m_model.groupField(std::size_t(g)), m_context).toText();
        m_pending.push_back({Band::Kind::GroupHeader, g, m_depth, &m_model, text, {}});
    }
}

Band BandStream::footerBand(Band::Kind kind, int level, const QString& label) const
{
    const auto& def = m_model.definition();
    Band band{kind, level, m_depth, &m_model, label, {}};
    for (std::size_t c = 0; c < def.columns.size(); ++c)
        band.cells << QString();
    for (std::size_t s = 0; s < def.summaries.size(); ++s) {
        const int column = def.summaries[s].column;
        QString& cell = band.cells[column];
        const FormulaValue v = m_totals[std::size_t(level)][s].result();
        // A count is a whole number whatever the column holds, printed as the amounts are.
        const QString text = def.summaries[s].function == SummaryDef::Function::Count
            ? ValueFormatter::format(v, QStringLiteral("#,##0"))
            : ValueFormatter::format(v, def.columns[std::size_t(column)].format);
        cell = cell.isEmpty() ? text : cell + QStringLiteral("  ") + text;
    }
    return band;
}

QString BandStream::evaluateText(const FormulaNode* node) const
{
    if (!node)
        return {};
    try {
        return FormulaEvaluator::evaluate(*node, m_context).toText();
    } catch (const FormulaError& e) {
        throw ReportError(QStringLiteral("texto de encabezado o pie: %1").arg(QString::fromUtf8(e.what())));
    }
}

void BandStream::startSubreports()
{
    m_nextSub = 0;
    m_sub.reset();
    m_inSubreports = !m_model.subModels().empty();
}

SubreportRows& BandStream::subreportRows(std::size_t i)
{
    return subreportRows(m_model, i);
}

SubreportRows& BandStream::subreportRows(const ReportModel& parent, std::size_t i)
{
    const ReportModel* sub = parent.subModels().at(i);
    std::unique_ptr<SubreportRows>& rows = (*m_subreportData)[sub];
    if (!rows)
        rows = std::make_unique<SubreportRows>(parent, i, m_runner);
    return *rows;
}

void BandStream::readSubreportRows(const ReportModel& parent)
{
    for (std::size_t i = 0; i < parent.subModels().size(); ++i) {
        subreportRows(parent, i).ensureLoaded();
        readSubreportRows(*parent.subModels()[i]);
    }
}

// Each sub-report shows its rows whose link field equals the main row's.
bool BandStream::nextSubreportBand(Band& band)
{
    const auto& subs = m_model.definition().subreports;
    for (;;) {
        if (m_sub && m_sub->next(band))
            return true;
        m_sub.reset();
        if (m_nextSub >= subs.size())
            return false;
        const std::size_t i = m_nextSub++;
        const FormulaValue link = m_previous[std::size_t(m_model.subreportField(i).slot())];
        if (link.isNull())
            continue;
        const ReportModel& sub = *m_model.subModels().at(i);
        m_sub.reset(new BandStream(sub, m_runner, subreportRows(i).rowsFor(link), *m_subreportData, m_depth + 1));
    }
}

} // namespace reportengine
