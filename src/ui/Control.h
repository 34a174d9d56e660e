#pragma once
// The original's view of a control over any Qt object: its name (objectName), its index in
// a control array, Tag, DataField and type name, kept as the dynamic properties "Index",
// "Tag", "DataField" and "TypeName" (settable in Designer too) so that code
// walking a window (saved states, templates, styles) works over every window alike.
//
// Controls of a window, in the order the original's Controls collection gives: a pre-order
// walk of the window's object tree, each parent's children in the order they were given
// that parent (for windows built top-down this is creation order; a control created later
// at run time comes after the designed ones of its container). Only named objects count,
// widgets and timers count; Qt's own inner parts ("qt_..." names, the insides of combo
// boxes, lists and editors) and child windows never do.

#include <QList>
#include <QString>
#include <QVariant>

class QHeaderView;
class QObject;
class QWidget;

namespace ui {

class Control {
public:
    static QString name(const QObject* control);
    static void setName(QObject* control, const QString& name);
    // -1 when the control does not belong to a control array.
    static int index(const QObject* control);
    static void setIndex(QObject* control, int index);
    static bool isArrayMember(const QObject* control) { return index(control) >= 0; }
    static QString tag(const QObject* control);
    static void setTag(QObject* control, const QString& tag);
    static QString dataField(const QObject* control);
    static void setDataField(QObject* control, const QString& dataField);
    // The type name set explicitly, else the one of its Qt class (QLineEdit: TextBox ...),
    // else the class name itself without namespace, as for the program's own controls.
    static QString typeName(const QObject* control);
    static void setTypeName(QObject* control, const QString& typeName);
    // Names, index and type at once, for windows built in code.
    static void declare(QObject* control, const QString& name, int index = -1, const QString& typeName = {});

    // The control's main value, as the original's default property gives it:
    //   TextBox: Text (QString)         ComboBox: Text (QString)     ListBox: Text of the current item
    //   CheckBox: Value 0, 1, 2 (int)   OptionButton: Value (bool)   Label, Frame, CommandButton: Caption
    // An invalid QVariant for any other kind; setValue() then returns false.
    static QVariant value(const QObject* control);
    static bool setValue(QObject* control, const QVariant& value);

    // List of a combo box or list box. ListIndex -1 means no selection.
    static int listCount(const QObject* control);
    static QString listItem(const QObject* control, int row);
    static int listIndex(const QObject* control);
    static bool setListIndex(QObject* control, int row);
    static bool selected(const QObject* control, int row);

    // Columns of a list view (QTreeWidget or QTableWidget), counted from 0 in the order they
    // were added; width in pixels; position is where the user has dragged the column to.
    static int columnCount(const QObject* control);
    static QString columnText(const QObject* control, int column);
    static int columnWidth(const QObject* control, int column);
    static bool setColumnWidth(QObject* control, int column, int pixels);
    static int columnPosition(const QObject* control, int column);
    static bool setColumnPosition(QObject* control, int column, int position);

    static QList<QObject*> controls(const QObject* window);
    // Names compared without regard to case; index -1 takes the first control of that name.
    static QObject* find(const QObject* window, const QString& name, int index = -1);
    // Members of one control array, by rising index.
    static QList<QObject*> array(const QObject* window, const QString& name);

private:
    static QHeaderView* header(const QObject* control);
    static QString qtTypeName(const QObject* control);
    static bool isControl(const QObject* object);
    static bool holdsControls(const QObject* object);
    static void collect(const QObject* parent, QList<QObject*>& found);
};

} // namespace ui
