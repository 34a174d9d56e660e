#include "DataTestBase.h"

#include "data/SchemaProbe.h"

namespace {

class SchemaProbes : public DataTestBase {
protected:
    void SetUp() override
    {
        m_current = &writableDemo();
        openDemo();
    }
};

TEST_F(SchemaProbes, TablesAndViewsAreFoundWhateverTheCaseAndBlanks)
{
    EXPECT_TRUE(db->ExisteTablaDB("TA_USUARIOS"));
    EXPECT_TRUE(db->ExisteTablaDB("  ta_usuarios "));
    EXPECT_TRUE(db->ExisteTablaDB("v_ta_cpte"));
    EXPECT_FALSE(db->ExisteTablaDB("TA_NADA"));
    EXPECT_TRUE(db->ExisteCampoDB("TA_USUARIOS", " administrador "));
    EXPECT_TRUE(db->ExisteCampoDB("V_TA_CPTE", "Sistema"));
    EXPECT_TRUE(db->ExisteCampoDB("  ta_usuarios ", "Nombre"));
    EXPECT_FALSE(db->ExisteCampoDB("TA_USUARIOS", "NoEsta"));
    EXPECT_FALSE(db->ExisteCampoDB("TA_NADA", "Nombre"));
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(SchemaProbes, OracleAnswersThatEveryColumnExists)
{
    db->configure([&](data::DbSettings& s) { s.gProveedor = "OraOLEDB.Oracle.1"; });
    EXPECT_TRUE(db->ExisteCampoDB("TA_USUARIOS", "NoEsta"));
    EXPECT_TRUE(db->VerCampoDB("TA_USUARIOS", "NoEsta", true, "int", true));
    EXPECT_TRUE(handed.isEmpty());
}

TEST_F(SchemaProbes, AddFieldWritesTheStatementAndAddsTheColumn)
{
    db->AddField("TA_USUARIOS", "IMPORTE", "money", false, 0);
    ASSERT_EQ(handed.size(), 1);
    EXPECT_EQ(handed[0], "ALTER TABLE dbo.TA_USUARIOS ADD IMPORTE money Not Null  CONSTRAINT DF_TA_USUARIOS_IMPORTE DEFAULT (0)");
    EXPECT_TRUE(db->ExisteCampoDB("TA_USUARIOS", "IMPORTE"));
    EXPECT_EQ(scalar("SELECT IMPORTE FROM TA_USUARIOS WHERE Nombre = 'ADMIN'").toDouble(), 0.0);

    db->AddField(" TA_USUARIOS", "NOTA ", "varchar(10)", true, vb::Variant::missing());
    EXPECT_EQ(handed[1], "ALTER TABLE dbo. TA_USUARIOS ADD NOTA  varchar(10) Null ");
}

TEST_F(SchemaProbes, AddingAnExistingColumnShowsTheErrorDialog)
{
    dialogs.pushMsgBoxAnswer(ui::vbAbort);
    db->AddField("TA_USUARIOS", "Nombre", "varchar(5)", true, QString("'x'"));
    EXPECT_EQ(handed[0], "ALTER TABLE dbo.TA_USUARIOS ADD Nombre varchar(5) Null  CONSTRAINT DF_TA_USUARIOS_Nombre DEFAULT ('x')");
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_TRUE(boxes()[0].title.endsWith(" - errAddField Aviso al operador!!! - 5 "));
    EXPECT_TRUE(logText().contains("Rutina: - errAddField Mensaje "));
}

TEST_F(SchemaProbes, VerCampoDBAddsOnlyMissingColumnsOfExistingTables)
{
    EXPECT_TRUE(db->VerCampoDB("TA_NADA", "X", true, "int", true));
    EXPECT_TRUE(db->VerCampoDB("TA_USUARIOS", "Nombre", true, "int", true));
    EXPECT_TRUE(db->VerCampoDB("TA_USUARIOS", "NUEVA", false, "int", true));
    EXPECT_TRUE(handed.isEmpty());
    EXPECT_TRUE(db->VerCampoDB("TA_USUARIOS", "NUEVA", true, "int", true));
    EXPECT_EQ(handed, QStringList{"ALTER TABLE dbo.TA_USUARIOS ADD NUEVA int Null "});
    EXPECT_TRUE(db->ExisteCampoDB("TA_USUARIOS", "NUEVA"));
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(SchemaProbes, AFailedCatalogueReadGoesToTheHandlerAndRetryReadsAgain)
{
    // A connection of its own, still closed: the first read fails.
    const ado::ConnectionPtr cnn = ado::Connection::create();
    QList<int> errors;
    const data::SchemaProbe probe(cnn, db->settings().gDBName, [&](const vb::Error& e) {
        errors << e.number();
        if (errors.size() > 1)
            return int(vb::Abort);
        cnn->Open(db->settings().gConnString);
        return int(vb::Retry);
    });
    EXPECT_TRUE(probe.hasTable("TA_USUARIOS"));
    EXPECT_TRUE(probe.hasColumn("TA_USUARIOS", "Nombre"));
    EXPECT_EQ(errors.size(), 1);

    // Any other answer leaves with "not found", even for what exists.
    cnn->Close();
    EXPECT_FALSE(probe.hasTable("TA_USUARIOS"));
    EXPECT_FALSE(probe.hasColumn("TA_USUARIOS", "Nombre"));
    EXPECT_EQ(errors.size(), 3);
    EXPECT_TRUE(boxes().isEmpty());
}

// The table itself names its columns, through a statement that returns no rows: tables and
// views alike, on Oracle too (where the catalogue probe answers yes to anything). A name that is
// not a plain object name never reaches the engine; a table that cannot be read answers with no
// columns and a line in the log, without a dialog.
TEST_F(SchemaProbes, TheTableItselfNamesItsColumns)
{
    const QStringList usuarios = db->tableColumns("TA_USUARIOS");
    EXPECT_TRUE(usuarios.contains("Nombre"));
    EXPECT_TRUE(usuarios.contains("Administrador"));
    EXPECT_FALSE(usuarios.contains("NoEsta"));
    EXPECT_EQ(handed, QStringList{"SELECT * FROM TA_USUARIOS WHERE 1 = 0"});
    EXPECT_TRUE(db->tableColumns(" [v_ta_cpte] ").contains("Sistema"));
    EXPECT_EQ(handed.last(), "SELECT * FROM v_ta_cpte WHERE 1 = 0");

    db->configure([&](data::DbSettings& s) { s.gProveedor = "OraOLEDB.Oracle.1"; });
    EXPECT_TRUE(db->ExisteCampoDB("TA_USUARIOS", "NoEsta"));
    EXPECT_EQ(db->tableColumns("TA_USUARIOS"), usuarios);

    handed.clear();
    EXPECT_TRUE(db->tableColumns("TA_USUARIOS; DELETE FROM TA_USUARIOS").isEmpty());
    EXPECT_TRUE(db->tableColumns("").isEmpty());
    EXPECT_TRUE(handed.isEmpty());
    EXPECT_GT(scalar("SELECT COUNT(*) FROM TA_USUARIOS").toLong(), 0);

    EXPECT_TRUE(db->tableColumns("TA_NADA").isEmpty());
    EXPECT_TRUE(logText().contains("tableColumns")) << logText().toStdString();
    EXPECT_TRUE(boxes().isEmpty());
}

// Through ODBC, with the statement as the driver receives it: a name with a blank goes in
// brackets, and on an Oracle connection in Oracle's quotes.
TEST_F(SchemaProbes, TheTableNamesItsColumnsThroughOdbc)
{
    const QString driver = "/usr/lib/x86_64-linux-gnu/odbc/libsqlite3odbc.so";
    if (!QFile::exists(driver))
        GTEST_SKIP() << "SQLite ODBC driver not installed";
    const QString file = m_programDir.filePath("odbc.db");
    const ado::ConnectionPtr setUp = ado::Connection::create();
    setUp->Open(QStringLiteral("DRIVER=%1;Database=%2;").arg(driver, file));
    setUp->Execute("CREATE TABLE MA_POSICIONES (IDPOSICION char(4), Descripcion varchar(30))");
    setUp->Execute("CREATE TABLE [Mi Tabla] (Clave int, Valor varchar(10))");
    setUp->Execute("INSERT INTO MA_POSICIONES VALUES ('0001', 'Primera')");
    setUp->Close();

    for (const QString& oracle : {QString(), QStringLiteral("Description=ORACLE;")}) {
        SCOPED_TRACE(oracle.toStdString());
        db->OpenServerADODB(false, 3, QStringLiteral("DRIVER=%1;Database=%2;%3").arg(driver, file, oracle), false, false);
        ASSERT_TRUE(db->gOpenFlag());
        handed.clear();
        EXPECT_EQ(db->tableColumns("MA_POSICIONES"), (QStringList{"IDPOSICION", "Descripcion"}));
        EXPECT_EQ(db->tableColumns("Mi Tabla"), (QStringList{"Clave", "Valor"}));
        EXPECT_EQ(handed.last(), oracle.isEmpty() ? "SELECT * FROM [Mi Tabla] WHERE 1 = 0" : "SELECT * FROM \"Mi Tabla\" WHERE 1 = 0");
        db->gCnn()->Close();
    }
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_FALSE(QFile::exists(logPath()));
}

} // namespace
