#include "FileFilter.h"

#include <QRegularExpression>
#include <QStringList>

namespace ui {

QString FileFilter::patternsOf(const QString& patternList)
{
    QStringList patterns;
    for (const QString& part : patternList.split(QRegularExpression(QStringLiteral("[;,\\s]+")), Qt::SkipEmptyParts))
        patterns.append(part.trimmed());
    return patterns.isEmpty() ? QStringLiteral("*") : patterns.join(QLatin1Char(' '));
}

namespace {
const QRegularExpression& trailingPatterns()
{
    static const QRegularExpression re(QStringLiteral("\\s*\\(([^()]*)\\)\\s*$"));
    return re;
}
}

QString FileFilter::entry(QString description, const QString& patternList)
{
    description.remove(trailingPatterns());
    description = description.trimmed();
    const QString patterns = patternsOf(patternList);
    if (description.isEmpty())
        description = patterns;
    return description + QStringLiteral(" (") + patterns + QLatin1Char(')');
}

QString FileFilter::lonePatterns(const QString& description)
{
    const QRegularExpressionMatch match = trailingPatterns().match(description);
    return match.hasMatch() ? match.captured(1) : description;
}

QString FileFilter::toQt(const QString& filter)
{
    if (filter.trimmed().isEmpty())
        return {};
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString& description = parts.at(i);
        const QString patterns = i + 1 < parts.size() ? parts.at(i + 1) : lonePatterns(description);
        if (description.trimmed().isEmpty() && patterns.trimmed().isEmpty())
            continue;
        entries.append(entry(description, patterns));
    }
    return entries.join(QStringLiteral(";;"));
}

} // namespace ui
