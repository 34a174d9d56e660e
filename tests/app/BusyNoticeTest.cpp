#include "AppTestBase.h"

#include "app/Dll_Display.h"
#include "app/Lbf_CtrlDisplay.h"
#include "ui/Control.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

using Kind = ui::ScriptedDialogService::Kind;

class BusyNotice : public AppTestBase {
protected:
    QString line(int index) const { return cartel.window()->LblCtrol(index)->text(); }
    QPushButton* cancel() const { return cartel.window()->CmdDisplayCancelar(); }
    bool mostrar(const vb::Variant& a = vb::Variant::missing(), const vb::Variant& b = vb::Variant::missing(),
                 const vb::Variant& c = vb::Variant::missing())
    {
        bool cancelado = false;
        cartel.CartelMostrar(cancelado, a, b, c);
        return cancelado;
    }
    qint64 shownFrame() const { return cartel.window()->Image1()->pixmap().cacheKey(); }
    qint64 frame(int number) const { return cartel.window()->ImageList1().value(number - 1).cacheKey(); }

    app::Dll_Display cartel;
};

TEST_F(BusyNotice, OpensModelessWithItsTitleLinesAndAnimation)
{
    cartel.CartelInicio("Conectando Base de Datos", false);
    ASSERT_NE(cartel.window(), nullptr);
    const auto shown = dialogs.prompts(Kind::Modeless);
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].text, "Lbf_CtrlDisplay");
    EXPECT_EQ(shown[0].title, "Conectando Base de Datos");
    EXPECT_TRUE(cartel.window()->isVisible());
    EXPECT_FALSE(cartel.window()->isModal());
    EXPECT_TRUE(cartel.window()->Timer1()->isActive());
    EXPECT_EQ(cartel.window()->Timer1()->interval(), 100);
    EXPECT_FALSE(cancel()->isVisibleTo(cartel.window()));
    EXPECT_EQ(cancel()->text(), "&Cancelar");
    EXPECT_LT(cartel.window()->windowOpacity(), 0.8);
    EXPECT_EQ(ui::Control::array(cartel.window(), "LblCtrol").size(), 3);
    EXPECT_EQ(cartel.window()->ImageList1().size(), 12);
    EXPECT_EQ(shownFrame(), frame(1));

    EXPECT_FALSE(mostrar("Iniciando Aplicacion", "rp_quindal", "Espere por favor"));
    EXPECT_EQ(line(0), "Iniciando Aplicacion");
    EXPECT_EQ(line(1), "rp_quindal");
    EXPECT_EQ(line(2), "Espere por favor");
    // Only the given lines change; Null empties one.
    mostrar(vb::Variant::missing(), "segunda");
    EXPECT_EQ(line(0), "Iniciando Aplicacion");
    EXPECT_EQ(line(1), "segunda");
    EXPECT_EQ(line(2), "Espere por favor");
    mostrar(vb::Variant(), vb::Variant::missing(), 3);
    EXPECT_EQ(line(0), "");
    EXPECT_EQ(line(2), "3");
}

TEST_F(BusyNotice, TheFramesFollowOneAnotherAndStartAgainAfterTheTwelfth)
{
    cartel.CartelInicio("t", false);
    app::Lbf_CtrlDisplay* notice = cartel.window();
    for (int tick = 1; tick <= 12; ++tick) {
        notice->Timer1_Timer();
        EXPECT_EQ(shownFrame(), frame(tick)) << tick;
    }
    EXPECT_EQ(notice->frameCounter(), 0);
    notice->Timer1_Timer();
    EXPECT_EQ(shownFrame(), frame(1));
    // The timer itself drives it while events are processed.
    const int before = notice->frameCounter();
    QTRY_VERIFY_WITH_TIMEOUT(notice->frameCounter() != before, 2000);
}

TEST_F(BusyNotice, CancelLastsUntilTheNoticeCloses)
{
    cartel.CartelInicio("t", true);
    EXPECT_TRUE(cancel()->isVisibleTo(cartel.window()));
    EXPECT_FALSE(mostrar());
    QTest::mouseClick(cancel(), Qt::LeftButton);
    EXPECT_EQ(cancel()->text(), "Abortado");
    EXPECT_TRUE(mostrar());
    EXPECT_TRUE(mostrar("otra"));
    for (int i = 0; i < 5; ++i)
        cartel.window()->Timer1_Timer();

    cartel.CartelCerrar();
    EXPECT_EQ(cartel.window(), nullptr);
    cartel.CartelInicio("t", true);
    EXPECT_FALSE(mostrar());
    EXPECT_EQ(cartel.window()->frameCounter(), 0);
    EXPECT_EQ(cancel()->text(), "&Cancelar");
}

TEST_F(BusyNotice, ClosingStopsAndReleasesTheWindow)
{
    cartel.CartelInicio("t", false);
    QPointer<QWidget> notice = cartel.window();
    QTimer* timer = cartel.window()->Timer1();
    EXPECT_TRUE(timer->isActive());
    cartel.CartelCerrar();
    EXPECT_TRUE(notice.isNull());
    // Closing a notice that was never opened shows nothing.
    dialogs.clear();
    cartel.CartelCerrar();
    EXPECT_TRUE(dialogs.prompts().isEmpty());
    EXPECT_EQ(cartel.window(), nullptr);
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_FALSE(w->objectName() == "Lbf_CtrlDisplay" && w->isVisible());
}

TEST_F(BusyNotice, AlwaysVisibleTakesTheNoticeInAndOutOfTheTopBand)
{
    cartel.CartelInicio("t", false);
    const QPoint at = cartel.window()->pos();
    EXPECT_FALSE(cartel.window()->windowFlags() & Qt::WindowStaysOnTopHint);
    cartel.setSiempre_Visible(true);
    EXPECT_TRUE(cartel.window()->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(cartel.window()->isVisible());
    EXPECT_EQ(cartel.window()->pos(), at);
    cartel.setSiempre_Visible(false);
    EXPECT_FALSE(cartel.window()->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(cartel.window()->isVisible());
}

} // namespace
