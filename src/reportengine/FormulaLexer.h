#pragma once
// Splits a formula into tokens. Texts are quoted with ' or " (a doubled quote stands for one);
// fields are {Table.Field}, formulas {@Name}, parameters {?Name}.

#include "reportengine/FormulaToken.h"
#include <vector>

namespace reportengine {

class FormulaLexer {
public:
    static std::vector<FormulaToken> tokenize(const QString& formula);

private:
    explicit FormulaLexer(const QString& formula) : m_src(formula) {}
    FormulaToken next();
    FormulaToken quoted(QChar quote);
    FormulaToken braced();
    FormulaToken numberToken();
    FormulaToken identifier();
    FormulaToken symbol();
    FormulaToken make(FormulaToken::Type type, int start, const QString& text = {}) const;

    const QString& m_src;
    qsizetype m_pos = 0;
};

} // namespace reportengine
