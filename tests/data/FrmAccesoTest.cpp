#include "DataTestBase.h"
#include "FileBytes.h"

#include "data/BasesFile.h"
#include "data/DesktopShortcut.h"
#include "data/FrmAccesoPrompt.h"
#include "data/LBM_Common.h"
#include "data/SessionValues.h"
#include "data/frmAcceso.h"
#include "kit/Utilidades.h"
#include "ui/Control.h"
#include "ui/DialogService.h"
#include "vb/App.h"

#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <QThread>

namespace {


void click(QWidget* window, const char* name)
{
    auto* button = qobject_cast<QPushButton*>(ui::Control::find(window, QString::fromLatin1(name)));
    ASSERT_NE(button, nullptr) << name;
    button->click();
}
void click(QWidget& window, const char* name) { click(&window, name); }

void pressKey(QWidget* target, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
}

void mouse(QWidget* target, QEvent::Type type, const QPoint& at)
{
    QMouseEvent event(type, at, target->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

class LoginWindow : public DataTestBase {
protected:
    LoginWindow() { data::DesktopShortcut::setDesktopFolder(m_desktop.path()); }
    ~LoginWindow() override
    {
        data::LoginPrompt::setFactory({});
        data::DesktopShortcut::setDesktopFolder({});
        vb::App::setTitle({});
    }

    QString basesPath() const { return m_programDir.path() + QStringLiteral("/BASES.TXT"); }
    void putBases(const QByteArray& bytes) const { ASSERT_TRUE(writeFileBytes(basesPath(), bytes)); }
    QByteArray basesBytes() const { return readFileBytes(basesPath()); }
    static QByteArray coded(const QString& plain) { return kit::Utilidades().Codificar(plain).toLatin1(); }
    static QStringList listed(const data::frmAcceso& w)
    {
        QStringList out;
        for (int i = 0; i < w.lstBases()->count(); ++i)
            out << w.lstBases()->item(i)->text();
        return out;
    }
    void type(data::frmAcceso& w, const QString& server, const QString& database)
    {
        w.TxtServidor()->setText(server);
        w.TxtDbName()->setText(database);
    }
    QString demoListName() const { return QStringLiteral("DEMO / ") + demo().folder().toUpper(); }
    QString serverOnPort() const;

    QTemporaryDir m_desktop;
};

TEST_F(LoginWindow, DesignTextsAndNamesAreTheSuites)
{
    data::frmAcceso w;
    EXPECT_EQ(w.objectName(), "frmAcceso");
    EXPECT_EQ(w.windowTitle(), "Control de Acceso");
    EXPECT_EQ(ui::Control::value(ui::Control::find(&w, QStringLiteral("bcAceptar"))).toString(), "Conectar");
    EXPECT_EQ(ui::Control::value(ui::Control::find(&w, QStringLiteral("CmdLineaComando"))).toString(),
              "Crear Acceso Directo");
    EXPECT_EQ(ui::Control::array(&w, QStringLiteral("Label1")).size(), 3);
    EXPECT_EQ(w.CboPlataformaDB()->itemText(1), "ORACLE");
    EXPECT_EQ(w.TxtPuerto()->text(), "1433");
    EXPECT_EQ(w.TxtUserPassword()->echoMode(), QLineEdit::Password);
    // Cue texts never become text: an untouched box hands over nothing.
    EXPECT_TRUE(w.TxtDbName()->text().isEmpty());
    EXPECT_TRUE(w.TxtUserId()->text().isEmpty());
    EXPECT_EQ(w.TxtServidor()->placeholderText(), "ingrese el nombre del servidor e instancia");
    EXPECT_FALSE(w.Aceptar);

    // Every cue is shown whole, also in a larger font than the window was built with.
    w.setFont(QFont(w.font().family(), w.font().pointSize() + 3));
    w.show();
    for (const QLineEdit* box : {w.TxtUserId(), w.TxtDbName(), w.TxtServidor()}) {
        // Inside the frame (two pixels) and the box's own margin (two more) on either side.
        EXPECT_GE(box->width() - 8, box->fontMetrics().horizontalAdvance(box->placeholderText()))
            << box->objectName().toStdString();
    }
}

TEST_F(LoginWindow, PickingARegisteredConnectionFillsTheBoxes)
{
    putBases("VENTAS / SRV1,Ventas,Ventas," + coded("Ventas") + ",srv1\r\n"
             "STOCK / SRV2,Stock,Stock," + coded("Stock") + ",srv2\\inst:1500\r\n"
             "   ,x,x,x,x\r\n");
    data::frmAcceso w;
    EXPECT_EQ(listed(w), QStringList({"VENTAS / SRV1", "STOCK / SRV2"}));
    // The first entry is selected on load.
    EXPECT_EQ(w.TxtServidor()->text(), "srv1");
    EXPECT_EQ(w.TxtDbName()->text(), "Ventas");
    EXPECT_EQ(w.TxtPuerto()->text(), "");

    w.TxtUserId()->setText(QStringLiteral("ana"));
    w.TxtUserPassword()->setText(QStringLiteral("secreta"));
    w.lstBases()->setCurrentRow(1);
    EXPECT_EQ(w.TxtServidor()->text(), "SRV2\\INST");
    EXPECT_EQ(w.TxtPuerto()->text(), "1500");
    EXPECT_EQ(w.TxtDbName()->text(), "Stock");
    EXPECT_TRUE(w.TxtUserId()->text().isEmpty());
    EXPECT_TRUE(w.TxtUserPassword()->text().isEmpty());

    // A record without a port shows none: the port of the entry before is not its own.
    w.lstBases()->setCurrentRow(0);
    EXPECT_EQ(w.TxtServidor()->text(), "srv1");
    EXPECT_EQ(w.TxtPuerto()->text(), "");

    // Any key on the list takes its entry again, also one that moves nothing.
    type(w, QStringLiteral("otro"), QStringLiteral("Otra"));
    pressKey(w.lstBases(), Qt::Key_Up);
    EXPECT_EQ(w.lstBases()->currentRow(), 0);
    EXPECT_EQ(w.TxtServidor()->text(), "srv1");
    EXPECT_EQ(w.TxtDbName()->text(), "Ventas");
    // Leaving the list keeps what was typed since.
    w.TxtUserId()->setText(QStringLiteral("ana"));
    pressKey(w.lstBases(), Qt::Key_Shift);
    pressKey(w.lstBases(), Qt::Key_Backtab);
    EXPECT_EQ(w.TxtUserId()->text(), "ana");
    EXPECT_TRUE(dialogs.prompts().isEmpty());
}

TEST_F(LoginWindow, TrialConnectionNeverTouchesTheSharedConnection)
{
    openDemo();
    data::frmAcceso w;
    const QString folder = demo().folder();
    EXPECT_TRUE(w.ExisteBaseDeDatos(folder, QStringLiteral("DEMO"), QStringLiteral("DEMO"), QStringLiteral("DEMO"),
                                    QStringLiteral("SQLOLEDB")));
    EXPECT_FALSE(w.ExisteBaseDeDatos(folder, QStringLiteral("NADA"), QStringLiteral("NADA"), QStringLiteral("NADA"),
                                     QStringLiteral("SQLOLEDB")));
    EXPECT_EQ(db->gCnn()->State(), 1);
    EXPECT_TRUE(db->gOpenFlag());
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(LoginWindow, RegistrationAppendsTheExactRecordAndListsIt)
{
    putBases("VENTAS / SRV1,Ventas,Ventas," + coded("Ventas") + ",srv1\r\n");
    db->configure([&](data::DbSettings& s) { s.gDBName = QStringLiteral("OTRA"); });
    data::frmAcceso w;
    type(w, "  " + demo().folder() + " ", QStringLiteral(" demo"));
    w.TxtPuerto()->setText(QStringLiteral("abc"));
    click(w, "CmdRegistrar");

    const QByteArray folder = demo().folder().toUtf8();
    EXPECT_EQ(basesBytes(), "VENTAS / SRV1,Ventas,Ventas," + coded("Ventas") + ",srv1\r\n" + demoListName().toUtf8() +
                                ",demo,demo," + coded("demo") + "," + folder + "\r\n");
    EXPECT_EQ(listed(w), QStringList({"VENTAS / SRV1", demoListName()}));
    EXPECT_EQ(w.TxtServidor()->text(), "srv1");   // the reload selects the first entry again
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_EQ(db->settings().gDBName, "OTRA");

    // The same name again: a message and nothing else.
    type(w, demo().folder(), QStringLiteral("Demo"));
    w.RegistrarBases();   // the file exists: nothing to do
    EXPECT_TRUE(boxes().isEmpty());
    click(w, "CmdRegistrar");
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_EQ(boxes()[0].text, "La conexion que intenta registrar ya existe ");
    EXPECT_EQ(boxes()[0].title, "Atencion");
    EXPECT_EQ(boxes()[0].icon, ui::vbInformation);
    EXPECT_EQ(data::BasesFile::read(basesPath()).size(), 2);
}

TEST_F(LoginWindow, FailedProofShowsItsMessageAndWritesNothing)
{
    data::frmAcceso w;
    const QString server = demo().folder() + QStringLiteral(":1433");
    type(w, server, QStringLiteral("NADA"));
    dialogs.pushMsgBoxAnswer(ui::vbNo);   // the connection-error box of the second proof
    click(w, "CmdRegistrar");

    ASSERT_FALSE(boxes().isEmpty());
    const auto last = boxes().last();
    EXPECT_EQ(last.text, "NO SE PUDO CONECTAR AL SERVIDOR " + server + " VERIFIQUE EL NOMBRE DE USUARIO Y PASSWORD INGRESADO");
    EXPECT_EQ(last.title, "AVISO AL OPERADOR");
    EXPECT_FALSE(QFile::exists(basesPath()));
    EXPECT_TRUE(listed(w).isEmpty());
    EXPECT_FALSE(db->gOpenFlag());   // the shared object was never used
    EXPECT_TRUE(db->settings().gServidor.isEmpty());
}

// The second proof's error box offers another try in a login window of its own: what is typed
// there is what opens, so that is what the file gets, once.
TEST_F(LoginWindow, RegistrationStoresWhatTheProofOpenedOnce)
{
    data::LoginPrompt::setFactory({});   // the real window, whatever an earlier test installed
    int shown = 0;
    dialogs.setModalHandler(QStringLiteral("frmAcceso"), [&](QDialog* d) {
        auto* second = static_cast<data::frmAcceso*>(d);
        ++shown;
        EXPECT_FALSE(qobject_cast<QWidget*>(ui::Control::find(second, QStringLiteral("CmdRegistrar")))->isEnabled());
        type(*second, demo().folder(), QStringLiteral("Demo"));
        click(second, "bcAceptar");
        return d->result();
    });
    data::frmAcceso w;
    type(w, demo().folder() + QStringLiteral(":1433"), QStringLiteral("NOEXISTE"));
    dialogs.pushMsgBoxAnswer(ui::vbYes);   // the connection-error box: try again
    click(w, "CmdRegistrar");

    EXPECT_EQ(shown, 1);
    const auto records = data::BasesFile::read(basesPath());
    ASSERT_EQ(records.size(), 1);
    EXPECT_EQ(records[0].nombre, demoListName());
    EXPECT_EQ(records[0].base, "Demo");
    EXPECT_EQ(records[0].servidor, demo().folder());
    EXPECT_EQ(listed(w), QStringList{demoListName()});
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_EQ(boxes()[0].title, " Error de Conexion a Base de Datos");
}

// A server on port 1500, as the embedded engine finds it: the folder is named the way SQL
// Server's providers write a server on a port.
QString LoginWindow::serverOnPort() const
{
    const QString host = m_programDir.path() + QStringLiteral("/srv");
    const QString folder = host + QStringLiteral(",1500");
    EXPECT_TRUE(QDir().mkpath(folder));
    EXPECT_TRUE(QFile::copy(demo().databasePath(), folder + QStringLiteral("/DEMO.db")));
    return host;
}

// The proof's login window opens its choice on the port as the providers take it
// ("host,port"); the file gets it in its own notation, once, and the record is found and
// opened on its port again.
TEST_F(LoginWindow, APortChosenInTheProofsWindowIsStoredInTheFilesNotation)
{
    const QString host = serverOnPort();
    data::LoginPrompt::setFactory({});   // the real window, whatever an earlier test installed
    dialogs.setModalHandler(QStringLiteral("frmAcceso"), [&](QDialog* d) {
        auto* second = static_cast<data::frmAcceso*>(d);
        type(*second, host, QStringLiteral("Demo"));
        second->TxtPuerto()->setText(QStringLiteral("1500"));
        click(second, "bcAceptar");
        return d->result();
    });
    data::frmAcceso w;
    type(w, demo().folder(), QStringLiteral("NOEXISTE"));
    dialogs.pushMsgBoxAnswer(ui::vbYes);   // the connection-error box: try again
    click(w, "CmdRegistrar");

    const QString listName = QStringLiteral("DEMO / ") + host.toUpper();
    ASSERT_TRUE(QFile::exists(basesPath())) << boxes().value(1).text.toStdString();
    const auto records = data::BasesFile::read(basesPath());
    ASSERT_EQ(records.size(), 1);
    EXPECT_EQ(records[0].nombre, listName);
    EXPECT_EQ(records[0].servidor, host + QStringLiteral(":1500"));
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_EQ(boxes()[0].title, " Error de Conexion a Base de Datos");
    EXPECT_EQ(listed(w), QStringList{listName});

    // Picking that record in the proof's window: the name is registered already, nothing else.
    dialogs.setModalHandler(QStringLiteral("frmAcceso"), [&](QDialog* d) {
        auto* second = static_cast<data::frmAcceso*>(d);
        second->lstBases()->setCurrentRow(-1);   // the boxes show what the proof wrote: pick anew
        second->lstBases()->setCurrentRow(0);
        click(second, "bcAceptar");
        return d->result();
    });
    dialogs.pushMsgBoxAnswer(ui::vbYes);
    type(w, demo().folder(), QStringLiteral("NOEXISTE"));
    click(w, "CmdRegistrar");
    ASSERT_EQ(boxes().size(), 3);
    EXPECT_EQ(boxes()[2].text, "La conexion que intenta registrar ya existe ");
    EXPECT_EQ(data::BasesFile::read(basesPath()).size(), 1);

    // The data access opens the picked record on its port.
    db->OpenServerADODB(true, 3, QString(), false, false);
    EXPECT_TRUE(db->gOpenFlag());
    EXPECT_EQ(db->settings().gServidor, host.toUpper() + QStringLiteral(",1500"));
    EXPECT_EQ(db->settings().gDBName, "Demo");
}

// A server typed with its port the providers' way is proved as typed and stored as the file
// writes a port.
TEST_F(LoginWindow, AServerTypedWithItsPortTheProvidersWayIsStoredInTheFilesNotation)
{
    const QString host = serverOnPort();
    data::frmAcceso w;
    type(w, host + QStringLiteral(",1500"), QStringLiteral("demo"));
    click(w, "CmdRegistrar");
    EXPECT_TRUE(boxes().isEmpty()) << boxes().value(0).text.toStdString();
    ASSERT_TRUE(QFile::exists(basesPath()));
    const auto records = data::BasesFile::read(basesPath());
    ASSERT_EQ(records.size(), 1);
    EXPECT_EQ(records[0].nombre, QStringLiteral("DEMO / ") + host.toUpper());
    EXPECT_EQ(records[0].servidor, host + QStringLiteral(":1500"));
}

TEST_F(LoginWindow, TheSecondProofsDiagnosisNamesTheTypedServerAndUser)
{
    db->configure([&](data::DbSettings& s) {
        s.gServidor = QStringLiteral("ANTERIOR");
        s.gUsuario = QStringLiteral("viejo");
    });
    data::frmAcceso w;
    const QString server = demo().folder() + QStringLiteral(":1433");
    type(w, server, QStringLiteral("NADA"));
    w.TxtUserId()->setText(QStringLiteral("ana"));
    dialogs.pushMsgBoxAnswer(ui::vbNo);
    click(w, "CmdRegistrar");

    ASSERT_EQ(boxes().size(), 2);
    const auto diagnosis = boxes().first();
    EXPECT_EQ(diagnosis.title, " Error de Conexion a Base de Datos");
    // The server as it was tried: its port written as the providers take it.
    EXPECT_TRUE(diagnosis.text.contains("por ejemplo : " + demo().folder() + ",1433\\BRIXKOR\r\n"))
        << diagnosis.text.toStdString();
    EXPECT_TRUE(diagnosis.text.contains("para el usuario ana existe\r\n")) << diagnosis.text.toStdString();
    EXPECT_EQ(db->settings().gServidor, "ANTERIOR");
}

TEST_F(LoginWindow, SecondProofWithTheTypedUserRegistersTheDatabaseLogin)
{
    // The database name as login fails when the file is named in other letter case than the
    // upper-cased name; the typed user then opens it and the record still stores the name.
    QFile::copy(demo().databasePath(), m_programDir.path() + QStringLiteral("/mixto.db"));
    data::frmAcceso w;
    type(w, m_programDir.path(), QStringLiteral("mixto"));
    w.TxtUserId()->setText(QStringLiteral("ana"));
    w.TxtUserPassword()->setText(QStringLiteral("clave"));
    w.RegistrarBases();
    const auto records = data::BasesFile::read(basesPath());
    ASSERT_EQ(records.size(), 1);
    EXPECT_EQ(records[0].usuario, "mixto");
    EXPECT_EQ(kit::Utilidades().Decodificar(records[0].clave), "mixto");
}

TEST_F(LoginWindow, TextsThatWouldCorruptTheFileAreRefused)
{
    putBases("");
    data::frmAcceso w;
    type(w, demo().folder(), QStringLiteral("de,mo"));
    click(w, "CmdRegistrar");
    type(w, QStringLiteral("\"") + demo().folder(), QStringLiteral("demo"));
    click(w, "CmdRegistrar");
    ASSERT_EQ(boxes().size(), 2);
    EXPECT_TRUE(boxes()[0].text.contains(QStringLiteral("comas")));
    EXPECT_EQ(boxes()[1].text, boxes()[0].text);
    EXPECT_TRUE(basesBytes().isEmpty());
}

TEST_F(LoginWindow, ConnectSetsTheApplicationUserAndRegistersAFirstConnection)
{
    dialogs.pushModalHandler([this](QDialog* d) {
        auto* w = static_cast<data::frmAcceso*>(d);
        type(*w, demo().folder(), QStringLiteral("demo"));
        w->TxtUserId()->setText(QStringLiteral(" ana "));
        w->TxtUserPassword()->setText(QStringLiteral("x1"));
        click(w, "bcAceptar");
        EXPECT_FALSE(w->isVisible());
        return d->result();
    });
    data::frmAcceso w;
    ui::DialogService::instance().showModal(&w);
    EXPECT_TRUE(w.Aceptar);
    EXPECT_EQ(data::gUsuarioActual, " ana ");
    EXPECT_EQ(data::gClaveActual, "x1");
    // No connections file yet: the typed connection was registered on the way out.
    EXPECT_EQ(data::BasesFile::read(basesPath()).value(0).nombre, demoListName());
}

TEST_F(LoginWindow, DoubleClickTakesTheEntryAndConnects)
{
    putBases("VENTAS / SRV1,Ventas,Ventas," + coded("Ventas") + ",srv1\r\n"
             "STOCK / SRV2,Stock,Stock," + coded("Stock") + ",srv2\r\n");
    data::frmAcceso w;
    w.show();
    QListWidget* list = w.lstBases();
    const QRect second = list->visualItemRect(list->item(1));
    mouse(list->viewport(), QEvent::MouseButtonPress, second.center());
    mouse(list->viewport(), QEvent::MouseButtonRelease, second.center());
    mouse(list->viewport(), QEvent::MouseButtonDblClick, second.center());
    mouse(list->viewport(), QEvent::MouseButtonRelease, second.center());
    EXPECT_TRUE(w.Aceptar);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.TxtDbName()->text(), "Stock");
    EXPECT_TRUE(boxes().isEmpty());
}

// The window opens with the cursor in the user box, so the operator types at once, and Tab
// walks the boxes in the order they are shown.
TEST_F(LoginWindow, TheOperatorTypesTheUserAsSoonAsTheWindowOpens)
{
    putBases("VENTAS / SRV1,Ventas,Ventas," + coded("Ventas") + ",srv1\r\n");
    data::frmAcceso w;
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("ANA"));
    EXPECT_EQ(w.TxtUserId()->text(), "ANA");
    EXPECT_EQ(w.TxtDbName()->text(), "Ventas");   // the list's entry stays as chosen
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_TRUE(w.TxtUserPassword()->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_TRUE(w.TxtDbName()->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_TRUE(w.TxtServidor()->hasFocus());
}

TEST_F(LoginWindow, EnterWalksTheBoxesWithoutClosingTheWindow)
{
    putBases("");
    data::frmAcceso w;
    w.show();
    w.activateWindow();
    QApplication::processEvents();
    w.TxtUserId()->setFocus();
    pressKey(w.TxtUserId(), Qt::Key_Return);
    EXPECT_TRUE(w.TxtUserPassword()->hasFocus());
    pressKey(w.TxtUserPassword(), Qt::Key_Enter);
    EXPECT_TRUE(w.TxtDbName()->hasFocus());
    pressKey(w.TxtDbName(), Qt::Key_Return);
    pressKey(w.TxtServidor(), Qt::Key_Return);
    EXPECT_TRUE(ui::Control::find(&w, QStringLiteral("bcAceptar"))->property("focus").toBool());
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(w.Aceptar);
}

TEST_F(LoginWindow, WriteFailureIsReportedAndTheListStillReloads)
{
    putBases("VENTAS / SRV1,Ventas,Ventas," + coded("Ventas") + ",srv1\r\n");
    vb::App::setTitle(QStringLiteral("Informes"));
    data::LBM_Common::RutaArchivoBases = m_programDir.path() + QStringLiteral("/no-such-folder/BASES.TXT");
    data::frmAcceso w;
    type(w, demo().folder(), QStringLiteral("demo"));
    w.lstBases()->addItem(QStringLiteral("stale entry"));
    click(w, "CmdRegistrar");
    ASSERT_EQ(boxes().size(), 1);
    // The file is named: a program folder the operator may not write showed only the error.
    EXPECT_EQ(boxes()[0].text, "SQL Server start failed.  \rSQL-DMO error:   75 " + vb::Error::standardDescription(75) + ": "
                                   + m_programDir.path() + "/no-such-folder/BASES.TXT");
    EXPECT_EQ(boxes()[0].title, "Informes");
    EXPECT_EQ(boxes()[0].icon, 0);
    EXPECT_EQ(listed(w), QStringList({"VENTAS / SRV1"}));
}

TEST_F(LoginWindow, ClosingTheWindowCountsAsCancel)
{
    putBases("");
    data::frmAcceso w;
    w.Aceptar = true;
    w.show();
    w.close();
    EXPECT_FALSE(w.Aceptar);
    EXPECT_FALSE(w.isVisible());
}

TEST_F(LoginWindow, CommandRunIsAwaitedAndAFailedStartIsReported)
{
    putBases("");
    data::frmAcceso w;
    const QString mark = m_programDir.path() + QStringLiteral("/ran");
    QString command = QStringLiteral("sh -c \"sleep 0.2; touch '") + mark + QStringLiteral("'\"");
    QString error;
    EXPECT_TRUE(w.EjecutarCmdRegDB(command, error));
    EXPECT_TRUE(QFile::exists(mark));   // finished before the call returned
    EXPECT_TRUE(error.isEmpty());
    QString missing = m_programDir.path() + QStringLiteral("/no-such-program");
    EXPECT_FALSE(w.EjecutarCmdRegDB(missing, error));
    EXPECT_EQ(error, "Error al ejecutar el comando");
}

TEST_F(LoginWindow, CancelThroughTheDataAccessOpensNothing)
{
    data::LoginPrompt::setFactory({});   // the real window, whatever an earlier test installed
    QString shownServer;
    dialogs.setModalHandler(QStringLiteral("frmAcceso"), [&](QDialog* d) {
        auto* w = static_cast<data::frmAcceso*>(d);
        shownServer = w->TxtServidor()->text();
        click(w, "bcCancelar");
        return d->result();
    });
    db->configure([&](data::DbSettings& s) {
        s.gServidor = demo().folder();
        s.gDBName = QStringLiteral("DEMO");
    });
    db->OpenServerADODB(true, 3, QString(), false, false);
    EXPECT_EQ(shownServer, demo().folder());
    EXPECT_FALSE(db->gOpenFlag());
    EXPECT_TRUE(!db->gCnn() || db->gCnn()->State() == 0);
}

TEST_F(LoginWindow, ConnectThroughTheDataAccessOpensTheTypedDatabase)
{
    putBases("");
    data::LoginPrompt::setFactory({});   // the real window, whatever an earlier test installed
    dialogs.setModalHandler(QStringLiteral("frmAcceso"), [&](QDialog* d) {
        auto* w = static_cast<data::frmAcceso*>(d);
        type(*w, demo().folder(), QStringLiteral("DEMO"));
        click(w, "bcAceptar");
        return d->result();
    });
    db->OpenServerADODB(true, 3, QString(), false, false);
    EXPECT_TRUE(db->gOpenFlag());
    EXPECT_EQ(db->settings().gDBName, "DEMO");
    EXPECT_EQ(db->settings().gUsuario, "DEMO");
    ASSERT_TRUE(db->gCnn());
    EXPECT_EQ(db->gCnn()->State(), 1);
}

// A connection registered with its port is opened on that port, as SQL Server's providers
// take it ("host\instance,port"); one without keeps its server text as it is.
TEST_F(LoginWindow, APickedConnectionIsOpenedOnItsPort)
{
    putBases("VENTAS / SRV1,Ventas,Ventas," + coded("Ventas") + ",srv1\r\n"
             "STOCK / SRV2\\INST,Stock,Stock," + coded("Stock") + ",srv2\\inst:1500\r\n");
    data::LoginPrompt::setFactory({});   // the real window, whatever an earlier test installed
    int row = 1;
    dialogs.setModalHandler(QStringLiteral("frmAcceso"), [&](QDialog* d) {
        auto* w = static_cast<data::frmAcceso*>(d);
        w->lstBases()->setCurrentRow(-1);   // the boxes show what the caller wrote: pick anew
        w->lstBases()->setCurrentRow(row);
        click(w, "bcAceptar");
        return d->result();
    });
    db->configure([&](data::DbSettings& s) { s.gServidor = QStringLiteral("datos"); });
    db->OpenServerADODB(true, 3, QString(), false, false);
    EXPECT_EQ(db->settings().gServidor, "SRV2\\INST,1500");
    EXPECT_TRUE(db->settings().gConnString.startsWith("PROVIDER=SQLOLEDB;Server=SRV2\\INST,1500;Database =Stock;"))
        << db->settings().gConnString.toStdString();

    row = 0;
    db->OpenServerADODB(true, 3, QString(), false, false);
    EXPECT_TRUE(db->settings().gConnString.startsWith("PROVIDER=SQLOLEDB;Server=srv1;Database =Ventas;"))
        << db->settings().gConnString.toStdString();
}

TEST_F(LoginWindow, ShortcutCarriesTheConnectionAndNeverThePassword)
{
    vb::App::setTitle(QStringLiteral(" Informes "));
    putBases("");
    data::frmAcceso w;
    type(w, QStringLiteral("SRV\\INST"), QStringLiteral("Ventas"));
    w.TxtUserId()->setText(QStringLiteral("ana"));
    w.TxtUserPassword()->setText(QStringLiteral("secreta"));
    auto* make = qobject_cast<QPushButton*>(ui::Control::find(&w, QStringLiteral("CmdLineaComando")));
    make->click();

    QFile file(m_desktop.path() + QStringLiteral("/Informes.desktop"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    const QString program = m_programDir.path() + QStringLiteral("/rp_quindal");
    EXPECT_TRUE(text.startsWith("[Desktop Entry]\n"));
    EXPECT_TRUE(text.contains("\nName=Informes\n"));
    EXPECT_TRUE(text.contains("\nExec=\"" + program + "\" \" ; @server=SRV\\\\\\\\INST; @dbname=Ventas; @usuario=ana; "
                              "@Password=; @ParametroAdicional=; brix@ ; @UsuarioLogeado = ; @Caja=;\"\n"));
    EXPECT_FALSE(text.contains("secreta"));
    EXPECT_TRUE(file.permissions() & QFile::ExeOwner);
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_EQ(boxes()[0].text, "Acceso directo creado correctamente en el escritorio.");
    EXPECT_EQ(boxes()[0].title, "Acceso Directo");

    make->click();
    ASSERT_EQ(boxes().size(), 2);
    EXPECT_EQ(boxes()[1].text, "El acceso directo ya existe.");
}

// The shortcut starts the program on the connection as the window would open it: a picked
// record's port, or one typed in the server text, goes with the server.
TEST_F(LoginWindow, ShortcutCarriesTheServersPort)
{
    putBases("STOCK / SRV2,Stock,Stock," + coded("Stock") + ",srv2\\inst:1500\r\n");
    const auto lineOf = [&](data::frmAcceso& w) {
        QFile::remove(m_desktop.path() + QStringLiteral("/rp_quindal.desktop"));
        click(w, "CmdLineaComando");
        QFile file(m_desktop.path() + QStringLiteral("/rp_quindal.desktop"));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        const qsizetype at = text.indexOf(QStringLiteral("@server="));
        return text.mid(at, text.indexOf(u';', at) - at);
    };
    data::frmAcceso w;
    w.lstBases()->setCurrentRow(0);
    EXPECT_EQ(lineOf(w), "@server=SRV2\\\\\\\\INST,1500");
    type(w, QStringLiteral("srv:1600"), QStringLiteral("Stock"));
    EXPECT_EQ(lineOf(w), "@server=srv,1600");
    type(w, QStringLiteral("srv3"), QStringLiteral("Stock"));
    w.TxtPuerto()->setText(QStringLiteral("1700"));
    EXPECT_EQ(lineOf(w), "@server=srv3,1700");
    w.TxtPuerto()->setText(QStringLiteral("1433"));
    EXPECT_EQ(lineOf(w), "@server=srv3");
}

TEST_F(LoginWindow, ShortcutFailureIsNeverFollowedBySuccess)
{
    data::DesktopShortcut::setDesktopFolder(m_desktop.path() + QStringLiteral("/no-such-folder"));
    putBases("");
    data::frmAcceso w;
    click(w, "CmdLineaComando");
    ASSERT_EQ(boxes().size(), 1);
    // The folder it looked for is named: a machine without a desktop, or one whose desktop
    // folder has another name, showed "Path not found" and nothing more.
    EXPECT_EQ(boxes()[0].text, "Se ha producido un error: No se encontró la ruta de acceso: " + m_desktop.path() + "/no-such-folder");
    EXPECT_EQ(boxes()[0].icon, ui::vbCritical);
    EXPECT_EQ(boxes()[0].title, "Error");
}

TEST(DesktopLauncher, ExecQuotingFollowsTheDesktopEntryRules)
{
    EXPECT_EQ(data::DesktopShortcut::execValue(QStringLiteral("/opt/rp q/rp"), QStringLiteral("a\"b$c`d 50% e\\f")),
              "\"/opt/rp q/rp\" \"a\\\\\"b\\\\$c\\\\`d 50%% e\\\\\\\\f\"");
}

TEST_F(LoginWindow, RegistrarBesideTheProgramGetsTheTypedDatabase)
{
    const QString out = m_programDir.path() + QStringLiteral("/registrar.out");
    const QString script = m_programDir.path() + QStringLiteral("/odbc.EXE");
    {
        QFile f(script);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(("#!/bin/sh\nprintf '%s' \"$1\" > '" + out + ".tmp' && mv '" + out + ".tmp' '" + out + "'\n").toUtf8());
    }
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    db->configure([&](data::DbSettings& s) { s.gDBName = QStringLiteral("OTRA"); });
    putBases("");
    data::frmAcceso w;
    type(w, demo().folder(), QStringLiteral("demo"));
    w.RegistrarBases();   // the file exists: no registration
    EXPECT_FALSE(QFile::exists(out));
    click(w, "CmdRegistrar");
    QDeadlineTimer deadline(5000);
    while (!QFile::exists(out) && !deadline.hasExpired())
        QThread::msleep(20);
    QFile result(out);
    ASSERT_TRUE(result.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(result.readAll()), "Server=" + demo().folder() + ";DB=demo;");
}

} // namespace
