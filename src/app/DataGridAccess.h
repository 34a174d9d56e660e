#pragma once
// The suite's data grid (type name "KQDBGRID") as the saved window states see it: the
// properties PageSize and CamposSel of the control, and the columns of its inner grid (the
// first table view inside it). A grid without one of these raises error 438, as the original
// did for a property its control lacked.

#include <QString>

class QObject;
class QTableView;

namespace app {

class DataGridAccess {
public:
    static QString pageSize(const QObject* grid);
    static void setPageSize(QObject* grid, const QString& value);
    static QString camposSel(const QObject* grid);
    static void setCamposSel(QObject* grid, const QString& value);

    // Columns of the inner grid, counted from 0; widths in twips.
    static int cols(const QObject* grid);
    static int colWidth(const QObject* grid, int column);
    static void setColWidth(QObject* grid, int column, int twips);

private:
    static QTableView* innerGrid(const QObject* grid);
    static QString property(const QObject* grid, const char* name);
    static void setProperty(QObject* grid, const char* name, const QString& value);
};

} // namespace app
