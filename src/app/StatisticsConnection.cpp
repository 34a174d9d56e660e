#include "app/StatisticsConnection.h"

#include "app/AppModule.h"
#include "app/ConfigTable.h"
#include "app/SharedObjects.h"
#include "data/DB_Dll.h"
#include "data/RunState.h"
#include "vb/Conversions.h"

namespace app {

namespace {

constexpr std::int16_t kDefaultTimeOut = 45;
const QString kStatisticsDatabase = QStringLiteral("KQ_ESTADISTICAS");

void openStatistics(data::DB_Dll& stats, vb::Trap& skip)
{
    data::closeQuietly(stats);
    stats.configure([&](data::DbSettings& s) {
        s.gProveedor = stats.pSQLOLEDB();
        s.gServidor = gDB().settings().gServidor;
        s.gDBName = kStatisticsDatabase;
        s.gUsuario = kStatisticsDatabase;
        s.gUserPassWord = QStringLiteral("KQ_RESOLUCIONES");
    });
    skip.run([&] { stats.OpenServerADODB(false, 3, QString(), true, false); });
}

} // namespace

void ConectarEstadisticas()
{
    vb::Trap skip = vb::Trap::skipping();
    std::int16_t& timeOut = state().startup.TimeOut;
    timeOut = kDefaultTimeOut;
    data::DB_Dll& stats = gDBEstadisticas();
    openStatistics(stats, skip);
    if (!stats.gOpenFlag())
        return;
    skip.run([&] { stats.gCnn()->setDefaultDatabase(kStatisticsDatabase); });
    // A value out of the Integer range fails here and leaves the default.
    skip.run([&] { timeOut = vb::CInt(vb::Val(CfgKQ(QStringLiteral("TimeOut")))); });
    if (timeOut == 0) {
        skip.run([&] {
            GrabaCfgKQ(QStringLiteral("TimeOut"), vb::Variant(timeOut), QString(), false,
                       QStringLiteral("BaseDeDatos"), true);
        });
    }
    // No time-out at all, or a negative one, would leave commands without limit or failing.
    if (timeOut <= 0)
        timeOut = kDefaultTimeOut;
}

} // namespace app
