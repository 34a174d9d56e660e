#pragma once

#include <QIdentityProxyModel>

namespace ui {

// The file dialog's list with its modification dates in the default locale (the program's
// Argentine Spanish): Qt's file model writes them in the system's, which on a machine set
// to English or C reads "9 Dec 2025". Everything else passes through untouched.
class FileDateProxy : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    static constexpr int dateColumn = 3;   // QFileSystemModel's "Date Modified"
};

} // namespace ui
