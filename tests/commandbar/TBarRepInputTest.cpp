#include "BarFixture.h"

#include "commandbar/ItemSurface.h"
#include "ui/DialogServiceScope.h"
#include "ui/ScriptedDialogService.h"
#include "vb/Error.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>

using cbartest::BarFixture;

namespace {

void moveOver(QWidget* w)
{
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    QMouseEvent move(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

void sendMouse(QWidget* w, QEvent::Type type)
{
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, at, w->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

// What the window system delivers for a double click.
void doubleClick(QWidget* w)
{
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonPress,
                              QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease})
        sendMouse(w, type);
}

} // namespace

class BarInput : public BarFixture {
protected:
    void SetUp() override
    {
        BarFixture::SetUp();
        bar->show();
    }
    void clickOn(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }
};

TEST_F(BarInput, ClickRaisesTheCaptionFromAnyOfTheItemsControls)
{
    clickOn(bar->itemBox(0));
    clickOn(bar->captionLabel(3));
    EXPECT_EQ(clicks, QStringList({"Pantalla", "Mensaje"}));
    EXPECT_EQ(bar->ActiveIndex(), 3);
    EXPECT_TRUE(checks.isEmpty());
}

TEST_F(BarInput, ClickOnDisabledHiddenOrWithTheBarDisabledDoesNothing)
{
    bar->SetActive("PANTALLA");
    bar->SetItemEnabled("CONSULTAR", false);
    bar->HandleItemClick(2);
    bar->SetItemVisible("CERRAR", false);
    bar->HandleItemClick(4);
    bar->HandleItemClick(7);
    bar->setEnabled(false);
    clickOn(bar->itemBox(1));
    EXPECT_TRUE(clicks.isEmpty());
    EXPECT_EQ(bar->ActiveIndex(), 0);
}

TEST_F(BarInput, CheckableItemTogglesBeforeItsClick)
{
    bar->setImpresoraCheckable(true);
    QStringList order;
    QObject::connect(bar.get(), &commandbar::TBarRep::CheckClick, [&](bool, const QString&) { order << "check"; });
    QObject::connect(bar.get(), &commandbar::TBarRep::click, [&](const QString&) { order << "click"; });
    clickOn(bar->itemBox(1));
    clickOn(bar->itemBox(1));
    EXPECT_EQ(checks, QStringList({"True Impresora", "False Impresora"}));
    EXPECT_EQ(clicks, QStringList({"Impresora", "Impresora"}));
    EXPECT_EQ(order, QStringList({"check", "click", "check", "click"}));
    EXPECT_EQ(changed.count("ImpresoraChecked"), 0);   // a click is no design change
}

TEST_F(BarInput, NotCheckableItemKeepsItsCheckState)
{
    clickOn(bar->itemBox(1));
    EXPECT_TRUE(checks.isEmpty());
    EXPECT_FALSE(bar->ImpresoraChecked());
    bar->setCompartirCheckable(true);
    clickOn(bar->itemBox(3));
    EXPECT_EQ(checks, QStringList({"True Mensaje"}));
}

TEST_F(BarInput, PointerHoversUsableItemsOnly)
{
    moveOver(bar->itemBox(2));
    EXPECT_EQ(bar->HoverIndex(), 2);
    moveOver(bar->captionLabel(4));
    EXPECT_EQ(bar->HoverIndex(), 4);
    bar->SetItemEnabled("PANTALLA", false);
    moveOver(bar->itemBox(0));
    EXPECT_EQ(bar->HoverIndex(), -1);
    moveOver(bar->itemBox(1));
    moveOver(bar.get());
    EXPECT_EQ(bar->HoverIndex(), -1);
}

TEST_F(BarInput, DisabledBarNeitherHoversNorAnswersKeys)
{
    bar->SetHoverItem(1);
    bar->setEnabled(false);
    EXPECT_EQ(bar->HoverIndex(), -1);
    moveOver(bar->itemBox(1));
    EXPECT_EQ(bar->HoverIndex(), -1);
    bar->KeyAnalisis(116);
    bar->KeyAnalisis(27);
    EXPECT_TRUE(clicks.isEmpty());
    bar->setEnabled(true);
    bar->KeyAnalisis(116);
    EXPECT_EQ(clicks, QStringList({"CONSULTAR"}));
}

TEST_F(BarInput, LosingFocusClearsHoverAndActive)
{
    bar->SetActive("CERRAR");
    bar->SetHoverItem(2);
    QFocusEvent out(QEvent::FocusOut);
    QApplication::sendEvent(bar.get(), &out);
    EXPECT_EQ(bar->ActiveIndex(), -1);
    EXPECT_EQ(bar->HoverIndex(), -1);
}

TEST_F(BarInput, ErrorOfTheHostsClickHandlerIsReportedNotThrown)
{
    QObject::connect(bar.get(), &commandbar::TBarRep::click, [](const QString&) { vb::raise(5, "Llamada no valida", "Host"); });
    QStringList reported;
    bar->setErrorHandler([&](const vb::Error& e, const QString& routine) {
        reported << QString::number(e.number()) + " " + routine;
    });
    EXPECT_NO_THROW(clickOn(bar->itemBox(0)));
    EXPECT_EQ(reported, QStringList({"5 HandleItemClick"}));
    EXPECT_EQ(bar->ActiveIndex(), 0);
}

TEST_F(BarInput, UnhandledClickErrorGoesToTheDialogService)
{
    ui::ScriptedDialogService dialogs;
    ui::DialogServiceScope scope(dialogs);
    QObject::connect(bar.get(), &commandbar::TBarRep::click, [](const QString&) { vb::raise(91, "Sin objeto", "Host"); });
    bar->HandleItemClick(4);
    ASSERT_EQ(dialogs.prompts().size(), 1);
    EXPECT_TRUE(dialogs.last().text.contains("(91) Sin objeto"));
    EXPECT_EQ(dialogs.last().icon, 16);
}

TEST_F(BarInput, DoubleClickIsOneClick)
{
    doubleClick(bar->itemBox(0));
    EXPECT_EQ(clicks, QStringList({"Pantalla"}));
    bar->setImpresoraCheckable(true);
    doubleClick(bar->captionLabel(1));
    EXPECT_EQ(checks, QStringList({"True Impresora"}));
    EXPECT_TRUE(bar->ImpresoraChecked());
    // The click after a double click counts again.
    clickOn(bar->itemBox(1));
    EXPECT_EQ(clicks, QStringList({"Pantalla", "Impresora", "Impresora"}));
    EXPECT_FALSE(bar->ImpresoraChecked());
}

TEST_F(BarInput, ClickCarriesTheCaptionAsTheCheckHandlerLeftIt)
{
    bar->setCompartirCheckable(true);
    QObject::connect(bar.get(), &commandbar::TBarRep::CheckClick, [this](bool checked, const QString&) {
        bar->AddItem("COMPARTIR", checked ? "Compartido" : "Mensaje", "");
    });
    clickOn(bar->itemBox(3));
    clickOn(bar->itemBox(3));
    EXPECT_EQ(checks, QStringList({"True Mensaje", "False Compartido"}));
    EXPECT_EQ(clicks, QStringList({"Compartido", "Mensaje"}));
}
