#include "EmbeddedDatabase.h"

#include <vb/Error.h>

#include <gtest/gtest.h>

namespace {

class RecordsetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        db.run(QStringLiteral(
            "CREATE TABLE TA_TIPOS (Id int IDENTITY(1,1) NOT NULL PRIMARY KEY, Nombre varchar(20) NOT NULL, Sigla char(4) NULL,\n"
            "  Importe money NULL, Tasa decimal(9,3) NULL, Peso float NULL, Chico smallint NULL, Flag bit NULL,\n"
            "  Fecha datetime NULL, Dia date NULL, Nota text NULL, Grande bigint NULL)\n"
            "INSERT INTO TA_TIPOS (Nombre, Sigla, Importe, Tasa, Peso, Chico, Flag, Fecha, Dia, Nota, Grande)\n"
            "  VALUES ('uno', 'AB', 1234.5678, 12.345, 0.5, 7, 1, '2024-05-06 07:08:09', '2024-05-06', 'largo', 9000000000)\n"
            "INSERT INTO TA_TIPOS (Nombre, Importe) VALUES ('dos', 0.1)\n"
            "INSERT INTO TA_TIPOS (Nombre, Importe) VALUES ('tres', 0.2)"));
    }

    ado::RecordsetPtr open(const QString& sql, int lock = ado::adLockOptimistic)
    {
        auto rs = ado::Recordset::create();
        rs->Open(sql, db.connection(), ado::adOpenStatic, lock);
        return rs;
    }

    EmbeddedDatabase db;
};

TEST_F(RecordsetTest, FieldsCarryAdoTypesSizesAndExactValues)
{
    auto rs = open(QStringLiteral("SELECT * FROM TA_TIPOS WHERE Id = 1"), ado::adLockReadOnly);
    auto f = rs->Fields();
    struct Expect { const char* name; int type; qint64 size; };
    const Expect expected[] = {{"Id", ado::adInteger, 4}, {"Nombre", ado::adVarChar, 20}, {"Sigla", ado::adChar, 4},
                               {"Importe", ado::adCurrency, 8}, {"Tasa", ado::adNumeric, 19}, {"Peso", ado::adDouble, 8},
                               {"Chico", ado::adSmallInt, 2}, {"Flag", ado::adBoolean, 2}, {"Fecha", ado::adDBTimeStamp, 16},
                               {"Dia", ado::adDBDate, 6}, {"Nota", ado::adLongVarChar, 2147483647}, {"Grande", ado::adBigInt, 8}};
    for (const Expect& e : expected) {
        SCOPED_TRACE(e.name);
        EXPECT_EQ(f->Item(QString::fromLatin1(e.name))->Type(), e.type);
        EXPECT_EQ(f->Item(QString::fromLatin1(e.name))->DefinedSize(), e.size);
    }
    EXPECT_EQ(f->Item(QStringLiteral("Tasa"))->Precision(), 9);
    EXPECT_EQ(f->Item(QStringLiteral("Tasa"))->NumericScale(), 3);
    EXPECT_EQ(f->Item(QStringLiteral("Importe"))->Value().type(), vb::VarType::Currency);
    EXPECT_EQ(f->Item(QStringLiteral("Importe"))->Value().toCurrency().raw, 12345678);
    EXPECT_EQ(f->Item(QStringLiteral("Tasa"))->Value().toDecimal().toString(u'.'), QStringLiteral("12.345"));
    EXPECT_EQ(f->Item(QStringLiteral("Sigla"))->Value().toString(), QStringLiteral("AB  "));
    EXPECT_EQ(f->Item(QStringLiteral("Sigla"))->ActualSize(), 4);
    EXPECT_EQ(f->Item(QStringLiteral("Flag"))->Value().type(), vb::VarType::Boolean);
    EXPECT_EQ(f->Item(QStringLiteral("Fecha"))->Value().type(), vb::VarType::Date);
    EXPECT_EQ(EmbeddedDatabase::renderValue(f->Item(QStringLiteral("Fecha"))->Value()), QStringLiteral("2024-05-06 07:08:09"));
    EXPECT_EQ(EmbeddedDatabase::renderValue(f->Item(QStringLiteral("Grande"))->Value()), QStringLiteral("9000000000"));
}

TEST_F(RecordsetTest, MoneyAddsUpWithoutBinaryErrors)
{
    const ado::RecordsetPtr rs = db.connection()->Execute(QStringLiteral("SELECT Importe FROM TA_TIPOS WHERE Id > 1"));
    vb::Currency sum;
    for (; !rs->Eof(); rs->MoveNext())
        sum.raw += rs->Value(QStringLiteral("importe")).toCurrency().raw;
    EXPECT_EQ(sum.raw, 3000);
}

TEST_F(RecordsetTest, ComputedColumnsTakeTheirTypeFromTheirValues)
{
    auto rs = open(QStringLiteral("SELECT COUNT(*) AS N, SUM(Peso) AS P, MAX(Nombre) AS M, GETDATE() AS Hoy FROM TA_TIPOS"));
    EXPECT_EQ(rs->Field(QStringLiteral("N"))->Type(), ado::adInteger);
    EXPECT_EQ(rs->Field(QStringLiteral("P"))->Type(), ado::adDouble);
    EXPECT_EQ(rs->Field(QStringLiteral("M"))->Type(), ado::adVarChar);
    EXPECT_EQ(rs->Value(QStringLiteral("M")).toString(), QStringLiteral("uno"));
    EXPECT_EQ(rs->Field(QStringLiteral("M"))->DefinedSize(), 20);   // MAX of a varchar(20) is a varchar(20)
    EXPECT_EQ(rs->Field(QStringLiteral("Hoy"))->Type(), ado::adDBTimeStamp);
    EXPECT_EQ(rs->Value(QStringLiteral("Hoy")).type(), vb::VarType::Date);
}

TEST_F(RecordsetTest, NavigationAndEndMarks)
{
    auto rs = open(QStringLiteral("SELECT Nombre FROM TA_TIPOS ORDER BY Id"));
    EXPECT_FALSE(rs->Bof());
    EXPECT_EQ(rs->RecordCount(), 3);
    rs->MoveLast();
    EXPECT_EQ(rs->Value(QStringLiteral("NOMBRE")).toString(), QStringLiteral("tres"));
    rs->MoveNext();
    EXPECT_TRUE(rs->Eof());
    EXPECT_EQ(errorNumberOf([&] { rs->MoveNext(); }), ado::adErrNoCurrentRecord);
    EXPECT_EQ(errorNumberOf([&] { rs->Value(QStringLiteral("Nombre")); }), ado::adErrNoCurrentRecord);
    rs->MovePrevious();
    rs->MovePrevious();
    EXPECT_EQ(rs->Value(QStringLiteral("Nombre")).toString(), QStringLiteral("dos"));
    rs->MoveFirst();
    rs->MovePrevious();
    EXPECT_TRUE(rs->Bof());
    EXPECT_EQ(errorNumberOf([&] { rs->Fields()->Item(QStringLiteral("Nada")); }), ado::adErrItemNotFound);
    EXPECT_EQ(errorNumberOf([&] { rs->Fields()->Item(5); }), ado::adErrItemNotFound);

    auto empty = open(QStringLiteral("SELECT Nombre FROM TA_TIPOS WHERE Id = 99"));
    EXPECT_TRUE(empty->Eof());
    EXPECT_TRUE(empty->Bof());
    EXPECT_EQ(empty->Fields()->Item(0)->Name(), QStringLiteral("Nombre"));
}

TEST_F(RecordsetTest, GetRowsReadsFromTheCurrentRowOn)
{
    auto rs = open(QStringLiteral("SELECT Id, Nombre FROM TA_TIPOS ORDER BY Id"));
    rs->MoveNext();
    const auto rows = rs->GetRows();
    ASSERT_EQ(rows.size(), 2u);
    ASSERT_EQ(rows[1].size(), 2u);
    EXPECT_EQ(rows[1][0].toString(), QStringLiteral("dos"));
    EXPECT_EQ(rows[0][1].toLong(), 3);
    EXPECT_TRUE(rs->Eof());
    rs->MoveFirst();
    EXPECT_EQ(rs->GetRows(1)[1].size(), 1u);
    EXPECT_EQ(rs->Value(QStringLiteral("Id")).toLong(), 2);
}

TEST_F(RecordsetTest, AddNewUpdateAndDeleteWriteTheTable)
{
    auto rs = open(QStringLiteral("SELECT * FROM TA_TIPOS ORDER BY Id"));
    rs->AddNew();
    EXPECT_EQ(rs->EditMode(), ado::adEditAdd);
    rs->Field(QStringLiteral("Nombre"))->setValue(QStringLiteral("cuatro"));
    rs->Field(QStringLiteral("Importe"))->setValue(vb::Currency::fromRaw(15000));
    rs->Update();
    EXPECT_EQ(rs->EditMode(), ado::adEditNone);
    EXPECT_EQ(rs->Value(QStringLiteral("Id")).toLong(), 4);
    EXPECT_EQ(db.single(QStringLiteral("SELECT Id, Nombre, Importe FROM TA_TIPOS WHERE Nombre = 'cuatro'")), QStringLiteral("4|cuatro|1.5"));

    rs->MoveFirst();
    rs->Field(QStringLiteral("Nombre"))->setValue(QStringLiteral("UNO bis"));
    EXPECT_EQ(rs->EditMode(), ado::adEditInProgress);
    EXPECT_EQ(rs->Field(QStringLiteral("Nombre"))->OriginalValue().toString(), QStringLiteral("uno"));
    rs->MoveNext();   // leaving the row saves it, as ADO does
    EXPECT_EQ(db.single(QStringLiteral("SELECT Nombre FROM TA_TIPOS WHERE Id = 1")), QStringLiteral("UNO bis"));

    rs->Delete();
    EXPECT_EQ(errorNumberOf([&] { rs->Value(QStringLiteral("Nombre")); }), ado::adErrNoCurrentRecord);
    rs->MoveNext();
    EXPECT_EQ(rs->Value(QStringLiteral("Nombre")).toString(), QStringLiteral("tres"));
    EXPECT_EQ(rs->RecordCount(), 3);
    EXPECT_EQ(db.rows(QStringLiteral("SELECT Id FROM TA_TIPOS ORDER BY Id")), QStringList({"1", "3", "4"}));
}

TEST_F(RecordsetTest, CancelUpdateAndTheClosingRules)
{
    auto rs = open(QStringLiteral("SELECT Id, Nombre FROM TA_TIPOS WHERE Id = 1"));
    rs->Field(QStringLiteral("Nombre"))->setValue(QStringLiteral("cambiado"));
    EXPECT_EQ(errorNumberOf([&] { rs->Close(); }), ado::adErrIllegalOperation);
    rs->CancelUpdate();
    EXPECT_EQ(rs->Value(QStringLiteral("Nombre")).toString(), QStringLiteral("uno"));
    rs->Close();
    EXPECT_EQ(rs->State(), ado::adStateClosed);
    EXPECT_EQ(errorNumberOf([&] { rs->Eof(); }), ado::adErrObjectClosed);
    EXPECT_EQ(db.single(QStringLiteral("SELECT Nombre FROM TA_TIPOS WHERE Id = 1")), QStringLiteral("uno"));

    auto readOnly = open(QStringLiteral("SELECT Id, Nombre FROM TA_TIPOS"), ado::adLockReadOnly);
    EXPECT_EQ(errorNumberOf([&] { readOnly->Field(QStringLiteral("Nombre"))->setValue(QStringLiteral("x")); }), ado::adErrNotSupported);
    EXPECT_EQ(errorNumberOf([&] { readOnly->Open(QStringLiteral("SELECT 1"), db.connection()); }), ado::adErrObjectOpen);
    db.run(QStringLiteral("CREATE TABLE TA_OTRA (Id int PRIMARY KEY, Extra varchar(5))\nINSERT INTO TA_OTRA VALUES (1, 'e')"));
    auto joined = open(QStringLiteral("SELECT a.Id, a.Nombre, b.Extra FROM TA_TIPOS a JOIN TA_OTRA b ON a.Id = b.Id"));
    joined->Field(QStringLiteral("Nombre"))->setValue(QStringLiteral("x"));
    EXPECT_EQ(errorNumberOf([&] { joined->Update(); }), ado::adErrNotSupported);
}

TEST_F(RecordsetTest, RecordsetOutlivesItsConnectionsStatementAndFields)
{
    ado::FieldPtr field;
    {
        auto rs = open(QStringLiteral("SELECT Nombre FROM TA_TIPOS WHERE Id = 2"));
        field = rs->Field(QStringLiteral("Nombre"));
    }
    db.run(QStringLiteral("DELETE FROM TA_TIPOS"));
    EXPECT_EQ(field->Value().toString(), QStringLiteral("dos"));
}

} // namespace
