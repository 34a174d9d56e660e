#include "AppTestBase.h"

#include "ado/Connection.h"
#include "app/AppModule.h"
#include "app/Checks.h"
#include "app/ServerDate.h"
#include "vb/Conversions.h"
#include "vb/DateTime.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cmath>

namespace {

class Checks : public AppTestBase {
protected:
    void SetUp() override { openDemo(); }
};

bool wholeSecond(const vb::Date& date)
{
    const double seconds = date.serial * 86400.0;
    return std::abs(seconds - std::round(seconds)) < 1e-3;
}

TEST_F(Checks, TheServerDateIsTheServersClockToTheSecond)
{
    const QDateTime before = QDateTime::currentDateTime().addSecs(-2);
    const vb::Date date = app::FechaServidor();
    const QDateTime after = QDateTime::currentDateTime().addSecs(2);
    EXPECT_EQ(handed, QStringList{"select  getDate() as fecha"});
    EXPECT_GE(date.toDateTime(), before);
    EXPECT_LE(date.toDateTime(), after);
    EXPECT_TRUE(wholeSecond(date));
}

TEST_F(Checks, AServerDateThatCannotBeReadIsTheLocalClockNeverTheZeroDate)
{
    const QString driver = QStringLiteral("/usr/lib/x86_64-linux-gnu/odbc/libsqlite3odbc.so");
    if (!QFileInfo::exists(driver))
        GTEST_SKIP() << "SQLite ODBC driver not installed";
    // A database without GETDATE: the query fails with a plain error.
    db->gCnn()->Close();
    db->configure([&](data::DbSettings& s) { s.gConnString = QStringLiteral("DRIVER=%1;Database=%2;").arg(driver, m_programDir.filePath("otro.db")); });
    db->gCnn()->Open(db->settings().gConnString);
    vb::ClockScope clock(QDateTime(QDate(2025, 2, 14), QTime(10, 20, 30, 450)));
    dialogs.pushMsgBoxAnswer(ui::vbAbort);
    const vb::Date date = app::FechaServidor();
    EXPECT_EQ(date.toDateTime(), QDateTime(QDate(2025, 2, 14), QTime(10, 20, 30)));
    EXPECT_TRUE(wholeSecond(date));
    EXPECT_EQ(boxes().size(), 1);    // the recordset's own report of the failure
}

TEST_F(Checks, AnAccountIsFoundByItsCode)
{
    QString account = "21100003";
    bool byOptional = false;
    ado::RecordsetPtr rs;
    EXPECT_TRUE(app::ExisteCuenta(account, rs, true, byOptional));
    EXPECT_EQ(account, "21100003");
    EXPECT_FALSE(byOptional);
    ASSERT_TRUE(rs);
    EXPECT_EQ(rs->Value("CodigoOpcional").toString(), "00003");
    EXPECT_EQ(rs->LockType(), 1);
    EXPECT_EQ(handed, QStringList{"SELECT * FROM MA_CUENTAS  with(nolock)  WHERE Codigo =  '21100003'"});
}

TEST_F(Checks, AnOptionalCodeTurnsIntoTheAccountsCode)
{
    QString account = "00003";
    bool byOptional = false;
    ado::RecordsetPtr rs = ado::Recordset::create();
    const ado::RecordsetPtr given = rs;
    EXPECT_TRUE(app::ExisteCuenta(account, rs, false, byOptional));
    EXPECT_EQ(account, "21100003");
    EXPECT_TRUE(byOptional);
    EXPECT_EQ(rs, given);
    EXPECT_EQ(rs->LockType(), 3);
    EXPECT_EQ(handed, (QStringList{"SELECT * FROM MA_CUENTAS  with(nolock)  WHERE Codigo =  '00003'",
                                   "SELECT * FROM MA_CUENTAS  with(nolock)  WHERE CodigoOpcional =  '00003'"}));
}

TEST_F(Checks, AskedByOptionalCodeTheCodeIsTheFallback)
{
    bool byOptional = true;
    ado::RecordsetPtr rs;
    QString account = "C0002";
    EXPECT_TRUE(app::ExisteCuenta(account, rs, true, byOptional));
    EXPECT_EQ(account, "11200002");
    account = "11200002";
    handed.clear();
    EXPECT_TRUE(app::ExisteCuenta(account, rs, true, byOptional));
    EXPECT_EQ(account, "11200002");
    EXPECT_TRUE(byOptional);
    EXPECT_EQ(handed.last(), "SELECT * FROM MA_CUENTAS  with(nolock)  WHERE Codigo =  '11200002'");
}

TEST_F(Checks, UnknownAccountsAndApostrophes)
{
    bool byOptional = false;
    ado::RecordsetPtr rs;
    QString account = "99999999";
    EXPECT_FALSE(app::ExisteCuenta(account, rs, true, byOptional));
    EXPECT_EQ(account, "99999999");
    EXPECT_FALSE(byOptional);
    EXPECT_TRUE(rs->Eof());
    account = "O'Brien";
    EXPECT_FALSE(app::ExisteCuenta(account, rs, true, byOptional));
    EXPECT_EQ(handed.last(), "SELECT * FROM MA_CUENTAS  with(nolock)  WHERE CodigoOpcional =  'O''Brien'");
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(Checks, AFileExistsWhenItCanBeReadAndAFolderIsNoFile)
{
    const QString file = m_programDir.filePath("Consultas.QZT");
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.close();
    EXPECT_TRUE(app::ExisteArchivo(file));
    EXPECT_TRUE(app::ExisteArchivo('"' + file + '"'));
    EXPECT_TRUE(app::ExisteArchivo(m_programDir.filePath("consultas.qzt")));
    EXPECT_TRUE(app::ExisteArchivo(QString(file).replace('/', '\\')));
    EXPECT_FALSE(app::ExisteArchivo(m_programDir.path()));
    EXPECT_FALSE(app::ExisteArchivo(m_programDir.filePath("falta.qzt")));
    EXPECT_FALSE(app::ExisteArchivo(""));
    EXPECT_FALSE(app::ExisteArchivo("\"\""));
}

} // namespace
