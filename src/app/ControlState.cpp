#include "ControlState.h"

#include "DataGridAccess.h"
#include "SharedObjects.h"

#include "kit/Utilidades.h"
#include "ui/Control.h"
#include "ui/Twips.h"
#include "vb/Conversions.h"
#include "vb/Error.h"
#include "vb/Strings.h"

#include <QMap>

namespace app {

namespace {

constexpr int noSuchProperty = 438;

const QString textProperty = QStringLiteral("Text");
const QString valueProperty = QStringLiteral("Value");
const QString listIndexProperty = QStringLiteral("ListIndex");
const QString listProperty = QStringLiteral("List");
const QString selectedProperty = QStringLiteral("Selected");
const QString colWidthProperty = QStringLiteral("ColWidth");
const QString colPositionProperty = QStringLiteral("ColPosition");
const QString pageSizeProperty = QStringLiteral("PageSize");
const QString camposSelProperty = QStringLiteral("CamposSel");

QString boolText(bool value)
{
    return vb::CStr(vb::Variant(value));
}

int wholeNumber(const QString& text)
{
    return vb::CInt(vb::Variant(vb::Val(text)));
}

} // namespace

SavedKind ControlState::kindOf(const QObject* control)
{
    const QString type = ui::Control::typeName(control).toUpper();
    if (type == QLatin1String("TEXTBOX")) return SavedKind::TextBox;
    if (type == QLatin1String("CHECKBOX")) return SavedKind::CheckBox;
    if (type == QLatin1String("OPTIONBUTTON")) return SavedKind::OptionButton;
    if (type == QLatin1String("COMBOBOX")) return SavedKind::ComboBox;
    if (type == QLatin1String("LISTBOX")) return SavedKind::ListBox;
    if (type == QLatin1String("LISTVIEW")) return SavedKind::ListView;
    if (type == QLatin1String("KQDBGRID")) return SavedKind::DataGrid;
    return SavedKind::Other;
}

bool ControlState::isExcludedTextBox(const QObject* control)
{
    if (!vb::textEquals(ui::Control::name(control), QStringLiteral("Txtfields")) || ui::Control::index(control) != 0)
        return false;
    const kit::Utilidades& util = gUtil();
    const QString field = ui::Control::dataField(control);
    return util.EstaEnLista(field, {QStringLiteral("Codigo"), QStringLiteral("Cuenta")})
        || util.EstaEnLista(field.left(2), {QStringLiteral("ID")});
}

StoredProperty ControlState::keyOf(const QObject* control, const QString& dataField, const QString& property)
{
    return {ui::Control::typeName(control), ui::Control::name(control), dataField, property, {}};
}

QString ControlState::indexOrElse(const QObject* control, const QString& otherwise)
{
    return gUtil().EsElementoDeArreglo(control) ? QString::number(ui::Control::index(control)) : otherwise;
}

void ControlState::appendRead(QList<StoredProperty>& rows, StoredProperty key, const std::function<QString()>& read)
{
    try {
        key.value = read();
    } catch (const vb::Error& error) {
        if (error.number() == noSuchProperty)
            return;
        throw;
    }
    rows.append(std::move(key));
}

// The data field that tells the rows of one control name apart; for a list view, that of its
// last column (each column has its own).
QString ControlState::keyDataField(const QObject* control, SavedKind kind)
{
    switch (kind) {
    case SavedKind::CheckBox:
        return indexOrElse(control, ui::Control::dataField(control));
    case SavedKind::OptionButton:
        return indexOrElse(control, ui::Control::name(control));
    case SavedKind::ListView: {
        const int count = ui::Control::columnCount(control);
        return count > 0 ? ui::Control::columnText(control, count - 1) : QString();
    }
    case SavedKind::DataGrid:
        return {};
    default:
        return ui::Control::dataField(control);
    }
}

QList<StoredProperty> ControlState::rowsOf(const QObject* control, bool includeLists)
{
    QList<StoredProperty> rows;
    const SavedKind kind = kindOf(control);
    const QString dataField = keyDataField(control, kind);
    switch (kind) {
    case SavedKind::TextBox:
        if (!isExcludedTextBox(control))
            appendRead(rows, keyOf(control, dataField, textProperty),
                       [control] { return ui::Control::value(control).toString(); });
        break;
    case SavedKind::CheckBox:
        appendRead(rows, keyOf(control, dataField, valueProperty),
                   [control] { return QString::number(ui::Control::value(control).toInt()); });
        break;
    case SavedKind::OptionButton:
        appendRead(rows, keyOf(control, dataField, valueProperty),
                   [control] { return boolText(ui::Control::value(control).toBool()); });
        break;
    case SavedKind::ComboBox:
        appendRead(rows, keyOf(control, dataField, listIndexProperty),
                   [control] { return QString::number(ui::Control::listIndex(control)); });
        break;
    case SavedKind::ListBox:
        if (includeLists)
            addListRows(rows, control);
        break;
    case SavedKind::ListView:
        addListViewRows(rows, control);
        break;
    case SavedKind::DataGrid:
        addGridRows(rows, control);
        break;
    case SavedKind::Other:
        break;
    }
    return rows;
}

void ControlState::addListRows(QList<StoredProperty>& rows, const QObject* control)
{
    const QString dataField = ui::Control::dataField(control);
    for (int i = 0; i < ui::Control::listCount(control); ++i) {
        appendRead(rows, keyOf(control, dataField, listProperty), [=] { return ui::Control::listItem(control, i); });
        appendRead(rows, keyOf(control, dataField, selectedProperty),
                   [=] { return boolText(ui::Control::selected(control, i)); });
    }
}

void ControlState::addListViewRows(QList<StoredProperty>& rows, const QObject* control)
{
    const int count = ui::Control::columnCount(control);
    for (int c = 0; c < count; ++c)
        appendRead(rows, keyOf(control, ui::Control::columnText(control, c), colWidthProperty),
                   [=] { return QString::number(ui::Twips::fromPixels(ui::Control::columnWidth(control, c))); });
    for (int c = 0; c < count; ++c)
        appendRead(rows, keyOf(control, ui::Control::columnText(control, c), colPositionProperty),
                   [=] { return QString::number(ui::Control::columnPosition(control, c) + 1); });
}

void ControlState::addGridRows(QList<StoredProperty>& rows, const QObject* control)
{
    appendRead(rows, keyOf(control, {}, pageSizeProperty), [=] { return DataGridAccess::pageSize(control); });
    appendRead(rows, keyOf(control, {}, camposSelProperty), [=] { return DataGridAccess::camposSel(control); });
    int cols = 0;
    try {
        cols = DataGridAccess::cols(control);
    } catch (const vb::Error& error) {
        if (error.number() != noSuchProperty)
            throw;
    }
    for (int c = 0; c < cols; ++c)
        appendRead(rows, keyOf(control, {}, colWidthProperty),
                   [=] { return QString::number(DataGridAccess::colWidth(control, c)); });
}

QString ControlState::formRowsDataField(const QList<QObject*>& controls)
{
    QString slot;
    for (const QObject* control : controls) {
        const SavedKind kind = kindOf(control);
        if (kind == SavedKind::Other || (kind == SavedKind::ListView && ui::Control::columnCount(control) == 0))
            continue;
        slot = keyDataField(control, kind);
    }
    return slot;
}

void ControlState::restore(QObject* control, const StoredValues& values)
{
    const SavedKind kind = kindOf(control);
    const QString dataField = keyDataField(control, kind);
    switch (kind) {
    case SavedKind::TextBox:
        if (const auto text = values.first(keyOf(control, dataField, textProperty)))
            ui::Control::setValue(control, vb::Trim(*text));
        break;
    case SavedKind::CheckBox:
        if (const auto text = values.first(keyOf(control, dataField, valueProperty)))
            ui::Control::setValue(control, wholeNumber(*text));
        break;
    case SavedKind::OptionButton:
        if (const auto text = values.first(keyOf(control, dataField, valueProperty)))
            ui::Control::setValue(control, vb::CBool(vb::Variant(vb::Trim(*text))));
        break;
    case SavedKind::ComboBox:
        // The template selector shows the template being worked on, never a saved one.
        if (vb::textEquals(ui::Control::name(control), QStringLiteral("CboPlantilla")))
            break;
        if (const auto text = values.first(keyOf(control, dataField, listIndexProperty))) {
            const int row = wholeNumber(*text);
            if (row > 0)
                ui::Control::setListIndex(control, row);
        }
        break;
    case SavedKind::ListView:
        restoreListView(control, values);
        break;
    case SavedKind::DataGrid:
        restoreGrid(control, values);
        break;
    case SavedKind::ListBox:
    case SavedKind::Other:
        break;
    }
}

// Each column finds its own width and position by its header text; positions are applied
// from the leftmost place on, so moving one column does not undo the place of another.
void ControlState::restoreListView(QObject* control, const StoredValues& values)
{
    QMap<int, int> columnAtPosition;
    const int count = ui::Control::columnCount(control);
    for (int c = 0; c < count; ++c) {
        const QString header = ui::Control::columnText(control, c);
        if (const auto width = values.first(keyOf(control, header, colWidthProperty)))
            ui::Control::setColumnWidth(control, c, ui::Twips::toPixels(vb::Val(*width)));
        if (const auto position = values.first(keyOf(control, header, colPositionProperty)))
            columnAtPosition.insert(wholeNumber(*position) - 1, c);
    }
    for (auto it = columnAtPosition.cbegin(); it != columnAtPosition.cend(); ++it)
        ui::Control::setColumnPosition(control, it.value(), it.key());
}

void ControlState::restoreGrid(QObject* control, const StoredValues& values)
{
    if (const auto pageSize = values.first(keyOf(control, {}, pageSizeProperty)))
        DataGridAccess::setPageSize(control, vb::Trim(*pageSize));
    if (const auto camposSel = values.first(keyOf(control, {}, camposSelProperty)))
        DataGridAccess::setCamposSel(control, vb::Trim(*camposSel));
    const QStringList widths = values.all(keyOf(control, {}, colWidthProperty));
    const int cols = widths.isEmpty() ? 0 : DataGridAccess::cols(control);
    for (int c = 0; c < widths.size() && c < cols; ++c) {
        vb::DoEvents();
        DataGridAccess::setColWidth(control, c, wholeNumber(widths.at(c)));
    }
}

} // namespace app
