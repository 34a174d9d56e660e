#include "AppTestBase.h"

#include "ado/AdoRaise.h"
#include "ado/Connection.h"
#include "ado/Errors.h"
#include "app/AppModule.h"
#include "app/SharedObjects.h"
#include "app/StatisticsConnection.h"
#include "kit/DLL_Print.h"
#include "data/SessionValues.h"
#include "vb/Error.h"

#include <QDir>

namespace {

using SharedObjects = AppTestBase;

TEST_F(SharedObjects, EachIsCreatedOnceAndKeptForTheRun)
{
    EXPECT_EQ(&app::gUtil(), &app::gUtil());
    EXPECT_EQ(&app::gIni(), &app::gIni());
    EXPECT_EQ(&app::gSistema(), &app::gSistema());
    EXPECT_EQ(&app::gControles(), &app::gControles());
    EXPECT_EQ(&app::gImpresion(), &app::gImpresion());
    EXPECT_EQ(&app::gDB(), db.get());
    EXPECT_EQ(&app::gDBEstadisticas(), stats.get());
    EXPECT_NE(&app::gDBEstadisticas(), &app::gDB());
}

TEST_F(SharedObjects, ThePrintObjectFollowsTheFolderOfTheEmbeddedSuiteDatabase)
{
    openDemo();
    EXPECT_EQ(QDir(app::gImpresion().dataSourceFolder()).canonicalPath(), QDir(serverFolder()).canonicalPath());
    EXPECT_FALSE(app::gImpresion().pPathSistema.isEmpty());
    // A server, no folder: DSN names go to ODBC.
    db->configure([](data::DbSettings& s) { s.gServidor = QStringLiteral("servidor-de-la-empresa"); });
    EXPECT_EQ(app::gImpresion().dataSourceFolder(), QString());
}

TEST_F(SharedObjects, TheStatisticsObjectIsMadeAgainOnlyAfterItWasDropped)
{
    app::setStatisticsDatabase(nullptr);
    data::DB_Dll& fresh = app::gDBEstadisticas();
    EXPECT_NE(&fresh, stats.get());
    EXPECT_EQ(&app::gDBEstadisticas(), &fresh);
    EXPECT_FALSE(fresh.gOpenFlag());
}

TEST_F(SharedObjects, TheModuleNamesTheSessionValuesOfTheDataAccessWithoutCopies)
{
    app::gUsuarioActual = "COMPRAS";
    app::gConfidencialidad = true;
    EXPECT_EQ(data::gUsuarioActual, "COMPRAS");
    EXPECT_TRUE(data::gConfidencialidad);
    EXPECT_EQ(&app::gClaveActual, &data::gClaveActual);
}

// A fresh state is what a run starts with, in the same object: references taken before the
// reset (the configuration loader holds one) see the fresh values.
TEST_F(SharedObjects, AFreshStateStartsWithWhiteBackgroundAndBlackTextInTheSameObject)
{
    app::ProgramState& held = app::state();
    held.configuration.ColorFondo = 5;
    held.configuration.ColorLetra = 7;
    held.configuration.MadM2P2 = "m2";
    held.startup.TimeOut = 30;
    held.startup.SeccionIni = "PC1|ANA";
    held.lookup.TopConsultaLike = 250;
    data::gUsuarioActual = "COMPRAS";
    data::gClaveActual = "compras";
    data::gConfidencialidad = true;
    app::resetState();
    EXPECT_EQ(&app::state(), &held);
    EXPECT_EQ(held.configuration.ColorFondo, app::RGB(255, 255, 255));
    EXPECT_EQ(held.configuration.ColorLetra, 0);
    EXPECT_TRUE(held.configuration.MadM2P2.isEmpty());
    EXPECT_EQ(held.startup.TimeOut, 0);
    EXPECT_TRUE(held.startup.SeccionIni.isEmpty());
    EXPECT_EQ(held.lookup.TopConsultaLike, 0);
    EXPECT_TRUE(data::gUsuarioActual.isEmpty());
    EXPECT_TRUE(data::gClaveActual.isEmpty());
    EXPECT_FALSE(data::gConfidencialidad);
    EXPECT_EQ(app::RGB(230, 243, 255), 16774118);

    // A text the driver gave for a lost connection in the run before means nothing to the next.
    const vb::Error lost(-2147467259, QStringLiteral("[FreeTDS][SQL Server]Communication link failure"), QStringLiteral("Microsoft OLE DB Provider for ODBC Drivers"));
    ado::rememberLostConnection(lost.number(), lost.description());
    ASSERT_TRUE(ado::isConnectionLost(lost));
    app::resetState();
    EXPECT_FALSE(ado::isConnectionLost(lost));
}

// A fresh start closes the connections of the one before without a word, also one the data
// access still takes as open after its link was closed under it.
TEST_F(SharedObjects, AFreshStartClosesTheConnectionsOfTheOneBeforeQuietly)
{
    openDemo();
    app::ConectarEstadisticas();
    ASSERT_TRUE(stats->gOpenFlag());
    db->gCnn()->Close();
    ASSERT_TRUE(db->gOpenFlag());
    EXPECT_NO_THROW(app::resetState());
    EXPECT_EQ(stats->gCnn()->State(), ado::adStateClosed);
    EXPECT_NE(&app::gDB(), db.get());
    EXPECT_FALSE(app::gDB().gOpenFlag());
    EXPECT_NE(&app::gDBEstadisticas(), stats.get());
    EXPECT_FALSE(app::gDBEstadisticas().gOpenFlag());
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_EQ(moduleLog(), QString());
    EXPECT_EQ(vb::Err::number(), 0);
}

} // namespace
