#include "EmbeddedDatabase.h"

#include <ado/Command.h>
#include <vb/Error.h>

#include <QDateTime>
#include <gtest/gtest.h>

namespace {

// Each case runs text as the program writes it for SQL Server and checks the rows.
class DialectTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        db.run(QStringLiteral(
            "CREATE TABLE dbo.MA_ARTICULOS (Codigo varchar(10) NOT NULL PRIMARY KEY, Descripcion varchar(40) NULL,\r\n"
            "  Precio money NULL, Stock int NULL, Alta datetime NULL, Activo bit NULL, Tipo char(3) NULL)\r\n"
            "INSERT INTO MA_ARTICULOS VALUES ('A1', 'Tornillo', 10.5, 100, '2024-01-15 00:00:00', 1, 'X')\r\n"
            "INSERT INTO MA_ARTICULOS VALUES ('A2', 'tuerca', 2.25, 50, '2024-02-20 10:30:00', 0, 'Y')\r\n"
            "INSERT INTO MA_ARTICULOS VALUES ('B1', 'Ñandú de peluche', 99.99, 0, '2023-12-31 00:00:00', 1, 'X')\r\n"
            "INSERT INTO MA_ARTICULOS VALUES ('B2', 'arandela  ', NULL, NULL, NULL, NULL, NULL)"));
    }

    QStringList codes(const QString& where) const
    {
        return db.rows(QStringLiteral("SELECT Codigo FROM MA_ARTICULOS ") + where + QStringLiteral(" ORDER BY Codigo"));
    }

    EmbeddedDatabase db;
};

TEST_F(DialectTest, TopLimitsRowsAlsoInsideSubSelects)
{
    EXPECT_EQ(db.rows(QStringLiteral("SELECT TOP 2 Codigo FROM MA_ARTICULOS ORDER BY Codigo")), QStringList({"A1", "A2"}));
    EXPECT_EQ(db.rows(QStringLiteral("SELECT Codigo FROM MA_ARTICULOS WHERE Codigo IN "
                                     "(SELECT TOP 1 Codigo FROM MA_ARTICULOS ORDER BY Codigo DESC)")),
              QStringList({"B2"}));
    EXPECT_EQ(db.rows(QStringLiteral("SELECT TOP 100 PERCENT Codigo FROM MA_ARTICULOS ORDER BY Codigo")).size(), 4);
    EXPECT_EQ(db.rows(QStringLiteral("SELECT TOP (1) Codigo FROM MA_ARTICULOS ORDER BY Codigo")), QStringList({"A1"}));
}

TEST_F(DialectTest, TableHintsInAnySpacingAndCaseAreDropped)
{
    EXPECT_EQ(codes(QStringLiteral("with(nolock)   WHERE Codigo ='A1'")), QStringList({"A1"}));
    EXPECT_EQ(codes(QStringLiteral("WITH ( NOLOCK ) WHERE Codigo = 'A2'")), QStringList({"A2"}));
    EXPECT_EQ(codes(QStringLiteral("(NoLock) WHERE Codigo = 'B1'")), QStringList({"B1"}));
    EXPECT_EQ(db.rows(QStringLiteral("SELECT TOP 1  * FROM MA_ARTICULOS with(nolock)  WHERE LTRIM(RTRIM(Codigo)) ='B2'")).size(), 1);
}

TEST_F(DialectTest, NationalLiteralsOwnersAndBracketedNames)
{
    EXPECT_EQ(codes(QStringLiteral("WHERE Descripcion = N'Tornillo'")), QStringList({"A1"}));
    EXPECT_EQ(db.rows(QStringLiteral("SELECT Codigo FROM dbo.MA_ARTICULOS WHERE Codigo = 'A1'")), QStringList({"A1"}));
    EXPECT_EQ(db.rows(QStringLiteral("SELECT [Codigo] FROM [dbo].[MA_ARTICULOS] WHERE [Codigo] = 'A2'")), QStringList({"A2"}));
    EXPECT_EQ(db.rows(QStringLiteral("SELECT Codigo FROM Demo.dbo.MA_ARTICULOS WHERE Codigo = 'B1'")), QStringList({"B1"}));
    db.run(QStringLiteral("CREATE TABLE [Notas Largas] ([Nro Nota] int, [Texto]] raro] varchar(5))"));
    db.run(QStringLiteral("INSERT INTO [Notas Largas] ([Nro Nota], [Texto]] raro]) VALUES (1, 'ok')"));
    EXPECT_EQ(db.rows(QStringLiteral("SELECT [Nro Nota], [Texto]] raro] FROM [Notas Largas]")), QStringList({"1|ok"}));
}

TEST_F(DialectTest, IdentityColumnsNumberTheRowsWhereverTheKeyIsDeclared)
{
    db.run(QStringLiteral("CREATE TABLE [dbo].[MV_NOTAS] ([Id] [int] IDENTITY(1,1) NOT NULL, [Texto] [varchar](10) NULL,\n"
                          " CONSTRAINT [PK_MV_NOTAS] PRIMARY KEY CLUSTERED ([Id] ASC)) ON [PRIMARY]\n"
                          "INSERT INTO MV_NOTAS (Texto) VALUES ('a')\nINSERT INTO MV_NOTAS (Texto) VALUES ('b')"));
    EXPECT_EQ(db.rows(QStringLiteral("SELECT Id, Texto FROM MV_NOTAS ORDER BY Id")), QStringList({"1|a", "2|b"}));
}

TEST_F(DialectTest, DeleteWithoutFrom)
{
    qint64 affected = 0;
    db.connection()->Execute(QStringLiteral("DELETE MA_ARTICULOS WHERE Codigo LIKE 'B%'"), &affected);
    EXPECT_EQ(affected, 2);
    EXPECT_EQ(codes(QString()), QStringList({"A1", "A2"}));
}

TEST_F(DialectTest, TransactionStatementsInBatches)
{
    db.run(QStringLiteral("BEGIN TRAN\r\nINSERT INTO MA_ARTICULOS (Codigo) VALUES ('C1')\r\nROLLBACK TRANSACTION"));
    EXPECT_EQ(codes(QStringLiteral("WHERE Codigo = 'C1'")), QStringList());
    db.run(QStringLiteral("BEGIN TRANSACTION\nINSERT INTO MA_ARTICULOS (Codigo) VALUES ('C2')\nCOMMIT TRAN"));
    EXPECT_EQ(codes(QStringLiteral("WHERE Codigo = 'C2'")), QStringList({"C2"}));
    // Nested as on the server: only the outer COMMIT makes it stay.
    db.run(QStringLiteral("BEGIN TRAN\nBEGIN TRAN\nINSERT INTO MA_ARTICULOS (Codigo) VALUES ('C3')\nCOMMIT\nROLLBACK"));
    EXPECT_EQ(codes(QStringLiteral("WHERE Codigo = 'C3'")), QStringList());
}

TEST_F(DialectTest, BatchesSplitOnLineBreaksAndGoLines)
{
    qint64 affected = 0;
    db.connection()->Execute(QStringLiteral(
        "SET NOCOUNT ON\r\n"
        "UPDATE MA_ARTICULOS\r\n   SET Stock = 7\r\n WHERE Codigo = 'A1'\r\n"
        "INSERT INTO MA_ARTICULOS (Codigo, Descripcion)\r\nSELECT 'D' + Codigo, Descripcion FROM MA_ARTICULOS WHERE Codigo = 'A2'\r\n"
        "GO\r\n"
        "DELETE FROM MA_ARTICULOS WHERE Codigo = 'B2'"), &affected);
    EXPECT_EQ(affected, 3);
    EXPECT_EQ(db.single(QStringLiteral("SELECT Stock FROM MA_ARTICULOS WHERE Codigo = 'A1'")), QStringLiteral("7"));
    EXPECT_EQ(codes(QString()), QStringList({"A1", "A2", "B1", "DA2"}));
    // A SELECT that ends a batch is what Execute returns.
    EXPECT_EQ(db.rows(QStringLiteral("UPDATE MA_ARTICULOS SET Stock = 8 WHERE Codigo = 'A1'\nSELECT Stock FROM MA_ARTICULOS WHERE Codigo = 'A1'")),
              QStringList({"8"}));
}

TEST_F(DialectTest, StoredProceduresByNameByPositionAndThroughCommand)
{
    db.run(QStringLiteral("CREATE TABLE rpq_procedures (name TEXT PRIMARY KEY COLLATE SRV, body TEXT NOT NULL)"));
    db.run(QStringLiteral("INSERT INTO rpq_procedures VALUES ('sp_Articulo', "
                          "'SELECT Codigo, Descripcion FROM MA_ARTICULOS WHERE Codigo = @Codigo OR Descripcion = @Descripcion')"));
    EXPECT_EQ(db.rows(QStringLiteral("EXEC sp_Articulo @Descripcion = 'tuerca', @Codigo = 'A1'")),
              QStringList({"A1|Tornillo", "A2|tuerca"}));
    EXPECT_EQ(db.rows(QStringLiteral("EXEC dbo.SP_ARTICULO 'B1', N'nada'")), QStringList({"B1|Ñandú de peluche"}));

    auto command = ado::Command::create();
    command->setActiveConnection(db.connection());
    command->setCommandText(QStringLiteral("sp_Articulo"));
    command->setCommandType(ado::adCmdStoredProc);
    command->Parameters()->Append(command->CreateParameter(QStringLiteral("@Codigo"), ado::adChar, ado::adParamInput, 50,
                                                           QStringLiteral("x' OR 1=1 --")));
    command->Parameters()->Append(command->CreateParameter(QStringLiteral("@Descripcion"), ado::adVarChar, ado::adParamInput, 50,
                                                           QStringLiteral("Tornillo")));
    ado::RecordsetPtr rs = command->Execute();
    ASSERT_EQ(rs->RecordCount(), 1);   // the apostrophe stays inside the literal
    EXPECT_EQ(rs->Value(QStringLiteral("codigo")).toString(), QStringLiteral("A1"));
}

TEST_F(DialectTest, PlusJoinsTextsAndStillAddsNumbers)
{
    EXPECT_EQ(db.single(QStringLiteral("SELECT Codigo + ' - ' + Descripcion FROM MA_ARTICULOS WHERE Codigo = 'A1'")),
              QStringLiteral("A1 - Tornillo"));
    EXPECT_EQ(db.single(QStringLiteral("SELECT Stock + Stock * 2, Precio + 1 FROM MA_ARTICULOS WHERE Codigo = 'A2'")),
              QStringLiteral("150|3.25"));
    EXPECT_EQ(db.single(QStringLiteral("SELECT 'Stock: ' + CONVERT(varchar(10), Stock * 2) + Codigo FROM MA_ARTICULOS WHERE Codigo = 'A1'")),
              QStringLiteral("Stock: 200A1"));
    EXPECT_EQ(db.single(QStringLiteral("SELECT Tipo + '|', LEN(Tipo), Tipo FROM MA_ARTICULOS WHERE Codigo = 'A1' AND Tipo = 'X'")),
              QStringLiteral("X  ||1|X  "));   // char(n) is kept padded, as on the server
    db.run(QStringLiteral("UPDATE MA_ARTICULOS SET Tipo = 'Z' WHERE Codigo = 'A1'"));
    EXPECT_EQ(db.single(QStringLiteral("SELECT '[' + Tipo + ']' FROM MA_ARTICULOS WHERE Codigo = 'A1'")), QStringLiteral("[Z  ]"));
    EXPECT_EQ(db.single(QStringLiteral("SELECT Codigo + Descripcion FROM MA_ARTICULOS WHERE Codigo = 'B2' AND Tipo + 'x' IS NULL")),
              QStringLiteral("B2arandela  "));
    EXPECT_EQ(db.single(QStringLiteral("SELECT LEFT(Descripcion, 3) + (Codigo + '!') FROM MA_ARTICULOS WHERE Codigo = 'A1'")),
              QStringLiteral("TorA1!"));
}

TEST_F(DialectTest, TextFunctions)
{
    EXPECT_EQ(db.single(QStringLiteral("SELECT LEN('abc  '), LEN(Descripcion), LEN(Tipo) FROM MA_ARTICULOS WHERE Codigo = 'B2'")),
              QStringLiteral("3|8|NULL"));
    EXPECT_EQ(db.single(QStringLiteral("SELECT ISNULL(Precio, 0), ISNULL(Tipo, 'n/a') FROM MA_ARTICULOS WHERE Codigo = 'B2'")),
              QStringLiteral("0|n/a"));
    EXPECT_EQ(db.single(QStringLiteral("SELECT CHARINDEX('RN', Descripcion), CHARINDEX('z', Descripcion), CHARINDEX('o', Descripcion, 3) "
                                       "FROM MA_ARTICULOS WHERE Codigo = 'A1'")),
              QStringLiteral("3|0|8"));
    EXPECT_EQ(db.single(QStringLiteral("SELECT LEFT(Descripcion, 3), RIGHT(Descripcion, 2), SUBSTRING(Descripcion, 2, 3) "
                                       "FROM MA_ARTICULOS WHERE Codigo = 'A1'")),
              QStringLiteral("Tor|lo|orn"));
    EXPECT_EQ(db.single(QStringLiteral("SELECT REPLICATE('0', 3) + Codigo, UPPER(Descripcion), LOWER('ÁRBOL') FROM MA_ARTICULOS WHERE Codigo = 'B1'")),
              QStringLiteral("000B1|ÑANDÚ DE PELUCHE|árbol"));
    EXPECT_EQ(db.single(QStringLiteral("SELECT '[' + LTRIM(RTRIM('  x  ')) + ']', '[' + LTRIM('  y ') + ']'")),
              QStringLiteral("[x]|[y ]"));
}

TEST_F(DialectTest, ConvertWithStylesAndTargets)
{
    EXPECT_EQ(db.single(QStringLiteral("SELECT CONVERT(varchar(10), Alta, 103), CONVERT(varchar(19), Alta, 120), CONVERT(varchar, Stock) "
                                       "FROM MA_ARTICULOS WHERE Codigo = 'A2'")),
              QStringLiteral("20/02/2024|2024-02-20 10:30:00|50"));
    EXPECT_EQ(db.single(QStringLiteral("SELECT CONVERT(int, '42') + 1, CONVERT(int, 7.9), CAST('12' AS int) * 2")),
              QStringLiteral("43|7|24"));
    EXPECT_EQ(codes(QStringLiteral("WHERE Alta = CONVERT(datetime, '15/01/2024', 103)")), QStringList({"A1"}));
    EXPECT_EQ(db.single(QStringLiteral("SELECT CONVERT(datetime, '2024-03-01')")), QStringLiteral("2024-03-01 00:00:00"));
    EXPECT_THROW(db.run(QStringLiteral("SELECT CONVERT(int, 'abc')")), vb::Error);
}

TEST_F(DialectTest, DateFunctions)
{
    EXPECT_EQ(db.single(QStringLiteral("SELECT YEAR(Alta), MONTH(Alta), DAY(Alta) FROM MA_ARTICULOS WHERE Codigo = 'A2'")),
              QStringLiteral("2024|2|20"));
    EXPECT_EQ(db.single(QStringLiteral("SELECT DATEADD(day, 15, Alta), DATEADD(mm, 1, Alta), DATEADD(month, -2, '2024-03-31') "
                                       "FROM MA_ARTICULOS WHERE Codigo = 'A1'")),
              QStringLiteral("2024-01-30 00:00:00|2024-02-15 00:00:00|2024-01-31 00:00:00"));
    EXPECT_EQ(db.single(QStringLiteral("SELECT DATEDIFF(day, '2024-01-31', '2024-03-01'), DATEDIFF(month, '2024-01-31', '2024-02-01'), "
                                       "DATEDIFF(dd, Alta, '2024-01-20') FROM MA_ARTICULOS WHERE Codigo = 'A1'")),
              QStringLiteral("30|1|5"));
    const ado::RecordsetPtr rs = db.connection()->Execute(QStringLiteral("SELECT GETDATE() AS Ahora"));
    const QDateTime now = rs->Value(QStringLiteral("Ahora")).toDate().toDateTime();
    EXPECT_LE(std::abs(now.secsTo(QDateTime::currentDateTime())), 5);
    EXPECT_EQ(codes(QStringLiteral("WHERE Alta < GETDATE()")), QStringList({"A1", "A2", "B1"}));
}

TEST_F(DialectTest, OdbcEscapesAndRegionalDateLiterals)
{
    EXPECT_EQ(codes(QStringLiteral("WHERE Alta >= {d '2024-01-01'}")), QStringList({"A1", "A2"}));
    EXPECT_EQ(codes(QStringLiteral("WHERE Alta = {ts '2024-02-20 10:30:00'}")), QStringList({"A2"}));
    EXPECT_EQ(codes(QStringLiteral("WHERE Alta >= '01/01/2024' AND Alta < '1/2/2024'")), QStringList({"A1"}));
    EXPECT_EQ(codes(QStringLiteral("WHERE Alta BETWEEN '31/12/2023' AND '20/02/2024 23:59'")), QStringList({"A1", "A2", "B1"}));
    EXPECT_EQ(codes(QStringLiteral("WHERE '15/01/2024' = Alta")), QStringList({"A1"}));
    db.run(QStringLiteral("INSERT INTO MA_ARTICULOS (Codigo, Alta) VALUES ('E1', '05/03/2024')"));
    db.run(QStringLiteral("UPDATE MA_ARTICULOS SET Alta = '06/03/2024 08:15' WHERE Codigo = 'B2'"));
    EXPECT_EQ(db.rows(QStringLiteral("SELECT Codigo, Alta FROM MA_ARTICULOS WHERE Alta >= '05/03/2024' ORDER BY Alta")),
              QStringList({"E1|2024-03-05 00:00:00", "B2|2024-03-06 08:15:00"}));
    // A text column keeps a text that merely looks like a date.
    EXPECT_EQ(codes(QStringLiteral("WHERE Descripcion = '05/03/2024'")), QStringList());
}

TEST_F(DialectTest, TextComparisonIgnoresCaseAndTrailingBlanks)
{
    EXPECT_EQ(codes(QStringLiteral("WHERE Descripcion = 'TORNILLO'")), QStringList({"A1"}));
    EXPECT_EQ(codes(QStringLiteral("WHERE Descripcion = 'arandela'")), QStringList({"B2"}));
    EXPECT_EQ(codes(QStringLiteral("WHERE Descripcion = 'ñANDÚ DE PELUCHE'")), QStringList({"B1"}));
    EXPECT_EQ(codes(QStringLiteral("WHERE Descripcion = 'nandu de peluche'")), QStringList());
    EXPECT_EQ(codes(QStringLiteral("WHERE Codigo < 'a2'")), QStringList({"A1"}));
    EXPECT_EQ(db.rows(QStringLiteral("SELECT Codigo FROM MA_ARTICULOS ORDER BY Descripcion")),
              QStringList({"B2", "B1", "A1", "A2"}));
}

TEST_F(DialectTest, TextFunctionResultsCompareAsTheirColumns)
{
    EXPECT_EQ(codes(QStringLiteral("WHERE ltrim(rtrim(Descripcion)) = 'ARANDELA'")), QStringList({"B2"}));
    EXPECT_EQ(codes(QStringLiteral("WHERE LEFT(Descripcion, 1) = 't'")), QStringList({"A1", "A2"}));
    EXPECT_EQ(codes(QStringLiteral("WHERE SUBSTRING(Codigo, 1, 1) = 'b'")), QStringList({"B1", "B2"}));
    EXPECT_EQ(codes(QStringLiteral("WHERE ISNULL(Tipo, '') = 'x'")), QStringList({"A1", "B1"}));
    EXPECT_EQ(codes(QStringLiteral("WHERE UPPER(Descripcion) = 'Tuerca'")), QStringList({"A2"}));
    EXPECT_EQ(codes(QStringLiteral("WHERE RIGHT(Codigo, 1) = '1' AND REPLACE(Descripcion, 'o', '0') = 'T0RNILL0'")), QStringList({"A1"}));
    EXPECT_EQ(db.rows(QStringLiteral("SELECT LOWER(Tipo) FROM MA_ARTICULOS WHERE Tipo IS NOT NULL GROUP BY LOWER(Tipo)")).size(), 2);
}

TEST_F(DialectTest, LikeIgnoresCaseAndKnowsSets)
{
    EXPECT_EQ(codes(QStringLiteral("WHERE Descripcion LIKE 'tor%'")), QStringList({"A1"}));
    EXPECT_EQ(codes(QStringLiteral("WHERE Descripcion LIKE '%DE P%'")), QStringList({"B1"}));
    EXPECT_EQ(codes(QStringLiteral("WHERE Descripcion LIKE '[a-b]%'")), QStringList({"B2"}));
    EXPECT_EQ(codes(QStringLiteral("WHERE Descripcion LIKE '[^m-z]%'")), QStringList({"B2"}));
    EXPECT_EQ(codes(QStringLiteral("WHERE Descripcion LIKE '[tu]u_rca'")), QStringList({"A2"}));
    EXPECT_EQ(codes(QStringLiteral("WHERE Descripcion LIKE 'arandela'")), QStringList({"B2"}));
    EXPECT_EQ(codes(QStringLiteral("WHERE Descripcion LIKE 'ñ%'")), QStringList({"B1"}));
}

TEST_F(DialectTest, StatementsAsTheProgramBuildsThem)
{
    db.run(QStringLiteral("CREATE TABLE V_TA_FAMILIAS (IdFamilia varchar(6) NOT NULL PRIMARY KEY, Descripcion varchar(30))\r\n"
                          "INSERT INTO V_TA_FAMILIAS VALUES ('1', 'Ferreteria')\r\nINSERT INTO V_TA_FAMILIAS VALUES ('11', 'Tornillos')\r\n"
                          "INSERT INTO V_TA_FAMILIAS VALUES ('111', 'Chicos')\r\nINSERT INTO V_TA_FAMILIAS VALUES ('2', 'Pintura')\r\n"
                          "INSERT INTO V_TA_FAMILIAS VALUES ('', 'sin codigo')"));
    const QString tree = QStringLiteral(
        "SELECT     TOP 100 PERCENT IdFamilia, Descripcion, (SELECT     TOP 1 idfamilia FROM v_ta_familias a   Where a.IdFamilia < b.IdFamilia "
        "And (Len(LTrim(RTrim(a.IdFamilia))) < Len(LTrim(RTrim(b.IdFamilia))))  ORDER BY idfamilia DESC) AS [relative] "
        "FROM dbo.V_TA_FAMILIAS b Where IdFamilia<>'' ORDER BY IdFamilia");
    EXPECT_EQ(db.rows(tree), QStringList({"1|Ferreteria|", "11|Tornillos|1", "111|Chicos|11", "2|Pintura|"}));

    db.run(QStringLiteral("CREATE TABLE C_MV_Cpte (TC varchar(4), IdComprobante varchar(13), Fecha datetime)\r\n"
                          "INSERT INTO C_MV_Cpte VALUES ('RMC', '000100000001A', '2024-01-02')\r\n"
                          "INSERT INTO C_MV_Cpte VALUES ('RMC', '000100000002A', '2024-01-03')\r\n"
                          "INSERT INTO C_MV_Cpte VALUES ('OC', '000200000001B', '2024-01-03')"));
    const QString groups = QStringLiteral(
        "SELECT TC, SUBSTRING(IDCOMPROBANTE, 1, 4) AS sucursal, SUBSTRING(IDCOMPROBANTE, 13, 1) As Letra From C_MV_Cpte "
        "GROUP BY TC, SUBSTRING(IDCOMPROBANTE, 1, 4), SUBSTRING(IDCOMPROBANTE, 13, 1) HAVING (TC = N'rmc')");
    EXPECT_EQ(db.rows(groups), QStringList({"RMC|0001|A"}));
    EXPECT_EQ(db.rows(QStringLiteral("SELECT  Tc + IdComprobante + Tc AS Id From C_MV_Cpte WHERE IdComprobante LIKE '%1_' ORDER BY Id")),
              QStringList({"OC000200000001BOC", "RMC000100000001ARMC"}));
    db.run(QStringLiteral("DELETE C_MV_Cpte WHERE TC = 'OC'"));
    EXPECT_EQ(db.single(QStringLiteral("select  getDate() as fecha")).left(2), QStringLiteral("20"));
}

} // namespace
