#include "data/BasesFile.h"
#include "data/LBM_Common.h"
#include "data/RunState.h"
#include "kit/Utilidades.h"
#include "vb/App.h"
#include "vb/Error.h"

#include "FileBytes.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ConnectionsFile : public ::testing::Test {
protected:
    ConnectionsFile() : m_savedPath(vb::App::path())
    {
        vb::App::setPath(m_dir.path());
        data::resetRunState();
    }
    ~ConnectionsFile() override
    {
        vb::App::setPath(m_savedPath);
        data::resetRunState();
    }

    QString path() const { return m_dir.path() + QStringLiteral("/BASES.TXT"); }
    void put(const QByteArray& bytes) const { ASSERT_TRUE(writeFileBytes(path(), bytes)); }
    QByteArray bytes() const { return readFileBytes(path()); }
    void registerSales(bool oracle = false, const QString& instance = {})
    {
        data::LBM_Common::RegistraBaseEnArchivo(QStringLiteral("VENTAS / SRV1"), QStringLiteral("Ventas"),
                                                QStringLiteral("Ventas"), QStringLiteral("Ventas"),
                                                QStringLiteral("srv1"), instance, oracle);
    }
    QByteArray salesLine() const { return "VENTAS / SRV1,Ventas,Ventas," + coded("Ventas") + ",srv1\r\n"; }
    static QByteArray coded(const QString& plain) { return kit::Utilidades().Codificar(plain).toLatin1(); }

    QString m_savedPath;
    QTemporaryDir m_dir;
};

TEST_F(ConnectionsFile, NewFileStartsWithTheRecordAndEveryRecordEndsInCrLf)
{
    registerSales();
    EXPECT_EQ(bytes(), salesLine());
    registerSales();
    EXPECT_EQ(bytes(), salesLine() + salesLine());
}

TEST_F(ConnectionsFile, EmptyFileGetsNoLeadingBreak)
{
    put("");
    registerSales();
    EXPECT_EQ(bytes(), salesLine());
}

TEST_F(ConnectionsFile, OpenLastLineGetsALoneCarriageReturnFirst)
{
    put("A / B,a,a,x,b");
    registerSales();
    EXPECT_EQ(bytes(), "A / B,a,a,x,b\r" + salesLine());
    const auto records = data::BasesFile::read(path());
    ASSERT_EQ(records.size(), 2);
    EXPECT_EQ(records[0].servidor, "b");
    EXPECT_EQ(records[1].nombre, "VENTAS / SRV1");
}

TEST_F(ConnectionsFile, BlankLastLineIsContinuedWithoutABreak)
{
    put("A / B,a,a,x,b\r\n   ");
    registerSales();
    EXPECT_EQ(bytes(), "A / B,a,a,x,b\r\n   " + salesLine());
    EXPECT_EQ(data::BasesFile::read(path()).size(), 2);
}

TEST_F(ConnectionsFile, LineFeedEndedFileFromAnotherWriterGetsNoEmptyField)
{
    put("A / B,a,a,x,b\n");
    registerSales();
    EXPECT_EQ(bytes(), "A / B,a,a,x,b\n" + salesLine());
    const auto records = data::BasesFile::read(path());
    ASSERT_EQ(records.size(), 2);
    EXPECT_EQ(records[1].nombre, "VENTAS / SRV1");
    EXPECT_EQ(records[1].servidor, "srv1");
}

TEST_F(ConnectionsFile, OracleMarkInstanceSuffixAndTrimming)
{
    bool oracle = true;
    data::LBM_Common::RegistraBaseEnArchivo(QStringLiteral("  ORA / H  "), QStringLiteral(" Ora Base "),
                                            QStringLiteral(" u "), QStringLiteral("p"), QStringLiteral(" h "),
                                            QStringLiteral("INST"), oracle);
    EXPECT_EQ(bytes(), "ORA / H,Ora Base,u," + coded("p") + ",# h/INST:\r\n");
    EXPECT_TRUE(oracle);   // the caller's flag is only read
}

TEST_F(ConnectionsFile, PasswordIsStoredEncodedAndReadsBack)
{
    bool oracle = false;
    const QString password = QStringLiteral("clave, con ñ");
    data::LBM_Common::RegistraBaseEnArchivo(QStringLiteral("X / Y"), QStringLiteral("x"), QStringLiteral("x"), password,
                                            QStringLiteral("y"), {}, oracle);
    EXPECT_FALSE(bytes().contains("clave"));
    const auto records = data::BasesFile::read(path());
    ASSERT_EQ(records.size(), 1);
    EXPECT_EQ(kit::Utilidades().Decodificar(records[0].clave), password);
}

TEST_F(ConnectionsFile, FieldsTheFileCannotHoldAreRefusedAndNothingIsWritten)
{
    put("A / B,a,a,x,b\r\n");
    bool oracle = false;
    const auto attempt = [&](const QString& base, const QString& server) {
        try {
            data::LBM_Common::RegistraBaseEnArchivo(QStringLiteral("N"), base, base, QStringLiteral("p"), server, {},
                                                    oracle);
        } catch (const vb::Error& e) {
            return e.number();
        }
        return 0;
    };
    EXPECT_EQ(attempt(QStringLiteral("a,b"), QStringLiteral("s")), 5);
    EXPECT_EQ(attempt(QStringLiteral("a"), QStringLiteral("s\r\nt")), 5);
    EXPECT_EQ(attempt(QStringLiteral("\"a"), QStringLiteral("s")), 5);
    EXPECT_EQ(bytes(), "A / B,a,a,x,b\r\n");
    EXPECT_EQ(attempt(QStringLiteral("a\"b"), QStringLiteral("s")), 0);   // a quote inside is harmless
}

TEST_F(ConnectionsFile, TextIsWindows1252)
{
    bool oracle = false;
    data::LBM_Common::RegistraBaseEnArchivo(QStringLiteral("AÑO / S"), QStringLiteral("Año"), QStringLiteral("Año"),
                                            QStringLiteral("k"), QStringLiteral("s"), {}, oracle);
    EXPECT_TRUE(bytes().startsWith("A\xD1O / S,A\xF1o,"));
    EXPECT_EQ(data::BasesFile::read(path()).value(0).base, QStringLiteral("Año"));
}

TEST_F(ConnectionsFile, FileNameIsFoundWithoutRegardToLetterCase)
{
    QFile f(m_dir.path() + QStringLiteral("/bases.txt"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("A / B,a,a,x,b\r\n");
    f.close();
    registerSales();
    EXPECT_FALSE(QFile::exists(path()));
    EXPECT_EQ(data::BasesFile::read(data::BasesFile::defaultPath()).size(), 2);
}

TEST_F(ConnectionsFile, UnwritableFileRaisesToTheCaller)
{
    data::LBM_Common::RutaArchivoBases = m_dir.path() + QStringLiteral("/missing-folder/BASES.TXT");
    try {
        registerSales();
        FAIL() << "no error raised";
    } catch (const vb::Error& e) {
        EXPECT_EQ(e.number(), 75);
    }
}

TEST(ConnectionsReader, FieldsFormRecordsWhateverLinesTheyLieOn)
{
    const auto records = data::BasesFile::parse(QStringLiteral("A / B,a\r\nu\rp\nb\r\n  C / D , c,u,p,d"));
    ASSERT_EQ(records.size(), 2);
    EXPECT_EQ(records[0].base, "a");
    EXPECT_EQ(records[0].usuario, "u");
    EXPECT_EQ(records[0].clave, "p");
    EXPECT_EQ(records[0].servidor, "b");
    EXPECT_EQ(records[1].nombre, "C / D ");   // leading blanks skipped, trailing ones kept
    EXPECT_EQ(records[1].base, "c");
}

TEST(ConnectionsReader, ACommaInsideAFieldShiftsTheRestAndAShortTailEndsCleanly)
{
    const auto records = data::BasesFile::parse(QStringLiteral("A / B,a,b,u,p,s\r\nC / D,c,u,p,d\r\n"));
    ASSERT_EQ(records.size(), 3);
    EXPECT_EQ(records[1].nombre, "s");
    EXPECT_EQ(records[1].base, "C / D");
    EXPECT_EQ(records[2].nombre, "d");
    EXPECT_TRUE(records[2].base.isEmpty());
    EXPECT_TRUE(records[2].servidor.isEmpty());
}

TEST(ConnectionsReader, LookupTrimsBothSidesAndKeepsLetterCase)
{
    const auto records = data::BasesFile::parse(QStringLiteral("ventas / s,v,v,p,s\r\nVENTAS / S ,V,V,P,S1\r\n"
                                                               "VENTAS / S,X,X,P,S2\r\n"));
    const auto found = data::BasesFile::find(records, QStringLiteral(" VENTAS / S"));
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->servidor, "S1");
    EXPECT_FALSE(data::BasesFile::find(records, QStringLiteral("Ventas / S")).has_value());
}

TEST(ConnectionsReader, MissingFileAndFolderAreNotAFile)
{
    QTemporaryDir dir;
    EXPECT_FALSE(data::BasesFile::exists(dir.path() + QStringLiteral("/BASES.TXT")));
    EXPECT_FALSE(data::BasesFile::exists(dir.path()));
    EXPECT_THROW(data::BasesFile::read(dir.path() + QStringLiteral("/BASES.TXT")), vb::Error);
}

} // namespace
