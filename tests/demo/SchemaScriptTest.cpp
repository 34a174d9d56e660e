#include "SchemaScript.h"

#include <gtest/gtest.h>

TEST(SchemaScript, SplitsOnGoLinesAndDropsCommentLines)
{
    const QString script = QStringLiteral(
        "-- first table\nCREATE TABLE A (x int)\nGO\n  go  \nCREATE TABLE B (y int)\n"
        "GO\nINSERT INTO B (y) VALUES (1)\n");
    const QStringList statements = SchemaScript::statements(script);
    ASSERT_EQ(statements.size(), 3);
    EXPECT_EQ(statements[0], QStringLiteral("CREATE TABLE A (x int)"));
    EXPECT_EQ(statements[2], QStringLiteral("INSERT INTO B (y) VALUES (1)"));
}

TEST(SchemaScript, TextColumnsGetTheServerCollationOthersDoNot)
{
    const QString sql = SchemaScript::toSqlite(QStringLiteral(
        "CREATE TABLE T (Codigo char(4) NOT NULL, Nombre varchar(50) NULL, Nota text NULL, "
        "Uni nvarchar(10), Ya varchar(5) COLLATE BINARY, Texto int, Importe money)"));
    EXPECT_TRUE(sql.contains(QStringLiteral("Codigo char(4) COLLATE SRV NOT NULL")));
    EXPECT_TRUE(sql.contains(QStringLiteral("Nombre varchar(50) COLLATE SRV NULL")));
    EXPECT_TRUE(sql.contains(QStringLiteral("Nota text COLLATE SRV NULL")));
    EXPECT_TRUE(sql.contains(QStringLiteral("Uni nvarchar(10) COLLATE SRV")));
    EXPECT_TRUE(sql.contains(QStringLiteral("Ya varchar(5) COLLATE BINARY")));
    EXPECT_FALSE(sql.contains(QStringLiteral("Texto int COLLATE")));
    EXPECT_EQ(sql.count(QStringLiteral("COLLATE SRV")), 4);
}

TEST(SchemaScript, IdentityKeysAndBracketedNamesBecomeSqlite)
{
    const QString sql = SchemaScript::toSqlite(QStringLiteral(
        "CREATE TABLE AUX (Id int IDENTITY(1,1) PRIMARY KEY, [Importe-Debe] money NULL)"));
    EXPECT_TRUE(sql.contains(QStringLiteral("Id INTEGER PRIMARY KEY AUTOINCREMENT")));
    EXPECT_TRUE(sql.contains(QStringLiteral("\"Importe-Debe\" money")));
}

TEST(SchemaScript, ViewsAndInsertsKeepTheirTextLiterals)
{
    const QString view = QStringLiteral("CREATE VIEW V AS SELECT * FROM T WHERE Tipo = 'char'");
    EXPECT_EQ(SchemaScript::toSqlite(view), view);
}
