// The query-mask file and the column-widths file: default records byte for byte, the tropa
// defaults, appends over a partial tail, the lookup rule, and the widths lines.
#include "LookupTestBase.h"

#include "app/AppModule.h"
#include "app/ConsultaGlobal.h"
#include "app/Launcher.h"
#include "app/StartUp.h"
#include "lookup/MenuLauncher.h"
#include "lookup/StartUpLink.h"
#include "lookup/AnchosConsulta.h"
#include "lookup/Consultas.h"
#include "lookup/Lib_ClsCons3.h"
#include "lookup/MaskFile.h"
#include "vb/Error.h"
#include "vb/Regional.h"

#include <QDir>
#include <QFile>

#include <csignal>
#include <sys/resource.h>

namespace {

constexpr int kRecord = 1202;

QByteArray field(const QByteArray& file, int record, int offset, int length)
{
    return file.mid((record - 1) * kRecord + offset, length);
}

QByteArray padded(const char* text, int length)
{
    return QByteArray(text).leftJustified(length, ' ');
}

// Files only: no database needed, the shared data access stays closed.
class MaskFiles : public LookupTestBase {
protected:
    QString maskPath() const { return programFile(QStringLiteral("consultas.qzt")); }
    QString widthsPath() const { return programFile(QStringLiteral("CONSULTASLEN.QZT")); }
};

TEST_F(MaskFiles, DefaultMasksAreElevenFixedRecordsInTheirOrder)
{
    lookup::CrearConsultasPorDefecto();
    const QByteArray file = fileBytes(maskPath());
    ASSERT_EQ(file.size(), 11 * kRecord);
    ASSERT_EQ(file.size(), 13222);

    const char* expected[11][3] = {
        {"ARTICULOS", "V_MA_ARTICULOS", "|DESCRIPCION|IDARTICULO|"},
        {"CLIENTES", "VT_CLIENTES", "|RAZON_SOCIAL|CODIGO|CONTACTO|"},
        {"PROVEEDORES", "VT_PROVEEDORES", "|RAZON_SOCIAL|CODIGO|"},
        {"CONTACTOS", "MA_CONTACTOS", "|Nombre_y_Apellido|Domicilio|Localidad|Telefono|"},
        {"VENDEDORES", "V_TA_VENDEDORES", "|NOMBRE|IDVENDEDOR|"},
        {"TECNICOS", "V_TA_TECNICOS", "|NOMBRE|IDTECNICO|"},
        {"MANTENIMIENTOS", "V_MA_MANTENIMIENTOS", "|DESCRIPCION|CODIGO|"},
        {"CUENTAS", "MA_CUENTAS", "|DESCRIPCION|CODIGO|"},
        {"TAREAS", "V_TA_Tareas", "|Descripcion|IdTarea|"},
        {"UnidadNegocio", "V_TA_UnidadNegocio", "|Descripcion|Codigo|"},
        {"DEPOSITO", "V_TA_DEPOSITO", "|Descripcion|IdDeposito|"}};
    for (int n = 1; n <= 11; ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(field(file, n, 0, 100), padded(expected[n - 1][0], 100));
        EXPECT_EQ(field(file, n, 100, 100), padded(expected[n - 1][1], 100));
        EXPECT_EQ(field(file, n, 200, 500), padded(expected[n - 1][2], 500));
        EXPECT_EQ(field(file, n, 700, 500), QByteArray(500, ' '));
        EXPECT_EQ(field(file, n, 1200, 2), QByteArray("\r\n"));
    }
    EXPECT_EQ(field(file, 9, 100, 100), QByteArray("V_TA_Tareas") + QByteArray(89, ' '));
}

TEST_F(MaskFiles, StartUpWritesTheDefaultsOnlyWhenNoMaskFileExistsWhateverItsLetterCase)
{
    lookup::PrepararConsultas();
    lookup::Lib_ClsCons3& consulta = lookup::gConsulta();
    EXPECT_TRUE(consulta.gUsarMascarasConsultas);
    EXPECT_EQ(QDir::cleanPath(consulta.gRutaMascaraConsultas), QDir::cleanPath(maskPath()));
    EXPECT_EQ(fileBytes(maskPath()).size(), 11 * kRecord);

    // A second start finds the file and appends nothing; so does a start that finds it
    // under another letter case, and it then uses that file.
    lookup::PrepararConsultas();
    EXPECT_EQ(fileBytes(maskPath()).size(), 11 * kRecord);
    ASSERT_TRUE(QFile::rename(maskPath(), programFile(QStringLiteral("CONSULTAS.QZT"))));
    app::gConsulta.reset();
    lookup::PrepararConsultas();
    EXPECT_FALSE(QFile::exists(maskPath()));
    EXPECT_EQ(fileBytes(programFile(QStringLiteral("CONSULTAS.QZT"))).size(), 11 * kRecord);
    EXPECT_EQ(QFileInfo(lookup::gConsulta().gRutaMascaraConsultas).fileName(), QStringLiteral("CONSULTAS.QZT"));
}

// A fresh start (a test, or a second start in one process) must not find the lookup object of
// the earlier one with its connection and mask file.
TEST_F(MaskFiles, AFreshStartDropsTheSharedLookupObjectOfTheEarlierOne)
{
    lookup::PrepararConsultas();
    lookup::gConsulta().Checks = true;
    ASSERT_FALSE(lookup::gConsulta().gRutaMascaraConsultas.isEmpty());
    app::resetState();
    const lookup::Lib_ClsCons3& fresh = lookup::gConsulta();
    EXPECT_TRUE(fresh.gRutaMascaraConsultas.isEmpty());
    EXPECT_TRUE(fresh.gConnString.isEmpty());
    EXPECT_FALSE(fresh.gUsarMascarasConsultas);
    EXPECT_FALSE(fresh.Checks);
}

// A program folder the operator may not write (an installed copy): the start-up ended on a box
// that said "Path/File access error" and nothing of which file. A name that leads nowhere
// stands in for the folder, since the tests may run with every right.
TEST_F(MaskFiles, AMaskFileThatCannotBeCreatedIsNamedInTheError)
{
    ASSERT_TRUE(QFile::link(QStringLiteral("/rpq-no-such-folder/consultas.qzt"), maskPath()));
    vb::Error raised;
    try {
        lookup::PrepararConsultas();
    } catch (const vb::Error& error) {
        raised = error;
    }
    EXPECT_EQ(raised.number(), 75);
    EXPECT_EQ(raised.description(), QStringLiteral("Error de acceso a la ruta o al archivo: ") + QDir::cleanPath(maskPath()));
}

TEST_F(MaskFiles, TropaStockDefaultsAppendRecordTwelveAndOneWidthsLine)
{
    lookup::CrearConsultasPorDefecto();
    lookup::ConsultasTropaPorDefecto(QStringLiteral("V_MV_TROPA_STOCK"));
    QByteArray file = fileBytes(maskPath());
    ASSERT_EQ(file.size(), 12 * kRecord);
    EXPECT_EQ(field(file, 12, 0, 100), padded("TROPA_STOCK", 100));
    EXPECT_EQ(field(file, 12, 100, 100), padded("V_MV_TROPA_STOCK", 100));
    EXPECT_EQ(field(file, 12, 200, 500), padded("|idTropa|categoria|secuencia|lado|kg|comprador|fecha|idPlanilla|id|", 500));
    const QByteArray line = "\"V_MV_TROPA_STOCK\",\"1354.115|1079.327|1004.539|659.4944|1603.976|1575.081|1679.898|"
                            "419.8328|419.8328|\"\r\n";
    EXPECT_EQ(fileBytes(widthsPath()), line);

    // Twice: a second, identical record (readers take the first), still one widths line.
    lookup::ConsultasTropaPorDefecto(QStringLiteral("V_MV_TROPA_STOCK"));
    file = fileBytes(maskPath());
    ASSERT_EQ(file.size(), 13 * kRecord);
    EXPECT_EQ(file.mid(12 * kRecord, kRecord), file.mid(11 * kRecord, kRecord));
    EXPECT_EQ(fileBytes(widthsPath()), line);
}

TEST_F(MaskFiles, TropaDefaultsKeepTheNameAsPassedAndIgnoreOtherViews)
{
    lookup::ConsultasTropaPorDefecto(QStringLiteral("V_MV_Tropa"));
    const QByteArray file = fileBytes(maskPath());
    ASSERT_EQ(file.size(), kRecord);
    EXPECT_EQ(field(file, 1, 0, 100), padded("TROPA", 100));
    EXPECT_EQ(field(file, 1, 100, 100), padded("V_MV_Tropa", 100));
    EXPECT_EQ(fileBytes(widthsPath()),
              QByteArray("\"V_MV_Tropa\",\"1529.188|1575.081|1139.384|1304.258|3058.377|2908.234|1933.724|\"\r\n"));

    lookup::ConsultasTropaPorDefecto(QStringLiteral("V_MV_TROPAS"));
    EXPECT_EQ(fileBytes(maskPath()).size(), kRecord);
}

TEST_F(MaskFiles, TheTropaDefaultsGoToTheStartUpsMaskFileWhateverItsLetterCase)
{
    lookup::PrepararConsultas();
    ASSERT_TRUE(QFile::rename(maskPath(), programFile(QStringLiteral("Consultas.QZT"))));
    lookup::ConsultasTropaPorDefecto(QStringLiteral("v_mv_tropa"));
    EXPECT_FALSE(QFile::exists(maskPath()));
    EXPECT_FALSE(QFile::exists(programFile(QStringLiteral("CONSULTAS.QZT"))));
    EXPECT_EQ(fileBytes(programFile(QStringLiteral("Consultas.QZT"))).size(), 12 * kRecord);
}

TEST_F(MaskFiles, AnAppendOverwritesAPartialTailRecord)
{
    lookup::CrearConsultasPorDefecto();
    QByteArray file = fileBytes(maskPath());
    ASSERT_TRUE(writeFileBytes(maskPath(), file + QByteArray(300, 'x')));
    lookup::ConsultasTropaPorDefecto(QStringLiteral("v_mv_tropa"));
    file = fileBytes(maskPath());
    ASSERT_EQ(file.size(), 12 * kRecord);
    EXPECT_EQ(field(file, 12, 0, 100), padded("TROPA", 100));
    EXPECT_FALSE(file.contains('x'));
}

TEST_F(MaskFiles, TheLookupRuleCleansTheTableFieldAndTakesTheFirstMatch)
{
    lookup::MascaraConsulta first;
    first.Nombre = QStringLiteral("UNO");
    first.Tabla = QStringLiteral("  vt_clientes") + QChar(0) + QChar(0xFF);
    first.Campos = QStringLiteral("|A|B|");
    lookup::MascaraConsulta second = first;
    second.Nombre = QStringLiteral("DOS");
    second.Tabla = QStringLiteral("VT_CLIENTES");
    lookup::MaskFile::append(maskPath(), {first, second});

    const auto found = lookup::MaskFile::find(maskPath(), QStringLiteral(" VT_Clientes "));
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->Nombre.trimmed(), QStringLiteral("UNO"));
    EXPECT_FALSE(lookup::MaskFile::find(maskPath(), QStringLiteral("VT_CLIENTE")).has_value());
    EXPECT_FALSE(lookup::MaskFile::find(programFile(QStringLiteral("none.qzt")), QStringLiteral("VT_CLIENTES")).has_value());
    EXPECT_FALSE(QFile::exists(programFile(QStringLiteral("none.qzt"))));
}

TEST_F(MaskFiles, AFieldLongerThanItsPlaceIsCutAndAccentsAreOneByte)
{
    lookup::MascaraConsulta record;
    record.Nombre = QStringLiteral("Depósito ") + QString(200, u'n');
    record.Tabla = QStringLiteral("V_TA_DEPOSITO");
    lookup::MaskFile::append(maskPath(), {record});
    const QByteArray file = fileBytes(maskPath());
    ASSERT_EQ(file.size(), kRecord);
    EXPECT_EQ(file.mid(0, 9), QByteArray("Dep\xF3sito "));
    EXPECT_EQ(file.mid(100, 13), QByteArray("V_TA_DEPOSITO"));
}

TEST_F(MaskFiles, AWidthsLineIsReplacedWithoutRegardToCaseAndMovesToTheEnd)
{
    ASSERT_TRUE(writeFileBytes(widthsPath(), "\"VT_PROVEEDORES\",\"100|200|\"\r\n"
                                             "\"V_TA_STATUS\",\"300|\"\r\n"
                                             "\"V_MA_ARTICULOS\",\"1.5|2.5|\"\r\n"));
    lookup::GrabarAnchosConsulta(QStringLiteral("vt_proveedores"), QStringLiteral("1529.188|1575.081|"));
    EXPECT_EQ(fileBytes(widthsPath()), QByteArray("\"V_TA_STATUS\",\"300|\"\r\n"
                                                  "\"V_MA_ARTICULOS\",\"1.5|2.5|\"\r\n"
                                                  "\"vt_proveedores\",\"1529.188|1575.081|\"\r\n"));
    EXPECT_EQ(lookup::LeerAnchosConsulta(QStringLiteral("VT_PROVEEDORES")), QStringList{QStringLiteral("1529.188|1575.081|")});
    EXPECT_TRUE(lookup::LeerAnchosConsulta(QStringLiteral("VT_CLIENTES")).isEmpty());
}

TEST_F(MaskFiles, TheWidthsFileIsFoundWhateverItsLetterCase)
{
    const QString lower = programFile(QStringLiteral("consultaslen.qzt"));
    ASSERT_TRUE(writeFileBytes(lower, "\"A\",\"1|\"\r\n\"B\",\"2|\"\r\n\"a\",\"3|\"\r\n"));
    EXPECT_EQ(lookup::LeerAnchosConsulta(QStringLiteral("A")), (QStringList{QStringLiteral("1|"), QStringLiteral("3|")}));
    lookup::GrabarAnchosConsulta(QStringLiteral("B"), QStringLiteral("9|"));
    EXPECT_FALSE(QFile::exists(widthsPath()));
    EXPECT_EQ(fileBytes(lower), QByteArray("\"A\",\"1|\"\r\n\"a\",\"3|\"\r\n\"B\",\"9|\"\r\n"));
}

TEST_F(MaskFiles, WidthsAreReadAndWrittenWithAPointWhateverTheRegionalSettings)
{
    // Under the Argentine settings "." groups thousands; widths must still read as written.
    ASSERT_EQ(vb::Regional::current().decimalSeparator, u',');
    EXPECT_EQ(lookup::AnchosConsulta::parse(QStringLiteral("1529.188|659.4944|")), (QList<double>{1529.188, 659.4944}));
    EXPECT_EQ(lookup::AnchosConsulta::parse(QStringLiteral("100|200")), QList<double>{100});
    EXPECT_EQ(lookup::AnchosConsulta::format({1529.188, 1530, 659.4944}), QStringLiteral("1529.188|1530|659.4944|"));
}

TEST_F(MaskFiles, AWidthsFileThatCannotBeReplacedKeepsItsOldContent)
{
    const QByteArray old = "\"V_TA_STATUS\",\"300|\"\r\n";
    ASSERT_TRUE(writeFileBytes(widthsPath(), old));
    // A file-size limit below the new content makes the write fail, even for root.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = old.size() + 4;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    bool raised = false;
    try {
        lookup::AnchosConsulta::write(QStringLiteral("VT_PROVEEDORES"), QString(200, u'9') + u'|');
    } catch (const vb::Error&) {
        raised = true;
    }
    lookup::GrabarAnchosConsulta(QStringLiteral("VT_PROVEEDORES"), QString(200, u'9') + u'|');
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_TRUE(raised);
    EXPECT_EQ(fileBytes(widthsPath()), old);
    EXPECT_EQ(QDir(m_programDir.path()).entryList(QDir::Files), QStringList{QStringLiteral("CONSULTASLEN.QZT")});
}

TEST_F(MaskFiles, ArticleColumnsComeFromTheArticleMaskQualifiedByTheView)
{
    QString campos, busqueda;
    lookup::CamposConsultaArticulos(QStringLiteral("V_MA_ARTICULOS"), campos, busqueda);
    EXPECT_EQ(campos, QStringLiteral("*"));
    EXPECT_EQ(busqueda, QString());

    lookup::CrearConsultasPorDefecto();
    lookup::CamposConsultaArticulos(QStringLiteral("V_MA_ARTICULOS"), campos, busqueda);
    EXPECT_EQ(campos, QStringLiteral("V_MA_ARTICULOS.DESCRIPCION,V_MA_ARTICULOS.IDARTICULO"));
    EXPECT_EQ(busqueda, QStringLiteral("V_MA_ARTICULOS.DESCRIPCION"));

    app::state().configuration.MostrarStock = true;
    lookup::CamposConsultaArticulos(QStringLiteral("STK_MA_ARTICULOS"), campos, busqueda);
    EXPECT_EQ(campos, QStringLiteral("STK_MA_ARTICULOS.DESCRIPCION,STK_MA_ARTICULOS.IDARTICULO,Deposito,Stock,PuntoPedido"));
    EXPECT_EQ(busqueda, QStringLiteral("STK_MA_ARTICULOS.DESCRIPCION"));
    app::state().configuration.MostrarStock = false;
    lookup::CamposConsultaArticulos(QStringLiteral("STK_MA_ARTICULOS"), campos, busqueda);
    EXPECT_EQ(campos, QStringLiteral("STK_MA_ARTICULOS.DESCRIPCION,STK_MA_ARTICULOS.IDARTICULO,Deposito"));

    lookup::CamposConsultaArticulos(QStringLiteral("VT_CLIENTES"), campos, busqueda);
    EXPECT_EQ(campos, QStringLiteral("RAZON_SOCIAL,CODIGO,CONTACTO"));
    EXPECT_EQ(busqueda, QStringLiteral("RAZON_SOCIAL"));
    lookup::CamposConsultaArticulos(QStringLiteral("V_TA_MOTIVOCPRA"), campos, busqueda);
    EXPECT_EQ(campos, QStringLiteral("*"));
    EXPECT_EQ(busqueda, QString());
}

TEST_F(MaskFiles, TheStockViewsOwnMaskComesBeforeTheBorrowedOne)
{
    lookup::MascaraConsulta own;
    own.Nombre = QStringLiteral("STOCK");
    own.Tabla = QStringLiteral("STK_MA_ARTICULOS");
    own.Campos = QStringLiteral("|IDARTICULO|STOCK|");
    lookup::MaskFile::append(maskPath(), {own});
    lookup::CrearConsultasPorDefecto();
    QString campos, busqueda;
    app::state().configuration.MostrarStock = true;
    lookup::CamposConsultaArticulos(QStringLiteral("STK_MA_ARTICULOS"), campos, busqueda);
    EXPECT_EQ(campos, QStringLiteral("STK_MA_ARTICULOS.IDARTICULO,STK_MA_ARTICULOS.STOCK"));
    EXPECT_EQ(busqueda, QStringLiteral("STK_MA_ARTICULOS.IDARTICULO"));
}

} // namespace

TEST_F(MaskFiles, TheStartUpsLookupStepReachesTheLookupsOnceLinked)
{
    // Before the link the start-up's step reaches nothing; after it, the start-up's own
    // connection string and mask path (found regardless of letter case) are taken.
    ASSERT_TRUE(writeFileBytes(programFile(QStringLiteral("Consultas.QZT")), QByteArray()));
    lookup::EnlazarConInicio();
    app::runLookupSetUp(QStringLiteral("Provider=prueba;"), programFile(QStringLiteral("consultas.qzt")));
    lookup::Lib_ClsCons3& consulta = lookup::gConsulta();
    EXPECT_EQ(consulta.gConnString, QStringLiteral("Provider=prueba;"));
    EXPECT_TRUE(consulta.gUsarMascarasConsultas);
    EXPECT_EQ(QFileInfo(consulta.gRutaMascaraConsultas).fileName(), QStringLiteral("Consultas.QZT"));
    EXPECT_EQ(fileBytes(programFile(QStringLiteral("Consultas.QZT"))).size(), 0) << "an existing file gets no defaults";

    ASSERT_TRUE(QFile::remove(programFile(QStringLiteral("Consultas.QZT"))));
    app::runLookupSetUp(QStringLiteral("Provider=prueba;"), maskPath());
    EXPECT_EQ(fileBytes(maskPath()).size(), 11 * kRecord);
    app::setLookupSetUp({});
}

namespace {

class RecordingLauncher : public app::Launcher {
public:
    QStringList programs;
    qint64 startProgram(const QString& program, const QString&) override
    {
        programs << program;
        return 4242;
    }
    int openAddress(const QString&) override { return 31; }
    void execute(const QString&, int) override {}
};

} // namespace

TEST_F(MaskFiles, TheNewButtonsLauncherIsTheStartUpModulesOnceLinked)
{
    auto launcher = std::make_shared<RecordingLauncher>();
    app::Launcher::setInstance(launcher);
    lookup::EnlazarConInicio();
    qint64 proceso = 0;
    lookup::MenuLauncher::MenuExes(QStringLiteral("SHELL:compras"), QString(), proceso);
    app::Launcher::setInstance(nullptr);
    lookup::MenuLauncher::set({});
    app::setLookupSetUp({});
    ASSERT_EQ(launcher->programs.size(), 1);
    EXPECT_TRUE(launcher->programs[0].endsWith(QStringLiteral("compras"))) << launcher->programs[0].toStdString();
    EXPECT_EQ(proceso, 4242);
}
