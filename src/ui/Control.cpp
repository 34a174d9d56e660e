#include "Control.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>

namespace ui {

namespace {
const char* const indexProperty = "Index";
const char* const tagProperty = "Tag";
const char* const dataFieldProperty = "DataField";
const char* const typeNameProperty = "TypeName";

// A tree without expandable roots is the original's report-style list view.
QString treeTypeName(const QTreeWidget* tree)
{
    return tree->rootIsDecorated() ? QStringLiteral("TreeView") : QStringLiteral("ListView");
}

QString scrollBarTypeName(const QScrollBar* bar)
{
    return bar->orientation() == Qt::Horizontal ? QStringLiteral("HScrollBar") : QStringLiteral("VScrollBar");
}

QString classNameWithoutNamespace(const QObject* object)
{
    const QString full = QString::fromLatin1(object->metaObject()->className());
    return full.mid(full.lastIndexOf(QLatin1Char(':')) + 1);
}

int checkValue(Qt::CheckState state)
{
    switch (state) {
    case Qt::Checked: return 1;
    case Qt::PartiallyChecked: return 2;
    default: return 0;
    }
}

bool setCheckValue(QCheckBox* box, const QVariant& value)
{
    bool ok = false;
    const int number = value.toInt(&ok);
    if (!ok || number < 0 || number > 2)
        return false;
    if (number == 2)
        box->setTristate(true);
    box->setCheckState(number == 2 ? Qt::PartiallyChecked : number == 1 ? Qt::Checked : Qt::Unchecked);
    return true;
}

// The original refuses a text that is not in the list of a closed drop-down list.
bool setComboText(QComboBox* combo, const QString& text)
{
    if (combo->isEditable()) {
        combo->setEditText(text);
        return true;
    }
    const int row = combo->findText(text, Qt::MatchFixedString);
    if (row < 0 && !text.isEmpty())
        return false;
    combo->setCurrentIndex(row);
    return true;
}

// The original's option button could be cleared from code even when it was the one chosen;
// Qt keeps the chosen button of an exclusive set, so exclusivity steps aside for the change.
void setOptionValue(QRadioButton* option, bool checked)
{
    if (checked || !option->isChecked() || !option->autoExclusive()) {
        option->setChecked(checked);
        return;
    }
    option->setAutoExclusive(false);
    option->setChecked(false);
    option->setAutoExclusive(true);
}

QString listWidgetText(const QListWidget* list)
{
    const QListWidgetItem* item = list->currentItem();
    return item ? item->text() : QString();
}
}

QString Control::name(const QObject* control)
{
    return control ? control->objectName() : QString();
}

void Control::setName(QObject* control, const QString& name)
{
    control->setObjectName(name);
}

int Control::index(const QObject* control)
{
    const QVariant value = control ? control->property(indexProperty) : QVariant();
    return value.isValid() ? value.toInt() : -1;
}

void Control::setIndex(QObject* control, int index)
{
    control->setProperty(indexProperty, index >= 0 ? QVariant(index) : QVariant());
}

QString Control::tag(const QObject* control)
{
    return control ? control->property(tagProperty).toString() : QString();
}

void Control::setTag(QObject* control, const QString& tag)
{
    control->setProperty(tagProperty, tag);
}

QString Control::dataField(const QObject* control)
{
    return control ? control->property(dataFieldProperty).toString() : QString();
}

void Control::setDataField(QObject* control, const QString& dataField)
{
    control->setProperty(dataFieldProperty, dataField);
}

QString Control::typeName(const QObject* control)
{
    if (!control)
        return {};
    const QString explicitName = control->property(typeNameProperty).toString();
    return explicitName.isEmpty() ? qtTypeName(control) : explicitName;
}

void Control::setTypeName(QObject* control, const QString& typeName)
{
    control->setProperty(typeNameProperty, typeName.isEmpty() ? QVariant() : QVariant(typeName));
}

void Control::declare(QObject* control, const QString& name, int index, const QString& typeName)
{
    setName(control, name);
    setIndex(control, index);
    setTypeName(control, typeName);
}

// Most specific classes first: QCheckBox and QRadioButton are buttons, QLabel is a QFrame.
QString Control::qtTypeName(const QObject* control)
{
    if (qobject_cast<const QLineEdit*>(control) || qobject_cast<const QTextEdit*>(control)
        || qobject_cast<const QPlainTextEdit*>(control))
        return QStringLiteral("TextBox");
    if (qobject_cast<const QComboBox*>(control)) return QStringLiteral("ComboBox");
    if (qobject_cast<const QCheckBox*>(control)) return QStringLiteral("CheckBox");
    if (qobject_cast<const QRadioButton*>(control)) return QStringLiteral("OptionButton");
    if (qobject_cast<const QPushButton*>(control)) return QStringLiteral("CommandButton");
    if (qobject_cast<const QListWidget*>(control)) return QStringLiteral("ListBox");
    if (auto tree = qobject_cast<const QTreeWidget*>(control)) return treeTypeName(tree);
    if (qobject_cast<const QTableWidget*>(control)) return QStringLiteral("ListView");
    if (qobject_cast<const QLabel*>(control)) return QStringLiteral("Label");
    if (qobject_cast<const QGroupBox*>(control)) return QStringLiteral("Frame");
    if (qobject_cast<const QTabWidget*>(control)) return QStringLiteral("SSTab");
    if (auto bar = qobject_cast<const QScrollBar*>(control)) return scrollBarTypeName(bar);
    if (qobject_cast<const QProgressBar*>(control)) return QStringLiteral("ProgressBar");
    if (qobject_cast<const QTimer*>(control)) return QStringLiteral("Timer");
    if (qobject_cast<const QDialog*>(control) || qobject_cast<const QMainWindow*>(control))
        return QStringLiteral("Form");
    const QString className = classNameWithoutNamespace(control);
    if (className == QLatin1String("QWidget") || className == QLatin1String("QFrame"))
        return QStringLiteral("PictureBox");
    return className;
}

QVariant Control::value(const QObject* control)
{
    if (auto edit = qobject_cast<const QLineEdit*>(control)) return edit->text();
    if (auto edit = qobject_cast<const QTextEdit*>(control)) return edit->toPlainText();
    if (auto edit = qobject_cast<const QPlainTextEdit*>(control)) return edit->toPlainText();
    if (auto combo = qobject_cast<const QComboBox*>(control)) return combo->currentText();
    if (auto box = qobject_cast<const QCheckBox*>(control)) return checkValue(box->checkState());
    if (auto option = qobject_cast<const QRadioButton*>(control)) return option->isChecked();
    if (auto list = qobject_cast<const QListWidget*>(control)) return listWidgetText(list);
    if (auto button = qobject_cast<const QAbstractButton*>(control)) return button->text();
    if (auto label = qobject_cast<const QLabel*>(control)) return label->text();
    if (auto frame = qobject_cast<const QGroupBox*>(control)) return frame->title();
    return {};
}

bool Control::setValue(QObject* control, const QVariant& value)
{
    if (auto edit = qobject_cast<QLineEdit*>(control)) { edit->setText(value.toString()); return true; }
    if (auto edit = qobject_cast<QTextEdit*>(control)) { edit->setPlainText(value.toString()); return true; }
    if (auto edit = qobject_cast<QPlainTextEdit*>(control)) { edit->setPlainText(value.toString()); return true; }
    if (auto combo = qobject_cast<QComboBox*>(control)) return setComboText(combo, value.toString());
    if (auto box = qobject_cast<QCheckBox*>(control)) return setCheckValue(box, value);
    if (auto option = qobject_cast<QRadioButton*>(control)) { setOptionValue(option, value.toBool()); return true; }
    if (auto list = qobject_cast<QListWidget*>(control)) {
        const QList<QListWidgetItem*> items = list->findItems(value.toString(), Qt::MatchFixedString);
        if (items.isEmpty())
            return false;
        list->setCurrentItem(items.first());
        return true;
    }
    if (auto button = qobject_cast<QAbstractButton*>(control)) { button->setText(value.toString()); return true; }
    if (auto label = qobject_cast<QLabel*>(control)) { label->setText(value.toString()); return true; }
    if (auto frame = qobject_cast<QGroupBox*>(control)) { frame->setTitle(value.toString()); return true; }
    return false;
}

int Control::listCount(const QObject* control)
{
    if (auto combo = qobject_cast<const QComboBox*>(control)) return combo->count();
    if (auto list = qobject_cast<const QListWidget*>(control)) return list->count();
    return 0;
}

QString Control::listItem(const QObject* control, int row)
{
    if (auto combo = qobject_cast<const QComboBox*>(control)) return combo->itemText(row);
    if (auto list = qobject_cast<const QListWidget*>(control)) {
        const QListWidgetItem* item = list->item(row);
        return item ? item->text() : QString();
    }
    return {};
}

int Control::listIndex(const QObject* control)
{
    if (auto combo = qobject_cast<const QComboBox*>(control)) return combo->currentIndex();
    if (auto list = qobject_cast<const QListWidget*>(control)) return list->currentRow();
    return -1;
}

bool Control::setListIndex(QObject* control, int row)
{
    if (row < -1 || row >= listCount(control))
        return false;
    if (auto combo = qobject_cast<QComboBox*>(control)) { combo->setCurrentIndex(row); return true; }
    if (auto list = qobject_cast<QListWidget*>(control)) { list->setCurrentRow(row); return true; }
    return false;
}

bool Control::selected(const QObject* control, int row)
{
    if (auto list = qobject_cast<const QListWidget*>(control)) {
        const QListWidgetItem* item = list->item(row);
        return item && item->isSelected();
    }
    if (auto combo = qobject_cast<const QComboBox*>(control)) return row >= 0 && combo->currentIndex() == row;
    return false;
}

QHeaderView* Control::header(const QObject* control)
{
    if (auto tree = qobject_cast<const QTreeWidget*>(control)) return tree->header();
    if (auto table = qobject_cast<const QTableWidget*>(control)) return table->horizontalHeader();
    return nullptr;
}

int Control::columnCount(const QObject* control)
{
    const QHeaderView* h = header(control);
    return h ? h->count() : 0;
}

QString Control::columnText(const QObject* control, int column)
{
    const QHeaderView* h = header(control);
    if (!h || column < 0 || column >= h->count())
        return {};
    return h->model()->headerData(column, Qt::Horizontal).toString();
}

int Control::columnWidth(const QObject* control, int column)
{
    const QHeaderView* h = header(control);
    return h && column >= 0 && column < h->count() ? h->sectionSize(column) : 0;
}

bool Control::setColumnWidth(QObject* control, int column, int pixels)
{
    QHeaderView* h = header(control);
    if (!h || column < 0 || column >= h->count() || pixels < 0)
        return false;
    h->resizeSection(column, pixels);
    return true;
}

int Control::columnPosition(const QObject* control, int column)
{
    const QHeaderView* h = header(control);
    return h ? h->visualIndex(column) : -1;
}

bool Control::setColumnPosition(QObject* control, int column, int position)
{
    QHeaderView* h = header(control);
    if (!h || column < 0 || column >= h->count() || position < 0 || position >= h->count())
        return false;
    h->moveSection(h->visualIndex(column), position);
    return true;
}

bool Control::isControl(const QObject* object)
{
    const QString name = object->objectName();
    if (name.isEmpty() || name.startsWith(QLatin1String("qt_")))
        return false;
    return object->isWidgetType() || qobject_cast<const QTimer*>(object);
}

// The insides of these belong to Qt, whatever they are named.
bool Control::holdsControls(const QObject* object)
{
    return !(qobject_cast<const QComboBox*>(object) || qobject_cast<const QAbstractItemView*>(object)
             || qobject_cast<const QAbstractSpinBox*>(object) || qobject_cast<const QLineEdit*>(object)
             || qobject_cast<const QTextEdit*>(object) || qobject_cast<const QPlainTextEdit*>(object));
}

void Control::collect(const QObject* parent, QList<QObject*>& found)
{
    for (QObject* child : parent->children()) {
        if (child->isWidgetType() && static_cast<QWidget*>(child)->isWindow())
            continue;
        if (isControl(child))
            found.append(child);
        if (holdsControls(child))
            collect(child, found);
    }
}

QList<QObject*> Control::controls(const QObject* window)
{
    QList<QObject*> found;
    if (window)
        collect(window, found);
    return found;
}

QObject* Control::find(const QObject* window, const QString& name, int index)
{
    for (QObject* control : controls(window)) {
        if (control->objectName().compare(name, Qt::CaseInsensitive) != 0)
            continue;
        if (index < 0 || Control::index(control) == index)
            return control;
    }
    return nullptr;
}

QList<QObject*> Control::array(const QObject* window, const QString& name)
{
    QList<QObject*> members;
    for (QObject* control : controls(window))
        if (isArrayMember(control) && control->objectName().compare(name, Qt::CaseInsensitive) == 0)
            members.append(control);
    std::stable_sort(members.begin(), members.end(),
                     [](const QObject* a, const QObject* b) { return Control::index(a) < Control::index(b); });
    return members;
}

} // namespace ui
