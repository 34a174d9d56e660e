#include "kit/LogonMask.h"

#include "ado/ConnectionString.h"

#include <QRegularExpression>

namespace kit {

namespace {

const QString masked = QStringLiteral("****");

} // namespace

QString LogonMask::passwordOf(const QString& logon)
{
    return ado::ConnectionString(logon).value(QStringList{QStringLiteral("PWD"), QStringLiteral("Password")});
}

QString LogonMask::hide(const QString& text, const QString& logon)
{
    QString out = text;
    const QString password = passwordOf(logon);
    if (!password.isEmpty())
        out.replace(password, masked);
    // A connection text quoted inside a message: its value runs up to the next ";" or the end.
    static const QRegularExpression clause(QStringLiteral("\\b(PWD|Password)(\\s*=\\s*)[^;\\r\\n]*"),
                                           QRegularExpression::CaseInsensitiveOption);
    out.replace(clause, QStringLiteral("\\1\\2") + masked);
    return out;
}

} // namespace kit
