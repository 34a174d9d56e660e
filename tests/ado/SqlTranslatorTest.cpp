#include "QtPrinting.h"

#include <ado/SqlTranslator.h>

#include <QHash>
#include <gtest/gtest.h>

namespace {

// Column kinds of a small schema: Codigo is text in TA_A but a number in TA_B.
ado::ColumnKind kindOf(const QString& column, const QStringList& tables)
{
    static const QHash<QString, QHash<QString, ado::ColumnKind>> schema{
        {QStringLiteral("ta_a"), {{QStringLiteral("codigo"), ado::ColumnKind::Text}, {QStringLiteral("nombre"), ado::ColumnKind::Text},
                                  {QStringLiteral("fecha"), ado::ColumnKind::Date}, {QStringLiteral("importe"), ado::ColumnKind::Number}}},
        {QStringLiteral("ta_b"), {{QStringLiteral("codigo"), ado::ColumnKind::Number}, {QStringLiteral("alta"), ado::ColumnKind::Date}}}};
    for (const QString& table : tables) {
        const auto found = schema.constFind(table.toLower());
        if (found != schema.constEnd() && found->contains(column.toLower()))
            return found->value(column.toLower());
    }
    return ado::ColumnKind::Unknown;
}

class SqlTranslatorTest : public ::testing::Test {
protected:
    std::vector<ado::TranslatedStatement> translate(const QString& sql) const { return translator.translate(sql); }

    QStringList texts(const QString& sql) const
    {
        QStringList out;
        for (const ado::TranslatedStatement& s : translate(sql))
            out << (s.kind == ado::TranslatedStatement::Query ? s.sql : QStringLiteral("<%1>").arg(int(s.kind)));
        return out;
    }

    QString one(const QString& sql) const
    {
        const QStringList all = texts(sql);
        return all.size() == 1 ? all.front() : QStringLiteral("<%1 statements>").arg(all.size());
    }

    ado::SqlTranslator translator{kindOf};
};

TEST_F(SqlTranslatorTest, StatementsSplitOnlyWhereANewOneBegins)
{
    EXPECT_EQ(texts(QStringLiteral("INSERT INTO TA_A (Codigo)\r\nSELECT Codigo FROM TA_B\r\nUPDATE TA_A\r\nSET Nombre = 'x'\r\nDELETE FROM TA_B")).size(), 3);
    EXPECT_EQ(texts(QStringLiteral("SELECT 1\nUNION ALL\nSELECT 2")).size(), 1);
    EXPECT_EQ(texts(QStringLiteral("CREATE TABLE T (A int REFERENCES U (B) ON\nDELETE CASCADE ON\nUPDATE CASCADE)")).size(), 1);
    EXPECT_EQ(texts(QStringLiteral("CREATE VIEW V AS\nSELECT 1 AS X")).size(), 1);
    EXPECT_EQ(texts(QStringLiteral("SELECT 'a\nDELETE x' AS T\n-- DELETE in a comment\nSELECT 2")).size(), 2);
    EXPECT_EQ(texts(QStringLiteral("SELECT 1 SELECT 2")).size(), 1);   // only a line break separates
    EXPECT_EQ(texts(QStringLiteral("SELECT 1;SELECT 2;;")).size(), 2);
    EXPECT_EQ(texts(QStringLiteral("SELECT 1\r\nGO\r\nSELECT 2\r\ngo")).size(), 2);
    EXPECT_EQ(texts(QStringLiteral("SET NOCOUNT ON\nSET DATEFORMAT dmy")), QStringList());
}

TEST_F(SqlTranslatorTest, TransactionWordsAndProcedureCalls)
{
    const auto statements = translate(QStringLiteral("BEGIN TRAN Alta\nCOMMIT TRANSACTION\nROLLBACK WORK\nBEGIN TRANSACTION"));
    ASSERT_EQ(statements.size(), 4u);
    EXPECT_EQ(statements[0].kind, ado::TranslatedStatement::BeginTransaction);
    EXPECT_EQ(statements[1].kind, ado::TranslatedStatement::Commit);
    EXPECT_EQ(statements[2].kind, ado::TranslatedStatement::Rollback);
    EXPECT_EQ(statements[3].kind, ado::TranslatedStatement::BeginTransaction);

    const auto exec = translate(QStringLiteral("EXEC @r = [dbo].[sp1_getCfg] @Campo = N'Clave', 12, @Salida OUTPUT"));
    ASSERT_EQ(exec.size(), 1u);
    EXPECT_EQ(exec[0].kind, ado::TranslatedStatement::Exec);
    EXPECT_EQ(exec[0].procedure, QStringLiteral("sp1_getCfg"));
    ASSERT_EQ(exec[0].arguments.size(), 3u);
    EXPECT_EQ(exec[0].arguments[0].name, QStringLiteral("Campo"));
    EXPECT_EQ(exec[0].arguments[0].literal, QStringLiteral("'Clave'"));
    EXPECT_EQ(exec[0].arguments[1].name, QString());
    EXPECT_EQ(exec[0].arguments[1].literal, QStringLiteral("12"));
    EXPECT_EQ(exec[0].arguments[2].literal, QStringLiteral("@Salida"));
    EXPECT_TRUE(translate(QStringLiteral("EXECUTE sp_x"))[0].arguments.empty());
}

TEST_F(SqlTranslatorTest, TopHintsOwnersAndDeletes)
{
    EXPECT_EQ(one(QStringLiteral("SELECT DISTINCT TOP 5 Codigo FROM TA_A ORDER BY Codigo")),
              QStringLiteral("SELECT DISTINCT   Codigo FROM TA_A ORDER BY Codigo LIMIT 5"));
    EXPECT_EQ(one(QStringLiteral("SELECT * FROM (SELECT TOP 1 * FROM TA_A) x")),
              QStringLiteral("SELECT * FROM (SELECT   * FROM TA_A LIMIT 1 ) x"));
    EXPECT_EQ(one(QStringLiteral("SELECT * FROM TA_A WITH (NOLOCK, ROWLOCK) a WHERE 'with(nolock)' = a.Codigo")),
              QStringLiteral("SELECT * FROM TA_A    a WHERE 'with(nolock)' = a.Codigo"));
    EXPECT_EQ(one(QStringLiteral("SELECT COUNT(*), MAX(Codigo) FROM dbo.TA_A")), QStringLiteral("SELECT COUNT(*), MAX(Codigo) FROM TA_A"));
    EXPECT_EQ(one(QStringLiteral("SELECT x.dbo FROM [dbo].[TA A] x")), QStringLiteral("SELECT x.dbo FROM \"TA A\" x"));
    EXPECT_EQ(one(QStringLiteral("DELETE TA_A WHERE Codigo = 'x'")), QStringLiteral("DELETE FROM TA_A WHERE Codigo = 'x'"));
    EXPECT_EQ(one(QStringLiteral("delete from TA_A")), QStringLiteral("delete from TA_A"));
}

TEST_F(SqlTranslatorTest, PlusBecomesConcatenationFromTheFirstText)
{
    EXPECT_EQ(one(QStringLiteral("SELECT Codigo + Nombre FROM TA_A")), QStringLiteral("SELECT Codigo || Nombre FROM TA_A"));
    EXPECT_EQ(one(QStringLiteral("SELECT Codigo + 1 FROM TA_B")), QStringLiteral("SELECT Codigo + 1 FROM TA_B"));
    EXPECT_EQ(one(QStringLiteral("SELECT Importe * 2 + 'x' FROM TA_A")), QStringLiteral("SELECT (Importe * 2) || 'x' FROM TA_A"));
    EXPECT_EQ(one(QStringLiteral("SELECT 1 + 2 + 'x'")), QStringLiteral("SELECT (1 + 2) || 'x'"));
    EXPECT_EQ(one(QStringLiteral("SELECT 'a' + b.Codigo FROM TA_B b")), QStringLiteral("SELECT 'a' || b.Codigo FROM TA_B b"));
    EXPECT_EQ(one(QStringLiteral("SELECT ISNULL(Nombre, '') + '!' FROM TA_A")), QStringLiteral("SELECT IFNULL(Nombre, '') COLLATE SRV || '!' FROM TA_A"));
    EXPECT_EQ(one(QStringLiteral("SELECT CAST(Importe AS varchar(10)) + '$' FROM TA_A")),
              QStringLiteral("SELECT SRV_CONVERT('varchar(10)', Importe  ) || '$' FROM TA_A"));
    EXPECT_EQ(one(QStringLiteral("SELECT (Codigo + 'x') + Importe FROM TA_A")), QStringLiteral("SELECT (Codigo || 'x') || Importe FROM TA_A"));
    EXPECT_EQ(one(QStringLiteral("SELECT Importe - 1 + Importe FROM TA_A WHERE Nombre + 'x' = 'ax'")),
              QStringLiteral("SELECT Importe - 1 + Importe FROM TA_A WHERE Nombre || 'x' = 'ax'"));
    EXPECT_EQ(one(QStringLiteral("SELECT -Importe + 'x' FROM TA_A")), QStringLiteral("SELECT (-Importe) || 'x' FROM TA_A"));
}

TEST_F(SqlTranslatorTest, DateLiteralsBesideDateColumnsOnly)
{
    EXPECT_EQ(one(QStringLiteral("SELECT * FROM TA_A WHERE Fecha >= '1/2/2024' AND Nombre = '1/2/2024'")),
              QStringLiteral("SELECT * FROM TA_A WHERE Fecha >= '2024-02-01 00:00:00' AND Nombre = '1/2/2024'"));
    EXPECT_EQ(one(QStringLiteral("SELECT * FROM TA_B WHERE Alta BETWEEN '20240101' AND '2024-01-31 23:59:59'")),
              QStringLiteral("SELECT * FROM TA_B WHERE Alta BETWEEN '2024-01-01 00:00:00' AND '2024-01-31 23:59:59'"));
    EXPECT_EQ(one(QStringLiteral("INSERT INTO TA_A (Nombre, Fecha) VALUES ('3/4/2024', '3/4/2024'), ('x', '31/12/2024 23:59')")),
              QStringLiteral("INSERT INTO TA_A (Nombre, Fecha) VALUES ('3/4/2024', '2024-04-03 00:00:00'), ('x', '2024-12-31 23:59:00')"));
    EXPECT_EQ(one(QStringLiteral("SELECT * FROM TA_A WHERE Fecha = '31/02/2024'")), QStringLiteral("SELECT * FROM TA_A WHERE Fecha = '31/02/2024'"));
    EXPECT_EQ(one(QStringLiteral("SELECT {fn UCASE(Nombre)}, {d '2024-05-01'}, {ts '2024-05-01 10:11:12.123'} FROM TA_A")),
              QStringLiteral("SELECT  UCASE(Nombre),  '2024-05-01 00:00:00',  '2024-05-01 10:11:12' FROM TA_A"));
}

TEST_F(SqlTranslatorTest, FunctionsSQLiteCannotParseAreRenamed)
{
    EXPECT_EQ(one(QStringLiteral("SELECT LEFT(Nombre, 2), right(Nombre, 1), ISNULL(Nombre, 'x') FROM TA_A LEFT JOIN TA_B ON 1 = 1")),
              QStringLiteral("SELECT SRV_LEFT(Nombre, 2) COLLATE SRV, SRV_RIGHT(Nombre, 1) COLLATE SRV, IFNULL(Nombre, 'x') COLLATE SRV FROM TA_A LEFT JOIN TA_B ON 1 = 1"));
    EXPECT_EQ(one(QStringLiteral("SELECT CONVERT(varchar(10), Fecha, 103), DATEADD(dd, 1, Fecha), DATEDIFF(month, Fecha, GETDATE()) FROM TA_A")),
              QStringLiteral("SELECT SRV_CONVERT('varchar(10)', Fecha, 103), SRV_DATEADD('dd', 1, Fecha), SRV_DATEDIFF('month', Fecha, GETDATE()) FROM TA_A"));
}

TEST_F(SqlTranslatorTest, TableDefinitionsGetTheServersTextRules)
{
    const QString created = one(QStringLiteral("CREATE TABLE [dbo].[TA_X] ([Id] [int] IDENTITY(1,1) NOT NULL, [Nombre] [varchar](20) NULL,"
                                 " Nota varchar(max), Clave char(3) COLLATE Modern_Spanish_CI_AS NOT NULL,"
                                 " CONSTRAINT PK_TA_X PRIMARY KEY CLUSTERED (Id)) ON [PRIMARY]"));
    EXPECT_TRUE(created.startsWith(QStringLiteral("CREATE TABLE \"TA_X\" (\"Id\" INTEGER PRIMARY KEY AUTOINCREMENT  NOT NULL, \"Nombre\" varchar(20) COLLATE SRV CONSTRAINT "
                             "rpq_truncation CHECK (length(rtrim(\"Nombre\")) <= 20) NULL, Nota varchar COLLATE SRV, Clave char(3) "
                             "CONSTRAINT rpq_truncation CHECK (length(rtrim(\"Clave\")) <= 3) COLLATE SRV NOT NULL      )"))) << created.toStdString();
    EXPECT_TRUE(created.contains(QStringLiteral("CREATE TRIGGER \"rpq_pad_TA_X_Clave_UPDATE\" AFTER UPDATE OF \"Clave\" ON \"TA_X\"")));
    EXPECT_FALSE(created.contains(QStringLiteral("rpq_pad_TA_X_Nombre")));
    EXPECT_EQ(one(QStringLiteral("CREATE TABLE T (Id int IDENTITY(1,1) PRIMARY KEY, N int)")),
              QStringLiteral("CREATE TABLE T (Id INTEGER  PRIMARY KEY AUTOINCREMENT, N int)"));
    EXPECT_EQ(one(QStringLiteral("CREATE TABLE T (Nro int IDENTITY, N int)")),
              QStringLiteral("CREATE TABLE T (Nro INTEGER PRIMARY KEY AUTOINCREMENT , N int)"));
    EXPECT_EQ(one(QStringLiteral("ALTER TABLE dbo.TA_DEMO ADD IMPORTE money Not Null  CONSTRAINT DF_TA_DEMO_IMPORTE DEFAULT (0)")),
              QStringLiteral("ALTER TABLE TA_DEMO ADD IMPORTE money Not Null  CONSTRAINT DF_TA_DEMO_IMPORTE DEFAULT (0)"));
    EXPECT_EQ(one(QStringLiteral("ALTER TABLE TA_DEMO ADD Obs nvarchar(5) NULL")),
              QStringLiteral("ALTER TABLE TA_DEMO ADD Obs nvarchar(5) COLLATE SRV CONSTRAINT rpq_truncation CHECK (length(rtrim(\"Obs\")) <= 5) NULL"));
}

TEST_F(SqlTranslatorTest, EndsOnBrokenText)
{
    for (const char* text : {"SELECT 'open", "SELECT [open", "SELECT (((", "SELECT TOP", "EXEC", "{d", "CREATE TABLE T (", "SELECT CAST(",
                             "INSERT INTO T (a VALUES (", "SELECT a + FROM", "/* never closed", ")))"}) {
        SCOPED_TRACE(text);
        EXPECT_NO_THROW(translate(QString::fromLatin1(text)));
    }
}

} // namespace
