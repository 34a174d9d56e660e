#pragma once
// The error log KQERR.LOG: one Windows-1252 line per handled error, CR LF ended, appended.

#include <QDateTime>
#include <QString>

class QFile;

namespace data {

class ErrorLog {
public:
    // The program folder (with a separator added unless it ends in one) and "KQERR.LOG".
    static QString defaultPath(const QString& programFolder);
    static QString answerWord(int answer);
    // routinePart is " - Routine" or ""; both it and the prompt are trimmed into the line.
    static QString line(const QDateTime& at, const QString& routinePart, const QString& prompt, int answer);
    // False when the file cannot be opened or written: the caller loses the line, nothing else.
    static bool append(const QString& path, const QString& line);
    // The same in two steps, for a handler that opens its log before it shows anything.
    static bool open(QFile& file);
    static bool write(QFile& file, const QString& line);
};

} // namespace data
