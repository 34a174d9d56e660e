#include "app/ServerDate.h"

#include "app/AppModule.h"
#include "app/ConfigTable.h"
#include "app/SharedObjects.h"
#include "ado/Recordset.h"
#include "data/DB_Dll.h"
#include "vb/Conversions.h"
#include "vb/DateTime.h"

namespace app {

namespace {

// Through the date-time text form of the original: no fraction of a second survives.
vb::Date wholeSeconds(const vb::Date& date) { return vb::Date::fromDateTime(date.toDateTime()); }

vb::Date dateWithoutServerRow()
{
    if (state().configuration.UtilizarFechaDia) {
        const QString last = Cfg(QStringLiteral("FECHAOPERHASTA"));
        if (vb::IsDate(vb::Variant(last)))
            return vb::CDate(vb::Variant(last));
    }
    return vb::Now();
}

} // namespace

vb::Date FechaServidor()
{
    vb::Trap skip = vb::Trap::skipping();
    vb::Date result = vb::Now();     // also what a failed query leaves
    ado::RecordsetPtr rs;
    QString sql = QStringLiteral("select  getDate() as fecha");
    skip.run([&] { gDB().AbrirRecordset(sql, rs, {}, 0, 1, -1, true); });
    skip.run([&] {
        if (!rs)
            vb::raise(91);
        if (!rs->Eof())
            result = wholeSeconds(rs->Value(QStringLiteral("fecha")).toDate());
        else
            result = dateWithoutServerRow();
    });
    skip.run([&] { gDB().CierraRecordset(rs); });
    return result;
}

} // namespace app
