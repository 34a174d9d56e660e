#pragma once
// One row of the list lookup window. Number and date cells keep their value beside the text
// they show, so a sort by such a column orders by value; other cells sort by text as the
// database orders it (letter case ignored, an accented letter beside its base letter, Ñ after N). A number or date cell without a value (Null) sorts before the others.
// Each cell also keeps its text trimmed and case-folded for the incremental search, taken when
// the text is set, so a search only compares prefixes whatever the order of the rows.

#include <QTreeWidgetItem>

#include <vector>

namespace vb {
class Variant;
}

namespace lookup {

class LookupRow : public QTreeWidgetItem {
public:
    static constexpr int kSortValueRole = Qt::UserRole + 1;

    LookupRow() : QTreeWidgetItem(UserType) {}

    // Shows text in the column and keeps the value to sort by when it is a number or a date.
    void setCell(int column, const QString& text, const vb::Variant& value);
    void setData(int column, int role, const QVariant& value) override;

    const QString& searchText(int column) const;
    static QString fold(const QString& text);

    // The order of a sort by the column: by value where both have one, else by text.
    struct SortKey {
        LookupRow* row = nullptr;
        bool hasValue = false;
        double value = 0;
        const QString* text = nullptr;
    };
    SortKey sortKey(int column);
    static bool before(const SortKey& a, const SortKey& b);
    bool operator<(const QTreeWidgetItem& other) const override;

private:
    std::vector<QString> m_search;
};

// The rows' search texts column by column, one contiguous run per column in list order, so
// that a keystroke over many rows only compares characters. Rebuilt when the rows or their
// order change.
class RowSearch {
public:
    void rebuild(const QTreeWidget* list);
    void invalidate() { m_valid = false; }
    // The first row (0-based, list order) whose column (0-based) starts with text, blanks
    // around both trimmed and letter case ignored; -1 when none. An empty text matches the
    // first row.
    int find(const QTreeWidget* list, int column, const QString& text);

private:
    struct Column {
        QString chars;
        std::vector<qsizetype> starts;     // one per row and one past the last
    };
    std::vector<Column> m_columns;
    int m_rows = 0;
    bool m_valid = false;
};

} // namespace lookup
