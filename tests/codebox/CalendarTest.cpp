// The date mode: month grids, the mask key by key, the combos, day clicks, Esc and Enter.
#include "CodeBoxFixture.h"

#include "codebox/CalendarFrame.h"
#include "codebox/MonthCalendar.h"
#include "ui/Control.h"
#include "ui/Twips.h"
#include "vb/DateTime.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QTest>

using codebox::MonthCalendar;

namespace {

// Index of day 1 and of the last day in a month's grid.
std::pair<int, int> span(int month, int year)
{
    const MonthCalendar::Grid grid = MonthCalendar::grid(month, year);
    int first = -1;
    int last = -1;
    for (int i = 0; i < MonthCalendar::Cells; ++i) {
        if (grid[std::size_t(i)].caption == QLatin1String("."))
            continue;
        if (first < 0)
            first = i;
        last = i;
    }
    return {first, last};
}

} // namespace

TEST(MonthGrid, MonthsStartUnderTheirWeekdaySundayFirst)
{
    EXPECT_EQ(span(9, 2024), std::make_pair(0, 29));    // Sunday
    EXPECT_EQ(span(1, 2024), std::make_pair(1, 31));    // Monday
    EXPECT_EQ(span(10, 2024), std::make_pair(2, 32));   // Tuesday
    EXPECT_EQ(span(5, 2024), std::make_pair(3, 33));    // Wednesday
    EXPECT_EQ(span(2, 2024), std::make_pair(4, 32));    // Thursday, 29 days
    EXPECT_EQ(span(3, 2024), std::make_pair(5, 35));    // Friday
    EXPECT_EQ(span(3, 2025), std::make_pair(6, 36));    // Saturday, 31 days: the sixth row is needed
}

TEST(MonthGrid, MarchTwentyTwentyFourCellByCell)
{
    const MonthCalendar::Grid grid = MonthCalendar::grid(3, 2024);
    for (int i = 0; i <= 4; ++i) {
        EXPECT_EQ(grid[std::size_t(i)].caption, QStringLiteral("."));
        EXPECT_FALSE(grid[std::size_t(i)].enabled);
        EXPECT_EQ(grid[std::size_t(i)].colour, QColor(0, 0, 0));
    }
    EXPECT_EQ(grid[5].caption, QStringLiteral("1"));
    EXPECT_EQ(grid[5].colour, QColor(0, 0, 255));    // Friday
    EXPECT_EQ(grid[6].colour, QColor(255, 0, 0));    // Saturday 2
    EXPECT_EQ(grid[7].colour, QColor(255, 0, 0));    // Sunday 3
    EXPECT_EQ(grid[8].colour, QColor(0, 0, 255));    // Monday 4
    EXPECT_EQ(grid[35].caption, QStringLiteral("31"));
    EXPECT_EQ(grid[35].colour, QColor(255, 0, 0));   // Sunday
    for (int i = 36; i < 42; ++i)
        EXPECT_EQ(grid[std::size_t(i)].caption, QStringLiteral("."));
    // A month that is no month: dots only.
    for (const MonthCalendar::Cell& cell : MonthCalendar::grid(0, 2024))
        EXPECT_EQ(cell.caption, QStringLiteral("."));
}

TEST(MonthGrid, DaysOfTheMonthAndMonthNames)
{
    EXPECT_EQ(MonthCalendar::CantidadDeDiasDelmes(2, 2024), 29);
    EXPECT_EQ(MonthCalendar::CantidadDeDiasDelmes(2, 2023), 28);
    EXPECT_EQ(MonthCalendar::CantidadDeDiasDelmes(2, 1900), 28);
    EXPECT_EQ(MonthCalendar::CantidadDeDiasDelmes(2, 2000), 29);
    EXPECT_EQ(MonthCalendar::CantidadDeDiasDelmes(12, 2023), 31);
    EXPECT_EQ(MonthCalendar::CantidadDeDiasDelmes(4, 2023), 30);
    EXPECT_EQ(MonthCalendar::Nromes(QStringLiteral("MARZO")), 3);
    EXPECT_EQ(MonthCalendar::Nromes(QStringLiteral("septiembre")), 9);
    EXPECT_EQ(MonthCalendar::Nromes(QStringLiteral("Marzo ")), 0);
    EXPECT_EQ(MonthCalendar::NombreMes(12), QStringLiteral("Diciembre"));
    EXPECT_TRUE(MonthCalendar::NombreMes(13).isEmpty());
    EXPECT_TRUE(MonthCalendar::NombreMes(0).isEmpty());
}

class DateBox : public CodeBoxFixture {
protected:
    void SetUp() override
    {
        showHost();
        ASSERT_TRUE(bind(QStringLiteral("FECHA")));
        ui::Twips::place(box, 300, 300, 4000, 3600);   // a resize lays the box out as a date field
    }
    codebox::CalendarFrame* calendar() const { return box->Calendar(); }
    QString text() const { return box->TxtBusqueda()->text(); }
    QString monthText() const { return calendar()->CmbMes()->currentText(); }
    QString yearText() const { return calendar()->CmbAnio()->currentText(); }
    int dayButton(int day) const { return box->IndCaption(day); }
    vb::ClockScope clock{QDateTime(QDate(2026, 8, 15), QTime(9, 30))};
};

TEST_F(DateBox, TheFirstCalendarShowsTodayChosen)
{
    EXPECT_FALSE(calendar()->isHidden());
    EXPECT_TRUE(box->LstBusqueda()->isHidden());
    EXPECT_EQ(box->TxtBusqueda()->maxLength(), 10);
    EXPECT_EQ(monthText(), QStringLiteral("Agosto"));
    EXPECT_EQ(yearText(), QStringLiteral("2026"));
    EXPECT_EQ(calendar()->CmbMes()->count(), 12);
    EXPECT_EQ(calendar()->CmbAnio()->count(), 120);
    EXPECT_EQ(calendar()->CmbAnio()->itemText(0), QStringLiteral("1930"));
    EXPECT_EQ(calendar()->caption(6), QStringLiteral("1"));   // 1 August 2026 is a Saturday
    EXPECT_EQ(calendar()->chosen(), dayButton(15));
    EXPECT_EQ(calendar()->caption(calendar()->chosen()), QStringLiteral("15"));
    EXPECT_EQ(calendar()->colour(6), QColor(255, 0, 0));
    EXPECT_EQ(calendar()->colour(12), QColor(0, 0, 255));
    EXPECT_EQ(calendar()->colour(0), QColor(0, 0, 0));
    EXPECT_FALSE(calendar()->OptDia(0)->isEnabled());
    EXPECT_TRUE(box->imgMas()->isHidden());
    // As a date field the box takes the calendar's size.
    EXPECT_EQ(box->size(), QSize(ui::Twips::toPixels(2775), ui::Twips::toPixels(3255 + 285)));
}

TEST_F(DateBox, TheMaskTakesDigitsPlaceByPlace)
{
    QTest::keyClick(box->TxtBusqueda(), '1');
    EXPECT_EQ(text(), QStringLiteral("1 /  /    "));
    QTest::keyClick(box->TxtBusqueda(), 'x');    // letters are swallowed
    EXPECT_EQ(text(), QStringLiteral("1 /  /    "));
    type(QStringLiteral("2052024"));
    EXPECT_EQ(text(), QStringLiteral("12/05/2024"));
    // The grid followed the complete date.
    EXPECT_EQ(monthText(), QStringLiteral("Mayo"));
    EXPECT_EQ(yearText(), QStringLiteral("2024"));
    EXPECT_EQ(calendar()->caption(calendar()->chosen()), QStringLiteral("12"));
    EXPECT_EQ(calendar()->caption(3), QStringLiteral("1"));   // May 2024 begins on a Wednesday
}

TEST_F(DateBox, BackspaceBlanksThePlaceBeforeTheCaretAndStepsOverTheSlashes)
{
    type(QStringLiteral("12052024"));
    box->TxtBusqueda()->setCursorPosition(7);
    press(Qt::Key_Backspace);
    EXPECT_EQ(text(), QStringLiteral("12/05/ 024"));
    EXPECT_EQ(box->TxtBusqueda()->cursorPosition(), 6);
    press(Qt::Key_Backspace);   // over the slash, into the month
    EXPECT_EQ(text(), QStringLiteral("12/0 / 024"));
    EXPECT_EQ(box->TxtBusqueda()->cursorPosition(), 4);
}

TEST_F(DateBox, APartialDateLeavesTheGridWhereItWas)
{
    type(QStringLiteral("1205"));
    EXPECT_EQ(text(), QStringLiteral("12/05/    "));
    EXPECT_EQ(monthText(), QStringLiteral("Agosto"));
    EXPECT_EQ(calendar()->caption(calendar()->chosen()), QStringLiteral("15"));
}

TEST_F(DateBox, AClickedDayIsWrittenAndADoubleClickHandsItOver)
{
    calendar()->CmbMes()->setCurrentIndex(2);
    emit calendar()->CmbMes()->activated(2);
    calendar()->CmbAnio()->setCurrentIndex(2024 - 1930);
    emit calendar()->CmbAnio()->activated(2024 - 1930);
    EXPECT_EQ(calendar()->caption(5), QStringLiteral("1"));   // the grid of March 2024
    EXPECT_EQ(calendar()->chosen(), -1);                       // no day chosen in a new grid
    EXPECT_TRUE(text().isEmpty());
    QWidget* five = calendar()->OptDia(dayButton(5));
    click(five);
    EXPECT_EQ(text(), QStringLiteral("05/03/2024"));
    EXPECT_EQ(calendar()->chosen(), dayButton(5));
    EXPECT_TRUE(codes.isEmpty());
    doubleClick(calendar()->OptDia(dayButton(7)), calendar()->OptDia(dayButton(7))->rect().center());
    ASSERT_EQ(codes.size(), 1);
    EXPECT_EQ(codes.first(), QStringLiteral("07/03/2024"));
    EXPECT_TRUE(calendar()->isHidden());
}

TEST_F(DateBox, EnterOnADayHandsItOverAndEscClearsTheEntry)
{
    type(QStringLiteral("12052024"));
    QWidget* twelve = calendar()->OptDia(dayButton(12));
    twelve->setFocus();
    press(Qt::Key_Escape, twelve);
    EXPECT_TRUE(text().trimmed().isEmpty());
    EXPECT_EQ(codes, QStringList({QString()}));
    EXPECT_FALSE(calendar()->isHidden());
    EXPECT_EQ(QApplication::focusWidget(), box->TxtBusqueda());
    type(QStringLiteral("01022025"));
    QWidget* first = calendar()->OptDia(dayButton(1));
    press(Qt::Key_Return, first);
    EXPECT_EQ(codes.last(), QStringLiteral("01/02/2025"));
    EXPECT_TRUE(calendar()->isHidden());
}

TEST_F(DateBox, DownDoesNothingWhileTheCalendarShowsAndFocusUsesTheInitialCaret)
{
    type(QStringLiteral("12052024"));
    press(Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), box->TxtBusqueda());
    box->setSelStartInicial(3);
    calendar()->CmbMes()->setFocus();
    box->TxtBusqueda()->setFocus();
    EXPECT_EQ(box->TxtBusqueda()->cursorPosition(), 3);
}

TEST_F(DateBox, TheCalendarAsTheOperatorSeesIt)
{
    type(QStringLiteral("05032024"));
    const QImage shot = host->grab().toImage();
    ASSERT_FALSE(shot.isNull());
    const QString folder = qEnvironmentVariable("RPQ_SCREENSHOT_DIR");
    if (!folder.isEmpty()) {
        EXPECT_TRUE(shot.save(QDir(folder).filePath(QStringLiteral("codebox_calendar.png"))));
    }
    EXPECT_EQ(calendar()->caption(calendar()->chosen()), QStringLiteral("5"));
}

TEST_F(DateBox, ChoosingADayWithItsColourSwapped)
{
    const int twelve = dayButton(12);   // Wednesday 12 August 2026
    ASSERT_EQ(calendar()->colour(twelve), QColor(0, 0, 255));
    box->Seleccionar(twelve, true);
    EXPECT_EQ(calendar()->colour(twelve), QColor(255, 0, 0));
    EXPECT_EQ(calendar()->chosen(), twelve);
    EXPECT_TRUE(text().trimmed().isEmpty());   // choosing from code writes no text
    box->Seleccionar(twelve, true);
    EXPECT_EQ(calendar()->colour(twelve), QColor(0, 0, 255));
    EXPECT_EQ(box->IndCaption(31), dayButton(31));
    box->ArmarAlmanaque(9, 2026);   // 30 days
    EXPECT_EQ(box->IndCaption(31), 0);
}

TEST_F(DateBox, TheMaskServesTheHostsOwnBoxes)
{
    QLineEdit date;
    ui::Control::setTag(&date, QStringLiteral("fecha"));
    date.setMaxLength(10);
    date.setText(QStringLiteral("31/02/2024"));
    int key = 13;
    box->ClsDatosOk(&date, key);
    EXPECT_TRUE(date.text().isEmpty());   // no such day: Enter empties it
    EXPECT_EQ(key, 0);
    date.setText(QStringLiteral("29/02/2024"));
    key = 13;
    box->ClsDatosOk(&date, key);
    EXPECT_EQ(date.text(), QStringLiteral("29/02/2024"));
    QLineEdit other;
    other.setText(QStringLiteral("abc"));
    key = 'x';
    box->ClsDatosOk(&other, key);
    EXPECT_EQ(key, 'x');
    EXPECT_EQ(other.text(), QStringLiteral("abc"));
}

TEST_F(DateBox, TabLeavesTheDateForTheCalendar)
{
    type(QStringLiteral("1205"));
    press(Qt::Key_Tab);
    EXPECT_EQ(text(), QStringLiteral("12/05/    "));
    EXPECT_EQ(QApplication::focusWidget(), calendar()->CmbMes());
}

TEST_F(DateBox, ArrowsOnTheCombosStepFromTheMonthAndYearShown)
{
    type(QStringLiteral("12052024"));
    press(Qt::Key_Down, calendar()->CmbMes());
    EXPECT_EQ(monthText(), QStringLiteral("Junio"));
    EXPECT_EQ(calendar()->caption(6), QStringLiteral("1"));   // June 2024 begins on a Saturday
    press(Qt::Key_Up, calendar()->CmbAnio());
    EXPECT_EQ(yearText(), QStringLiteral("2023"));
    EXPECT_EQ(calendar()->caption(4), QStringLiteral("1"));   // June 2023 begins on a Thursday
    EXPECT_EQ(text(), QStringLiteral("12/05/2024"));          // the text waits for a day
    EXPECT_TRUE(codes.isEmpty());
}
