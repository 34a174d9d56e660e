#pragma once
// The F5 filter of the list lookup window: the condition on one field, and where conditions go
// in a statement (FilteredStatement puts them there). The typed text is escaped (apostrophes
// doubled, "[", "_" and "%" literal); in the anywhere mode the blanks between words match any
// run, in the prefix mode "*" does.

#include <QString>

namespace lookup {

class LookupFilter {
public:
    struct Parts {
        QString base;          // the statement without its tail
        QString tail;          // from the first ORDER BY, or the GROUP BY and what follows it
    };

    static Parts split(const QString& sql);
    // "stk_ma_articulos." or "v_ma_articulos." when the statement reads that view.
    static QString fieldPrefix(const QString& base);
    static QString pattern(const QString& typed, bool anywhere);
    // The condition on field for the caller's statement base (its article view qualifies the
    // field), followed by a blank.
    static QString condition(const QString& base, const QString& field, const QString& typed, bool anywhere);
};

} // namespace lookup
