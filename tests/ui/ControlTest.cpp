#include "ui/Control.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

using ui::Control;

namespace commandbar {
class TBarRep : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
};
}

namespace {

template <typename T>
T* add(QObject* parent, const QString& name, int index = -1)
{
    auto* control = new T(qobject_cast<QWidget*>(parent));
    Control::declare(control, name, index);
    return control;
}

// A window like the report parameter window, in miniature.
struct SmallWindow {
    QDialog form;
    QLineEdit* code;
    QLineEdit* description;
    QComboBox* templates;
    QCheckBox* check0;
    QCheckBox* check1;
    QRadioButton* option;
    QGroupBox* frame;
    QPushButton* accept;
    QListWidget* list;
    QTreeWidget* listView;
    QTreeWidget* treeView;
    QTimer* timer;

    SmallWindow()
    {
        form.setObjectName("frmReporte");
        code = add<QLineEdit>(&form, "Txtfields", 0);
        description = add<QLineEdit>(&form, "Txtfields", 1);
        templates = add<QComboBox>(&form, "CboPlantilla");
        templates->addItems({"Mensual", "Anual", "Diaria"});
        templates->setEditable(true); // gives it an inner line edit that must not count
        frame = add<QGroupBox>(&form, "Frame1");
        check1 = add<QCheckBox>(frame, "chkOpcion", 1);
        check0 = add<QCheckBox>(frame, "chkOpcion", 0);
        accept = add<QPushButton>(frame, "CmdAceptar");
        option = add<QRadioButton>(&form, "optTodos");
        list = add<QListWidget>(&form, "lstCampos");
        list->addItems({"Fecha", "Numero", "Proveedor"});
        listView = add<QTreeWidget>(&form, "ListView1");
        listView->setRootIsDecorated(false);
        treeView = add<QTreeWidget>(&form, "TreeV");
        timer = new QTimer(&form);
        timer->setObjectName("Timer1");
        new QLabel("sin nombre", &form); // unnamed: not a control
        auto* child = new QDialog(&form); // a window of its own, not a control
        child->setObjectName("frmHija");
        add<QLineEdit>(child, "txtHija");
    }
};

QStringList names(const QList<QObject*>& controls)
{
    QStringList result;
    for (const QObject* c : controls)
        result.append(c->objectName() + (Control::index(c) >= 0 ? QString("(%1)").arg(Control::index(c)) : QString()));
    return result;
}

} // namespace

TEST(Control, NamesIndexTagAndDataFieldLiveOnTheWidget)
{
    SmallWindow w;
    EXPECT_EQ(Control::name(w.code), "Txtfields");
    EXPECT_EQ(Control::index(w.code), 0);
    EXPECT_EQ(Control::index(w.description), 1);
    EXPECT_EQ(Control::index(w.templates), -1);
    EXPECT_TRUE(Control::isArrayMember(w.code));
    EXPECT_FALSE(Control::isArrayMember(w.templates));

    EXPECT_EQ(Control::tag(w.accept), "");
    Control::setTag(w.accept, "CERRAR");
    Control::setDataField(w.code, "Codigo");
    EXPECT_EQ(Control::tag(w.accept), "CERRAR");
    EXPECT_EQ(Control::dataField(w.code), "Codigo");
    EXPECT_EQ(Control::dataField(w.description), "");

    Control::setIndex(w.code, -1);
    EXPECT_FALSE(Control::isArrayMember(w.code));
    EXPECT_EQ(Control::name(nullptr), "");
    EXPECT_EQ(Control::index(nullptr), -1);
}

TEST(Control, TypeNamesFollowTheQtClassUnlessSetExplicitly)
{
    SmallWindow w;
    EXPECT_EQ(Control::typeName(w.code), "TextBox");
    EXPECT_EQ(Control::typeName(w.templates), "ComboBox");
    EXPECT_EQ(Control::typeName(w.check0), "CheckBox");
    EXPECT_EQ(Control::typeName(w.option), "OptionButton");
    EXPECT_EQ(Control::typeName(w.frame), "Frame");
    EXPECT_EQ(Control::typeName(w.accept), "CommandButton");
    EXPECT_EQ(Control::typeName(w.list), "ListBox");
    EXPECT_EQ(Control::typeName(w.listView), "ListView");
    EXPECT_EQ(Control::typeName(w.treeView), "TreeView");
    EXPECT_EQ(Control::typeName(w.timer), "Timer");
    EXPECT_EQ(Control::typeName(&w.form), "Form");
    QLabel label;
    QTableWidget table;
    QScrollBar bar(Qt::Horizontal);
    QWidget plain;
    QTabWidget tabs;
    commandbar::TBarRep bandBar;
    EXPECT_EQ(Control::typeName(&label), "Label");
    EXPECT_EQ(Control::typeName(&tabs), "SSTab");
    EXPECT_EQ(Control::typeName(&table), "ListView");
    EXPECT_EQ(Control::typeName(&bar), "HScrollBar");
    EXPECT_EQ(Control::typeName(&plain), "PictureBox");
    EXPECT_EQ(Control::typeName(&bandBar), "TBarRep");

    Control::setTypeName(&label, "Image");
    EXPECT_EQ(Control::typeName(&label), "Image");
    Control::setTypeName(&label, {});
    EXPECT_EQ(Control::typeName(&label), "Label");
}

TEST(Control, ValueReadsAndWritesTheMainPropertyOfEachKind)
{
    SmallWindow w;
    ASSERT_TRUE(Control::setValue(w.code, "A-01"));
    EXPECT_EQ(w.code->text(), "A-01");
    EXPECT_EQ(Control::value(w.code).toString(), "A-01");

    ASSERT_TRUE(Control::setValue(w.check0, 1));
    EXPECT_EQ(w.check0->checkState(), Qt::Checked);
    ASSERT_TRUE(Control::setValue(w.check1, 2));
    EXPECT_EQ(w.check1->checkState(), Qt::PartiallyChecked);
    EXPECT_EQ(Control::value(w.check1).toInt(), 2);
    EXPECT_FALSE(Control::setValue(w.check0, 3));
    EXPECT_EQ(Control::value(w.check0).toInt(), 1);

    ASSERT_TRUE(Control::setValue(w.option, true));
    EXPECT_TRUE(w.option->isChecked());
    EXPECT_EQ(Control::value(w.option), QVariant(true));
    // The chosen option of a set can be cleared from code, and the set stays exclusive.
    QWidget set;
    QRadioButton first(&set), second(&set);
    ASSERT_TRUE(Control::setValue(&first, true));
    ASSERT_TRUE(Control::setValue(&first, false));
    EXPECT_FALSE(first.isChecked());
    EXPECT_FALSE(second.isChecked());
    ASSERT_TRUE(Control::setValue(&second, true));
    ASSERT_TRUE(Control::setValue(&first, true));
    EXPECT_FALSE(second.isChecked());

    ASSERT_TRUE(Control::setValue(w.templates, "Texto libre"));
    EXPECT_EQ(Control::value(w.templates).toString(), "Texto libre");

    ASSERT_TRUE(Control::setValue(w.frame, "Filtros"));
    EXPECT_EQ(w.frame->title(), "Filtros");
    EXPECT_FALSE(Control::setValue(w.timer, 1));
    EXPECT_FALSE(Control::value(w.timer).isValid());
}

TEST(Control, ClosedDropDownListsOnlyTakeTextsInTheirList)
{
    QComboBox combo;
    combo.addItems({"Mensual", "Anual"});
    ASSERT_FALSE(combo.isEditable());
    EXPECT_TRUE(Control::setValue(&combo, "anual"));
    EXPECT_EQ(combo.currentIndex(), 1);
    EXPECT_FALSE(Control::setValue(&combo, "Semanal"));
    EXPECT_EQ(combo.currentIndex(), 1);
    EXPECT_TRUE(Control::setValue(&combo, ""));
    EXPECT_EQ(Control::listIndex(&combo), -1);
}

TEST(Control, ListsOfCombosAndListBoxes)
{
    SmallWindow w;
    EXPECT_EQ(Control::listCount(w.templates), 3);
    EXPECT_EQ(Control::listItem(w.templates, 2), "Diaria");
    ASSERT_TRUE(Control::setListIndex(w.templates, 1));
    EXPECT_EQ(Control::listIndex(w.templates), 1);
    EXPECT_EQ(Control::value(w.templates).toString(), "Anual");
    EXPECT_FALSE(Control::setListIndex(w.templates, 3));
    EXPECT_EQ(Control::listIndex(w.templates), 1);

    w.list->setSelectionMode(QAbstractItemView::MultiSelection);
    w.list->item(0)->setSelected(true);
    w.list->item(2)->setSelected(true);
    EXPECT_TRUE(Control::selected(w.list, 0));
    EXPECT_FALSE(Control::selected(w.list, 1));
    EXPECT_TRUE(Control::selected(w.list, 2));
    EXPECT_FALSE(Control::selected(w.list, 9));
    ASSERT_TRUE(Control::setListIndex(w.list, 1));
    EXPECT_EQ(Control::value(w.list).toString(), "Numero");
    ASSERT_TRUE(Control::setValue(w.list, "proveedor"));
    EXPECT_EQ(Control::listIndex(w.list), 2);
    EXPECT_EQ(Control::listCount(w.code), 0);
}

TEST(Control, ListViewColumnsByLogicalIndexWhereverTheyWereMoved)
{
    QTreeWidget view;
    view.setHeaderLabels({"Codigo", "Descripcion", "Cantidad"});
    QTableWidget table(0, 2);
    table.setHorizontalHeaderLabels({"Fecha", "Total"});
    EXPECT_EQ(Control::columnCount(&view), 3);
    EXPECT_EQ(Control::columnCount(&table), 2);
    EXPECT_EQ(Control::columnText(&view, 1), "Descripcion");
    EXPECT_EQ(Control::columnText(&table, 1), "Total");
    EXPECT_EQ(Control::columnText(&view, 3), "");

    ASSERT_TRUE(Control::setColumnWidth(&view, 2, 87));
    EXPECT_EQ(Control::columnWidth(&view, 2), 87);
    ASSERT_TRUE(Control::setColumnPosition(&view, 2, 0));
    EXPECT_EQ(Control::columnPosition(&view, 2), 0);
    EXPECT_EQ(Control::columnPosition(&view, 0), 1);
    EXPECT_EQ(Control::columnPosition(&view, 1), 2);
    // Moving does not renumber: column 2 is still "Cantidad", with its width.
    EXPECT_EQ(Control::columnText(&view, 2), "Cantidad");
    EXPECT_EQ(Control::columnWidth(&view, 2), 87);
    ASSERT_TRUE(Control::setColumnPosition(&view, 0, 2));
    EXPECT_EQ(Control::columnPosition(&view, 0), 2);
    EXPECT_EQ(Control::columnPosition(&view, 2), 0);

    EXPECT_FALSE(Control::setColumnPosition(&view, 0, 3));
    EXPECT_FALSE(Control::setColumnWidth(&table, 5, 10));
    QLineEdit edit;
    EXPECT_EQ(Control::columnCount(&edit), 0);
    EXPECT_FALSE(Control::setColumnWidth(&edit, 0, 10));
}

TEST(Control, WindowControlsComeInCreationOrderWithoutQtInnards)
{
    SmallWindow w;
    EXPECT_EQ(names(Control::controls(&w.form)),
              (QStringList{"Txtfields(0)", "Txtfields(1)", "CboPlantilla", "Frame1", "chkOpcion(1)", "chkOpcion(0)",
                           "CmdAceptar", "optTodos", "lstCampos", "ListView1", "TreeV", "Timer1"}));

    // Controls added at run time to a container come after the designed ones of it.
    auto* extra = add<QComboBox>(w.frame, "CmbSearch", 1);
    const QStringList after = names(Control::controls(&w.form));
    EXPECT_EQ(after.indexOf("CmbSearch(1)"), after.indexOf("CmdAceptar") + 1);
    EXPECT_EQ(Control::controls(nullptr).size(), 0);
    delete extra;
}

TEST(Control, ControlsInsideUnnamedLayoutsAndScrollAreasAreFound)
{
    QDialog form;
    auto* layout = new QHBoxLayout(&form);
    auto* holder = new QWidget;
    layout->addWidget(holder);
    auto* inner = add<QLineEdit>(holder, "txtDentro");
    auto* scroll = new QScrollArea;
    layout->addWidget(scroll);
    auto* pic = new QWidget;
    pic->setObjectName("picFields");
    scroll->setWidget(pic);
    auto* search = add<QComboBox>(pic, "CmbSearch", 0);
    // Widgets a list shows inside its rows belong to the list, not to the window.
    auto* list = add<QListWidget>(&form, "lstOpciones");
    auto* row = new QListWidgetItem("uno", list);
    auto* rowCheck = new QCheckBox;
    rowCheck->setObjectName("chkFila");
    list->setItemWidget(row, rowCheck);
    EXPECT_EQ(Control::controls(&form), (QList<QObject*>{inner, pic, search, list}));
}

TEST(Control, LookupByNameIgnoresCaseAndSortsArraysByIndex)
{
    SmallWindow w;
    EXPECT_EQ(Control::find(&w.form, "cboplantilla"), w.templates);
    EXPECT_EQ(Control::find(&w.form, "TXTFIELDS", 1), w.description);
    EXPECT_EQ(Control::find(&w.form, "Txtfields"), w.code);
    EXPECT_EQ(Control::find(&w.form, "Txtfields", 5), nullptr);
    EXPECT_EQ(Control::find(&w.form, "txtHija"), nullptr);
    EXPECT_EQ(Control::find(&w.form, "timer1"), w.timer);
    EXPECT_EQ(Control::array(&w.form, "chkopcion"), (QList<QObject*>{w.check0, w.check1}));
    EXPECT_TRUE(Control::array(&w.form, "CboPlantilla").isEmpty());
}

#include "ControlTest.moc"
