// The box's own connection, its configuration reader and error dialog, the rights test and
// the salesman restriction, on the demo database.
#include "CodeBoxFixture.h"

#include "ado/TestHooks.h"
#include "codebox/SearchTextBox.h"
#include "ui/Control.h"
#include "vb/Error.h"

#include <QFrame>
#include <QListWidget>

using ui::ScriptedDialogService;

class ConnectionAndRights : public CodeBoxFixture {};

TEST_F(ConnectionAndRights, TheFirstBindingOpensAConnectionOfTheBoxsOwn)
{
    EXPECT_FALSE(box->connectionOpen());
    EXPECT_TRUE(bind(QStringLiteral("V_TA_Rubros")));
    ASSERT_TRUE(box->connectionOpen());
    EXPECT_NE(box->connection(), db);
    EXPECT_EQ(box->connection()->CommandTimeout(), 60);
    EXPECT_EQ(box->connection()->DefaultDatabase(), QStringLiteral("DEMO"));
    EXPECT_FALSE(box->DeshabilitarBCTodos);
    EXPECT_FALSE(box->DeshabilitarBCArticulos);
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_EQ(ui::Control::tag(box->TxtBusqueda()), QStringLiteral("V_TA_Rubros"));
    EXPECT_EQ(box->TxtBusqueda()->maxLength(), 50);
}

TEST_F(ConnectionAndRights, TheSwitchOffSettingsHoldFromTheFirstBinding)
{
    run(QStringLiteral("UPDATE TA_CONFIGURACION SET Valor = 'si' WHERE Clave = 'DeshabilitaBusquedaCodigo'"));
    EXPECT_FALSE(bind(QStringLiteral("V_TA_Rubros")));
    EXPECT_TRUE(box->DeshabilitarBCTodos);
    // Only the tag changed: nothing is bound.
    EXPECT_EQ(ui::Control::tag(box->TxtBusqueda()), QStringLiteral("V_TA_Rubros"));
    EXPECT_TRUE(box->Tabla().isEmpty());
    EXPECT_TRUE(box->codeColumn().isEmpty());
    EXPECT_TRUE(box->imgMas()->isHidden());
}

TEST_F(ConnectionAndRights, TurnedOffArticlesBindTheirColumnsAndReturnFalse)
{
    run(QStringLiteral("UPDATE TA_CONFIGURACION SET Valor = 'SI' WHERE Clave = 'DeshabilitaBusquedaCodigoArt'"));
    EXPECT_TRUE(bind(QStringLiteral("V_TA_Rubros")));
    const QString rubrosFilter = box->extraFilter();
    EXPECT_FALSE(bind(QStringLiteral("V_MA_ARTICULOS")));
    EXPECT_TRUE(box->DeshabilitarBCArticulos);
    EXPECT_EQ(box->Tabla(), QStringLiteral("V_MA_ARTICULOS"));
    EXPECT_EQ(box->codeColumn(), QStringLiteral("IDARTICULO"));
    EXPECT_EQ(box->extraFilter(), rubrosFilter);   // the article filter was never applied
    EXPECT_TRUE(bind(QStringLiteral("MA_ARTICULOS")));
}

TEST_F(ConnectionAndRights, AFailedOpenIsAskedAboutAndTriedAgainAtTheNextBinding)
{
    box->setgConnString(QStringLiteral("PROVIDER=SQLOLEDB;Server=/no/such/folder;Database =DEMO;UId=DEMO;Pwd=DEMO;"));
    box->Usuario = QStringLiteral("ADMIN");
    for (int i = 0; i < 8; ++i)
        dialogs.pushMsgBoxAnswer(ui::vbIgnore);
    QString table = QStringLiteral("V_TA_Rubros");
    box->BusquedaDisponible(table);
    EXPECT_FALSE(box->connectionOpen());
    ASSERT_FALSE(boxes().isEmpty());
    const ScriptedDialogService::Prompt first = boxes().first();
    EXPECT_TRUE(first.text.startsWith(QStringLiteral("Ha ocurrido el Siguiente Error (")));
    EXPECT_TRUE(first.title.endsWith(QStringLiteral(" Aviso al operador!!! ")));
    EXPECT_EQ(first.style, ui::vbAbortRetryIgnore + ui::vbCritical);
    // Ignored, the open left the connection closed: the next binding opens it.
    dialogs.clear();
    box->setgConnString(demo.connectionString());
    EXPECT_TRUE(box->BusquedaDisponible(table));
    EXPECT_TRUE(box->connectionOpen());
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(ConnectionAndRights, AbortStopsTheOpeningAndAStringWithoutDatabaseFailsAtOnce)
{
    box->setgConnString(QStringLiteral("PROVIDER=SQLOLEDB;Server=x;Catalog=DEMO;"));
    dialogs.pushMsgBoxAnswer(ui::vbAbort);
    box->AbrirConexion();
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_EQ(boxes().first().text, QStringLiteral("Ha ocurrido el Siguiente Error (5) Llamada a procedimiento o argumento no válidos"));
    EXPECT_FALSE(box->connectionOpen());
    // A blank string is no error at all.
    dialogs.clear();
    box->setgConnString(QStringLiteral("   "));
    box->AbrirConexion();
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_FALSE(box->connectionOpen());
}

TEST_F(ConnectionAndRights, ConfigurationValuesThroughTheStoredProcedure)
{
    ASSERT_TRUE(bind(QStringLiteral("V_TA_Rubros")));
    QString aux = QStringLiteral("previo");
    EXPECT_EQ(box->sp_Cfg(QStringLiteral("NoExisteEstaClave"), aux), QStringLiteral(" "));
    EXPECT_TRUE(aux.isEmpty());
    run(QStringLiteral("INSERT INTO TA_CONFIGURACION (Grupo, Clave, Valor, ValorAux) VALUES ('DATOS', 'Mensaje_Bienvenida', '', 'Hola')"));
    run(QStringLiteral("INSERT INTO TA_CONFIGURACION (Grupo, Clave, Valor, ValorAux) VALUES ('DATOS', 'OtraClave', '', 'Hola')"));
    EXPECT_EQ(box->sp_Cfg(QStringLiteral("mensaje_bienvenida"), aux), QStringLiteral("Hola"));
    EXPECT_EQ(box->sp_Cfg(QStringLiteral("OtraClave"), aux), QString());
    EXPECT_EQ(aux, QStringLiteral("Hola"));
    EXPECT_EQ(box->sp_Cfg(QStringLiteral("PERIODO"), aux), QStringLiteral("2024"));
}

TEST_F(ConnectionAndRights, AFailingConfigurationReadEndsEmptyUnlessIgnored)
{
    ASSERT_TRUE(bind(QStringLiteral("V_TA_Rubros")));
    QString aux;
    ado::TestHooks::failNextOperations(1);
    dialogs.pushMsgBoxAnswer(ui::vbRetry);   // Retry ends the call, as Abort does
    EXPECT_EQ(box->sp_Cfg(QStringLiteral("PERIODO"), aux), QString());
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_TRUE(boxes().first().title.endsWith(QStringLiteral(" - sp_Cfg Aviso al operador!!! ")));
    ado::TestHooks::failNextOperations(1);
    dialogs.pushMsgBoxAnswer(ui::vbIgnore);   // Ignore goes on, and the missing rows fail once more
    dialogs.pushMsgBoxAnswer(ui::vbIgnore);
    EXPECT_EQ(box->sp_Cfg(QStringLiteral("PERIODO"), aux), QString());
    EXPECT_EQ(boxes().size(), 3);
}

TEST_F(ConnectionAndRights, TheErrorDialogShowsNothingForNoError)
{
    EXPECT_EQ(box->TratamientoErrores(vb::Error()), 0);
    EXPECT_TRUE(boxes().isEmpty());
    dialogs.pushMsgBoxAnswer(ui::vbOK);
    EXPECT_EQ(box->TratamientoErrores(vb::Error(91, QStringLiteral("  Sin objeto  "), QStringLiteral("Origen")), ui::vbOKOnly,
                                      QStringLiteral("Rutina")),
              ui::vbOK);
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_EQ(boxes().first().text, QStringLiteral("Ha ocurrido el Siguiente Error (91) Sin objeto"));
    EXPECT_EQ(boxes().first().title, QStringLiteral("Origen - Rutina Aviso al operador!!! "));
    EXPECT_EQ(boxes().first().style, ui::vbOKOnly);
}

TEST_F(ConnectionAndRights, AnAdministratorMayAddAClerkMayNot)
{
    EXPECT_TRUE(bind(QStringLiteral("V_TA_Rubros"), QStringLiteral("ADMIN")));
    EXPECT_FALSE(box->imgMas()->isHidden());
    EXPECT_EQ(statements.last(), QStringLiteral("SELECT tarea FROM ta_tareas where tarea = 'D010301' and usuario = 'ADMIN'"));
    EXPECT_TRUE(bind(QStringLiteral("V_TA_Rubros"), QStringLiteral("COMPRAS")));
    EXPECT_TRUE(box->imgMas()->isHidden());
    // Tables outside the rights table never offer the addition.
    EXPECT_TRUE(bind(QStringLiteral("VT_PROVEEDORES"), QStringLiteral("ADMIN")));
    EXPECT_TRUE(box->imgMas()->isHidden());
    // Maintenance items: their own right and a wider code.
    EXPECT_TRUE(bind(QStringLiteral("V_MA_MANTENIMIENTOS"), QStringLiteral("ADMIN")));
    EXPECT_FALSE(box->imgMas()->isHidden());
    EXPECT_EQ(box->codeWidth(), 25);
    EXPECT_TRUE(bind(QStringLiteral("V_TA_Unidad"), QStringLiteral("ADMIN")));
    EXPECT_EQ(box->codeWidth(), 4);
}

TEST_F(ConnectionAndRights, NoUserMayAddButAFailedRightsTestGrantsNothing)
{
    // No user, no restriction: the addition is offered without asking the rights table.
    EXPECT_TRUE(bind(QStringLiteral("V_TA_Rubros"), QString()));
    EXPECT_FALSE(box->imgMas()->isHidden());
    EXPECT_FALSE(statements.join(u'\n').contains(QStringLiteral("ta_tareas")));
    EXPECT_TRUE(box->AltaDisponible());
    // ... but only to tables of the rights table.
    EXPECT_TRUE(bind(QStringLiteral("VT_PROVEEDORES"), QString()));
    EXPECT_TRUE(box->imgMas()->isHidden());
    // A rights test that fails grants nothing (the original showed the image).
    EXPECT_TRUE(bind(QStringLiteral("V_TA_Rubros"), QStringLiteral("ADMIN")));
    ado::TestHooks::failNextOperations(1);
    EXPECT_TRUE(bind(QStringLiteral("V_TA_Unidad"), QStringLiteral("ADMIN")));
    EXPECT_TRUE(box->imgMas()->isHidden());
    EXPECT_TRUE(boxes().isEmpty());
    // A table of the rights table without a column rule has nothing to add to.
    EXPECT_FALSE(bind(QStringLiteral("V_TA_STATUS"), QStringLiteral("ADMIN")));
    EXPECT_TRUE(box->imgMas()->isHidden());
    EXPECT_TRUE(box->codeColumn().isEmpty());
}

TEST_F(ConnectionAndRights, TheUserNameIsTextNotStatement)
{
    run(QStringLiteral("INSERT INTO TA_TAREAS (USUARIO, TAREA) VALUES ('O''Hara', 'D010301')"));
    EXPECT_TRUE(bind(QStringLiteral("V_TA_Rubros"), QStringLiteral("O'Hara")));
    EXPECT_EQ(statements.last(), QStringLiteral("SELECT tarea FROM ta_tareas where tarea = 'D010301' and usuario = 'O''Hara'"));
    EXPECT_FALSE(box->imgMas()->isHidden());
    EXPECT_TRUE(bind(QStringLiteral("V_TA_Rubros"), QStringLiteral("x' or '1'='1")));
    EXPECT_TRUE(box->imgMas()->isHidden());
}

TEST_F(ConnectionAndRights, ASalesmanSeesOnlyHisCustomers)
{
    run(QStringLiteral("INSERT INTO TA_USUARIOS (Nombre, IdVendedor) VALUES ('QUIROGA', '   2')"));
    ASSERT_TRUE(bind(QStringLiteral("VT_CLIENTES"), QStringLiteral("QUIROGA")));
    EXPECT_EQ(box->extraFilter(), QStringLiteral("and Dada_De_Baja = 0 and IDVENDEDOR = '   2'"));
    EXPECT_EQ(statements.first(), QStringLiteral("SELECT * FROM ta_USUARIOS where LTRIM(RTRIM(NOMBRE)) = 'QUIROGA'"));
    type(QStringLiteral("1120"));
    EXPECT_EQ(lines().size(), 5);   // every fifth customer is Laura Quiroga's
    // A user without a salesman sees every customer.
    ASSERT_TRUE(bind(QStringLiteral("VT_CLIENTES"), QStringLiteral("ADMIN")));
    EXPECT_EQ(box->extraFilter(), QStringLiteral("and Dada_De_Baja = 0"));
    box->TxtBusqueda()->clear();
    type(QStringLiteral("1120"));
    EXPECT_EQ(lines().size(), 25);
}

TEST_F(ConnectionAndRights, ABlankOrUnknownUserSeesEveryCustomerAFailedLookupNone)
{
    for (const QString& user : {QString(), QStringLiteral("NADIE")}) {
        ASSERT_TRUE(bind(QStringLiteral("VT_CLIENTES"), user));
        EXPECT_EQ(box->extraFilter(), QStringLiteral("and Dada_De_Baja = 0")) << user.toStdString();
        box->TxtBusqueda()->clear();
        type(QStringLiteral("1120"));
        EXPECT_EQ(lines().size(), 25) << user.toStdString();
    }
    ASSERT_TRUE(bind(QStringLiteral("VT_PROVEEDORES"), QStringLiteral("ADMIN")));
    ado::TestHooks::failNextOperations(1);
    ASSERT_TRUE(bind(QStringLiteral("VT_CLIENTES"), QStringLiteral("ADMIN")));
    EXPECT_EQ(box->extraFilter(), QStringLiteral("and Dada_De_Baja = 0 and 1 = 0"));
}
