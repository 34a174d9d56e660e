// The database layer as the program's windows use it, on the demo suite database: the cursor
// and lock settings they pass, the moves they make, the rows they add and the errors they test.
#include "DemoFixture.h"
#include "EmbeddedDatabase.h"

#include <ado/Command.h>
#include <ado/Connection.h>
#include <vb/Error.h>

#include <gtest/gtest.h>

namespace {

class ProgramUseTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_fixture = new demo::DemoFixture(120, 11);
        s_connection = ado::Connection::create();
        s_connection->setConnectionTimeout(3);
        s_connection->setCursorLocation(ado::adUseClient);
        s_connection->Open(s_fixture->connectionString(), QString(), QString(), ado::adOptionUnspecified);
    }
    static void TearDownTestSuite()
    {
        s_connection.reset();
        delete s_fixture;
        s_fixture = nullptr;
    }
    void SetUp() override { s_connection->BeginTrans(); }
    void TearDown() override { s_connection->RollbackTrans(); }

    static ado::RecordsetPtr open(const QString& sql, int cursor = ado::adOpenForwardOnly, int lock = ado::adLockReadOnly)
    {
        auto rs = ado::Recordset::create();
        rs->Open(sql, s_connection, cursor, lock, ado::adOptionUnspecified);
        return rs;
    }
    static QString first(const QString& sql)
    {
        auto rs = open(sql);
        return rs->Eof() ? QStringLiteral("<none>") : rs->Fields()->Item(0)->Value().toString();
    }

    static demo::DemoFixture* s_fixture;
    static ado::ConnectionPtr s_connection;
};

demo::DemoFixture* ProgramUseTest::s_fixture = nullptr;
ado::ConnectionPtr ProgramUseTest::s_connection;

TEST_F(ProgramUseTest, MovesOnAnEmptyResultFailAsAdoDoes)
{
    auto rs = open(QStringLiteral("SELECT * FROM TA_USUARIOS WHERE Nombre = 'NADIE'"));
    ASSERT_TRUE(rs->Bof() && rs->Eof());
    EXPECT_EQ(errorNumberOf([&] { rs->MoveFirst(); }), ado::adErrNoCurrentRecord);
    EXPECT_EQ(errorNumberOf([&] { rs->MoveLast(); }), ado::adErrNoCurrentRecord);
    EXPECT_EQ(errorNumberOf([&] { rs->MovePrevious(); }), ado::adErrNoCurrentRecord);
    EXPECT_EQ(errorNumberOf([&] { rs->MoveNext(); }), ado::adErrNoCurrentRecord);
    EXPECT_EQ(errorNumberOf([&] { rs->Fields()->Item(QStringLiteral("Nombre"))->Value(); }), ado::adErrNoCurrentRecord);
    EXPECT_EQ(errorNumberOf([&] { rs->Fields()->Item(QStringLiteral("NoHay")); }), ado::adErrItemNotFound);
}

TEST_F(ProgramUseTest, AdosOwnErrorsNameTheObjectThatRaisedThem)
{
    auto rs = open(QStringLiteral("SELECT Nombre FROM TA_USUARIOS WHERE Nombre = 'NADIE'"));
    const vb::Error field = errorRaisedBy([&] { rs->Fields()->Item(0)->Value(); });
    EXPECT_EQ(field.number(), ado::adErrNoCurrentRecord);
    EXPECT_EQ(field.source(), QStringLiteral("ADODB.Field"));
    EXPECT_EQ(field.description(), QStringLiteral(
        "BOF o EOF es True, o el registro actual se eliminó. La operación solicitada requiere un registro actual."));
    EXPECT_EQ(errorRaisedBy([&] { rs->MoveNext(); }).source(), QStringLiteral("ADODB.Recordset"));
    EXPECT_EQ(errorRaisedBy([&] { rs->Fields()->Item(QStringLiteral("NoHay")); }).source(), QStringLiteral("ADODB.Recordset"));
    auto closed = ado::Connection::create();
    const vb::Error onClosed = errorRaisedBy([&] { closed->Execute(QStringLiteral("SELECT 1")); });
    EXPECT_EQ(onClosed.number(), ado::adErrObjectClosed);
    EXPECT_EQ(onClosed.source(), QStringLiteral("ADODB.Connection"));
    EXPECT_EQ(onClosed.description(), QStringLiteral("No se permite la operación si el objeto está cerrado."));
    const vb::Error unusable = errorRaisedBy([&] { rs->Close(); rs->Open(QStringLiteral("SELECT 1"), closed); });
    EXPECT_EQ(unusable.number(), ado::adErrInvalidConnection);
    EXPECT_EQ(unusable.source(), QStringLiteral("ADODB.Recordset"));
    auto command = ado::Command::create();
    command->setCommandText(QStringLiteral("SELECT 1"));
    EXPECT_EQ(errorRaisedBy([&] { command->Execute(); }).source(), QStringLiteral("ADODB.Command"));
}

TEST_F(ProgramUseTest, TreeWindowReadsEveryRowAtOnce)
{
    auto rs = open(QStringLiteral(
        "SELECT     TOP 100 PERCENT IdFamilia, Descripcion, (SELECT     TOP 1 idfamilia FROM v_ta_familias a   Where a.IdFamilia < b.IdFamilia"
        " And (Len(LTrim(RTrim(a.IdFamilia))) < Len(LTrim(RTrim(b.IdFamilia))))  ORDER BY idfamilia DESC) AS [relative]"
        " FROM dbo.V_TA_FAMILIAS b Where IdFamilia<>'' ORDER BY IdFamilia"));
    ASSERT_FALSE(rs->Eof());
    rs->MoveFirst();
    rs->MoveLast();
    rs->MoveFirst();
    const qint64 count = rs->RecordCount();
    const auto rows = rs->GetRows(count);
    ASSERT_EQ(rows.size(), 3u);
    ASSERT_EQ(qint64(rows[0].size()), count);
    EXPECT_TRUE(rs->Eof());
    // A child's parent is a shorter code that sorts before it; the first family has none.
    EXPECT_TRUE(rows[2][0].isNull());
    for (qint64 r = 1; r < count; ++r) {
        const QString code = rows[0][size_t(r)].toString().trimmed();
        const vb::Variant parent = rows[2][size_t(r)];
        if (!parent.isNull()) {
            EXPECT_LT(parent.toString().trimmed().size(), code.size()) << code.toStdString();
            EXPECT_LT(parent.toString().trimmed(), code) << code.toStdString();
        }
    }
}

TEST_F(ProgramUseTest, ErrorRowIsAddedThroughAnUpdatableTopOneQuery)
{
    auto rs = open(QStringLiteral("select  top 1 * from AUX_ERR  with(nolock) "), ado::adOpenDynamic, ado::adLockOptimistic);
    rs->AddNew();
    rs->Fields()->Item(QStringLiteral("Proceso"))->setValue(QStringLiteral("rp_quindal"));
    rs->Fields()->Item(QStringLiteral("fecha"))->setValue(vb::Variant(vb::Date::fromDateTime(QDateTime(QDate(2025, 12, 8), QTime(10, 15)))));
    rs->Fields()->Item(QStringLiteral("Error"))->setValue(-2147217900);
    rs->Fields()->Item(QStringLiteral("Descripcion"))->setValue(QStringLiteral("Invalid object name 'X'"));
    rs->Fields()->Item(QStringLiteral("sql"))->setValue(QStringLiteral("SELECT * FROM X WHERE A = 'O''Brien'"));
    rs->Fields()->Item(QStringLiteral("PC"))->setValue(QStringLiteral("PUESTO1"));
    rs->Fields()->Item(QStringLiteral("Usuario"))->setValue(QStringLiteral("ADMIN"));
    rs->Update();
    rs->Close();
    auto back = open(QStringLiteral("SELECT Error, Descripcion, sql, fecha FROM AUX_ERR WHERE PC = 'PUESTO1' AND Proceso = 'rp_quindal'"));
    ASSERT_FALSE(back->Eof());
    EXPECT_EQ(back->Fields()->Item(0)->Value().toLong(), -2147217900);
    EXPECT_EQ(back->Fields()->Item(1)->Value().toString(), QStringLiteral("Invalid object name 'X'"));
    EXPECT_EQ(back->Fields()->Item(2)->Value().toString(), QStringLiteral("SELECT * FROM X WHERE A = 'O''Brien'"));
    EXPECT_EQ(back->Fields()->Item(3)->Value().toDate().toDateTime(), QDateTime(QDate(2025, 12, 8), QTime(10, 15)));
}

TEST_F(ProgramUseTest, ConfigurationValueIsStoredThroughTheRowItWasReadFrom)
{
    const QString sql = QStringLiteral("SELECT * FROM ta_configuracion with(nolock)  WHERE CLAVE = 'NOMBRE'");
    auto rs = open(sql, ado::adOpenDynamic, ado::adLockOptimistic);
    ASSERT_FALSE(rs->Eof());
    rs->Fields()->Item(QStringLiteral("VALOR"))->setValue(QStringLiteral("Ferretería D'Amico"));
    rs->Update();
    EXPECT_EQ(errorNumberOf([&] { rs->Close(); }), 0);
    EXPECT_EQ(first(QStringLiteral("SELECT VALOR FROM ta_configuracion WHERE CLAVE = 'nombre'")), QStringLiteral("Ferretería D'Amico"));

    // Reopened on the same object with the settings it already carries, as the lookups do.
    rs->Open(sql, s_connection, rs->CursorType(), rs->LockType());
    EXPECT_EQ(rs->LockType(), ado::adLockOptimistic);
    rs->Fields()->Item(QStringLiteral("VALOR"))->setValue(QStringLiteral("Otra"));
    EXPECT_EQ(errorNumberOf([&] { rs->Close(); }), ado::adErrIllegalOperation);
    rs->CancelUpdate();
    rs->Close();
    EXPECT_EQ(first(QStringLiteral("SELECT VALOR FROM ta_configuracion WHERE CLAVE = 'NOMBRE'")), QStringLiteral("Ferretería D'Amico"));
}

TEST_F(ProgramUseTest, CodeBoxCommandsReturnRowsOrAClosedResult)
{
    auto command = ado::Command::create();
    command->setActiveConnection(s_connection);
    command->setCommandText(QStringLiteral("SELECT DESCRIPCION FROM V_TA_Rubros where ltrim(rtrim(DESCRIPCION)) = 'Rubro de prueba' "));
    auto rs = command->Execute();
    EXPECT_TRUE(rs->Bof());
    command->setCommandText(QStringLiteral(
        "SELECT MAX(IDRubro) as IDRubro FROM V_TA_Rubros where (left(IDRubro,1) = ' ' or left(IDRubro,1) = '9') "));
    rs = command->Execute();
    ASSERT_FALSE(rs->Bof());
    const vb::Variant highest = rs->Fields()->Item(QStringLiteral("IDRubro"))->Value();
    const int next = highest.isNull() ? 1 : highest.toString().trimmed().toInt() + 1;
    const QString code = QString::number(next).rightJustified(4, u' ');
    command->setCommandText(QStringLiteral("INSERT INTO V_TA_Rubros(IDRubro,DESCRIPCION) VALUES ('") + code +
                            QStringLiteral("','Rubro de prueba')"));
    qint64 affected = 0;
    rs = command->Execute(&affected);
    EXPECT_EQ(affected, 1);
    EXPECT_EQ(rs->State(), ado::adStateClosed);
    EXPECT_EQ(errorNumberOf([&] { rs->Bof(); }), ado::adErrObjectClosed);
    command->setCommandText(QStringLiteral("SELECT DESCRIPCION FROM V_TA_Rubros where ltrim(rtrim(DESCRIPCION)) = 'RUBRO DE PRUEBA' "));
    EXPECT_FALSE(command->Execute()->Bof());
    // A second addition with the same code is the server's duplicate key.
    command->setCommandText(QStringLiteral("INSERT INTO V_TA_Rubros(IDRubro,DESCRIPCION) VALUES ('") + code +
                            QStringLiteral("','Otro')"));
    EXPECT_EQ(errorNumberOf([&] { command->Execute(); }), ado::adErrIntegrity);
    ASSERT_GE(s_connection->Errors()->Count(), 1);
    EXPECT_EQ(s_connection->Errors()->Item(0).NativeError(), 2627);
    EXPECT_EQ(s_connection->Errors()->Item(0).SQLState(), QStringLiteral("23000"));
}

TEST_F(ProgramUseTest, SchemaProbesFindTablesAndColumnsAsTheServerNamesThem)
{
    auto columns = s_connection->OpenSchema(ado::adSchemaColumns,
                                            {s_fixture->databaseName(), QString(), QStringLiteral("ta_usuarios "), QString()});
    QStringList names;
    for (; !columns->Eof(); columns->MoveNext())
        names << columns->Fields()->Item(QStringLiteral("COLUMN_NAME"))->Value().toString().toUpper();
    EXPECT_TRUE(names.contains(QStringLiteral("NOMBRE"))) << names.join(u',').toStdString();
    auto tables = s_connection->OpenSchema(ado::adSchemaTables);
    bool found = false;
    for (; !tables->Eof(); tables->MoveNext())
        found = found || tables->Fields()->Item(QStringLiteral("TABLE_NAME"))->Value().toString().toUpper() == QLatin1String("TA_USUARIOS");
    EXPECT_TRUE(found);
}

TEST_F(ProgramUseTest, LookupProbeWalksTheFieldsInTableOrder)
{
    auto rs = open(QStringLiteral("select top 1 * from V_TA_DEPOSITO"));
    QStringList names;
    for (int i = 0; i < rs->Fields()->Count(); ++i)
        names << rs->Fields()->Item(i)->Name();
    EXPECT_FALSE(names.isEmpty());
    EXPECT_EQ(rs->RecordCount(), 1);
    // The built form without a mask row: " * " and a blank condition before ORDER BY.
    auto all = open(QStringLiteral("SELECT TOP 500  *  FROM V_TA_DEPOSITO   ORDER BY ") + names.last());
    EXPECT_EQ(all->Fields()->Count(), names.size());
    EXPECT_EQ(QString::number(all->RecordCount()), first(QStringLiteral("SELECT COUNT(*) FROM V_TA_DEPOSITO")));
}


TEST_F(ProgramUseTest, TypedApostropheIsASyntaxErrorAndTheConnectionGoesOn)
{
    auto command = ado::Command::create();
    command->setActiveConnection(s_connection);
    command->setCommandText(QStringLiteral(
        "select top 100 Razon_Social,Codigo from VT_CLIENTES where (Razon_Social like '%O'Brien%' or Codigo like '%O'Brien%' )  and Dada_De_Baja = 0 order by Razon_Social"));
    EXPECT_EQ(errorNumberOf([&] { command->Execute(); }), ado::adErrCommandText);
    ASSERT_GE(s_connection->Errors()->Count(), 1);
    EXPECT_FALSE(ado::isConnectionLost(*s_connection->Errors()));
    command->setCommandText(QStringLiteral("SELECT TOP 500 Descripcion,Tipo,CodigoEstado FROM V_TA_STATUS  ORDER BY CodigoEstado"));
    EXPECT_EQ(errorNumberOf([&] { command->Execute(); }), ado::adErrCommandText);
    EXPECT_EQ(s_connection->Errors()->Item(0).NativeError(), 207);
    EXPECT_EQ(s_connection->State(), ado::adStateOpen);
    EXPECT_NE(first(QStringLiteral("select  getDate() as fecha")), QStringLiteral("<none>"));
}

} // namespace
