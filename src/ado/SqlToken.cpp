#include "ado/SqlToken.h"

namespace ado {

SqlToken SqlToken::make(Kind kind, const QString& text)
{
    SqlToken t;
    t.kind = kind;
    t.text = text;
    return t;
}

bool SqlToken::is(const char* symbolOrWord) const
{
    if (kind != Symbol && kind != Word)
        return false;
    return text.compare(QLatin1String(symbolOrWord), Qt::CaseInsensitive) == 0;
}

QString SqlToken::render() const
{
    QString body = text;
    if (kind == Quoted)
        body = u'"' + QString(text).replace(u'"', QLatin1String("\"\"")) + u'"';
    return prefix + body + suffix;
}

QString renderTokens(const SqlTokens& tokens)
{
    QString out;
    for (const SqlToken& t : tokens)
        out += t.render();
    return out;
}

} // namespace ado
