// The range boxes as the operator fills them: focus colours, Enter and Down arrow checking and
// moving on, the key filter, and the rules of each kind of box.
#include "ReportWindowTestBase.h"

#include "app/AppModule.h"
#include "commandbar/ColorStyle.h"
#include "commandbar/TBarRep.h"
#include "reports/ReportKind.h"
#include "ui/ScriptedDialogService.h"
#include "vb/Conversions.h"
#include "vb/DateTime.h"
#include "vb/Regional.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

#include <iostream>
#include <vector>

using C = reports::ReportControls;

class FieldEntry : public ReportWindowTest {
protected:
    void SetUp() override { open("OC"); }

    void addAccount(const QString& code, const QString& optional = {})
    {
        execute(QStringLiteral("INSERT INTO MA_CUENTAS (Codigo, CodigoOpcional, Tipo) VALUES ('%1', %2, 'P')")
                    .arg(code, optional.isEmpty() ? QStringLiteral("NULL") : u'\'' + optional + u'\''));
    }
    // shown: what the box keeps of what was typed, the same by default.
    void expectRejected(int index, const QString& typed, const QString& message, const QString& shown = {})
    {
        const qsizetype before = boxes().size();
        EXPECT_EQ(enter(index, typed), shown.isNull() ? typed : shown);
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

// Every form of a date that fits the date boxes' ten characters, typed key by key in the four
// date boxes, is accepted on Enter, and the report asked for then selects from the date meant:
// a month and year is its first day, in the To boxes too.
TEST_F(FieldEntry, EveryDateFormThatFitsTheBoxesSelectsFromTheDateMeant)
{
    const vb::ClockScope clock(QDateTime(QDate(2026, 12, 9), QTime(10, 0)));
    recordReports();
    struct Form {
        const char* typed;
        const char* meant;
    };
    for (const Form& form : {Form{"1/3/2024", "Date(2024,03,01)"}, Form{"01-03-2024", "Date(2024,03,01)"},
                             Form{"1.3.2024", "Date(2024,03,01)"}, Form{"1/3/24", "Date(2024,03,01)"},
                             Form{"2024-03-01", "Date(2024,03,01)"}, Form{"2024/3/1", "Date(2024,03,01)"},
                             Form{"3/2024", "Date(2024,03,01)"}, Form{"6/2024", "Date(2024,06,01)"},
                             Form{"1/3", "Date(2026,03,01)"}, Form{"1/13/2024", "Date(2024,01,13)"}}) {
        SCOPED_TRACE(form.typed);
        expectAccepted(C::FechaDesde, form.typed, form.typed, C::FechaHasta);
        expectAccepted(C::FechaHasta, form.typed, form.typed, C::ClienteDesde);
        expectAccepted(C::VtoDesde, form.typed, form.typed, C::VtoHasta);
        expectAccepted(C::VtoHasta, form.typed, form.typed, -1);
        clickBarItem(0);
        const QString table = window().TablaReporte();
        for (const char* column : {"Fecha", "FechaEntrega"}) {
            const QString range = QStringLiteral("{%1.%2} >= %3  AND {%1.%2} <= %3 ").arg(table, QLatin1String(column), QLatin1String(form.meant));
            EXPECT_TRUE(printedSelection().contains(range)) << printedSelection().toStdString();
        }
    }
    EXPECT_TRUE(boxes().isEmpty()) << messages().join('\n').toStdString();
}

// A form longer than the box, typed key by key, keeps only its digits and separators; what is
// left is refused on Enter or is the date those digits make, never a date cut short: the year
// 202 of "15 mar 2024", this year's 20 February of "febrero 2024".
TEST_F(FieldEntry, ALongerFormTypedKeyByKeyIsRefusedOrTheDateItsDigitsMake)
{
    recordReports();
    struct Form {
        const char* typed;
        const char* shown;
        const char* meant;   // null: refused on Enter
    };
    const Form forms[] = {
        {"15 mar 2024", "152024", nullptr},           {"febrero 2024", "2024", nullptr},
        {"1 de marzo de 2024", "12024", nullptr},     {"agosto 24", "24", nullptr},
        {"10:30", "1030", nullptr},                   {"marzo 2024", "2024", nullptr},
        {"1 mar 2024", "12024", nullptr},             {"15-mar-2024", "15--2024", nullptr},
        {"1/3/2024 10:30", "1/3/202410", nullptr},    {"1/3/24 10:30", "1/3/241030", nullptr},
        {"1.3.24 10.30", "1.3.2410.3", nullptr},      {"1/3/24 9am", "1/3/249", nullptr},
        {"20240301", "20240301", nullptr},
        {"01/03/2024 10:30", "01/03/2024", "Date(2024,03,01)"},
        {"2024-03-01 10:30:00", "2024-03-01", "Date(2024,03,01)"},
        {"15/03/2024, 8 hs", "15/03/2024", "Date(2024,03,15)"},
        {"1/3/24 10am", "1/3/2410", "Date(2410,03,01)"},
    };
    const QString table = window().TablaReporte();
    for (const Form& form : forms) {
        SCOPED_TRACE(form.typed);
        field(C::FechaHasta)->clear();
        if (!form.meant) {
            expectRejected(C::FechaDesde, form.typed, QStringLiteral("La fecha ingresada no es correcta!!"), form.shown);
            continue;
        }
        expectAccepted(C::FechaDesde, form.typed, form.shown, C::FechaHasta);
        clickBarItem(0);
        EXPECT_TRUE(printedSelection().contains(QStringLiteral("{%1.Fecha} >= %2 ").arg(table, QLatin1String(form.meant))))
            << printedSelection().toStdString();
    }
}

// Every form with letters or a time that the date reading takes (a month name, written out or cut
// short, between any separators; a time after the date), typed key by key into Fecha. Most do not
// fit the box, and none keeps its letters: what is left is refused on Enter, or selects from the
// date meant. A separator left beside another where a month name was ("1--24" of "1-feb-24") is
// refused. Only an hour typed after a two-digit year can join the year (1/3/24 10 pm is
// 1/3/2410), which gives a year past 2400, never a date near the one meant.
TEST_F(FieldEntry, EveryFormWithLettersOrATimeTypedKeyByKeyIsRefusedOrTheDateMeant)
{
    recordReports();
    const vb::RegionalSettings& regional = vb::Regional::current();
    struct Form {
        QString typed;
        QDate meant;
    };
    std::vector<Form> forms;
    for (int month = 1; month <= 12; ++month) {
        for (const QString& name : {regional.monthNames.at(month - 1), regional.monthAbbreviations.at(month - 1)}) {
            for (const int day : {1, 15, 28}) {
                for (const char* shape : {"%1 %2 2024", "%1 de %2 de 2024", "%1-%2-2024", "%1/%2/2024", "%1.%2.2024",
                                          "%1 %2, 2024", "%1-%2-24", "%1/%2/24", "%1 %2 24"})
                    forms.push_back({QString::fromLatin1(shape).arg(day).arg(name), QDate(2024, month, day)});
            }
            for (const char* shape : {"%1 2024", "%1 de 2024", "%1, 2024", "%1-2024", "%1/2024"})
                forms.push_back({QString::fromLatin1(shape).arg(name), QDate(2024, month, 1)});
        }
    }
    for (const char* date : {"1/3/2024", "01/03/2024", "1/3/24", "01/03/24", "2024-03-01", "1.3.24", "1-3-24"})
        for (const char* time : {"10:30", "9:30", "10:30:15", "23:59", "10 am", "10 pm", "9 pm", "10am"})
            forms.push_back({QStringLiteral("%1 %2").arg(QLatin1String(date), QLatin1String(time)), QDate(2024, 3, 1)});

    const QRegularExpression fits(QStringLiteral("^[0-9/.-]{0,10}$"));
    const QRegularExpression from(QStringLiteral("Fecha\\} >= Date\\((\\d+),(\\d+),(\\d+)\\)"));
    const QRegularExpression hourInYear(QStringLiteral("^\\d{1,2}[/.-]\\d{1,2}[/.-]\\d\\d \\d"));
    int refused = 0, meant = 0, joined = 0;
    for (const Form& form : forms) {
        SCOPED_TRACE(form.typed.toStdString());
        ASSERT_TRUE(vb::IsDate(form.typed));
        ASSERT_EQ(vb::CDate(form.typed).date(), form.meant);
        const qsizetype before = boxes().size();
        field(C::FechaHasta)->clear();
        const QString shown = enter(C::FechaDesde, form.typed);
        EXPECT_TRUE(fits.match(shown).hasMatch()) << shown.toStdString();
        if (boxes().size() > before) {
            ++refused;
            continue;
        }
        clickBarItem(0);
        const QRegularExpressionMatch m = from.match(printedSelection());
        ASSERT_TRUE(m.hasMatch()) << printedSelection().toStdString();
        const QDate selected(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
        if (selected == form.meant) {
            ++meant;
            continue;
        }
        ++joined;
        EXPECT_TRUE(hourInYear.match(form.typed).hasMatch()) << shown.toStdString() << " " << selected.toString(Qt::ISODate).toStdString();
        EXPECT_GE(selected.year(), 2400) << shown.toStdString();
    }
    // The sweep went each way.
    EXPECT_GT(refused, 600);
    EXPECT_GT(meant, 5);
    EXPECT_GT(joined, 0);
    std::cout << forms.size() << " forms: " << refused << " refused, " << meant << " the date meant, " << joined
              << " an hour joined to a two-digit year\n";
}

// A paste or a drop brings no more into a date box than the keys would: what the box keeps of
// the text, cut at its width, loses what the keys could not type. Other boxes keep it all.
TEST_F(FieldEntry, APastedFormKeepsOnlyWhatItsKeysWouldType)
{
    const auto paste = [this](int index, const QString& text) {
        QApplication::clipboard()->setText(text);
        focusField(index);
        field(index)->clear();
        field(index)->paste();
        return field(index)->text();
    };
    EXPECT_EQ(paste(C::FechaDesde, "01/03/2024 10:30"), "01/03/2024");
    EXPECT_EQ(paste(C::FechaDesde, "  1/3/2024"), "1/3/2024");
    EXPECT_EQ(paste(C::FechaDesde, "1 de marzo de 2024"), "1");
    EXPECT_EQ(paste(C::FechaDesde, "15 mar 2024"), "15202");
    EXPECT_EQ(paste(C::FechaDesde, "febrero 2024"), "20");
    press(Qt::Key_Return);
    EXPECT_EQ(messages(), QStringList{"La fecha ingresada no es correcta!! | Aviso al operador..."});
    // The cursor stays where the paste left it, among the characters it was pasted between.
    field(C::FechaDesde)->setText("1/3/2024");
    field(C::FechaDesde)->setCursorPosition(4);
    QApplication::clipboard()->setText(QStringLiteral(" x"));
    field(C::FechaDesde)->paste();
    EXPECT_EQ(field(C::FechaDesde)->text(), "1/3/2024");
    EXPECT_EQ(field(C::FechaDesde)->cursorPosition(), 4);
    EXPECT_EQ(paste(C::ClienteDesde, "ab 1:2"), "ab 1:2");
}

// A date the suite's database cannot hold, before 1 January 1753 (a year cut short, 15/03/202),
// is no date: each box refuses it on Enter with its own message, and the report asked for with
// it left in a box by Tab prints nothing and says which bound is wrong.
TEST_F(FieldEntry, ADateBeforeTheDatabasesFirstDayIsRefused)
{
    const auto log = recordReports();
    expectRejected(C::FechaDesde, "15/03/202", "La fecha ingresada no es correcta!!");
    expectRejected(C::FechaDesde, "31/12/1752", "La fecha ingresada no es correcta!!");
    expectRejected(C::FechaHasta, "1/3/1752", "La fecha ingresada no es correcta!!");
    expectRejected(C::VtoDesde, "15/03/202", "La fecha de Vencimiento ingresada no es correcta!!");
    expectRejected(C::VtoHasta, "1/1/100", "La fecha de Vencimiento ingresada no es correcta!!");
    expectAccepted(C::FechaDesde, "1/1/1753", "1/1/1753", C::FechaHasta);
    expectAccepted(C::VtoHasta, "1/1/1753", "1/1/1753", -1);

    const QString table = window().TablaReporte();
    struct Bound {
        int box;
        QString message;
    };
    const Bound bounds[] = {
        {C::FechaDesde, QStringLiteral("Fecha Desde Incorrecta , Campo : {%1.Fecha}").arg(table)},
        {C::FechaHasta, QStringLiteral("Fecha Hasta Incorrecta , Campo : {%1.Fecha}").arg(table)},
        {C::VtoDesde, QStringLiteral("Fecha Desde Incorrecta , Campo : {%1.FechaEntrega}").arg(table)},
        {C::VtoHasta, QStringLiteral("Fecha Hasta Incorrecta , Campo : {%1.FechaEntrega}").arg(table)},
    };
    for (const Bound& bound : bounds) {
        SCOPED_TRACE(bound.box);
        for (const int box : {C::FechaDesde, C::FechaHasta, C::VtoDesde, C::VtoHasta})
            field(box)->clear();
        typeInto(bound.box, "15/03/202");
        press(Qt::Key_Tab);
        const qsizetype before = boxes().size();
        log->calls.clear();
        clickBarItem(0);
        ASSERT_EQ(boxes().size(), before + 1);
        EXPECT_EQ(boxes().last().text, bound.message);
        EXPECT_TRUE(log->calls.filter("run").isEmpty()) << log->calls.join('\n').toStdString();
        field(bound.box)->setText("1/1/1753");
        clickBarItem(0);
        EXPECT_EQ(boxes().size(), before + 1) << messages().join('\n').toStdString();
        EXPECT_TRUE(printedSelection().contains(QStringLiteral("Date(1753,01,01)"))) << printedSelection().toStdString();
    }
}

// The wider boxes let month names through: a text a saved state still holds from them is read
// as before, in the box and in the report.
TEST_F(FieldEntry, AMonthNameFormKeptFromTheWiderBoxesIsStillRead)
{
    recordReports();
    field(C::FechaDesde)->setText("1 mar 2024");
    closeWithEsc();
    open("OC");
    ASSERT_EQ(field(C::FechaDesde)->text(), "1 mar 2024");
    focusField(C::FechaDesde);
    press(Qt::Key_Return);
    EXPECT_TRUE(boxes().isEmpty()) << messages().join('\n').toStdString();
    EXPECT_EQ(focusedField(), C::FechaHasta);
    clickBarItem(0);
    EXPECT_TRUE(printedSelection().contains(QStringLiteral("{%1.Fecha} >= Date(2024,03,01) ").arg(window().TablaReporte())))
        << printedSelection().toStdString();
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
