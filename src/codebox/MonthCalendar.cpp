#include "codebox/MonthCalendar.h"

#include "vb/DateTime.h"

#include <QDate>
#include <QStringList>

namespace codebox {

namespace {

const QStringList& monthNames()
{
    static const QStringList names{"Enero", "Febrero", "Marzo", "Abril", "Mayo", "Junio", "Julio",
                                   "Agosto", "Septiembre", "Octubre", "Noviembre", "Diciembre"};
    return names;
}

} // namespace

QString MonthCalendar::NombreMes(int Nromes)
{
    return Nromes >= 1 && Nromes <= 12 ? monthNames().at(Nromes - 1) : QString();
}

int MonthCalendar::Nromes(const QString& NombreMes)
{
    for (int i = 0; i < 12; ++i)
        if (monthNames().at(i).compare(NombreMes, Qt::CaseInsensitive) == 0)
            return i + 1;
    return 0;
}

int MonthCalendar::CantidadDeDiasDelmes(int Mes, int anio)
{
    if (Mes == 12)
        return 31;
    return int(vb::DateSerial(anio, Mes + 1, 1).serial - vb::DateSerial(anio, Mes, 1).serial);
}

MonthCalendar::Grid MonthCalendar::grid(int month, int year)
{
    Grid cells;
    for (Cell& c : cells)
        c = {QStringLiteral("."), false, outsideColour()};
    if (month < 1 || month > 12 || year < 100 || year > 9999)
        return cells;
    const int offset = QDate(year, month, 1).dayOfWeek() % 7;   // Sunday first
    const int days = CantidadDeDiasDelmes(month, year);
    for (int day = 1; day <= days; ++day) {
        const int i = offset + day - 1;
        const bool weekend = i % 7 == 0 || i % 7 == 6;
        cells[std::size_t(i)] = {QString::number(day), true, weekend ? weekendColour() : weekdayColour()};
    }
    return cells;
}

} // namespace codebox
