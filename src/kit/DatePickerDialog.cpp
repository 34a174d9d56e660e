#include "kit/DatePickerDialog.h"

#include <QCalendarWidget>
#include <QDialogButtonBox>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace kit {

DatePickerDialog::DatePickerDialog(const QDate& initial, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmCalendario"));
    setWindowTitle(QStringLiteral("Calendario"));
    m_calendar = new QCalendarWidget(this);
    m_calendar->setObjectName(QStringLiteral("Calendario"));
    m_calendar->setLocale(QLocale(QLocale::Spanish, QLocale::Argentina));
    m_calendar->setFirstDayOfWeek(Qt::Monday);
    m_calendar->setGridVisible(true);
    m_calendar->setSelectedDate(initial);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Aceptar"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancelar"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_calendar, &QCalendarWidget::activated, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_calendar);
    layout->addWidget(buttons);
}

QDate DatePickerDialog::selectedDate() const
{
    return m_calendar->selectedDate();
}

} // namespace kit
