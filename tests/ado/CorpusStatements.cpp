#include "CorpusStatements.h"

#include "support/TestPaths.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

QStringList corpusStatements()
{
    const QDir corpus(testpaths::source(QStringLiteral("tests/ado/corpus")));
    QStringList statements;
    for (const QString& name : corpus.entryList({QStringLiteral("*.sql")})) {
        QFile file(corpus.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
            if (line.startsWith(QLatin1String("> ")))
                statements << line.mid(2).trimmed();
        }
    }
    return statements;
}
