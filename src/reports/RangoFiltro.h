#pragma once
// One filter row of the report window: a From/To range over one report field, turned into a
// clause of the selection formula by ArmarFiltro.

#include <QString>
#include <cstdint>

namespace reports {

struct RangoFiltro {
    QString Desde;               // lower bound as typed; blank means none; "*" makes a LIKE pattern
    QString Hasta;               // upper bound, same rules
    QString Campo;               // the field in formula notation, "{C_MV_CPTE.Cuenta}"
    std::int16_t Tipo = 0;       // 7 date; 20, 2, 6, 4 numbers; 5 number through tonumber(); else text
    std::int16_t SinRecorte = 0; // text rows: non-zero compares the field as stored, untrimmed
    QString Operador;            // "AND" or "OR" (any case, blanks ignored) joining it to the rows before; blank is AND
};

} // namespace reports
