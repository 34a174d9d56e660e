// Parts of long texts as the operator's messages quote them.
#include "kit/MessageText.h"

#include <gtest/gtest.h>

using namespace kit;

// The part of a text a message quotes: round the place, to the end when the place is the end,
// never half of a character written as two UTF-16 units.
TEST(MessageText, MessagesQuoteAPartOfALongText)
{
    const QString digits = QStringLiteral("0123456789").repeated(20);
    EXPECT_EQ(textAround(digits.left(60), 30), digits.left(60));
    EXPECT_EQ(textAround(digits, 101), QStringLiteral("...") + digits.mid(70, 60) + QStringLiteral("..."));
    EXPECT_EQ(textAround(digits, 201), QStringLiteral("...") + digits.right(60));
    EXPECT_EQ(textAround(digits, 1, 10), QStringLiteral("0123456789..."));
    const QString face = QString::fromUtf8("\xF0\x9F\x98\x80");   // one character, two units
    const QString faces = face.repeated(100);
    for (const qsizetype at : {1, 2, 61, 100, 199, 201}) {
        const QString part = textAround(faces, at);
        const QString inner = part.mid(part.startsWith(u'.') ? 3 : 0).chopped(part.endsWith(u'.') ? 3 : 0);
        EXPECT_FALSE(inner.front().isLowSurrogate() || inner.back().isHighSurrogate()) << at;
        EXPECT_LE(inner.size(), 60);
    }

    // A whole message past its bound keeps its start and its end, never half a character.
    EXPECT_EQ(boundedMessage(digits), digits);
    const QString head = QStringLiteral("columna \"x\": ");
    for (const qsizetype pad : {0, 1}) {
        const QString message = head + QString(pad, u'-') + faces.repeated(10) + QStringLiteral(" División por cero");
        const QString bounded = boundedMessage(message);
        SCOPED_TRACE(pad);
        EXPECT_LE(bounded.size(), MaxMessage);
        EXPECT_GE(bounded.size(), MaxMessage - 1);
        EXPECT_TRUE(bounded.startsWith(head)) << bounded.left(40).toStdString();
        EXPECT_TRUE(bounded.endsWith(face + QStringLiteral(" División por cero")));
        const qsizetype gap = bounded.indexOf(QStringLiteral(" ... "));
        ASSERT_GT(gap, 0);
        EXPECT_FALSE(bounded.at(gap - 1).isHighSurrogate());
        EXPECT_FALSE(bounded.at(gap + 5).isLowSurrogate());
    }
}

// A path is quoted whole up to 120 characters, else by its start and its end, where the file's
// name is, never half of a character.
TEST(MessageText, PathsAreQuotedByTheirStartAndEnd)
{
    const QString shortPath = QStringLiteral("/srv/quindal/reportes/") + QString(94, u'r') + QStringLiteral(".rpt");
    ASSERT_EQ(shortPath.size(), 120);
    EXPECT_EQ(pathText(shortPath), shortPath);
    const QString longPath = QStringLiteral("/srv/quindal/") + QString(3000, u'c') + QStringLiteral("/mv_pr2c.rpt");
    const QString quoted = pathText(longPath);
    EXPECT_EQ(quoted.size(), 120);
    EXPECT_TRUE(quoted.startsWith(QStringLiteral("/srv/quindal/ccc")));
    EXPECT_TRUE(quoted.contains(QStringLiteral("c...c")));
    EXPECT_TRUE(quoted.endsWith(QStringLiteral("c/mv_pr2c.rpt")));
    const QString face = QString::fromUtf8("\xF0\x9F\x98\x80");   // one character, two units
    for (const qsizetype pad : {0, 1}) {
        const QString faces = QString(pad, u'/') + face.repeated(200);
        const QString part = pathText(faces);
        const qsizetype dots = part.indexOf(QStringLiteral("..."));
        SCOPED_TRACE(pad);
        ASSERT_GT(dots, 0);
        EXPECT_FALSE(part.at(dots - 1).isHighSurrogate());
        EXPECT_FALSE(part.at(dots + 3).isLowSurrogate());
        EXPECT_LE(part.size(), 120);
    }
}
