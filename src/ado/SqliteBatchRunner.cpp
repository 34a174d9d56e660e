#include "ado/SqliteBatchRunner.h"

#include "ado/AdoEnums.h"
#include "ado/ServerMessages.h"
#include "ado/SqlLexer.h"
#include "ado/SqlQuoting.h"
#include "ado/TsqlDialectTranslator.h"
#include "ado/SqliteEngine.h"
#include "ado/SqliteErrorMap.h"
#include "ado/StoredProcedureText.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QSet>
#include <sqlite3.h>

namespace ado {

namespace {
constexpr int maxNesting = 16;

QString literalOf(const QVariant& value)
{
    if (!value.isValid())
        return QStringLiteral("NULL");
    if (value.typeId() == QMetaType::LongLong)
        return QString::number(value.toLongLong());
    if (value.typeId() == QMetaType::Double)
        return QString::number(value.toDouble(), 'g', 17);
    return quoteSqlText(value.toString());
}

// RAISERROR's message with its marks (%s, %d, %i, %u, with flags and width) filled in order.
QString formatMessage(const QString& message, const std::vector<QVariant>& arguments)
{
    static const QRegularExpression mark(QStringLiteral("%[-+# 0]*\\d*(?:\\.\\d+)?(?:h|l)?([sdiuoxX%])"));
    QString out;
    qsizetype from = 0;
    size_t next = 0;
    auto it = mark.globalMatch(message);
    while (it.hasNext()) {
        const auto m = it.next();
        out += message.mid(from, m.capturedStart() - from);
        from = m.capturedEnd();
        if (m.captured(1) == QLatin1String("%")) {
            out += u'%';
            continue;
        }
        const QVariant value = next < arguments.size() ? arguments[next++] : QVariant();
        out += value.isValid() ? value.toString() : QStringLiteral("(null)");
    }
    return out + message.mid(from);
}

// INSERT, UPDATE and DELETE: the server follows their errors with 3621 ("Se terminó la instrucción.").
bool changesRows(const TranslatedStatement& s)
{
    const QString first = s.sql.section(u' ', 0, 0).toUpper();
    return s.kind == TranslatedStatement::SelectInto || first == QLatin1String("INSERT") || first == QLatin1String("UPDATE")
           || first == QLatin1String("DELETE");
}

bool changesTables(const TranslatedStatement& s)
{
    if (s.kind == TranslatedStatement::SelectInto)
        return true;
    const QString first = s.sql.section(u' ', 0, 0).toUpper();
    return first == QLatin1String("CREATE") || first == QLatin1String("ALTER") || first == QLatin1String("DROP");
}
} // namespace

SqliteBatchRunner::SqliteBatchRunner(SqliteEngine& engine, ExecuteResult& result, int depth, std::vector<Error>* errors)
    : m_engine(engine)
    , m_result(result)
    , m_depth(depth)
    , m_errors(errors ? *errors : m_ownErrors)
{
    m_callerVariables = std::move(m_engine.m_variables);
    m_engine.m_variables.clear();
    m_callerScopeIdentity = m_engine.m_scopeIdentity;
    m_engine.m_scopeIdentity = QVariant();
}

SqliteBatchRunner::~SqliteBatchRunner()
{
    m_engine.m_variables = std::move(m_callerVariables);
    m_engine.m_scopeIdentity = m_callerScopeIdentity;
}

SqliteBatchRunner::Outcome SqliteBatchRunner::run(const std::vector<TranslatedStatement>& program)
{
    Outcome outcome = Outcome::Completed;
    const bool outermost = &m_errors == &m_ownErrors;
    int pc = 0;
    bool partStart = true;
    while (pc < int(program.size())) {
        try {
            if (partStart)
                compileCheck(program, pc);
            partStart = program[size_t(pc)].kind == TranslatedStatement::PartEnd;
            pc = step(program, pc);
            continue;
        } catch (const DatabaseFailure& failure) {
            Reach reach = record(failure, m_floor);
            m_floor = Reach::Statement;
            if (m_engine.m_options.xactAbort) {
                if (m_engine.m_transactionLevel > 0)
                    m_engine.rollback();
                reach = std::max(reach, Reach::Batch);
            }
            if (reach == Reach::Everything) {
                outcome = Outcome::Stopped;
                break;
            }
            if (reach == Reach::Batch)
                outcome = Outcome::BatchAborted;
            if (reach == Reach::Batch && !outermost)
                break;
            pc = reach == Reach::Statement ? pc + 1 : partEnd(program, pc);
            partStart = false;
        }
    }
    if (outermost && !m_errors.empty())
        throw DatabaseFailure(m_errors.front().Number(), m_errors);
    return outcome;
}

// The server compiles a whole part before it runs any of it: a syntax error, or an unknown
// function, anywhere in it means none of it runs. Unknown tables and columns are found
// only when their statement runs (the server resolves names late, too).
void SqliteBatchRunner::compileCheck(const std::vector<TranslatedStatement>& program, int pc)
{
    std::vector<const TranslatedStatement*> steps;
    for (int i = pc; i < int(program.size()) && program[size_t(i)].kind != TranslatedStatement::PartEnd; ++i)
        if (!program[size_t(i)].sql.isEmpty())
            steps.push_back(&program[size_t(i)]);
    if (steps.size() < 2)
        return;
    for (const TranslatedStatement* s : steps) {
        const QByteArray utf8 = s->sql.toUtf8();
        const char* tail = utf8.constData();
        const char* end = tail + utf8.size();
        while (tail < end) {
            sqlite3_stmt* stmt = nullptr;
            const char* from = tail;
            const int rc = sqlite3_prepare_v2(m_engine.m_db, tail, int(end - tail), &stmt, &tail);
            sqlite3_finalize(stmt);
            if (rc == SQLITE_OK && tail == from)   // a NUL: SQLite reads no further
                break;
            if (rc == SQLITE_OK)
                continue;
            const DatabaseFailure failure = SqliteErrorMap::failure(m_engine.m_db, rc, s->sql);
            const int native = failure.records().empty() ? 0 : failure.records().front().NativeError();
            if (native == 102 || native == 195)
                throw failure;
            break;
        }
    }
}

int SqliteBatchRunner::partEnd(const std::vector<TranslatedStatement>& program, int pc)
{
    while (pc < int(program.size()) && program[size_t(pc)].kind != TranslatedStatement::PartEnd)
        ++pc;
    return pc;
}

// How far an error reaches: the server's statement-terminating errors end the statement;
// compile-time ones (unknown object or column, syntax, undeclared variable, what the engine
// does not run) the part; conversion errors the batch; a lost connection or a time-out all.
SqliteBatchRunner::Reach SqliteBatchRunner::reachOf(const DatabaseFailure& failure)
{
    if (failure.connectionLost())
        return Reach::Everything;
    const Error first = failure.records().empty() ? Error() : failure.records().front();
    if (first.SQLState() == QLatin1String("HYT00") && first.NativeError() != 1222)
        return Reach::Everything;
    static const QSet<int> batch{241, 242, 245, 8114, 235, 8115, 220};
    static const QSet<int> part{208, 207, 4104, 195, 102, 156, 137, 141, 174, 155, 217, 1062, 0};
    if (batch.contains(first.NativeError()))
        return Reach::Batch;
    if (part.contains(first.NativeError()))
        return Reach::Part;
    return Reach::Statement;
}

SqliteBatchRunner::Reach SqliteBatchRunner::record(const DatabaseFailure& failure, Reach floor)
{
    static const QSet<int> terminated{2627, 2601, 547, 515, 8152, 544, 8134, 8115, 220};
    for (const Error& e : failure.records()) {
        m_errors.push_back(e);
        if (m_changing && terminated.contains(e.NativeError()))
            m_errors.emplace_back(e.Number(), ServerMessages::statementTerminated(), e.Source(), QStringLiteral("01000"), 3621);
    }
    if (!failure.records().empty())
        m_engine.m_lastError = failure.records().front().NativeError();
    m_engine.syncTransactionState();
    return std::max(reachOf(failure), floor);
}

int SqliteBatchRunner::step(const std::vector<TranslatedStatement>& program, int pc)
{
    const TranslatedStatement& s = program[size_t(pc)];
    m_changing = changesRows(s);
    // A loop of small steps may never run long enough inside SQLite for its own time-out check.
    if (m_engine.m_deadline > 0 && QDateTime::currentMSecsSinceEpoch() > m_engine.m_deadline)
        throw SqliteErrorMap::failure(SQLITE_INTERRUPT, QString(), QString());
    switch (s.kind) {
    case TranslatedStatement::Query: query(s); break;
    case TranslatedStatement::SelectInto: selectInto(s); break;
    case TranslatedStatement::BeginTransaction: m_engine.beginTransaction(s.name); m_engine.m_rowCount = 0; break;
    case TranslatedStatement::Commit: m_engine.commit(); m_engine.m_rowCount = 0; break;
    case TranslatedStatement::Rollback: m_engine.rollback(s.name); m_engine.m_rowCount = 0; break;
    case TranslatedStatement::SaveTransaction: m_engine.saveTransaction(s.name); break;
    case TranslatedStatement::Exec: exec(s); break;
    case TranslatedStatement::ExecText: execText(s); break;
    case TranslatedStatement::Declare: m_engine.m_variables.insert(s.name.toLower(), QVariant()); break;
    case TranslatedStatement::Jump: return s.target;
    case TranslatedStatement::JumpUnless: return evaluate(current(s).sql).toLongLong() == 1 ? pc + 1 : s.target;
    case TranslatedStatement::Option: option(s); break;
    case TranslatedStatement::Raise: raise(s); break;
    case TranslatedStatement::Print: evaluate(current(s).sql); break;
    case TranslatedStatement::Use: m_engine.setDefaultDatabase(s.name); m_schemaChanged = true; break;
    case TranslatedStatement::Fail:
        throw SqliteErrorMap::server(s.native, QStringLiteral("42000"), s.text);
    case TranslatedStatement::PartEnd: m_engine.m_variables.clear(); break;
    }
    m_engine.m_lastError = 0;
    return pc + 1;
}

// A statement translated before an earlier one of the batch changed the tables is
// translated again, so that it sees the new columns' types.
const TranslatedStatement& SqliteBatchRunner::current(const TranslatedStatement& statement)
{
    if (!m_schemaChanged || statement.source.isEmpty())
        return statement;
    m_engine.refreshSchema();
    TranslationContext context;
    context.schema = &m_engine.m_schema;
    context.variables = statement.variableTypes;
    context.dateOrder = m_engine.m_options.dateOrder;
    try {
        m_retranslated = TsqlDialectTranslator(&m_engine.m_schema).translateStatement(SqlLexer::tokenize(statement.source), context);
    } catch (const TranslationError& e) {
        throw SqliteErrorMap::server(e.native(), QStringLiteral("42000"), e.text());
    }
    return m_retranslated;
}

void SqliteBatchRunner::query(const TranslatedStatement& statement)
{
    const TranslatedStatement& s = current(statement);
    if (!s.variables.isEmpty()) {
        assign(s.variables, s.sql);
        return;
    }
    m_engine.m_rowCount = m_engine.runSql(s.sql, nullptr, m_result, s.columnTypes);
    m_engine.noteInsert(s.insertTable);
    if (changesTables(s))
        m_schemaChanged = true;
}

// SELECT ... INTO t: the table is made with the columns' declared types (the source
// columns', else what the translator knows of the expressions), then filled.
void SqliteBatchRunner::selectInto(const TranslatedStatement& statement)
{
    const TranslatedStatement& s = current(statement);
    const QByteArray utf8 = s.sql.toUtf8();
    sqlite3_stmt* stmt = nullptr;
    const int rc = sqlite3_prepare_v2(m_engine.m_db, utf8.constData(), int(utf8.size()), &stmt, nullptr);
    if (rc != SQLITE_OK)
        throw SqliteErrorMap::failure(m_engine.m_db, rc, s.sql);
    QStringList columns;
    for (int i = 0; stmt && i < sqlite3_column_count(stmt); ++i) {
        const QString name = QString::fromUtf8(sqlite3_column_name(stmt, i));
        const char* declared = sqlite3_column_decltype(stmt, i);
        QString type = declared ? QString::fromUtf8(declared) : s.columnTypes.value(i);
        if (name.isEmpty() || name.startsWith(u'*')) {
            sqlite3_finalize(stmt);
            throw SqliteErrorMap::server(1038, QStringLiteral("42000"),
                ServerMessages::missingColumnName());
        }
        if (type.contains(QLatin1String("max"), Qt::CaseInsensitive) || type.compare(QLatin1String("varchar"), Qt::CaseInsensitive) == 0)
            type = QStringLiteral("varchar(max)");
        columns << QStringLiteral("[%1] %2").arg(QString(name).replace(u']', QLatin1String("]]")), type);
    }
    sqlite3_finalize(stmt);
    const QString table = QStringLiteral("[%1]").arg(QString(s.name).replace(u']', QLatin1String("]]")));
    ExecuteResult ignored;
    for (const TranslatedStatement& create : m_engine.translate(QStringLiteral("CREATE TABLE %1 (%2)").arg(table, columns.join(QStringLiteral(", "))))) {
        if (create.kind == TranslatedStatement::Fail)
            throw SqliteErrorMap::server(create.native, QStringLiteral("42000"), create.text);
        if (create.kind == TranslatedStatement::Query)
            m_engine.runSql(create.sql, nullptr, ignored);
    }
    m_engine.refreshSchema();
    const QString quoted = m_engine.quoteName(s.name);
    m_engine.m_rowCount = m_engine.runSql(QStringLiteral("INSERT INTO %1 %2").arg(quoted, s.sql), nullptr, m_result);
    m_schemaChanged = true;
}

QVariant SqliteBatchRunner::evaluate(const QString& sql)
{
    qint64 rows = 0;
    const std::vector<QVariant> row = m_engine.lastRow(sql, rows);
    return row.empty() ? QVariant() : row.front();
}

// SELECT @a = x, @b = y FROM ...: every row assigns, so the last one's values stay; no row
// leaves the variables as they were.
void SqliteBatchRunner::assign(const QStringList& variables, const QString& sql)
{
    qint64 rows = 0;
    const std::vector<QVariant> row = m_engine.lastRow(sql, rows);
    for (qsizetype k = 0; k < variables.size() && size_t(k) < row.size(); ++k)
        m_engine.m_variables.insert(variables[k].toLower(), row[size_t(k)]);
    m_engine.m_rowCount = rows;
}

void SqliteBatchRunner::nested(const std::function<void(ExecuteResult&, int)>& run)
{
    if (m_depth + 1 >= maxNesting)
        throw SqliteErrorMap::server(217, QStringLiteral("42000"),
            ServerMessages::nestingLimit(maxNesting));
    run(m_result, m_depth + 1);
}

void SqliteBatchRunner::exec(const TranslatedStatement& statement)
{
    QHash<QString, QString> named;
    QStringList positional;
    for (const ProcedureArgument& a : statement.arguments) {
        QString literal = a.literal;
        if (literal.startsWith(u'@') && !literal.startsWith(QLatin1String("@@")))
            literal = literalOf(m_engine.namedValue(literal));
        if (a.name.isEmpty())
            positional << literal;
        else
            named.insert(a.name.toLower(), literal);
    }
    const QString body = m_engine.procedureBody(statement.procedure);
    nested([&](ExecuteResult& result, int depth) {
        QHash<QString, QString> all = named;
        const QStringList order = StoredProcedureText::parameters(body);
        for (qsizetype k = 0; k < positional.size() && k < order.size(); ++k)
            all.insert(order[k].toLower(), positional[k]);
        SqliteBatchRunner inner(m_engine, result, depth, &m_errors);
        passOn(inner.run(m_engine.translate(StoredProcedureText::bind(body, all))));
    });
}

void SqliteBatchRunner::execText(const TranslatedStatement& statement)
{
    const QString text = evaluate(current(statement).sql).toString();
    nested([&](ExecuteResult& result, int depth) {
        SqliteBatchRunner inner(m_engine, result, depth, &m_errors);
        passOn(inner.run(m_engine.translate(text)));
    });
}

// A nested batch that was aborted aborts this one too (its errors are already recorded).
void SqliteBatchRunner::passOn(Outcome outcome)
{
    if (outcome == Outcome::Completed)
        return;
    m_floor = outcome == Outcome::Stopped ? Reach::Everything : Reach::Batch;
    throw DatabaseFailure(m_errors.empty() ? adErrUnspecified : m_errors.back().Number(), {});
}

// The query gives the message, the severity, the number and the message's arguments.
// Severities below 11 are messages, not errors.
void SqliteBatchRunner::raise(const TranslatedStatement& statement)
{
    qint64 rows = 0;
    const std::vector<QVariant> row = m_engine.lastRow(current(statement).sql, rows);
    if (row.size() < 3)
        return;
    if (row[1].toInt() < 11)
        return;
    const QString message = formatMessage(row[0].toString(), std::vector<QVariant>(row.begin() + 3, row.end()));
    const DatabaseFailure failure = SqliteErrorMap::server(row[2].toInt(), QStringLiteral("42000"), message);
    if (statement.value == QLatin1String("THROW"))
        m_floor = Reach::Batch;   // THROW ends the batch, RAISERROR the statement
    throw failure;
}

void SqliteBatchRunner::option(const TranslatedStatement& statement)
{
    if (!m_engine.m_options.apply(statement.name, statement.value))
        throw SqliteErrorMap::server(0, QStringLiteral("42000"),
                                     ServerMessages::unsupported(QStringLiteral("SET %1 %2").arg(statement.name, statement.value)));
}

} // namespace ado
