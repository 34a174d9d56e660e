#pragma once
// A T-SQL script cut into the statements an Oracle connection runs one at a time.

#include <QString>
#include <QStringList>

namespace data {

class OracleScript {
public:
    static const QStringList& splitKeywords();
    // Drops NOCOUNT and GO lines, carriage returns and the T-SQL transaction words.
    static QString normalise(const QString& script);
    // The next piece: from the first keyword (at start) to just before the next one.
    // False when no keyword is left (text before the first keyword is never run).
    static bool nextPiece(const QString& script, qsizetype& start, QString& piece);
    // "" for statements Oracle cannot run (NOCOUNT settings, IF NOT EXIST guards); text cleared too.
    static QString DescartaSentenciaControl(QString& text);

private:
    static qsizetype firstKeyword(const QString& script, qsizetype from);
};

} // namespace data
