#include "DataGridAccess.h"

#include "ui/Twips.h"
#include "vb/Error.h"

#include <QHeaderView>
#include <QMetaObject>
#include <QTableView>

namespace app {

namespace {
constexpr int noSuchProperty = 438;
constexpr int invalidValue = 380;
}

QString DataGridAccess::property(const QObject* grid, const char* name)
{
    const QVariant value = grid ? grid->property(name) : QVariant();
    if (!value.isValid())
        vb::raise(noSuchProperty);
    return value.toString();
}

void DataGridAccess::setProperty(QObject* grid, const char* name, const QString& value)
{
    if (!grid || !grid->property(name).isValid())
        vb::raise(noSuchProperty);
    // A declared property takes the text converted and refuses one it cannot convert; a
    // dynamic one takes it as it is.
    const bool declared = grid->metaObject()->indexOfProperty(name) >= 0;
    if (!grid->setProperty(name, value) && declared)
        vb::raise(invalidValue);
}

QString DataGridAccess::pageSize(const QObject* grid) { return property(grid, "PageSize"); }
void DataGridAccess::setPageSize(QObject* grid, const QString& value) { setProperty(grid, "PageSize", value); }
QString DataGridAccess::camposSel(const QObject* grid) { return property(grid, "CamposSel"); }
void DataGridAccess::setCamposSel(QObject* grid, const QString& value) { setProperty(grid, "CamposSel", value); }

QTableView* DataGridAccess::innerGrid(const QObject* grid)
{
    QTableView* inner = grid ? grid->findChild<QTableView*>() : nullptr;
    if (!inner)
        vb::raise(noSuchProperty);
    return inner;
}

int DataGridAccess::cols(const QObject* grid)
{
    return innerGrid(grid)->horizontalHeader()->count();
}

int DataGridAccess::colWidth(const QObject* grid, int column)
{
    const QHeaderView* header = innerGrid(grid)->horizontalHeader();
    if (column < 0 || column >= header->count())
        vb::raise(invalidValue);
    return ui::Twips::fromPixels(header->sectionSize(column));
}

void DataGridAccess::setColWidth(QObject* grid, int column, int twips)
{
    QHeaderView* header = innerGrid(grid)->horizontalHeader();
    if (column < 0 || column >= header->count() || twips < 0)
        vb::raise(invalidValue);
    header->resizeSection(column, ui::Twips::toPixels(twips));
}

} // namespace app
