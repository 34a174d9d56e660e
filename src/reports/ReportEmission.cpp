#include "reports/ReportEmission.h"

#include "reports/ArmarFiltro.h"
#include "reports/EmissionWindow.h"
#include "reports/ReportFileChoice.h"

#include "app/AppModule.h"
#include "app/ConfigTable.h"
#include "app/SharedObjects.h"
#include "ado/SqlQuoting.h"
#include "kit/DLL_Print.h"
#include "kit/Utilidades.h"
#include "ui/DialogService.h"
#include "vb/Strings.h"
#include "vb/Variant.h"

#include <cstdint>

namespace reports {

namespace {

constexpr std::int16_t kText = 129;
constexpr std::int16_t kDate = 7;
constexpr std::int16_t kRaw = -1;        // the field is compared as stored
constexpr int kArticleFormat = 25;
constexpr int kUnitFormat = 4;
constexpr int kExtraFormulasSlot = 5;
constexpr std::int16_t kValorPosterior = 20;

// Layouts (OptTipo indexes) with a meaning of their own here.
enum Layout {
    Summary = 0, Detailed = 1, Statistic = 2, Gaps = 3, SummaryByUser = 4, StatisticByUser = 5,
    StatisticByStateUser = 6, DetailedByArticle = 7, SummaryByIr = 8, ArticlesConsolidated = 9,
    ArticlesBySupplier = 10, ArticlesBySupplierDate = 11
};

const QString kAllStates =
    QStringLiteral("ESTADOS = 'Pendiente,Finalizada,Anulada,Bloqueada,Cerrada,Recepcionada,Facturado,Anulado,Vencido'");
// The same list without the annulled states, for delivery notes printed without the annulled ones.
const QString kAllStatesButAnnulled =
    QStringLiteral("ESTADOS = 'Pendiente,Finalizada,Bloqueada,Cerrada,Recepcionada,Facturado,Vencido'");

// Name = 'value', the value's apostrophes doubled.
QString assignment(const QString& name, const QString& value)
{
    return name + QStringLiteral(" = '") + ado::escapeSqlText(value) + u'\'';
}

RangoFiltro row(const QString& campo, const QString& desde, const QString& hasta, std::int16_t tipo, std::int16_t sinRecorte)
{
    RangoFiltro r;
    r.Campo = campo;
    r.Desde = desde;
    r.Hasta = hasta;
    r.Tipo = tipo;
    r.SinRecorte = sinRecorte;
    return r;
}

// A document number is its point of sale, number and letter written together, and ranges over it
// compare as text. A number written without its letter stands for every letter of that number:
// as a From bound it already sorts before all of them; as a To bound it takes the last letter,
// or the documents of that number would sort past it and be left out.
constexpr char16_t kLastLetter = u'Z';

QString toDocument(const QString& sucursal, const QString& numero, const QString& letra)
{
    const QString written = sucursal + numero;
    if (!letra.isEmpty() || written.isEmpty())
        return written + letra;
    return written + kLastLetter;
}

bool tickedAndVisible(const CheckState& box)
{
    return box.value == 1 && box.visible;
}

} // namespace

void ImprimirReporte(EmissionWindow& window)
{
    ReportEmission(window).run();
}

QString FormulaEstados(const EmissionWindow& window)
{
    const QString opening = QStringLiteral("ESTADOS = '");
    QString s = opening;
    for (const CheckState& box : window.chkestado()) {
        if (box.value == 0 || !box.visible)
            continue;
        if (vb::Trim(s) != opening)
            s += u',';
        s += box.tag;
    }
    s += u'\'';
    return s == QStringLiteral("ESTADOS = ''") ? kAllStates : s;
}

bool ReportEmission::run()
{
    m_filtros = QList<RangoFiltro>(7);
    m_formula.clear();
    m_orden = QStringList{QString(), QString()};
    m_tituloParametro.clear();
    m_estados.clear();
    m_window.VaciaPorGrupo();
    fillRows();
    if (!buildRangeFormula())
        return false;
    addKindClause();
    AgregarUnidadesNegocio();
    addUserClause();
    if (layout(SummaryByIr))
        m_formula += QStringLiteral(" AND {V_MV_STOCK.TC}='IR' ");
    chooseSort();
    buildAssignments();
    addKindAssignments();
    if (m_window.ChkGarantia().value != 0)
        m_formula += QStringLiteral(" AND {") + m_window.TablaReporte() + QStringLiteral(".Garantia} = TRUE");
    addParametros();
    // The currency list holds the currencies by number, so a position is its number less one;
    // with none chosen the report is in the default currency, never in a currency 0.
    const int posicion = m_window.CmbMonedaListIndex();
    m_enQueMoneda = QStringLiteral("ENQUEMONEDA = '%1'").arg(app::state().configuration.UsaMultiplesMonedas && posicion >= 0 ? posicion + 1 : 1);
    setPrintOptions();
    printLayout();
    app::gImpresion().ValorPosterior = kValorPosterior;
    return true;
}

bool ReportEmission::layout(int index) const
{
    return m_window.OptTipo(index).value;
}

QString ReportEmission::field(const QString& dataField) const
{
    return vb::Trim(m_window.fieldText(dataField));
}

QString ReportEmission::tableField(const QString& name) const
{
    return u'{' + m_window.TablaReporte() + u'.' + name + u'}';
}

void ReportEmission::fillRows()
{
    const QString sucursalDesde = field(QStringLiteral("Sucursal_Desde"));
    const QString nroDesde = field(QStringLiteral("Nro_Desde"));
    const QString letraDesde = field(QStringLiteral("Letra_Desde"));
    const QString sucursalHasta = field(QStringLiteral("Sucursal_Hasta"));
    const QString nroHasta = field(QStringLiteral("Nro_Hasta"));
    const QString letraHasta = field(QStringLiteral("Letra_Hasta"));

    m_filtros[0] = row(tableField(QStringLiteral("IdComprobante")), sucursalDesde + nroDesde + letraDesde,
                       toDocument(sucursalHasta, nroHasta, letraHasta), kText, kRaw);
    m_filtros[2] = row(tableField(QStringLiteral("Cuenta")), field(QStringLiteral("Cliente_Desde")),
                       field(QStringLiteral("Cliente_Hasta")), kText, kRaw);
    m_filtros[3] = row(layout(SummaryByIr) ? QStringLiteral("{v_mv_stock.Fecha}") : tableField(QStringLiteral("Fecha")),
                       field(QStringLiteral("Fecha_Desde")), field(QStringLiteral("Fecha_Hasta")), kDate, 0);
    m_filtros[4] = row(tableField(QStringLiteral("FechaEntrega")), field(QStringLiteral("Vto_Desde")),
                       field(QStringLiteral("Vto_Hasta")), kDate, 0);
    m_filtros[5] = row(tableField(QStringLiteral("IdMotivoCpraVta")), field(QStringLiteral("Motivo_Desde")),
                       field(QStringLiteral("Motivo_Hasta")), kText, 0);
    const bool byArticle = layout(DetailedByArticle) || layout(ArticlesConsolidated) || layout(ArticlesBySupplier)
                        || layout(ArticlesBySupplierDate);
    if (byArticle && !field(QStringLiteral("idarticulo")).isEmpty()) {
        const QString article = app::gUtil().FormatearValor(m_window.fieldText(QStringLiteral("IdArticulo")), kArticleFormat);
        m_filtros[6] = row(QStringLiteral("{C_MV_CPTEINSUMOS.IdArticulo}"), article, article, kText, kRaw);
    }
}

// A bad range would otherwise print every document: say why and print nothing.
bool ReportEmission::buildRangeFormula()
{
    QString message;
    ArmarFiltro(m_filtros, m_formula, &message);
    if (message.isEmpty())
        return true;
    ui::MsgBox(message, ui::vbInformation, QStringLiteral("Aviso al operador..."));
    return false;
}

// The report kind comes first.
void ReportEmission::addKindClause()
{
    const QString kind = QStringLiteral(" {C_MV_CPTE.TC} = '") + ado::escapeSqlText(vb::UCase(m_window.TcoReporte())) + u'\'';
    m_formula = vb::Trim(m_formula).isEmpty() ? kind : kind + QStringLiteral(" AND ") + m_formula;
}

// Units separated by commas, any of them. Each is compared in the form units are stored in
// ("1" typed or ticked in the list is "   1"), or no unit would ever match.
void ReportEmission::AgregarUnidadesNegocio()
{
    QString clausula;
    QString lista = m_window.fieldText(QStringLiteral("UNEGOCIO"));
    const QString tabla = layout(SummaryByIr) ? QStringLiteral("V_MV_STOCK") : QStringLiteral("C_MV_CPTE");
    while (!lista.isEmpty()) {
        const qsizetype comma = lista.indexOf(u',');
        const QString unidad = comma >= 0 ? lista.left(comma) : lista;
        lista = comma >= 0 ? lista.mid(comma + 1) : QString();
        clausula += (vb::Trim(clausula).isEmpty() ? QStringLiteral(" AND ({") : QStringLiteral(" OR {")) + tabla
                  + QStringLiteral(".UNEGOCIO} = '") + ado::escapeSqlText(app::gUtil().FormatearValor(unidad, kUnitFormat))
                  + QStringLiteral("' ");
    }
    if (vb::Trim(clausula).isEmpty())
        return;
    clausula += QStringLiteral(") ");
    if (vb::Trim(m_formula).isEmpty())
        clausula = clausula.mid(4);
    m_formula += clausula;
}

// The user is matched as a prefix, whatever its letter case.
void ReportEmission::addUserClause()
{
    const QString usuario = field(QStringLiteral("Usuario_Desde"));
    if (usuario.isEmpty())
        return;
    m_formula += layout(SummaryByIr) ? QStringLiteral(" AND  UCASE({V_MV_STOCK.USUARIO}) LIKE '")
                                     : QStringLiteral(" AND  UCASE({C_MV_CPTE.USUARIO}) LIKE '");
    m_formula += ado::escapeSqlText(vb::UCase(usuario)) + QStringLiteral("*'");
}

void ReportEmission::chooseSort()
{
    static const char* const irOrder[EmissionWindow::OrderCount] = {"+{v_mv_stock.fecha}", "+{v_mv_stock.idcomprobante}",
                                                                    "+{c_mv_cpte.cuenta}"};
    for (int i = 0; i < EmissionWindow::OrderCount; ++i) {
        const OptionState option = m_window.OptOrden(i);
        if (!option.value)
            continue;
        m_orden[0] = layout(SummaryByIr) ? QString::fromLatin1(irOrder[i]) : u'+' + option.tag;
        return;
    }
}

void ReportEmission::buildAssignments()
{
    const QString textoMoneda = app::state().configuration.UsaMultiplesMonedas ? QStringLiteral(" Moneda: ") + m_window.CmbMonedaText()
                                                          : QStringLiteral(" ");
    m_nombreEmpresa = assignment(QStringLiteral("Nombreempresa"),
                                 vb::Trim(app::Cfg(QStringLiteral("NOMBRE"), nullptr, QStringLiteral("DATOS"))));
    m_ordenado = assignment(QStringLiteral("ORDENADO"), QStringLiteral("Fechas: ") + field(QStringLiteral("Fecha_Desde"))
                                                            + u' ' + field(QStringLiteral("Fecha_Hasta")) + u' '
                                                            + textoMoneda + u' ');
}

// Titles, states and the clauses of each kind: model orders are those of point of sale 9990;
// delivery notes are pending or invoiced, annulled or not. The report prints the documents of the
// states it is told and its heading names them: delivery notes left unannulled by their clause
// are not told the annulled states, or the heading would name states none of its documents has.
void ReportEmission::addKindAssignments()
{
    const QString kind = m_window.TcoReporte();
    const QString tabla = m_window.TablaReporte();
    if (vb::textEquals(kind, QStringLiteral("OC"))) {
        m_tituloParametro = QStringLiteral("TituloParametro = 'Ordenes de Compra'");
        m_estados = FormulaEstados(m_window);
        m_formula += QStringLiteral(" and {") + tabla
                   + (m_window.ChkModelo().value == 0 ? QStringLiteral(".sucursal} <>'9990'") : QStringLiteral(".sucursal} ='9990'"));
    } else if (vb::textEquals(kind, QStringLiteral("RMC"))) {
        m_tituloParametro = QStringLiteral("TituloParametro = 'Remitos'");
        const QList<CheckState> states = m_window.chkestado();
        const bool anuladas = states.value(2).value != 0;
        m_estados = FormulaEstados(m_window);
        if (!anuladas && m_estados == kAllStates)
            m_estados = kAllStatesButAnnulled;
        const int pendiente = states.value(0).value;
        if (pendiente != states.value(1).value)
            m_formula += QStringLiteral(" and {") + tabla
                       + (pendiente != 0 ? QStringLiteral(".FINALIZADO} = FALSE") : QStringLiteral(".FINALIZADO} = TRUE"));
        m_formula += QStringLiteral(" AND {") + tabla
                   + (anuladas ? QStringLiteral(".Anulada} = TRUE") : QStringLiteral(".Anulada} = FALSE"));
    }
}

// The ticked states, the guarantee flag and the user, as the report's heading shows them.
QString ReportEmission::textoParametros() const
{
    static const char* const words[] = {"Pendientes", "Finalizadas", "Anuladas", "Bloqueadas", "Cerradas", "Recepcionadas"};
    const QList<CheckState> states = m_window.chkestado();
    QString t;
    for (int i = 0; i < 6 && i < states.size(); ++i) {
        if (!tickedAndVisible(states.at(i)))
            continue;
        if (!vb::Trim(t).isEmpty())
            t += QStringLiteral(" - ");
        t += QString::fromUtf8(words[i]);
    }
    const auto append = [&t](const QString& part) {
        if (!vb::Trim(t).isEmpty())
            t += QStringLiteral("  ");
        t += part;
    };
    if (tickedAndVisible(m_window.ChkGarantia()))
        append(QStringLiteral("(Solo Garantías)"));
    append(QStringLiteral("Usuario: ") + field(QStringLiteral("Usuario_Desde")));
    return t;
}

void ReportEmission::addParametros()
{
    const QString t = textoParametros();
    QString parametros;
    if (layout(Summary))
        parametros = QStringLiteral(" (Resumido) - ") + t;
    else if (layout(Detailed) || layout(DetailedByArticle) || layout(ArticlesConsolidated) || layout(ArticlesBySupplier))
        parametros = t;
    else if (layout(Statistic))
        parametros = QStringLiteral(" (Grafico) - ") + t;
    else if (layout(Gaps))
        m_window.GeneraAuxiliarMvCpte();
    else if (layout(SummaryByUser))
        parametros = QStringLiteral(" (Resumido po Usuario) - ") + t;
    else if (layout(SummaryByIr))
        parametros = QStringLiteral(" (Resumido por IR) - ") + t;
    m_parametros = parametros.isNull() ? QString() : assignment(QStringLiteral("Parametros"), parametros);
}

void ReportEmission::setPrintOptions()
{
    kit::DLL_Print& print = app::gImpresion();
    print.OpcionA = true;
    print.OpcionB = false;
    print.OpcionC = true;
}

void ReportEmission::printLayout()
{
    const QList<vb::Variant> standard{m_nombreEmpresa, m_tituloParametro, m_estados, m_enQueMoneda, m_ordenado};
    const auto single = [&](const char* name) { print(resolve(QString::fromLatin1(name)), standard); };
    if (layout(Gaps)) {
        // The scratch rows of every workstation share the table: this one's only.
        m_formula = QStringLiteral("{AUX_MAYORES.Usuario} = '") + ado::escapeSqlText(app::state().startup.SeccionIni) + u'\'';
        m_orden[0] = QStringLiteral("+{AUX_MAYORES.NroComprobanteBancario}");
        print(QStringLiteral("mv_pr4"), {m_nombreEmpresa, m_tituloParametro, m_enQueMoneda, vb::Variant::missing(),
                                         vb::Variant::missing()});
    } else if (layout(Detailed)) {
        print(resolve(QStringLiteral("MV_PR2C")), standard,
              {QStringLiteral("Rp_CpteIns"), QStringLiteral("Rp_CpteSer"), QStringLiteral("Rp_CpteObs")});
    } else if (layout(SummaryByUser)) {
        single("mv_prC_Usuario");
    } else if (layout(StatisticByUser)) {
        single("mv_pr3C_Usuario");
    } else if (layout(StatisticByStateUser)) {
        single("mv_pr3C_Estado_Usuario");
    } else if (layout(DetailedByArticle)) {
        single("MV_PR2C_xArt");
    } else if (layout(SummaryByIr)) {
        single("mv_prC_IR");
    } else if (layout(ArticlesConsolidated) || layout(ArticlesBySupplier) || layout(ArticlesBySupplierDate)) {
        AgregarFiltroAprobacion();
        const char* name = layout(ArticlesConsolidated) ? "mv_prConsC" : layout(ArticlesBySupplier) ? "mv_prConsCP" : "mv_prConsCPF";
        print(resolve(QString::fromLatin1(name)), {m_nombreEmpresa, m_tituloParametro, m_estados, QString(), QString()});
    } else {
        // The three forms of the summary family are checked together, whichever prints.
        const QString summary = resolve(QStringLiteral("mv_prC"));
        resolve(QStringLiteral("MV_PR2C"));
        const QString statistic = resolve(QStringLiteral("mv_pr3C"));
        print(layout(Summary) ? summary : statistic, standard);
    }
}

void ReportEmission::AgregarFiltroAprobacion()
{
    const QString clause = QStringLiteral(" ( {@AproFin} in {@Estados} or {@Estados} = '')");
    m_formula += m_formula.isEmpty() ? clause : QStringLiteral(" AND") + clause;
}

QString ReportEmission::resolve(const QString& reportName) const
{
    QString nombre = reportName;
    return NombreReporte(nombre, app::state().startup.SeccionIni, nullptr, QString());
}

// An empty file is a report NombreReporte found no file for: it has warned already. The print
// object keeps extra formulas until its next report, so they are given only to a report that
// prints: a report left unprinted never hands its Parametros to the next one.
void ReportEmission::print(const QString& file, const QList<vb::Variant>& formulas, const QStringList& subreports)
{
    if (file.isEmpty())
        return;
    kit::DLL_Print& impresion = app::gImpresion();
    if (!m_parametros.isEmpty())
        impresion.AgregarFormulas(QStringList{m_parametros}, kExtraFormulasSlot);
    impresion.Imprimir(file, m_orden, m_formula, app::state().startup.ConexionDSN, formulas.value(0), formulas.value(1),
                               formulas.value(2), formulas.value(3), formulas.value(4), subreports.value(0),
                               subreports.value(1), subreports.value(2));
}

} // namespace reports
