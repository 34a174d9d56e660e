#include "ado/TypedRewriter.h"

#include "ado/ServerMessages.h"
#include "ado/SqlQuoting.h"

#include <QSet>

namespace ado {

namespace {
// Words that end a name, an alias or an operand: clause and operator keywords.
const QSet<QString>& keywords()
{
    static const QSet<QString> words{QStringLiteral("SELECT"), QStringLiteral("FROM"), QStringLiteral("WHERE"),
        QStringLiteral("AND"), QStringLiteral("OR"), QStringLiteral("NOT"), QStringLiteral("AS"), QStringLiteral("ON"),
        QStringLiteral("JOIN"), QStringLiteral("INNER"), QStringLiteral("LEFT"), QStringLiteral("RIGHT"),
        QStringLiteral("OUTER"), QStringLiteral("CROSS"), QStringLiteral("FULL"), QStringLiteral("GROUP"),
        QStringLiteral("ORDER"), QStringLiteral("BY"), QStringLiteral("HAVING"), QStringLiteral("UNION"),
        QStringLiteral("EXCEPT"), QStringLiteral("INTERSECT"), QStringLiteral("ALL"), QStringLiteral("DISTINCT"),
        QStringLiteral("TOP"), QStringLiteral("INTO"), QStringLiteral("VALUES"), QStringLiteral("SET"),
        QStringLiteral("UPDATE"), QStringLiteral("INSERT"), QStringLiteral("DELETE"), QStringLiteral("CASE"),
        QStringLiteral("WHEN"), QStringLiteral("THEN"), QStringLiteral("ELSE"), QStringLiteral("END"),
        QStringLiteral("LIKE"), QStringLiteral("IN"), QStringLiteral("IS"), QStringLiteral("BETWEEN"),
        QStringLiteral("EXISTS"), QStringLiteral("ASC"), QStringLiteral("DESC"), QStringLiteral("ESCAPE"),
        QStringLiteral("COLLATE"), QStringLiteral("NULL"), QStringLiteral("WITH"), QStringLiteral("OPTION"),
        QStringLiteral("FOR"), QStringLiteral("APPLY"), QStringLiteral("OVER"), QStringLiteral("PARTITION"),
        QStringLiteral("OFFSET"), QStringLiteral("FETCH"), QStringLiteral("PERCENT"), QStringLiteral("TIES"),
        QStringLiteral("EXEC"), QStringLiteral("EXECUTE"), QStringLiteral("DEFAULT"), QStringLiteral("ROWS"),
        QStringLiteral("RANGE")};
    return words;
}

QString lower(const QString& s)
{
    return s.toLower();
}

QString quotedName(const QString& name)
{
    return u'"' + QString(name).replace(u'"', QLatin1String("\"\"")) + u'"';
}
} // namespace

bool TypedRewriter::isKeyword(const SqlToken& t)
{
    return t.kind == SqlToken::Word && keywords().contains(t.text.toUpper());
}

TypedRewriter::TypedRewriter(SqlTokens& tokens, const TranslationContext& context)
    : m_view(tokens)
    , m_context(context)
{
}

StatementShape TypedRewriter::run()
{
    const int to = m_view.size();
    m_shape.end = to;
    int at = 0;
    if (m_view.is(at, "WITH"))
        at = commonTables(at, to);
    if (m_view.is(at, "SELECT") || m_view.is(at, "(")) {
        m_shape.verb = StatementShape::Select;
        const QueryResult result = query(at, to, nullptr, nullptr, true);
        m_shape.itemTypes = result.types;
        m_shape.itemNames = result.names;
    } else if (m_view.is(at, "INSERT")) {
        insertStatement(at, to);
    } else if (m_view.is(at, "UPDATE")) {
        updateStatement(at, to);
    } else if (m_view.is(at, "DELETE")) {
        deleteStatement(at, to);
    } else if (m_view.is(at, "CREATE") && m_view.is(at + 1, "VIEW")) {
        const int as = clauseEnd(at + 2, to, {"AS"});
        if (as < to)
            query(as + 1, to, nullptr, nullptr, false);
    }
    return std::move(m_shape);
}

// The first position in [from, to) outside brackets holding one of the words, else to.
int TypedRewriter::clauseEnd(int from, int to, std::initializer_list<const char*> stops) const
{
    for (int i = from; i < to; ++i) {
        if (m_view.is(i, "(")) {
            i = m_view.closing(i);
            continue;
        }
        for (const char* stop : stops)
            if (m_view.is(i, stop))
                return i;
    }
    return to;
}

// The ")" of the "(" at open, which must close before `to`: a bracket that closes beyond the
// stretch being read (cut short by a CASE's END or a clause word inside it) is the server's
// syntax error where the stretch ends.
int TypedRewriter::closingWithin(int open, int to) const
{
    const int close = m_view.closing(open);
    if (close >= to)
        throw m_view.syntaxErrorAt(to);
    return close;
}

// The end of a dotted name (db.owner.table) starting at `at`.
int TypedRewriter::nameEnd(int at, int to) const
{
    if (at >= to || !m_view[at].isName())
        return at;
    while (at + 2 < to && m_view.is(at + 1, ".") && m_view[at + 2].isName())
        at += 2;
    while (at + 2 < to && m_view.is(at + 1, ".") && m_view.is(at + 2, "."))   // db..table
        at += at + 3 < to && m_view[at + 3].isName() ? 3 : 2;
    return at + 1;
}

bool TypedRewriter::isAlias(int at, int to) const
{
    return at < to && (m_view[at].kind == SqlToken::Quoted || (m_view[at].kind == SqlToken::Word && !isKeyword(m_view[at])));
}

int TypedRewriter::commonTables(int at, int to)
{
    ++at;
    while (at < to && m_view[at].isName()) {
        Source source;
        source.name = m_view[at].text;
        QStringList names;
        ++at;
        if (m_view.is(at, "(")) {
            const int close = closingWithin(at, to);
            for (int i = at + 1; i < close; ++i)
                if (m_view[i].isName())
                    names << m_view[i].text;
            at = close + 1;
        }
        if (!m_view.is(at, "AS") || !m_view.is(at + 1, "("))
            throw TranslationError(102, ServerMessages::syntaxNear(source.name));
        const int close = closingWithin(at + 1, to);
        const QueryResult inner = query(at + 2, close, nullptr, nullptr, false);
        for (size_t k = 0; k < inner.types.size(); ++k) {
            const QString name = qsizetype(k) < names.size() ? names[qsizetype(k)] : inner.names.value(qsizetype(k));
            source.columns.insert(lower(name), inner.types[k]);
        }
        m_commonTables.insert(lower(source.name), source);
        at = close + 1;
        if (!m_view.is(at, ","))
            break;
        ++at;
    }
    return at;
}

TypedRewriter::QueryResult TypedRewriter::query(int from, int to, const Scope* outer, const std::vector<SqlType>* targets,
                                                bool statementLevel)
{
    const Nesting nesting(m_depth);
    int at = from;
    if (m_view.is(at, "WITH"))
        at = commonTables(at, to);
    std::vector<QueryResult> cores;
    std::vector<SelectCore> shapes;
    Scope firstScope;
    firstScope.parent = outer;
    bool compound = false;
    while (at < to) {
        if (m_view.is(at, "(")) {
            // SQLite takes no bracketed SELECT among UNION's members: it becomes a derived table.
            const int close = closingWithin(at, to);
            m_view[at].prefix.prepend(QStringLiteral("SELECT * FROM "));
            cores.push_back(query(at + 1, close, outer, targets, false));
            at = close + 1;
        } else if (m_view.is(at, "SELECT")) {
            SelectCore core;
            core.select = at;
            core.end = clauseEnd(at + 1, to, {"UNION", "EXCEPT", "INTERSECT", "ORDER", "OPTION", "FOR"});
            Scope scope;
            cores.push_back(selectCore(at, core.end, outer, targets, core, scope));
            if (shapes.empty())
                firstScope = scope;
            shapes.push_back(core);
            at = core.end;
        } else {
            break;
        }
        if (!(m_view.is(at, "UNION") || m_view.is(at, "EXCEPT") || m_view.is(at, "INTERSECT")))
            break;
        compound = true;
        at += m_view.is(at + 1, "ALL") ? 2 : 1;
    }
    int orderFrom = -1;
    int orderTo = -1;
    if (m_view.is(at, "ORDER") && m_view.is(at + 1, "BY")) {
        orderFrom = at + 2;
        orderTo = clauseEnd(orderFrom, to, {"OPTION", "FOR"});
        region(orderFrom, orderTo, firstScope);   // select-list aliases resolve to nothing: no edit needed
        at = orderTo;
    }
    if (m_view.is(at, "OPTION"))
        throw TranslationError::unsupported(QStringLiteral("sugerencias de consulta (OPTION)"));
    if (m_view.is(at, "FOR"))
        throw TranslationError::unsupported(QStringLiteral("FOR XML / FOR BROWSE"));
    if (at < to && statementLevel)
        region(at, to, firstScope);
    if (compound)
        unifyCompound(cores);
    if (statementLevel && !cores.empty()) {
        m_shape.unnamedColumns = cores.front().unnamed;
        m_shape.columnsKnown = !cores.front().star;
    }
    for (SelectCore& core : shapes) {
        core.queryEnd = to;
        core.orderFrom = orderFrom;
        core.orderTo = orderTo;
        core.inCompound = compound;
        if (core.topFrom >= 0)
            m_shape.tops.push_back(core);
    }
    return cores.empty() ? QueryResult() : cores.front();
}

TypedRewriter::QueryResult TypedRewriter::selectCore(int from, int to, const Scope* outer,
                                                     const std::vector<SqlType>* targets, SelectCore& core, Scope& scope)
{
    scope.parent = outer;
    int at = from + 1;
    if (m_view.is(at, "DISTINCT")) {
        core.distinct = true;
        ++at;
    } else if (m_view.is(at, "ALL")) {
        ++at;
    }
    if (m_view.is(at, "TOP")) {
        core.topFrom = at++;
        if (m_view.is(at, "(")) {
            core.countFrom = at;
            at = closingWithin(at, to) + 1;
            region(core.countFrom + 1, at - 1, scope);
        } else if (at < to && (m_view[at].kind == SqlToken::Number || m_view[at].kind == SqlToken::Variable)) {
            core.countFrom = at++;
        } else {
            throw TranslationError(102, ServerMessages::syntaxNear(QStringLiteral("TOP")));
        }
        core.countTo = at;
        if (m_view.is(at, "PERCENT")) {
            core.percent = true;
            ++at;
        }
        if (m_view.is(at, "WITH") && m_view.is(at + 1, "TIES")) {
            core.withTies = true;
            at += 2;
        }
        core.topTo = at;
    }
    const int into = clauseEnd(at, to, {"INTO"});
    const int fromWord = clauseEnd(at, to, {"FROM"});
    const int where = clauseEnd(at, to, {"WHERE"});
    const int group = clauseEnd(at, to, {"GROUP"});
    const int having = clauseEnd(at, to, {"HAVING"});
    auto nextClause = [&](int after) {
        int next = to;
        for (int clause : {into, fromWord, where, group, having})
            if (clause > after && clause < next)
                next = clause;
        return next;
    };
    if (fromWord < to)
        tableSources(fromWord + 1, nextClause(fromWord), scope, outer);
    QueryResult result;
    core.itemsEnd = nextClause(at - 1);
    selectItems(at, core.itemsEnd, scope, targets, result, core);
    if (into < to) {
        const int end = nameEnd(into + 1, to);
        if (end == into + 1)
            throw TranslationError(102, ServerMessages::syntaxNear(QStringLiteral("INTO")));
        m_shape.intoTable = m_view[end - 1].text;
        m_view.erase(into, end);
    }
    if (where < to)
        region(where + 1, nextClause(where), scope);
    if (group < to)
        region(group + 2, nextClause(group), scope);
    if (having < to)
        region(having + 1, nextClause(having), scope);
    return result;
}

void TypedRewriter::selectItems(int from, int to, const Scope& scope, const std::vector<SqlType>* targets, QueryResult& out,
                                SelectCore& core)
{
    for (const TokenView::Span& span : m_view.items(from, to)) {
        if (span.from >= span.to)
            continue;
        const SqlType* target = targets && out.items.size() < targets->size() ? &(*targets)[out.items.size()] : nullptr;
        SelectCore::Item item = selectItem(span.from, span.to, scope, target, out);
        core.items.push_back(item);
    }
    if (!m_shape.assignedVariables.isEmpty() && m_shape.assignedVariables.size() != qsizetype(out.items.size()))
        throw TranslationError(141, QStringLiteral(
            "A SELECT statement that assigns a value to a variable must not be combined with data-retrieval operations."));
}

// One column of a SELECT list [a, b): *, t.*, @v = expr, Alias = expr, expr [AS] alias.
SelectCore::Item TypedRewriter::selectItem(int a, int b, const Scope& scope, const SqlType* target, QueryResult& out)
{
    const bool star = m_view.is(a, "*") || (b - a == 3 && m_view[a].isName() && m_view.is(a + 1, ".") && m_view.is(a + 2, "*"));
    if (star) {
        out.add(Node{a, b}, QStringLiteral("*"));
        out.star = true;
        return {a, b, {}};
    }
    const SqlToken& first = m_view[a];
    const bool assigns = m_view.is(a + 1, "=") && b > a + 2;
    if (assigns && first.kind == SqlToken::Variable && !first.text.startsWith(QLatin1String("@@")))
        return variableItem(a, b, scope, out);
    const bool aliasFirst = assigns && (first.isName() || first.kind == SqlToken::String) && !isKeyword(first);
    QString alias;
    Node value;
    if (aliasFirst) {
        alias = first.kind == SqlToken::String ? unquoteSqlText(first.text) : first.text;
        value = expression(a + 2, b, scope);
        if (value.to < b)
            region(value.to, b, scope);
    } else {
        value = expression(a, b, scope);
        alias = trailingAlias(value, b, scope);
    }
    if (target)
        assign(value, *target, false);
    else
        collate(value);
    if (aliasFirst) {   // SELECT Alias = expr names the column
        m_view.erase(a, a + 2);
        m_view[b - 1].suffix += QStringLiteral(" AS ") + quotedName(alias);
    }
    if (alias.isEmpty() && value.column)
        alias = m_view[value.to - 1].text;
    else if (alias.isEmpty() && value.to == b)
        out.unnamed.push_back(b - 1);
    out.add(value, alias);
    return {value.from, value.to, alias};
}

// SELECT @v = expr: the value goes to the variable, not to the caller.
SelectCore::Item TypedRewriter::variableItem(int a, int b, const Scope& scope, QueryResult& out)
{
    const QString name = m_view[a].text;
    const auto declared = m_context.variables.constFind(lower(name));
    if (declared == m_context.variables.constEnd())
        throw TranslationError(137, ServerMessages::undeclaredVariable(name));
    Node value = expression(a + 2, b, scope);
    assign(value, *declared, true);
    m_shape.assignedVariables << name;
    m_view.erase(a, a + 2);
    out.add(value, name);
    return {a + 2, b, {}};
}

// The alias after a column's expression ([AS] name or 'name'); empty when there is none.
QString TypedRewriter::trailingAlias(const Node& value, int b, const Scope& scope)
{
    int aliasAt = value.to;
    if (m_view.is(aliasAt, "AS"))
        ++aliasAt;
    if (aliasAt == b - 1 && (m_view[aliasAt].isName() || m_view[aliasAt].kind == SqlToken::String)) {
        SqlToken& name = m_view[aliasAt];
        if (name.kind == SqlToken::String) {   // SQLite names a column by a quoted name only
            name.kind = SqlToken::Quoted;
            name.text = unquoteSqlText(name.text);
        }
        return name.text;
    }
    if (value.to < b)
        region(value.to, b, scope);
    return {};
}

void TypedRewriter::unifyCompound(std::vector<QueryResult>& cores)
{
    size_t columns = cores.front().items.size();
    for (const QueryResult& core : cores) {
        if (core.items.size() != columns || core.names.contains(QStringLiteral("*")))
            return;
    }
    for (size_t k = 0; k < columns; ++k) {
        SqlType target;
        for (const QueryResult& core : cores)
            if (!core.items[k].null)
                target = SqlType::higher(target, core.items[k].type);
        for (QueryResult& core : cores)
            coerce(core.items[k], target);
        cores.front().types[k] = target;
    }
}

void TypedRewriter::tableSources(int from, int to, Scope& scope, const Scope* outer)
{
    std::vector<std::pair<int, int>> conditions;
    int at = from;
    while (at < to) {
        const int next = tableSource(at, to, scope, outer);
        if (next <= at)
            break;
        at = next;
        bool joined = false;
        int j = at;
        while (j < to && (m_view.is(j, "INNER") || m_view.is(j, "LEFT") || m_view.is(j, "RIGHT") || m_view.is(j, "FULL")
                          || m_view.is(j, "OUTER") || m_view.is(j, "CROSS")))
            ++j;
        if (m_view.is(j, "APPLY"))
            throw TranslationError::unsupported(QStringLiteral("CROSS APPLY ni OUTER APPLY"));
        if (m_view.is(j, "JOIN")) {
            joined = true;
            at = j + 1;
        } else if (m_view.is(at, ",")) {
            ++at;
            continue;
        } else if (m_view.is(at, "ON")) {
            const int end = clauseEnd(at + 1, to, {"INNER", "LEFT", "RIGHT", "FULL", "CROSS", "JOIN", ","});
            conditions.emplace_back(at + 1, end);
            at = end;
            continue;
        } else {
            break;
        }
        Q_UNUSED(joined);
    }
    if (at < to)
        region(at, to, scope);
    for (const auto& [a, b] : conditions)
        region(a, b, scope);
}

int TypedRewriter::tableSource(int at, int to, Scope& scope, const Scope* outer)
{
    Source source;
    if (m_view.is(at, "(")) {
        const int close = closingWithin(at, to);
        if (m_view.is(at + 1, "SELECT") || m_view.is(at + 1, "WITH")) {
            const QueryResult inner = query(at + 1, close, outer, nullptr, false);
            for (size_t k = 0; k < inner.types.size(); ++k)
                source.columns.insert(lower(inner.names.value(qsizetype(k))), inner.types[k]);
        } else {
            tableSources(at + 1, close, scope, outer);   // ( a JOIN b ON ... )
            return close + 1;
        }
        at = close + 1;
    } else if (at < to && m_view[at].kind == SqlToken::Variable) {
        throw TranslationError::unsupported(QStringLiteral("variables de tabla"));
    } else if (at < to && m_view[at].isName() && !isKeyword(m_view[at])) {
        const int end = nameEnd(at, to);
        if (m_view.is(end, "("))
            throw TranslationError::unsupported(QStringLiteral("funciones con valores de tabla (%1)").arg(m_view[end - 1].text));
        const QString name = m_view[end - 1].text;
        const auto common = m_commonTables.constFind(lower(name));
        if (common != m_commonTables.constEnd())
            source = *common;
        else
            source.table = name;
        source.name = name;
        at = end;
    } else {
        return at;
    }
    if (m_view.is(at, "AS"))
        ++at;
    if (m_view.is(at, "PIVOT") || m_view.is(at, "UNPIVOT") || m_view.is(at, "TABLESAMPLE"))
        throw TranslationError::unsupported(m_view.is(at, "TABLESAMPLE") ? QStringLiteral("TABLESAMPLE") : QStringLiteral("PIVOT ni UNPIVOT"));
    if (isAlias(at, to)) {
        source.name = m_view[at].text;
        ++at;
        if (m_view.is(at, "(") && source.table.isEmpty()) {   // AS x (a, b): the derived table's names
            const int close = closingWithin(at, to);
            QHash<QString, SqlType> renamed;
            const QList<SqlType> types = source.columns.values();
            int k = 0;
            for (int i = at + 1; i < close; ++i)
                if (m_view[i].isName())
                    renamed.insert(lower(m_view[i].text), k < types.size() ? types[k++] : SqlType());
            source.columns = renamed;
            at = close + 1;
        }
    }
    scope.sources.push_back(source);
    return at;
}

const TypedRewriter::Source* TypedRewriter::findSource(const Scope& scope, const QString& name) const
{
    for (const Source& s : scope.sources)
        if (s.name.compare(name, Qt::CaseInsensitive) == 0)
            return &s;
    const Source* byTable = nullptr;
    for (const Source& s : scope.sources) {
        if (s.table.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        if (byTable)
            return nullptr;   // the table is there twice: only an alias tells which
        byTable = &s;
    }
    return byTable;
}

SqlType TypedRewriter::columnOf(const QString& table, const QString& column) const
{
    return m_context.schema ? SqlType::fromDeclared(m_context.schema->declaredType(table, column)) : SqlType();
}

// A column of the statement's own tables (the innermost query first), else whatever every
// table of the database that has such a column agrees on.
SqlType TypedRewriter::resolveColumn(const Scope* scope, const QString& qualifier, const QString& name) const
{
    for (const Scope* s = scope; s; s = s->parent) {
        for (const Source& source : s->sources) {
            if (!qualifier.isEmpty() && source.name.compare(qualifier, Qt::CaseInsensitive) != 0
                && source.table.compare(qualifier, Qt::CaseInsensitive) != 0)
                continue;
            if (source.table.isEmpty()) {
                const auto found = source.columns.constFind(lower(name));
                if (found != source.columns.constEnd())
                    return *found;
            } else if (m_context.schema && !m_context.schema->declaredType(source.table, name).isEmpty()) {
                return columnOf(source.table, name);
            }
            if (!qualifier.isEmpty())
                return {};
        }
    }
    return m_context.schema ? SqlType::fromDeclared(m_context.schema->declaredTypeAnywhere(name)) : SqlType();
}

void TypedRewriter::insertStatement(int at, int to)
{
    m_shape.verb = StatementShape::Insert;
    int i = at + 1;
    if (m_view.is(i, "TOP"))
        throw TranslationError::unsupported(QStringLiteral("INSERT TOP"));
    if (m_view.is(i, "INTO"))
        ++i;
    else
        m_view[at].suffix += QStringLiteral(" INTO");
    const int end = nameEnd(i, to);
    if (end == i)
        return;
    const QString table = m_view[end - 1].text;
    m_shape.insertTable = table;
    i = end;
    QStringList columns;
    if (m_view.is(i, "(") && !m_view.is(i + 1, "SELECT") && !m_view.is(i + 1, "WITH")) {
        const int close = closingWithin(i, to);
        for (int k = i + 1; k < close; ++k)
            if (m_view[k].isName())
                columns << m_view[k].text;
        i = close + 1;
    } else if (m_context.schema) {
        columns = m_context.schema->columns(table);
    }
    std::vector<SqlType> targets;
    for (const QString& column : columns)
        targets.push_back(columnOf(table, column));
    Scope none;
    if (m_view.is(i, "VALUES")) {
        for (int group = i + 1; group < to && m_view.is(group, "(");) {
            const int close = closingWithin(group, to);
            const std::vector<TokenView::Span> values = m_view.items(group + 1, close);
            for (size_t k = 0; k < values.size(); ++k) {
                Node value = expression(values[k].from, values[k].to, none);
                if (value.to < values[k].to)
                    region(value.to, values[k].to, none);
                if (k < targets.size())
                    assign(value, targets[k], false);
            }
            group = m_view.is(close + 1, ",") ? close + 2 : to;
        }
    } else if (m_view.is(i, "SELECT") || m_view.is(i, "WITH") || m_view.is(i, "(")) {
        query(i, to, nullptr, &targets, false);
    } else if (m_view.is(i, "EXEC") || m_view.is(i, "EXECUTE")) {
        throw TranslationError::unsupported(QStringLiteral("INSERT ... EXEC"));
    }
}

void TypedRewriter::updateStatement(int at, int to)
{
    m_shape.verb = StatementShape::Update;
    int i = at + 1;
    if (m_view.is(i, "TOP"))
        throw TranslationError::unsupported(QStringLiteral("UPDATE TOP"));
    const int end = nameEnd(i, to);
    if (end == i || !m_view.is(end, "SET"))
        throw TranslationError(102, ServerMessages::syntaxNear(i < to ? m_view[i].text : QStringLiteral("UPDATE")));
    m_shape.targetAt = end - 1;
    const QString target = m_view[end - 1].text;
    m_shape.setFrom = end + 1;
    const int fromWord = clauseEnd(m_shape.setFrom, to, {"FROM"});
    const int where = clauseEnd(m_shape.setFrom, to, {"WHERE"});
    const int option = clauseEnd(m_shape.setFrom, to, {"OPTION"});
    if (option < to)
        throw TranslationError::unsupported(QStringLiteral("sugerencias de consulta (OPTION)"));
    m_shape.setTo = std::min(fromWord, where);
    Scope scope;
    const QString table = writtenTable(target, fromWord < to ? fromWord + 1 : -1, where > fromWord ? where : to, scope, "UPDATE");
    assignments(m_shape.setFrom, m_shape.setTo, table, scope);
    whereClause(where, to, scope);
}

void TypedRewriter::assignments(int from, int to, const QString& table, const Scope& scope)
{
    for (const auto [a, comma] : m_view.items(from, to)) {
        if (a >= comma)
            continue;
        if (m_view[a].kind == SqlToken::Variable)
            throw TranslationError::unsupported(QStringLiteral("asignar una variable en UPDATE"));
        const int nameTo = nameEnd(a, comma);
        if (nameTo == a || !m_view.is(nameTo, "="))
            throw TranslationError::unsupported(QStringLiteral("esta asignación en UPDATE (%1)").arg(m_view.text(a, comma)));
        m_view.erase(a, nameTo - 1);   // SQLite names the column without its table
        const QString column = m_view[nameTo - 1].text;
        Node value = expression(nameTo + 1, comma, scope);
        if (value.to < comma)
            region(value.to, comma, scope);
        assign(value, columnOf(table, column), false);
        m_shape.assignments.push_back({nameTo - 1, nameTo + 1, comma});
    }
}

// The table an UPDATE or DELETE writes: the target itself, or the table its name (an alias)
// stands for in the statement's FROM list (listFrom < 0: none), whose tables make the scope.
QString TypedRewriter::writtenTable(const QString& target, int listFrom, int listTo, Scope& scope, const char* verb)
{
    QString table = target;
    if (listFrom >= 0) {
        m_shape.hasFrom = true;
        m_shape.fromListFrom = listFrom;
        m_shape.fromListTo = listTo;
        tableSources(listFrom, listTo, scope, nullptr);
        if (const Source* source = findSource(scope, target)) {
            if (source->table.isEmpty())
                throw TranslationError::unsupported(QStringLiteral("%1 de una tabla derivada").arg(QLatin1String(verb)));
            table = source->table;
            m_shape.targetSource = source->name;
        }
    }
    if (m_shape.targetSource.isEmpty())
        scope.sources.push_back(Source{target, target, {}});
    m_shape.target = table;
    return table;
}

void TypedRewriter::whereClause(int where, int to, const Scope& scope)
{
    if (where >= to)
        return;
    m_shape.whereFrom = where + 1;
    m_shape.whereTo = to;
    region(where + 1, to, scope);
}

void TypedRewriter::deleteStatement(int at, int to)
{
    m_shape.verb = StatementShape::Delete;
    int i = at + 1;
    if (m_view.is(i, "TOP"))
        throw TranslationError::unsupported(QStringLiteral("DELETE TOP"));
    if (m_view.is(i, "FROM")) {
        m_shape.deleteFromWord = true;
        ++i;
    }
    const int end = nameEnd(i, to);
    if (end == i)
        return;
    m_shape.targetAt = end - 1;
    const QString target = m_view[end - 1].text;
    const int where = clauseEnd(end, to, {"WHERE"});
    Scope scope;
    writtenTable(target, m_view.is(end, "FROM") ? end + 1 : -1, where, scope, "DELETE");
    whereClause(where, to, scope);
}

} // namespace ado
