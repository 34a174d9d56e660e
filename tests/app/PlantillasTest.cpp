#include "TestWindow.h"
#include "WindowStateFixture.h"

#include "app/ConfigForm.h"
#include "app/Plantillas.h"
#include "data/SessionValues.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

using namespace apptest;

namespace {

const QString key = QStringLiteral("FrmPruebaRMC");

class PlantillasTest : public WindowStateFixture {
protected:
    QStringList listed() const
    {
        QStringList items;
        for (int i = 0; i < w.plantilla->count(); ++i)
            items << w.plantilla->itemText(i);
        return items;
    }
    void saveAs(const QString& name)
    {
        w.plantilla->setEditText(name);
        app::GuardarPlantilla(key, &w);
    }
    void choose(const QString& name) { w.plantilla->setEditText(name); }

    TestWindow w;
};

TEST_F(PlantillasTest, WithoutTemplatesTheListHoldsOnlyGeneral)
{
    app::LlenarPlantillas(key, &w);
    EXPECT_EQ(listed(), QStringList{"General"});
    EXPECT_EQ(w.plantilla->currentText(), "General");
}

TEST_F(PlantillasTest, ATemplateWithAnApostropheIsSavedListedAppliedAndDeleted)
{
    w.fillSample();
    saveAs(QStringLiteral("Juan's"));

    // Saved for every user, without the window's place.
    const QList<ConfigRow> stored = rows();
    ASSERT_EQ(stored.size(), 24);
    for (const ConfigRow& row : stored) {
        EXPECT_EQ(row.formulario, "FrmPrueba@FrmPruebaRMC@Juan's");
        EXPECT_EQ(row.usuario, "");
    }
    EXPECT_EQ(rowCount(QStringLiteral("TIPOOBJETO = 'ListBox' OR TIPOOBJETO = 'FrmPrueba'")), 0);
    EXPECT_EQ(listed(), QStringList{"Juan's"});
    EXPECT_EQ(w.plantilla->currentText(), "Juan's");

    // Any user applies it.
    data::gUsuarioActual = QStringLiteral("BETO");
    w.scramble();
    choose(QStringLiteral("Juan's"));
    app::CargarPlantilla(key, &w);
    EXPECT_EQ(w.descripcion->text(), "Tornillos O'Brien");
    EXPECT_TRUE(w.tipo[2]->isChecked());
    EXPECT_EQ(w.moneda->currentIndex(), 2);
    EXPECT_EQ(w.grilla->property("CamposSel").toString(), "Codigo,Saldo");

    app::BorrarPlantilla(key, &w);
    EXPECT_EQ(rowCount(), 0);
    EXPECT_EQ(listed(), QStringList{"General"});
    EXPECT_EQ(w.plantilla->currentText(), "General");
}

TEST_F(PlantillasTest, TheListHoldsTheNamesOfTheKeyWhileTheBoxShowsGeneral)
{
    saveAs(QStringLiteral("Mensual"));
    saveAs(QStringLiteral("anual"));
    saveAs(QStringLiteral("Compras"));
    w.plantilla->setEditText(QStringLiteral("Otra clave"));
    app::GuardarPlantilla(QStringLiteral("FrmPruebaOC"), &w);
    data::gUsuarioActual = QStringLiteral("BETO");

    app::LlenarPlantillas(key, &w);
    EXPECT_EQ(listed(), (QStringList{"anual", "Compras", "Mensual"}));
    EXPECT_EQ(w.plantilla->currentText(), "General");
    app::LlenarPlantillas(QStringLiteral("FrmPruebaOC"), &w);
    EXPECT_EQ(listed(), QStringList{"Otra clave"});
}

TEST_F(PlantillasTest, SavingUnderAnExistingNameReplacesTheTemplate)
{
    w.descripcion->setText(QStringLiteral("primera"));
    saveAs(QStringLiteral("Mensual"));
    const int saved = rowCount();
    w.descripcion->setText(QStringLiteral("segunda"));
    saveAs(QStringLiteral("Mensual"));
    EXPECT_EQ(rowCount(), saved);
    w.descripcion->clear();
    app::CargarPlantilla(key, &w);
    EXPECT_EQ(w.descripcion->text(), "segunda");
}

TEST_F(PlantillasTest, BlanksAroundTheNameDoNotCount)
{
    w.descripcion->setText(QStringLiteral("con blancos"));
    saveAs(QStringLiteral("  Mensual  "));
    EXPECT_EQ(rowCount(QStringLiteral("FORMULARIO = 'FrmPrueba@FrmPruebaRMC@Mensual'")), rowCount());
    EXPECT_EQ(w.plantilla->currentText(), "Mensual");

    w.descripcion->clear();
    choose(QStringLiteral(" Mensual"));
    app::CargarPlantilla(key, &w);
    EXPECT_EQ(w.descripcion->text(), "con blancos");

    choose(QStringLiteral("Mensual   "));
    app::BorrarPlantilla(key, &w);
    EXPECT_EQ(rowCount(), 0);
}

TEST_F(PlantillasTest, ApplyingANameWithoutTemplateChangesNothing)
{
    saveAs(QStringLiteral("Mensual"));
    w.fillSample();
    choose(QStringLiteral("General"));
    app::CargarPlantilla(key, &w);
    EXPECT_EQ(w.descripcion->text(), "Tornillos O'Brien");
    EXPECT_TRUE(w.tipo[2]->isChecked());
    EXPECT_EQ(w.moneda->currentIndex(), 2);
}

TEST_F(PlantillasTest, DeletingOneTemplateKeepsTheOthersAndTheUsersOwnState)
{
    saveAs(QStringLiteral("Mensual"));
    saveAs(QStringLiteral("Anual"));
    app::GuardarConfigForm(&w);
    const int own = rowCount(QStringLiteral("USUARIO = 'ANA'"));
    const int anual = rowCount(QStringLiteral("FORMULARIO = 'FrmPrueba@FrmPruebaRMC@Anual'"));
    choose(QStringLiteral("Mensual"));
    app::BorrarPlantilla(key, &w);
    EXPECT_EQ(rowCount(QStringLiteral("USUARIO = 'ANA'")), own);
    EXPECT_EQ(rowCount(), own + anual);
    EXPECT_EQ(listed(), QStringList{"Anual"});
}

TEST_F(PlantillasTest, AWindowWithoutTheSelectorStoresAppliesAndDeletesNothing)
{
    TestWindow plain(QStringLiteral("FrmPrueba"), false);
    plain.fillSample();
    app::GuardarPlantilla(key, &plain);
    EXPECT_EQ(rowCount(), 0);

    saveAs(QStringLiteral("Mensual"));
    const int saved = rowCount();
    plain.scramble();
    app::CargarPlantilla(key, &plain);
    EXPECT_EQ(plain.descripcion->text(), "otra");
    app::BorrarPlantilla(key, &plain);
    app::LlenarPlantillas(key, &plain);
    EXPECT_EQ(rowCount(), saved);
}

TEST_F(PlantillasTest, ALongNameIsListedAsStoredAndDeletedWhole)
{
    const QString name = QStringLiteral("Resumen ") + QString(90, u'n');
    saveAs(name);
    const QString stored = (QStringLiteral("FrmPrueba@FrmPruebaRMC@") + name).left(100);
    EXPECT_EQ(rows().value(0).formulario, stored);
    const QString listedName = stored.mid(QStringLiteral("FrmPrueba@FrmPruebaRMC@").size());
    EXPECT_EQ(listed(), QStringList{listedName});

    saveAs(name);   // again: replaced, not piled up
    EXPECT_EQ(rowCount(), 24);
    choose(listedName);
    app::BorrarPlantilla(key, &w);
    EXPECT_EQ(rowCount(), 0);
}

} // namespace
