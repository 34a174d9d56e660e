#pragma once
// Keeps a logon's password out of texts shown to the operator or written to a log.

#include <QString>

namespace kit {

class LogonMask {
public:
    // text with every "PWD=..." / "Password=..." value of a connection text blanked out, and
    // every occurrence of the password of logon (a "DSN=..; UID=..; PWD=.." or any connection
    // text) replaced by asterisks.
    static QString hide(const QString& text, const QString& logon = {});
    static QString passwordOf(const QString& logon);
};

} // namespace kit
