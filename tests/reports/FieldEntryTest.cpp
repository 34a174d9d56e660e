// The range boxes as the operator fills them: focus colours, Enter and Down arrow checking and
// moving on, the key filter, and the rules of each kind of box.
#include "ReportWindowTestBase.h"

#include "app/AppModule.h"
#include "commandbar/ColorStyle.h"
#include "commandbar/TBarRep.h"
#include "reports/ReportKind.h"
#include "ui/ScriptedDialogService.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

using C = reports::ReportControls;

class FieldEntry : public ReportWindowTest {
protected:
    void SetUp() override { open("OC"); }

    void addAccount(const QString& code, const QString& optional = {})
    {
        execute(QStringLiteral("INSERT INTO MA_CUENTAS (Codigo, CodigoOpcional, Tipo) VALUES ('%1', %2, 'P')")
                    .arg(code, optional.isEmpty() ? QStringLiteral("NULL") : u'\'' + optional + u'\''));
    }
    void expectRejected(int index, const QString& typed, const QString& message)
    {
        const qsizetype before = boxes().size();
        EXPECT_EQ(enter(index, typed), typed);
        ASSERT_EQ(boxes().size(), before + 1) << typed.toStdString();
        const ui::ScriptedDialogService::Prompt box = boxes().last();
        EXPECT_EQ(box.text, message);
        EXPECT_EQ(box.title, "Aviso al operador...");
        EXPECT_EQ(box.style, 64);
        EXPECT_EQ(focusedField(), index) << typed.toStdString();
        EXPECT_TRUE(window().fieldEntry().ErrorValidacion());
    }
    void expectAccepted(int index, const QString& typed, const QString& shown, int next)
    {
        const qsizetype before = boxes().size();
        EXPECT_EQ(enter(index, typed), shown);
        EXPECT_EQ(boxes().size(), before) << typed.toStdString() << " " << messages().join('\n').toStdString();
        EXPECT_EQ(focusedField(), next) << typed.toStdString();
    }
};

TEST_F(FieldEntry, EnterInEmptyBoxesWalksThemInEntryOrderWithoutMessages)
{
    c().OptTipo[9]->setChecked(true);   // shows the article box, the last one
    focusField(C::FechaDesde);
    QList<int> walked{focusedField()};
    for (int i = 0; i < 16; ++i) {
        press(Qt::Key_Return);
        walked << focusedField();
    }
    EXPECT_EQ(walked, QList<int>({C::FechaDesde, C::FechaHasta, C::ClienteDesde, C::ClienteHasta, C::SucursalDesde,
                                  C::NroDesde, C::LetraDesde, C::SucursalHasta, C::NroHasta, C::LetraHasta,
                                  C::MotivoDesde, C::MotivoHasta, C::UsuarioDesde, C::UNegocio, C::VtoDesde,
                                  C::VtoHasta, C::IdArticulo}));
    EXPECT_TRUE(boxes().isEmpty());
    // The Down arrow moves on as Enter does; the article box is skipped while it is hidden.
    c().OptTipo[0]->setChecked(true);
    focusField(C::VtoHasta);
    press(Qt::Key_Down);
    EXPECT_FALSE(focusedField() == C::IdArticulo);
    EXPECT_EQ(focused(), c().OptTipo[0]);
}

TEST_F(FieldEntry, FocusColoursTheBoxAndTheConsultItemFollowsItsTag)
{
    app::state().configuration.ColorFondo = app::RGB(255, 255, 192);
    app::state().configuration.ColorLetra = app::RGB(0, 0, 128);
    focusField(C::ClienteDesde);
    EXPECT_EQ(field(C::ClienteDesde)->palette().color(QPalette::Base), QColor(255, 255, 192));
    EXPECT_EQ(field(C::ClienteDesde)->palette().color(QPalette::Text), QColor(0, 0, 128));
    EXPECT_TRUE(c().TBarRep1->ConsultaEnabled().toBool());
    EXPECT_EQ(window().fieldEntry().CampoActual(), C::ClienteDesde);

    focusField(C::NroDesde);
    EXPECT_EQ(field(C::ClienteDesde)->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(field(C::ClienteDesde)->palette().color(QPalette::Text), QColor(Qt::black));
    EXPECT_FALSE(c().TBarRep1->ConsultaEnabled().toBool());
    // Leaving the boxes for another control keeps the last state of the item.
    focus(c().OptTipo[1]);
    EXPECT_FALSE(c().TBarRep1->ConsultaEnabled().toBool());
    EXPECT_EQ(window().fieldEntry().CampoActual(), C::NroDesde);
}

// What the operator sees: the box is drawn in the focus colours over the suite's flat look, and
// plain again once left.
TEST_F(FieldEntry, TheFocusedBoxIsDrawnInTheFocusColours)
{
    app::state().configuration.ColorFondo = app::RGB(255, 255, 192);
    QLineEdit* box = field(C::MotivoDesde);
    ASSERT_FALSE(box->styleSheet().isEmpty()) << "the window has not the suite's flat look";
    const auto inside = [box] { return box->grab().toImage().pixelColor(box->width() - 4, box->height() / 2); };
    focusField(C::MotivoDesde);
    EXPECT_EQ(inside(), QColor(255, 255, 192));
    focusField(C::MotivoHasta);
    EXPECT_EQ(inside(), QColor(Qt::white));
}

TEST_F(FieldEntry, PointOfSaleAndNumberAreCompletedWithZeros)
{
    struct Case {
        int box;
        const char* typed;
        const char* shown;
    };
    for (const Case& test : {Case{C::SucursalDesde, "12", "0012"}, Case{C::SucursalHasta, "12345", "12345"},
                             Case{C::SucursalDesde, "7abc", "0007"}, Case{C::SucursalHasta, "abc", "0000"},
                             Case{C::NroDesde, "123", "00000123"}, Case{C::NroHasta, "9", "00000009"}})
        EXPECT_EQ(enter(test.box, test.typed), test.shown) << test.typed;
    EXPECT_TRUE(boxes().isEmpty());
    // Letters, motives, user, article and units take any text.
    EXPECT_EQ(enter(C::LetraDesde, "z"), "z");
    for (int box : {C::MotivoDesde, C::MotivoHasta, C::UsuarioDesde, C::UNegocio})
        EXPECT_EQ(enter(box, "zz"), "zz");
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(FieldEntry, AccountsMustExistAndAreShownByTheirCode)
{
    expectAccepted(C::ClienteDesde, "21100001", "21100001", C::ClienteHasta);
    expectRejected(C::ClienteDesde, "99999999", "La cuenta es inexistente.");
    // An account typed by its optional code is shown by its code.
    expectAccepted(C::ClienteDesde, "00003", "21100003", C::ClienteHasta);
    expectAccepted(C::ClienteHasta, "21100004", "21100004", C::SucursalDesde);
    expectRejected(C::ClienteHasta, "nadie", "La cuenta es inexistente.");
}

// A NUL pasted with a code ended the statement that looks the account up ("unrecognized
// token"): the box keeps no control character, so the look-up runs on the code meant.
TEST_F(FieldEntry, AControlCharacterPastedIntoABoxNeverReachesTheDatabase)
{
    addAccount("ABC");
    QApplication::clipboard()->setText(QStringLiteral("AB") + QChar(0) + QStringLiteral("C"));
    focusField(C::ClienteDesde);
    field(C::ClienteDesde)->clear();
    handed.clear();
    press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field(C::ClienteDesde)->text(), "ABC");
    press(Qt::Key_Return);
    EXPECT_TRUE(boxes().isEmpty()) << messages().join('\n').toStdString();
    EXPECT_EQ(focusedField(), C::ClienteHasta);
    ASSERT_FALSE(handed.isEmpty());
    for (const QString& sql : handed)
        EXPECT_FALSE(sql.contains(QChar(0))) << sql.toStdString();
}

TEST_F(FieldEntry, AccountsToBelowFromAreRejectedComparedAsTextWithoutCase)
{
    addAccount("B");
    addAccount("a");
    addAccount("9");
    addAccount("10");
    expectAccepted(C::ClienteDesde, "B", "B", C::ClienteHasta);
    expectRejected(C::ClienteHasta, "a", "Cuenta desde mayor a Cuenta Hasta");
    expectAccepted(C::ClienteDesde, "9", "9", C::ClienteHasta);
    expectRejected(C::ClienteHasta, "10", "Cuenta desde mayor a Cuenta Hasta");
    // An empty From accepts any existing To.
    field(C::ClienteDesde)->clear();
    expectAccepted(C::ClienteHasta, "10", "10", C::SucursalDesde);
}

// The From box left with Tab keeps the blanks typed after its code; the same account in the
// To box is still no reversed range, nor is a From code cut at the account's 15 characters.
TEST_F(FieldEntry, TheSameAccountInBothBoxesPassesWhateverBlanksFollowTheFromCode)
{
    typeInto(C::ClienteDesde, "21100004  ");
    press(Qt::Key_Tab);
    ASSERT_EQ(field(C::ClienteDesde)->text(), "21100004  ");
    expectAccepted(C::ClienteHasta, "21100004", "21100004", C::SucursalDesde);
    expectAccepted(C::ClienteHasta, "21100005", "21100005", C::SucursalDesde);
    expectRejected(C::ClienteHasta, "21100003", "Cuenta desde mayor a Cuenta Hasta");

    addAccount("ABCDEFGHIJKLMNO");
    field(C::ClienteDesde)->setText("abcdefghijklmnoZZ");
    expectAccepted(C::ClienteHasta, "ABCDEFGHIJKLMNO", "ABCDEFGHIJKLMNO", C::SucursalDesde);
}

TEST_F(FieldEntry, DatesMustBeDatesAndNotBeforeTheirFrom)
{
    expectRejected(C::FechaDesde, "31/02/2024", "La fecha ingresada no es correcta!!");
    expectAccepted(C::FechaDesde, "1/2/24", "1/2/24", C::FechaHasta);
    expectAccepted(C::FechaHasta, "01/02/2024", "01/02/2024", C::ClienteDesde);
    expectRejected(C::FechaHasta, "31/01/2024", "Fecha Desde Mayor que Hasta!!");
    expectRejected(C::FechaHasta, "31/13/2024", "La fecha ingresada no es correcta!!");

    expectRejected(C::VtoDesde, "30/02/2024", "La fecha de Vencimiento ingresada no es correcta!!");
    expectAccepted(C::VtoDesde, "10/03/2024", "10/03/2024", C::VtoHasta);
    expectRejected(C::VtoHasta, "09/03/2024", "Fecha Desde Mayor que Hasta!!");
    expectRejected(C::VtoHasta, "0/03/2024", "La fecha de Vencimiento ingresada no es correcta!!");
    // An empty From date accepts any valid To date.
    field(C::VtoDesde)->clear();
    expectAccepted(C::VtoHasta, "09/03/2024", "09/03/2024", -1);
    EXPECT_EQ(focused(), c().OptTipo[0]);   // past the hidden article box
}

// Every form of a date that fits the date boxes' ten characters can be typed there, as the README
// lists them.
TEST_F(FieldEntry, DateBoxesTakeEveryFormTheDateReadingTakes)
{
    for (const char* typed : {"01-03-2024", "1.3.2024", "1/3/24", "2024-03-01", "2024/3/1", "1 mar 2024", "marzo 2024", "3/2024", "1/3"}) {
        SCOPED_TRACE(typed);
        field(C::FechaDesde)->clear();
        expectAccepted(C::FechaHasta, typed, typed, C::ClienteDesde);
    }
    expectAccepted(C::FechaDesde, "1 mar 2024", "1 mar 2024", C::FechaHasta);
    expectRejected(C::FechaHasta, "29-02-2024", "Fecha Desde Mayor que Hasta!!");
    // What no date holds is not let through; other boxes take it.
    typeInto(C::VtoDesde, "1+3*2024_#");
    EXPECT_EQ(field(C::VtoDesde)->text(), "132024");
    typeInto(C::ClienteDesde, "ab+12");
    EXPECT_EQ(field(C::ClienteDesde)->text(), "ab+12");
}

TEST_F(FieldEntry, AFromDateThatIsNoDateIsReportedByTheErrorDialog)
{
    field(C::FechaDesde)->setText("99/99/9999");
    dialogs.pushMsgBoxAnswer(ui::vbIgnore);
    // Ignore goes on with the check: the To date is valid, so the box is accepted.
    EXPECT_EQ(enter(C::FechaHasta, "01/01/2024"), "01/01/2024");
    EXPECT_EQ(focusedField(), C::ClienteDesde);
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_TRUE(boxes().first().text.startsWith("Error 13")) << boxes().first().text.toStdString();
    EXPECT_EQ(boxes().first().style, ui::vbAbortRetryIgnore + ui::vbCritical);
}

TEST_F(FieldEntry, LeavingABoxWithTabChecksNothing)
{
    typeInto(C::FechaDesde, "31/02/2024");
    press(Qt::Key_Tab);
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_EQ(field(C::FechaDesde)->text(), "31/02/2024");
    EXPECT_EQ(focusedField(), C::FechaHasta);
}

TEST_F(FieldEntry, AbortOnTheErrorDialogLeavesTheCheckAndEnterStillMovesOn)
{
    field(C::VtoDesde)->setText("99/99/9999");
    dialogs.pushMsgBoxAnswer(ui::vbAbort);
    EXPECT_EQ(enter(C::VtoHasta, "01/01/2024"), "01/01/2024");
    EXPECT_EQ(boxes().size(), 1);
    EXPECT_FALSE(window().fieldEntry().ErrorValidacion());
    EXPECT_EQ(focused(), c().OptTipo[0]);
}

TEST_F(FieldEntry, CampoValidaTakesTheIndexAsAnyNumberOrText)
{
    field(C::SucursalHasta)->setText("3");
    window().CampoValida(vb::Variant(QStringLiteral("3")), field(C::SucursalHasta));
    EXPECT_EQ(field(C::SucursalHasta)->text(), "0003");
    field(C::ClienteDesde)->setText("00002");
    window().CampoValida(vb::Variant(6), field(C::ClienteDesde));
    EXPECT_EQ(field(C::ClienteDesde)->text(), "21100002");
    EXPECT_FALSE(window().fieldEntry().ErrorValidacion());
}
