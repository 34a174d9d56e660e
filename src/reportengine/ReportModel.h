#pragma once
// A report definition made ready to run: every expression parsed, every name checked, every
// field bound to its column in the query, the selection split between SQL and the evaluator.

#include "reportengine/FormulaNode.h"
#include "reportengine/ReportDefinition.h"
#include "reportengine/SqlResolver.h"
#include "reportengine/SelectionPushdown.h"
#include <QHash>
#include <functional>
#include <memory>

namespace reportengine {

struct BoundField {
    QString table;       // as the definition declares them
    QString field;
    QString sql() const { return table + u'.' + field; }
};

class ReportModel : public SqlResolver {
public:
    // linkField: for a sub-report, its field that must equal the main report's link field.
    // pushDown false leaves the whole selection to the evaluator (to compare the two paths).
    explicit ReportModel(const ReportDefinition& def, const QString& linkField = {}, bool pushDown = true);   // raises ReportError
    ~ReportModel() override;
    static void check(const ReportDefinition& def);      // the same checks, nothing kept

    const ReportDefinition& definition() const { return m_def; }
    const std::vector<BoundField>& fields() const { return m_fields; }    // slot order
    const FormulaNode& column(std::size_t i) const { return *m_columns.at(i); }
    const FormulaNode& groupField(std::size_t i) const { return *m_groupFields.at(i); }
    const FormulaNode* groupHeader(std::size_t i) const { return m_groupHeaders.at(i).get(); }
    const FormulaNode* groupFooter(std::size_t i) const { return m_groupFooters.at(i).get(); }
    const FormulaNode* pageHeader(std::size_t i) const { return m_pageHeader.at(i).get(); }
    const FormulaNode* pageFooter(std::size_t i) const { return m_pageFooter.at(i).get(); }
    const FormulaNode* totalLabel() const { return m_totalLabel.get(); }
    const FormulaNode& subreportField(std::size_t i) const { return *m_subFields.at(i); }
    const std::vector<const ReportModel*>& subModels() const { return m_subModelViews; }
    const QString& linkColumn() const { return m_linkColumn; }
    const SelectionPushdown::Translation& selection() const { return m_translation; }
    const FormulaNode* formulaTree(const QString& name) const;

    // Formulas by number, in the order the definition declares them (a name declared twice is one
    // formula, its last text); a formula reference's slot is the number of its formula.
    std::size_t formulaCount() const { return m_formulas.size(); }
    const FormulaNode* formulaTree(std::size_t number) const { return m_formulas.at(number).tree.get(); }
    const QString& formulaName(std::size_t number) const { return m_formulas.at(number).name; }
    // How often the formula is named where a row or a page asks for it: in formulas, and in the
    // texts the report shows or selects rows by.
    std::size_t formulaUses(std::size_t number) const { return m_formulas.at(number).uses; }

    // How long a value holds once worked out. Row: it names a field, the page number or the page
    // count, itself or through the formulas it names, and holds for its row (or page) alone.
    // PrintDate: it names the print date, and holds for the run until the print date changes.
    // Run: it names none of these, and holds for the whole run, since every function is pure and
    // the parameters are fixed at load.
    enum class Lifetime : unsigned char { Row, PrintDate, Run };
    Lifetime formulaLifetime(std::size_t number) const { return m_formulas.at(number).lifetime; }
    // Whether a run keeps the formula's value beyond its row: it holds beyond a row and is asked
    // for again, being named more than once, or in a tree that is worked out again for each row
    // or use. A formula named once in a tree kept for the run is asked for once.
    bool keptForRun(std::size_t number) const { return m_formulas.at(number).keptForRun; }
    // The lifetime of a tree the report evaluates whole (a column, a group or page text, a part of
    // the selection) that is kept for the run: one with operands that holds beyond a row. Row for
    // any other tree; a tree that names a formula alone stands for the formula, kept as such.
    Lifetime treeLifetime(const FormulaNode& root) const;

    // Where each formula stands in a walk; a walk begins with every mark Unseen and leaves a
    // formula Done once it and all it refers to were walked.
    enum class Mark : unsigned char { Unseen, OnPath, Done };
    // Calls done(n) for formula `from` and each formula it refers to, directly or not, that is not
    // Done yet, each after the formulas it refers to. The path is kept on the heap, not the stack:
    // a line of formulas may be thousands long. Raises ReportError on a formula that refers to
    // itself; done may raise too, and then the marks are to be thrown away.
    void walkFormulas(std::size_t from, std::vector<Mark>& marks, const std::function<void(std::size_t)>& done) const;
    // Calls f for every node of root and of the formulas it refers to, directly or not, each
    // formula once.
    void visitWithFormulas(const FormulaNode& root, const std::function<void(const FormulaNode&)>& f) const;
    FormulaValue parameterValue(const QString& name) const;

    // Blank extraWhere adds nothing; it is ANDed with the translated selection.
    QString query(const QString& extraWhere = {}) const;
    QString bareQuery() const;                       // the same rows, no selection, no order
    // The one query of sub-report i for a whole run: its rows whose link field may equal the link
    // field of a row of this report, ordered by the link field first, each row ending with the
    // link field's value.
    QString subreportQuery(std::size_t i) const;
    int slotOf(const QString& table, const QString& field) const;   // -1 when not in the query

    // SqlResolver
    QString column(const FormulaNode& field) const override;
    const FormulaNode* formula(const QString& name) const override;
    std::optional<FormulaValue> parameter(const QString& name) const override;

private:
    FormulaNode::Ptr parse(const QString& text, const QString& what, bool assignSlots = true);
    FormulaNode::Ptr parseField(const QString& text, const QString& what, bool assignSlot = true);
    void checkIdentifiers() const;
    void parseFormulas(bool pushDown);
    void parseLayout();
    void bind(const FormulaNode& root, const QString& what, bool assignSlots);
    BoundField resolveField(const FormulaNode& node, const QString& what) const;
    void listReferences();
    void countUses();
    void markLifetimes();
    Lifetime lifetimeOf(const FormulaNode& root) const;   // its formulas' lifetimes known already
    // Every tree a row or a page evaluates whole.
    void forEachEvaluatedTree(const std::function<void(const FormulaNode&)>& f) const;
    void checkCycles() const;
    QString fromClause() const;
    QString selectClause(const QString& extraColumn = {}) const;
    QString orderClause(const QString& firstColumn = {}) const;

    struct Formula {
        QString name;                          // as first declared
        FormulaNode::Ptr tree;                 // nullptr when blank
        std::vector<std::size_t> references;   // the formulas it names, each once, in the order named
        std::size_t uses = 0;
        Lifetime lifetime = Lifetime::Run;
        bool keptForRun = false;
    };

    ReportDefinition m_def;
    std::vector<Formula> m_formulas;
    QHash<QString, std::size_t> m_formulaNumbers;   // lower-case name -> number
    QHash<QString, QString> m_parameters;          // lower-case name -> value
    QHash<const FormulaNode*, Lifetime> m_keptTrees;   // evaluated trees kept for the run
    std::vector<FormulaNode::Ptr> m_columns, m_groupFields, m_groupHeaders, m_groupFooters;
    std::vector<FormulaNode::Ptr> m_pageHeader, m_pageFooter, m_linkFields, m_sortFields, m_subFields;
    FormulaNode::Ptr m_selection, m_totalLabel;
    SelectionPushdown::Translation m_translation;
    std::vector<BoundField> m_fields;
    std::vector<std::unique_ptr<ReportModel>> m_subModels;
    std::vector<const ReportModel*> m_subModelViews;
    QString m_linkColumn;
};

} // namespace reportengine
