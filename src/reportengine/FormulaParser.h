#pragma once
// Reads a formula into a tree. Precedence, loosest first: OR, AND, NOT, comparisons (= <> < >
// <= >= LIKE IN), + - &, * /, unary minus. Nesting is limited so that no input can exhaust the
// stack: each open parenthesis, function call, list [ ], NOT and minus sign is one level.

#include "reportengine/FormulaNode.h"
#include "reportengine/FormulaToken.h"
#include <vector>

namespace reportengine {

class FormulaParser {
public:
    static constexpr int MaxDepth = 200;          // levels of nesting
    static constexpr int MaxHeight = 1000;        // long AND/OR chains

    // nullptr for a blank formula. Raises FormulaError with the position of the fault.
    static FormulaNode::Ptr parse(const QString& formula);

private:
    explicit FormulaParser(std::vector<FormulaToken> tokens) : m_tokens(std::move(tokens)) {}
    FormulaNode::Ptr orExpr();
    FormulaNode::Ptr andExpr();
    FormulaNode::Ptr notExpr();
    FormulaNode::Ptr comparison();
    FormulaNode::Ptr additive();
    FormulaNode::Ptr multiplicative();
    FormulaNode::Ptr unaryExpr();
    FormulaNode::Ptr primary();
    FormulaNode::Ptr identifierExpr();
    FormulaNode::Ptr binary(FormulaNode::Op op, FormulaNode::Ptr left, FormulaNode::Ptr right, int pos);
    FormulaNode::Ptr listExpr();
    std::vector<FormulaNode::Ptr> arguments(FormulaToken::Type close);

    const FormulaToken& peek() const { return m_tokens[m_index]; }
    const FormulaToken& take() { return m_tokens[m_index++]; }
    bool atKeyword(const char* word) const;
    void expect(FormulaToken::Type type, const char* what);
    [[noreturn]] void fail(const QString& message) const;

    struct DepthGuard {
        // A level more, placed at `position` (the next token when 0).
        explicit DepthGuard(FormulaParser& p, int position = 0);
        ~DepthGuard() { --m_p.m_depth; }
        FormulaParser& m_p;
    };

    std::vector<FormulaToken> m_tokens;
    std::size_t m_index = 0;
    int m_depth = 0;
};

} // namespace reportengine
