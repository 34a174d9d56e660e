#include "data/ObjectNames.h"

#include "vb/Error.h"

#include <QStringList>
#include <algorithm>

namespace data {

QString ObjectNames::stSTF(QString& name, int part)
{
    const qsizetype dots = name.count(u'.');
    if (dots == 0)
        return name;
    if (dots == 1) {
        const qsizetype at = name.indexOf(u'.');
        return part == 0 ? name.left(at) : name.mid(at + 1);
    }
    return StripOwner(name);
}

QString ObjectNames::AddBrackets(const QString& name)
{
    if (name.contains(u' ') && !name.startsWith(u'['))
        return u'[' + name + u']';
    return name;
}

QString ObjectNames::StripConnect(const QString& name)
{
    const qsizetype at = name.indexOf(QLatin1String("->"));
    if (at < 0)
        return name;
    if (at == 0)
        vb::raise(5);
    return name.left(at - 1);
}

QString ObjectNames::StripBrackets(const QString& name)
{
    if (!name.startsWith(u'['))
        return name;
    if (name.size() < 2)
        vb::raise(5);
    return name.mid(1, name.size() - 2);
}

QString ObjectNames::StripOwner(QString& name)
{
    const qsizetype at = name.indexOf(u'.');
    if (at >= 0)
        name = name.mid(at + 1);
    return name;
}

QString ObjectNames::StripFileName(const QString& path)
{
    const qsizetype at = std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
    return at < 0 ? QString() : path.left(at);
}

namespace {

bool isNameCharacter(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || c == u'$' || c == u'#' || c == u' ';
}

bool isPlainName(const QString& part)
{
    return !part.isEmpty() && std::all_of(part.begin(), part.end(), isNameCharacter);
}

} // namespace

QString ObjectNames::QuotableName(const QString& name)
{
    QStringList parts = name.split(u'.');
    for (QString& part : parts) {
        part = part.trimmed();
        if (part.startsWith(u'[') && part.endsWith(u']') && part.size() > 2)
            part = StripBrackets(part).trimmed();
        if (!isPlainName(part))
            return {};
        part = AddBrackets(part);
    }
    return parts.join(u'.');
}

} // namespace data
