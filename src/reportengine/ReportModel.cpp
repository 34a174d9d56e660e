#include "reportengine/ReportModel.h"
#include "reportengine/FormulaError.h"
#include "reportengine/FormulaParser.h"
#include "kit/MessageText.h"
#include "reportengine/ReportError.h"
#include <QRegularExpression>
#include <algorithm>

namespace reportengine {

using Type = FormulaNode::Type;

ReportModel::ReportModel(const ReportDefinition& def, const QString& linkField, bool pushDown) : m_def(def)
{
    checkIdentifiers();
    parseFormulas(pushDown);
    parseLayout();
    listReferences();
    countUses();
    checkCycles();
    markLifetimes();
    if (!linkField.isEmpty())
        m_linkColumn = column(*parseField(linkField, QStringLiteral("vínculo del subinforme"), false));
    for (const SubreportDef& sub : m_def.subreports) {
        if (!sub.report)
            throw ReportError(QStringLiteral("el subinforme %1 no tiene definición").arg(kit::nameText(sub.name)), sub.name);
        try {
            m_subModels.push_back(std::make_unique<ReportModel>(*sub.report, sub.subField, pushDown));
        } catch (const ReportError& e) {
            throw ReportError(QStringLiteral("subinforme %1: %2").arg(kit::nameText(sub.name), e.message()), e.near());
        }
        m_subModelViews.push_back(m_subModels.back().get());
    }
}

ReportModel::~ReportModel() = default;

void ReportModel::check(const ReportDefinition& def)
{
    ReportModel model(def);
}

// Names reach the SQL text unquoted, so only plain identifiers are accepted.
void ReportModel::checkIdentifiers() const
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*(\\.[A-Za-z_][A-Za-z0-9_]*)?$"));
    for (const TableDef& t : m_def.tables) {
        if (!plain.match(t.name).hasMatch())
            throw ReportError(QStringLiteral("\"%1\" no es un nombre de tabla válido").arg(kit::nameText(t.name)), t.name);
        for (const QString& f : t.fields)
            if (!plain.match(f).hasMatch() || f.contains(u'.'))
                throw ReportError(QStringLiteral("\"%1\" no es un nombre de campo válido").arg(kit::nameText(f)), f);
    }
}

FormulaNode::Ptr ReportModel::parse(const QString& text, const QString& what, bool assignSlots)
{
    FormulaNode::Ptr root;
    try {
        root = FormulaParser::parse(text);
    } catch (const FormulaError& e) {
        throw ReportError(QStringLiteral("%1: %2 en la posición %3 de \"%4\"").arg(what, e.message()).arg(e.position()).arg(kit::textAround(text, e.position())),
                          text);
    }
    if (root)
        bind(*root, what, assignSlots);
    return root;
}

FormulaNode::Ptr ReportModel::parseField(const QString& text, const QString& what, bool assignSlot)
{
    FormulaNode::Ptr node = parse(text, what, assignSlot);
    if (!node || node->type() != Type::Field)
        throw ReportError(QStringLiteral("%1: \"%2\" no es un campo {Tabla.Campo}").arg(what, kit::textAround(text, 1)), text);
    return node;
}

void ReportModel::parseFormulas(bool pushDown)
{
    for (const NamedText& p : m_def.parameters)
        m_parameters.insert(p.name.toLower(), p.text);
    // Names first, so that formulas may refer to one another in any order.
    for (const NamedText& f : m_def.formulas) {
        if (m_formulaNumbers.contains(f.name.toLower()))
            continue;
        m_formulaNumbers.insert(f.name.toLower(), m_formulas.size());
        m_formulas.push_back({f.name, nullptr, {}});
    }
    for (const NamedText& f : m_def.formulas)
        m_formulas[m_formulaNumbers.value(f.name.toLower())].tree = parse(f.text, QStringLiteral("fórmula @%1").arg(kit::nameText(f.name)));
    // Fields of the selection are read only when the evaluator needs them: what goes to the
    // WHERE clause is not selected.
    m_selection = parse(m_def.selection, QStringLiteral("selección"), false);
    // The report's own filter holds whatever selection the caller set: both must be True.
    if (FormulaNode::Ptr filter = parse(m_def.filter, QStringLiteral("filtro"), false))
        m_selection = m_selection ? FormulaNode::binary(FormulaNode::Op::And, std::move(m_selection), std::move(filter), 0)
                                  : std::move(filter);
    if (pushDown) {
        m_translation = SelectionPushdown::translate(m_selection.get(), *this);
    } else if (m_selection) {
        m_translation.result = SelectionPushdown::Result::Failed;
        m_translation.residual = {m_selection.get()};
    }
    for (const FormulaNode* part : m_translation.residual)
        bind(*part, QStringLiteral("selección"), true);
}

void ReportModel::parseLayout()
{
    for (const LinkDef& l : m_def.links) {
        m_linkFields.push_back(parseField(l.from, QStringLiteral("vínculo"), false));
        m_linkFields.push_back(parseField(l.to, QStringLiteral("vínculo"), false));
    }
    for (const SortField& s : m_def.sort)
        m_sortFields.push_back(parseField(s.field, QStringLiteral("campo de orden"), false));
    for (const GroupDef& g : m_def.groups) {
        m_groupFields.push_back(parseField(g.field, QStringLiteral("grupo")));
        m_groupHeaders.push_back(parse(g.header, QStringLiteral("encabezado de grupo")));
        m_groupFooters.push_back(parse(g.footer, QStringLiteral("pie de grupo")));
    }
    for (const ColumnDef& c : m_def.columns) {
        m_columns.push_back(parse(c.value, QStringLiteral("columna \"%1\"").arg(kit::nameText(c.title))));
        if (!m_columns.back())
            throw ReportError(QStringLiteral("la columna \"%1\" no tiene valor").arg(kit::nameText(c.title)), c.title);
    }
    m_totalLabel = parse(m_def.totalLabel, QStringLiteral("rótulo del total"));
    for (const PageText& t : m_def.pageHeader)
        m_pageHeader.push_back(parse(t.text, QStringLiteral("encabezado de página")));
    for (const PageText& t : m_def.pageFooter)
        m_pageFooter.push_back(parse(t.text, QStringLiteral("pie de página")));
    for (const SubreportDef& s : m_def.subreports)
        m_subFields.push_back(parseField(s.field, QStringLiteral("subinforme %1").arg(kit::nameText(s.name))));
}

void ReportModel::bind(const FormulaNode& root, const QString& what, bool assignSlots)
{
    root.visit([&](const FormulaNode& n) {
        switch (n.type()) {
        case Type::Field: {
            const BoundField f = resolveField(n, what);
            if (!assignSlots)
                break;
            int slot = slotOf(f.table, f.field);
            if (slot < 0) {
                slot = int(m_fields.size());
                m_fields.push_back(f);
            }
            n.setSlot(slot);
            break;
        }
        case Type::FormulaRef: {
            const auto number = m_formulaNumbers.constFind(n.name().toLower());
            if (number == m_formulaNumbers.constEnd())
                throw ReportError(QStringLiteral("%1: fórmula desconocida {@%2}").arg(what, kit::nameText(n.name())), QStringLiteral("@") + n.name());
            n.setSlot(int(*number));
            break;
        }
        case Type::Parameter:
            if (!m_parameters.contains(n.name().toLower()))
                throw ReportError(QStringLiteral("%1: parámetro desconocido {?%2}").arg(what, kit::nameText(n.name())), QStringLiteral("?") + n.name());
            break;
        default: break;
        }
    });
}

BoundField ReportModel::resolveField(const FormulaNode& node, const QString& what) const
{
    const QString near = QStringLiteral("%1.%2").arg(node.table(), node.name());
    const auto table = std::find_if(m_def.tables.begin(), m_def.tables.end(), [&](const TableDef& t) {
        return t.name.compare(node.table(), Qt::CaseInsensitive) == 0;
    });
    if (table == m_def.tables.end())
        throw ReportError(QStringLiteral("%1: tabla desconocida \"%2\"").arg(what, kit::nameText(node.table())), near);
    const auto field = std::find_if(table->fields.begin(), table->fields.end(), [&](const QString& f) {
        return f.compare(node.name(), Qt::CaseInsensitive) == 0;
    });
    if (field == table->fields.end())
        throw ReportError(QStringLiteral("%1: la tabla %2 no tiene el campo \"%3\"").arg(what, kit::nameText(table->name), kit::nameText(node.name())), near);
    return {table->name, *field};
}

int ReportModel::slotOf(const QString& table, const QString& field) const
{
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        if (m_fields[i].table.compare(table, Qt::CaseInsensitive) == 0 && m_fields[i].field.compare(field, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

void ReportModel::listReferences()
{
    std::vector<std::size_t> listedBy(m_formulas.size(), m_formulas.size());   // the last formula that listed it
    for (std::size_t i = 0; i < m_formulas.size(); ++i) {
        Formula& f = m_formulas[i];
        if (!f.tree)
            continue;
        f.tree->visit([&](const FormulaNode& n) {
            if (n.type() != Type::FormulaRef || listedBy[std::size_t(n.slot())] == i)
                return;
            listedBy[std::size_t(n.slot())] = i;
            f.references.push_back(std::size_t(n.slot()));
        });
    }
}

void ReportModel::forEachEvaluatedTree(const std::function<void(const FormulaNode&)>& f) const
{
    for (const FormulaNode* part : m_translation.residual)
        f(*part);
    for (const auto* roots : {&m_columns, &m_groupFields, &m_groupHeaders, &m_groupFooters, &m_pageHeader, &m_pageFooter})
        for (const FormulaNode::Ptr& root : *roots)
            if (root)
                f(*root);
    if (m_totalLabel)
        f(*m_totalLabel);
}

void ReportModel::countUses()
{
    const auto count = [this](const FormulaNode& root) {
        root.visit([this](const FormulaNode& n) {
            if (n.type() == Type::FormulaRef && n.slot() >= 0)
                ++m_formulas[std::size_t(n.slot())].uses;
        });
    };
    for (const Formula& f : m_formulas)
        if (f.tree)
            count(*f.tree);
    forEachEvaluatedTree(count);
}

ReportModel::Lifetime ReportModel::lifetimeOf(const FormulaNode& root) const
{
    Lifetime lifetime = Lifetime::Run;
    root.visit([&](const FormulaNode& n) {
        Lifetime node = Lifetime::Run;
        if (n.type() == Type::Field)
            node = Lifetime::Row;
        else if (n.type() == Type::FormulaRef && n.slot() >= 0)
            node = m_formulas[std::size_t(n.slot())].lifetime;
        else if (n.type() == Type::Special)
            node = n.name().compare(u"PrintDate", Qt::CaseInsensitive) == 0 || n.name().compare(u"CurrentDate", Qt::CaseInsensitive) == 0
                ? Lifetime::PrintDate
                : Lifetime::Row;   // the page number and count
        lifetime = std::min(lifetime, node);
    });
    return lifetime;
}

// Each formula after those it names, so that a line of formulas is walked on the heap. A formula
// named in a tree that is worked out again for each row or use is asked for again.
void ReportModel::markLifetimes()
{
    std::vector<Mark> marks(m_formulas.size(), Mark::Unseen);
    for (std::size_t i = 0; i < m_formulas.size(); ++i)
        walkFormulas(i, marks, [this](std::size_t number) {
            if (const FormulaNode* tree = m_formulas[number].tree.get())
                m_formulas[number].lifetime = lifetimeOf(*tree);
        });
    std::vector<bool> askedAgain(m_formulas.size(), false);
    for (const Formula& f : m_formulas)
        if (f.lifetime == Lifetime::Row)
            for (const std::size_t named : f.references)
                askedAgain[named] = true;
    forEachEvaluatedTree([&](const FormulaNode& root) {
        const Lifetime lifetime = lifetimeOf(root);
        if (lifetime != Lifetime::Row && !root.children().empty()) {
            m_keptTrees.insert(&root, lifetime);
            return;
        }
        root.visit([&](const FormulaNode& n) {
            if (n.type() == Type::FormulaRef && n.slot() >= 0)
                askedAgain[std::size_t(n.slot())] = true;
        });
    });
    for (std::size_t i = 0; i < m_formulas.size(); ++i) {
        Formula& f = m_formulas[i];
        f.keptForRun = f.lifetime != Lifetime::Row && (f.uses > 1 || askedAgain[i]);
    }
}

ReportModel::Lifetime ReportModel::treeLifetime(const FormulaNode& root) const
{
    return m_keptTrees.value(&root, Lifetime::Row);
}

// One walk over all formulas: each is looked at once, whatever refers to it.
void ReportModel::checkCycles() const
{
    std::vector<Mark> marks(m_formulas.size(), Mark::Unseen);
    for (std::size_t i = 0; i < m_formulas.size(); ++i)
        walkFormulas(i, marks, [](std::size_t) {});
}

namespace {

// A step of a walk: the formula, and how many of its references were followed.
using WalkPath = std::vector<std::pair<std::size_t, std::size_t>>;

// Names the loop alone, from the formula reached again back to it, in lower case; a long loop
// by its first and last few formulas, so that the message does not grow with the loop.
ReportError cycleError(const ReportModel& model, const WalkPath& path, std::size_t again)
{
    constexpr qsizetype EachEnd = 5;
    const auto loopStart = std::find_if(path.begin(), path.end(), [again](const auto& step) { return step.first == again; });
    QStringList names;
    for (auto step = loopStart; step != path.end(); ++step)
        names << kit::nameText(model.formulaName(step->first).toLower());
    const QString name = model.formulaName(again).toLower();
    names << kit::nameText(name);
    if (names.size() > 2 * EachEnd + 1)
        names = names.first(EachEnd) + QStringList{QStringLiteral("...")} + names.last(EachEnd);
    return ReportError(QStringLiteral("la fórmula @%1 se refiere a sí misma (%2)").arg(kit::nameText(name), names.join(QStringLiteral(" -> "))),
                       QStringLiteral("@") + name);
}

} // namespace

void ReportModel::walkFormulas(std::size_t from, std::vector<Mark>& marks, const std::function<void(std::size_t)>& done) const
{
    if (marks.at(from) != Mark::Unseen)
        return;
    marks[from] = Mark::OnPath;
    WalkPath path{{from, 0}};
    while (!path.empty()) {
        const std::size_t formula = path.back().first;
        const std::vector<std::size_t>& references = m_formulas[formula].references;
        if (path.back().second < references.size()) {
            const std::size_t next = references[path.back().second++];
            if (marks[next] == Mark::OnPath)
                throw cycleError(*this, path, next);
            if (marks[next] == Mark::Unseen) {
                marks[next] = Mark::OnPath;
                path.emplace_back(next, 0);
            }
            continue;
        }
        done(formula);
        marks[formula] = Mark::Done;
        path.pop_back();
    }
}

void ReportModel::visitWithFormulas(const FormulaNode& root, const std::function<void(const FormulaNode&)>& f) const
{
    std::vector<Mark> marks(m_formulas.size(), Mark::Unseen);
    const auto visitFormula = [&](std::size_t number) {
        if (const FormulaNode* tree = m_formulas[number].tree.get())
            tree->visit(f);
    };
    root.visit([&](const FormulaNode& n) {
        f(n);
        if (n.type() == Type::FormulaRef && n.slot() >= 0)
            walkFormulas(std::size_t(n.slot()), marks, visitFormula);
    });
}

const FormulaNode* ReportModel::formulaTree(const QString& name) const
{
    const auto number = m_formulaNumbers.constFind(name.toLower());
    return number == m_formulaNumbers.constEnd() ? nullptr : m_formulas[*number].tree.get();
}

FormulaValue ReportModel::parameterValue(const QString& name) const
{
    return FormulaValue::text(m_parameters.value(name.toLower()));
}

QString ReportModel::column(const FormulaNode& field) const
{
    if (field.slot() >= 0)
        return m_fields.at(std::size_t(field.slot())).sql();
    try {
        return resolveField(field, QString()).sql();
    } catch (const ReportError&) {
        return {};
    }
}

const FormulaNode* ReportModel::formula(const QString& name) const
{
    return formulaTree(name);
}

std::optional<FormulaValue> ReportModel::parameter(const QString& name) const
{
    if (!m_parameters.contains(name.toLower()))
        return std::nullopt;
    return parameterValue(name);
}

QString ReportModel::fromClause() const
{
    QString from = m_def.tables.front().name;
    QStringList joined{from.toLower()};
    for (std::size_t i = 0; i < m_def.links.size(); ++i) {
        const FormulaNode& a = *m_linkFields[2 * i];
        const FormulaNode& b = *m_linkFields[2 * i + 1];
        const QString target = resolveField(b, QString()).table;
        if (!joined.contains(resolveField(a, QString()).table.toLower()))
            throw ReportError(QStringLiteral("el vínculo %1 parte de una tabla que no se unió antes").arg(kit::nameText(m_def.links[i].from)), m_def.links[i].from);
        const QString condition = column(a) + QStringLiteral(" = ") + column(b);
        if (joined.contains(target.toLower())) {
            from += QStringLiteral(" AND ") + condition;   // a second condition of the same join
            continue;
        }
        joined << target.toLower();
        from += QStringLiteral(" %1 JOIN %2 ON %3").arg(m_def.links[i].left ? "LEFT" : "INNER", target, condition);
    }
    for (const TableDef& t : m_def.tables)
        if (!joined.contains(t.name.toLower()))
            throw ReportError(QStringLiteral("la tabla %1 no está vinculada con las demás").arg(kit::nameText(t.name)), t.name);
    return from;
}

QString ReportModel::orderClause(const QString& firstColumn) const
{
    QStringList order;
    if (!firstColumn.isEmpty())
        order << firstColumn;
    for (std::size_t i = 0; i < m_groupFields.size(); ++i)
        order << column(*m_groupFields[i]) + (m_def.groups[i].descending ? QStringLiteral(" DESC") : QString());
    for (std::size_t i = 0; i < m_sortFields.size(); ++i)
        order << column(*m_sortFields[i]) + (m_def.sort[i].descending ? QStringLiteral(" DESC") : QString());
    return order.isEmpty() ? QString() : QStringLiteral(" ORDER BY ") + order.join(QStringLiteral(", "));
}

QString ReportModel::selectClause(const QString& extraColumn) const
{
    QStringList select;
    for (const BoundField& f : m_fields)
        select << f.sql();
    if (select.isEmpty())
        select << QStringLiteral("1");
    if (!extraColumn.isEmpty())
        select << extraColumn;
    return QStringLiteral("SELECT ") + select.join(QStringLiteral(", "));
}

QString ReportModel::bareQuery() const
{
    return selectClause() + QStringLiteral(" FROM ") + fromClause();
}

// The sub-report reads only rows a row of this report may ask for: those whose link value is
// among this report's, as far as its selection goes to the database.
QString ReportModel::subreportQuery(std::size_t i) const
{
    const ReportModel& sub = *m_subModels.at(i);
    QString linkValues = QStringLiteral("SELECT %1 FROM %2").arg(column(subreportField(i)), fromClause());
    if (!m_translation.where.isEmpty())
        linkValues += QStringLiteral(" WHERE ") + m_translation.where;
    QStringList where{QStringLiteral("%1 IN (%2)").arg(sub.linkColumn(), linkValues)};
    if (!sub.m_translation.where.isEmpty())
        where << sub.m_translation.where;
    return sub.selectClause(sub.linkColumn()) + QStringLiteral(" FROM ") + sub.fromClause() + QStringLiteral(" WHERE ") +
           where.join(QStringLiteral(" AND ")) + sub.orderClause(sub.linkColumn());
}

QString ReportModel::query(const QString& extraWhere) const
{
    QStringList where;
    if (!extraWhere.isEmpty())
        where << extraWhere;
    if (!m_translation.where.isEmpty())
        where << m_translation.where;
    QString sql = bareQuery();
    if (!where.isEmpty())
        sql += QStringLiteral(" WHERE ") + where.join(QStringLiteral(" AND "));
    return sql + orderClause();
}

} // namespace reportengine
