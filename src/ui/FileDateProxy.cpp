#include "FileDateProxy.h"

#include <QFileSystemModel>
#include <QLocale>

namespace ui {

QVariant FileDateProxy::data(const QModelIndex& index, int role) const
{
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (!files || role != Qt::DisplayRole || index.column() != dateColumn)
        return QIdentityProxyModel::data(index, role);
    return QLocale().toString(files->lastModified(mapToSource(index)), QLocale::ShortFormat);
}

} // namespace ui
