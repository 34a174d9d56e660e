#include "codebox/CalendarFrame.h"

#include "ui/Control.h"
#include "ui/Twips.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>

namespace codebox {

void DayButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    QToolButton::mouseDoubleClickEvent(event);
    emit doubleClicked();
}

CalendarFrame::CalendarFrame(QWidget* parent) : QFrame(parent)
{
    ui::Control::declare(this, QStringLiteral("Calendar"), -1, QStringLiteral("Frame"));
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
    ui::Twips::place(this, 0, 240, 2775, 3255);

    m_month = new QComboBox(this);
    ui::Control::declare(m_month, QStringLiteral("CmbMes"));
    ui::Twips::place(m_month, 120, 240, 1335, 315);
    m_year = new QComboBox(this);
    ui::Control::declare(m_year, QStringLiteral("CmbAño"));
    ui::Twips::place(m_year, 1680, 240, 975, 315);
    for (QComboBox* combo : {m_month, m_year}) {
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setEditText(QStringLiteral(" "));
    }
    connect(m_month, &QComboBox::activated, this, &CalendarFrame::monthChosen);
    connect(m_year, &QComboBox::activated, this, &CalendarFrame::yearChosen);

    // Columns read Sunday to Saturday.
    static const char* names[] = {"L", "Ma", "Mi", "J", "V", "S", "D"};
    static const int lefts[] = {600, 960, 1320, 1680, 2040, 2400, 240};
    for (int i = 0; i < 7; ++i) {
        auto* label = new QLabel(QString::fromLatin1(names[i]), this);
        ui::Control::declare(label, QStringLiteral("LblDesc"), i);
        ui::Twips::place(label, lefts[i], 720, 330, 240);
        m_names[std::size_t(i)] = label;
    }

    m_group = new QButtonGroup(this);
    m_group->setExclusive(true);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8.25);
    font.setBold(true);
    for (int i = 0; i < Days; ++i) {
        auto* day = new DayButton(this);
        ui::Control::declare(day, QStringLiteral("OptDia"), i, QStringLiteral("OptionButton"));
        day->setCheckable(true);
        day->setFont(font);
        day->setText(QStringLiteral("."));
        ui::Twips::place(day, 120 + 360 * (i % 7), 960 + 360 * (i / 7), 360, 360);
        m_group->addButton(day, i);
        connect(day, &QToolButton::clicked, this, [this, i] { emit dayClicked(i); });
        connect(day, &DayButton::doubleClicked, this, [this, i] { emit dayDoubleClicked(i); });
        m_days[std::size_t(i)] = day;
    }
}

void CalendarFrame::setComboText(QComboBox* combo, const QString& text)
{
    const int entry = combo->findText(text);
    if (entry >= 0)
        combo->setCurrentIndex(entry);
    combo->setEditText(text);
}

QString CalendarFrame::caption(int index) const
{
    return m_days[std::size_t(index)]->text();
}

void CalendarFrame::setCaption(int index, const QString& caption)
{
    m_days[std::size_t(index)]->setText(caption);
}

QColor CalendarFrame::colour(int index) const
{
    return m_days[std::size_t(index)]->palette().color(QPalette::ButtonText);
}

void CalendarFrame::setColour(int index, const QColor& colour)
{
    DayButton* day = m_days[std::size_t(index)];
    QPalette p = day->palette();
    p.setColor(QPalette::ButtonText, colour);
    p.setColor(QPalette::Disabled, QPalette::ButtonText, colour);
    day->setPalette(p);
}

void CalendarFrame::choose(int index)
{
    m_days[std::size_t(index)]->setChecked(true);
}

void CalendarFrame::releaseAll()
{
    // An exclusive group keeps one button pressed: release them with the rule off.
    m_group->setExclusive(false);
    for (DayButton* day : m_days)
        day->setChecked(false);
    m_group->setExclusive(true);
}

int CalendarFrame::chosen() const
{
    return m_group->checkedId();
}

} // namespace codebox
