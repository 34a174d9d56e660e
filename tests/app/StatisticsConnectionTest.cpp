#include "AppTestBase.h"

#include "DemoGenerator.h"
#include "app/AppModule.h"
#include "app/StatisticsConnection.h"

#include <QFile>

namespace {

class StatisticsConnection : public AppTestBase {
protected:
    void SetUp() override { openDemo(); }
    void storeTimeOut(const QString& value)
    {
        executeStatistics("DELETE FROM TA_CONFIGURACION");
        executeStatistics(QStringLiteral("INSERT INTO TA_CONFIGURACION (Grupo, Clave, Valor) VALUES ('BaseDeDatos', 'TimeOut', '%1')")
                              .arg(value));
    }
    int timeOutRows() { return scalarStatistics("SELECT COUNT(*) FROM TA_CONFIGURACION").toLong(); }
    QString storedTimeOut() { return scalarStatistics("SELECT Valor FROM TA_CONFIGURACION WHERE Clave = 'TimeOut'").toString(); }
};

TEST_F(StatisticsConnection, OpensTheStatisticsDatabaseBesideTheSuiteAndReadsItsTimeOut)
{
    app::ConectarEstadisticas();
    EXPECT_TRUE(stats->gOpenFlag);
    EXPECT_EQ(stats->gServidor, serverFolder());
    EXPECT_EQ(stats->gDBName, "KQ_ESTADISTICAS");
    EXPECT_EQ(stats->gUsuario, "KQ_ESTADISTICAS");
    EXPECT_EQ(stats->gUserPassWord, "KQ_RESOLUCIONES");
    EXPECT_EQ(stats->gProveedor, "SQLOLEDB");
    EXPECT_EQ(stats->gCnn->DefaultDatabase().toUpper(), "KQ_ESTADISTICAS");
    EXPECT_EQ(app::state().startup.TimeOut, 60);
    EXPECT_EQ(handedStatistics.last(),
              "SELECT VALOR, valoraux FROM TA_CONFIGURACION with(nolock)  WHERE CLAVE = 'TimeOut'");
    EXPECT_EQ(storedTimeOut(), "60");
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_TRUE(db->gOpenFlag);
}

TEST_F(StatisticsConnection, TheTimeOutIsTheLeadingNumberRoundedHalfToEven)
{
    const std::pair<const char*, int> cases[] = {{"30", 30}, {"12.5", 12}, {"13.5", 14}, {"7abc", 7}, {" 20 ", 20}};
    for (const auto& [text, expected] : cases) {
        storeTimeOut(text);
        app::ConectarEstadisticas();
        EXPECT_EQ(app::state().startup.TimeOut, expected) << text;
        EXPECT_EQ(storedTimeOut(), text) << "nothing is written for " << text;
    }
}

TEST_F(StatisticsConnection, NoUsableTimeOutGivesFortyFive)
{
    // Zero and text without a number are written back as 0, as the suite expects; a negative
    // value or one past the Integer range is left as it is.
    const std::tuple<const char*, const char*> cases[] = {
        {"0", "0"}, {"abc", "0"}, {"-5", "-5"}, {"40000", "40000"}, {"", "0"}};
    for (const auto& [text, stored] : cases) {
        storeTimeOut(text);
        app::ConectarEstadisticas();
        EXPECT_EQ(app::state().startup.TimeOut, 45) << text;
        EXPECT_EQ(storedTimeOut(), stored) << text;
        EXPECT_EQ(timeOutRows(), 1) << text;
    }
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_FALSE(QFile::exists(moduleLogPath()));
}

TEST_F(StatisticsConnection, AMissingTimeOutIsWrittenOnceAsZeroInItsGroup)
{
    executeStatistics("DELETE FROM TA_CONFIGURACION");
    app::ConectarEstadisticas();
    EXPECT_EQ(app::state().startup.TimeOut, 45);
    EXPECT_EQ(handedStatistics.last(), "SELECT * FROM TA_CONFIGURACION with(nolock)  WHERE CLAVE = 'TimeOut'");
    EXPECT_EQ(storedTimeOut(), "0");
    EXPECT_EQ(scalarStatistics("SELECT Grupo FROM TA_CONFIGURACION").toString(), "BaseDeDatos");
    EXPECT_EQ(scalarStatistics("SELECT Clave FROM TA_CONFIGURACION").toString(), "TIMEOUT");
    app::ConectarEstadisticas();
    EXPECT_EQ(app::state().startup.TimeOut, 45);
    EXPECT_EQ(timeOutRows(), 1);
}

TEST_F(StatisticsConnection, WithoutAStatisticsDatabaseStartUpGoesOnQuietly)
{
    QFile::remove(demo::DemoGenerator::databasePath(serverFolder(), "KQ_ESTADISTICAS"));
    app::state().startup.TimeOut = 12;
    app::ConectarEstadisticas();
    EXPECT_EQ(app::state().startup.TimeOut, 45);
    EXPECT_FALSE(stats->gOpenFlag);
    EXPECT_TRUE(handedStatistics.isEmpty());
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_TRUE(db->gOpenFlag);
    EXPECT_EQ(db->gCnn->State(), 1);
}

TEST_F(StatisticsConnection, ASecondCallReopensOnTheCurrentServer)
{
    app::ConectarEstadisticas();
    ASSERT_TRUE(stats->gOpenFlag);

    QTemporaryDir otherServer;
    QFile::copy(demo::DemoGenerator::databasePath(serverFolder(), "KQ_ESTADISTICAS"),
                demo::DemoGenerator::databasePath(otherServer.path(), "KQ_ESTADISTICAS"));
    db->gServidor = otherServer.path();
    storeTimeOut("25");    // on the first server only
    app::ConectarEstadisticas();
    EXPECT_EQ(stats->gServidor, otherServer.path());
    EXPECT_TRUE(stats->gOpenFlag);
    EXPECT_EQ(app::state().startup.TimeOut, 60);
}

} // namespace
