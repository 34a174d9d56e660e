// The box as an operator drives it: keys in the text box and the list, clicks on the list
// and the images, the codes handed to the host, and the layout.
#include "CodeBoxFixture.h"

#include "codebox/BoxImage.h"
#include "codebox/SearchTextBox.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QTest>

class KeyboardAndClicks : public CodeBoxFixture {
protected:
    void SetUp() override
    {
        showHost();
        ASSERT_TRUE(bind(QStringLiteral("V_TA_Rubros")));
        statements.clear();
    }
    QListWidget* list() const { return box->LstBusqueda(); }
    QString text() const { return box->TxtBusqueda()->text(); }
    void clickLine(int row)
    {
        const QRect rect = list()->visualItemRect(list()->item(row));
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, rect.center());
    }
};

TEST_F(KeyboardAndClicks, DownTakesTheFirstLineAndArrowsWalkTheListWithoutSearching)
{
    type(QStringLiteral("r"));   // Electricidad, Ferretería, Lubricantes
    ASSERT_EQ(list()->count(), 3);
    statements.clear();
    press(Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), list());
    EXPECT_EQ(list()->currentRow(), 0);
    EXPECT_EQ(text(), QStringLiteral("Electricidad"));
    press(Qt::Key_Down, list());
    EXPECT_EQ(text(), QStringLiteral("Ferretería"));
    EXPECT_TRUE(statements.isEmpty());
    EXPECT_EQ(list()->count(), 3);
    EXPECT_TRUE(codes.isEmpty());
    press(Qt::Key_Return, list());
    EXPECT_EQ(codes, QStringList({QStringLiteral("1")}));   // "   1" without its blanks
}

TEST_F(KeyboardAndClicks, AClickShowsTheDescriptionAndADoubleClickHandsOverTheCode)
{
    type(QStringLiteral("r"));
    clickLine(2);
    EXPECT_EQ(text(), QStringLiteral("Lubricantes"));
    EXPECT_EQ(list()->count(), 3);
    EXPECT_TRUE(codes.isEmpty());
    const QRect rect = list()->visualItemRect(list()->item(1));
    doubleClick(list()->viewport(), rect.center());
    ASSERT_FALSE(codes.isEmpty());
    EXPECT_EQ(codes.last(), QStringLiteral("1"));
    EXPECT_EQ(box->Codigo, QStringLiteral("1"));
}

TEST_F(KeyboardAndClicks, AChosenLineThatLeavesTheTextAsItWasDoesNotSwallowTheNextKey)
{
    ASSERT_TRUE(bind(QStringLiteral("V_TA_Unidad")));
    type(QStringLiteral("Unidad"));
    ASSERT_EQ(list()->count(), 1);
    press(Qt::Key_Down);
    EXPECT_EQ(text(), QStringLiteral("Unidad"));
    box->TxtBusqueda()->setFocus();
    statements.clear();
    type(QStringLiteral("x"));
    ASSERT_EQ(statements.size(), 1);   // the original's flag would have eaten this search
    EXPECT_TRUE(statements.first().contains(QStringLiteral("'%Unidadx%'")));
}

TEST_F(KeyboardAndClicks, BackspaceInTheListShortensTheTextAndSearchesAgain)
{
    type(QStringLiteral("elec"));
    press(Qt::Key_Down);
    box->TxtBusqueda()->blockSignals(true);
    box->TxtBusqueda()->setText(QStringLiteral("ABCD"));
    box->TxtBusqueda()->blockSignals(false);
    statements.clear();
    press(Qt::Key_Backspace, list());
    EXPECT_EQ(text(), QStringLiteral("ABC"));
    ASSERT_EQ(statements.size(), 1);
    EXPECT_TRUE(statements.first().contains(QStringLiteral("'%ABC%'")));
    EXPECT_EQ(QApplication::focusWidget(), list());
}

TEST_F(KeyboardAndClicks, EscClearsTheEntryOnceFromTheTextBoxOrTheList)
{
    type(QStringLiteral("lub"));
    press(Qt::Key_Escape);
    EXPECT_TRUE(text().isEmpty());
    EXPECT_TRUE(box->Buscar.isEmpty());
    EXPECT_EQ(codes, QStringList({QString()}));   // the original raised it twice
    type(QStringLiteral("lub"));
    press(Qt::Key_Down);
    press(Qt::Key_Escape, list());
    EXPECT_EQ(codes, QStringList({QString(), QString()}));
    EXPECT_TRUE(text().isEmpty());
}

TEST_F(KeyboardAndClicks, EnterHandsOverTheTypedTextUnlessItMayBeANewRow)
{
    type(QStringLiteral("elec"));   // a line found
    press(Qt::Key_Return);
    EXPECT_EQ(codes.last(), QStringLiteral("elec"));
    box->TxtBusqueda()->clear();
    type(QStringLiteral("zzzz"));   // four characters: a code, no question
    press(Qt::Key_Return);
    EXPECT_EQ(codes.last(), QStringLiteral("zzzz"));
    EXPECT_TRUE(boxes().isEmpty());
    type(QStringLiteral("z"));      // five, nothing found, the add image shown: asked
    dialogs.pushMsgBoxAnswer(ui::vbNo);
    press(Qt::Key_Return);
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_EQ(boxes().first().text, QStringLiteral("Rubros\r\nDesea dar de alta un registro nuevo?"));
    EXPECT_EQ(boxes().first().title, QStringLiteral("Aviso al operador"));
    EXPECT_EQ(boxes().first().style, ui::vbYesNo);
    EXPECT_EQ(codes.last(), QStringLiteral("zzzzz"));   // No hands over the text
    // Without the right to add, never asked.
    ASSERT_TRUE(bind(QStringLiteral("V_TA_Rubros"), QStringLiteral("COMPRAS")));
    type(QStringLiteral("y"));
    press(Qt::Key_Return);
    EXPECT_EQ(boxes().size(), 1);
    EXPECT_EQ(codes.last(), QStringLiteral("zzzzzy"));
}

TEST_F(KeyboardAndClicks, ALongCodeComesBackWhole)
{
    run(QStringLiteral("INSERT INTO V_MA_MANTENIMIENTOS (CODIGO, DESCRIPCION) VALUES ('MANT-CALDERA-000000017', 'Service de caldera')"));
    ASSERT_TRUE(bind(QStringLiteral("V_MA_MANTENIMIENTOS")));
    type(QStringLiteral("caldera"));
    ASSERT_EQ(list()->count(), 1);
    press(Qt::Key_Down);
    press(Qt::Key_Return, list());
    EXPECT_EQ(codes.last(), QStringLiteral("MANT-CALDERA-000000017"));   // the original kept its last 15 characters
}

TEST_F(KeyboardAndClicks, TheClearAndAcceptImages)
{
    type(QStringLiteral("lub"));
    click(box->ImgX());
    EXPECT_TRUE(text().isEmpty());
    EXPECT_EQ(codes, QStringList({QString()}));
    // Accept with a chosen line: that line's code.
    type(QStringLiteral("r"));
    press(Qt::Key_Down);
    press(Qt::Key_Down, list());
    click(box->IMGOK());
    EXPECT_EQ(codes.last(), QStringLiteral("1"));
    // Accept with no line chosen: as Enter in the text box.
    box->TxtBusqueda()->clear();
    type(QStringLiteral("abc"));
    click(box->IMGOK());
    EXPECT_EQ(codes.last(), QStringLiteral("abc"));
    EXPECT_EQ(codes.size(), 3);
}

TEST_F(KeyboardAndClicks, FocusPutsTheCaretAtTheEnd)
{
    box->TxtBusqueda()->blockSignals(true);
    box->TxtBusqueda()->setText(QStringLiteral("ferre"));
    box->TxtBusqueda()->blockSignals(false);
    box->TxtBusqueda()->setCursorPosition(1);
    list()->setFocus();
    box->TxtBusqueda()->setFocus(Qt::TabFocusReason);   // a tab would select the whole text
    EXPECT_EQ(box->TxtBusqueda()->cursorPosition(), 5);
    EXPECT_FALSE(box->TxtBusqueda()->hasSelectedText());
}

TEST_F(KeyboardAndClicks, LayoutInTwips)
{
    // The box is 4500 x 3000 twips: the images share the right end of the text line.
    EXPECT_EQ(box->TxtBusqueda()->geometry(), QRect(0, 0, ui::Twips::toPixels(4500 - (3 * 240 + 100)), ui::Twips::toPixels(285)));
    EXPECT_EQ(box->IMGOK()->x(), ui::Twips::toPixels(3680 + 10));
    EXPECT_EQ(box->imgMas()->x(), ui::Twips::toPixels(3690 + 240 + 10));
    EXPECT_EQ(box->ImgX()->x(), ui::Twips::toPixels(3940 + 240 + 10));
    EXPECT_EQ(box->LstBusqueda()->geometry(),
              QRect(ui::Twips::toPixels(20), ui::Twips::toPixels(305), ui::Twips::toPixels(4460), ui::Twips::toPixels(3000)));
    ui::Twips::place(box, 300, 300, 6000, 2000);
    EXPECT_EQ(box->TxtBusqueda()->width(), ui::Twips::toPixels(6000 - 820));
    EXPECT_EQ(box->LstBusqueda()->width(), ui::Twips::toPixels(5960));
}

TEST_F(KeyboardAndClicks, TheOpenListAsTheOperatorSeesIt)
{
    type(QStringLiteral("r"));
    press(Qt::Key_Down);
    ASSERT_EQ(list()->count(), 3);
    const QImage shot = host->grab().toImage();
    ASSERT_FALSE(shot.isNull());
    // The list is painted under the text line, white behind the box.
    const QPoint inside = box->mapTo(host.get(), QPoint(box->width() - 3, box->TxtBusqueda()->height() / 2));
    EXPECT_EQ(shot.pixelColor(inside.x() - 60, inside.y()), QColor(Qt::white));
    const QString folder = qEnvironmentVariable("RPQ_SCREENSHOT_DIR");
    if (!folder.isEmpty()) {
        EXPECT_TRUE(shot.save(QDir(folder).filePath(QStringLiteral("codebox_list.png"))));
    }
}

TEST_F(KeyboardAndClicks, AParenthesisIsTypedLikeAnyOtherCharacter)
{
    // "(" is no Down arrow: it stays in the box and searches.
    type(QStringLiteral("(a"));
    EXPECT_EQ(text(), QStringLiteral("(a"));
    EXPECT_EQ(QApplication::focusWidget(), box->TxtBusqueda());
    EXPECT_TRUE(statements.last().contains(QStringLiteral("'%(a%'")));
}

TEST_F(KeyboardAndClicks, AnErrorInTheHostsHandlerStaysInTheBox)
{
    // The host's handler runs while the box hands over the code; what it raises is passed
    // over there, as every failing step of the hand-over is.
    QObject::connect(box, &codebox::BusquedaCodigo::CodigoObtenido, [] { vb::raise(11); });
    type(QStringLiteral("r"));
    const QRect rect = list()->visualItemRect(list()->item(0));
    EXPECT_NO_THROW(doubleClick(list()->viewport(), rect.center()));
    EXPECT_NO_THROW(click(box->IMGOK()));
    EXPECT_NO_THROW(click(box->ImgX()));
    EXPECT_NO_THROW(press(Qt::Key_Return));
    EXPECT_EQ(codes.size(), 4);
}

TEST_F(KeyboardAndClicks, TabbingIntoTheListChoosesNoLine)
{
    type(QStringLiteral("r"));
    ASSERT_EQ(list()->count(), 3);
    press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), list());
    EXPECT_EQ(text(), QStringLiteral("r"));   // the typed text is not replaced by a line nobody chose
    EXPECT_TRUE(list()->selectedItems().isEmpty());
    press(Qt::Key_Return, list());
    EXPECT_EQ(codes, QStringList({QString()}));   // no line chosen, no code
    press(Qt::Key_Down, list());                  // the first arrow takes the first line
    EXPECT_EQ(text(), QStringLiteral("Electricidad"));
    press(Qt::Key_Return, list());
    EXPECT_EQ(codes.last(), QStringLiteral("2"));
}
