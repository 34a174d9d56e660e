#include "ado/BatchCompiler.h"

#include "ado/ServerMessages.h"
#include "ado/SessionOptions.h"
#include "ado/SqlBatchSplitter.h"
#include "ado/SqlLexer.h"
#include "ado/SqlQuoting.h"
#include "ado/TsqlDialectTranslator.h"
#include "ado/TokenView.h"

#include <QSet>

namespace ado {

namespace {
std::vector<SqlToken> significant(const SqlTokens& tokens)
{
    std::vector<SqlToken> out;
    for (const SqlToken& t : tokens)
        if (!t.isSpace())
            out.push_back(t);
    return out;
}

QString upperWord(const std::vector<SqlToken>& words, size_t i)
{
    return i < words.size() && words[i].kind == SqlToken::Word ? words[i].text.toUpper() : QString();
}

// The statement's text from its n-th significant token on.
QString textFrom(const SqlTokens& tokens, int n)
{
    int seen = 0;
    QString out;
    for (const SqlToken& t : tokens) {
        if (!t.isSpace())
            ++seen;
        if (seen > n)
            out += t.render();
    }
    return out.trimmed();
}

bool isAlone(const SqlTokens& tokens, const char* word)
{
    const std::vector<SqlToken> words = significant(tokens);
    return words.size() == 1 && words.front().is(word);
}

// The words from the i-th on, as the option's value (a quoted value without its quotes).
QString textFromWords(const std::vector<SqlToken>& words, size_t i)
{
    QStringList out;
    for (; i < words.size(); ++i)
        out << (words[i].kind == SqlToken::String ? unquoteSqlText(words[i].text) : words[i].text);
    return out.join(u' ');
}

TranslationError syntaxNear(const QString& word)
{
    return TranslationError(156, ServerMessages::syntaxNearKeyword(word));
}

TranslationError endOfBatch()
{
    return TranslationError(102, ServerMessages::syntaxAtEndOfBatch());
}
} // namespace

BatchCompiler::BatchCompiler(const TsqlDialectTranslator& translator, DateOrder order)
    : m_translator(translator)
{
    m_context.schema = translator.schema();
    m_context.dateOrder = order;
}

std::vector<TranslatedStatement> BatchCompiler::compile(const QString& batch)
{
    const std::vector<SqlTokens> all = SqlBatchSplitter::split(SqlLexer::tokenize(batch));
    std::vector<SqlTokens> part;
    for (size_t i = 0; i <= all.size(); ++i) {
        if (i < all.size() && !SqlBatchSplitter::isPartEnd(all[i])) {
            part.push_back(all[i]);
            continue;
        }
        if (!part.empty())
            compilePart(part);
        part.clear();
    }
    return std::move(m_program);
}

void BatchCompiler::compilePart(const std::vector<SqlTokens>& statements)
{
    const size_t start = m_program.size();
    m_statements = &statements;
    m_context.variables.clear();
    m_loops.clear();
    m_returns.clear();
    try {
        for (size_t i = 0; i < statements.size();)
            i = statement(i);
    } catch (const TranslationError& e) {
        m_program.resize(start);
        m_returns.clear();
        TranslatedStatement fail;
        fail.kind = TranslatedStatement::Fail;
        fail.native = e.native();
        fail.text = e.text();
        append(fail);
    }
    TranslatedStatement end;
    end.kind = TranslatedStatement::PartEnd;
    const int endAt = append(end);
    for (int r : m_returns)
        m_program[size_t(r)].target = endAt;
}

int BatchCompiler::append(TranslatedStatement step)
{
    m_program.push_back(std::move(step));
    return int(m_program.size()) - 1;
}

size_t BatchCompiler::statement(size_t i)
{
    const Nesting nesting(m_depth);
    const SqlTokens& tokens = at(i);
    SqlTokens checked = tokens;
    TokenView(checked).requireWellFormed();
    const std::vector<SqlToken> words = significant(tokens);
    const QString first = upperWord(words, 0);
    if (first == QLatin1String("IF"))
        return ifStatement(i);
    if (first == QLatin1String("WHILE"))
        return whileStatement(i);
    if (first == QLatin1String("BEGIN") && words.size() == 1)
        return block(i);
    if (first == QLatin1String("END") || first == QLatin1String("ELSE"))
        throw syntaxNear(first);
    if (!transactionStatement(words) && !batchStatement(tokens, words)) {
        static const QSet<QString> routines{QStringLiteral("PROC"), QStringLiteral("PROCEDURE"), QStringLiteral("FUNCTION"),
            QStringLiteral("TRIGGER")};
        const QString second = upperWord(words, 1);
        if ((first == QLatin1String("CREATE") || first == QLatin1String("ALTER")) && routines.contains(second))
            throw TranslationError::unsupported(QStringLiteral("%1 %2").arg(first, second));
        append(m_translator.translateStatement(tokens, m_context));
    }
    return i + 1;
}

// BEGIN TRAN[SACTION] [name], COMMIT, ROLLBACK [name], SAVE TRAN name; false for other statements.
bool BatchCompiler::transactionStatement(const std::vector<SqlToken>& words)
{
    static const QSet<QString> tranWords{QStringLiteral("TRAN"), QStringLiteral("TRANSACTION"), QStringLiteral("WORK")};
    const QString first = upperWord(words, 0);
    const QString second = upperWord(words, 1);
    if (first == QLatin1String("BEGIN")) {
        if (second == QLatin1String("TRY") || second == QLatin1String("CATCH"))
            throw TranslationError::unsupported(QStringLiteral("TRY ... CATCH"));
        if (!tranWords.contains(second) && second != QLatin1String("DISTRIBUTED"))
            throw TranslationError(102, ServerMessages::syntaxNear(words[1].text));
        transaction(TranslatedStatement::BeginTransaction, words, second == QLatin1String("DISTRIBUTED") ? 3 : 2);
        return true;
    }
    if (first == QLatin1String("COMMIT") || first == QLatin1String("ROLLBACK")) {
        transaction(first == QLatin1String("COMMIT") ? TranslatedStatement::Commit : TranslatedStatement::Rollback, words,
                    tranWords.contains(second) ? 2 : 1);
        return true;
    }
    if (first == QLatin1String("SAVE")) {
        if (!tranWords.contains(second) || words.size() < 3)
            throw TranslationError(102, ServerMessages::syntaxNear(QStringLiteral("SAVE")));
        transaction(TranslatedStatement::SaveTransaction, words, 2);
        return true;
    }
    return false;
}

// The statements that are steps of the batch itself rather than queries; false for others.
bool BatchCompiler::batchStatement(const SqlTokens& tokens, const std::vector<SqlToken>& words)
{
    const QString first = upperWord(words, 0);
    if (first == QLatin1String("BREAK") || first == QLatin1String("CONTINUE")) {
        jump(first == QLatin1String("CONTINUE"));
    } else if (first == QLatin1String("RETURN")) {
        TranslatedStatement step;
        step.kind = TranslatedStatement::Jump;
        m_returns.push_back(append(step));
    } else if (first == QLatin1String("DECLARE")) {
        declare(tokens);
    } else if (first == QLatin1String("SET")) {
        setStatement(tokens);
    } else if (first == QLatin1String("EXEC") || first == QLatin1String("EXECUTE")) {
        exec(tokens);
    } else if (first == QLatin1String("PRINT")) {
        TranslatedStatement step = evaluation(QStringLiteral("SELECT ") + textFrom(tokens, 1));
        step.kind = TranslatedStatement::Print;
        append(step);
    } else if (first == QLatin1String("RAISERROR") || first == QLatin1String("THROW")) {
        raise(tokens, first == QLatin1String("THROW"));
    } else if (first == QLatin1String("USE")) {
        TranslatedStatement step;
        step.kind = TranslatedStatement::Use;
        step.name = words.size() > 1 ? words[1].text : QString();
        append(step);
    } else {
        static const QSet<QString> unsupported{QStringLiteral("GOTO"), QStringLiteral("WAITFOR"), QStringLiteral("OPEN"),
            QStringLiteral("FETCH"), QStringLiteral("CLOSE"), QStringLiteral("DEALLOCATE"), QStringLiteral("MERGE"),
            QStringLiteral("GRANT"), QStringLiteral("REVOKE"), QStringLiteral("DENY")};
        if (unsupported.contains(first))
            throw TranslationError::unsupported(first);
        return false;
    }
    return true;
}

// IF cond <statement> [ELSE <statement>]: the condition is evaluated as a query giving 1 or 0.
size_t BatchCompiler::ifStatement(size_t i)
{
    const int testAt = condition(i);
    size_t next = statement(i + 1);
    if (next < m_statements->size() && isAlone(at(next), "ELSE")) {
        if (next + 1 >= m_statements->size())
            throw endOfBatch();
        TranslatedStatement skip;
        skip.kind = TranslatedStatement::Jump;
        const int skipAt = append(skip);
        m_program[size_t(testAt)].target = int(m_program.size());
        next = statement(next + 1);
        m_program[size_t(skipAt)].target = int(m_program.size());
    } else {
        m_program[size_t(testAt)].target = int(m_program.size());
    }
    return next;
}

// The condition of IF or WHILE at i, as a step evaluating it to 1 or 0; its jump is set later.
int BatchCompiler::condition(size_t i)
{
    const QString text = textFrom(at(i), 1);
    if (text.isEmpty() || i + 1 >= m_statements->size())
        throw endOfBatch();
    TranslatedStatement test = evaluation(QStringLiteral("SELECT CASE WHEN %1 THEN 1 ELSE 0 END").arg(text));
    test.kind = TranslatedStatement::JumpUnless;
    return append(test);
}

size_t BatchCompiler::whileStatement(size_t i)
{
    Loop loop;
    loop.top = int(m_program.size());
    const int testAt = condition(i);
    m_loops.push_back(loop);
    const size_t next = statement(i + 1);
    TranslatedStatement back;
    back.kind = TranslatedStatement::Jump;
    back.target = m_loops.back().top;
    append(back);
    const int end = int(m_program.size());
    m_program[size_t(testAt)].target = end;
    for (int b : m_loops.back().breaks)
        m_program[size_t(b)].target = end;
    m_loops.pop_back();
    return next;
}

size_t BatchCompiler::block(size_t i)
{
    size_t next = i + 1;
    while (next < m_statements->size() && !isAlone(at(next), "END"))
        next = statement(next);
    if (next >= m_statements->size())
        throw endOfBatch();
    return next + 1;
}

void BatchCompiler::jump(bool toLoopTop)
{
    if (m_loops.empty())
        throw TranslationError(135, ServerMessages::outsideWhile(toLoopTop ? QStringLiteral("CONTINUE") : QStringLiteral("BREAK")));
    TranslatedStatement step;
    step.kind = TranslatedStatement::Jump;
    step.target = m_loops.back().top;
    const int stepAt = append(step);
    if (!toLoopTop)
        m_loops.back().breaks.push_back(stepAt);
}

// DECLARE @a int = 1, @b varchar(10): each variable starts NULL, then takes its value.
void BatchCompiler::declare(const SqlTokens& tokens)
{
    SqlTokens copy = tokens;
    TokenView v(copy);
    for (const auto [from, comma] : v.items(1, v.size())) {
        if (from >= comma || v[from].kind != SqlToken::Variable)
            throw TranslationError::unsupported(QStringLiteral("cursores (DECLARE %1)").arg(from < v.size() ? v[from].text : QString()));
        const QString name = v[from].text;
        int typeFrom = from + 1;
        if (v.is(typeFrom, "AS"))
            ++typeFrom;
        int typeTo = typeFrom;
        while (typeTo < comma && !v.is(typeTo, "="))
            ++typeTo;
        const QString type = v.text(typeFrom, typeTo);
        if (type.startsWith(QLatin1String("TABLE"), Qt::CaseInsensitive))
            throw TranslationError::unsupported(QStringLiteral("variables de tabla (%1)").arg(name));
        if (type.isEmpty())
            throw TranslationError(102, ServerMessages::syntaxNear(name));
        TranslatedStatement step;
        step.kind = TranslatedStatement::Declare;
        step.name = name;
        step.declaration = type;
        append(step);
        m_context.variables.insert(name.toLower(), SqlType::fromDeclared(type));
        if (typeTo < comma)
            append(evaluation(QStringLiteral("SELECT %1 = %2").arg(name, v.text(typeTo + 1, comma))));
    }
}

void BatchCompiler::setStatement(SqlTokens tokens)
{
    const std::vector<SqlToken> words = significant(tokens);
    if (words.size() < 2 || words[1].kind != SqlToken::Variable) {
        option(words);
        return;
    }
    const QString name = words[1].text;
    if (!m_context.variables.contains(name.toLower()))
        throw TranslationError(137, ServerMessages::undeclaredVariable(name));
    // SET @v += x and the like: the server's shorthand for SET @v = @v + (x).
    static const QSet<QString> compound{QStringLiteral("+"), QStringLiteral("-"), QStringLiteral("*"), QStringLiteral("/"),
        QStringLiteral("%"), QStringLiteral("&"), QStringLiteral("|")};
    if (words.size() > 3 && compound.contains(words[2].text) && words[3].is("=")) {
        append(evaluation(QStringLiteral("SELECT %1 = %1 %2 (%3)").arg(name, words[2].text, textFrom(tokens, 4))));
        return;
    }
    if (words.size() < 4 || !words[2].is("="))
        throw TranslationError(102, ServerMessages::syntaxNear(name));
    append(evaluation(QStringLiteral("SELECT %1 = %2").arg(name, textFrom(tokens, 3))));
}

// Session options: those the engine keeps, those it accepts because they are the server's
// behaviour already, and the others refused by name.
void BatchCompiler::option(const std::vector<SqlToken>& words)
{
    QStringList names;
    size_t i = 1;
    for (; i < words.size(); ++i) {
        if (words[i].is(","))
            continue;
        if (words[i].is("ON") || words[i].is("OFF") || (!names.isEmpty() && !words[i - 1].is(",")))
            break;
        names << words[i].text.toUpper();
    }
    const QString value = i < words.size() ? textFromWords(words, i) : QString();
    const QString upperValue = value.toUpper();
    static const QSet<QString> anyValue{QStringLiteral("NOCOUNT"), QStringLiteral("ARITHABORT"),
        QStringLiteral("ANSI_NULL_DFLT_ON"), QStringLiteral("ANSI_NULL_DFLT_OFF"), QStringLiteral("CURSOR_CLOSE_ON_COMMIT"),
        QStringLiteral("STATISTICS"), QStringLiteral("TRANSACTION"), QStringLiteral("LOCK_TIMEOUT"),
        QStringLiteral("DEADLOCK_PRIORITY"), QStringLiteral("TEXTSIZE"), QStringLiteral("IDENTITY_INSERT"),
        QStringLiteral("FORCEPLAN"), QStringLiteral("ARITHIGNORE")};
    static const QHash<QString, QString> onlyValue{{QStringLiteral("ANSI_NULLS"), QStringLiteral("ON")},
        {QStringLiteral("ANSI_PADDING"), QStringLiteral("ON")}, {QStringLiteral("ANSI_WARNINGS"), QStringLiteral("ON")},
        {QStringLiteral("QUOTED_IDENTIFIER"), QStringLiteral("ON")}, {QStringLiteral("CONCAT_NULL_YIELDS_NULL"), QStringLiteral("ON")},
        {QStringLiteral("NUMERIC_ROUNDABORT"), QStringLiteral("OFF")}, {QStringLiteral("IMPLICIT_TRANSACTIONS"), QStringLiteral("OFF")},
        {QStringLiteral("NOEXEC"), QStringLiteral("OFF")}, {QStringLiteral("FMTONLY"), QStringLiteral("OFF")},
        {QStringLiteral("PARSEONLY"), QStringLiteral("OFF")}, {QStringLiteral("SHOWPLAN_ALL"), QStringLiteral("OFF")},
        {QStringLiteral("SHOWPLAN_TEXT"), QStringLiteral("OFF")}, {QStringLiteral("SHOWPLAN_XML"), QStringLiteral("OFF")},
        {QStringLiteral("ROWCOUNT"), QStringLiteral("0")}, {QStringLiteral("ANSI_DEFAULTS"), QStringLiteral("OFF")}};
    static const QSet<QString> kept{QStringLiteral("XACT_ABORT"), QStringLiteral("DATEFORMAT"), QStringLiteral("DATEFIRST"),
        QStringLiteral("LANGUAGE")};
    if (names.isEmpty())
        throw TranslationError(102, ServerMessages::syntaxNear(QStringLiteral("SET")));
    for (const QString& name : names) {
        if (anyValue.contains(name))
            continue;
        if (onlyValue.contains(name)) {
            if (onlyValue.value(name) != upperValue)
                throw TranslationError::unsupported(QStringLiteral("SET %1 %2").arg(name, value));
            continue;
        }
        if (!kept.contains(name))
            throw TranslationError::unsupported(QStringLiteral("SET %1").arg(name));
        TranslatedStatement step;
        step.kind = TranslatedStatement::Option;
        step.name = name;
        step.value = value;
        if (name == QLatin1String("DATEFORMAT") || name == QLatin1String("LANGUAGE")) {
            const auto order = SessionOptions::dateOrderOf(name, value);
            if (!order)
                throw TranslationError::unsupported(QStringLiteral("SET %1 %2").arg(name, value));
            m_context.dateOrder = *order;
        } else if (name == QLatin1String("DATEFIRST") && (value.toInt() < 1 || value.toInt() > 7)) {
            throw TranslationError::unsupported(QStringLiteral("SET DATEFIRST %1").arg(value));
        }
        append(step);
    }
}

void BatchCompiler::transaction(TranslatedStatement::Kind kind, const std::vector<SqlToken>& words, int nameAt)
{
    TranslatedStatement step;
    step.kind = kind;
    if (size_t(nameAt) < words.size()) {
        const SqlToken& name = words[size_t(nameAt)];
        if (name.kind == SqlToken::Variable)
            throw TranslationError::unsupported(QStringLiteral("nombres de transacción en variables"));
        if (!name.is("WITH"))
            step.name = name.text;
    }
    append(step);
}

void BatchCompiler::exec(SqlTokens tokens)
{
    TokenView v(tokens);
    if (v.is(1, "(")) {
        const int close = v.closing(1);
        TranslatedStatement step = evaluation(QStringLiteral("SELECT ") + v.text(2, close));
        step.kind = TranslatedStatement::ExecText;
        append(step);
        return;
    }
    TranslatedStatement out;
    out.kind = TranslatedStatement::Exec;
    int call = 1;
    if (v.size() > 2 && v[1].kind == SqlToken::Variable && v.is(2, "="))
        call = 3;
    while (call + 2 < v.size() && v[call].isName() && v.is(call + 1, "."))
        call += 2;
    if (call >= v.size())
        throw TranslationError(102, ServerMessages::syntaxNear(QStringLiteral("EXEC")));
    out.procedure = v[call].text;
    if (out.procedure.compare(QLatin1String("sp_executesql"), Qt::CaseInsensitive) == 0)
        throw TranslationError::unsupported(QStringLiteral("sp_executesql"));
    for (const auto [from, comma] : v.items(call + 1, v.size())) {
        ProcedureArgument arg;
        int a = from;
        if (a + 1 < comma && v[a].kind == SqlToken::Variable && v.is(a + 1, "=")) {
            arg.name = v[a].text.mid(1);
            a += 2;
        }
        int b = comma;
        if (b > a && (v.is(b - 1, "OUTPUT") || v.is(b - 1, "OUT")))
            --b;
        arg.literal = v.text(a, b);
        if (b == a + 1 && v[a].kind == SqlToken::Variable && !m_context.variables.contains(v[a].text.toLower()))
            throw TranslationError(137, ServerMessages::undeclaredVariable(v[a].text));
        if (!arg.literal.isEmpty() || !arg.name.isEmpty())
            out.arguments.push_back(arg);
    }
    append(out);
}

// RAISERROR ('text %s', 16, 1, args...) and THROW number, 'text', state: the step's query
// gives the message, the severity, the number and the arguments of the message's marks.
void BatchCompiler::raise(const SqlTokens& tokens, bool throws)
{
    SqlTokens copy = tokens;
    TokenView v(copy);
    int from = 1;
    int to = v.size();
    if (!throws) {
        if (!v.is(1, "("))
            throw TranslationError(102, ServerMessages::syntaxNear(QStringLiteral("RAISERROR")));
        from = 2;
        to = v.closing(1);
    } else if (v.size() == 1) {
        throw TranslationError::unsupported(QStringLiteral("THROW sin argumentos fuera de CATCH"));
    }
    const std::vector<TokenView::Span> items = v.items(from, to);
    if (items.size() < 3)
        throw TranslationError(102, ServerMessages::syntaxNear(v[0].text));
    QStringList parts;
    for (const TokenView::Span& item : items)
        parts << v.text(item.from, item.to);
    if (!throws && v[from].kind == SqlToken::Number)
        throw TranslationError::unsupported(QStringLiteral("RAISERROR con un número de mensaje"));
    QStringList columns;
    if (throws)
        columns << parts[1] << QStringLiteral("16") << parts[0];
    else
        columns << parts[0] << parts[1] << QStringLiteral("50000") << parts.mid(3);
    TranslatedStatement step = evaluation(QStringLiteral("SELECT ") + columns.join(QStringLiteral(", ")));
    step.kind = TranslatedStatement::Raise;
    step.value = throws ? QStringLiteral("THROW") : QStringLiteral("RAISERROR");
    append(step);
}

TranslatedStatement BatchCompiler::evaluation(const QString& selectText)
{
    return m_translator.translateStatement(SqlLexer::tokenize(selectText), m_context);
}

} // namespace ado
