// The numbering-gap rows: runs, gaps, single documents, letters and points of sale kept apart,
// date ranges, a second run that replaces the first, other keys and kinds left alone, quotes in
// the key, dates whatever the regional settings, a failed run that keeps the previous rows, and
// the bound days of a date range on the demo documents.
#include "reports/GapReport.h"

#include "reports/ReportWindowFields.h"
#include "app/AppTestBase.h"

#include "ado/Recordset.h"
#include "app/AppModule.h"
#include "app/SharedObjects.h"
#include "ui/Control.h"
#include "vb/Error.h"
#include "vb/Regional.h"

#include <QDate>
#include <QLineEdit>
#include <QWidget>
#include <gtest/gtest.h>

using reports::GapReport;

namespace {

struct Doc {
    const char* id;      // point of sale, number, letter
    const char* date;    // yyyy-mm-dd
};

// The report window's kind and range boxes, as the procedures read them.
class FakeWindow : public reports::ReportWindowFields {
public:
    FakeWindow(const QString& kind, const QString& from, const QString& to) : m_kind(kind)
    {
        const QStringList names{QStringLiteral("Sucursal_Desde"), QStringLiteral("Fecha_Desde"), QStringLiteral("FECHA_HASTA")};
        const QStringList texts{QStringLiteral("0001"), from, to};
        for (int i = 0; i < names.size(); ++i) {
            auto* box = new QLineEdit(texts.at(i), &m_form);
            ui::Control::declare(box, QStringLiteral("txtFields"), i + 3);   // indexes need not start at 0
            ui::Control::setDataField(box, names.at(i));
        }
    }
    QString TcoReporte() const override { return m_kind; }
    QList<QObject*> txtFields() const override { return ui::Control::array(&m_form, QStringLiteral("txtFields")); }

private:
    QString m_kind;
    QWidget m_form;
};

class GapRows : public AppTestBase {
protected:
    GapRows() { openDemo(); }

    void add(const QString& kind, const std::vector<Doc>& docs)
    {
        for (const Doc& d : docs) {
            const QString id = QString::fromLatin1(d.id);
            execute(QStringLiteral("INSERT INTO C_MV_CPTE (TC, IdComprobante, Sucursal, Letra, Fecha, Cuenta) "
                                   "VALUES ('%1', '%2', '%3', '%4', {ts '%5 00:00:00'}, '1')")
                        .arg(kind, id, id.left(4), id.right(1), QLatin1String(d.date)));
        }
    }

    // Each row of a query as its cells joined by "|": "-" for a Null, a date as yyyy-mm-dd.
    QStringList select(const QString& sql) const
    {
        auto rs = ado::Recordset::create();
        rs->Open(sql, db->gCnn);
        QStringList out;
        for (; !rs->Eof(); rs->MoveNext()) {
            QStringList cells;
            for (int c = 0; c < rs->Fields()->Count(); ++c) {
                const vb::Variant v = rs->Fields()->Item(c)->Value();
                cells << (v.isNull() ? QStringLiteral("-") : v.isDate() ? v.toDate().date().toString(Qt::ISODate) : v.toString());
            }
            out << cells.join(u'|');
        }
        return out;
    }

    // "range|fecha|vencimiento|present|missing|point of sale|letter", in the report's order.
    QStringList rows(const QString& key) const
    {
        return select(QStringLiteral("SELECT NroComprobanteBancario, fecha, vencimiento, [Importe-Debe], [Importe-Haber], AP_SUCURSAL, "
                                     "AP_LETRA FROM AUX_MAYORES WHERE Usuario = '%1' ORDER BY NroComprobanteBancario")
                          .arg(QString(key).replace(u'\'', QStringLiteral("''"))));
    }

    // Every document of the key's "present" rows, each run spelled out number by number.
    QStringList walked(const QString& key) const
    {
        QStringList ids;
        for (const QString& row : rows(key)) {
            const QStringList cells = row.split(u'|');
            if (cells.at(3) == u"-")
                continue;
            const QString first = cells.at(0).section(u'-', 0, 0), last = cells.at(0).section(u'-', 1, 1);
            for (int n = first.mid(4, 8).toInt(); n <= last.mid(4, 8).toInt(); ++n)
                ids << first.left(4) + QStringLiteral("%1").arg(n, 8, 10, QChar(u'0')) + first.right(1);
        }
        return ids;
    }

    void build(const QString& kind, const QString& from = {}, const QString& to = {}, const QString& key = QStringLiteral("PUESTO1|ANA"))
    {
        GapReport report(*db, key);
        report.build(kind, from, to);
    }

    const QString key = QStringLiteral("PUESTO1|ANA");
};

// Numbers 1, 2, 3, 7, 8 of 0001-A with a B document numbered 5 and another point of sale.
const std::vector<Doc> mixed = {
    {"000100000001A", "2024-01-10"}, {"000100000002A", "2024-01-11"}, {"000100000003A", "2024-01-12"},
    {"000100000007A", "2024-01-15"}, {"000100000008A", "2024-01-16"}, {"000100000005B", "2024-01-13"},
    {"000200000004A", "2024-01-14"},
};

} // namespace

TEST_F(GapRows, RunsGapsAndSingleDocumentsPerPointOfSaleAndLetter)
{
    add(QStringLiteral("TST"), mixed);
    add(QStringLiteral("TS2"), {{"000100000004A", "2024-01-14"}});   // another kind fills no gap
    GapReport report(app::gDB(), key);
    report.build(QStringLiteral("TST"), {}, {});
    const QStringList expected{
        "000100000001A-000100000003A|2024-01-10|2024-01-12|3|-|0001|A",
        "000100000004A-000100000006A ***|-|-|-|3|0001|A",   // the B document numbered 5 is no A document
        "000100000005B-000100000005B|2024-01-13|2024-01-13|1|-|0001|B",
        "000100000007A-000100000008A|2024-01-15|2024-01-16|2|-|0001|A",
        "000200000004A-000200000004A|2024-01-14|2024-01-14|1|-|0002|A",
    };
    EXPECT_EQ(rows(key), expected);
    EXPECT_EQ(report.rowsWritten(), 5);
}

TEST_F(GapRows, ADateRangeEndsAGapAtTheFirstDocumentOutsideIt)
{
    add(QStringLiteral("TST"), {{"000100000001A", "2024-01-10"}, {"000100000002A", "2024-01-11"}, {"000100000003A", "2024-01-12"},
                                {"000100000005A", "2024-02-20"}, {"000100000007A", "2024-01-15"}, {"000100000009B", "2024-01-20"}});
    build(QStringLiteral("TST"), QStringLiteral("01/01/2024"), QStringLiteral(" 31/01/2024 "));
    EXPECT_EQ(rows(key), (QStringList{
                             "000100000001A-000100000003A|2024-01-10|2024-01-12|3|-|0001|A",
                             "000100000004A-000100000004A ***|-|-|-|1|0001|A",
                             "000100000007A-000100000007A|2024-01-15|2024-01-15|1|-|0001|A",
                             "000100000009B-000100000009B|2024-01-20|2024-01-20|1|-|0001|B",
                         }));
    // An upper date alone counts for nothing: every document is walked.
    build(QStringLiteral("TST"), QStringLiteral("  "), QStringLiteral("31/01/2024"));
    EXPECT_EQ(rows(key), (QStringList{
                             "000100000001A-000100000003A|2024-01-10|2024-01-12|3|-|0001|A",
                             "000100000004A-000100000004A ***|-|-|-|1|0001|A",
                             "000100000005A-000100000005A|2024-02-20|2024-02-20|1|-|0001|A",
                             "000100000006A-000100000006A ***|-|-|-|1|0001|A",
                             "000100000007A-000100000007A|2024-01-15|2024-01-15|1|-|0001|A",
                             "000100000009B-000100000009B|2024-01-20|2024-01-20|1|-|0001|B",
                         }));
    // A lower date alone.
    build(QStringLiteral("TST"), QStringLiteral("15/01/2024"));
    EXPECT_EQ(rows(key), (QStringList{
                             "000100000005A-000100000005A|2024-02-20|2024-02-20|1|-|0001|A",
                             "000100000006A-000100000006A ***|-|-|-|1|0001|A",
                             "000100000007A-000100000007A|2024-01-15|2024-01-15|1|-|0001|A",
                             "000100000009B-000100000009B|2024-01-20|2024-01-20|1|-|0001|B",
                         }));
}

TEST_F(GapRows, ASecondRunReplacesTheKeysRowsOnly)
{
    add(QStringLiteral("TST"), mixed);
    add(QStringLiteral("TS2"), {{"000300000010C", "2024-03-01"}, {"000300000011C", "2024-03-02"}});
    build(QStringLiteral("TST"), {}, {}, QStringLiteral("OTRO|PUESTO"));
    const QStringList others = rows(QStringLiteral("OTRO|PUESTO"));
    ASSERT_EQ(others.size(), 5);
    build(QStringLiteral("TST"));
    build(QStringLiteral("TS2"));
    EXPECT_EQ(rows(key), QStringList{"000300000010C-000300000011C|2024-03-01|2024-03-02|2|-|0003|C"});
    EXPECT_EQ(rows(QStringLiteral("OTRO|PUESTO")), others);
    // A kind without documents leaves the key without rows.
    build(QStringLiteral("NADA"));
    EXPECT_TRUE(rows(key).isEmpty());
    EXPECT_EQ(rows(QStringLiteral("OTRO|PUESTO")), others);
}

TEST_F(GapRows, QuotesInTheKeyAndForeignDateSettingsChangeNothing)
{
    add(QStringLiteral("TST"), {{"000100000001A", "2024-01-05"}, {"000100000003A", "2024-02-07"}});
    const QString quoted = QStringLiteral("PC'1|O'BRIEN");
    {
        vb::RegionalScope us(vb::RegionalSettings::unitedStates());
        build(QStringLiteral("TST"), QStringLiteral("1/5/2024"), QStringLiteral("2/7/2024"), quoted);
    }
    EXPECT_EQ(rows(quoted), (QStringList{
                                "000100000001A-000100000001A|2024-01-05|2024-01-05|1|-|0001|A",
                                "000100000002A-000100000002A ***|-|-|-|1|0001|A",
                                "000100000003A-000100000003A|2024-02-07|2024-02-07|1|-|0001|A",
                            }));
    EXPECT_TRUE(dialogs.prompts().isEmpty());
}

TEST_F(GapRows, TheWindowsProcedureUsesItsKindDatesAndWorkstation)
{
    add(QStringLiteral("TST"), {{"000100000001A", "2024-01-05"}, {"000100000004A", "2024-01-20"}, {"000100000006A", "2024-03-01"}});
    app::state().startup.SeccionIni = QStringLiteral("CAJA2|MARTA");
    reports::GeneraAuxiliarMvCpte(FakeWindow(QStringLiteral("TST"), QStringLiteral(" 01/01/2024"), QStringLiteral("31/01/2024")));
    EXPECT_EQ(rows(QStringLiteral("CAJA2|MARTA")), (QStringList{
                                                       "000100000001A-000100000001A|2024-01-05|2024-01-05|1|-|0001|A",
                                                       "000100000002A-000100000003A ***|-|-|-|2|0001|A",
                                                       "000100000004A-000100000004A|2024-01-20|2024-01-20|1|-|0001|A",
                                                   }));
    EXPECT_TRUE(rows(key).isEmpty());
}

TEST_F(GapRows, AFailedRunKeepsThePreviousRows)
{
    add(QStringLiteral("TST"), mixed);
    build(QStringLiteral("TST"));
    const QStringList before = rows(key);
    ASSERT_EQ(before.size(), 5);
    // The second group's documents cannot be read and the operator abandons: the run stops.
    int details = 0;
    db->setStatementObserver([&](const QString& sql) {
        if (sql.startsWith(QLatin1String("Select * from C_mv_cpte")) && ++details == 2)
            vb::raise(3709, QStringLiteral("lectura imposible"));
    });
    dialogs.pushMsgBoxAnswer(ui::vbAbort);
    EXPECT_THROW(build(QStringLiteral("TST")), vb::Error);
    db->setStatementObserver([this](const QString& sql) { handed << sql; });
    EXPECT_EQ(rows(key), before);
    EXPECT_EQ(dialogs.prompts(ui::ScriptedDialogService::Kind::MsgBox).size(), 1);
    // The connection is usable again afterwards, outside any transaction.
    build(QStringLiteral("TST"));
    EXPECT_EQ(rows(key), before);
}

// Both dates of the window's range take their whole day and no more: the documents walked are the
// ones plain SQL finds from the start of the lower day to the end of the upper one. The bounds are
// two of the demo's delivery note dates, typed in the date boxes; another point of sale has a
// document on the upper day and one on the day after.
TEST_F(GapRows, TheDateRangeTakesItsBoundDaysAndNotTheDayAfter)
{
    const QStringList dates = select(QStringLiteral("SELECT Fecha FROM C_MV_CPTE WHERE TC = 'RMC' ORDER BY Fecha"));
    ASSERT_GT(dates.size(), 8);
    const QDate lower = QDate::fromString(dates.at(dates.size() / 4), Qt::ISODate);
    const QDate upper = QDate::fromString(dates.at(dates.size() / 2), Qt::ISODate);
    const QByteArray onUpper = upper.toString(Qt::ISODate).toLatin1(), dayAfter = upper.addDays(1).toString(Qt::ISODate).toLatin1();
    add(QStringLiteral("RMC"), {{"000500000001R", onUpper.constData()}, {"000500000002R", dayAfter.constData()}});

    app::state().startup.SeccionIni = key;
    reports::GeneraAuxiliarMvCpte(FakeWindow(QStringLiteral("RMC"), lower.toString(QStringLiteral("dd/MM/yyyy")),
                                             upper.toString(QStringLiteral("dd/MM/yyyy"))));
    const QStringList expected = select(QStringLiteral("SELECT IdComprobante FROM C_MV_CPTE WHERE TC = 'RMC'"
                                                       " AND Fecha >= {ts '%1 00:00:00'} AND Fecha < {ts '%2 00:00:00'} ORDER BY IdComprobante")
                                            .arg(lower.toString(Qt::ISODate), QString::fromLatin1(dayAfter)));
    EXPECT_GT(expected.size(), 2);
    EXPECT_TRUE(expected.contains(QStringLiteral("000500000001R")));
    const QStringList got = walked(key);
    EXPECT_EQ(got, expected);
    // The demo's documents of the bound days themselves are in.
    for (const QDate& day : {lower, upper})
        for (const QString& id : select(QStringLiteral("SELECT IdComprobante FROM C_MV_CPTE WHERE TC = 'RMC' AND Fecha = {ts '%1 00:00:00'}")
                                            .arg(day.toString(Qt::ISODate))))
            EXPECT_TRUE(got.contains(id)) << id.toStdString();
}
