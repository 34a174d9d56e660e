#include "AppTestBase.h"

#include "app/AppModule.h"
#include "app/AuditRows.h"
#include "app/SharedObjects.h"
#include "data/SessionValues.h"
#include "kit/Sistema.h"
#include "vb/App.h"
#include "vb/DateTime.h"

#include <QDateTime>

namespace {

class AuditRows : public AppTestBase {
protected:
    void SetUp() override
    {
        openDemo();
        data::gUsuarioActual = "O'Neil";
        app::state().startup.ParametroAdicional = "RMC";
    }

    QString column(const QString& table, const QString& name)
    {
        return scalar(QStringLiteral("SELECT TOP 1 %1 FROM %2 ORDER BY Id DESC").arg(name, table)).toString();
    }
    QDateTime stamp(const QString& table, const QString& name)
    {
        return scalar(QStringLiteral("SELECT TOP 1 %1 FROM %2 ORDER BY Id DESC").arg(name, table)).toDate().toDateTime();
    }
    int rows(const QString& table) { return scalar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table)).toLong(); }
    QString pc() { return app::gSistema().NombreEquipo(); }
};

// ---------------------------------------------------------------- audit rows

TEST_F(AuditRows, AFailedLoginLeavesItsAuditRow)
{
    QString complemento;
    app::RegistrarAccion("", "", complemento, true, false, false, "Intento de inicio de sesion fallido", "", false);
    EXPECT_EQ(complemento, "0");
    ASSERT_EQ(rows("V_MV_CPTEACCIONES"), 1);
    const auto value = [&](const char* name) { return column("V_MV_CPTEACCIONES", name); };
    EXPECT_EQ(value("TC"), "");
    EXPECT_EQ(value("IdComprobante"), "");
    EXPECT_EQ(value("IdComplemento"), "0");
    EXPECT_EQ(value("Tipo_accion"), "A");
    EXPECT_EQ(value("Usuario"), "O'Neil");
    EXPECT_EQ(value("PC"), pc());
    EXPECT_EQ(value("SYSTEMUSER"), "Intento de inicio de sesion fallido");
    EXPECT_EQ(value("Proceso"), "rp_quindal RMC");
    EXPECT_EQ(value("ProcesoLote"), "");
    EXPECT_EQ(value("Cuenta"), "");
    // The server's clock, whole, whatever the regional date order.
    EXPECT_LE(std::abs(stamp("V_MV_CPTEACCIONES", "FECHAHORA").secsTo(QDateTime::currentDateTime())), 60);
    EXPECT_EQ(data::gUsuarioActual, "O'Neil");

    ASSERT_EQ(handed.size(), 2);   // the server date, then the row
    EXPECT_TRUE(handed[1].startsWith(" INSERT INTO V_MV_CPTEACCIONES (TC,IdComprobante,IdComplemento,Tipo_accion,FECHAHORA,"
                                     "Usuario,PC,SYSTEMUSER,Proceso,ProcesoLote,Cuenta) VALUES ('','',0,'A',{ts '"));
    EXPECT_TRUE(handed[1].endsWith("'O''Neil','" + pc() + "','Intento de inicio de sesion fallido','rp_quindal RMC','','')"));
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(AuditRows, KindsOfActionAndFittedTexts)
{
    struct Case {
        bool alta, modificacion, error;
        const char* kind;
    };
    for (const Case& c : {Case{true, false, true, "ER"}, Case{true, true, false, "A"}, Case{false, true, false, "M"},
                          Case{false, false, false, "B"}}) {
        QString complemento = "12";
        app::RegistrarAccion(" 1 ", "0001-00000123", complemento, c.alta, c.modificacion, true, QString(300, u'd'),
                             "  1.1.01.001.0001-XYZ  ", c.error);
        EXPECT_EQ(complemento, "12");
        EXPECT_EQ(column("V_MV_CPTEACCIONES", "Tipo_accion"), c.kind);
    }
    EXPECT_EQ(column("V_MV_CPTEACCIONES", "TC"), "   1");     // the suite's stored form of a numbered code
    EXPECT_EQ(column("V_MV_CPTEACCIONES", "IdComprobante"), "0001-00000123");
    EXPECT_EQ(column("V_MV_CPTEACCIONES", "IdComplemento"), "12");
    EXPECT_EQ(column("V_MV_CPTEACCIONES", "SYSTEMUSER"), QString(255, u'd'));
    EXPECT_EQ(column("V_MV_CPTEACCIONES", "Cuenta"), "1.1.01.001.0001");
}

TEST_F(AuditRows, ALongAdditionalParameterIsCutWithTheProgramName)
{
    app::state().startup.ParametroAdicional = QString(300, u'p');
    QString complemento;
    app::RegistrarAccion("RMC", "1", complemento, true, false, false, "x", "", false);
    EXPECT_EQ(column("V_MV_CPTEACCIONES", "Proceso"), "rp_quindal " + QString(244, u'p'));
    EXPECT_EQ(column("V_MV_CPTEACCIONES", "TC"), "RMC");
}

// ---------------------------------------------------------------- error rows

TEST_F(AuditRows, AnErrorRowHoldsTheWholeScriptAndTheCutDescription)
{
    const vb::ClockScope clock(QDateTime(QDate(2024, 5, 6), QTime(14, 37, 52)));
    QString proceso;
    const QString script = "BEGIN TRANSACTION \r\r\rINSERT INTO T (A) VALUES ('it''s')\r" + QString(600, u's');
    app::RegistrarError(script, proceso, 2627, QString(240, u'a') + QString(40, u'b'));
    EXPECT_EQ(proceso, "rp_quindal");
    ASSERT_EQ(rows("AUX_ERR"), 1);
    EXPECT_EQ(column("AUX_ERR", "Proceso"), "rp_quindal");
    EXPECT_EQ(stamp("AUX_ERR", "fecha"), QDateTime(QDate(2024, 5, 6), QTime(14, 37)));
    EXPECT_EQ(column("AUX_ERR", "Error"), "2627");
    EXPECT_EQ(column("AUX_ERR", "Descripcion"), QString(240, u'a') + QString(10, u'b'));
    EXPECT_EQ(column("AUX_ERR", "sql"), script);
    EXPECT_EQ(column("AUX_ERR", "PC"), pc());
    EXPECT_EQ(column("AUX_ERR", "Usuario"), "O'Neil");
    EXPECT_EQ(handed, QStringList{"select  top 1 * from AUX_ERR  with(nolock) "});

    QString given = "otro";
    app::RegistrarError("x", given, 1, "");
    EXPECT_EQ(given, "otro");
    EXPECT_EQ(column("AUX_ERR", "Proceso"), "otro");
}

TEST_F(AuditRows, AWriterThatLosesAStepGoesOnAndLogsIt)
{
    execute("DROP TABLE AUX_ERR");
    dialogs.pushMsgBoxAnswer(ui::vbIgnore);   // whatever the data access asks on the way
    QString proceso;
    EXPECT_NO_THROW(app::RegistrarError("x", proceso, 1, "d"));
    EXPECT_TRUE(moduleLog().contains("RegistrarError"));
}

// ---------------------------------------------------------------- access rows

TEST_F(AuditRows, TheAccessRowNamesTheMenuTaskTheUserReachedTheProgramThrough)
{
    const vb::ClockScope clock(QDateTime(QDate(2024, 5, 6), QTime(9, 5, 30)));
    data::gUsuarioActual = "admin";
    app::RegistrarAcceso();
    ASSERT_EQ(rows("Control_Acceso"), 1);
    const auto value = [&](const char* name) { return column("Control_Acceso", name); };
    EXPECT_EQ(value("Maquina"), pc().trimmed().toUpper());
    EXPECT_EQ(value("Usuario"), "ADMIN");
    EXPECT_EQ(value("Formulario"), "RP_QUINDAL");
    EXPECT_EQ(value("Tarea"), "REPORTES DE REMITOS DE COMPRA");
    EXPECT_EQ(stamp("Control_Acceso", "Ingreso"), QDateTime(QDate(2024, 5, 6), QTime(9, 5)));
    EXPECT_EQ(value("NombreUsuario"), "admin");
    EXPECT_EQ(handed[0], "SELECT TA_TAREAS.USUARIO, TA_MENU.Proceso, TA_MENU.Clave , TA_MENU.Nombre  FROM TA_TAREAS  "
                         "with(nolock) INNER JOIN TA_MENU ON TA_TAREAS.TAREA = TA_MENU.Clave  WHERE (TA_TAREAS.USUARIO "
                         "= 'admin ') AND (TA_MENU.Proceso LIKE '%rp[_]quindal%')");
    EXPECT_EQ(handed[1], "BEGIN TRANSACTION \r\r\rINSERT INTO Control_Acceso (Maquina,Usuario,Formulario,Tarea,Ingreso,"
                         "NombreUsuario) VALUES ('" + pc().trimmed().toUpper() + "','ADMIN','RP_QUINDAL','REPORTES DE "
                         "REMITOS DE COMPRA',{ts '2024-05-06 09:05:00'},'admin')\r");
    EXPECT_EQ(handed[2], "COMMIT TRANSACTION");
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(AuditRows, AUserNameWithAnApostropheIsWrittenAsItIs)
{
    app::RegistrarAcceso();
    EXPECT_TRUE(handed[0].contains("USUARIO = 'O''Neil ')"));
    EXPECT_EQ(column("Control_Acceso", "Usuario"), "O'NEIL");
    EXPECT_EQ(column("Control_Acceso", "NombreUsuario"), "O'Neil");
    EXPECT_EQ(data::gUsuarioActual, "O'Neil");
}

TEST_F(AuditRows, WithoutATaskTheDatabaseLoginNamesTheProgram)
{
    data::gUsuarioActual = "DEPOSITO";
    app::RegistrarAcceso();
    EXPECT_EQ(column("Control_Acceso", "Tarea"), "RP_QUINDAL");   // the login is the database's name
    db->gUsuario = "otro";
    app::RegistrarAcceso();
    EXPECT_EQ(column("Control_Acceso", "Tarea"), "");
    db->gUsuario = "Supervisor Corvane MC";
    app::RegistrarAcceso("Otro_Programa");
    EXPECT_EQ(column("Control_Acceso", "Tarea"), "RP_QUINDAL");
    EXPECT_EQ(column("Control_Acceso", "Formulario"), "OTRO_PROGRAMA");
}

TEST_F(AuditRows, WithoutAUserTheDatabaseLoginStandsForIt)
{
    data::gUsuarioActual.clear();
    app::RegistrarAcceso();
    EXPECT_EQ(data::gUsuarioActual, "DEMO");
    EXPECT_EQ(column("Control_Acceso", "NombreUsuario"), "DEMO");
}

TEST_F(AuditRows, TheSuitesMenuProgramWritesNoAccessRow)
{
    vb::App::setExeName("vu000va");
    app::RegistrarAcceso();
    EXPECT_EQ(rows("Control_Acceso"), 0);
}

TEST_F(AuditRows, AFailedAccessRowIsShownAndLogged)
{
    execute("DROP TABLE Control_Acceso");
    dialogs.pushMsgBoxAnswer(ui::vbOK);
    app::RegistrarAcceso();
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_EQ(boxes()[0].title, "Aviso al Operador!");
    EXPECT_EQ(rows("AUX_ERR"), 1);
    EXPECT_TRUE(column("AUX_ERR", "sql").contains("INSERT INTO Control_Acceso"));
}

} // namespace
