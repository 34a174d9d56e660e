#pragma once
// What a lookup window shows, apart from the widgets that show it: the statement (the caller's
// one, the F5 conditions added to it as a list and a date order), the table it reads, the
// list's own sort, the values whose rows start ticked and the columns' widths. The list and
// tree windows keep one and read and write through it.

#include "lookup/FilteredStatement.h"

#include <QList>
#include <QSet>
#include <QString>
#include <Qt>

namespace lookup {

class LookupModel {
public:
    // ---- the statement

    // The table a statement reads: the name after its first FROM, as written ("dbo.V_X"); empty
    // when it has none.
    static QString tableOf(const QString& sql);

    // The statement of a load, as shown: the table is taken from it, the first one is kept as
    // the original ("Nueva Busqueda" goes back to it), and one handed in by a caller (not one
    // the model built itself) becomes the base the next conditions build on.
    void takeStatement(const QString& shown, bool handedIn);
    const FilteredStatement& statement() const { return m_statement; }
    QString text() const { return m_statement.text(); }
    bool hasStatement() const { return !m_statement.isEmpty(); }
    const QString& original() const { return m_original; }
    const QString& table() const { return m_table; }

    // F5 in the list: field starts with (or, anywhere, holds) the typed text, which stays
    // literal text inside its pattern.
    void addFilter(const QString& field, const QString& typed, bool anywhere);
    // F5 in the tree: field holds the typed text anywhere, literally.
    void addContainsFilter(const QString& field, const QString& typed);
    const QStringList& conditions() const { return m_statement.conditions(); }

    // A header naming a date orders on the server: the statement's end takes " order by "
    // and the column (the close of a tropa record newest first), unless the caller's statement
    // has an order of its own. True when the order was set; the list's own sort then goes
    // back to the first column.
    bool orderByDate(const QString& column);

    // The statement of the last load that opened; a load that fails goes back to it. False
    // when there is none to go back to, or it is the one that failed.
    void markOpened() { m_lastGood = m_statement; }
    bool fallBack();

    // ---- the list's own sort

    int sortColumn() const { return m_sortColumn; }
    Qt::SortOrder sortOrder() const { return m_sortOrder; }
    // A header click: that column, the order alternating from the last one.
    void toggleSort(int column);
    // A reload sorts ascending on the column last sorted.
    void sortAscending() { m_sortOrder = Qt::AscendingOrder; }

    // ---- ticks

    // The comma-separated values whose rows start ticked; blank ones tick nothing.
    void setTicked(const QString& values);
    // Blanks around either side and letter case do not matter.
    bool isTicked(const QString& value) const;
    // A value as rows are matched and searched: blanks around removed, letter case folded.
    static QString fold(const QString& text);

    // ---- column widths, in twips

    // The columns' widths as they stand.
    void setWidths(const QList<double>& twips);
    const QList<double>& widths() const { return m_widths; }
    // Lays the widths saved for the table over those standing, line by line; the first width
    // missing or too large for any column ends the reading, the widths laid so far staying, as
    // does a file that cannot be read. The stock view goes by the priced article view's name
    // from here on (for its widths and the "Nuevo" button).
    void readSavedWidths();
    // Saves the standing widths as the table's line. Raises vb::Error when the file cannot be
    // replaced.
    void saveWidths() const;

private:
    FilteredStatement m_statement;
    FilteredStatement m_lastGood;
    QString m_original;
    QString m_table;
    int m_sortColumn = 0;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    QSet<QString> m_ticked;
    QList<double> m_widths;
};

} // namespace lookup
