#include "lookup/LookupRow.h"

#include "lookup/LookupModel.h"

#include "ado/ServerText.h"
#include "vb/Strings.h"
#include "vb/Variant.h"

#include <QTreeWidget>

#include <algorithm>
#include <cstring>

namespace lookup {

namespace {

bool sortsByValue(const vb::Variant& value)
{
    switch (value.type()) {
    case vb::VarType::Integer:
    case vb::VarType::Long:
    case vb::VarType::Single:
    case vb::VarType::Double:
    case vb::VarType::Currency:
    case vb::VarType::Decimal:
    case vb::VarType::Byte:
    case vb::VarType::Date:
        return true;
    default:
        return false;
    }
}

// The database's order of texts: an accented letter beside its base letter, Ñ after N. Texts
// in plain ASCII up to where they differ are told apart at once; the others go by the server's
// rule from the start, which gives the same answer for their common ASCII part.
bool textBefore(const QString& a, const QString& b)
{
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t x = a[i].unicode();
        const char16_t y = b[i].unicode();
        if (x >= 0x80 || y >= 0x80)
            return ado::ServerText::compare(a, b) < 0;
        if (x != y)
            return x < y;
    }
    return a.size() < b.size();
}

} // namespace

QString LookupRow::fold(const QString& text)
{
    return LookupModel::fold(text);
}

void LookupRow::setCell(int column, const QString& text, const vb::Variant& value)
{
    setText(column, text);
    if (sortsByValue(value))
        setData(column, kSortValueRole, value.type() == vb::VarType::Date ? value.toDate().serial : value.toDouble());
    else
        setData(column, kSortValueRole, QVariant());
}

void LookupRow::setData(int column, int role, const QVariant& value)
{
    if (column >= 0 && (role == Qt::DisplayRole || role == Qt::EditRole)) {
        if (m_search.size() <= size_t(column))
            m_search.resize(size_t(column) + 1);
        m_search[size_t(column)] = fold(value.toString());
    }
    QTreeWidgetItem::setData(column, role, value);
}

const QString& LookupRow::searchText(int column) const
{
    static const QString none;
    return column >= 0 && size_t(column) < m_search.size() ? m_search[size_t(column)] : none;
}

LookupRow::SortKey LookupRow::sortKey(int column)
{
    const QVariant value = data(column, kSortValueRole);
    return {this, value.isValid(), value.isValid() ? value.toDouble() : 0.0, &searchText(column)};
}

bool LookupRow::before(const SortKey& a, const SortKey& b)
{
    if (a.hasValue && b.hasValue)
        return a.value < b.value;
    if ((a.hasValue || b.hasValue) && a.text->isEmpty() != b.text->isEmpty())
        return a.text->isEmpty();
    return textBefore(*a.text, *b.text);
}

bool LookupRow::operator<(const QTreeWidgetItem& other) const
{
    const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
    if (other.type() != UserType)
        return text(column).compare(other.text(column), Qt::CaseInsensitive) < 0;
    auto* self = const_cast<LookupRow*>(this);
    auto* that = const_cast<LookupRow*>(static_cast<const LookupRow*>(&other));
    return before(self->sortKey(column), that->sortKey(column));
}

void RowSearch::rebuild(const QTreeWidget* list)
{
    m_rows = list->topLevelItemCount();
    const int columns = list->columnCount();
    m_columns.assign(size_t(columns), Column());
    for (Column& column : m_columns) {
        column.starts.reserve(size_t(m_rows) + 1);
        column.chars.reserve(qsizetype(m_rows) * 16);
    }
    for (int i = 0; i < m_rows; ++i) {
        const QTreeWidgetItem* item = list->topLevelItem(i);
        const auto* row = item->type() == QTreeWidgetItem::UserType ? static_cast<const LookupRow*>(item) : nullptr;
        for (int c = 0; c < columns; ++c) {
            Column& column = m_columns[size_t(c)];
            column.starts.push_back(column.chars.size());
            column.chars += row ? row->searchText(c) : LookupRow::fold(item->text(c));
        }
    }
    for (Column& column : m_columns)
        column.starts.push_back(column.chars.size());
    m_valid = true;
}

int RowSearch::find(const QTreeWidget* list, int column, const QString& text)
{
    if (!list || column < 0)
        return -1;
    if (!m_valid || m_rows != list->topLevelItemCount() || m_columns.size() != size_t(list->columnCount()))
        rebuild(list);
    if (size_t(column) >= m_columns.size())
        return -1;
    const QString wanted = LookupRow::fold(text);
    const Column& texts = m_columns[size_t(column)];
    const QChar* chars = texts.chars.constData();
    const qsizetype length = wanted.size();
    const size_t bytes = size_t(length) * sizeof(QChar);
    for (int i = 0; i < m_rows; ++i) {
        const qsizetype at = texts.starts[size_t(i)];
        if (texts.starts[size_t(i) + 1] - at >= length && std::memcmp(chars + at, wanted.constData(), bytes) == 0)
            return i;
    }
    return -1;
}

} // namespace lookup
