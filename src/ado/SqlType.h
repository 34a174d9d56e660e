#pragma once

#include <QString>

namespace ado {

// What the translator knows of an expression's SQL Server type: enough to apply the server's
// type precedence (which operand converts to the other's type), to convert literals where
// the server would, and to keep a converted value's scale or length.
struct SqlType {
    // In the server's precedence, lowest first: an operation converts to the higher kind.
    enum Kind { Unknown, Text, Bit, Integer, Money, Decimal, Float, Date };

    Kind kind = Unknown;
    int length = -1;     // Text: declared length, -1 when unknown or max
    bool fixed = false;  // Text: char/nchar, kept blank-padded
    int precision = 18;  // Decimal; Integer: 3 tinyint, 5 smallint, 10 int, 19 bigint
    int scale = 0;       // Decimal

    static SqlType of(Kind kind) { SqlType t; t.kind = kind; t.precision = kind == Integer ? 10 : 18; return t; }
    static SqlType text(int length) { SqlType t; t.kind = Text; t.length = length; return t; }
    // int, varchar(10), char(3), decimal(18,2), money, datetime ... ; Unknown when not a type.
    static SqlType fromDeclared(const QString& declared);
    // The operand type a binary operation converts to (Unknown when neither side is known).
    static SqlType higher(const SqlType& a, const SqlType& b);

    bool isKnown() const { return kind != Unknown; }
    bool isText() const { return kind == Text; }
    bool isDate() const { return kind == Date; }
    bool isNumber() const { return kind == Bit || kind == Integer || kind == Money || kind == Decimal || kind == Float; }
    bool operator==(const SqlType& o) const
    {
        return kind == o.kind && length == o.length && fixed == o.fixed && precision == o.precision && scale == o.scale;
    }
    // The server's name of the type, as a CONVERT target or a column declaration.
    QString declaration() const;
};

} // namespace ado
