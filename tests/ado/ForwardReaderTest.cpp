#include "EmbeddedDatabase.h"

#include <ado/TestHooks.h>
#include <vb/Error.h>

#include <ado/SqliteSupport.h>

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

const char* const sqliteOdbcDriver = "/usr/lib/x86_64-linux-gnu/odbc/libsqlite3odbc.so";

QString tableDefinition()
{
    return QStringLiteral("CREATE TABLE MV_ITEMS (Id int NOT NULL PRIMARY KEY, Nombre varchar(20), Sigla char(6),"
                          " Precio money, Activo bit, Alta datetime, Tasa decimal(12,3), Chico smallint, Peso float)");
}

QStringList tableRows()
{
    return {QStringLiteral("INSERT INTO MV_ITEMS VALUES (1, 'Tornillo', 'TR', 1234.5678, 1, '2024-01-15 10:20:30', 21.125, 3, 0.5)"),
            QStringLiteral("INSERT INTO MV_ITEMS VALUES (2, 'O''Brien', 'OB1234', 0.0001, 0, '1999-12-31 23:59:59', -0.001, -7, 1e10)"),
            QStringLiteral("INSERT INTO MV_ITEMS (Id, Nombre) VALUES (3, 'Ñandú')")};
}

// Values whose storage does not match the declared type: the engine converts what it is
// given as the server would, so such rows go straight into the file.
void writeRaw(const QString& file, const char* sql)
{
    sqlite3* raw = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(file).constData(), &raw), SQLITE_OK);
    ado::prepareSqliteConnection(raw);
    EXPECT_EQ(sqlite3_exec(raw, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(raw);
    sqlite3_close(raw);
}

struct Raised {
    int number = 0;
    std::vector<ado::Error> records;
    bool lost = false;
};

Raised raisedBy(const ado::ConnectionPtr& cn, const std::function<void()>& step)
{
    Raised r;
    try {
        step();
    } catch (const vb::Error& e) {
        r.number = e.number();
        r.records.assign(cn->Errors()->begin(), cn->Errors()->end());
        r.lost = ado::isConnectionLost(e);
    }
    return r;
}

// Exact comparison: same variant type and same rendering (money and decimals render every digit).
QString typed(const vb::Variant& v)
{
    return QString::number(int(v.type())) + u':' + EmbeddedDatabase::renderValue(v);
}

// Every row through the reader, each value typed.
QStringList readerRows(ado::ForwardReader& reader)
{
    QStringList out;
    while (reader.next()) {
        QStringList values;
        for (int c = 0; c < reader.columnCount(); ++c)
            values << typed(reader.value(c));
        out << values.join(u'|');
    }
    return out;
}

QStringList recordsetRows(const ado::RecordsetPtr& rs)
{
    QStringList out;
    for (; rs->State() == ado::adStateOpen && !rs->Eof(); rs->MoveNext()) {
        QStringList values;
        for (int c = 0; c < rs->Fields()->Count(); ++c)
            values << typed(rs->Fields()->Item(c)->Value());
        out << values.join(u'|');
    }
    return out;
}

QString columnText(const QString& name, int type, qint64 size, int precision, int scale)
{
    return QStringLiteral("%1 %2(%3,%4,%5)").arg(name).arg(type).arg(size).arg(precision).arg(scale);
}

// The reader and a Recordset of the same query agree on columns, types and every value.
// Returns the reader's rows so that tests can pin the values themselves too.
QStringList expectSameAsRecordset(const ado::ConnectionPtr& cn, const QString& sql)
{
    auto rs = ado::Recordset::create();
    rs->Open(sql, cn, ado::adOpenForwardOnly, ado::adLockReadOnly, ado::adCmdText);
    auto reader = cn->openReader(sql);
    const QStringList rows = readerRows(*reader);
    EXPECT_EQ(rows, recordsetRows(rs)) << sql.toStdString();
    QStringList fromReader, fromRecordset;
    for (const ado::ColumnInfo& c : reader->columns())
        fromReader << columnText(c.name, c.type, c.definedSize, c.precision, c.numericScale);
    for (int c = 0; rs->State() == ado::adStateOpen && c < rs->Fields()->Count(); ++c) {
        const ado::FieldPtr f = rs->Fields()->Item(c);
        fromRecordset << columnText(f->Name(), f->Type(), f->DefinedSize(), f->Precision(), f->NumericScale());
    }
    EXPECT_EQ(fromReader, fromRecordset) << sql.toStdString();
    return rows;
}

class ForwardReaderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        db.run(tableDefinition());
        for (const QString& insert : tableRows())
            db.run(insert);
    }

    EmbeddedDatabase db;
};

TEST_F(ForwardReaderTest, GivesTheRecordsetsColumnsTypesAndValues)
{
    const QStringList rows = expectSameAsRecordset(db.connection(), QStringLiteral("SELECT * FROM MV_ITEMS ORDER BY Id"));
    ASSERT_EQ(rows.size(), 3);
    const QStringList first = rows[0].split(u'|');
    EXPECT_EQ(first[2], QStringLiteral("8:TR    "));           // char(6) padded
    EXPECT_EQ(first[3], QStringLiteral("6:1234.5678"));        // money exact, as Currency
    EXPECT_EQ(first[4], QStringLiteral("11:True"));
    EXPECT_EQ(first[5], QStringLiteral("7:2024-01-15 10:20:30"));
    EXPECT_EQ(first[6], QStringLiteral("14:21.125"));
    EXPECT_EQ(rows[1].split(u'|')[3], QStringLiteral("6:0.0001"));
    EXPECT_EQ(rows[2], QStringLiteral("3:3|8:Ñandú|1:NULL|1:NULL|1:NULL|1:NULL|1:NULL|1:NULL|1:NULL"));
}

// Each kind of column, and values whose storage does not match the declared type (the
// engine keeps what it is given), read alike through both paths.
TEST_F(ForwardReaderTest, EveryKindAndMismatchedStorageGiveTheRecordsetsValues)
{
    db.run(QStringLiteral("CREATE TABLE MV_TIPOS (Id int NOT NULL PRIMARY KEY, Diminuto tinyint, Grande bigint, Simple real,"
                          " Texto varchar(5), Fijo char(4), Monto money, Cuando datetime, Tasa decimal(10,2), Marca bit)"));
    db.run(QStringLiteral("INSERT INTO MV_TIPOS VALUES (1, 200, 9000000000, 1.5, 'ab', 'xy', 12.34, '2024-02-29', 1.25, 1)"));
    writeRaw(db.file(), "INSERT INTO MV_TIPOS VALUES (2, 'abc', 'no', 'x', 12345, 'abcd', 'caro', 'no es fecha', 'nada', 'si')");
    writeRaw(db.file(), "INSERT INTO MV_TIPOS VALUES (3, 2.5, 1.0e19, NULL, NULL, NULL, 123456789012.5, '2024-13-01', NULL, 0)");
    const QStringList rows = expectSameAsRecordset(db.connection(), QStringLiteral("SELECT * FROM MV_TIPOS ORDER BY Id"));
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0], QStringLiteral("3:1|17:200|14:9000000000|4:1.5|8:ab|8:xy  |6:12.34|7:2024-02-29 00:00:00|14:1.25|11:True"));
    const QStringList odd = rows[1].split(u'|');
    EXPECT_EQ(odd[1], QStringLiteral("8:abc"));
    EXPECT_EQ(odd[2], QStringLiteral("8:no"));
    EXPECT_EQ(odd[6], QStringLiteral("8:caro"));
    EXPECT_EQ(odd[7], QStringLiteral("8:no es fecha"));
    const QStringList large = rows[2].split(u'|');
    EXPECT_EQ(large[1], QStringLiteral("5:2.5"));
    EXPECT_EQ(large[6], QStringLiteral("6:123456789012.5"));
    EXPECT_EQ(large[7], QStringLiteral("8:2024-13-01"));
}

TEST_F(ForwardReaderTest, TranslatesTheDialectAndTypesComputedColumnsAsTheRecordsetDoes)
{
    const ado::ConnectionPtr cn = db.connection();
    EXPECT_EQ(expectSameAsRecordset(cn, QStringLiteral("SELECT TOP 2 Id, Nombre + ' (' + Sigla + ')' AS Texto FROM dbo.MV_ITEMS with(nolock)"
                                                       " WHERE Nombre LIKE N'%o%' ORDER BY Id")).size(), 2);
    // The first value is NULL, so the computed column's type comes from a later row.
    expectSameAsRecordset(cn, QStringLiteral("SELECT CASE WHEN Id = 1 THEN NULL ELSE Alta END AS Cuando,"
                                             " CASE WHEN Id = 2 THEN 'largo de veinte' ELSE 'x' END AS Corto FROM MV_ITEMS ORDER BY Id"));
    expectSameAsRecordset(cn, QStringLiteral("SELECT COUNT(*) AS Cuantos, SUM(Precio) AS Total, MAX(Alta) AS Ultima FROM MV_ITEMS"));
    expectSameAsRecordset(cn, QStringLiteral("SELECT * FROM MV_ITEMS WHERE Id > 10"));
}

TEST_F(ForwardReaderTest, BatchesAndProceduresGiveTheirFirstRowSet)
{
    const ado::ConnectionPtr cn = db.connection();
    db.run(QStringLiteral("CREATE TABLE rpq_procedures (name varchar(50) PRIMARY KEY, body text)"));
    db.run(QStringLiteral("INSERT INTO rpq_procedures VALUES ('sp_items', 'SELECT Id, Sigla FROM MV_ITEMS WHERE Id <= @hasta ORDER BY Id')"));
    EXPECT_EQ(expectSameAsRecordset(cn, QStringLiteral("EXEC sp_items 2")), QStringList({"3:1|8:TR    ", "3:2|8:OB1234"}));
    auto reader = cn->openReader(QStringLiteral("UPDATE MV_ITEMS SET Chico = 9 WHERE Id = 3\nSELECT Chico FROM MV_ITEMS WHERE Id = 3"));
    EXPECT_EQ(readerRows(*reader), QStringList({"2:9"}));
    auto none = cn->openReader(QStringLiteral("UPDATE MV_ITEMS SET Chico = 1 WHERE Id = 3"));
    EXPECT_EQ(none->columnCount(), 0);
    EXPECT_FALSE(none->next());
    EXPECT_EQ(db.single(QStringLiteral("SELECT Chico FROM MV_ITEMS WHERE Id = 3")), QStringLiteral("1"));
}

TEST_F(ForwardReaderTest, RaisesTheRecordsetsErrors)
{
    const ado::ConnectionPtr cn = db.connection();
    for (const QString& sql : {QStringLiteral("SELECT * FROM TA_NADA"), QStringLiteral("SELECT Falta FROM MV_ITEMS"),
                               QStringLiteral("SELECT FROM WHERE")}) {
        const Raised byRecordset = raisedBy(cn, [&] { ado::Recordset::create()->Open(sql, cn); });
        const Raised byReader = raisedBy(cn, [&] { cn->openReader(sql); });
        ASSERT_NE(byReader.number, 0) << sql.toStdString();
        EXPECT_EQ(byReader.number, byRecordset.number);
        ASSERT_EQ(byReader.records.size(), byRecordset.records.size());
        for (size_t k = 0; k < byReader.records.size(); ++k) {
            EXPECT_EQ(byReader.records[k].Description(), byRecordset.records[k].Description());
            EXPECT_EQ(byReader.records[k].SQLState(), byRecordset.records[k].SQLState());
            EXPECT_EQ(byReader.records[k].NativeError(), byRecordset.records[k].NativeError());
        }
    }
    EXPECT_EQ(raisedBy(cn, [&] { cn->openReader(QStringLiteral("SELECT * FROM TA_NADA")); }).records.front().NativeError(), 208);
    auto closed = ado::Connection::create();
    EXPECT_EQ(raisedBy(closed, [&] { closed->openReader(QStringLiteral("SELECT 1")); }).number,
              raisedBy(closed, [&] { ado::Recordset::create()->Open(QStringLiteral("SELECT 1"), closed); }).number);
}

TEST_F(ForwardReaderTest, ValueOutsideARowOrTheColumnsRaises)
{
    auto reader = db.connection()->openReader(QStringLiteral("SELECT Id FROM MV_ITEMS WHERE Id = 1"));
    EXPECT_EQ(errorNumberOf([&] { reader->value(0); }), ado::adErrNoCurrentRecord);
    ASSERT_TRUE(reader->next());
    EXPECT_EQ(errorNumberOf([&] { reader->value(1); }), ado::adErrItemNotFound);
    EXPECT_FALSE(reader->next());
    EXPECT_EQ(errorNumberOf([&] { reader->value(0); }), ado::adErrNoCurrentRecord);
    EXPECT_FALSE(reader->next());
}

TEST_F(ForwardReaderTest, LostConnectionHookFailsTheOpenAndAFetch)
{
    const ado::ConnectionPtr cn = db.connection();
    ado::TestHooks::failNextOperations(1);
    const Raised atOpen = raisedBy(cn, [&] { cn->openReader(QStringLiteral("SELECT Id FROM MV_ITEMS")); });
    EXPECT_TRUE(atOpen.lost);
    EXPECT_TRUE(ado::isConnectionLost(*cn->Errors()));

    auto reader = cn->openReader(QStringLiteral("SELECT Id FROM MV_ITEMS ORDER BY Id"));
    ASSERT_TRUE(reader->next());
    ado::TestHooks::failNextOperations(1);
    EXPECT_TRUE(raisedBy(cn, [&] { reader->next(); }).lost);
    EXPECT_EQ(raisedBy(cn, [&] { reader->next(); }).number, 0);
}

// A live statement keeps its table locked against DROP; a released one does not.
TEST_F(ForwardReaderTest, StatementIsReleasedAtTheEndAndOnEarlyDestruction)
{
    const ado::ConnectionPtr cn = db.connection();
    db.run(QStringLiteral("CREATE TABLE MV_COPIA (Id int)"));
    db.run(QStringLiteral("INSERT INTO MV_COPIA SELECT Id FROM MV_ITEMS"));
    auto reader = cn->openReader(QStringLiteral("SELECT Id FROM MV_COPIA"));
    ASSERT_TRUE(reader->next());
    EXPECT_NE(errorNumberOf([&] { db.run(QStringLiteral("DROP TABLE MV_COPIA")); }), 0);
    reader.reset();
    EXPECT_EQ(errorNumberOf([&] { db.run(QStringLiteral("DROP TABLE MV_COPIA")); }), 0);

    auto toTheEnd = cn->openReader(QStringLiteral("SELECT Id FROM MV_ITEMS"));
    EXPECT_EQ(readerRows(*toTheEnd).size(), 3);
    EXPECT_EQ(errorNumberOf([&] { db.run(QStringLiteral("DROP TABLE MV_ITEMS")); }), 0);
}

TEST_F(ForwardReaderTest, ReadersNestAndWritesGoOnBetweenFetches)
{
    const ado::ConnectionPtr cn = db.connection();
    auto outer = cn->openReader(QStringLiteral("SELECT Id FROM MV_ITEMS ORDER BY Id"));
    QStringList seen;
    while (outer->next()) {
        const qint64 id = outer->value(0).toLong();
        db.run(QStringLiteral("UPDATE MV_ITEMS SET Chico = %1 WHERE Id = %2").arg(id * 10).arg(id));
        auto inner = cn->openReader(QStringLiteral("SELECT Chico FROM MV_ITEMS WHERE Id = %1").arg(id));
        ASSERT_TRUE(inner->next());
        seen << QString::number(id) + u'=' + EmbeddedDatabase::renderValue(inner->value(0));
    }
    EXPECT_EQ(seen, QStringList({"1=10", "2=20", "3=30"}));
}

TEST_F(ForwardReaderTest, ClosedConnectionUnderALiveReaderFailsCleanly)
{
    auto cn = ado::Connection::create();
    cn->Open(db.connectionString());
    auto reader = cn->openReader(QStringLiteral("SELECT Id FROM MV_ITEMS ORDER BY Id"));
    ASSERT_TRUE(reader->next());
    cn->Close();
    EXPECT_EQ(errorNumberOf([&] { reader->next(); }), ado::adErrObjectClosed);
    EXPECT_EQ(errorNumberOf([&] { reader->value(0); }), ado::adErrNoCurrentRecord);
    cn->Open(db.connectionString());
    EXPECT_EQ(errorNumberOf([&] { reader->next(); }), ado::adErrObjectClosed);

    auto orphan = cn->openReader(QStringLiteral("SELECT Id FROM MV_ITEMS"));
    cn.reset();   // the connection dies first: its statement goes with it
    EXPECT_EQ(errorNumberOf([&] { orphan->next(); }), ado::adErrObjectClosed);
}

// The same through the SQLite ODBC driver.
class ForwardReaderOdbcTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!QFileInfo::exists(QString::fromLatin1(sqliteOdbcDriver)))
            GTEST_SKIP() << "SQLite ODBC driver not installed";
        cn = open();
        cn->Execute(tableDefinition());
        for (const QString& insert : tableRows())
            cn->Execute(insert);
    }

    ado::ConnectionPtr open() const
    {
        auto connection = ado::Connection::create();
        connection->Open(QStringLiteral("DRIVER=%1;Database=%2;").arg(QLatin1String(sqliteOdbcDriver), dir.filePath(QStringLiteral("odbc.db"))));
        return connection;
    }

    QTemporaryDir dir;
    ado::ConnectionPtr cn;
};

TEST_F(ForwardReaderOdbcTest, GivesTheRecordsetsColumnsTypesAndValues)
{
    const QStringList rows = expectSameAsRecordset(cn, QStringLiteral("SELECT * FROM MV_ITEMS ORDER BY Id"));
    ASSERT_EQ(rows.size(), 3);
    const QStringList first = rows[0].split(u'|');
    EXPECT_EQ(first[2], QStringLiteral("8:TR    "));
    EXPECT_EQ(first[3], QStringLiteral("6:1234.5678"));
    EXPECT_EQ(first[4], QStringLiteral("11:True"));
    EXPECT_EQ(first[5], QStringLiteral("7:2024-01-15 10:20:30"));
    EXPECT_TRUE(rows[2].endsWith(QStringLiteral("|1:NULL")));
    expectSameAsRecordset(cn, QStringLiteral("SELECT Id, Nombre FROM MV_ITEMS WHERE Id > 10"));
}

TEST_F(ForwardReaderOdbcTest, RaisesTheRecordsetsErrors)
{
    const QString sql = QStringLiteral("SELECT * FROM TA_NADA");
    const Raised byRecordset = raisedBy(cn, [&] { ado::Recordset::create()->Open(sql, cn); });
    const Raised byReader = raisedBy(cn, [&] { cn->openReader(sql); });
    ASSERT_NE(byReader.number, 0);
    EXPECT_EQ(byReader.number, byRecordset.number);
    ASSERT_EQ(byReader.records.size(), byRecordset.records.size());
    EXPECT_EQ(byReader.records.front().Description(), byRecordset.records.front().Description());
    EXPECT_EQ(byReader.records.front().SQLState(), byRecordset.records.front().SQLState());
}

// A second statement on the connection takes the first reader's pending rows into memory
// (servers without multiple result sets need it); both still read every row in order.
TEST_F(ForwardReaderOdbcTest, InterleavedStatementsKeepEveryReadersRows)
{
    auto outer = cn->openReader(QStringLiteral("SELECT Id FROM MV_ITEMS ORDER BY Id"));
    QStringList seen;
    while (outer->next()) {
        const qint64 id = outer->value(0).toLong();
        cn->Execute(QStringLiteral("UPDATE MV_ITEMS SET Chico = %1 WHERE Id = %2").arg(id * 10).arg(id));
        auto inner = cn->openReader(QStringLiteral("SELECT Chico, Sigla FROM MV_ITEMS WHERE Id = %1").arg(id));
        ASSERT_TRUE(inner->next());
        seen << QString::number(id) + u'=' + EmbeddedDatabase::renderValue(inner->value(0));
    }
    EXPECT_EQ(seen, QStringList({"1=10", "2=20", "3=30"}));
}

TEST_F(ForwardReaderOdbcTest, EarlyDestructionAndClosedConnectionAreSafe)
{
    auto early = cn->openReader(QStringLiteral("SELECT Id FROM MV_ITEMS"));
    ASSERT_TRUE(early->next());
    early.reset();
    EXPECT_EQ(errorNumberOf([&] { cn->Execute(QStringLiteral("DROP TABLE MV_ITEMS")); }), 0);

    auto other = open();
    other->Execute(QStringLiteral("CREATE TABLE MV_OTRA (Id int)"));
    other->Execute(QStringLiteral("INSERT INTO MV_OTRA VALUES (1)"));
    other->Execute(QStringLiteral("INSERT INTO MV_OTRA VALUES (2)"));
    auto reader = other->openReader(QStringLiteral("SELECT Id FROM MV_OTRA"));
    ASSERT_TRUE(reader->next());
    other->Close();
    EXPECT_EQ(errorNumberOf([&] { reader->next(); }), ado::adErrObjectClosed);
    auto orphan = cn->openReader(QStringLiteral("SELECT 1"));
    cn.reset();
    EXPECT_EQ(errorNumberOf([&] { orphan->next(); }), ado::adErrObjectClosed);
}

} // namespace
