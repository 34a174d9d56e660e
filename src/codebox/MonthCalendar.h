#pragma once
// The month grid of the code-entry box's calendar: six weeks of seven days, Sunday first,
// with the days of other months left out, and the Spanish month names.

#include <QColor>
#include <QString>

#include <array>

namespace codebox {

class MonthCalendar {
public:
    static constexpr int Cells = 42;

    struct Cell {
        QString caption;   // the day, or "." outside the month
        bool enabled = false;
        QColor colour;     // black outside the month, blue Monday to Friday, red on weekends
    };
    using Grid = std::array<Cell, Cells>;

    // The grid of month `month` (1 to 12) of `year`; a month outside 1 to 12 or a year
    // outside 100 to 9999 gives a grid of dots only.
    static Grid grid(int month, int year);

    static QString NombreMes(int Nromes);               // "" outside 1 to 12
    static int Nromes(const QString& NombreMes);        // case ignored; 0 for any other text
    static int CantidadDeDiasDelmes(int Mes, int anio);
    static QColor weekdayColour() { return QColor(0, 0, 255); }
    static QColor weekendColour() { return QColor(255, 0, 0); }
    static QColor outsideColour() { return QColor(0, 0, 0); }
};

} // namespace codebox
