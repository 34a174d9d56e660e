#include "json/cStringBuilder.h"
#include "vb/Error.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

using json::cStringBuilder;

namespace {

int errorNumber(const std::function<void()>& step)
{
    try {
        step();
    } catch (const vb::Error& e) {
        return e.number();
    }
    return 0;
}

} // namespace

TEST(StringBuilder, NewObjectIsEmptyWithDefaultChunk)
{
    cStringBuilder sb;
    EXPECT_EQ(sb.Length(), 0);
    EXPECT_EQ(sb.Capacity(), 0);
    EXPECT_EQ(sb.toString(), QString());
    EXPECT_EQ(sb.ChunkSize(), 8192);
}

TEST(StringBuilder, GrowsByWholeChunksOnly)
{
    cStringBuilder one;
    one.Append(QStringLiteral("a"));
    EXPECT_EQ(one.Capacity(), 8192);

    cStringBuilder more;
    more.Append(QString(8193, u'x'));
    EXPECT_EQ(more.Capacity(), 16384);
    EXPECT_EQ(more.Length(), 8193);

    // Many small additions: the capacity follows the length up to the next chunk, no doubling.
    cStringBuilder many;
    many.ChunkSize(10);
    for (int i = 0; i < 95; ++i)
        many.Append(QStringLiteral("ab"));
    EXPECT_EQ(many.Length(), 190);
    EXPECT_EQ(many.Capacity(), 190);
    many.Append(QStringLiteral("c"));
    EXPECT_EQ(many.Capacity(), 200);
}

TEST(StringBuilder, AppendKeepsOrderAndNewLine)
{
    cStringBuilder sb;
    sb.ChunkSize(3);
    sb.Append(QStringLiteral("ab"));
    sb.AppendByVal(QStringLiteral("cd"));
    sb.Append(QString());
    sb.AppendNL(QStringLiteral("x"));
    EXPECT_EQ(sb.toString(), QStringLiteral("abcdx\r\n"));
    EXPECT_EQ(sb.Length(), 7);
    EXPECT_EQ(sb.Capacity(), 9);
}

TEST(StringBuilder, AppendOfItsOwnTextDoublesIt)
{
    cStringBuilder sb;
    sb.ChunkSize(4);
    sb.Append(QStringLiteral("abcd"));
    sb.Append(sb.toString());
    EXPECT_EQ(sb.toString(), QStringLiteral("abcdabcd"));
}

TEST(StringBuilder, InsertPlacesTextAndChecksIndex)
{
    cStringBuilder sb;
    sb.ChunkSize(4);
    sb.Append(QStringLiteral("acd"));
    sb.Insert(1, QStringLiteral("b"));
    sb.InsertByVal(0, QStringLiteral(">"));
    EXPECT_EQ(sb.toString(), QStringLiteral(">abcd"));

    sb.Insert(sb.Length(), QStringLiteral("!"));
    EXPECT_EQ(sb.toString(), QStringLiteral(">abcd!"));

    EXPECT_EQ(errorNumber([&] { sb.Insert(sb.Length() + 1, QStringLiteral("?")); }), 9);
    EXPECT_EQ(errorNumber([&] { sb.Insert(-1, QStringLiteral("?")); }), 9);
    EXPECT_EQ(sb.toString(), QStringLiteral(">abcd!"));
}

TEST(StringBuilder, InsertLongerThanSpareGrowsAsManyChunksAsNeeded)
{
    cStringBuilder sb;
    sb.ChunkSize(10);
    sb.Append(QStringLiteral("0123456"));       // capacity 10, 3 spare
    sb.Insert(3, QString(25, u'-'));             // needs 32: three more chunks
    EXPECT_EQ(sb.Capacity(), 40);
    EXPECT_EQ(sb.toString(), QStringLiteral("012") + QString(25, u'-') + QStringLiteral("3456"));
}

TEST(StringBuilder, RemoveDropsTextButKeepsCapacity)
{
    cStringBuilder sb;
    sb.Append(QStringLiteral("hello world"));
    sb.Remove(5, 6);
    EXPECT_EQ(sb.toString(), QStringLiteral("hello"));
    sb.Remove(1, 3);
    EXPECT_EQ(sb.toString(), QStringLiteral("ho"));

    sb.Remove(0, sb.Length());
    EXPECT_EQ(sb.toString(), QString());
    EXPECT_EQ(sb.Capacity(), 8192);
}

TEST(StringBuilder, RemoveOutsideUsedTextRaisesAndChangesNothing)
{
    cStringBuilder sb;
    sb.Append(QStringLiteral("abc"));
    EXPECT_EQ(errorNumber([&] { sb.Remove(-1, 1); }), 9);
    EXPECT_EQ(errorNumber([&] { sb.Remove(4, 0); }), 9);
    EXPECT_EQ(errorNumber([&] { sb.Remove(1, -1); }), 9);
    EXPECT_EQ(errorNumber([&] { sb.Remove(1, 3); }), 9);
    EXPECT_EQ(errorNumber([&] { sb.Remove(2, std::numeric_limits<std::int32_t>::max()); }), 9);
    EXPECT_EQ(sb.toString(), QStringLiteral("abc"));
    sb.Remove(3, 0);
    EXPECT_EQ(sb.toString(), QStringLiteral("abc"));
}

TEST(StringBuilder, FindLooksOnlyAtUsedText)
{
    cStringBuilder sb;
    sb.Append(QStringLiteral("abcabc"));
    EXPECT_EQ(sb.Find(QStringLiteral("bc"), 1, 0), 2);
    EXPECT_EQ(sb.Find(QStringLiteral("bc"), 3, 0), 5);
    EXPECT_EQ(sb.Find(QStringLiteral("bc"), -7, 0), 2);
    EXPECT_EQ(sb.Find(QStringLiteral("c"), 1, 0), 3);
    EXPECT_EQ(sb.Find(QStringLiteral("BC"), 1, 0), 0);
    EXPECT_EQ(sb.Find(QStringLiteral("BC"), 1, 1), 2);
    EXPECT_EQ(sb.Find(QStringLiteral("x"), 1, 0), 0);
    EXPECT_EQ(sb.Find(QStringLiteral("a"), 7, 0), 0);

    // A match at the last used character counts.
    EXPECT_EQ(sb.Find(QStringLiteral("c"), 6, 0), 6);

    // Removed text stays in the spare part but is never found there, nor blanks beyond it.
    sb.Remove(3, 3);
    EXPECT_EQ(sb.Find(QStringLiteral("cab"), 1, 0), 0);
    EXPECT_EQ(sb.Find(QStringLiteral("ca"), 1, 0), 0);
    EXPECT_EQ(sb.Find(QStringLiteral("c "), 1, 0), 0);
    EXPECT_EQ(sb.Find(QStringLiteral(" "), 1, 0), 0);
    EXPECT_EQ(errorNumber([&] { sb.Find(QStringLiteral("a"), 1, 2); }), 5);
}

TEST(StringBuilder, TheStringReplacesContentAndKeepsCapacity)
{
    cStringBuilder sb;
    sb.ChunkSize(4);
    sb.Append(QStringLiteral("0123456789"));
    EXPECT_EQ(sb.Capacity(), 12);
    sb.TheString(QStringLiteral("ab"));
    EXPECT_EQ(sb.toString(), QStringLiteral("ab"));
    EXPECT_EQ(sb.Capacity(), 12);

    sb.TheString(QString(13, u'z'));
    EXPECT_EQ(sb.Capacity(), 16);
    EXPECT_EQ(sb.Length(), 13);

    sb.TheString(QString());
    EXPECT_EQ(sb.Length(), 0);
    EXPECT_EQ(sb.Capacity(), 0);

    sb.TheString(QStringLiteral("q"));
    EXPECT_EQ(sb.Capacity(), 4);
}

TEST(StringBuilder, ClearKeepsChangedChunk)
{
    cStringBuilder sb;
    sb.ChunkSize(100);
    sb.Append(QStringLiteral("abc"));
    sb.Clear();
    EXPECT_EQ(sb.Length(), 0);
    EXPECT_EQ(sb.Capacity(), 0);
    EXPECT_EQ(sb.ChunkSize(), 100);
    sb.Append(QStringLiteral("d"));
    EXPECT_EQ(sb.toString(), QStringLiteral("d"));
    EXPECT_EQ(sb.Capacity(), 100);
}

TEST(StringBuilder, HeapMinimizeKeepsAtMostOneSpareChunk)
{
    cStringBuilder sb;
    sb.Append(QString(3 * 8192, u'x'));
    sb.Remove(1, sb.Length() - 1);
    EXPECT_EQ(sb.Capacity(), 3 * 8192);
    sb.HeapMinimize();
    EXPECT_EQ(sb.Capacity(), 8192);
    EXPECT_EQ(sb.toString(), QStringLiteral("x"));

    // Exactly one chunk spare: nothing to give back.
    cStringBuilder full;
    full.ChunkSize(10);
    full.Append(QString(20, u'y'));
    full.Remove(10, 10);
    full.HeapMinimize();
    EXPECT_EQ(full.Capacity(), 20);

    // Two chunks and a bit spare leaves the bit plus one chunk.
    full.Append(QString(25, u'y'));              // length 35, capacity 40
    full.Remove(2, 33);                          // length 2, 38 spare
    full.HeapMinimize();
    EXPECT_EQ(full.Capacity(), 10);
    EXPECT_EQ(full.toString(), QStringLiteral("yy"));
}

TEST(StringBuilder, ChunkSizeRejectsWhatCannotGrow)
{
    cStringBuilder sb;
    EXPECT_EQ(errorNumber([&] { sb.ChunkSize(0); }), 5);
    EXPECT_EQ(errorNumber([&] { sb.ChunkSize(-4); }), 5);
    EXPECT_EQ(errorNumber([&] { sb.ChunkSize(std::numeric_limits<std::int32_t>::max() / 2 + 1); }), 6);
    EXPECT_EQ(sb.ChunkSize(), 8192);
    sb.ChunkSize(std::numeric_limits<std::int32_t>::max() / 2);
    EXPECT_EQ(sb.ChunkSize(), std::numeric_limits<std::int32_t>::max() / 2);
}
