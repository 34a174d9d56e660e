// The dialect corpus: statements in SQL Server's dialect, grouped by family in
// tests/ado/corpus/*.sql, each with the result SQL Server gives, run on the demo database.
//
// Corpus lines:
//   -- text         a note
//   > statement     one Execute on the family's connection
//   + text          continues the statement after a CR LF
//   | text          continues the statement after a bare CR (as the program's batch runner joins)
//   = rows          the rows of the statement's first row set: values joined by "|", rows by
//                   "; "; texts quoted, NULL, bit as 1/0, money with four decimals, decimals
//                   with their scale, datetime as yyyy-mm-dd hh:mi:ss.mmm; "(no rows)" for an
//                   empty row set, "(no result)" when there is none
//   ! n, m[: text]  the statement fails: the native numbers of the errors in order, and the
//                   first one's description
// A statement followed by no expectation must run without error.
#include "DemoFixture.h"
#include "QtPrinting.h"

#include "support/TestPaths.h"

#include <ado/Connection.h>
#include <vb/Error.h>

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <cmath>

namespace {

struct CorpusCase {
    int line = 0;
    QString sql;
    QString expected;   // "= ..." or "! ..." as written, or empty
};

std::vector<CorpusCase> readCorpus(const QString& path)
{
    std::vector<CorpusCase> cases;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return cases;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.startsWith(QLatin1String("> "))) {
            cases.push_back({i + 1, line.mid(2), {}});
        } else if (!cases.empty() && line.startsWith(QLatin1String("+ "))) {
            cases.back().sql += QStringLiteral("\r\n") + line.mid(2);
        } else if (!cases.empty() && line.startsWith(QLatin1String("| "))) {
            cases.back().sql += u'\r' + line.mid(2);
        } else if (!cases.empty() && (line.startsWith(QLatin1String("= ")) || line.startsWith(QLatin1String("! ")))) {
            cases.back().expected = line;
        }
    }
    return cases;
}

QString withScale(QString text, int scale)
{
    if (scale <= 0 || scale > 38)
        return text;
    if (!text.contains(u'.'))
        text += u'.';
    const qsizetype decimals = text.size() - text.indexOf(u'.') - 1;
    return decimals < scale ? text + QString(scale - decimals, u'0') : text;
}

// A date from its serial, to the millisecond (vb::Date itself keeps whole seconds).
QString dateText(double serial)
{
    const qint64 ms = std::llround(serial * 86400000.0);
    const qint64 day = ms >= 0 ? ms / 86400000 : -((-ms + 86399999) / 86400000);
    const QDateTime at(QDate(1899, 12, 30).addDays(day), QTime(0, 0));
    return at.addMSecs(ms - day * 86400000).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
}

QString rendered(const vb::Variant& v, int scale)
{
    switch (v.type()) {
    case vb::VarType::Null: return QStringLiteral("NULL");
    case vb::VarType::Empty: return QStringLiteral("EMPTY");
    case vb::VarType::String: return u'\'' + v.stringRef() + u'\'';
    case vb::VarType::Boolean: return v.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    case vb::VarType::Date: return dateText(v.toDate().serial);
    case vb::VarType::Currency: return withScale(v.toDecimal().toString(u'.'), 4);
    case vb::VarType::Decimal: return withScale(v.toDecimal().toString(u'.'), scale);
    case vb::VarType::Double: case vb::VarType::Single: return QString::number(v.toDouble(), 'g', 15);
    default: return QString::number(v.toLong());
    }
}

QString rowsOf(const ado::RecordsetPtr& rs)
{
    if (!rs || rs->State() != ado::adStateOpen)
        return QStringLiteral("(no result)");
    QStringList rows;
    for (; !rs->Eof(); rs->MoveNext()) {
        QStringList values;
        for (int c = 0; c < rs->Fields()->Count(); ++c)
            values << rendered(rs->Fields()->Item(c)->Value(), rs->Fields()->Item(c)->NumericScale());
        rows << values.join(u'|');
    }
    return rows.isEmpty() ? QStringLiteral("(no rows)") : rows.join(QStringLiteral("; "));
}

// What one statement gave, in the corpus's own notation.
QString outcomeOf(const ado::ConnectionPtr& connection, const QString& sql)
{
    try {
        return QStringLiteral("= ") + rowsOf(connection->Execute(sql));
    } catch (const vb::Error&) {
        QStringList numbers;
        for (const ado::Error& e : *connection->Errors())
            numbers << QString::number(e.NativeError());
        const QString first = connection->Errors()->Count() > 0 ? connection->Errors()->Item(0).Description() : QString();
        return QStringLiteral("! %1: %2").arg(numbers.join(QStringLiteral(", ")), first);
    }
}

bool matches(const QString& expected, const QString& actual)
{
    if (expected.startsWith(u'!') && !expected.contains(u':'))
        return actual.section(u':', 0, 0) == expected;
    return actual == expected;
}

class DialectCorpusTest : public ::testing::TestWithParam<QString> {
protected:
    static void SetUpTestSuite() { s_fixture = new demo::DemoFixture(60, 5); }
    static void TearDownTestSuite()
    {
        delete s_fixture;
        s_fixture = nullptr;
    }
    static demo::DemoFixture* s_fixture;
};

demo::DemoFixture* DialectCorpusTest::s_fixture = nullptr;

TEST_P(DialectCorpusTest, GivesTheServersResults)
{
    const QString path = testpaths::source(QStringLiteral("tests/ado/corpus/")) + GetParam() + QStringLiteral(".sql");
    const std::vector<CorpusCase> cases = readCorpus(path);
    ASSERT_GE(cases.size(), 20u) << path.toStdString();
    auto connection = ado::Connection::create();
    connection->Open(s_fixture->connectionString());
    int checked = 0;
    for (const CorpusCase& c : cases) {
        const QString actual = outcomeOf(connection, c.sql);
        const QString expected = c.expected.isEmpty() ? QString() : c.expected;
        if (expected.isEmpty()) {
            EXPECT_FALSE(actual.startsWith(u'!')) << GetParam().toStdString() << ".sql:" << c.line << ": " << c.sql.toStdString()
                                                  << "\n  failed: " << actual.toStdString();
            continue;
        }
        ++checked;
        EXPECT_TRUE(matches(expected, actual)) << GetParam().toStdString() << ".sql:" << c.line << ": " << c.sql.toStdString()
                                               << "\n  expected " << expected.toStdString() << "\n  got      " << actual.toStdString();
    }
    EXPECT_GE(checked, 20);
}

INSTANTIATE_TEST_SUITE_P(Families, DialectCorpusTest,
                         ::testing::Values(QStringLiteral("batches"), QStringLiteral("dates"), QStringLiteral("types"),
                                           QStringLiteral("collation"), QStringLiteral("functions"), QStringLiteral("statements"),
                                           QStringLiteral("program"), QStringLiteral("limits")),
                         [](const ::testing::TestParamInfo<QString>& info) { return info.param.toStdString(); });

} // namespace
