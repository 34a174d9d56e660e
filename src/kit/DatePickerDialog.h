#pragma once
// The month calendar in which the operator picks a date: a double click or Enter on a day,
// or "Aceptar", accepts it; Escape or "Cancelar" leaves the date as it was.

#include <QDate>
#include <QDialog>

class QCalendarWidget;

namespace kit {

class DatePickerDialog : public QDialog {
    Q_OBJECT
public:
    explicit DatePickerDialog(const QDate& initial, QWidget* parent = nullptr);
    QDate selectedDate() const;
    QCalendarWidget* calendar() const { return m_calendar; }

private:
    QCalendarWidget* m_calendar = nullptr;
};

} // namespace kit
