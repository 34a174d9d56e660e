#include "QtPrinting.h"

#include <ado/SqlLexer.h>

#include <gtest/gtest.h>

namespace {

QStringList significant(const QString& sql)
{
    QStringList out;
    for (const ado::SqlToken& t : ado::SqlLexer::tokenize(sql))
        if (!t.isSpace())
            out << QStringLiteral("%1:%2%3").arg(int(t.kind)).arg(t.national ? QStringLiteral("N") : QString(), t.text);
    return out;
}

TEST(SqlLexerTest, TokensOfTheServersDialect)
{
    using T = ado::SqlToken;
    EXPECT_EQ(significant(QStringLiteral("SELECT N'a''b', [x]]y], \"q\", 1.5e-3, @p, @@ROWCOUNT, a<>b, #tmp")),
              QStringList({QStringLiteral("%1:SELECT").arg(T::Word), QStringLiteral("%1:N'a''b'").arg(T::String),
                           QStringLiteral("%1:,").arg(T::Symbol), QStringLiteral("%1:x]y").arg(T::Quoted),
                           QStringLiteral("%1:,").arg(T::Symbol), QStringLiteral("%1:q").arg(T::Quoted),
                           QStringLiteral("%1:,").arg(T::Symbol), QStringLiteral("%1:1.5e-3").arg(T::Number),
                           QStringLiteral("%1:,").arg(T::Symbol), QStringLiteral("%1:@p").arg(T::Variable),
                           QStringLiteral("%1:,").arg(T::Symbol), QStringLiteral("%1:@@ROWCOUNT").arg(T::Variable),
                           QStringLiteral("%1:,").arg(T::Symbol), QStringLiteral("%1:a").arg(T::Word),
                           QStringLiteral("%1:<>").arg(T::Symbol), QStringLiteral("%1:b").arg(T::Word),
                           QStringLiteral("%1:,").arg(T::Symbol), QStringLiteral("%1:#tmp").arg(T::Word)}));
}

TEST(SqlLexerTest, CommentsBecomeBlanksAndTextIsKept)
{
    const QString sql = QStringLiteral("SELECT 1 -- note\r\n/* a\nb */ FROM [T 1]");
    const ado::SqlTokens tokens = ado::SqlLexer::tokenize(sql);
    EXPECT_EQ(significant(sql).size(), 4);
    int lineBreaks = 0;
    for (const ado::SqlToken& t : tokens)
        lineBreaks += t.isSpace() && t.newline ? 1 : 0;
    EXPECT_EQ(lineBreaks, 2);
    EXPECT_EQ(ado::renderTokens(ado::SqlLexer::tokenize(QStringLiteral("a  +\tN'x' [b c]"))), QStringLiteral("a  +\t'x' \"b c\""));
    EXPECT_EQ(ado::renderTokens(ado::SqlLexer::tokenize(QStringLiteral("'never closed"))), QStringLiteral("'never closed'"));
}

} // namespace
