#include "EmbeddedDatabase.h"

#include <ado/ColumnTypes.h>
#include <ado/EngineTarget.h>
#include <ado/SchemaRowset.h>
#include <vb/App.h>
#include <vb/Error.h>

#include <QDir>
#include <gtest/gtest.h>

namespace {

TEST(ColumnTypesTest, DeclaredTypesGiveAdoCodesAndSizes)
{
    struct Case { const char* declared; int type; qint64 size; int precision; int scale; };
    const Case cases[] = {
        {"varchar(30)", ado::adVarChar, 30, 255, 255},      {"VARCHAR(max)", ado::adLongVarChar, 2147483647, 255, 255},
        {"nvarchar(20)", ado::adVarWChar, 20, 255, 255},    {"char", ado::adChar, 1, 255, 255},
        {"text", ado::adLongVarChar, 2147483647, 255, 255}, {"INTEGER", ado::adInteger, 4, 10, 255},
        {"tinyint", ado::adUnsignedTinyInt, 1, 3, 255},     {"decimal(9, 3)", ado::adNumeric, 19, 9, 3},
        {"numeric", ado::adNumeric, 19, 18, 0},             {"smallmoney", ado::adCurrency, 8, 10, 4},
        {"smalldatetime", ado::adDBTimeStamp, 16, 16, 0},   {"real", ado::adSingle, 4, 7, 255},
        {"geography", ado::adVarChar, 2147483647, 255, 255},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.declared);
        const ado::ColumnInfo info = ado::ColumnTypes::fromDeclaredType(QString::fromLatin1(c.declared));
        EXPECT_EQ(info.type, c.type);
        EXPECT_EQ(info.definedSize, c.size);
        EXPECT_EQ(info.precision, c.precision);
        EXPECT_EQ(info.numericScale, c.scale);
    }
}

TEST(SchemaRowsetTest, ColumnsRowsetShapesWideTextsAndFiltersByRestrictions)
{
    ado::SchemaRowset::Column name;
    name.catalog = QStringLiteral("Gestion");
    name.table = QStringLiteral("T");
    name.name = QStringLiteral("Nombre");
    name.ordinal = 1;
    name.info = ado::ColumnTypes::fromDeclaredType(QStringLiteral("nvarchar(10)"));
    ado::SchemaRowset::Column when = name;
    when.catalog.clear();   // a driver without catalogs
    when.name = QStringLiteral("Alta");
    when.ordinal = 2;
    when.defaultValue = QStringLiteral("(getdate())");
    when.info = ado::ColumnTypes::fromDeclaredType(QStringLiteral("datetime"));
    const ado::ResultSet rows = ado::SchemaRowset::columns({name, when}, {QStringLiteral("gestion"), QString(), QStringLiteral("t")});
    ASSERT_EQ(rows.rowCount(), 2u);
    auto column = [&](const char* n) {
        for (size_t c = 0; c < rows.columnCount(); ++c)
            if (rows.columns[c].name == QLatin1String(n))
                return c;
        return rows.columnCount();
    };
    EXPECT_EQ(rows.at(0, column("DATA_TYPE")).toLong(), ado::adWChar);
    EXPECT_EQ(rows.at(0, column("CHARACTER_OCTET_LENGTH")).toLong(), 20);
    EXPECT_TRUE(rows.at(1, column("CHARACTER_MAXIMUM_LENGTH")).isNull());
    EXPECT_EQ(rows.at(1, column("DATETIME_PRECISION")).toLong(), 3);
    EXPECT_TRUE(rows.at(1, column("COLUMN_HASDEFAULT")).toBool());
    EXPECT_EQ(ado::SchemaRowset::columns({name}, {QStringLiteral("Otra")}).rowCount(), 0u);
}

TEST(EngineTargetTest, WhatGoesWhere)
{
    QTemporaryDir program;
    QDir(program.path()).mkdir(QStringLiteral("bases"));
    const QString previous = vb::App::path();
    vb::App::setPath(program.path());
    auto choose = [](const char* text) { return ado::EngineTarget::choose(ado::ConnectionString(QString::fromLatin1(text))); };
    EXPECT_EQ(choose("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=bases/vieja.mdb").databaseFile,
              QDir(program.path()).filePath(QStringLiteral("bases/vieja.mdb")));
    const auto absolute = choose(QStringLiteral("Server=%1;Database=Stats").arg(program.path()).toLatin1().constData());
    EXPECT_EQ(absolute.kind, ado::EngineTarget::Sqlite);
    EXPECT_EQ(absolute.databaseName, QStringLiteral("Stats"));
    EXPECT_EQ(choose("Server=no_such_folder;Database=G").kind, ado::EngineTarget::Odbc);
    EXPECT_EQ(choose("DSN=Gestion;UID=a").odbcString, QStringLiteral("DSN=Gestion;UID=a"));
    EXPECT_EQ(choose("Provider=SQLOLEDB;Server= srv ;Database =G").odbcString.section(u';', 1, 1), QStringLiteral("SERVER=srv"));
    vb::App::setPath(previous);
}

TEST(ErrorsTest, LostConnectionStates)
{
    EXPECT_TRUE(ado::isConnectionLostState(QStringLiteral("08S01")));
    EXPECT_TRUE(ado::isConnectionLostState(QStringLiteral("08001")));
    EXPECT_TRUE(ado::isConnectionLostState(QStringLiteral("HYT01")));
    EXPECT_FALSE(ado::isConnectionLostState(QStringLiteral("HYT00")));   // a query time-out is not
    EXPECT_FALSE(ado::isConnectionLostState(QStringLiteral("42S02")));
    EXPECT_FALSE(ado::isConnectionLost(vb::Error(-2147467259, QStringLiteral("never raised as lost"))));
}

class EmbeddedEdgesTest : public ::testing::Test {
protected:
    EmbeddedDatabase db;
};

TEST_F(EmbeddedEdgesTest, FunctionsOnNullsAndBadArguments)
{
    EXPECT_EQ(db.single(QStringLiteral("SELECT LEN(NULL), CHARINDEX('a', NULL), REPLICATE('x', -1), UPPER(NULL), YEAR(NULL)")),
              QStringLiteral("NULL|NULL|NULL|NULL|NULL"));
    EXPECT_EQ(errorNumberOf([&] { db.run(QStringLiteral("SELECT LEFT('abc', -1)")); }), ado::adErrCommandText);
    EXPECT_EQ(db.connection()->Errors()->Item(0).NativeError(), 536);
    EXPECT_NE(errorNumberOf([&] { db.run(QStringLiteral("SELECT DATEADD(fortnight, 1, GETDATE())")); }), 0);
    EXPECT_NE(errorNumberOf([&] { db.run(QStringLiteral("SELECT YEAR('not a date')")); }), 0);
    EXPECT_EQ(db.single(QStringLiteral("SELECT LEN(12345), CHARINDEX('', 'abc')")), QStringLiteral("5|0"));
}

TEST_F(EmbeddedEdgesTest, RecordsetsInVariantsAndMovesPastTheEnds)
{
    db.run(QStringLiteral("CREATE TABLE T (N int)"));
    const vb::Variant held(std::static_pointer_cast<vb::Object>(db.connection()->Execute(QStringLiteral("SELECT N FROM T"))));
    EXPECT_EQ(held.typeName(), QStringLiteral("Recordset"));
    const auto rs = held.as<ado::Recordset>();
    ASSERT_TRUE(rs);
    EXPECT_TRUE(rs->Eof());
    EXPECT_EQ(errorNumberOf([&] { rs->MoveLast(); }), ado::adErrNoCurrentRecord);
    EXPECT_EQ(errorNumberOf([&] { rs->GetRows(); }), ado::adErrNoCurrentRecord);
    EXPECT_EQ(errorNumberOf([&] { rs->Delete(); }), ado::adErrNoCurrentRecord);
    EXPECT_EQ(rs->AbsolutePosition(), -1);
}

} // namespace
