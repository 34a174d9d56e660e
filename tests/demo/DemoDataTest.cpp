#include "Cuit.h"
#include "DemoFixture.h"
#include "DemoGenerator.h"
#include "TableDigest.h"

#include "support/TestPaths.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

namespace {

std::map<QString, QByteArray> digestsOf(const QString &path)
{
    TableDigest db(path);
    std::map<QString, QByteArray> result;
    for (const QString &table : db.tables())
        result[table] = db.digest(table);
    return result;
}

class DemoData : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { s_fixture = new demo::DemoFixture(1500, 11); }
    static void TearDownTestSuite()
    {
        delete s_fixture;
        s_fixture = nullptr;
    }
    static QStringList values(const QString &sql) { return TableDigest(s_fixture->databasePath()).column(sql); }
    static int count(const QString &sql) { return values(sql).value(0).toInt(); }

    static demo::DemoFixture *s_fixture;
};

demo::DemoFixture *DemoData::s_fixture = nullptr;

} // namespace

TEST(DemoGeneration, SameSeedGivesTheSameRowsAndAnotherSeedDoesNot)
{
    // The second one is built apart: a fixture would only copy the first from the cache.
    const demo::DemoFixture first(400, 99);
    const QTemporaryDir again;
    demo::DemoGenerator::Options options;
    options.folder = again.path();
    options.seed = 99;
    options.size = 400;
    demo::DemoGenerator(options).run();
    const demo::DemoFixture other(400, 100);
    const auto a = digestsOf(first.databasePath());
    const auto b = digestsOf(demo::DemoGenerator::databasePath(again.path(), options.database));
    const auto c = digestsOf(other.databasePath());
    ASSERT_GT(a.size(), 50u);
    EXPECT_EQ(a, b);
    EXPECT_NE(a.at(QStringLiteral("C_MV_CPTE")), c.at(QStringLiteral("C_MV_CPTE")));
    EXPECT_NE(a.at(QStringLiteral("MA_CUENTAS")), c.at(QStringLiteral("MA_CUENTAS")));
}

TEST(DemoGeneration, RejectsAnEmptySizeAndReplacesAnOldFile)
{
    QTemporaryDir folder;
    demo::DemoGenerator::Options options;
    options.folder = folder.path();
    options.size = 0;
    EXPECT_THROW(demo::DemoGenerator{options}, std::invalid_argument);
    options.size = 50;
    demo::DemoGenerator(options).run();
    options.size = 80;
    demo::DemoGenerator(options).run();
    TableDigest db(demo::DemoGenerator::databasePath(folder.path(), options.database));
    EXPECT_EQ(db.column(QStringLiteral("SELECT COUNT(*) FROM C_MV_CPTE")).value(0), QStringLiteral("80"));
}

TEST(DemoGeneration, GeneratorTakesAFolderRelativeToWhereItRuns)
{
    // The run script names the folder relative to the source tree, not to the generator.
    QTemporaryDir base;
    QProcess generator;
    generator.setWorkingDirectory(base.path());
    generator.start(testpaths::demogen(), {QStringLiteral("datos"), QStringLiteral("DEMO"), QStringLiteral("4"), QStringLiteral("30")});
    ASSERT_TRUE(generator.waitForFinished(60000));
    EXPECT_EQ(generator.exitCode(), 0) << generator.readAllStandardError().toStdString();
    const QString path = demo::DemoGenerator::databasePath(QDir(base.path()).filePath(QStringLiteral("datos")), QStringLiteral("DEMO"));
    ASSERT_TRUE(QFileInfo::exists(path));
    EXPECT_EQ(TableDigest(path).column(QStringLiteral("SELECT COUNT(*) FROM C_MV_CPTE")).value(0), QStringLiteral("30"));
}

TEST(DemoGeneration, TheArticleCountCanBeGivenApartFromTheSize)
{
    // Without a count the articles are a tenth of the documents, at least 80; with one, exactly
    // that many besides the service articles. The generator takes it as a fifth argument.
    QTemporaryDir base;
    auto articles = [&](const QStringList& arguments) {
        QProcess generator;
        generator.setWorkingDirectory(base.path());
        generator.start(testpaths::demogen(), arguments);
        EXPECT_TRUE(generator.waitForFinished(60000));
        EXPECT_EQ(generator.exitCode(), 0) << generator.readAllStandardError().toStdString();
        TableDigest db(demo::DemoGenerator::databasePath(base.path(), QStringLiteral("DEMO")));
        return db.column(QStringLiteral("SELECT COUNT(*) FROM MA_ARTICULOS WHERE IdArticulo NOT LIKE '05-%'")).value(0).toInt();
    };
    const QString folder = base.path();
    EXPECT_EQ(articles({folder, QStringLiteral("DEMO"), QStringLiteral("4"), QStringLiteral("30")}), 80);
    EXPECT_EQ(articles({folder, QStringLiteral("DEMO"), QStringLiteral("4"), QStringLiteral("30"), QStringLiteral("1234")}), 1234);

    QProcess refused;
    refused.start(testpaths::demogen(), {folder, QStringLiteral("DEMO"), QStringLiteral("4"), QStringLiteral("30"), QStringLiteral("-3")});
    ASSERT_TRUE(refused.waitForFinished(60000));
    EXPECT_EQ(refused.exitCode(), 2);
    demo::DemoGenerator::Options options;
    options.folder = folder;
    options.articles = -1;
    EXPECT_THROW(demo::DemoGenerator{options}, std::invalid_argument);
}

TEST_F(DemoData, DocumentIdsArePointOfSaleNumberAndLetter)
{
    static const QRegularExpression shape(QStringLiteral("^\\d{4}\\d{8}[A-Z]$"));
    const QStringList ids = values(QStringLiteral("SELECT IdComprobante FROM C_MV_CPTE"));
    ASSERT_EQ(ids.size(), 1500);
    for (const QString &id : ids)
        ASSERT_TRUE(shape.match(id).hasMatch()) << id.toStdString();
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM C_MV_CPTE WHERE substr(IdComprobante,1,4) <> Sucursal "
                                   "OR substr(IdComprobante,13,1) <> Letra")), 0);
}

TEST_F(DemoData, BothKindsModelOrdersAndEveryStateArePresent)
{
    EXPECT_EQ(values(QStringLiteral("SELECT DISTINCT TC FROM C_MV_CPTE ORDER BY TC")),
              QStringList({QStringLiteral("OC"), QStringLiteral("RMC")}));
    EXPECT_GT(count(QStringLiteral("SELECT COUNT(*) FROM C_MV_CPTE WHERE TC = 'OC' AND Sucursal = '9990'")), 0);
    const QStringList orderStates = values(QStringLiteral("SELECT DISTINCT Estado FROM C_MV_CPTE WHERE TC = 'OC' ORDER BY Estado"));
    EXPECT_EQ(orderStates, QStringList({"Anulada", "Bloqueada", "Cerrada", "Finalizada", "Pendiente", "Recepcionada"}));
    EXPECT_GT(count(QStringLiteral("SELECT COUNT(*) FROM C_MV_CPTE WHERE Garantia = 1")), 0);
    // Flags agree with the state text, as the report formulas read the flags.
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM C_MV_CPTE WHERE Anulada <> (Estado = 'Anulada') "
                                   "OR FINALIZADO <> (Estado IN ('Finalizada','Facturado'))")), 0);
}

TEST_F(DemoData, NumberingHasGapsWithinASeries)
{
    const int gaps = count(QStringLiteral(
        "SELECT COUNT(*) FROM (SELECT TC, Sucursal, Letra, MAX(CAST(substr(IdComprobante,5,8) AS INTEGER)) AS top, COUNT(*) AS n "
        "FROM C_MV_CPTE GROUP BY TC, Sucursal, Letra) WHERE top > n"));
    EXPECT_GT(gaps, 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM (SELECT TC, IdComprobante FROM C_MV_CPTE GROUP BY TC, IdComprobante HAVING COUNT(*) > 1)")), 0);
}

TEST_F(DemoData, EveryDocumentHasLinesAndReferencesExistingMasters)
{
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM C_MV_CPTE c WHERE NOT EXISTS (SELECT 1 FROM C_MV_CPTEINSUMOS i "
                                   "WHERE i.TC = c.TC AND i.IdComprobante = c.IdComprobante)")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM C_MV_CPTE WHERE Cuenta NOT IN (SELECT Codigo FROM VT_PROVEEDORES)")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM C_MV_CPTEINSUMOS WHERE IdArticulo NOT IN (SELECT IdArticulo FROM MA_ARTICULOS)")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM C_MV_CPTE WHERE UNEGOCIO NOT IN (SELECT CODIGO FROM V_TA_UNIDADNEGOCIO)")), 0);
}

TEST_F(DemoData, StockReceiptsPointAtReceivedPurchaseOrders)
{
    EXPECT_GT(count(QStringLiteral("SELECT COUNT(*) FROM V_MV_STOCK WHERE TC = 'IR'")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM V_MV_STOCK s LEFT JOIN C_MV_CPTE c ON c.TC = s.TcOrigen "
                                   "AND c.IdComprobante = s.IdCpteOrigen WHERE c.TC IS NULL OR c.TC <> 'OC' "
                                   "OR c.Estado NOT IN ('Finalizada', 'Recepcionada')")), 0);
}

TEST_F(DemoData, SuppliersCarryValidCuitNumbers)
{
    const QStringList cuits = values(QStringLiteral("SELECT Cuit FROM MA_CUENTAS WHERE Tipo IN ('P', 'C')"));
    ASSERT_FALSE(cuits.isEmpty());
    for (const QString &cuit : cuits)
        EXPECT_TRUE(demo::Cuit::isValid(cuit.toStdString())) << cuit.toStdString();
    EXPECT_EQ(cuits.size(), QSet<QString>(cuits.begin(), cuits.end()).size());
}

TEST_F(DemoData, OneAdministratorAndRestrictedUsersOfTheSuite)
{
    EXPECT_EQ(values(QStringLiteral("SELECT Nombre FROM TA_USUARIOS WHERE Administrador = 1")), QStringList({"ADMIN"}));
    EXPECT_GT(count(QStringLiteral("SELECT COUNT(*) FROM TA_USUARIOS WHERE Administrador = 0 AND Sistema IN ('vu000va', 'BRIX')")), 0);
}

TEST_F(DemoData, ReportTableNamesEveryLayout)
{
    for (const char *name : {"mv_prC", "MV_PR2C", "mv_pr3C", "mv_prC_Usuario", "mv_pr3C_Usuario", "mv_pr3C_Estado_Usuario",
                              "MV_PR2C_xArt", "mv_prC_IR", "mv_prConsC", "mv_prConsCP", "mv_prConsCPF"})
        EXPECT_EQ(values(QStringLiteral("SELECT Archivo FROM TA_REPORTES WHERE NOMBRE = '%1'").arg(QLatin1String(name))).size(), 1) << name;
}

TEST_F(DemoData, ConfigurationMatchesWithoutCaseOrTrailingBlanks)
{
    // The server's collation: the program reads "usaconsultalike" and writes "CFondo  ".
    EXPECT_EQ(values(QStringLiteral("SELECT Valor FROM TA_CONFIGURACION WHERE Clave = 'usaconsultalike  '")), QStringList({"SI"}));
    EXPECT_EQ(values(QStringLiteral("SELECT Valor FROM TA_CONFIGURACION WHERE Clave = 'TopConsArt'")), QStringList({"500"}));
    TableDigest statistics(s_fixture->statisticsPath());
    EXPECT_EQ(statistics.column(QStringLiteral("SELECT Valor FROM TA_CONFIGURACION WHERE Clave = 'timeout'")), QStringList({"60"}));
}

TEST_F(DemoData, RestrictedViewsHideConfidentialRows)
{
    EXPECT_GT(count(QStringLiteral("SELECT COUNT(*) FROM MA_CUENTAS")), count(QStringLiteral("SELECT COUNT(*) FROM SS_MA_CUENTAS")));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM SS_V_TA_DEPOSITO WHERE IdDeposito = '   9'")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM SS_MV_ASIENTOS WHERE Cuenta = '52100001'")), 0);
}
