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

} // namespace
