#pragma once
// Formula context of one report run: the current row, the report's formulas and parameters, and
// the page values PageNumber, TotalPageCount and PrintDate. A formula is worked out where its
// value is looked at. A value that no row or page can change (the model marks them at load) is
// kept for the run: worked out once, however many rows ask for it. Of the rest, the row keeps the
// value of a formula named more than once, so that it is worked out once for the row and page.
// Texts longer than ShortText take from one bound on the characters kept: past it such a value is
// worked out again each time it is asked for. Shorter values are always kept: there are no more
// of them than formulas and trees, and a fan-out of short values stays linear however full the
// bound is. What the row keeps goes when the row, the page or the print date changes; what the
// run keeps goes with the context, and what names the print date goes when it changes.

#include "reportengine/FormulaContext.h"
#include "reportengine/ReportModel.h"
#include <QDate>
#include <optional>
#include <unordered_map>
#include <vector>

namespace reportengine {

class RowContext : public FormulaContext {
public:
    // 64 Mi characters, 128 MB: four texts of the longest a formula may build.
    static constexpr qsizetype KeptCharacters = 64 * 1024 * 1024;
    // Texts of up to this many characters are kept outside that bound.
    static constexpr qsizetype ShortText = 1024;

    // For tests: no context keeps anything while this is on, so that a test can show that what
    // is kept changes no value. Off unless a test turns it on.
    static void keepNothing(bool on);

    explicit RowContext(const ReportModel& model, qsizetype keptCharacters = KeptCharacters)
        : m_model(model), m_keptLimit(keptCharacters) {}
    // The row's values may change behind the same pointer: every call starts anew.
    void setRow(const std::vector<FormulaValue>* row);
    void setPage(int number, int count);   // count 0: not known
    void setPrintDate(const QDate& d);

    FormulaValue field(const FormulaNode& node) const override;
    FormulaLookup formula(const FormulaNode& node) const override;
    void formulaDone(const FormulaNode& node, const FormulaValue& value) const override;
    FormulaValue parameter(const FormulaNode& node) const override;
    FormulaValue special(const FormulaNode& node) const override;
    std::optional<FormulaValue> treeValue(const FormulaNode& root) const override;
    void treeDone(const FormulaNode& root, const FormulaValue& value) const override;

private:
    struct RunValue {
        FormulaValue value;
        bool dated;   // names the print date
    };

    void forget() const;
    void forgetDated();
    qsizetype keptCharacters() const { return m_rowCharacters + m_runCharacters; }
    // What a value takes from the bound: nothing for a short one.
    static qsizetype charge(const FormulaValue& value);
    bool fits(const FormulaValue& value) const { return keptCharacters() + charge(value) <= m_keptLimit; }
    const FormulaValue* keptValue(std::size_t formula, const FormulaNode& tree) const;   // for the row or the run
    const FormulaValue* runValue(const FormulaNode& tree) const;
    // Keeps the value of a formula's tree or of an evaluated tree for the run; false past the bound.
    bool keepForRun(const FormulaNode& tree, const FormulaValue& value, ReportModel::Lifetime lifetime) const;

    const ReportModel& m_model;
    const qsizetype m_keptLimit;
    const std::vector<FormulaValue>* m_row = nullptr;
    int m_page = 0;
    int m_pageCount = 0;
    QDate m_printDate = QDate::currentDate();
    mutable std::vector<std::optional<FormulaValue>> m_kept;   // for the row, by formula number
    mutable std::vector<std::size_t> m_keptNumbers;            // those that hold a value
    mutable qsizetype m_rowCharacters = 0;
    mutable std::unordered_map<const FormulaNode*, RunValue> m_run;   // by formula tree or evaluated tree
    mutable qsizetype m_runCharacters = 0;
};

} // namespace reportengine
