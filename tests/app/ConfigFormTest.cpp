#include "TestWindow.h"
#include "WindowStateFixture.h"

#include "DemoGenerator.h"
#include "ado/Connection.h"
#include "app/ConfigForm.h"
#include "app/ConfigFormSql.h"
#include "app/ControlState.h"
#include "app/FormPlacement.h"
#include "data/SessionValues.h"
#include "ui/Control.h"
#include "ui/Twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTableWidget>
#include <QTreeWidget>

using namespace apptest;

namespace {

class ConfigFormTest : public WindowStateFixture {
protected:
    QList<ConfigRow> formRows()
    {
        return rows(QStringLiteral("TIPOOBJETO = 'FrmPrueba'"));
    }
    TestWindow w;
};

ConfigRow row(const QString& tipo, const QString& nombre, const QString& datafield, const QString& propiedad,
              const QString& valor)
{
    return {QStringLiteral("FrmPrueba"), QStringLiteral("ANA"), tipo, nombre, propiedad, datafield, valor};
}

// A length in twips as a window can take it: a whole number of pixels.
int onPixels(int twips)
{
    return ui::Twips::fromPixels(ui::Twips::toPixels(twips));
}

template <typename... Control>
QList<QObject*> objects(Control*... controls)
{
    return {static_cast<QObject*>(controls)...};
}

QStringList visualOrder(const QTreeWidget* view)
{
    QStringList order;
    for (int v = 0; v < view->header()->count(); ++v)
        order << view->headerItem()->text(view->header()->logicalIndex(v));
    return order;
}

TEST_F(ConfigFormTest, SaveWritesOneRowPerRememberedPropertyInTheWalkOrder)
{
    w.fillSample();
    app::GuardarConfigForm(&w, {}, {}, true);

    const QRect box = ui::Twips::windowGeometry(&w);
    const QString text = QStringLiteral("TextBox"), check = QStringLiteral("CheckBox"),
                  option = QStringLiteral("OptionButton"), list = QStringLiteral("ListBox"),
                  view = QStringLiteral("ListView"), grid = QStringLiteral("KQDBGRID");
    const QList<ConfigRow> expected = {
        // txtFields(0) holds the code being edited: never saved.
        row(text, "txtFields", "Descripcion", "Text", "Tornillos O'Brien"),
        row(text, "txtFields", "Fecha_desde", "Text", "01/03/2024"),
        row(text, "TxtNota", "Nota", "Text", "  con blancos  "),
        row("ComboBox", "CmbMoneda", "Moneda", "ListIndex", "2"),
        row(check, "ChkActivo", "Activo", "Value", "1"),
        row(check, "chkestado", "0", "Value", "0"),
        row(check, "chkestado", "1", "Value", "2"),
        row(option, "OptTipo", "0", "Value", "False"),
        row(option, "OptTipo", "1", "Value", "False"),
        row(option, "OptTipo", "2", "Value", "True"),
        row(option, "OptSolo", "OptSolo", "Value", "True"),
        // The tab pages hold the list view before the list box.
        row(view, "LvwColumnas", "Código", "ColWidth", "900"),
        row(view, "LvwColumnas", "Nombre", "ColWidth", "2250"),
        row(view, "LvwColumnas", "Saldo", "ColWidth", "1350"),
        row(view, "LvwColumnas", "Código", "ColPosition", "2"),
        row(view, "LvwColumnas", "Nombre", "ColPosition", "3"),
        row(view, "LvwColumnas", "Saldo", "ColPosition", "1"),
        row(list, "LstSucursales", "Sucursales", "List", "Centro"),
        row(list, "LstSucursales", "Sucursales", "Selected", "False"),
        row(list, "LstSucursales", "Sucursales", "List", "Norte"),
        row(list, "LstSucursales", "Sucursales", "Selected", "True"),
        row(list, "LstSucursales", "Sucursales", "List", "Sur"),
        row(list, "LstSucursales", "Sucursales", "Selected", "False"),
        row(grid, "GrdDatos", "", "PageSize", "50"),
        row(grid, "GrdDatos", "", "CamposSel", "Codigo,Saldo"),
        row(grid, "GrdDatos", "", "ColWidth", "600"),
        row(grid, "GrdDatos", "", "ColWidth", "750"),
        row(grid, "GrdDatos", "", "ColWidth", "900"),
        row(grid, "GrdDatos", "", "ColWidth", "1050"),
        row("ComboBox", "CboPlantilla", "", "ListIndex", "-1"),
        row("FrmPrueba", "FrmPrueba", "", "Top", QString::number(box.y())),
        row("FrmPrueba", "FrmPrueba", "", "Left", QString::number(box.x())),
        row("FrmPrueba", "FrmPrueba", "", "Width", QString::number(box.width())),
        row("FrmPrueba", "FrmPrueba", "", "Height", QString::number(box.height())),
    };
    EXPECT_EQ(rows(), expected);
    // Committed: another connection sees them all.
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM TA_CONFIG_FORM")).toLong(), expected.size());
}

TEST_F(ConfigFormTest, ListBoxesAreSavedOnlyWhenAskedForAndSavingAgainReplacesTheRows)
{
    w.fillSample();
    app::GuardarConfigForm(&w);
    EXPECT_EQ(rowCount(QStringLiteral("TIPOOBJETO = 'ListBox'")), 0);
    const int saved = rowCount();
    ASSERT_GT(saved, 20);

    w.descripcion->setText(QStringLiteral("segunda"));
    app::GuardarConfigForm(&w);
    EXPECT_EQ(rowCount(), saved);
    EXPECT_EQ(rows(QStringLiteral("DATAFIELD = 'Descripcion'")).value(0).valor, "segunda");
}

// Earlier versions stored the key columns blank-padded to their full length (100 and 50).
TEST_F(ConfigFormTest, ARowWithPaddedKeysIsRestoredAndReplacedBySavingAgain)
{
    const auto padded = [](const char* text, int length) {
        return QStringLiteral("'") + QString::fromLatin1(text).leftJustified(length) + QStringLiteral("'");
    };
    execute(QStringLiteral("INSERT INTO TA_CONFIG_FORM (FORMULARIO,USUARIO,TIPOOBJETO,NOMBRE,PROPIEDAD,DATAFIELD,VALOR) "
                           "VALUES (")
            + QStringList{padded("FrmPrueba", 100), padded("ANA", 50), padded("TextBox", 50), padded("TxtNota", 50),
                          padded("Text", 50), padded("Nota", 50), QStringLiteral("'de antes'")}
                  .join(u',')
            + u')');
    app::CargarConfigForm(&w);
    EXPECT_EQ(w.nota->text(), "de antes");

    w.nota->setText(QStringLiteral("de ahora"));
    app::GuardarConfigForm(&w);
    EXPECT_EQ(rows(QStringLiteral("NOMBRE = 'TxtNota'")),
              QList<ConfigRow>{row(QStringLiteral("TextBox"), "TxtNota", "Nota", "Text", "de ahora")});
    w.nota->clear();
    app::CargarConfigForm(&w);
    EXPECT_EQ(w.nota->text(), "de ahora");
}

TEST_F(ConfigFormTest, RestorePutsEveryKindBack)
{
    w.fillSample();
    app::GuardarConfigForm(&w, {}, {}, true);
    w.scramble();
    app::CargarConfigForm(&w);

    EXPECT_EQ(w.codigo->text(), "otro");                    // never saved, so left alone
    EXPECT_EQ(w.descripcion->text(), "Tornillos O'Brien");
    EXPECT_EQ(w.fecha->text(), "01/03/2024");
    EXPECT_EQ(w.nota->text(), "con blancos");                // texts come back trimmed
    EXPECT_EQ(w.activo->checkState(), Qt::Checked);
    EXPECT_EQ(w.estado[0]->checkState(), Qt::Unchecked);
    EXPECT_EQ(w.estado[1]->checkState(), Qt::PartiallyChecked);
    EXPECT_TRUE(w.tipo[2]->isChecked());
    EXPECT_FALSE(w.tipo[1]->isChecked());
    EXPECT_TRUE(w.solo->isChecked());
    EXPECT_EQ(w.moneda->currentIndex(), 2);
    EXPECT_TRUE(w.sucursales->selectedItems().isEmpty());  // list boxes are not restored
    EXPECT_EQ(visualOrder(w.columnas), (QStringList{"Saldo", "Código", "Nombre"}));
    EXPECT_EQ(w.columnas->header()->sectionSize(0), 60);
    EXPECT_EQ(w.columnas->header()->sectionSize(1), 150);
    EXPECT_EQ(w.columnas->header()->sectionSize(2), 90);
    EXPECT_EQ(w.grilla->property("PageSize").toString(), "50");
    EXPECT_EQ(w.grilla->property("CamposSel").toString(), "Codigo,Saldo");
    for (int c = 0; c < 4; ++c)
        EXPECT_EQ(w.grillaInterna->horizontalHeader()->sectionSize(c), 40 + 10 * c) << "column " << c;
}

TEST_F(ConfigFormTest, OptionsStoredUncheckedComeBackUnchecked)
{
    app::GuardarConfigForm(&w);                 // OptTipo(0) chosen, OptSolo not
    w.tipo[2]->setChecked(true);
    w.solo->setChecked(true);
    app::CargarConfigForm(&w);
    EXPECT_TRUE(w.tipo[0]->isChecked());
    EXPECT_FALSE(w.tipo[2]->isChecked());
    EXPECT_FALSE(w.solo->isChecked());
}

TEST_F(ConfigFormTest, ComboBoxesComeBackOnlyAboveTheFirstItemAndNeverTheTemplateSelector)
{
    w.plantilla->addItems({QStringLiteral("Mensual"), QStringLiteral("Anual")});
    w.plantilla->setCurrentIndex(1);
    w.moneda->setCurrentIndex(0);
    app::GuardarConfigForm(&w);
    w.moneda->setCurrentIndex(2);
    w.plantilla->setCurrentIndex(0);
    app::CargarConfigForm(&w);
    EXPECT_EQ(w.moneda->currentIndex(), 2);       // stored 0: the selection stays
    EXPECT_EQ(w.plantilla->currentIndex(), 0);    // stored 1, but the selector is never restored

    w.moneda->setCurrentIndex(1);
    app::GuardarConfigForm(&w);
    w.moneda->setCurrentIndex(0);
    app::CargarConfigForm(&w);
    EXPECT_EQ(w.moneda->currentIndex(), 1);
}

TEST_F(ConfigFormTest, EachUserHasHisOwnState)
{
    w.descripcion->setText(QStringLiteral("de Ana"));
    app::GuardarConfigForm(&w);
    data::gUsuarioActual = QStringLiteral("BETO");
    w.descripcion->setText(QStringLiteral("de Beto"));
    app::GuardarConfigForm(&w);

    w.descripcion->clear();
    app::CargarConfigForm(&w);
    EXPECT_EQ(w.descripcion->text(), "de Beto");
    data::gUsuarioActual = QStringLiteral("ANA");
    app::CargarConfigForm(&w);
    EXPECT_EQ(w.descripcion->text(), "de Ana");
    data::gUsuarioActual = QStringLiteral("CARLA");
    app::CargarConfigForm(&w);
    EXPECT_EQ(w.descripcion->text(), "de Ana");   // nothing stored for her: nothing changes
}

TEST_F(ConfigFormTest, ApostrophesInValuesUsersAndNamesAreStoredAndReadBack)
{
    data::gUsuarioActual = QStringLiteral("D'ALESSANDRO");
    w.setObjectName(QStringLiteral("Frm'Prueba"));
    w.descripcion->setText(QStringLiteral("'; DELETE TA_CONFIG_FORM --"));
    app::GuardarConfigForm(&w);
    EXPECT_EQ(rows(QStringLiteral("USUARIO = 'D''ALESSANDRO' AND FORMULARIO = 'Frm''Prueba'")).size(), rowCount());
    ASSERT_GT(rowCount(), 0);

    w.descripcion->clear();
    app::CargarConfigForm(&w);
    EXPECT_EQ(w.descripcion->text(), "'; DELETE TA_CONFIG_FORM --");
}

TEST_F(ConfigFormTest, SavingOneControlReplacesOnlyItsRows)
{
    w.fillSample();
    app::GuardarConfigForm(&w);
    const int saved = rowCount();

    w.nota->setText(QStringLiteral("nueva"));
    w.descripcion->setText(QStringLiteral("no se guarda"));
    app::GuardarConfigForm(&w, {}, QStringLiteral("txtnota"));
    EXPECT_EQ(rowCount(), saved);
    EXPECT_EQ(rows(QStringLiteral("NOMBRE = 'TxtNota'")).value(0).valor, "nueva");
    EXPECT_EQ(rows(QStringLiteral("DATAFIELD = 'Descripcion'")).value(0).valor, "Tornillos O'Brien");

    // By type name: every check box is written again, and the old rows go first.
    w.activo->setCheckState(Qt::Unchecked);
    app::GuardarConfigForm(&w, {}, QStringLiteral("CheckBox"));
    EXPECT_EQ(rowCount(), saved);
    EXPECT_EQ(rows(QStringLiteral("NOMBRE = 'ChkActivo'")).value(0).valor, "0");

    // Restoring one control leaves the others alone.
    w.nota->clear();
    w.descripcion->clear();
    app::CargarConfigForm(&w, {}, QStringLiteral("TXTNOTA"));
    EXPECT_EQ(w.nota->text(), "nueva");
    EXPECT_TRUE(w.descripcion->text().isEmpty());
}

TEST_F(ConfigFormTest, MembersOfAnArraySharingADataFieldTakeTheOldestRow)
{
    ui::Control::setDataField(w.fecha, QStringLiteral("Descripcion"));
    w.descripcion->setText(QStringLiteral("primero"));
    w.fecha->setText(QStringLiteral("segundo"));
    app::GuardarConfigForm(&w);
    w.descripcion->clear();
    w.fecha->clear();
    app::CargarConfigForm(&w);
    EXPECT_EQ(w.descripcion->text(), "primero");
    EXPECT_EQ(w.fecha->text(), "primero");
}

TEST_F(ConfigFormTest, AValueThatCannotComeBackLeavesOnlyItsControlAlone)
{
    w.fillSample();
    app::GuardarConfigForm(&w);
    execute(QStringLiteral("UPDATE TA_CONFIG_FORM SET VALOR = 'quizás' WHERE NOMBRE = 'OptSolo'"));
    w.scramble();
    app::CargarConfigForm(&w);
    EXPECT_FALSE(w.solo->isChecked());
    EXPECT_EQ(w.descripcion->text(), "Tornillos O'Brien");
    EXPECT_EQ(w.grilla->property("PageSize").toString(), "50");   // the walk went on past it
}

TEST_F(ConfigFormTest, AGridLackingAPropertyKeepsTheRestOfItsState)
{
    w.grilla->setProperty("PageSize", QVariant());   // removes the property
    w.fillSample();
    w.grilla->setProperty("PageSize", QVariant());
    app::GuardarConfigForm(&w);
    EXPECT_EQ(rowCount(QStringLiteral("NOMBRE = 'GrdDatos' AND PROPIEDAD = 'PageSize'")), 0);
    EXPECT_EQ(rowCount(QStringLiteral("NOMBRE = 'GrdDatos' AND PROPIEDAD = 'ColWidth'")), 4);
    EXPECT_EQ(rowCount(QStringLiteral("NOMBRE = 'CboPlantilla'")), 1);
    EXPECT_TRUE(moduleLog().isEmpty());
}

TEST_F(ConfigFormTest, AFormKeyLongerThanTheColumnIsReplacedNotPiledUp)
{
    w.setObjectName(QStringLiteral("Frm") + QString(120, u'x'));
    app::GuardarConfigForm(&w);
    const int saved = rowCount();
    ASSERT_GT(saved, 0);
    app::GuardarConfigForm(&w);
    EXPECT_EQ(rowCount(), saved);
    w.descripcion->setText(QStringLiteral("vuelve"));
    app::GuardarConfigForm(&w);
    w.descripcion->clear();
    app::CargarConfigForm(&w);
    EXPECT_EQ(w.descripcion->text(), "vuelve");
}

TEST_F(ConfigFormTest, TheRestoreLooksEachPropertyUpByItsSixKeyColumns)
{
    app::GuardarConfigForm(&w, {}, QStringLiteral("TxtNota"));
    handed.clear();
    app::CargarConfigForm(&w, {}, QStringLiteral("TxtNota"));
    const QString lookup = QStringLiteral(
        "SELECT * FROM TA_CONFIG_FORM  with(nolock)  WHERE FORMULARIO = 'FrmPrueba' AND USUARIO = 'ANA' AND "
        "TIPOOBJETO = 'TextBox' AND NOMBRE='TxtNota' AND DATAFIELD='Nota' AND PROPIEDAD='Text' order by id");
    ASSERT_FALSE(handed.isEmpty());
    EXPECT_EQ(handed.first(), lookup);
}

// The database takes the old rows' delete, then refuses the new rows: the save says so, and the
// state saved before is still whole for the next start.
TEST_F(ConfigFormTest, ASaveTheDatabaseRefusesSaysSoAndKeepsTheStateSavedBefore)
{
    w.fillSample();
    ASSERT_TRUE(app::GuardarConfigForm(&w));
    const QList<ConfigRow> before = rows(QStringLiteral("1 = 1"));
    refuseInserts(QStringLiteral("TA_CONFIG_FORM"));
    w.descripcion->setText(QStringLiteral("perdida"));
    handed.clear();
    EXPECT_FALSE(app::GuardarConfigForm(&w));
    EXPECT_EQ(rows(QStringLiteral("1 = 1")), before);
    // The first refused row ends the save: the rest are not sent to be refused one by one.
    EXPECT_EQ(handed.filter(QStringLiteral("INSERT INTO TA_CONFIG_FORM"), Qt::CaseInsensitive).size(), 1);
}

// A commit that does not happen must not leave the shared connection inside the save's
// transaction, where every later write of the run would go and never be stored.
TEST_F(ConfigFormTest, ASaveWhoseCommitFailsLeavesLaterWritesStored)
{
    // Another program reading the database holds its file until the commit gives up waiting.
    const ado::ConnectionPtr reader = ado::Connection::create();
    reader->Open(demo::DemoGenerator::connectionString(serverFolder(), QStringLiteral("DEMO")));
    reader->BeginTrans();
    reader->Execute(QStringLiteral("SELECT COUNT(*) FROM TA_CONFIG_FORM"));
    EXPECT_FALSE(app::GuardarConfigForm(&w));
    reader->RollbackTrans();
    reader->Close();

    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM TA_CONFIG_FORM")).toLong(), 0);
    EXPECT_TRUE(moduleLog().contains(QStringLiteral("Rutina: - GuardarConfigForm")));
    QString later = QStringLiteral("INSERT INTO TA_MENU (Clave, Nombre) VALUES ('X9', 'despues')");
    db->EjecutaConsultaSQL(later);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM TA_MENU WHERE Clave = 'X9'")).toLong(), 1);
    EXPECT_TRUE(app::GuardarConfigForm(&w));
    EXPECT_GT(scalar(QStringLiteral("SELECT COUNT(*) FROM TA_CONFIG_FORM")).toLong(), 0);
}

// ---- the window's own place ---------------------------------------------------------------

class FormPlaceTest : public ConfigFormTest {
protected:
    QSize screen() const { return ui::Twips::screenSize(&w); }
    void storePlace(int left, int top, int width, int height)
    {
        const QString base = QStringLiteral("INSERT INTO TA_CONFIG_FORM (FORMULARIO,USUARIO,TIPOOBJETO,NOMBRE,PROPIEDAD,"
                                            "DATAFIELD,VALOR) VALUES ('FrmPrueba','ANA','FrmPrueba','FrmPrueba','%1','','%2')");
        execute(base.arg(QStringLiteral("Left")).arg(left));
        execute(base.arg(QStringLiteral("Top")).arg(top));
        execute(base.arg(QStringLiteral("Width")).arg(width));
        execute(base.arg(QStringLiteral("Height")).arg(height));
    }
};

TEST_F(FormPlaceTest, TheWindowComesBackWhereItWasSaved)
{
    ui::Twips::placeWindow(&w, 1500, 900, 9000, 6000);
    app::GuardarConfigForm(&w);
    ui::Twips::placeWindow(&w, 0, 0, 6000, 4500);
    app::CargarConfigForm(&w);
    EXPECT_EQ(ui::Twips::windowGeometry(&w), QRect(1500, 900, 9000, 6000));
}

// The window's rows carry the data field of the last remembered control; the restore must look
// them up under the same one.
TEST_F(FormPlaceTest, TheWindowsRowsAreFoundUnderTheDataFieldOfTheLastControl)
{
    auto* last = new QCheckBox(&w);
    ui::Control::declare(last, QStringLiteral("chkestado"), 7);
    ui::Twips::placeWindow(&w, 1200, 600, 9000, 6000);
    app::GuardarConfigForm(&w);
    const QList<ConfigRow> place = formRows();
    ASSERT_EQ(place.size(), 4);
    for (const ConfigRow& row : place)
        EXPECT_EQ(row.datafield, "7");
    ui::Twips::placeWindow(&w, 0, 0, 6000, 4500);
    app::CargarConfigForm(&w);
    EXPECT_EQ(ui::Twips::windowGeometry(&w), QRect(1200, 600, 9000, 6000));
}

TEST(ControlState, TheWindowsRowsTakeTheDataFieldOfTheLastRememberedControl)
{
    TestWindow w;
    using app::ControlState;
    EXPECT_EQ(ControlState::formRowsDataField(objects(w.descripcion, w.estado[1], w.columnas)), "Saldo");
    EXPECT_EQ(ControlState::formRowsDataField(objects(w.columnas, w.estado[1], w.etiqueta)), "1");
    EXPECT_EQ(ControlState::formRowsDataField(objects(w.tipo[0], w.solo, w.aceptar)), "OptSolo");
    EXPECT_EQ(ControlState::formRowsDataField(objects(w.moneda, w.grilla)), "");
    EXPECT_EQ(ControlState::formRowsDataField(objects(w.moneda, w.sucursales)), "Sucursales");
    EXPECT_EQ(ControlState::formRowsDataField(objects(w.nota)), "Nota");
}

TEST_F(FormPlaceTest, WithoutSavedRowsTheWindowIsOnlyKeptOnScreenAndAtLeast3500Twips)
{
    ui::Twips::placeWindow(&w, 300, 150, 1500, 1200);
    app::CargarConfigForm(&w);
    EXPECT_EQ(ui::Twips::windowGeometry(&w), QRect(300, 150, onPixels(3500), onPixels(3500)));
}

TEST_F(FormPlaceTest, AFixedBorderGetsItsPlaceBackButNotItsSize)
{
    w.setProperty("BorderStyle", 3);
    ui::Twips::placeWindow(&w, 0, 0, 7500, 6000);
    storePlace(600, 450, 9000, 7500);
    app::CargarConfigForm(&w);
    EXPECT_EQ(ui::Twips::windowGeometry(&w), QRect(600, 450, 7500, 6000));
}

TEST_F(FormPlaceTest, APlaceBeyondTheScreenComesBackOnIt)
{
    const QSize s = screen();
    storePlace(s.width() + 3000, s.height() + 150, 6000, 4500);
    app::CargarConfigForm(&w);
    EXPECT_EQ(ui::Twips::windowGeometry(&w), QRect(0, 0, 6000, 4500));

    // Partly outside: moved in as far as its size allows, not left with its side out of reach.
    execute(QStringLiteral("DELETE FROM TA_CONFIG_FORM"));
    storePlace(s.width() - 1500, s.height() - 600, 6000, 4500);
    app::CargarConfigForm(&w);
    EXPECT_EQ(ui::Twips::windowGeometry(&w), QRect(s.width() - 6000, s.height() - 4500, 6000, 4500));

    execute(QStringLiteral("DELETE FROM TA_CONFIG_FORM"));
    storePlace(-4500, -300, s.width() + 7500, 3000);
    app::CargarConfigForm(&w);
    EXPECT_EQ(ui::Twips::windowGeometry(&w), QRect(0, 0, s.width(), onPixels(3500)));
}

TEST(FormPlacement, KeptOnScreenFollowsTheClampsInOrder)
{
    const QSizeF screen(15000, 12000);
    using app::FormPlacement;
    EXPECT_EQ(FormPlacement::keptOnScreen({15001, 100, 4000, 4000}, screen), QRectF(0, 100, 4000, 4000));
    EXPECT_EQ(FormPlacement::keptOnScreen({14000, 100, 4000, 4000}, screen), QRectF(11000, 100, 4000, 4000));
    EXPECT_EQ(FormPlacement::keptOnScreen({100, 12001, 4000, 4000}, screen), QRectF(100, 0, 4000, 4000));
    EXPECT_EQ(FormPlacement::keptOnScreen({100, 100, 20000, 2000}, screen), QRectF(0, 100, 15000, 3500));
    // Taller than the screen: the height is kept, the top goes to the edge.
    EXPECT_EQ(FormPlacement::keptOnScreen({100, 500, 4000, 13000}, screen), QRectF(100, 0, 4000, 13000));
}

TEST_F(FormPlaceTest, ATemplateSuffixWritesNoPlaceAndNoUser)
{
    app::GuardarConfigForm(&w, QStringLiteral("@FrmPruebaRMC@Mensual"));
    EXPECT_EQ(rowCount(QStringLiteral("TIPOOBJETO = 'FrmPrueba'")), 0);
    ASSERT_GT(rowCount(), 0);
    EXPECT_EQ(rowCount(QStringLiteral("USUARIO = ''")), rowCount());
    EXPECT_EQ(rowCount(QStringLiteral("FORMULARIO = 'FrmPrueba@FrmPruebaRMC@Mensual'")), rowCount());
}

TEST(ConfigFormSql, StatementsCutTheKeyColumnsAndDoubleApostrophes)
{
    using app::ConfigFormSql;
    const QString form = QStringLiteral("Frm") + QString(110, u'z');
    const QString cutForm = form.left(100);
    EXPECT_EQ(ConfigFormSql::deleteRows(form, QStringLiteral("O'NEILL")),
              QStringLiteral("DELETE TA_CONFIG_FORM WHERE FORMULARIO = '") + cutForm
                  + QStringLiteral("' AND USUARIO= 'O''NEILL'"));
    EXPECT_TRUE(ConfigFormSql::deleteRows(QStringLiteral("F"), {}, QStringLiteral("Txt'A"))
                    .endsWith(QStringLiteral(" and (Nombre = 'Txt''A' or TipoObjeto = 'Txt''A')")));
    const app::StoredProperty property{QStringLiteral("TextBox"), QStringLiteral("TxtA"), QStringLiteral("Campo"),
                                       QStringLiteral("Text"), QStringLiteral("it's ") + QString(300, u'v')};
    const QString insert = ConfigFormSql::insertRow(QStringLiteral("F"), {}, property);
    EXPECT_TRUE(insert.startsWith(QStringLiteral(
        "INSERT INTO TA_CONFIG_FORM (FORMULARIO,USUARIO,TIPOOBJETO,NOMBRE,PROPIEDAD,DATAFIELD,VALOR) VALUES ('F")));
    EXPECT_TRUE(insert.endsWith(QStringLiteral("','it''s ") + QString(300, u'v') + QStringLiteral("')")))
        << "values are never cut";
    EXPECT_EQ(ConfigFormSql::templateForms(QStringLiteral("Rp_Quindal'RMC")),
              QStringLiteral("select formulario from ta_config_form where formulario like '%@Rp_Quindal''RMC@%' "
                             "group by formulario"));
    EXPECT_EQ(ConfigFormSql::deleteForm(QStringLiteral("F@K@Juan's")),
              QStringLiteral("Delete ta_config_form where formulario = 'F@K@Juan''s'"));
}

} // namespace
