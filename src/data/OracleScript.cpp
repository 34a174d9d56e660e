#include "data/OracleScript.h"

namespace data {


const QStringList& OracleScript::splitKeywords()
{
    static const QStringList keywords = {
        QStringLiteral("INSERT "), QStringLiteral("DELETE "), QStringLiteral("UPDATE "),
        QStringLiteral("CREATE "), QStringLiteral("DROP "), QStringLiteral("ALTER "),
        QStringLiteral("SET TRANSACTION"), QStringLiteral("COMMIT"), QStringLiteral("ROLLBACK"),
        QStringLiteral("IF NOT EXIST"), QStringLiteral("IF EXIST"), QStringLiteral("GRANT ")};
    return keywords;
}

QString OracleScript::normalise(const QString& script)
{
    // In this order: GO lines first, then line ends, then the transaction words.
    static const std::pair<const char*, const char*> rules[] = {
        {"SET NOCOUNT ON", ""}, {"SET NOCOUNT OFF", ""}, {" GO ", " "}, {"\r\nGO ", " "}, {"\r\nGO\r\n", " "},
        {"\r", " "}, {"\r\n", " "}, {"BEGIN TRANSACTION", "SET TRANSACTION"}, {"BEGIN TRANS", "SET TRANSACTION"},
        {"COMMIT TRANSACTION", "COMMIT"}, {"COMMIT TRANS", "COMMIT"}, {"ROLLBACK TRANSACTION", "ROLLBACK"},
        {"ROLLBACK TRANS", "ROLLBACK"}};
    QString s = script;
    for (const auto& [find, with] : rules)
        s.replace(QLatin1String(find), QLatin1String(with), Qt::CaseInsensitive);
    return s;
}

qsizetype OracleScript::firstKeyword(const QString& script, qsizetype from)
{
    qsizetype best = -1;
    for (const QString& keyword : splitKeywords()) {
        const qsizetype at = script.indexOf(keyword, from, Qt::CaseInsensitive);
        if (at >= 0 && (best < 0 || at < best))
            best = at;
    }
    return best;
}

bool OracleScript::nextPiece(const QString& script, qsizetype& start, QString& piece)
{
    start = firstKeyword(script, 0);
    if (start < 0)
        return false;
    const qsizetype next = firstKeyword(script, start + 1);
    piece = script.mid(start, (next < 0 ? script.size() : next) - start);
    return true;
}

QString OracleScript::DescartaSentenciaControl(QString& text)
{
    if (text.contains(QLatin1String("SET NOCOUNT"), Qt::CaseInsensitive)
        || text.contains(QLatin1String("IF NOT EXIST"), Qt::CaseInsensitive))
        text.clear();
    return text;
}

} // namespace data
