#pragma once
// Small text rules of the code-entry box: codes in their stored width, field values as text,
// the database named by a connection string and the question before a direct addition.

#include "vb/Variant.h"

#include <QString>

namespace codebox {

class CodeText {
public:
    // A numeric code right-aligned in `width` columns (cut to its leftmost `width` characters
    // when longer), any other code trimmed. The width is `largo` when given and above 0,
    // else the length of the code. A non-numeric `largo` raises error 13.
    static QString FmtLeerCodigo(const QString& codigo, const vb::Variant& largo = vb::Variant::missing());
    // A field's value as text: Null (and Empty) give "".
    static QString FieldVal(const vb::Variant& value);
    // The name after "Database=" in a connection string, up to its ";": "Database =Gestion;"
    // gives Gestion (the blank before "=" is dropped, one after it is kept); no ";" after the
    // item gives "". A string without the word "database" raises error 5.
    static QString databaseName(const QString& connectionString);
    // "<table without its v_ta_, v_ma_, ta_, ma_>" CR LF "Desea dar de alta un registro nuevo?"
    static QString additionQuestion(const QString& table);
};

} // namespace codebox
