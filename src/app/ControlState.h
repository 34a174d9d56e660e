#pragma once
// What a saved window state remembers of each kind of control, and how it puts it back.
// Kinds are told by the control's type name, without regard to letter case:
//   TextBox       "Text" under its DataField
//   CheckBox      "Value" (0, 1, 2) under its array index, else its DataField
//   OptionButton  "Value" (True/False) under its array index, else its name
//   ComboBox      "ListIndex" under its DataField (restored only above 0; never the
//                 template selector "CboPlantilla")
//   ListBox       every item's "List" and "Selected", only when lists are asked for; never restored
//   ListView      "ColWidth" (twips) of every column, then "ColPosition" (from 1) of every
//                 column, each under the column's header text
//   KQDBGRID      "PageSize", "CamposSel", then "ColWidth" (twips) of every inner-grid column,
//                 under an empty data field; the widths come back column by column, in row order
// The text boxes "Txtfields" with index 0 bound to "Codigo", "Cuenta" or a field starting
// with "ID" are not saved (they hold the record being edited), but are restored like any other.

#include "ConfigFormSql.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QObject;

namespace app {

enum class SavedKind { Other, TextBox, CheckBox, OptionButton, ComboBox, ListBox, ListView, DataGrid };

// Where a restore finds a control's stored values: the oldest row of one property (none when
// it was never stored), and all its rows, oldest first.
struct StoredValues {
    std::function<std::optional<QString>(const StoredProperty& key)> first;
    std::function<QStringList(const StoredProperty& key)> all;
};

class ControlState {
public:
    static SavedKind kindOf(const QObject* control);
    static bool isExcludedTextBox(const QObject* control);

    // The rows the control leaves, in the order they are written. A property the control
    // lacks (error 438) is left out; any other error reaches the caller.
    static QList<StoredProperty> rowsOf(const QObject* control, bool includeLists);

    // The data field of the form's own rows: the one the last remembered control of the walk
    // was stored under (the last column of a list view). Save and restore agree on it.
    static QString formRowsDataField(const QList<QObject*>& controls);

    // Puts the stored values back; a property without a row keeps what it has. Errors (a
    // stored text that is no number where one is needed) reach the caller.
    static void restore(QObject* control, const StoredValues& values);

private:
    static QString keyDataField(const QObject* control, SavedKind kind);
    static StoredProperty keyOf(const QObject* control, const QString& dataField, const QString& property);
    static QString indexOrElse(const QObject* control, const QString& otherwise);
    static void appendRead(QList<StoredProperty>& rows, StoredProperty key, const std::function<QString()>& read);
    static void addListRows(QList<StoredProperty>& rows, const QObject* control);
    static void addListViewRows(QList<StoredProperty>& rows, const QObject* control);
    static void addGridRows(QList<StoredProperty>& rows, const QObject* control);
    static void restoreListView(QObject* control, const StoredValues& values);
    static void restoreGrid(QObject* control, const StoredValues& values);
};

} // namespace app
