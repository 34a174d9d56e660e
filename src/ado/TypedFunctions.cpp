#include "ado/TypedRewriter.h"

#include "ado/ServerMessages.h"
#include "ado/SqlQuoting.h"

#include <QSet>

namespace ado {

namespace {
// Functions whose result is a text, and the name SQLite knows them by where it differs
// (LEFT and RIGHT are keywords there; SUBSTRING and REPLACE follow other rules).
const QHash<QString, QString>& textFunctions()
{
    static const QHash<QString, QString> names{{QStringLiteral("LEFT"), QStringLiteral("SRV_LEFT")},
        {QStringLiteral("RIGHT"), QStringLiteral("SRV_RIGHT")}, {QStringLiteral("SUBSTRING"), QStringLiteral("SRV_SUBSTRING")},
        {QStringLiteral("REPLACE"), QStringLiteral("SRV_REPLACE")}, {QStringLiteral("UPPER"), QString()},
        {QStringLiteral("LOWER"), QString()}, {QStringLiteral("LTRIM"), QString()}, {QStringLiteral("RTRIM"), QString()},
        {QStringLiteral("TRIM"), QString()}, {QStringLiteral("REVERSE"), QString()}, {QStringLiteral("REPLICATE"), QString()},
        {QStringLiteral("SPACE"), QString()}, {QStringLiteral("STR"), QString()}, {QStringLiteral("CHAR"), QString()},
        {QStringLiteral("NCHAR"), QString()}, {QStringLiteral("STUFF"), QString()}, {QStringLiteral("CONCAT"), QString()},
        {QStringLiteral("NEWID"), QString()}};
    return names;
}

// Text functions that read their first argument as a text (numbers and dates converted first).
const QSet<QString>& textArgumentFunctions()
{
    static const QSet<QString> names{QStringLiteral("LEFT"), QStringLiteral("RIGHT"), QStringLiteral("SUBSTRING"),
        QStringLiteral("REPLACE"), QStringLiteral("UPPER"), QStringLiteral("LOWER"), QStringLiteral("LTRIM"),
        QStringLiteral("RTRIM"), QStringLiteral("TRIM"), QStringLiteral("REVERSE"), QStringLiteral("REPLICATE"),
        QStringLiteral("STUFF"), QStringLiteral("LEN"), QStringLiteral("DATALENGTH"), QStringLiteral("ASCII"),
        QStringLiteral("UNICODE")};
    return names;
}

const QSet<QString>& integerFunctions()
{
    static const QSet<QString> names{QStringLiteral("LEN"), QStringLiteral("DATALENGTH"), QStringLiteral("CHARINDEX"),
        QStringLiteral("PATINDEX"), QStringLiteral("ASCII"), QStringLiteral("UNICODE"), QStringLiteral("ISNUMERIC"),
        QStringLiteral("ISDATE"), QStringLiteral("OBJECT_ID"), QStringLiteral("ROW_NUMBER"), QStringLiteral("RANK"),
        QStringLiteral("DENSE_RANK"), QStringLiteral("NTILE")};
    return names;
}

const QSet<QString>& floatFunctions()
{
    static const QSet<QString> names{QStringLiteral("POWER"), QStringLiteral("SQRT"), QStringLiteral("SQUARE"),
        QStringLiteral("EXP"), QStringLiteral("LOG"), QStringLiteral("LOG10"), QStringLiteral("PI"), QStringLiteral("RAND")};
    return names;
}

const QSet<QString>& dateFunctions()
{
    static const QSet<QString> names{QStringLiteral("GETDATE"), QStringLiteral("GETUTCDATE"), QStringLiteral("SYSDATETIME"),
        QStringLiteral("SYSUTCDATETIME")};
    return names;
}

int literalNumber(const TokenView& v, const TypedRewriter::Node& n, int otherwise)
{
    return n.number && n.to == n.from + 1 ? v[n.from].text.toInt() : otherwise;
}
} // namespace

bool TypedRewriter::isUnsupportedFunction(const QString& upper)
{
    static const QSet<QString> names{QStringLiteral("FORMAT"), QStringLiteral("STRING_AGG"), QStringLiteral("STRING_SPLIT"),
        QStringLiteral("TRANSLATE"), QStringLiteral("SOUNDEX"), QStringLiteral("DIFFERENCE"), QStringLiteral("QUOTENAME"),
        QStringLiteral("PARSE"), QStringLiteral("TRY_PARSE"), QStringLiteral("CHECKSUM"), QStringLiteral("BINARY_CHECKSUM"),
        QStringLiteral("HASHBYTES"), QStringLiteral("DATEFROMPARTS"), QStringLiteral("DATETIMEFROMPARTS"),
        QStringLiteral("TIMEFROMPARTS"), QStringLiteral("EOMONTH"), QStringLiteral("SWITCHOFFSET"),
        QStringLiteral("TODATETIMEOFFSET"), QStringLiteral("JSON_VALUE"), QStringLiteral("JSON_QUERY"),
        QStringLiteral("JSON_MODIFY"), QStringLiteral("ISJSON"), QStringLiteral("OPENJSON"), QStringLiteral("OPENQUERY"),
        QStringLiteral("OPENROWSET"), QStringLiteral("OPENXML"), QStringLiteral("CHOOSE"), QStringLiteral("ERROR_MESSAGE"),
        QStringLiteral("ERROR_NUMBER"), QStringLiteral("ERROR_SEVERITY"), QStringLiteral("ERROR_STATE"),
        QStringLiteral("ERROR_LINE"), QStringLiteral("ERROR_PROCEDURE"), QStringLiteral("IDENT_CURRENT"),
        QStringLiteral("IDENT_SEED"), QStringLiteral("IDENT_INCR"), QStringLiteral("STDEV"), QStringLiteral("STDEVP"),
        QStringLiteral("VAR"), QStringLiteral("VARP"), QStringLiteral("GROUPING"), QStringLiteral("GROUPING_ID"),
        QStringLiteral("CHECKSUM_AGG"), QStringLiteral("COMPRESS"), QStringLiteral("DECOMPRESS"),
        QStringLiteral("CONTEXT_INFO"), QStringLiteral("SESSION_CONTEXT"), QStringLiteral("FORMATMESSAGE"),
        QStringLiteral("STRING_ESCAPE"), QStringLiteral("CONCAT_WS"), QStringLiteral("PERCENTILE_CONT"),
        QStringLiteral("PERCENTILE_DISC"), QStringLiteral("COL_LENGTH"), QStringLiteral("COL_NAME"),
        QStringLiteral("OBJECT_NAME"), QStringLiteral("SCHEMA_NAME"), QStringLiteral("USER_NAME"),
        QStringLiteral("SUSER_SNAME"), QStringLiteral("SUSER_NAME"), QStringLiteral("HOST_NAME"), QStringLiteral("APP_NAME"),
        QStringLiteral("HOST_ID"), QStringLiteral("DB_ID"), QStringLiteral("NEWSEQUENTIALID"), QStringLiteral("DATEDIFF_BIG"),
        QStringLiteral("DATETRUNC"), QStringLiteral("GREATEST"), QStringLiteral("LEAST"), QStringLiteral("DATETIME2FROMPARTS"),
        QStringLiteral("SMALLDATETIMEFROMPARTS"), QStringLiteral("DATETIMEOFFSETFROMPARTS"), QStringLiteral("CURSOR_STATUS")};
    return names.contains(upper);
}

TypedRewriter::Node TypedRewriter::call(int at, int to, const Scope& scope)
{
    const QString upper = m_view[at].text.toUpper();
    const int open = at + 1;
    const int close = closingWithin(open, to);
    if (isUnsupportedFunction(upper))
        throw TranslationError::unsupported(QStringLiteral("la función %1").arg(upper));
    Node n;
    if (upper == QLatin1String("CONVERT") || upper == QLatin1String("TRY_CONVERT")) {
        n = convertCall(at, close, scope, upper.startsWith(QLatin1String("TRY")));
    } else if (upper == QLatin1String("CAST") || upper == QLatin1String("TRY_CAST")) {
        n = castCall(at, close, scope, upper.startsWith(QLatin1String("TRY")));
    } else if (upper == QLatin1String("DATEADD") || upper == QLatin1String("DATEDIFF") || upper == QLatin1String("DATEPART")
               || upper == QLatin1String("DATENAME")) {
        n = dateUnitCall(at, close, scope, upper);
    } else if (upper == QLatin1String("COUNT") || upper == QLatin1String("COUNT_BIG") || upper == QLatin1String("SUM")
               || upper == QLatin1String("AVG") || upper == QLatin1String("MIN") || upper == QLatin1String("MAX")) {
        n = aggregateCall(at, close, scope, upper);
    } else if (upper == QLatin1String("SCOPE_IDENTITY") || upper == QLatin1String("DB_NAME")) {
        // Session values the engine binds as parameters.
        m_view[at].text = upper == QLatin1String("DB_NAME") ? QStringLiteral("$db_name") : QStringLiteral("$scope_identity");
        region(open + 1, close, scope);
        m_view.erase(open, close + 1);
        n = Node{at, close + 1, upper == QLatin1String("DB_NAME") ? SqlType::text(128) : SqlType::of(SqlType::Integer)};
        return n;
    } else {
        std::vector<Node> args = arguments(open, close, scope);
        if (textArgumentFunctions().contains(upper) && !args.empty())
            textArgument(args.front());
        if (textFunctions().contains(upper))
            n = textFunction(at, close, args, upper);
        else
            n = sameTypeFunction(at, close, args, upper);
    }
    windowClause(n.to, to, scope, n);
    return n;
}

std::vector<TypedRewriter::Node> TypedRewriter::arguments(int open, int close, const Scope& scope)
{
    std::vector<Node> out;
    if (close <= open + 1)
        return out;
    for (const auto [from, comma] : m_view.items(open + 1, close)) {
        out.push_back(expression(from, comma, scope));
        if (out.back().to < comma)
            region(std::max(out.back().to, from), comma, scope);
    }
    return out;
}

void TypedRewriter::textArgument(Node& n)
{
    if (n.type.isDate() || n.type.kind == SqlType::Money || n.type.kind == SqlType::Decimal || n.type.kind == SqlType::Float
        || n.type.kind == SqlType::Bit)
        toText(n, SqlType::text(30));
}

TypedRewriter::Node TypedRewriter::textFunction(int at, int close, std::vector<Node>& args, const QString& upper)
{
    if (upper == QLatin1String("CONCAT"))
        for (Node& arg : args)
            textArgument(arg);
    const QString renamed = textFunctions().value(upper);
    if (!renamed.isEmpty())
        m_view[at].text = renamed;
    int length = -1;
    if ((upper == QLatin1String("LEFT") || upper == QLatin1String("RIGHT")) && args.size() > 1)
        length = literalNumber(m_view, args[1], -1);
    else if (upper == QLatin1String("SUBSTRING") && args.size() > 2)
        length = literalNumber(m_view, args[2], -1);
    else if ((upper == QLatin1String("UPPER") || upper == QLatin1String("LOWER") || upper == QLatin1String("LTRIM")
              || upper == QLatin1String("RTRIM") || upper == QLatin1String("TRIM") || upper == QLatin1String("REVERSE"))
             && !args.empty())
        length = args.front().type.isText() ? args.front().type.length : -1;
    else if (upper == QLatin1String("CHAR") || upper == QLatin1String("NCHAR"))
        length = 1;
    else if (upper == QLatin1String("STR"))
        length = args.size() > 1 ? literalNumber(m_view, args[1], -1) : 10;
    else if (upper == QLatin1String("NEWID"))
        length = 36;
    Node n{at, close + 1, SqlType::text(length)};
    m_view[close].suffix += QStringLiteral(" COLLATE SRV");
    n.collated = true;
    return n;
}

TypedRewriter::Node TypedRewriter::sameTypeFunction(int at, int close, std::vector<Node>& args, const QString& upper)
{
    Node n{at, close + 1};
    if (upper == QLatin1String("CHARINDEX") || upper == QLatin1String("PATINDEX")) {
        for (Node& arg : args)
            textArgument(arg);
    }
    if (integerFunctions().contains(upper)) {
        n.type = SqlType::of(SqlType::Integer);
    } else if (floatFunctions().contains(upper)) {
        n.type = SqlType::of(SqlType::Float);
    } else if (dateFunctions().contains(upper)) {
        n.type = SqlType::of(SqlType::Date);
    } else if (upper == QLatin1String("YEAR") || upper == QLatin1String("MONTH") || upper == QLatin1String("DAY")) {
        if (!args.empty() && !args.front().type.isDate())
            toDate(args.front());
        n.type = SqlType::of(SqlType::Integer);
    } else if (upper == QLatin1String("ABS") || upper == QLatin1String("ROUND") || upper == QLatin1String("FLOOR")
               || upper == QLatin1String("CEILING") || upper == QLatin1String("SIGN")) {
        if (!args.empty() && args.front().type.isText())
            toNumber(args.front(), SqlType::of(SqlType::Float));
        n.type = args.empty() ? SqlType() : args.front().type;
        if ((upper == QLatin1String("CEILING") || upper == QLatin1String("FLOOR")) && n.type.kind == SqlType::Decimal)
            n.type.scale = 0;
    } else if (upper == QLatin1String("ISNULL") && args.size() == 2) {
        // The replacement takes the checked value's type (and length).
        assign(args[1], args[0].type, true);
        m_view[at].text = QStringLiteral("IFNULL");
        n.type = args[0].type.isKnown() ? args[0].type : args[1].type;
    } else if ((upper == QLatin1String("COALESCE") || upper == QLatin1String("NULLIF")) && !args.empty()) {
        std::vector<Node*> all;
        for (Node& arg : args)
            all.push_back(&arg);
        unify(all);
        for (const Node& arg : args)
            if (!arg.null)
                n.type = SqlType::higher(n.type, arg.type);
        if (upper == QLatin1String("NULLIF"))
            n.type = args.front().type;
    } else if (upper == QLatin1String("IIF") && args.size() == 3) {
        unify({&args[1], &args[2]});
        n.type = args[1].null ? args[2].type : SqlType::higher(args[1].type, args[2].type);
    }
    if (n.type.isText()) {
        m_view[close].suffix += QStringLiteral(" COLLATE SRV");
        n.collated = true;
    }
    return n;
}

TypedRewriter::Node TypedRewriter::convertCall(int at, int close, const Scope& scope, bool tries)
{
    const std::vector<int> commas = m_view.commas(at + 2, close);
    if (commas.empty())
        throw TranslationError(102, ServerMessages::syntaxNear(QStringLiteral(")")));
    const QString typeText = m_view.text(at + 2, commas[0]);
    SqlType target = SqlType::fromDeclared(typeText);
    if (target.isText() && !typeText.contains(u'('))
        target.length = 30;
    const int valueEnd = commas.size() > 1 ? commas[1] : close;
    Node value = expression(commas[0] + 1, valueEnd, scope);
    if (value.to < valueEnd)
        region(value.to, valueEnd, scope);
    if (commas.size() > 1)
        region(commas[1] + 1, close, scope);
    m_view.erase(at + 2, commas[0]);
    m_view[at].text = tries ? QStringLiteral("SRV_TRY_CONVERT") : QStringLiteral("SRV_CONVERT");
    m_view[at + 1].suffix += quoteSqlText(typeText.toLower());
    m_view[close].prefix += (commas.size() > 1 ? QStringLiteral(", '%1'") : QStringLiteral(", 0, '%1'")).arg(sourceTypeText(value));
    Node n{at, close + 1, target};
    if (target.isText()) {
        m_view[close].suffix += QStringLiteral(" COLLATE SRV");
        n.collated = true;
    }
    return n;
}

TypedRewriter::Node TypedRewriter::castCall(int at, int close, const Scope& scope, bool tries)
{
    int as = close - 1;
    while (as > at + 1 && !m_view.is(as, "AS"))
        --as;
    if (as <= at + 1)
        throw TranslationError(102, ServerMessages::syntaxNear(QStringLiteral("CAST")));
    const QString typeText = m_view.text(as + 1, close);
    SqlType target = SqlType::fromDeclared(typeText);
    if (target.isText() && !typeText.contains(u'('))
        target.length = 30;
    Node value = expression(at + 2, as, scope);
    if (value.to < as)
        region(value.to, as, scope);
    m_view.erase(as, close);
    m_view[at].text = tries ? QStringLiteral("SRV_TRY_CONVERT") : QStringLiteral("SRV_CONVERT");
    m_view[at + 1].suffix += quoteSqlText(typeText.toLower()) + QStringLiteral(", ");
    m_view[close].prefix += QStringLiteral(", 0, '%1'").arg(sourceTypeText(value));
    Node n{at, close + 1, target};
    if (target.isText()) {
        m_view[close].suffix += QStringLiteral(" COLLATE SRV");
        n.collated = true;
    }
    return n;
}

TypedRewriter::Node TypedRewriter::dateUnitCall(int at, int close, const Scope& scope, const QString& upper)
{
    const std::vector<int> commas = m_view.commas(at + 2, close);
    const size_t wanted = upper == QLatin1String("DATEPART") || upper == QLatin1String("DATENAME") ? 1 : 2;
    if (commas.size() != wanted || commas[0] != at + 3)
        throw TranslationError(174, ServerMessages::argumentCount(upper.toLower(), int(wanted) + 1));
    SqlToken& unit = m_view[at + 2];
    const QString unitText = unit.kind == SqlToken::String ? unquoteSqlText(unit.text) : unit.text;
    unit = SqlToken::make(SqlToken::String, quoteSqlText(unitText.toLower()));
    std::vector<Node> dates;
    int from = commas[0] + 1;
    std::vector<int> ends(commas.begin() + 1, commas.end());
    ends.push_back(close);
    for (int end : ends) {
        Node value = expression(from, end, scope);
        if (value.to < end)
            region(value.to, end, scope);
        dates.push_back(value);
        from = end + 1;
    }
    // DATEADD's middle argument is the amount; every other one is a date.
    for (size_t k = upper == QLatin1String("DATEADD") ? 1 : 0; k < dates.size(); ++k)
        if (!dates[k].type.isDate())
            toDate(dates[k]);
    m_view[at].text = QStringLiteral("SRV_") + upper;
    Node n{at, close + 1};
    if (upper == QLatin1String("DATEADD")) {
        n.type = SqlType::of(SqlType::Date);
    } else if (upper == QLatin1String("DATENAME")) {
        n.type = SqlType::text(30);
        m_view[close].suffix += QStringLiteral(" COLLATE SRV");
        n.collated = true;
    } else {
        n.type = SqlType::of(SqlType::Integer);
    }
    return n;
}

TypedRewriter::Node TypedRewriter::aggregateCall(int at, int close, const Scope& scope, const QString& upper)
{
    int from = at + 2;
    if (m_view.is(from, "DISTINCT") || m_view.is(from, "ALL"))
        ++from;
    Node n{at, close + 1};
    if (upper.startsWith(QLatin1String("COUNT"))) {
        region(from, close, scope);
        n.type = SqlType::of(SqlType::Integer);
        return n;
    }
    Node value = expression(from, close, scope);
    if (value.to < close)
        region(value.to, close, scope);
    n.type = value.type;
    const bool sums = upper == QLatin1String("SUM") || upper == QLatin1String("AVG");
    if (sums && (value.type.isText() || value.type.isDate() || value.type.kind == SqlType::Bit)) {
        const QString name = value.type.isDate() ? QStringLiteral("datetime") : value.type.isText() ? QStringLiteral("varchar") : QStringLiteral("bit");
        throw TranslationError(8117, ServerMessages::invalidOperand(name, upper.toLower()));
    }
    return n;
}

// OVER (PARTITION BY ... ORDER BY ...) after a call; AVG of integers truncates to an
// integer, as the server computes it, over the window too.
void TypedRewriter::windowClause(int at, int to, const Scope& scope, Node& call)
{
    if (m_view.is(at, "OVER") && m_view.is(at + 1, "(")) {
        const int close = closingWithin(at + 1, to);
        region(at + 2, close, scope);
        call.to = close + 1;
    }
    if (m_view.is(call.from, "AVG") && call.type.kind == SqlType::Integer) {
        m_view[call.from].prefix.prepend(QStringLiteral("CAST("));
        m_view[call.to - 1].suffix.append(QStringLiteral(" AS INTEGER)"));
    }
}

} // namespace ado
