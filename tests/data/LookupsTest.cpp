#include "DataTestBase.h"

#include "ado/TestHooks.h"
#include "data/SessionValues.h"

namespace {

class Lookups : public DataTestBase {
protected:
    void SetUp() override { openDemo(); }
    vb::Variant text = 8;
};

TEST_F(Lookups, ExistsWithoutConditionWritesTheValueByKind)
{
    struct Case { vb::Variant kind; const char* value; const char* sql; };
    const Case cases[] = {
        {8, "ADMIN", "SELECT * FROM TA_USUARIOS with(nolock)   WHERE Nombre ='ADMIN'"},
        {8, "O'Hara", "SELECT * FROM TA_USUARIOS with(nolock)   WHERE Nombre ='O''Hara'"},
        {7, " '2024-01-02' ", "SELECT * FROM TA_USUARIOS with(nolock)   WHERE Nombre = '2024-01-02' "},
        {3, "12abc", "SELECT * FROM TA_USUARIOS with(nolock)   WHERE Nombre = 12"},
        {5, " 1.5x", "SELECT * FROM TA_USUARIOS with(nolock)   WHERE Nombre = 1.5"},
        {4, "abc", "SELECT * FROM TA_USUARIOS with(nolock)   WHERE Nombre = 0"},
        {2, "Id", "SELECT * FROM TA_USUARIOS with(nolock)   WHERE Nombre = Id"},
    };
    for (const Case& c : cases) {
        handed.clear();
        db->ExisteEnTablaST("TA_USUARIOS", c.value, "Nombre", nullptr, c.kind, "", true);
        ASSERT_EQ(handed.size(), 1);
        EXPECT_EQ(handed[0], c.sql);
    }
    // The server compares a text column with a number (or a number column) as numbers, and the
    // demo's user names are no numbers: those four lookups fail there, and here, with a box each.
    EXPECT_EQ(boxes().size(), 4);
}

TEST_F(Lookups, AConditionReplacesTheValueTest)
{
    db->ExisteEnTablaST("TA_USUARIOS", "x", "y", nullptr, text, "Nombre = 'ADMIN'", true);
    db->ExisteEnTablaST("TA_USUARIOS", "x", "y", nullptr, text, "X where Nombre = 'ADMIN'", true);
    db->ExisteEnTabla("TA_USUARIOS", "x", "y", nullptr, text, "Nombre = 'ADMIN'", true);
    db->ExisteEnTabla("TA_USUARIOS", "x", "y", nullptr, text, "WHERE Nombre = 'ADMIN'", true);
    ASSERT_EQ(handed.size(), 4);
    EXPECT_EQ(handed[0], "SELECT * FROM TA_USUARIOS with(nolock)   WHERE Nombre = 'ADMIN'");
    EXPECT_EQ(handed[1], "SELECT * FROM TA_USUARIOS with(nolock)   X where Nombre = 'ADMIN'");
    EXPECT_EQ(handed[2], "SELECT TOP 1 * FROM TA_USUARIOS with(nolock)  WHERE Nombre = 'ADMIN'");
    EXPECT_EQ(handed[3], "SELECT TOP 1 * FROM TA_USUARIOS with(nolock)  WHERE WHERE Nombre = 'ADMIN'");
}

TEST_F(Lookups, TrimmedComparisonFindsPaddedValuesOnlyInExisteEnTabla)
{
    // Same letter case: the embedded engine compares LTRIM/RTRIM results case-sensitively.
    EXPECT_TRUE(db->ExisteEnTabla("TA_USUARIOS", "  COMPRAS ", "Nombre", nullptr, text, "", true));
    EXPECT_EQ(handed.last(), "SELECT TOP 1  * FROM TA_USUARIOS with(nolock)  WHERE LTRIM(RTRIM(Nombre)) ='COMPRAS'");
    EXPECT_FALSE(db->ExisteEnTablaST("TA_USUARIOS", "  compras ", "Nombre", nullptr, text, "", true));
    EXPECT_TRUE(db->ExisteEnTablaST("TA_USUARIOS", "compras", "Nombre", nullptr, text, "", true));
    EXPECT_FALSE(db->ExisteEnTabla("TA_USUARIOS", "NADIE", "Nombre", nullptr, text, "", true));
    EXPECT_FALSE(db->ExisteEnTabla("TA_USUARIOS", "x' OR '1'='1", "Nombre", nullptr, text, "", true));
}

TEST_F(Lookups, TheCallersRecordsetStaysOnTheFoundRow)
{
    ado::RecordsetPtr rs = ado::Recordset::create();
    EXPECT_TRUE(db->ExisteEnTabla("@Admin_TA_USUARIOS", "DEPOSITO", "Nombre", &rs, text, "", true));
    EXPECT_EQ(handed.last(), "SELECT TOP 1  * FROM TA_USUARIOS with(nolock)  WHERE LTRIM(RTRIM(Nombre)) ='DEPOSITO'");
    EXPECT_EQ(rs->Value("NombreCompleto").toString(), QString::fromUtf8("Encargado de Depósito"));
    EXPECT_FALSE(db->ExisteEnTabla("TA_USUARIOS", "NADIE", "Nombre", &rs, text, "", true));
    EXPECT_EQ(rs->State(), 1);
    EXPECT_TRUE(rs->Eof());

    // Without the read-only request the recordset keeps the cursor and lock it carries.
    rs->Close();
    rs->setCursorType(3);
    rs->setLockType(3);
    EXPECT_TRUE(db->ExisteEnTablaST("TA_USUARIOS", "ADMIN", "Nombre", &rs, text, "", false));
    EXPECT_EQ(rs->LockType(), 3);
    EXPECT_EQ(handed.last(), "SELECT * FROM TA_USUARIOS with(nolock)   WHERE Nombre ='ADMIN'");
}

TEST_F(Lookups, ExisteEnTablaSTSendsTheMarkerUntouched)
{
    dialogs.pushMsgBoxAnswer(ui::vbAbort);
    EXPECT_FALSE(db->ExisteEnTablaST("@Admin_TA_USUARIOS", "ADMIN", "Nombre", nullptr, text, "", true));
    EXPECT_TRUE(handed.first().contains("@Admin_TA_USUARIOS"));
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_EQ(boxes()[0].title, "Aviso al Operador");
    EXPECT_EQ(boxes()[0].style, 18);
}

TEST_F(Lookups, ErrorBoxAnswersRetryIgnoreAndAbort)
{
    dialogs.pushMsgBoxAnswer(ui::vbRetry);
    dialogs.pushMsgBoxAnswer(ui::vbIgnore);   // the open is skipped, the end-of-file test fails in turn
    dialogs.pushMsgBoxAnswer(ui::vbAbort);
    EXPECT_FALSE(db->ExisteEnTabla("NO_SUCH", "1", "x", nullptr, text, "", true));
    EXPECT_EQ(boxes().size(), 3);
    EXPECT_EQ(handed.size(), 2);
    EXPECT_FALSE(dialogs.ranDry());
}

TEST_F(Lookups, DatosTablaReturnsTheColumnAsText)
{
    vb::Variant quote = QString("'");
    EXPECT_EQ(db->DatosTabla("TA_USUARIOS", " COMPRAS ", "NombreCompleto", "Nombre", quote, "", true, false).toString(),
              "Jefe de Compras");
    EXPECT_EQ(quote.toLong(), 8);
    EXPECT_EQ(handed.last(),
              "SELECT TOP 1 * FROM TA_USUARIOS with(nolock)  WHERE LTRIM(RTRIM(Nombre)) ='COMPRAS' ");

    EXPECT_EQ(db->DatosTabla("TA_USUARIOS", "ADMIN", "IdVendedor", "Nombre", text, "   ", false, false).toString(), "    ");
    EXPECT_EQ(handed.last(), "SELECT TOP 1 * FROM TA_USUARIOS with(nolock)  WHERE Nombre ='ADMIN'    ");
    EXPECT_EQ(db->DatosTabla("TA_USUARIOS", "ADMIN", "Email", "Nombre", text, "Sistema = 'BRIX'", false, false).toString(),
              "");   // Null column
    EXPECT_EQ(handed.last(), "SELECT TOP 1 * FROM TA_USUARIOS with(nolock)  WHERE Nombre ='ADMIN'  AND Sistema = 'BRIX'");
    EXPECT_EQ(db->DatosTabla("TA_USUARIOS", "NADIE", "Email", "Nombre", text, "", false, false).toString(), "");
    vb::Variant date = 7;
    db->DatosTabla("TA_USUARIOS", " 01/02/2024 ", "Email", "Nombre", date, "", false, true);
    EXPECT_EQ(handed.last(), "SELECT TOP 1 * FROM TA_USUARIOS with(nolock)  WHERE Nombre = #01/02/2024# ");
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(Lookups, DatosTablaIgnoringErrorsIsSilent)
{
    const vb::Variant result = db->DatosTabla("NO_SUCH", "1", "x", "y", text, "", true, true);
    EXPECT_TRUE(result.isString());
    EXPECT_EQ(result.toString(), "");
    ado::TestHooks::failNextOperations(1);
    EXPECT_EQ(db->DatosTabla("TA_USUARIOS", "ADMIN", "Nombre", "Nombre", text, "", true, true).toString(), "");
    EXPECT_EQ(ado::TestHooks::consumeFailure(), false);   // no reconnect attempt used more failures
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(Lookups, ADroppedLinkIsReconnectedSilentlyOnce)
{
    ado::TestHooks::failNextOperations(1);
    EXPECT_TRUE(db->ExisteEnTablaST("TA_USUARIOS", "ADMIN", "Nombre", nullptr, text, "", true));
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_EQ(handed.size(), 2);

    // A first failed reconnect is followed by a second quiet one.
    handed.clear();
    ado::TestHooks::failNextOperations(2);
    EXPECT_TRUE(db->ExisteEnTabla("TA_USUARIOS", "ADMIN", "Nombre", nullptr, text, "", true));
    EXPECT_TRUE(boxes().isEmpty());

    // When that fails too, the operator is asked; Yes tries again.
    handed.clear();
    ado::TestHooks::failNextOperations(3);
    dialogs.pushMsgBoxAnswer(ui::vbYes);
    EXPECT_TRUE(db->ExisteEnTabla("TA_USUARIOS", "ADMIN", "Nombre", nullptr, text, "", true));
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_EQ(boxes()[0].title, "AVISO AL OPERADOR");
    EXPECT_EQ(handed.size(), 2);
}

TEST_F(Lookups, ALinkThatStaysDownAsksAndNoEndsTheProgram)
{
    ado::TestHooks::failNextOperations(100);
    dialogs.pushMsgBoxAnswer(ui::vbNo);
    EXPECT_THROW(db->ExisteEnTablaST("TA_USUARIOS", "ADMIN", "Nombre", nullptr, text, "", true), vb::EndRequested);
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_EQ(boxes()[0].title, "AVISO AL OPERADOR");
}

} // namespace
