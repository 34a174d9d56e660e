#include "lookup/Lib_ClsCons3.h"

#include "app/Checks.h"
#include "app/ConfigTable.h"
#include "data/DB_Dll.h"
#include "lookup/Consultas.h"
#include "lookup/Lib_FrmCons3.h"
#include "lookup/LookupStatement.h"
#include "lookup/LookupWindows.h"
#include "lookup/MaskFile.h"
#include "ui/DialogService.h"
#include "ui/Twips.h"
#include "vb/Conversions.h"
#include "vb/Error.h"
#include "vb/Files.h"
#include "vb/Strings.h"

#include <QApplication>

#include <algorithm>

namespace lookup {

namespace {

vb::Variant stockLevel(const QString& key)
{
    const QString text = app::Cfg(key);
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
    skip.run([&] { MuestraStock = app::Cfg(QStringLiteral("MostrarStockenConsultas")); });
    skip.run([&] { StkNivel1 = stockLevel(QStringLiteral("Stk_Nivel1")); });
    skip.run([&] { StkNivel2 = stockLevel(QStringLiteral("Stk_Nivel2")); });
    skip.run([&] { StkNivel3 = stockLevel(QStringLiteral("Stk_Nivel3")); });
    skip.run([&] { StkNivel4 = stockLevel(QStringLiteral("Stk_Nivel4")); });
    skip.run([&] { m_usaConsultaLike = likeSearchConfigured(); });
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
    clearResults();
    struct EndOfLookup {
        Lib_ClsCons3* driver;
        vb::CollectionPtr& cmps;
        ~EndOfLookup() { driver->endLookup(cmps); }
    } end{this, CmpsDevueltos};

    vb::Trap skip = vb::Trap::skipping();
    skip.run([&] { LookupStatement::wrapCondition(Where); });
    skip.run([&] { lookup.top = LookupStatement::rowLimit(app::Cfg(QStringLiteral("TopConsArt"))); });
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

void Lib_ClsCons3::clearResults()
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
        gConnString = data::gDB().settings().gConnString;
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

LookupAnswer Lib_ClsCons3::showOptions(const QString& titulo, bool checkBoxes, const QList<Option>& options, int longest)
{
    LookupAnswer answer;
    Lib_FrmCons3 window(QApplication::activeWindow());
    vb::Trap skip = vb::Trap::skipping();
    skip.run([&] { window.prepareOptions(titulo, checkBoxes); });
    skip.run([&] {
        for (const Option& option : options)
            window.addOption(option.text, option.checked);
    });
    skip.run([&] {
        const int screen = ui::Twips::screenSize(&window).width();
        window.resize(ui::Twips::toPixels(Lib_FrmCons3::optionsWidth(std::max(longest, int(titulo.size())), screen)),
                      window.height());
    });
    skip.run([&] { ui::DialogService::instance().showModal(&window); });
    answer.ValorDevuelto = window.ValorDevuelto;
    answer.Valores = window.Valores;
    skip.run([&] { window.Unload(); });
    return answer;
}

QString Lib_ClsCons3::CheckOpciones(const QString& Titulo, const vb::CollectionPtr&, const QStringList& Opc)
{
    QList<Option> options;
    int longest = 0;
    for (const QString& option : Opc) {
        options.append({option.mid(1), option.startsWith(u'1')});
        longest = std::max(longest, int(option.size()));
    }
    Valores = showOptions(Titulo, true, options, longest).Valores;
    return {};
}

QString Lib_ClsCons3::MenuOpciones(const QString& Titulo, const QStringList& Opc)
{
    QList<Option> options;
    int longest = 0;
    for (const QString& option : Opc) {
        options.append({option, false});
        longest = std::max(longest, int(option.size()));
    }
    const LookupAnswer answer = showOptions(Titulo, false, options, longest);
    return answer.ValorDevuelto.isNull() ? QString() : vb::CStr(answer.ValorDevuelto);
}

QString Lib_ClsCons3::ConsultaDesdeArchivo(const QString& Titulo, const QString& QueArchivo, const QString&)
{
    if (!app::ExisteArchivo(QueArchivo)) {
        ui::MsgBox(QStringLiteral("No existe el archivo ") + QueArchivo + QStringLiteral(" que desea consultar consulta "),
                   ui::vbOKOnly);
        return {};
    }
    QList<Option> options;
    int longest = 0;
    vb::Trap skip = vb::Trap::skipping();
    skip.run([&] {
        QString path = QueArchivo;
        for (const QString& line : vb::readTextLines(path.remove(u'"'))) {
            options.append({line, false});
            longest = std::max(longest, int(line.size()));
        }
    });
    const LookupAnswer answer = showOptions(Titulo, false, options, longest);
    return answer.ValorDevuelto.isNull() ? QString() : vb::CStr(answer.ValorDevuelto);
}

} // namespace lookup
