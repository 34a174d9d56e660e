#pragma once
// SELECT texts of the row lookups. Texts searched for are quoted with their apostrophes doubled.

#include "vb/Variant.h"

namespace data {

class RowLookupSql {
public:
    enum class Kind { Text, Date, Number, Verbatim };
    static Kind kindOf(const vb::Variant& tipoDato);   // 8 text, 7 date, 3/4/5 number

    static QString existeEnTablaST(const QString& tabla, const QString& valor, const QString& campo,
                                   const vb::Variant& tipoDato, const QString& condicion);
    static QString existeEnTabla(const QString& tabla, const QString& valor, const QString& campo,
                                 const vb::Variant& tipoDato, const QString& condicion);
    static QString datosTabla(const QString& tabla, const QString& valor, const QString& campo,
                              const vb::Variant& tipoDato, const QString& condicion, bool usaTrim);
    // The leading number of the text, "." as decimal point, 0 when none.
    static QString numberText(const QString& valor);

private:
    static QString whereJoin(const QString& condicion);
};

} // namespace data
