#include "CorpusStatements.h"
#include "QtPrinting.h"

#include <ado/TsqlDialectTranslator.h>

#include <QDir>
#include <QFile>
#include <QHash>
#include <gtest/gtest.h>

namespace {

// A small schema: Codigo is text in TA_A but a number in TA_B.
class SmallSchema : public ado::SqlSchema {
public:
    QString declaredType(const QString& table, const QString& column) const override
    {
        return tables().value(table.toLower()).value(column.toLower());
    }
    QStringList columns(const QString& table) const override { return tables().value(table.toLower()).keys(); }
    QString declaredTypeAnywhere(const QString& column) const override
    {
        QString agreed;
        for (const auto& table : tables()) {
            const QString type = table.value(column.toLower());
            if (type.isEmpty())
                continue;
            if (!agreed.isEmpty() && agreed != type)
                return {};
            agreed = type;
        }
        return agreed;
    }

private:
    static const QHash<QString, QHash<QString, QString>>& tables()
    {
        static const QHash<QString, QHash<QString, QString>> schema{
            {QStringLiteral("ta_a"), {{QStringLiteral("codigo"), QStringLiteral("varchar(10)")}, {QStringLiteral("nombre"), QStringLiteral("varchar(30)")},
                                      {QStringLiteral("fecha"), QStringLiteral("datetime")}, {QStringLiteral("importe"), QStringLiteral("money")}}},
            {QStringLiteral("ta_b"), {{QStringLiteral("codigo"), QStringLiteral("int")}, {QStringLiteral("alta"), QStringLiteral("datetime")}}}};
        return schema;
    }
};

class TsqlDialectTranslatorTest : public ::testing::Test {
protected:
    std::vector<ado::TranslatedStatement> translate(const QString& sql) const { return translator.translate(sql); }

    // Each step's SQLite text with its blanks simplified; other steps as <kind>, failures as <fail n: text>.
    QStringList texts(const QString& sql) const
    {
        QStringList out;
        for (const ado::TranslatedStatement& s : translate(sql)) {
            if (s.kind == ado::TranslatedStatement::PartEnd)
                continue;
            if (s.kind == ado::TranslatedStatement::Fail)
                out << QStringLiteral("<fail %1: %2>").arg(s.native).arg(s.text);
            else
                out << (s.kind == ado::TranslatedStatement::Query ? s.sql.simplified() : QStringLiteral("<%1>").arg(int(s.kind)));
        }
        return out;
    }

    QString one(const QString& sql) const
    {
        const QStringList all = texts(sql);
        return all.size() == 1 ? all.front() : QStringLiteral("<%1 statements>").arg(all.size());
    }

    SmallSchema schema;
    ado::TsqlDialectTranslator translator{&schema};
};

TEST_F(TsqlDialectTranslatorTest, StatementsSplitWhereTheServersParserWould)
{
    EXPECT_EQ(texts(QStringLiteral("INSERT INTO TA_A (Codigo)\r\nSELECT Codigo FROM TA_B\r\nUPDATE TA_A\r\nSET Nombre = 'x'\r\nDELETE FROM TA_B")).size(), 3);
    EXPECT_EQ(texts(QStringLiteral("SELECT 1\nUNION ALL\nSELECT 2")).size(), 1);
    EXPECT_EQ(texts(QStringLiteral("CREATE TABLE T (A int REFERENCES U (B) ON\nDELETE CASCADE ON\nUPDATE CASCADE)")).size(), 1);
    EXPECT_EQ(texts(QStringLiteral("CREATE VIEW V AS\nSELECT 1 AS X")).size(), 1);
    EXPECT_EQ(texts(QStringLiteral("SELECT 'a\nDELETE x' AS T\n-- DELETE in a comment\nSELECT 2")).size(), 2);
    EXPECT_EQ(texts(QStringLiteral("SELECT 1;SELECT 2;;")).size(), 2);
    EXPECT_EQ(texts(QStringLiteral("SELECT 1\r\nGO\r\nSELECT 2\r\ngo")).size(), 2);
    // No line break is needed between statements.
    EXPECT_EQ(texts(QStringLiteral("SELECT 1 SELECT 2")), QStringList({"SELECT 1 AS \"\"", "SELECT 2 AS \"\""}));
    EXPECT_EQ(texts(QStringLiteral("BEGIN TRAN INSERT INTO TA_A (Codigo) VALUES ('a') UPDATE TA_A SET Nombre = 'b' DELETE TA_B COMMIT TRAN")).size(), 5);
    // ... but the words that continue a statement do not cut it.
    EXPECT_EQ(texts(QStringLiteral("INSERT TA_A (Codigo) SELECT Codigo FROM TA_A WHERE Codigo IN (SELECT 'x' UNION SELECT 'y')")).size(), 1);
    EXPECT_EQ(texts(QStringLiteral("WITH x (c) AS (SELECT 1) INSERT INTO TA_B (Codigo) SELECT c FROM x")).size(), 1);
    EXPECT_EQ(texts(QStringLiteral("SELECT * FROM TA_A WITH (NOLOCK) WHERE Nombre = CASE WHEN 1 = 1 THEN 'a' ELSE 'b' END SELECT 3")).size(), 2);
    EXPECT_EQ(texts(QStringLiteral("SELECT TOP 1 WITH TIES Codigo FROM TA_A ORDER BY Codigo")).size(), 1);
    EXPECT_EQ(texts(QStringLiteral("SET NOCOUNT ON\nSET ANSI_NULLS ON")), QStringList());
}

TEST_F(TsqlDialectTranslatorTest, ControlFlowBecomesJumps)
{
    using S = ado::TranslatedStatement;
    auto kinds = [&](const QString& sql) {
        std::vector<int> out;
        for (const S& s : translate(sql))
            out.push_back(s.kind == S::Jump || s.kind == S::JumpUnless ? s.kind * 100 + s.target : s.kind);
        return out;
    };
    // IF cond A ELSE B: test -> 3, A, jump -> 4, B, end
    EXPECT_EQ(kinds(QStringLiteral("IF 1 = 1 SELECT 1 ELSE SELECT 2")),
              std::vector<int>({S::JumpUnless * 100 + 3, S::Query, S::Jump * 100 + 4, S::Query, S::PartEnd}));
    // WHILE with a block, BREAK and CONTINUE: both jumps point at the loop's ends.
    EXPECT_EQ(kinds(QStringLiteral("DECLARE @i int\nWHILE @i < 3\nBEGIN\nIF @i = 1 BREAK\nCONTINUE\nEND\nRETURN\nSELECT 1")),
              std::vector<int>({S::Declare, S::JumpUnless * 100 + 6, S::JumpUnless * 100 + 4, S::Jump * 100 + 6, S::Jump * 100 + 1,
                                S::Jump * 100 + 1, S::Jump * 100 + 8, S::Query, S::PartEnd}));
    EXPECT_EQ(texts(QStringLiteral("BEGIN\nSELECT 1")), QStringList({"<fail 102: Sintaxis incorrecta cerca del final del lote.>"}));
    EXPECT_EQ(texts(QStringLiteral("SELECT 1\nEND")), QStringList({"<fail 156: Sintaxis incorrecta cerca de la palabra clave 'END'.>"}));
    EXPECT_EQ(texts(QStringLiteral("BREAK")).front().left(10), QStringLiteral("<fail 135:"));
    // A part that does not compile runs nothing; the next part still runs.
    EXPECT_EQ(texts(QStringLiteral("SELECT 1\nSELECT @nada\nGO\nSELECT 2")),
              QStringList({"<fail 137: Debe declarar la variable escalar \"@nada\".>", "SELECT 2 AS \"\""}));
}

TEST_F(TsqlDialectTranslatorTest, VariablesTakeTheirDeclaredTypes)
{
    EXPECT_EQ(texts(QStringLiteral("DECLARE @d datetime, @c varchar(3) = 'abcdef' SET @d = '20240315' SELECT @c = Nombre FROM TA_A")),
              QStringList({"<8>", "<8>", "SELECT SRV_CONVERT('varchar(3)', 'abcdef', 0, 'varchar(6)')", "SELECT '2024-03-15 00:00:00'",
                           "SELECT SRV_CONVERT('varchar(3)', Nombre, 0, 'varchar(30)') FROM TA_A"}));
    const auto select = translate(QStringLiteral("DECLARE @a int, @b int SELECT @a = Importe, @b = 2 FROM TA_A"));
    ASSERT_EQ(select.size(), 4u);
    EXPECT_EQ(select[2].variables, QStringList({"@a", "@b"}));
    EXPECT_EQ(texts(QStringLiteral("DECLARE @a int SELECT @a = 1, Codigo FROM TA_A")).front().left(10), QStringLiteral("<fail 141:"));
    EXPECT_EQ(texts(QStringLiteral("DECLARE @a int SET @a += 2")).back(), QStringLiteral("SELECT @a + (2)"));
    EXPECT_EQ(texts(QStringLiteral("SELECT @@ROWCOUNT, @@IDENTITY, SCOPE_IDENTITY(), @@ERROR, @@TRANCOUNT")),
              QStringList({"SELECT $rowcount AS \"\", $identity AS \"\", $scope_identity AS \"\", $error AS \"\", $trancount AS \"\""}));
}

TEST_F(TsqlDialectTranslatorTest, TransactionWordsAndProcedureCalls)
{
    using S = ado::TranslatedStatement;
    const auto statements = translate(QStringLiteral("BEGIN TRAN Alta\nCOMMIT TRANSACTION\nROLLBACK WORK\nSAVE TRAN Punto\nROLLBACK TRAN Punto\nBEGIN TRANSACTION"));
    ASSERT_EQ(statements.size(), 7u);
    EXPECT_EQ(statements[0].kind, S::BeginTransaction);
    EXPECT_EQ(statements[0].name, QStringLiteral("Alta"));
    EXPECT_EQ(statements[1].kind, S::Commit);
    EXPECT_EQ(statements[2].kind, S::Rollback);
    EXPECT_EQ(statements[3].kind, S::SaveTransaction);
    EXPECT_EQ(statements[4].kind, S::Rollback);
    EXPECT_EQ(statements[4].name, QStringLiteral("Punto"));
    EXPECT_EQ(statements[5].kind, S::BeginTransaction);

    const auto exec = translate(QStringLiteral("EXEC @r = [dbo].[sp1_getCfg] @Campo = N'Clave', 12, @Salida OUTPUT"));
    EXPECT_EQ(exec.front().kind, S::Fail);   // @Salida was never declared
    const auto call = translate(QStringLiteral("DECLARE @Salida int EXEC [dbo].[sp1_getCfg] @Campo = N'Clave', 12, @Salida OUTPUT"));
    ASSERT_EQ(call.size(), 3u);
    EXPECT_EQ(call[1].kind, S::Exec);
    EXPECT_EQ(call[1].procedure, QStringLiteral("sp1_getCfg"));
    ASSERT_EQ(call[1].arguments.size(), 3u);
    EXPECT_EQ(call[1].arguments[0].name, QStringLiteral("Campo"));
    EXPECT_EQ(call[1].arguments[0].literal, QStringLiteral("'Clave'"));
    EXPECT_EQ(call[1].arguments[1].name, QString());
    EXPECT_EQ(call[1].arguments[1].literal, QStringLiteral("12"));
    EXPECT_EQ(call[1].arguments[2].literal, QStringLiteral("@Salida"));
    EXPECT_TRUE(translate(QStringLiteral("EXECUTE sp_x"))[0].arguments.empty());
    EXPECT_EQ(translate(QStringLiteral("EXEC ('SELECT ' + '1')"))[0].kind, S::ExecText);
}

TEST_F(TsqlDialectTranslatorTest, TopHintsOwnersAndDeletes)
{
    EXPECT_EQ(one(QStringLiteral("SELECT DISTINCT TOP 5 Codigo FROM TA_A ORDER BY Codigo")),
              QStringLiteral("SELECT DISTINCT Codigo FROM TA_A ORDER BY Codigo LIMIT 5"));
    EXPECT_EQ(one(QStringLiteral("SELECT * FROM (SELECT TOP 1 * FROM TA_A) x")),
              QStringLiteral("SELECT * FROM (SELECT * FROM TA_A LIMIT 1) x"));
    EXPECT_EQ(one(QStringLiteral("SELECT * FROM TA_A WITH (NOLOCK, ROWLOCK) a WHERE 'with(nolock)' = a.Codigo")),
              QStringLiteral("SELECT * FROM TA_A a WHERE 'with(nolock)' COLLATE SRV = a.Codigo"));
    EXPECT_EQ(one(QStringLiteral("SELECT COUNT(*) AS N FROM dbo.TA_A")), QStringLiteral("SELECT COUNT(*) AS N FROM TA_A"));
    EXPECT_EQ(one(QStringLiteral("SELECT x.dbo FROM [dbo].[TA A] x")), QStringLiteral("SELECT x.dbo FROM \"TA A\" x"));
    EXPECT_EQ(one(QStringLiteral("DELETE TA_A WHERE Importe = 1")), QStringLiteral("DELETE FROM TA_A WHERE Importe = 1"));
    EXPECT_EQ(one(QStringLiteral("delete from TA_A")), QStringLiteral("delete from TA_A"));
    EXPECT_EQ(one(QStringLiteral("INSERT TA_B (Codigo) VALUES (1)")), QStringLiteral("INSERT INTO TA_B (Codigo) VALUES (1)"));
    EXPECT_EQ(one(QStringLiteral("SELECT 1 FROM tempdb..#Tmp")), QStringLiteral("SELECT 1 AS \"\" FROM \"#Tmp\""));
    EXPECT_EQ(one(QStringLiteral("SELECT TOP 2 WITH TIES Nombre, Importe AS I FROM TA_A ORDER BY I DESC")),
              QStringLiteral("SELECT Nombre, Importe AS I FROM TA_A ORDER BY I DESC LIMIT (SELECT COUNT(*) FROM (SELECT RANK() OVER "
                             "(ORDER BY rpq_k1 DESC) AS rpq_rank FROM (SELECT Nombre, Importe AS I, Importe AS rpq_k1 FROM TA_A)) "
                             "WHERE rpq_rank <= 2)"));
    EXPECT_EQ(one(QStringLiteral("SELECT TOP 1 WITH TIES Nombre FROM TA_A")).left(10), QStringLiteral("<fail 1062"));
    EXPECT_EQ(one(QStringLiteral("UPDATE a SET a.Nombre = b.Codigo FROM TA_A a JOIN TA_B b ON a.Importe = b.Codigo WHERE a.Fecha > '20240101'")),
              QStringLiteral("UPDATE \"TA_A\" SET \"Nombre\" = rpq_set.rpq_v1 FROM (SELECT \"a\".rowid AS rpq_rowid, "
                             "b.Codigo AS rpq_v1 FROM TA_A a JOIN TA_B b ON a.Importe = b.Codigo "
                             "WHERE a.Fecha > '2024-01-01 00:00:00') AS rpq_set WHERE \"TA_A\".rowid = rpq_set.rpq_rowid"));
    EXPECT_EQ(one(QStringLiteral("DELETE a FROM TA_A a JOIN TA_B b ON a.Importe = b.Codigo")),
              QStringLiteral("DELETE FROM \"TA_A\" WHERE rowid IN (SELECT \"a\".rowid FROM TA_A a JOIN TA_B b ON a.Importe = b.Codigo)"));
}

TEST_F(TsqlDialectTranslatorTest, PlusFollowsTheTypesOfItsOperands)
{
    EXPECT_EQ(one(QStringLiteral("SELECT Codigo + Nombre AS X FROM TA_A")), QStringLiteral("SELECT (Codigo || Nombre) COLLATE SRV AS X FROM TA_A"));
    EXPECT_EQ(one(QStringLiteral("SELECT Codigo + 1 AS X FROM TA_B")), QStringLiteral("SELECT Codigo + 1 AS X FROM TA_B"));
    // A text beside a number converts to the number: a literal at once, anything else when read.
    EXPECT_EQ(one(QStringLiteral("SELECT Importe * 2 + '1.5' AS X FROM TA_A")), QStringLiteral("SELECT Importe * 2 + 1.5 AS X FROM TA_A"));
    EXPECT_EQ(one(QStringLiteral("SELECT 'a' + b.Codigo AS X FROM TA_B b")),
              QStringLiteral("SELECT SRV_CONVERT('int', 'a', 0, 'varchar(1)') + b.Codigo AS X FROM TA_B b"));
    EXPECT_EQ(one(QStringLiteral("SELECT SUBSTRING(Codigo, 5, 8) + 1 AS X FROM TA_A")),
              QStringLiteral("SELECT SRV_CONVERT('int', SRV_SUBSTRING(Codigo, 5, 8) COLLATE SRV, 0, 'varchar(8)') + 1 AS X FROM TA_A"));
    EXPECT_EQ(one(QStringLiteral("SELECT (Codigo + 'x') + Importe AS X FROM TA_A")),
              QStringLiteral("SELECT SRV_CONVERT('money', ((Codigo || 'x') COLLATE SRV), 0, 'varchar(11)') + Importe AS X FROM TA_A"));
    // A date plus or minus a number moves by days.
    EXPECT_EQ(one(QStringLiteral("SELECT Fecha + 1 AS X, Fecha - Importe AS Y FROM TA_A")),
              QStringLiteral("SELECT SRV_DATE_PLUS(Fecha , 1) AS X, SRV_DATE_MINUS(Fecha , Importe) AS Y FROM TA_A"));
    EXPECT_EQ(one(QStringLiteral("SELECT Nombre - 'x' AS X FROM TA_A")), QStringLiteral("<fail 8117: El tipo de datos varchar del operando no es válido para el operador subtract.>"));
    EXPECT_EQ(one(QStringLiteral("SELECT Importe / Nombre AS X FROM TA_A")),
              QStringLiteral("SELECT SRV_DIVIDE(Importe , SRV_CONVERT('money', Nombre, 0, 'varchar(30)')) AS X FROM TA_A"));
    EXPECT_EQ(one(QStringLiteral("SELECT Nombre / Nombre AS X FROM TA_A")),
              QStringLiteral("<fail 8117: El tipo de datos varchar del operando no es válido para el operador divide.>"));
}

TEST_F(TsqlDialectTranslatorTest, LiteralsTakeTheTypeTheyAreComparedWith)
{
    EXPECT_EQ(one(QStringLiteral("SELECT * FROM TA_A WHERE Fecha >= '1/2/2024' AND Nombre = '1/2/2024'")),
              QStringLiteral("SELECT * FROM TA_A WHERE Fecha >= '2024-02-01 00:00:00' AND Nombre = '1/2/2024' COLLATE SRV"));
    EXPECT_EQ(one(QStringLiteral("SELECT * FROM TA_B WHERE Alta BETWEEN '20240101' AND '2024-01-31T23:59:59.997'")),
              QStringLiteral("SELECT * FROM TA_B WHERE Alta BETWEEN '2024-01-01 00:00:00' AND '2024-01-31 23:59:59.997'"));
    EXPECT_EQ(one(QStringLiteral("SELECT * FROM TA_B WHERE Alta IN ('20240101', '20240102 10:00') OR Codigo IN ('7', 8)")),
              QStringLiteral("SELECT * FROM TA_B WHERE Alta IN ('2024-01-01 00:00:00', '2024-01-02 10:00:00') OR Codigo IN (7, 8)"));
    EXPECT_EQ(one(QStringLiteral("INSERT INTO TA_A (Nombre, Fecha) VALUES ('3/4/2024', '3/4/2024'), ('x', '31/12/2024 23:59')")),
              QStringLiteral("INSERT INTO TA_A (Nombre, Fecha) VALUES ('3/4/2024', '2024-04-03 00:00:00'), ('x', '2024-12-31 23:59:00')"));
    // A text that is no date fails when it is read, as on the server.
    EXPECT_EQ(one(QStringLiteral("SELECT * FROM TA_A WHERE Fecha = '31/02/2024'")),
              QStringLiteral("SELECT * FROM TA_A WHERE Fecha = SRV_CONVERT('datetime', '31/02/2024', 0, 'varchar(10)')"));
    EXPECT_EQ(one(QStringLiteral("SELECT ISNULL(Fecha, '20240101') AS F, CASE WHEN Importe > 0 THEN Fecha ELSE '20240102' END AS G FROM TA_A")),
              QStringLiteral("SELECT IFNULL(Fecha, '2024-01-01 00:00:00') AS F, CASE WHEN Importe > 0 THEN Fecha ELSE '2024-01-02 00:00:00' END AS G FROM TA_A"));
    EXPECT_EQ(one(QStringLiteral("SELECT {fn UCASE(Nombre)} AS U, {d '2024-05-01'} AS D, {ts '2024-05-01 10:11:12.123'} AS T FROM TA_A")),
              QStringLiteral("SELECT UCASE(Nombre) AS U, '2024-05-01 00:00:00' AS D, '2024-05-01 10:11:12.123' AS T FROM TA_A"));
}

TEST_F(TsqlDialectTranslatorTest, FunctionsTakeTheServersRules)
{
    EXPECT_EQ(one(QStringLiteral("SELECT LEFT(Nombre, 2) AS A, right(Nombre, 1) AS B, ISNULL(Nombre, 'x') AS C FROM TA_A LEFT JOIN TA_B ON 1 = 1")),
              QStringLiteral("SELECT SRV_LEFT(Nombre, 2) COLLATE SRV AS A, SRV_RIGHT(Nombre, 1) COLLATE SRV AS B, IFNULL(Nombre, 'x') COLLATE SRV AS C "
                             "FROM TA_A LEFT JOIN TA_B ON 1 = 1"));
    EXPECT_EQ(one(QStringLiteral("SELECT CONVERT(varchar(10), Fecha, 103) AS A, DATEADD(dd, 1, Fecha) AS B, DATEDIFF(month, Fecha, GETDATE()) AS C FROM TA_A")),
              QStringLiteral("SELECT SRV_CONVERT('varchar(10)', Fecha, 103, 'datetime') COLLATE SRV AS A, SRV_DATEADD('dd', 1, Fecha) AS B, "
                             "SRV_DATEDIFF('month', Fecha, GETDATE()) AS C FROM TA_A"));
    EXPECT_EQ(one(QStringLiteral("SELECT AVG(Codigo) AS A, SUM(Codigo) / 0 AS B FROM TA_B")),
              QStringLiteral("SELECT CAST(AVG(Codigo) AS INTEGER) AS A, SRV_DIVIDE(SUM(Codigo) , 0) AS B FROM TA_B"));
    EXPECT_EQ(one(QStringLiteral("SELECT SUM(Nombre) AS S FROM TA_A")),
              QStringLiteral("<fail 8117: El tipo de datos varchar del operando no es válido para el operador sum.>"));
    EXPECT_EQ(one(QStringLiteral("SELECT FORMAT(Fecha, 'd') AS F FROM TA_A")),
              QStringLiteral("<fail 0: El motor integrado no admite la función FORMAT.>"));
}

TEST_F(TsqlDialectTranslatorTest, TableDefinitionsGetTheServersTextRules)
{
    const QString created = one(QStringLiteral("CREATE TABLE [dbo].[TA_X] ([Id] [int] IDENTITY(1,1) NOT NULL, [Nombre] [varchar](20) NULL,"
                                 " Nota varchar(max), Clave char(3) COLLATE Modern_Spanish_CI_AS NOT NULL,"
                                 " CONSTRAINT PK_TA_X PRIMARY KEY CLUSTERED (Id)) ON [PRIMARY]"));
    EXPECT_TRUE(created.startsWith(QStringLiteral("CREATE TABLE \"TA_X\" (\"Id\" INTEGER PRIMARY KEY AUTOINCREMENT NOT NULL, \"Nombre\" varchar(20) COLLATE SRV CONSTRAINT "
                             "rpq_truncation CHECK (length(rtrim(\"Nombre\")) <= 20) NULL, Nota varchar COLLATE SRV, Clave char(3) "
                             "CONSTRAINT rpq_truncation CHECK (length(rtrim(\"Clave\")) <= 3) COLLATE SRV NOT NULL )"))) << created.toStdString();
    EXPECT_TRUE(created.contains(QStringLiteral("CREATE TRIGGER \"rpq_pad_TA_X_Clave_UPDATE\" AFTER UPDATE OF \"Clave\" ON \"TA_X\"")));
    EXPECT_FALSE(created.contains(QStringLiteral("rpq_pad_TA_X_Nombre")));
    EXPECT_EQ(one(QStringLiteral("CREATE TABLE T (Id int IDENTITY(1,1) PRIMARY KEY, N int)")),
              QStringLiteral("CREATE TABLE T (Id INTEGER PRIMARY KEY AUTOINCREMENT, N int)"));
    EXPECT_EQ(one(QStringLiteral("CREATE TABLE T (Nro int IDENTITY, N int)")),
              QStringLiteral("CREATE TABLE T (Nro INTEGER PRIMARY KEY AUTOINCREMENT , N int)"));
    EXPECT_EQ(one(QStringLiteral("ALTER TABLE dbo.TA_DEMO ADD IMPORTE money Not Null CONSTRAINT DF_TA_DEMO_IMPORTE DEFAULT (0)")),
              QStringLiteral("ALTER TABLE TA_DEMO ADD IMPORTE money Not Null CONSTRAINT DF_TA_DEMO_IMPORTE DEFAULT (0)"));
    EXPECT_EQ(one(QStringLiteral("ALTER TABLE TA_DEMO ADD Obs nvarchar(5) NULL")),
              QStringLiteral("ALTER TABLE TA_DEMO ADD Obs nvarchar(5) COLLATE SRV CONSTRAINT rpq_truncation CHECK (length(rtrim(\"Obs\")) <= 5) NULL"));
}

TEST_F(TsqlDialectTranslatorTest, EndsOnBrokenText)
{
    for (const char* text : {"SELECT 'open", "SELECT [open", "SELECT (((", "SELECT TOP", "EXEC", "{d", "CREATE TABLE T (", "SELECT CAST(",
                             "INSERT INTO T (a VALUES (", "SELECT a + FROM", "/* never closed", ")))"}) {
        SCOPED_TRACE(text);
        EXPECT_NO_THROW(translate(QString::fromLatin1(text)));
    }
}

TEST_F(TsqlDialectTranslatorTest, NestingTooDeepFailsAsTheServerDoes)
{
    const QString brackets = QStringLiteral("SELECT ") + QString(5000, u'(') + u'1' + QString(5000, u')');
    EXPECT_EQ(texts(brackets).front().left(10), QStringLiteral("<fail 191:"));
    QString ifs;
    for (int i = 0; i < 5000; ++i)
        ifs += QStringLiteral("IF 1 = 1 ");
    EXPECT_EQ(texts(ifs + QStringLiteral("SELECT 1")).front().left(10), QStringLiteral("<fail 191:"));
    const QString queries = QStringLiteral("SELECT * FROM (").repeated(3000) + QStringLiteral("SELECT 1 AS x") + QString(3000, u')');
    EXPECT_EQ(texts(queries).front().left(10), QStringLiteral("<fail 191:"));
    EXPECT_EQ(texts(QStringLiteral("SELECT ") + QString(50, u'(') + u'1' + QString(50, u')')).size(), 1);
}

// Every cut of every corpus statement, and each with its words shuffled into a wrong order,
// translates to something (a program or a Fail step) without hanging or crashing.
TEST_F(TsqlDialectTranslatorTest, EndsOnEveryCutOfTheCorpus)
{
    int translated = 0;
    for (const QString& sql : corpusStatements()) {
        QStringList words = sql.split(u' ');
        std::reverse(words.begin(), words.end());
        for (const QString& text : {sql.left(sql.size() / 3), sql.left(sql.size() / 2), sql.left(sql.size() - 1), words.join(u' ')}) {
            SCOPED_TRACE(text.toStdString());
            EXPECT_NO_THROW(translate(text));
            ++translated;
        }
    }
    EXPECT_GT(translated, 1000);
}

} // namespace
