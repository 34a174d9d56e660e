#include "reports/ReportFileChoice.h"

#include "app/Checks.h"
#include "app/ConfigTable.h"
#include "app/SharedObjects.h"
#include "app/TratamientoErrores.h"
#include "ado/SqlQuoting.h"
#include "kit/Sistema.h"
#include "kit/Utilidades.h"
#include "ui/DialogService.h"
#include "vb/App.h"
#include "vb/Conversions.h"
#include "vb/Error.h"
#include "vb/Files.h"
#include "vb/Strings.h"

#include <QFileInfo>

namespace reports {

namespace {

const QString kFormsKey = QStringLiteral("RUTA_FORMULARIOS_EFACTURA");
const QStringList kFileColumns{QStringLiteral("Archivo"), QStringLiteral("Archivo2"), QStringLiteral("Archivo3"),
                               QStringLiteral("Archivo4")};

QString text(const ado::RecordsetPtr& rs, const QString& field)
{
    return app::gUtil().ValorTexto(rs->Value(field));
}

bool blank(const QString& s)
{
    return vb::Trim(s).isEmpty();
}

// The recordset of a statement through the shared data access, as every lookup here opens it.
ado::RecordsetPtr open(QString sql)
{
    ado::RecordsetPtr rs;
    app::gDB().AbrirRecordset(sql, rs, {}, 0, 1, -1, true);
    return rs;
}

// Existing files are handed back with the letter case they have on disk.
QString onDisk(const QString& path)
{
    const QString found = vb::resolvePath(path);
    return QFileInfo(found).isFile() ? found : path;
}

// A unit's flag of electronic invoicing: 1, or True (which the original's comparison also took).
bool isOn(const vb::Variant& flag)
{
    if (flag.isNull() || flag.isEmpty() || !vb::IsNumeric(flag))
        return false;
    const double v = vb::CDbl(flag);
    return v == 1 || v == -1;
}

} // namespace

QString NombreReporte(QString& Nombre, const QString& Sufijo, QStringList* Archivos, const QString& IdComprobante)
{
    return ReportFileChoice(Nombre, Sufijo, Archivos, IdComprobante).run();
}

QString VerificarArchivoReporte(QString& Archivo, const QString& Nombre)
{
    return ReportFileChoice::verify(Archivo, Nombre);
}

ReportFileChoice::ReportFileChoice(QString& nombre, const QString& sufijo, QStringList* archivos, const QString& idComprobante)
    : m_nombre(nombre), m_sufijo(sufijo), m_archivos(archivos), m_idComprobante(idComprobante)
{
}

QString ReportFileChoice::run()
{
    vb::Trap trap([](const vb::Error& e) { return app::TratamientoErrores(e, vb::Variant::missing(), QStringLiteral("NombreReporte$")); });
    trap.run([&] { m_equipo = vb::UCase(vb::Trim(app::gSistema().NombreEquipo())); });
    trap.run([&] {
        const int dash = vb::InStr(m_nombre, QStringLiteral("-"));
        m_tipoCpte = dash > 0 ? vb::Left(m_nombre, dash - 1) : QString();
    });
    trap.run([&] { testElectronic(); });
    trap.run([&] {
        for (const char* name : {"EEFC-E", "EENC-E", "EEND-E"})
            if (vb::textEquals(m_nombre, QLatin1String(name)))
                m_nombre = vb::Mid(m_nombre, 3);
    });
    trap.run([&] { m_nombreBase = m_nombre; });
    trap.run([&] {
        if (blank(m_sufijo))
            m_nombre = app::gSistema().NombreEquipo() + u'|' + app::gSistema().NombreUsuarioSistema() + u'|' + m_nombre;
    });
    trap.run([&] { lookUpTable(); });
    trap.run([&] { remitoRule(); });
    trap.run([&] { electronicRule(); });
    return m_resultado;
}

void ReportFileChoice::testElectronic()
{
    ado::RecordsetPtr rs = open(QStringLiteral("select * from V_MV_CPTE_ELECTRONICOS WHERE TC='") + ado::escapeSqlText(m_tipoCpte)
                                + QStringLiteral("' AND IDCOMPROBANTE='") + ado::escapeSqlText(vb::Trim(m_idComprobante))
                                + u'\'');
    if (!rs->Eof()) {
        m_esElectronico = true;
        m_fechaCpte = text(rs, QStringLiteral("Fecha_CPTE"));
    }
    app::gDB().CierraRecordset(rs);
}

void ReportFileChoice::lookUpTable()
{
    // Each file is checked on a copy: a missing file is reported for the result and again for
    // the list's first element.
    if (lookUpRow(m_nombre)) {
        QString file = m_row[0];
        m_resultado = verify(file, m_nombreBase);
        if (m_archivos) {
            m_encontradoPrimero = true;
            fillFromRow(m_row, false);
        }
    } else if (lookUpRow(m_nombreBase)) {
        QString file = m_row[0];
        m_resultado = verify(file, m_nombreBase);
        fillFromRow(m_row, true);
    } else if (!lookUpSettlement()) {
        defaultForms();
    }
}

// The row's files into m_row; false when the table has no row of that name.
bool ReportFileChoice::lookUpRow(const QString& name)
{
    ado::RecordsetPtr rs = open(QStringLiteral("SELECT * FROM TA_REPORTES  with(nolock)  WHERE NOMBRE = '")
                                + ado::escapeSqlText(vb::Trim(name)) + u'\'');
    m_row.clear();
    if (rs->Eof())
        return false;
    for (const QString& column : kFileColumns)
        m_row << text(rs, column);
    rs->Close();
    return true;
}

bool ReportFileChoice::lookUpSettlement()
{
    if (!vb::textEquals(m_nombreBase, QStringLiteral("LiqOpg")))
        return false;
    ado::RecordsetPtr rs = open(QStringLiteral("SELECT * FROM TA_REPORTES  with(nolock)  WHERE NOMBRE = 'OPG-X' OR NOMBRE = 'PG-X' "));
    if (rs->Eof())
        return false;
    m_row.clear();
    for (const QString& column : kFileColumns)
        m_row << text(rs, column);
    rs->Close();
    QString file = m_row[0];
    m_resultado = verify(file, m_nombreBase);
    fillFromRow(m_row, false);
    return true;
}

// The list's four files, each checked; with copyEmpty an empty column repeats the file before it.
void ReportFileChoice::fillFromRow(const QStringList& files, bool copyEmpty)
{
    if (!m_archivos)
        return;
    QStringList list;
    for (int i = 0; i < 4; ++i) {
        QString file = files.value(i);
        list << (copyEmpty && i > 0 && file.isEmpty() ? list.last() : verify(file, m_nombreBase));
    }
    *m_archivos = list;
}

void ReportFileChoice::defaultForms()
{
    QString none;
    m_resultado = verify(none, m_nombreBase);
    if (m_archivos) {
        QStringList list;
        for (int i = 0; i < 4; ++i) {
            QString empty;
            list << verify(empty, m_nombreBase);
        }
        *m_archivos = list;
    }
}

void ReportFileChoice::setAll(const QString& file)
{
    m_resultado = file;
    if (m_archivos)
        *m_archivos = QStringList{file, file, file, file};
}

void ReportFileChoice::remitoRule()
{
    if (!vb::textEquals(vb::Trim(m_tipoCpte), QStringLiteral("RM")) || !vb::textEquals(vb::Right(m_idComprobante, 1), QStringLiteral("R")))
        return;
    vb::Variant textType(8);
    const QString unit = app::gUtil().ValorTexto(app::gDB().DatosTabla(
        QStringLiteral("V_MV_CPTE"), m_idComprobante, QStringLiteral("UNEGOCIO"), QStringLiteral("IDCOMPROBANTE"), textType,
        QStringLiteral(" TC='RM' AND IDCOMPROBANTE='") + ado::escapeSqlText(m_idComprobante) + u'\'', true, false));
    if (blank(unit))
        return;
    ado::RecordsetPtr rs = open(QStringLiteral("SELECT * FROM V_TA_UNIDADNEGOCIO WHERE CODIGO='")
                                + ado::escapeSqlText(app::gUtil().FormatearValor(unit, 4)) + u'\'');
    const QString folder = rs->Eof() ? QString() : text(rs, QStringLiteral("ruta_reporte"));
    if (!blank(folder)) {
        // The unit's own folder decides: without the form there, the table's file stays.
        const QString file = app::gUtil().CarpetaConBarra(vb::Trim(folder)) + QStringLiteral("RM-R.rpt");
        if (app::ExisteArchivo(file))
            setAll(onDisk(file));
        return;
    }
    const QString configured = vb::Trim(app::Cfg(kFormsKey));
    const QString file = app::gUtil().CarpetaConBarra(configured) + QStringLiteral("RM-R.rpt");
    if (!configured.isEmpty() && app::ExisteArchivo(file))
        setAll(onDisk(file));
}

void ReportFileChoice::electronicRule()
{
    if (!m_esElectronico)
        return;
    if (blank(m_idComprobante)) {
        readFormsFolder();
    } else {
        ado::RecordsetPtr rs = open(QStringLiteral("SELECT * FROM V_TA_UNIDADNEGOCIO WHERE LTRIM(PDV)='")
                                    + ado::escapeSqlText(vb::Trim(vb::Left(m_idComprobante, 4))) + u'\'');
        if (!rs->Eof()) {
            const QString folder = text(rs, QStringLiteral("ruta_reporte"));
            if (isOn(rs->Value(QStringLiteral("usaefc"))) && !blank(folder))
                m_rutaFormularios = vb::Trim(folder);
            else
                readFormsFolder();
        } else if (!m_encontradoPrimero) {
            readFormsFolder();
        }
    }
    buildElectronicFile();
}

void ReportFileChoice::readFormsFolder()
{
    const QString own = app::Cfg(m_equipo + u'_' + kFormsKey);
    if (!blank(own)) {
        m_rutaFormularios = vb::Trim(own);
        return;
    }
    const QString general = app::Cfg(kFormsKey);
    if (!blank(general))
        m_rutaFormularios = vb::Trim(general);
}

void ReportFileChoice::buildElectronicFile()
{
    if (blank(m_rutaFormularios))
        return;
    QString start = vb::Trim(app::Cfg(QStringLiteral("FechaInicioeFacQR")));
    if (start.isEmpty())
        start = QStringLiteral("01/03/2021");
    QString file = app::gUtil().CarpetaConBarra(m_rutaFormularios) + u'e' + m_nombreBase + QStringLiteral(".RPT");
    if (vb::CDate(m_fechaCpte) < vb::CDate(start))
        file = vb::Replace(file, QStringLiteral(".RPT"), QStringLiteral("_SINQR.RPT"), 1, -1, vb::CompareMethod::Text);
    setAll(verify(file, m_nombreBase));
}

QString ReportFileChoice::programFolder()
{
    return app::gUtil().CarpetaConBarra(vb::App::path());
}

QString ReportFileChoice::verify(QString& archivo, const QString& nombre)
{
    vb::Trap trap = vb::Trap::skipping();
    const QString folder = programFolder();
    const QString fallback = folder + nombre + QStringLiteral(".rpt");
    trap.run([&] {
        if (archivo.isEmpty()) {
            archivo = fallback;
            if (!vb::FileExists(archivo))
                archivo = alternativeForm(nombre);
        }
    });
    trap.run([&] {
        if (!vb::textEquals(vb::Right(vb::Trim(archivo), 4), QStringLiteral(".RPT")))
            archivo = folder + archivo + QStringLiteral(".rpt");
    });
    trap.run([&] {
        if (app::ExisteArchivo(archivo)) {
            archivo = onDisk(archivo);
            return;
        }
        const bool fallbackExists = app::ExisteArchivo(fallback);
        warnMissing(archivo, nombre, fallback, fallbackExists);
        archivo = fallbackExists ? onDisk(fallback) : QString();
    });
    return archivo;
}

void ReportFileChoice::warnMissing(const QString& archivo, const QString& nombre, const QString& fallback, bool fallbackExists)
{
    QString text = QStringLiteral("No se encuentra el Archivo ") + archivo + QStringLiteral(" (") + nombre + u')'
                   + QStringLiteral(" por favor verifique la configuración de Reportes") + QStringLiteral("\r\n");
    text += fallbackExists ? QStringLiteral(" Se tomara en su lugar el formulario ") + fallback
                           : QStringLiteral(" Tampoco se encuentra el formulario ") + fallback
                                 + QStringLiteral(": el reporte no se puede emitir");
    ui::MsgBox(text, ui::vbCritical + ui::vbOKOnly, QStringLiteral("Aviso al Operador"));
}

QString ReportFileChoice::alternativeForm(const QString& nombre)
{
    const QString folder = programFolder();
    QString archivo;
    const int length = vb::Len(nombre);
    const bool shaped = (length == 4 && vb::Mid(nombre, 3, 1) == u"-") || (length == 5 && vb::Mid(nombre, 4, 1) == u"-")
                        || (length == 6 && vb::Mid(nombre, 5, 1) == u"-");
    if (shaped) {
        const QString candidate = folder + vb::Left(nombre, length - 2) + QStringLiteral(".RPT");
        archivo = vb::FileExists(candidate) ? onDisk(candidate) : QString();
    } else {
        archivo = belongsToPurchases(nombre) ? folder + QStringLiteral("CpteCompras.RPT") : QString();
    }
    if (archivo.isEmpty()) {
        const int dash = vb::InStr(nombre, QStringLiteral("-"));
        const QString type = dash > 0 ? vb::Left(nombre, dash - 1) : nombre;
        archivo = belongsToPurchases(type) ? folder + QStringLiteral("CpteCompras.RPT") : QString();
    }
    return archivo;
}

bool ReportFileChoice::belongsToPurchases(const QString& code)
{
    vb::Variant textType(8);
    const vb::Variant system = app::gDB().DatosTabla(QStringLiteral("V_TA_CPTE"), code, QStringLiteral("SISTEMA"),
                                                     QStringLiteral("Codigo"), textType, QString(), true, false);
    return vb::textEquals(app::gUtil().ValorTexto(system), QStringLiteral("Compras"));
}

} // namespace reports
