#pragma once

#include <QString>

namespace reportengine {

struct FormulaToken {
    enum class Type {
        End, Number, Text, Field, FormulaRef, Parameter, Identifier,
        LParen, RParen, LBracket, RBracket, Comma,
        Eq, Ne, Lt, Gt, Le, Ge, Plus, Minus, Star, Slash, Amp
    };
    Type type = Type::End;
    QString text;        // identifier, text literal contents, field name, number source
    QString table;       // Field only
    int position = 0;    // from 1
};

} // namespace reportengine
