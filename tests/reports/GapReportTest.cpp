// The numbering-gap rows: runs, gaps, single documents, letters and points of sale kept apart,
// date ranges, a second run that replaces the first, other keys and kinds left alone, quotes in
// the key, dates whatever the regional settings, and a failed run that keeps the previous rows.
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

    // "range|fecha|vencimiento|present|missing|point of sale|letter", in the report's order.
    QStringList rows(const QString& key) const
    {
        auto rs = ado::Recordset::create();
        rs->Open(QStringLiteral("SELECT NroComprobanteBancario, fecha, vencimiento, [Importe-Debe], [Importe-Haber], AP_SUCURSAL, "
                                "AP_LETRA FROM AUX_MAYORES WHERE Usuario = '%1' ORDER BY NroComprobanteBancario")
                     .arg(QString(key).replace(u'\'', QStringLiteral("''"))),
                 db->gCnn());
        QStringList out;
        for (; !rs->Eof(); rs->MoveNext()) {
            QStringList cells;
            for (int c = 0; c < 7; ++c) {
                const vb::Variant v = rs->Fields()->Item(c)->Value();
                cells << (v.isNull() ? QStringLiteral("-")
                          : v.isDate() && (c == 1 || c == 2) ? v.toDate().date().toString(Qt::ISODate)
                                                             : v.toString());
            }
            out << cells.join(u'|');
        }
        return out;
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
    app::gSeccionIni = QStringLiteral("CAJA2|MARTA");
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
