#include "DataTestBase.h"

#include "ado/TestHooks.h"
#include "data/frmReconectar.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace {

using Kind = ui::ScriptedDialogService::Kind;

class Reconnection : public DataTestBase {
protected:
    void SetUp() override
    {
        data::DB_Dll::setReconnectPause(1);
        openDemo();
    }
    ~Reconnection() override { data::DB_Dll::setReconnectPause(500); }

    bool readAdmin()
    {
        ado::RecordsetPtr rs;
        QString sql = "SELECT Nombre FROM TA_USUARIOS WHERE Nombre = 'ADMIN'";
        db->AbrirRecordset(sql, rs);
        return rs->State() == 1 && !rs->Eof() && rs->Value("Nombre").toString() == "ADMIN";
    }
    static data::frmReconectar* window()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* f = qobject_cast<data::frmReconectar*>(w); f && f->isVisible())
                return f;
        return nullptr;
    }
    // Presses buttons of the reconnection window, one per tick, from inside its loop of attempts.
    using Button = std::function<QPushButton*(data::frmReconectar*)>;
    void pressDuringLoop(QList<Button> buttons)
    {
        auto* timer = new QTimer(qApp);
        timer->setInterval(2);
        QObject::connect(timer, &QTimer::timeout, timer, [timer, buttons, pressed = 0]() mutable {
            if (data::frmReconectar* f = window()) {
                QPushButton* button = buttons[pressed](f);
                button->setEnabled(true);
                button->click();
                if (++pressed == buttons.size())
                    timer->stop();
            }
        });
        timer->start();
        m_timers << timer;
    }
    QList<QPointer<QTimer>> m_timers;
    void TearDown() override
    {
        for (const auto& t : m_timers)
            delete t.data();
    }
};

TEST_F(Reconnection, AShortOutageIsBridgedSilently)
{
    ado::TestHooks::failNextOperations(1);
    EXPECT_TRUE(readAdmin());
    EXPECT_TRUE(dialogs.prompts().isEmpty());
    EXPECT_TRUE(db->gOpenFlag());
}

TEST_F(Reconnection, ALongOutageAsksAndYesRunsTheWindowUntilTheServerAnswers)
{
    db->configure([&](data::DbSettings& s) { s.gServidor = "SRV1"; });
    ado::TestHooks::failNextOperations(5);   // the read, the silent attempt, three attempts of the window
    dialogs.pushMsgBoxAnswer(ui::vbYes);
    EXPECT_TRUE(readAdmin());
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_EQ(boxes()[0].title, QString::fromUtf8("Conexión a la base de datos"));
    EXPECT_EQ(boxes()[0].style, 20);
    EXPECT_EQ(boxes()[0].text, QString::fromUtf8("SE PERDIÓ LA CONEXION CON EL SERVIDOR. (SRV1) \r\n\r\n"
                                                 "¿Querés que intentemos reconectar (Sí) \r\no cerrar la aplicación (No)?"));
    const auto shown = dialogs.prompts(Kind::Modeless);
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].text, "frmReconectar");
    EXPECT_EQ(window(), nullptr);   // unloaded once the link was back
    EXPECT_TRUE(db->gOpenFlag());
}

TEST_F(Reconnection, TheWindowShowsItsProgressAndRoutine)
{
    ado::TestHooks::failNextOperations(2 + 10 + 3);
    dialogs.pushMsgBoxAnswer(ui::vbYes);
    QStringList labels;
    QList<int> progress;
    bool retryEnabledBeforeLast = false;
    auto* timer = new QTimer(qApp);
    timer->setInterval(0);
    QObject::connect(timer, &QTimer::timeout, timer, [&] {
        if (data::frmReconectar* f = window()) {
            labels << f->lblMensaje()->text();
            progress << f->prgIntentos()->value();
            retryEnabledBeforeLast |= f->CmdReintentar()->isEnabled() && f->prgIntentos()->value() < 100;
        }
    });
    timer->start();
    EXPECT_TRUE(readAdmin());
    delete timer;
    ASSERT_FALSE(labels.isEmpty());
    EXPECT_EQ(labels.first(), "Intentando reconectar con el servidor...\r\nAbrirRecordset");
    EXPECT_TRUE(progress.contains(100));   // the first series of ten ran to its end
    EXPECT_FALSE(retryEnabledBeforeLast);
    EXPECT_EQ(dialogs.prompts(Kind::Modeless).size(), 2);   // a second series brought the link back
}

TEST_F(Reconnection, NoEndsTheProgram)
{
    ado::TestHooks::failNextOperations(1000);
    dialogs.pushMsgBoxAnswer(ui::vbNo);
    EXPECT_THROW(readAdmin(), vb::EndRequested);
    EXPECT_TRUE(dialogs.prompts(Kind::Modeless).isEmpty());
}

TEST_F(Reconnection, CerrarSistemaEndsTheProgram)
{
    ado::TestHooks::failNextOperations(1000);
    dialogs.pushMsgBoxAnswer(ui::vbYes);
    pressDuringLoop({[](data::frmReconectar* f) { return f->cmdCancelar(); }});
    EXPECT_THROW(readAdmin(), vb::EndRequested);
    EXPECT_EQ(window(), nullptr);
}

TEST_F(Reconnection, ClosingTheWindowByTheTitleBarNeitherEndsNorHidesTheLoop)
{
    ado::TestHooks::failNextOperations(2 + 6);   // the read, the silent attempt, six attempts of the window
    dialogs.pushMsgBoxAnswer(ui::vbYes);
    bool closeTried = false;
    bool visibleAfterClose = false;
    auto* timer = new QTimer(qApp);
    timer->setInterval(0);
    QObject::connect(timer, &QTimer::timeout, timer, [&] {
        data::frmReconectar* f = window();
        if (f && !closeTried) {
            closeTried = true;
            f->close();
            visibleAfterClose = f->isVisible();
        }
    });
    timer->start();
    EXPECT_TRUE(readAdmin());
    delete timer;
    EXPECT_TRUE(closeTried);
    EXPECT_TRUE(visibleAfterClose);
    EXPECT_EQ(window(), nullptr);   // the loop itself unloads it once the link is back
    EXPECT_TRUE(db->gOpenFlag());
}

TEST_F(Reconnection, ReintentarStartsAFreshSeries)
{
    ado::TestHooks::failNextOperations(1000);
    dialogs.pushMsgBoxAnswer(ui::vbYes);
    pressDuringLoop({[](data::frmReconectar* f) { return f->CmdReintentar(); },
                     [](data::frmReconectar* f) { return f->cmdCancelar(); }});
    EXPECT_THROW(readAdmin(), vb::EndRequested);
    EXPECT_GE(dialogs.prompts(Kind::Modeless).size(), 2);
}

TEST_F(Reconnection, DeterministicErrorsAreReportedWithoutReconnecting)
{
    dialogs.pushMsgBoxAnswer(ui::vbAbort);
    ado::RecordsetPtr rs;
    QString sql = "SELECT * FROM NO_SUCH_TABLE";
    db->AbrirRecordset(sql, rs);
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_TRUE(boxes()[0].text.contains("NO_SUCH_TABLE"));
    EXPECT_EQ(handed.size(), 1);
    EXPECT_TRUE(dialogs.prompts(Kind::Modeless).isEmpty());
}

TEST_F(Reconnection, AsegurarConexionReopensAClosedConnection)
{
    db->gCnn()->Close();
    EXPECT_TRUE(db->AsegurarConexion());
    EXPECT_EQ(db->gCnn()->State(), 1);
    db->gCnn()->Close();
    ado::TestHooks::failNextOperations(1);
    EXPECT_TRUE(db->AsegurarConexion());
    EXPECT_TRUE(dialogs.prompts().isEmpty());
}

TEST_F(Reconnection, ReintentaConectarNeedsAStringAndAddsOneTimeout)
{
    QString lower = db->settings().gConnString;
    lower.replace("Connect Timeout=5;", "connect timeout=7;");
    db->configure([&](data::DbSettings& s) { s.gConnString = lower; });
    EXPECT_TRUE(db->ReintentaConectar());
    EXPECT_EQ(db->gCnn()->ConnectionString(), lower);

    QString plain = lower;
    plain.replace("connect timeout=7;", "");
    db->configure([&](data::DbSettings& s) { s.gConnString = plain; });
    EXPECT_TRUE(db->ReintentaConectar());
    EXPECT_EQ(db->gCnn()->ConnectionString(), plain + ";Connect Timeout=5");
    EXPECT_EQ(db->settings().gConnString, plain);

    // A string that cannot open takes the flag down with it.
    db->configure([](data::DbSettings& s) { s.gConnString = "Driver={No Such Driver Rpq};Database=X;"; });
    ASSERT_TRUE(db->gOpenFlag());
    EXPECT_FALSE(db->ReintentaConectar());
    EXPECT_FALSE(db->gOpenFlag());

    auto fresh = std::make_shared<data::DB_Dll>();
    EXPECT_FALSE(fresh->ReintentaConectar());
    EXPECT_FALSE(fresh->gOpenFlag());
}

} // namespace

namespace {

// Runs a second lookup while the lost-connection question is on screen, as a timer or a click
// on another window would during the wait.
class NestedAsking : public ui::ScriptedDialogService {
public:
    std::function<void()> whileAsking;
    int msgBox(const QString& prompt, int style, const QString& title) override
    {
        if (whileAsking && title == QString::fromUtf8("Conexión a la base de datos")) {
            auto nested = std::move(whileAsking);
            nested();
        }
        return ScriptedDialogService::msgBox(prompt, style, title);
    }
};

TEST_F(Reconnection, ANestedCallDoesNotAskTwice)
{
    NestedAsking service;
    ui::DialogServiceScope scope(service);
    ado::TestHooks::failNextOperations(1000);
    service.whileAsking = [this] { readAdmin(); };
    // The nested call finds the connection closed and cannot open it: its errors are reported
    // as ordinary ones (the connection check's, then the recordset's), and only then the
    // operator answers the one question.
    service.pushMsgBoxAnswer(ui::vbAbort);
    service.pushMsgBoxAnswer(ui::vbAbort);
    service.pushMsgBoxAnswer(ui::vbNo);
    EXPECT_THROW(readAdmin(), vb::EndRequested);
    const auto shown = service.prompts(Kind::MsgBox);
    ASSERT_EQ(shown.size(), 3);
    EXPECT_TRUE(shown[0].text.contains("AsegurarConexion")) << shown[0].text.toStdString();
    EXPECT_TRUE(shown[1].text.contains(QString::fromUtf8("No hay conexión con la base de datos.")));
    EXPECT_EQ(shown[2].title, QString::fromUtf8("Conexión a la base de datos"));
    EXPECT_FALSE(service.ranDry());
}

TEST_F(Reconnection, TheRecordsetStatementRunnerGivesUpWithAMessageWithoutConnection)
{
    ado::TestHooks::failNextOperations(1000);
    db->gCnn()->Close();
    dialogs.pushMsgBoxAnswer(ui::vbNo);
    QString sql = "DELETE FROM TA_USUARIOS";
    qint64 affected = 0;
    ado::RecordsetPtr none;
    EXPECT_THROW(db->EjecutaConsultaRSQL(sql, affected, none), vb::EndRequested);
    ado::TestHooks::failNextOperations(0);

    // A connection that cannot open for an ordinary reason: reported, then the plain notice.
    db->configure([&](data::DbSettings& s) { s.gConnString = "Driver={No Such Driver Rpq};Database=X;"; });
    dialogs.pushMsgBoxAnswer(ui::vbAbort);
    const int before = boxes().size();
    db->EjecutaConsultaRSQL(sql, affected, none);
    ASSERT_EQ(boxes().size(), before + 2);
    EXPECT_TRUE(boxes()[before].text.contains("AsegurarConexion"));
    EXPECT_EQ(boxes().last().text, QString::fromUtf8("No hay conexión con el servidor. Intentá de nuevo en unos segundos."));
    EXPECT_EQ(boxes().last().style, 48);
    EXPECT_EQ(affected, 0);
}

} // namespace
