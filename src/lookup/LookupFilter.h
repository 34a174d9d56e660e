#pragma once
// The F5 filter of the list lookup window: one more condition on the statement shown, put
// before its ORDER BY or GROUP BY part, joined with " and " when the statement already has a
// WHERE. The typed text is escaped (apostrophes doubled, "[", "_" and "%" literal); in the
// anywhere mode the blanks between words match any run, in the prefix mode "*" does.

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
    // The statement with the condition on field added.
    static QString apply(const QString& sql, const QString& field, const QString& typed, bool anywhere);
};

} // namespace lookup
