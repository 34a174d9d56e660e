// Which file prints a report: the report table's rows and the files present or missing (a table
// of cases), the workstation row, the settlement report, the fallback forms and their warnings,
// the remito R form and the electronic-document forms with and without QR code.
#include "reports/ReportFileChoice.h"
#include "app/AppTestBase.h"

#include "app/AppModule.h"
#include "app/SharedObjects.h"
#include "kit/Sistema.h"
#include "vb/App.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using reports::NombreReporte;
using reports::VerificarArchivoReporte;

namespace {

class ReportFiles : public AppTestBase {
protected:
    ReportFiles()
    {
        openDemo();
        app::state().startup.SeccionIni = QStringLiteral("PC1|ANA");
    }

    QString program(const QString& name = {}) const { return QDir(m_programDir.path()).filePath(name); }
    QString folder() const { return program() + u'/'; }

    // An empty file at path (folders made as needed); returns the path.
    static QString touch(const QString& path)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        return path;
    }

    // The report table's row of that name: empty files are stored as NULL.
    void reportRow(const QString& nombre, const QStringList& files)
    {
        const auto literal = [](const QString& v) { return v.isNull() ? QStringLiteral("NULL") : u'\'' + QString(v).replace(u'\'', QStringLiteral("''")) + u'\''; };
        execute(QStringLiteral("DELETE FROM TA_REPORTES WHERE NOMBRE = %1").arg(literal(nombre)));
        QStringList values{literal(nombre)};
        for (int i = 0; i < 4; ++i)
            values << literal(files.value(i));
        execute(QStringLiteral("INSERT INTO TA_REPORTES (NOMBRE, Archivo, Archivo2, Archivo3, Archivo4) VALUES (%1)").arg(values.join(u',')));
    }

    QString missingWarning(const QString& file, const QString& name) const
    {
        return QStringLiteral("No se encuentra el Archivo %1 (%2) por favor verifique la configuración de Reportes\r\n"
                              " Se tomara en su lugar el formulario %3%2.rpt").arg(file, name, folder());
    }

    QStringList warnings() const
    {
        QStringList out;
        for (const auto& box : boxes()) {
            EXPECT_EQ(box.title, QStringLiteral("Aviso al Operador"));
            EXPECT_EQ(box.style, 16);
            out << box.text;
        }
        return out;
    }

    static QString workstationPrefix()
    {
        return app::gSistema().NombreEquipo() + u'|' + app::gSistema().NombreUsuarioSistema() + u'|';
    }
};

struct TableCase {
    const char* what;
    QList<std::pair<QString, QStringList>> rows;   // report table rows
    QStringList files;                              // files made in the program folder (or absolute)
    QString nombre;
    bool blankSuffix = false;
    bool wantsList = false;
    QString result;                                 // expected, "" for none; "@" stands for the program folder
    QStringList list;
    int warnings = 0;
    QString nombreAfter;                            // expected Nombre afterwards; "#" is the workstation prefix
};

} // namespace

TEST_F(ReportFiles, TheReportTableDecides)
{
    const QString other = QDir(m_serverDir.path()).filePath(QStringLiteral("formularios/Especial.RPT"));
    const std::vector<TableCase> cases = {
        {"bare name, file in another letter case", {{"mv_prC", {"mv_prC"}}}, {"MV_PRC.RPT"}, "mv_prC", false, false,
         "@MV_PRC.RPT", {}, 0, "mv_prC"},
        {"path ending in .rpt in any case", {{"Especial", {other.left(other.size() - 4) + ".rPt"}}}, {other}, "Especial", false, false,
         other, {}, 0, "Especial"},
        {"missing configured file falls back", {{"Especial", {"/no/existe/Especial.rpt"}}}, {"Especial.rpt"}, "Especial", false, false,
         "@Especial.rpt", {}, 1, "Especial"},
        {"list of the row found first: empty columns take the default form", {{"MV_PR2C", {"MV_PR2C", {}, "Rp_CpteObs"}}},
         {"MV_PR2C.rpt", "Rp_CpteObs.rpt"}, "MV_PR2C", false, true, "@MV_PR2C.rpt",
         {"@MV_PR2C.rpt", "@MV_PR2C.rpt", "@Rp_CpteObs.rpt", "@MV_PR2C.rpt"}, 0, "MV_PR2C"},
        {"missing file with a list is reported for the result and element 1",
         {{"Especial", {"Falta", "Especial"}}}, {"Especial.rpt"}, "Especial", false, true, "@Especial.rpt",
         {"@Especial.rpt", "@Especial.rpt", "@Especial.rpt", "@Especial.rpt"}, 2, "Especial"},
        {"workstation row wins; its empty column takes the default form",
         {{"#mv_prC", {"Propio", "Propio2"}}, {"mv_prC", {"mv_prC", "Otro"}}}, {"Propio.rpt", "Propio2.rpt", "mv_prC.rpt", "Otro.rpt"},
         "mv_prC", true, true, "@Propio.rpt", {"@Propio.rpt", "@Propio2.rpt", "@mv_prC.rpt", "@mv_prC.rpt"}, 0, "#mv_prC"},
        {"blank suffix without workstation row: the plain row", {{"mv_prC", {"mv_prC", "Otro"}}}, {"mv_prC.rpt", "Otro.rpt"},
         "mv_prC", true, true, "@mv_prC.rpt", {"@mv_prC.rpt", "@Otro.rpt", "@Otro.rpt", "@Otro.rpt"}, 0, "#mv_prC"},
        {"no row: the form named after the report", {}, {"SinFila.rpt"}, "SinFila", false, true, "@SinFila.rpt",
         {"@SinFila.rpt", "@SinFila.rpt", "@SinFila.rpt", "@SinFila.rpt"}, 0, "SinFila"},
        {"no row: the document type's form", {}, {"FC.RPT"}, "FC-A", false, false, "@FC.RPT", {}, 0, "FC-A"},
        {"no row: the purchases form of the type", {}, {"CpteCompras.RPT"}, "FCC-X", false, false, "@CpteCompras.RPT", {}, 0, "FCC-X"},
        {"settlement rows", {{"PG-X", {"Liquida", "Liquida2", "Liquida", "Liquida2"}}}, {"Liquida.rpt", "Liquida2.rpt"}, "LiqOpg",
         false, true, "@Liquida.rpt", {"@Liquida.rpt", "@Liquida2.rpt", "@Liquida.rpt", "@Liquida2.rpt"}, 0, "LiqOpg"},
        {"apostrophe in the name", {{"D'Angelo", {"DAngelo"}}}, {"DAngelo.rpt"}, "D'Angelo", false, false, "@DAngelo.rpt", {}, 0,
         "D'Angelo"},
    };
    for (const TableCase& c : cases) {
        QTemporaryDir programDir;
        vb::App::setPath(programDir.path());
        const auto at = [&](QString path) {
            return path.replace(QStringLiteral("@"), programDir.path() + u'/').replace(u'#', workstationPrefix());
        };
        for (const auto& [nombre, files] : c.rows)
            reportRow(at(nombre), files);
        for (const QString& f : c.files)
            touch(QFileInfo(f).isAbsolute() ? f : QDir(programDir.path()).filePath(f));
        dialogs.clear();
        QString nombre = c.nombre;
        QStringList list;
        const QString result = NombreReporte(nombre, c.blankSuffix ? QStringLiteral("  ") : app::state().startup.SeccionIni,
                                             c.wantsList ? &list : nullptr, QString());
        EXPECT_EQ(result, at(c.result)) << c.what;
        QStringList expectedList;
        for (const QString& f : c.list)
            expectedList << at(f);
        EXPECT_EQ(list, expectedList) << c.what;
        EXPECT_EQ(boxes().size(), c.warnings) << c.what << ": " << (boxes().isEmpty() ? "" : boxes().first().text.toStdString());
        EXPECT_EQ(nombre, at(c.nombreAfter)) << c.what;
        for (const auto& [n, files] : c.rows)
            execute(QStringLiteral("DELETE FROM TA_REPORTES WHERE NOMBRE = '%1'").arg(at(n).replace(u'\'', QStringLiteral("''"))));
    }
    EXPECT_FALSE(dialogs.ranDry());
}

TEST_F(ReportFiles, WarningsNameTheMissingFileAndTheFormTakenInstead)
{
    reportRow(QStringLiteral("Especial"), {QStringLiteral("C:\\Reportes\\Especial.rpt")});
    touch(program(QStringLiteral("Especial.rpt")));
    QString nombre = QStringLiteral("Especial");
    EXPECT_EQ(NombreReporte(nombre, app::state().startup.SeccionIni, nullptr, QString()), program(QStringLiteral("Especial.rpt")));
    EXPECT_EQ(warnings(), QStringList{missingWarning(QStringLiteral("C:\\Reportes\\Especial.rpt"), QStringLiteral("Especial"))});

    // Neither the configured file nor the form named after the report: said so, and no file.
    dialogs.clear();
    QString file = QStringLiteral("Falta");
    EXPECT_EQ(VerificarArchivoReporte(file, QStringLiteral("Nada")), QString());
    EXPECT_EQ(file, QString());
    EXPECT_EQ(warnings(), QStringList{QStringLiteral("No se encuentra el Archivo %1Falta.rpt (Nada) por favor verifique la "
                                                     "configuración de Reportes\r\n Tampoco se encuentra el formulario %1Nada.rpt: "
                                                     "el reporte no se puede emitir").arg(folder())});

    // No row, no file, no alternative: the folder and ".rpt" is what is missing.
    dialogs.clear();
    nombre = QStringLiteral("Inexistente");
    EXPECT_EQ(NombreReporte(nombre, app::state().startup.SeccionIni, nullptr, QString()), QString());
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_TRUE(boxes().first().text.startsWith(QStringLiteral("No se encuentra el Archivo %1.rpt (Inexistente)").arg(folder())));
}

TEST_F(ReportFiles, ARemitoRTakesTheFormOfItsUnitsFolder)
{
    const QString unitForms = QDir(m_serverDir.path()).filePath(QStringLiteral("unidad1"));
    const QString configured = QDir(m_serverDir.path()).filePath(QStringLiteral("efactura"));
    touch(program(QStringLiteral("RM-R.rpt")));
    touch(QDir(configured).filePath(QStringLiteral("RM-R.rpt")));
    reportRow(QStringLiteral("RM-R"), {QStringLiteral("RM-R")});
    setConfig(QStringLiteral("RUTA_FORMULARIOS_EFACTURA"), configured);
    execute(QStringLiteral("INSERT INTO C_MV_CPTE (TC, IdComprobante, Sucursal, Letra, Fecha, Cuenta, UNEGOCIO) "
                           "VALUES ('RM', '000100000007R', '0001', 'R', {ts '2024-05-02 00:00:00'}, '1', '   1')"));
    QString nombre = QStringLiteral("RM-R");

    // The unit has a folder without the form: the table's file stays, the configured one is not tried.
    execute(QStringLiteral("UPDATE V_TA_UNIDADNEGOCIO SET ruta_reporte = '%1' WHERE CODIGO = '   1'").arg(unitForms));
    EXPECT_EQ(NombreReporte(nombre, app::state().startup.SeccionIni, nullptr, QStringLiteral("000100000007R")), program(QStringLiteral("RM-R.rpt")));

    // Its folder holds the form.
    const QString own = touch(QDir(unitForms).filePath(QStringLiteral("rm-r.RPT")));
    QStringList list;
    nombre = QStringLiteral("RM-R");
    EXPECT_EQ(NombreReporte(nombre, app::state().startup.SeccionIni, &list, QStringLiteral("000100000007R")), own);
    EXPECT_EQ(list, (QStringList{own, own, own, own}));

    // A unit without a folder: the configured one.
    execute(QStringLiteral("UPDATE V_TA_UNIDADNEGOCIO SET ruta_reporte = NULL WHERE CODIGO = '   1'"));
    nombre = QStringLiteral("RM-R");
    EXPECT_EQ(NombreReporte(nombre, app::state().startup.SeccionIni, nullptr, QStringLiteral("000100000007R")),
              QDir(configured).filePath(QStringLiteral("RM-R.rpt")));
    // Another letter is no remito R.
    nombre = QStringLiteral("RM-R");
    EXPECT_EQ(NombreReporte(nombre, app::state().startup.SeccionIni, nullptr, QStringLiteral("000100000007X")), program(QStringLiteral("RM-R.rpt")));
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(ReportFiles, ElectronicDocumentsTakeTheirFormWithOrWithoutQrCode)
{
    const QString unitForms = QDir(m_serverDir.path()).filePath(QStringLiteral("fe0001"));
    const QString withQr = touch(QDir(unitForms).filePath(QStringLiteral("eFC-E.RPT")));
    const QString withoutQr = touch(QDir(unitForms).filePath(QStringLiteral("eFC-E_SINQR.RPT")));
    touch(program(QStringLiteral("FC-E.rpt")));
    execute(QStringLiteral("UPDATE V_TA_UNIDADNEGOCIO SET ruta_reporte = '%1', usaefc = 1 WHERE PDV = '0001'").arg(unitForms));
    setConfig(QStringLiteral("FechaInicioeFacQR"), QStringLiteral("15/04/2021"));
    const auto document = [&](const QString& id, const QString& date) {
        execute(QStringLiteral("INSERT INTO V_MV_CPTE_ELECTRONICOS (TC, IDCOMPROBANTE, Fecha_CPTE) VALUES ('EEFC', '%1', {ts '%2 00:00:00'})")
                    .arg(id, date));
    };
    document(QStringLiteral("000100000010A"), QStringLiteral("2021-04-15"));
    document(QStringLiteral("000100000011A"), QStringLiteral("2021-04-14"));
    document(QStringLiteral("000200000012A"), QStringLiteral("2021-04-14"));

    QString nombre = QStringLiteral("eefc-E");   // any letter case
    EXPECT_EQ(NombreReporte(nombre, app::state().startup.SeccionIni, nullptr, QStringLiteral("000100000010A")), withQr);   // on the start date
    EXPECT_EQ(nombre, QStringLiteral("fc-E"));
    nombre = QStringLiteral("EEFC-E");
    QStringList list;
    EXPECT_EQ(NombreReporte(nombre, app::state().startup.SeccionIni, &list, QStringLiteral("000100000011A")), withoutQr);  // one day before
    EXPECT_EQ(list, (QStringList{withoutQr, withoutQr, withoutQr, withoutQr}));

    // A point of sale whose unit does not invoice electronically: the workstation's folder, else the general one.
    const QString general = QDir(m_serverDir.path()).filePath(QStringLiteral("general"));
    const QString ownFolder = QDir(m_serverDir.path()).filePath(QStringLiteral("puesto"));
    const QString generalForm = touch(QDir(general).filePath(QStringLiteral("eFC-E_SINQR.rpt")));
    setConfig(QStringLiteral("RUTA_FORMULARIOS_EFACTURA"), general);
    nombre = QStringLiteral("EEFC-E");
    EXPECT_EQ(NombreReporte(nombre, app::state().startup.SeccionIni, nullptr, QStringLiteral("000200000012A")), generalForm);
    const QString ownForm = touch(QDir(ownFolder).filePath(QStringLiteral("EFC-E_SINQR.RPT")));
    setConfig(app::gSistema().NombreEquipo().trimmed().toUpper() + QStringLiteral("_RUTA_FORMULARIOS_EFACTURA"), ownFolder);
    nombre = QStringLiteral("EEFC-E");
    EXPECT_EQ(NombreReporte(nombre, app::state().startup.SeccionIni, nullptr, QStringLiteral("000200000012A")), ownForm);

    // Not an electronic document: the table's answer (here, the form named after the report).
    nombre = QStringLiteral("EEFC-E");
    EXPECT_EQ(NombreReporte(nombre, app::state().startup.SeccionIni, nullptr, QStringLiteral("000100000099A")), program(QStringLiteral("FC-E.rpt")));
    EXPECT_TRUE(boxes().isEmpty()) << (boxes().isEmpty() ? "" : boxes().first().text.toStdString());
}

TEST_F(ReportFiles, AnErrorGoesToTheModulesHandlerAndAbortKeepsWhatWasDecided)
{
    const QString unitForms = QDir(m_serverDir.path()).filePath(QStringLiteral("fe0001"));
    touch(QDir(unitForms).filePath(QStringLiteral("eFC-E.RPT")));
    const QString tableForm = touch(program(QStringLiteral("FC-E.rpt")));
    execute(QStringLiteral("UPDATE V_TA_UNIDADNEGOCIO SET ruta_reporte = '%1', usaefc = 1 WHERE PDV = '0001'").arg(unitForms));
    execute(QStringLiteral("INSERT INTO V_MV_CPTE_ELECTRONICOS (TC, IDCOMPROBANTE, Fecha_CPTE) VALUES ('EEFC', '000100000010A', {ts '2024-01-02 00:00:00'})"));
    setConfig(QStringLiteral("FechaInicioeFacQR"), QStringLiteral("no es fecha"));
    dialogs.pushMsgBoxAnswer(ui::vbRetry);
    dialogs.pushMsgBoxAnswer(ui::vbAbort);
    QString nombre = QStringLiteral("EEFC-E");
    EXPECT_EQ(NombreReporte(nombre, app::state().startup.SeccionIni, nullptr, QStringLiteral("000100000010A")), tableForm);
    ASSERT_EQ(boxes().size(), 2);
    for (const auto& box : boxes()) {
        EXPECT_TRUE(box.text.startsWith(QStringLiteral("Ha ocurrido el Siguiente Error (13)"))) << box.text.toStdString();
        EXPECT_TRUE(box.title.contains(QStringLiteral("NombreReporte$"))) << box.title.toStdString();
    }
    EXPECT_TRUE(moduleLog().contains(QStringLiteral("NombreReporte$")));
    EXPECT_FALSE(dialogs.ranDry());
}
