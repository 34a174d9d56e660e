#include "lookup/LookupModel.h"

#include "lookup/AnchosConsulta.h"
#include "lookup/LookupFilter.h"

#include "ado/SqlLexer.h"
#include "ado/SqlQuoting.h"
#include "ui/Twips.h"
#include "vb/Error.h"
#include "vb/Strings.h"

#include <cmath>

namespace lookup {

namespace {

// The largest width a column takes: Qt's largest widget size, in twips.
constexpr double kLargestWidth = double((1 << 24) - 1) * ui::Twips::perPixel;

bool partOfName(const ado::SqlToken& token)
{
    return token.kind == ado::SqlToken::Word || token.kind == ado::SqlToken::Quoted
        || token.kind == ado::SqlToken::Variable || token.is(".");
}

} // namespace

// ---------------------------------------------------------------- the statement

QString LookupModel::tableOf(const QString& sql)
{
    const ado::SqlTokens tokens = ado::SqlLexer::tokenize(sql);
    auto at = tokens.begin();
    while (at != tokens.end() && !(at->kind == ado::SqlToken::Word && at->is("from")))
        ++at;
    if (at == tokens.end())
        return {};
    ++at;
    while (at != tokens.end() && at->isSpace())
        ++at;
    QString name;
    for (; at != tokens.end() && partOfName(*at); ++at)
        name += at->text;
    return name;
}

void LookupModel::takeStatement(const QString& shown, bool handedIn)
{
    m_table = tableOf(shown);
    if (m_original.isEmpty())
        m_original = shown;
    if (handedIn)
        m_statement = FilteredStatement(shown);
}

void LookupModel::addFilter(const QString& field, const QString& typed, bool anywhere)
{
    // The condition joins those of the statement shown (after a date sort, the sorted one).
    m_statement.addCondition(LookupFilter::condition(m_statement.base(), field, typed, anywhere));
}

void LookupModel::addContainsFilter(const QString& field, const QString& typed)
{
    m_statement.addCondition(field + QStringLiteral(" like '%") + ado::escapeLikeText(typed) + QStringLiteral("%' "));
}

bool LookupModel::orderByDate(const QString& column)
{
    if (m_statement.base().contains(QLatin1String("order"), Qt::CaseInsensitive))
        return false;
    QString order = QStringLiteral(" order by ") + column;
    if (vb::textEquals(column, QStringLiteral("fechahorafinromaneo")))
        order += QStringLiteral(" desc ");
    m_statement.setOrder(order);
    m_sortColumn = 0;
    return true;
}

bool LookupModel::fallBack()
{
    if (m_lastGood.isEmpty() || m_lastGood == m_statement)
        return false;
    m_statement = m_lastGood;
    return true;
}

// ---------------------------------------------------------------- sort

void LookupModel::toggleSort(int column)
{
    m_sortOrder = m_sortOrder == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    m_sortColumn = column;
}

// ---------------------------------------------------------------- ticks

QString LookupModel::fold(const QString& text)
{
    return vb::Trim(text).toCaseFolded();
}

void LookupModel::setTicked(const QString& values)
{
    m_ticked.clear();
    for (const QString& value : values.split(u',')) {
        if (!vb::Trim(value).isEmpty())
            m_ticked.insert(fold(value));
    }
}

bool LookupModel::isTicked(const QString& value) const
{
    return !vb::Trim(value).isEmpty() && m_ticked.contains(fold(value));
}

// ---------------------------------------------------------------- widths

void LookupModel::setWidths(const QList<double>& twips)
{
    m_widths = twips;
}

void LookupModel::readSavedWidths()
{
    if (vb::textEquals(m_table, QStringLiteral("Stk_ma_articulos")))
        m_table = QStringLiteral("VT_MA_ARTICULOS");
    try {
        for (const QString& line : AnchosConsulta::read(m_table)) {
            const QList<double> saved = AnchosConsulta::parse(line);
            for (qsizetype i = 0; i < m_widths.size(); ++i) {
                if (i >= saved.size() || !(std::abs(saved[i]) <= kLargestWidth))
                    return;
                m_widths[i] = saved[i];
            }
        }
    } catch (const vb::Error&) {
    }
}

void LookupModel::saveWidths() const
{
    AnchosConsulta::write(m_table, AnchosConsulta::format(m_widths));
}

} // namespace lookup
