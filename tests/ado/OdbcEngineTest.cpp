#include "EmbeddedDatabase.h"

#include <ado/Command.h>
#include <vb/Error.h>

#include <QDateTime>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const char* const sqliteOdbcDriver = "/usr/lib/x86_64-linux-gnu/odbc/libsqlite3odbc.so";

// The ODBC engine against the SQLite ODBC driver: statements reach the driver as written.
class OdbcEngineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!QFileInfo::exists(QString::fromLatin1(sqliteOdbcDriver)))
            GTEST_SKIP() << "SQLite ODBC driver not installed";
        cn = ado::Connection::create();
        cn->Open(QStringLiteral("DRIVER=%1;Database=%2;").arg(QLatin1String(sqliteOdbcDriver), dir.filePath(QStringLiteral("odbc.db"))));
        cn->Execute(QStringLiteral("CREATE TABLE Articulos (Id integer PRIMARY KEY, Nombre varchar(20) NOT NULL, Sigla char(4),"
                                   " Precio numeric(10,2), Cantidad int, Chico smallint, Peso double, Activo bit, Alta timestamp)"));
        cn->Execute(QStringLiteral("INSERT INTO Articulos VALUES (1, 'Tornillo', 'TR', 10.25, 100, 3, 0.5, 1, '2024-01-15 10:20:30')"));
        cn->Execute(QStringLiteral("INSERT INTO Articulos (Id, Nombre) VALUES (2, 'Ñandú')"));
    }

    QTemporaryDir dir;
    ado::ConnectionPtr cn;
};

TEST_F(OdbcEngineTest, FetchesEveryTypeAsAdoWould)
{
    auto rs = cn->Execute(QStringLiteral("SELECT * FROM Articulos ORDER BY Id"));
    ASSERT_EQ(rs->RecordCount(), 2);
    auto f = rs->Fields();
    EXPECT_EQ(f->Item(QStringLiteral("Id"))->Type(), ado::adInteger);
    EXPECT_EQ(f->Item(QStringLiteral("nombre"))->Type(), ado::adVarChar);
    EXPECT_EQ(f->Item(QStringLiteral("Nombre"))->DefinedSize(), 20);
    EXPECT_EQ(f->Item(QStringLiteral("Precio"))->Type(), ado::adNumeric);
    EXPECT_EQ(f->Item(QStringLiteral("Alta"))->Type(), ado::adDBTimeStamp);
    EXPECT_EQ(EmbeddedDatabase::renderValue(f->Item(QStringLiteral("Id"))->Value()), QStringLiteral("1"));
    EXPECT_EQ(f->Item(QStringLiteral("Nombre"))->Value().toString(), QStringLiteral("Tornillo"));
    EXPECT_EQ(f->Item(QStringLiteral("Sigla"))->Value().toString(), QStringLiteral("TR  "));
    EXPECT_EQ(EmbeddedDatabase::renderValue(f->Item(QStringLiteral("Precio"))->Value()), QStringLiteral("10.25"));
    EXPECT_EQ(f->Item(QStringLiteral("Cantidad"))->Value().toLong(), 100);
    EXPECT_EQ(f->Item(QStringLiteral("Chico"))->Value().type(), vb::VarType::Integer);
    EXPECT_DOUBLE_EQ(f->Item(QStringLiteral("Peso"))->Value().toDouble(), 0.5);
    EXPECT_EQ(f->Item(QStringLiteral("Activo"))->Value().type(), vb::VarType::Boolean);
    EXPECT_TRUE(f->Item(QStringLiteral("Activo"))->Value().toBool());
    EXPECT_EQ(EmbeddedDatabase::renderValue(f->Item(QStringLiteral("Alta"))->Value()), QStringLiteral("2024-01-15 10:20:30"));
    rs->MoveNext();
    EXPECT_EQ(f->Item(QStringLiteral("Nombre"))->Value().toString(), QStringLiteral("Ñandú"));
    EXPECT_TRUE(f->Item(QStringLiteral("Precio"))->Value().isNull());
    EXPECT_TRUE(f->Item(QStringLiteral("Alta"))->Value().isNull());
}

TEST_F(OdbcEngineTest, ExecuteReportsAffectedRowsAndBindsCommandParameters)
{
    qint64 affected = 0;
    cn->Execute(QStringLiteral("UPDATE Articulos SET Cantidad = 5"), &affected);
    EXPECT_EQ(affected, 2);
    auto command = ado::Command::create();
    command->setActiveConnection(cn);
    command->setCommandText(QStringLiteral("SELECT Id FROM Articulos WHERE Nombre = ? OR Nombre = ?"));
    command->Parameters()->Append(command->CreateParameter(QStringLiteral("a"), ado::adVarChar, ado::adParamInput, 20, QStringLiteral("O'Brien")));
    command->Parameters()->Append(command->CreateParameter(QStringLiteral("b"), ado::adVarChar, ado::adParamInput, 20, QStringLiteral("Ñandú")));
    auto rs = command->Execute();
    ASSERT_EQ(rs->RecordCount(), 1);
    EXPECT_EQ(rs->Value(QStringLiteral("Id")).toLong(), 2);
}

TEST_F(OdbcEngineTest, SchemaRowsetsListTablesAndColumns)
{
    auto tables = cn->OpenSchema(ado::adSchemaTables);
    bool found = false;
    for (; !tables->Eof(); tables->MoveNext())
        found = found || (tables->Value(QStringLiteral("TABLE_NAME")).toString() == QLatin1String("Articulos")
                          && tables->Value(QStringLiteral("TABLE_TYPE")).toString() == QLatin1String("TABLE"));
    EXPECT_TRUE(found);
    auto columns = cn->OpenSchema(ado::adSchemaColumns, {QStringLiteral("Gestion"), QString(), QStringLiteral("Articulos"), QString()});
    QStringList names;
    for (; !columns->Eof(); columns->MoveNext())
        names << columns->Value(QStringLiteral("COLUMN_NAME")).toString() + u':' + columns->Value(QStringLiteral("DATA_TYPE")).toString();
    EXPECT_EQ(names.mid(0, 3), QStringList({"Id:3", "Nombre:129", "Sigla:129"}));
    // A table name with trailing blanks, as the column probe passes it untrimmed, names the table.
    auto padded = cn->OpenSchema(ado::adSchemaColumns, {QString(), QString(), QStringLiteral("Articulos  "), QString()});
    ASSERT_FALSE(padded->Eof());
    EXPECT_EQ(padded->Value(QStringLiteral("COLUMN_NAME")).toString(), QStringLiteral("Id"));
}

TEST_F(OdbcEngineTest, DriverErrorsFillErrors)
{
    EXPECT_NE(errorNumberOf([&] { cn->Execute(QStringLiteral("SELECT * FROM NoExiste")); }), 0);
    ASSERT_GE(cn->Errors()->Count(), 1);
    EXPECT_FALSE(cn->Errors()->Item(0).SQLState().isEmpty());
    EXPECT_TRUE(cn->Errors()->Item(0).Description().contains(QLatin1String("NoExiste")));
    EXPECT_FALSE(ado::isConnectionLost(*cn->Errors()));
}

TEST_F(OdbcEngineTest, TransactionsCommitAndRollBack)
{
    cn->BeginTrans();
    cn->Execute(QStringLiteral("DELETE FROM Articulos"));
    cn->RollbackTrans();
    EXPECT_EQ(cn->Execute(QStringLiteral("SELECT Id FROM Articulos"))->RecordCount(), 2);
    cn->BeginTrans();
    cn->Execute(QStringLiteral("DELETE FROM Articulos WHERE Id = 2"));
    cn->CommitTrans();
    EXPECT_EQ(cn->Execute(QStringLiteral("SELECT Id FROM Articulos"))->RecordCount(), 1);
}

TEST_F(OdbcEngineTest, RecordsetWritesBackThroughTheDriver)
{
    auto rs = ado::Recordset::create();
    rs->Open(QStringLiteral("SELECT Id, Nombre FROM Articulos ORDER BY Id"), cn, ado::adOpenStatic, ado::adLockOptimistic);
    rs->Field(QStringLiteral("Nombre"))->setValue(QStringLiteral("Tornillo 2"));
    rs->Update();
    rs->AddNew();
    rs->Field(QStringLiteral("Nombre"))->setValue(QStringLiteral("Nuevo"));
    rs->Update();
    EXPECT_EQ(rs->Value(QStringLiteral("Id")).toLong(), 3);
    auto check = cn->Execute(QStringLiteral("SELECT Nombre FROM Articulos ORDER BY Id"));
    QStringList names;
    for (; !check->Eof(); check->MoveNext())
        names << check->Value(QStringLiteral("Nombre")).toString();
    EXPECT_EQ(names, QStringList({"Tornillo 2", "Ñandú", "Nuevo"}));
}

TEST_F(OdbcEngineTest, NullsDatesAndDeletesGoThroughTheDriver)
{
    auto rs = ado::Recordset::create();
    rs->Open(QStringLiteral("SELECT Id, Nombre, Precio, Alta, Activo FROM Articulos ORDER BY Id"), cn, ado::adOpenStatic, ado::adLockOptimistic);
    rs->Field(QStringLiteral("Precio"))->setValue(vb::Variant::null());
    rs->Field(QStringLiteral("Alta"))->setValue(vb::Date::fromDateTime(QDateTime(QDate(2025, 6, 7), QTime(8, 9, 10))));
    rs->Field(QStringLiteral("Activo"))->setValue(false);
    rs->Update();
    rs->MoveLast();
    rs->Delete();
    auto check = cn->Execute(QStringLiteral("SELECT Id, Precio, Alta, Activo FROM Articulos"));
    ASSERT_EQ(check->RecordCount(), 1);
    EXPECT_TRUE(check->Value(QStringLiteral("Precio")).isNull());
    EXPECT_EQ(EmbeddedDatabase::renderValue(check->Value(QStringLiteral("Alta"))), QStringLiteral("2025-06-07 08:09:10"));
    EXPECT_FALSE(check->Value(QStringLiteral("Activo")).toBool());
}

TEST_F(OdbcEngineTest, LongTextsComeBackWhole)
{
    cn->Execute(QStringLiteral("CREATE TABLE Notas (Texto text)"));
    auto command = ado::Command::create();
    command->setActiveConnection(cn);
    command->setCommandText(QStringLiteral("INSERT INTO Notas VALUES (?)"));
    QString text;
    for (int i = 0; i < 700; ++i)
        text += QStringLiteral("línea %1;").arg(i, 3, 10, QChar(u'0'));
    command->Parameters()->Append(command->CreateParameter(QStringLiteral("t"), ado::adLongVarChar, ado::adParamInput, text.size(), text));
    command->Execute();
    auto rs = cn->Execute(QStringLiteral("SELECT Texto FROM Notas"));
    EXPECT_EQ(rs->Value(QStringLiteral("Texto")).toString(), text);
}

TEST_F(OdbcEngineTest, AClosedConnectionRefusesWork)
{
    cn->Close();
    EXPECT_EQ(cn->State(), ado::adStateClosed);
    EXPECT_EQ(errorNumberOf([&] { cn->Execute(QStringLiteral("SELECT 1")); }), ado::adErrObjectClosed);
    auto rs = ado::Recordset::create();
    EXPECT_EQ(errorNumberOf([&] { rs->Open(QStringLiteral("SELECT 1"), cn); }), ado::adErrInvalidConnection);
}

} // namespace
