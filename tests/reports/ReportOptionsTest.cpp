// Layout, order and state options as the operator clicks them, the currency selector, and the
// template selector with its button, menu and confirmation.
#include "ReportWindowTestBase.h"

#include "app/AppModule.h"
#include "app/ConfigurationLoader.h"
#include "app/SharedObjects.h"
#include "kit/DLL_Print.h"
#include "kit/RecordingPrintEngine.h"
#include "reports/ReportKind.h"

#include "support/TestPaths.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

using C = reports::ReportControls;
using reports::ReportKind;

class ReportOptions : public ReportWindowTest {
protected:
    // On the button's indicator: a wide option button answers only over its indicator and text.
    void click(QAbstractButton* button)
    {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }
    QList<int> ticked() const
    {
        QList<int> on;
        for (int i = 0; i < C::StateCount; ++i)
            if (c().chkestado[size_t(i)]->isChecked())
                on << i;
        return on;
    }
    void fillRanges()
    {
        const QStringList texts = {"0001", "00000010", "R", "0002", "00000020", "X", "21100001", "21100009",
                                   "01/01/2024", "31/12/2024", "30/06/2024", "01/06/2024", "0003", "0001",
                                   "COMPRAS", "ART-1", "01,02"};
        for (int i = 0; i < C::FieldCount; ++i)
            field(i)->setText(texts.at(i));
    }
    // The template menu as the operator uses it: its item with that key.
    void menu(const QString& key)
    {
        for (QAction* item : c().plantillaButton->menu()->actions())
            if (item->data().toString() == key)
                item->trigger();
    }
    void nameTemplate(const QString& name)
    {
        c().CboPlantilla->setFocus();
        c().CboPlantilla->lineEdit()->selectAll();
        QTest::keyClicks(c().CboPlantilla, name);
    }
    int templateRows(const QString& formulario)
    {
        return scalar(QStringLiteral("SELECT COUNT(*) FROM TA_CONFIG_FORM WHERE FORMULARIO = '%1'").arg(formulario)).toLong();
    }
};

TEST_F(ReportOptions, DetailedLayoutKeepsTheOrderByNumber)
{
    open("RMC");
    click(c().OptTipo[1]);
    EXPECT_TRUE(c().OptOrden[1]->isChecked());
    click(c().OptOrden[0]);
    EXPECT_TRUE(c().OptOrden[1]->isChecked());
    click(c().OptOrden[2]);
    EXPECT_TRUE(c().OptOrden[1]->isChecked());
    click(c().OptTipo[0]);
    click(c().OptOrden[2]);
    EXPECT_TRUE(c().OptOrden[2]->isChecked());
}

TEST_F(ReportOptions, GapLayoutEmptiesTheRangesItDoesNotUse)
{
    open("RMC");
    fillRanges();
    window().VaciaPorGrupo();   // not chosen: nothing happens
    EXPECT_EQ(field(C::ClienteDesde)->text(), "21100001");
    click(c().OptTipo[3]);
    QStringList left;
    for (int i = 0; i < C::FieldCount; ++i)
        left << field(i)->text();
    EXPECT_EQ(left, QStringList({"", "", "", "", "", "", "", "", "01/01/2024", "31/12/2024", "", "", "0003", "0001",
                                 "COMPRAS", "ART-1", "01,02"}));
    // Printing empties them again first.
    field(C::NroDesde)->setText("00000077");
    window().VaciaPorGrupo();
    EXPECT_EQ(field(C::NroDesde)->text(), "");
}

TEST_F(ReportOptions, SummaryByReceiptPresetsTheStatesAndLocksThem)
{
    open("OC");
    c().chkestado[6]->setChecked(true);
    c().ChkModelo->setChecked(true);
    click(c().OptTipo[8]);
    EXPECT_EQ(ticked(), QList<int>({0, 1, 2, 3, 4, 5}));
    EXPECT_FALSE(c().ChkModelo->isChecked());
    for (QCheckBox* box : c().chkestado)
        EXPECT_FALSE(box->isEnabled());
    EXPECT_FALSE(c().ChkModelo->isEnabled());
    click(c().chkestado[0]);   // locked: the click changes nothing
    EXPECT_TRUE(c().chkestado[0]->isChecked());

    click(c().OptTipo[0]);
    EXPECT_EQ(ticked(), QList<int>({0, 1, 2, 3, 4, 5}));
    for (QCheckBox* box : c().chkestado)
        EXPECT_TRUE(box->isEnabled());
    EXPECT_TRUE(c().ChkModelo->isEnabled());
    click(c().chkestado[0]);
    EXPECT_FALSE(c().chkestado[0]->isChecked());
}

TEST_F(ReportOptions, ArticleFrameShowsForTheArticleLayoutsOnly)
{
    open("OC");
    QList<int> shown;
    for (int i = 0; i < C::LayoutCount; ++i) {
        click(c().OptTipo[size_t(i)]);
        if (ReportKind::shown(c().frmArt))
            shown << i;
    }
    EXPECT_EQ(shown, QList<int>({7, 9, 10, 11}));
}

TEST_F(ReportOptions, CurrencySelectorShowsForTheSummaryOfKindPrOnly)
{
    open("pr");
    click(c().OptTipo[0]);
    EXPECT_TRUE(ReportKind::shown(c().CmbMoneda));
    click(c().OptTipo[2]);
    EXPECT_FALSE(ReportKind::shown(c().CmbMoneda));
    open("RMC");
    for (int i : {0, 1, 0})
        click(c().OptTipo[size_t(i)]);
    EXPECT_FALSE(ReportKind::shown(c().CmbMoneda));
}

TEST_F(ReportOptions, CurrencyListComesFromTheDocumentsAndStartsWithNoChoice)
{
    execute("UPDATE C_MV_CPTE SET Moneda = '3' WHERE IdComprobante = (SELECT MIN(IdComprobante) FROM C_MV_CPTE)");
    open("PR");
    click(c().OptTipo[0]);
    ASSERT_EQ(c().CmbMoneda->count(), 3);
    EXPECT_EQ(c().CmbMoneda->itemText(0), "1");
    EXPECT_EQ(c().CmbMoneda->itemText(2), "3");
    EXPECT_EQ(window().CmbMonedaListIndex(), -1);
    // Typing picks nothing; the list does.
    c().CmbMoneda->setFocus();
    QTest::keyClicks(c().CmbMoneda, "3");
    EXPECT_EQ(c().CmbMoneda->currentIndex(), -1);
    QTest::keyClick(c().CmbMoneda, Qt::Key_Down);
    c().CmbMoneda->setCurrentIndex(1);
    EXPECT_EQ(window().CmbMonedaListIndex(), 1);
    EXPECT_EQ(window().CmbMonedaText(), "2");

    setConfig("UsaMultilesMonedas", "NO");
    app::CargarConfiguracion(m_programDir.path() + u'/');
    open("PR");
    EXPECT_EQ(c().CmbMoneda->count(), 0);
    EXPECT_EQ(window().CmbMonedaListIndex(), -1);
}

// The choice is kept in the saved state, which every kind shares: under a kind that hides the
// selector, the operator can neither see nor change it, so it must not reach the report.
TEST_F(ReportOptions, ACurrencyChosenUnderPrIsNotPrintedUnderAnotherKind)
{
    const auto log = recordReports();
    ASSERT_TRUE(app::state().configuration.UsaMultiplesMonedas);

    open("PR");
    click(c().OptTipo[0]);
    c().CmbMoneda->setCurrentIndex(1);
    clickBarItem(0);
    EXPECT_TRUE(log->calls.contains("formula ENQUEMONEDA = '2'")) << log->calls.join('\n').toStdString();
    closeWithEsc();

    for (const QString kind : {"RMC", "PR"}) {
        open(kind);
        click(c().OptTipo[kind == u"PR" ? 2 : 0]);
        ASSERT_FALSE(ReportKind::shown(c().CmbMoneda));
        log->calls.clear();
        clickBarItem(0);
        const QStringList formulas = log->calls.filter("formula ");
        EXPECT_TRUE(formulas.contains("formula ENQUEMONEDA = '1'")) << formulas.join('\n').toStdString();
        EXPECT_TRUE(formulas.filter("Moneda: 2").isEmpty()) << formulas.join('\n').toStdString();
    }
    // Shown again, the choice is there.
    click(c().OptTipo[0]);
    EXPECT_EQ(c().CmbMoneda->currentText(), "2");
}

TEST_F(ReportOptions, BlankTemplateNameDoesNothingOnTheButtonAndIsToldOnTheMenu)
{
    recordLinks();
    open("RMC");
    linkCalls.clear();
    nameTemplate("   ");
    click(c().plantillaButton);
    EXPECT_TRUE(boxes().isEmpty());
    for (const char* key : {"Aplicar", "Grabar", "Eliminar"})
        menu(key);
    ASSERT_EQ(boxes().size(), 3);
    for (const auto& box : boxes()) {
        EXPECT_EQ(box.text, "Debe seleccionar una plantilla");
        EXPECT_EQ(box.title, "Aviso al Operador");
        EXPECT_EQ(box.style, 64);
    }
    EXPECT_TRUE(linkCalls.isEmpty()) << linkCalls.join('\n').toStdString();
}

TEST_F(ReportOptions, TemplateIsSavedAppliedAndDeletedUnderItsTrimmedName)
{
    open("RMC");
    fillRanges();
    click(c().OptTipo[4]);
    c().chkestado[2]->setChecked(true);
    nameTemplate("  Mensual  ");
    menu("Grabar");
    EXPECT_EQ(c().CboPlantilla->currentText(), "Mensual");
    EXPECT_GT(templateRows("Rp_Quindal@Rp_QuindalRMC@Mensual"), 0);
    EXPECT_EQ(templateRows("Rp_Quindal@Rp_QuindalRMC@  Mensual  "), 0);
    EXPECT_GE(c().CboPlantilla->findText("Mensual"), 0);

    // Another window of the same kind applies it with the button.
    open("RMC");
    EXPECT_EQ(field(C::ClienteDesde)->text(), "");
    nameTemplate(" Mensual");
    click(c().plantillaButton);
    EXPECT_TRUE(c().OptTipo[4]->isChecked());
    EXPECT_TRUE(c().chkestado[2]->isChecked());
    EXPECT_EQ(field(C::FechaDesde)->text(), "01/01/2024");
    EXPECT_EQ(field(C::UNegocio)->text(), "01,02");

    // Deleting asks, with No first; No keeps it, Yes deletes it.
    dialogs.pushMsgBoxAnswer(ui::vbNo);
    nameTemplate("Mensual ");
    menu("Eliminar");
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_EQ(boxes().last().text, "Seguro desea borrar la plantilla Mensual");
    EXPECT_EQ(boxes().last().title, "Aviso al Operador");
    EXPECT_EQ(boxes().last().style, 260);
    EXPECT_GT(templateRows("Rp_Quindal@Rp_QuindalRMC@Mensual"), 0);
    dialogs.pushMsgBoxAnswer(ui::vbYes);
    menu("Eliminar");
    EXPECT_EQ(templateRows("Rp_Quindal@Rp_QuindalRMC@Mensual"), 0);
    EXPECT_LT(c().CboPlantilla->findText("Mensual"), 0);
}

// As with a database opened read-only: the operator is told, and the list does not offer the
// template as saved.
TEST_F(ReportOptions, ATemplateTheDatabaseRefusesIsToldAndNotListed)
{
    open("OC");
    refuseInserts(QStringLiteral("TA_CONFIG_FORM"));
    nameTemplate("Semanal");
    menu("Grabar");
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_EQ(boxes().first().text, "No se pudo grabar la plantilla Semanal: la base de datos no aceptó los cambios. "
                                    "Si ya existía, conserva los valores que tenía.");
    EXPECT_EQ(boxes().first().title, "Aviso al Operador");
    EXPECT_EQ(templateRows("Rp_Quindal@Rp_QuindalOC@Semanal"), 0);
    EXPECT_LT(c().CboPlantilla->findText("Semanal"), 0);
}

TEST_F(ReportOptions, TemplatesOfOneKindAreNotFoundUnderAnother)
{
    open("RMC");
    field(C::UsuarioDesde)->setText("COMPRAS");
    nameTemplate("Compras");
    menu("Grabar");
    open("OC");
    field(C::UsuarioDesde)->setText("ADMIN");
    nameTemplate("Compras");
    menu("Aplicar");
    EXPECT_EQ(field(C::UsuarioDesde)->text(), "ADMIN");
    EXPECT_LT(c().CboPlantilla->findText("Compras"), 0);
}

TEST_F(ReportOptions, ApplyingATemplateNeverTicksAHiddenBox)
{
    open("PR");
    click(c().OptTipo[8]);   // ticks states 0 to 5, the hidden 3 and 4 among them
    ASSERT_TRUE(c().chkestado[3]->isChecked());
    nameTemplate("Recepciones");
    menu("Grabar");
    click(c().OptTipo[0]);
    nameTemplate("Recepciones");
    menu("Aplicar");
    EXPECT_TRUE(c().OptTipo[8]->isChecked());
    EXPECT_EQ(ticked(), QList<int>({0, 1, 2, 5}));
    EXPECT_FALSE(ReportKind::shown(c().chkestado[3]));
}
