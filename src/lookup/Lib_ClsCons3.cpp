#include "lookup/Lib_ClsCons3.h"

#include "data/DB_Dll.h"
#include "lookup/AppLink.h"
#include "lookup/LookupStatement.h"
#include "lookup/LookupWindows.h"
#include "lookup/MaskFile.h"
#include "ui/DialogService.h"
#include "vb/Error.h"
#include "vb/Files.h"
#include "vb/Strings.h"

namespace lookup {

namespace {

vb::Variant stockLevel(const QString& key)
{
    const QString text = AppLink::Cfg(key);
    return text.isEmpty() ? vb::Variant(0) : vb::Variant(text);
}

} // namespace

// Everything one lookup works with: the caller's arguments (some of them handed back) and
// the settings the caller made right before the call.
struct Lib_ClsCons3::Lookup {
    QString sql;
    vb::CollectionPtr& cmpsDevueltos;
    QString& clave;
    QString& campoBusqueda;
    QString& where;
    QString& sentenciaOpcional;
    bool treeView;
    QString& valoresDefault;
    QString campoDevuelto;
    bool checks = false;
    qint32 top = 1000;
};

Lib_ClsCons3::Lib_ClsCons3()
    : CmpsDevueltos(vb::Collection::create())
    , Valores(vb::Collection::create())
{
    vb::Trap skip = vb::Trap::skipping();
    skip.run([&] { MuestraStock = AppLink::Cfg(QStringLiteral("MostrarStockenConsultas")); });
    skip.run([&] { StkNivel1 = stockLevel(QStringLiteral("Stk_Nivel1")); });
    skip.run([&] { StkNivel2 = stockLevel(QStringLiteral("Stk_Nivel2")); });
    skip.run([&] { StkNivel3 = stockLevel(QStringLiteral("Stk_Nivel3")); });
    skip.run([&] { StkNivel4 = stockLevel(QStringLiteral("Stk_Nivel4")); });
    skip.run([&] { m_usaConsultaLike = vb::textEquals(AppLink::Cfg(QStringLiteral("UsaConsultaLike")), QStringLiteral("SI")); });
}

void Lib_ClsCons3::ConsultaSearch(const QString& sql)
{
    vb::CollectionPtr none;
    QString clave, campoBusqueda, where, sentenciaOpcional, valoresDefault;
    bool treeView = false;
    ConsultaSearch(sql, none, clave, campoBusqueda, where, sentenciaOpcional, treeView, valoresDefault);
}

void Lib_ClsCons3::ConsultaSearch(QString sql, vb::CollectionPtr& CmpsDevueltos, QString& Clave, QString& CampoBusqueda,
                                  QString& Where, QString& SentenciaOpcional, bool& TreeView, QString& ValoresDefault)
{
    Lookup lookup{sql, CmpsDevueltos, Clave, CampoBusqueda, Where, SentenciaOpcional, TreeView, ValoresDefault,
                  CampoDevuelto, Checks};
    startLookup();
    struct EndOfLookup {
        Lib_ClsCons3* driver;
        vb::CollectionPtr& cmps;
        ~EndOfLookup() { driver->endLookup(cmps); }
    } end{this, CmpsDevueltos};

    vb::Trap skip = vb::Trap::skipping();
    skip.run([&] { LookupStatement::wrapCondition(Where); });
    skip.run([&] { lookup.top = LookupStatement::rowLimit(AppLink::Cfg(QStringLiteral("TopConsArt"))); });
    bool ready = true;
    skip.run([&] { ready = buildStatement(lookup); });
    if (!ready)
        return;
    skip.run([&] {
        if (lookup.treeView)
            showTree(lookup);
        else
            showList(lookup);
    });
}

void Lib_ClsCons3::startLookup()
{
    ValorDevuelto = vb::Variant();
    Valores = nullptr;
    Cantidades = nullptr;
}

void Lib_ClsCons3::endLookup(vb::CollectionPtr& cmpsDevueltos)
{
    Checks = false;
    CampoDevuelto.clear();
    if (cmpsDevueltos)
        cmpsDevueltos->clear();
}

bool Lib_ClsCons3::buildStatement(Lookup& lookup)
{
    if (LookupStatement::isSelectText(lookup.sql)) {
        lookup.sql = LookupStatement::fromSelect(lookup.sql, lookup.where);
        return true;
    }
    if (gUsarMascarasConsultas && vb::FileExists(gRutaMascaraConsultas)) {
        bool built = false;
        if (!fromMaskFile(lookup, built))
            return false;
        if (built)
            return true;
    }
    if (!lookup.sentenciaOpcional.isEmpty())
        lookup.sql = lookup.sentenciaOpcional;
    else
        lookup.sql = LookupStatement::builtIn(lookup.sql, lookup.top, lookup.where, lookup.campoBusqueda);
    return true;
}

// False when the table's mask cannot say which column to search: the operator is told and
// no window opens. built tells whether the mask gave the statement.
bool Lib_ClsCons3::fromMaskFile(Lookup& lookup, bool& built)
{
    std::optional<MascaraConsulta> record;
    vb::Trap skip = vb::Trap::skipping();
    skip.run([&] { record = MaskFile::find(gRutaMascaraConsultas, lookup.sql); });
    if (!record)
        return true;
    QString sql;
    if (!LookupStatement::fromMask(*record, lookup.top, lookup.where, lookup.campoBusqueda, sql)) {
        ui::MsgBox(QStringLiteral("Debe configurar la consulta para esta tabla"), ui::vbInformation + ui::vbOKOnly,
                   QStringLiteral("Aviso al operador"));
        return false;
    }
    lookup.sql = sql;
    built = true;
    return true;
}

void Lib_ClsCons3::showTree(const Lookup& lookup)
{
    Valores = nullptr;
    const LookupAnswer answer = LookupWindows::showTree({lookup.sql, lookup.campoDevuelto, lookup.checks});
    ValorDevuelto = answer.ValorDevuelto;
    Valores = answer.Valores;
}

void Lib_ClsCons3::showList(const Lookup& lookup)
{
    ListLookupRequest request;
    request.StkNivel1 = StkNivel1;
    request.StkNivel2 = StkNivel2;
    request.StkNivel3 = StkNivel3;
    request.StkNivel4 = StkNivel4;
    request.MuestraStock = MuestraStock;
    request.CfgUsaConsultaLIKE = m_usaConsultaLike;
    request.OrdenarPorLwv = !lookup.sql.contains(QLatin1String("ORDER BY"), Qt::CaseInsensitive);
    request.FiltroInicial = lookup.clave;
    request.CampoBusqueda = lookup.campoBusqueda;
    if (gConnString.isEmpty())
        gConnString = data::gDB().gConnString;
    request.sql = lookup.sql;
    request.gConnString = gConnString;
    request.CampoDevuelto = lookup.campoDevuelto;
    request.CheckBoxes = lookup.checks;
    request.UsaCantidades = UsaCantidades;
    request.ValoresDefault = lookup.valoresDefault;
    request.CmpsDevueltos = lookup.cmpsDevueltos;
    const LookupAnswer answer = LookupWindows::showList(request);
    Valores = answer.Valores;
    Cantidades = answer.Cantidades;
    ValorDevuelto = answer.ValorDevuelto;
}

} // namespace lookup
