// The program's main job from end to end: the report window on the demo database, filled with
// keys and clicks as an operator fills it, prints every layout it offers for each kind into a PDF
// file; the PDF's text is compared with figures worked out by plain SQL on the same data: the
// documents (or lines) listed, the group and grand totals with their counts, the heading with the
// parameters, dates and states. The gap report lists this workstation's rows only.
#include "ReportWindowTestBase.h"

#include "ado/Connection.h"
#include "ado/Recordset.h"
#include "app/AppModule.h"
#include "app/Dll_Display.h"
#include "app/SharedObjects.h"
#include "app/StartUp.h"
#include "data/DB_Dll.h"
#include "data/SessionValues.h"
#include "commandbar/ItemSurface.h"
#include "commandbar/TBarRep.h"
#include "demo/DemoFixture.h"
#include "demo/DemoGenerator.h"
#include "kit/DLL_Print.h"
#include "reportengine/PdfText.h"
#include "reports/ReportWindowLinks.h"
#include "vb/App.h"

#include "support/TestPaths.h"

#include <QApplication>
#include <QCheckBox>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>

using C = reports::ReportControls;

namespace {

// An amount as the reports print it: thousands with ".", two decimals after ",".
QString amount(qint64 hundredths)
{
    QString whole = QString::number(hundredths / 100);
    for (qsizetype at = whole.size() - 3; at > 0; at -= 3)
        whole.insert(at, u'.');
    return whole + u',' + QStringLiteral("%1").arg(hundredths % 100, 2, 10, QChar(u'0'));
}

// One row of a listing as SQL gives it: the document, the group keys (outermost first) and the
// summed values in hundredths.
struct Row {
    QString id;
    QStringList keys;
    QList<qint64> values;
};

// The footer lines a grouped listing ends each group with, innermost first, and its closing
// total: the group's label (with its key), the count when counted, then the sums.
QStringList footers(const QList<Row>& rows, const QStringList& labels, bool counted)
{
    struct Open {
        QString key;
        qint64 count = 0;
        QList<qint64> sums;
    };
    const auto line = [counted](const QString& label, const Open& g) {
        QStringList parts{label};
        if (counted)
            parts << QString::number(g.count);
        for (qint64 s : g.sums)
            parts << amount(s);
        return parts.join(u' ');
    };
    QStringList out;
    QList<Open> open;
    Open total;
    const auto close = [&](qsizetype level) {
        while (open.size() > level) {
            out << line(labels.at(open.size() - 1).arg(open.last().key), open.last());
            open.removeLast();
        }
    };
    const auto add = [](Open& g, const Row& r) {
        ++g.count;
        g.sums.resize(r.values.size());
        for (qsizetype i = 0; i < r.values.size(); ++i)
            g.sums[i] += r.values.at(i);
    };
    for (const Row& r : rows) {
        qsizetype same = 0;
        while (same < open.size() && open.at(same).key == r.keys.at(same))
            ++same;
        close(same);
        while (open.size() < labels.size())
            open.append(Open{r.keys.at(open.size()), 0, {}});
        for (Open& g : open)
            add(g, r);
        add(total, r);
    }
    close(0);
    out << line(QStringLiteral("Total"), total);
    return out;
}

// What an operator sees of a printed PDF: its lines, blanks run together, ligatures undone.
struct PrintedText {
    QStringList lines;
    QStringList firstPage;
    QList<qsizetype> pageStarts;   // index in lines of each page's first line

    QStringList startingWith(const QString& prefix) const
    {
        QStringList out;
        for (const QString& l : lines)
            if (l.startsWith(prefix))
                out << l;
        return out;
    }
    // The first document number of each detail line. A page that goes on with the item lines of
    // the document the page before ended with opens with that document again: it counts once.
    QStringList documents() const
    {
        static const QRegularExpression id(QStringLiteral("^(\\d{12}[A-Z]) "));
        QStringList out;
        bool pageOpening = false;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            pageOpening = pageOpening || pageStarts.contains(i);
            const auto m = id.match(lines.at(i));
            if (!m.hasMatch())
                continue;
            const bool continued = pageOpening && !out.isEmpty() && out.constLast() == m.captured(1)
                                && lines.value(i + 1).startsWith(QStringLiteral("Ítem "));
            pageOpening = false;
            if (!continued)
                out << m.captured(1);
        }
        out.sort();
        return out;
    }
};

PrintedText readPdf(const QString& path)
{
    PrintedText text;
    const QStringList pages = pdfPages(path);
    for (qsizetype p = 0; p < pages.size(); ++p) {
        text.pageStarts << text.lines.size();
        for (const QString& raw : pages.at(p).normalized(QString::NormalizationForm_KC).split(u'\n')) {
            const QString l = raw.simplified();
            if (l.isEmpty())
                continue;
            text.lines << l;
            if (p == 0)
                text.firstPage << l;
        }
    }
    return text;
}

// A kind's window state and the SQL condition it stands for: every layout lists the documents in
// the states its heading names, and no other.
struct KindState {
    QString kind;
    QString title;            // TituloParametro
    QString desde, hasta;     // document dates typed
    QString selection;        // over C_MV_CPTE C, the states apart
    QString estados;          // the states the report is told, and its heading names
    QString texto;            // the states, guarantee and user of the heading

    QString where() const
    {
        QStringList named;
        for (const QString& state : estados.split(u','))
            named << u'\'' + state + u'\'';
        return selection + QStringLiteral(" AND C.Estado IN (%1)").arg(named.join(QStringLiteral(", ")));
    }
};

// Annulled delivery notes are left out unless their box is ticked.
const KindState rmc{QStringLiteral("RMC"), QStringLiteral("Remitos"), QStringLiteral("01/01/2024"), QStringLiteral("31/12/2024"),
                    QStringLiteral("C.TC = 'RMC' AND C.Fecha >= {ts '2024-01-01 00:00:00'} AND C.Fecha <= {ts '2024-12-31 00:00:00'} "
                                   "AND C.UNEGOCIO IN ('   1', '   3')"),
                    QStringLiteral("Pendiente,Finalizada,Bloqueada,Cerrada,Recepcionada,Facturado,Vencido"),
                    QStringLiteral("Usuario:")};
const KindState oc{QStringLiteral("OC"), QStringLiteral("Ordenes de Compra"), QStringLiteral("01/07/2023"), QStringLiteral("30/06/2024"),
                   QStringLiteral("C.TC = 'OC' AND C.Fecha >= {ts '2023-07-01 00:00:00'} AND C.Fecha <= {ts '2024-06-30 00:00:00'} "
                                  "AND C.Sucursal <> '9990'"),
                   QStringLiteral("Pendiente,Recepcionada"), QStringLiteral("Pendientes - Recepcionadas Usuario:")};

class EndToEnd : public ReportWindowTest {
protected:
    EndToEnd() { prepare(); }
    explicit EndToEnd(const demo::DemoFixture& demo) : ReportWindowTest(demo) { prepare(); }

    void prepare()
    {
        for (const QFileInfo& rpt : QDir(testpaths::demoReports()).entryInfoList({QStringLiteral("*.rpt")}))
            QFile::copy(rpt.filePath(), QDir(m_programDir.path()).filePath(rpt.fileName()));
        app::gImpresion().pPathSistema = m_programDir.path();
        app::state().startup.SeccionIni = QStringLiteral("PC1|ANA");
        app::state().startup.ConexionDSN = QStringLiteral("DSN=DEMO; UID=DEMO; PWD=DEMO");
        // The Screen item prints into a file instead, so that the test can read what it shows.
        reports::ReportWindowLinks::current().fijarDestino = [this](int) {
            kit::DLL_Print& print = app::gImpresion();
            print.setDestino(kit::DLL_Print::PdfDestination);
            print.setPdfFile(pdfPath());
        };
        m_cnn->Open(demo::DemoGenerator::connectionString(serverFolder(), QStringLiteral("DEMO")));
    }

    QString pdfPath() const { return QDir(m_programDir.path()).filePath(QStringLiteral("reporte.pdf")); }

    QList<QStringList> query(const QString& sql) const
    {
        auto rs = ado::Recordset::create();
        rs->Open(sql, m_cnn);
        QList<QStringList> out;
        for (; !rs->Eof(); rs->MoveNext()) {
            QStringList row;
            for (int i = 0; i < rs->Fields()->Count(); ++i) {
                const vb::Variant v = rs->Fields()->Item(i)->Value();
                row << (v.isNull()     ? QString()
                        : v.isString() ? v.toString()
                        : v.isDate()   ? v.toDate().date().toString(QStringLiteral("dd/MM/yyyy"))
                                       : QString::number(v.toDouble(), 'f', 4));
            }
            out << row;
        }
        return out;
    }

    // Rows of a listing: columns id, then keys, then values (numbers as SQL gives them).
    QList<Row> listing(const QString& sql, int keyCount) const
    {
        QList<Row> rows;
        for (const QStringList& r : query(sql)) {
            Row row{r.at(0), r.mid(1, keyCount), {}};
            for (const QString& v : r.mid(1 + keyCount))
                row.values << qRound64(v.toDouble() * 100);
            rows << row;
        }
        return rows;
    }

    static QStringList ids(const QList<Row>& rows)
    {
        QStringList out;
        for (const Row& r : rows)
            out << r.id;
        out.sort();
        return out;
    }

    // The operator fills the window for the kind: the document dates typed, the business units
    // ticked in their list (delivery notes) or two states ticked (orders).
    void fill(const KindState& k)
    {
        open(k.kind);
        EXPECT_EQ(enter(C::FechaDesde, k.desde), k.desde);
        EXPECT_EQ(enter(C::FechaHasta, k.hasta), k.hasta);
        if (k.kind == u"RMC") {
            focusField(C::UNegocio);
            answerTicks({QStringLiteral("   1"), QStringLiteral("   3")});
            press(Qt::Key_F5);
            EXPECT_EQ(field(C::UNegocio)->text(), QStringLiteral("1,3"));
        } else {
            for (int state : {0, 5}) {
                QCheckBox* box = c().chkestado[size_t(state)];
                QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
                EXPECT_TRUE(box->isChecked());
            }
        }
    }

    // Chooses the layout with a click and presses the bar's Screen item.
    PrintedText print(int layout)
    {
        QFile::remove(pdfPath());
        QRadioButton* option = c().OptTipo[size_t(layout)];
        EXPECT_FALSE(option->isHidden());
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
        EXPECT_TRUE(option->isChecked());
        clickBarItem(0);
        EXPECT_TRUE(QFile::exists(pdfPath()));
        return readPdf(pdfPath());
    }

    QString company() const { return query(QStringLiteral("SELECT Valor FROM TA_CONFIGURACION WHERE Clave = 'NOMBRE'")).value(0).value(0); }

    // Title, company, kind and parameters, dates and states, as the first page shows them.
    void expectHeading(const PrintedText& text, const QString& parametros, const KindState& k, bool dated = true,
                       const QString& estados = {})
    {
        ASSERT_GE(text.firstPage.size(), 4);
        EXPECT_EQ(text.firstPage.at(1), company());
        EXPECT_EQ(text.firstPage.at(2), (k.title + u' ' + parametros).simplified());
        const QString dates = QStringLiteral("Fechas: %1 %2 Moneda:").arg(k.desde, k.hasta);
        EXPECT_EQ(text.firstPage.contains(dates), dated) << text.firstPage.join(u'\n').toStdString();
        EXPECT_TRUE(text.firstPage.contains(QStringLiteral("Estados: ") + (estados.isEmpty() ? k.estados : estados)));
    }

    ado::ConnectionPtr m_cnn = ado::Connection::create();
};

const QString documentsSql = QStringLiteral(
    "SELECT C.IdComprobante, %2 FROM C_MV_CPTE C LEFT JOIN MA_CUENTAS M ON M.Codigo = C.Cuenta WHERE %1 ORDER BY %3");
const QString linesSql = QStringLiteral(
    "SELECT C.IdComprobante, %2 FROM C_MV_CPTEINSUMOS L JOIN C_MV_CPTE C ON C.TC = L.TC AND C.IdComprobante = L.IdComprobante "
    "WHERE %1 ORDER BY %3");

} // namespace

TEST_F(EndToEnd, DocumentListingsOfBothKinds)
{
    struct Listing {
        int layout;
        QString parametros;         // after the title; %1 the states and user
        QString keys;               // group keys, outermost first ("" for none)
        QStringList labels;
    };
    const QList<Listing> listings = {
        {0, QStringLiteral("(Resumido) - %1"), {}, {}},
        {1, QStringLiteral("%1"), {}, {}},
        {2, QStringLiteral("(Grafico) - %1"), QStringLiteral("C.Cuenta"), {QStringLiteral("Total proveedor %1 - comprobantes:")}},
        {4, QStringLiteral("(Resumido po Usuario) - %1"), QStringLiteral("C.Usuario"), {QStringLiteral("Total usuario %1 - comprobantes:")}},
        {5, {}, QStringLiteral("C.Usuario, C.Cuenta"),
         {QStringLiteral("Total usuario %1 - comprobantes:"), QStringLiteral("Total proveedor %1 - comprobantes:")}},
        {6, {}, QStringLiteral("C.Estado, C.Usuario"),
         {QStringLiteral("Total estado %1 - comprobantes:"), QStringLiteral("Total usuario %1 - comprobantes:")}},
    };
    for (const KindState* k : {&rmc, &oc}) {
        for (const Listing& l : listings) {
            SCOPED_TRACE(QStringLiteral("%1 layout %2").arg(k->kind).arg(l.layout).toStdString());
            fill(*k);
            const PrintedText text = print(l.layout);
            const QList<Row> rows = listing(documentsSql.arg(k->where(), l.keys.isEmpty() ? QStringLiteral("C.Importe")
                                                                                          : l.keys + QStringLiteral(", C.Importe"),
                                                             l.keys.isEmpty() ? QStringLiteral("C.IdComprobante") : l.keys),
                                            l.labels.size());
            ASSERT_GT(rows.size(), 3);
            EXPECT_EQ(text.documents(), ids(rows));
            EXPECT_EQ(text.startingWith(QStringLiteral("Total")), footers(rows, l.labels, true));
            expectHeading(text, l.parametros.arg(k->texto), *k);
            EXPECT_TRUE(boxes().isEmpty());
        }
    }
}

TEST_F(EndToEnd, ArticleListingsOfBothKinds)
{
    const QString byArticle = QStringLiteral("L.IdArticulo");
    const QString renglones = QStringLiteral(" - renglones:");
    const QString values = QStringLiteral("L.Cantidad, L.Importe");
    struct Listing {
        int layout;
        bool forRmc;
        QString parametros;
        QString keys;
        QStringList labels;
    };
    const QList<Listing> listings = {
        {9, true, QStringLiteral("%1"), byArticle, {QStringLiteral("Total artículo %1") + renglones}},
        {10, true, QStringLiteral("%1"), byArticle + QStringLiteral(", C.Cuenta"),
         {QStringLiteral("Total artículo %1") + renglones, QStringLiteral("Total proveedor %1") + renglones}},
        {11, true, {}, byArticle + QStringLiteral(", C.Cuenta, C.Fecha"),
         {QStringLiteral("Total artículo %1") + renglones, QStringLiteral("Total proveedor %1") + renglones,
          QStringLiteral("Total fecha %1") + renglones}},
    };
    for (const KindState* k : {&rmc, &oc}) {
        for (const Listing& l : listings) {
            SCOPED_TRACE(QStringLiteral("%1 layout %2").arg(k->kind).arg(l.layout).toStdString());
            fill(*k);
            const PrintedText text = print(l.layout);
            const QList<Row> rows = listing(linesSql.arg(k->where(), l.keys + QStringLiteral(", ") + values, l.keys), l.labels.size());
            ASSERT_GT(rows.size(), 3);
            EXPECT_EQ(text.documents(), ids(rows));
            EXPECT_EQ(text.startingWith(QStringLiteral("Total")), footers(rows, l.labels, true));
            expectHeading(text, l.parametros.arg(k->texto), *k, false);
        }
    }

    // Orders only: the lines by article, without counts; then one article's.
    fill(oc);
    const QString article = query(linesSql.arg(oc.where(), QStringLiteral("L.IdArticulo"), QStringLiteral("L.IdArticulo"))).value(0).value(1);
    const PrintedText all = print(7);
    const QList<Row> rows = listing(linesSql.arg(oc.where(), QStringLiteral("L.IdArticulo, L.Cantidad, L.CantidadRecibida, L.Importe"),
                                                 QStringLiteral("L.IdArticulo")),
                                    1);
    EXPECT_EQ(all.documents(), ids(rows));
    EXPECT_EQ(all.startingWith(QStringLiteral("Total")), footers(rows, {QStringLiteral("Total artículo %1")}, false));
    expectHeading(all, oc.texto, oc);

    typeInto(C::IdArticulo, article);
    const PrintedText one = print(7);
    const QList<Row> ofArticle = listing(linesSql.arg(oc.where() + QStringLiteral(" AND L.IdArticulo = '%1'").arg(article),
                                                      QStringLiteral("L.IdArticulo, L.Cantidad, L.CantidadRecibida, L.Importe"),
                                                      QStringLiteral("L.IdArticulo")),
                                         1);
    ASSERT_FALSE(ofArticle.isEmpty());
    EXPECT_EQ(one.documents(), ids(ofArticle));
    EXPECT_EQ(one.startingWith(QStringLiteral("Total")), footers(ofArticle, {QStringLiteral("Total artículo %1")}, false));
}

TEST_F(EndToEnd, GoodsReceivedAgainstOrders)
{
    fill(oc);
    const PrintedText text = print(8);
    const QList<QStringList> rows = query(QStringLiteral(
        "SELECT S.IdComprobante, C.IdComprobante, S.Cantidad FROM V_MV_STOCK S JOIN C_MV_CPTE C ON C.TC = S.TcOrigen "
        "AND C.IdComprobante = S.IdCpteOrigen WHERE S.TC = 'IR' AND S.Fecha >= {ts '2023-07-01 00:00:00'} "
        "AND S.Fecha <= {ts '2024-06-30 00:00:00'} AND C.TC = 'OC' AND C.Sucursal <> '9990'"));
    ASSERT_GT(rows.size(), 3);
    QStringList expected;
    qint64 quantity = 0;
    for (const QStringList& r : rows) {
        expected << r.at(0) + u' ' + r.at(1);
        quantity += qRound64(r.at(2).toDouble() * 100);
    }
    expected.sort();
    QStringList listed;
    static const QRegularExpression line(QStringLiteral("^(\\d{12}[A-Z]) \\S+ (\\d{12}[A-Z]) "));
    for (const QString& l : text.lines)
        if (const auto m = line.match(l); m.hasMatch())
            listed << m.captured(1) + u' ' + m.captured(2);
    listed.sort();
    EXPECT_EQ(listed, expected);
    EXPECT_EQ(text.startingWith(QStringLiteral("Total")), QStringList{QStringLiteral("Total %1 %2").arg(rows.size()).arg(amount(quantity))});
    // Choosing this layout ticks every state it reports on, and the operator cannot untick them.
    expectHeading(text, QStringLiteral("(Resumido por IR) - Pendientes - Finalizadas - Anuladas - Bloqueadas - Cerradas - Recepcionadas Usuario:"),
                  oc, true, QStringLiteral("Pendiente,Finalizada,Facturado,Anulada,Bloqueada,Cerrada,Recepcionada"));
}

TEST_F(EndToEnd, TheGapReportListsThisWorkstationsRuns)
{
    // A delivery note of 2024 lost: its number is a gap between two runs.
    execute(QStringLiteral("DELETE FROM C_MV_CPTE WHERE TC = 'RMC' AND IdComprobante = '000100000012R'"));
    execute(QStringLiteral("INSERT INTO AUX_MAYORES (Usuario, NroComprobanteBancario, [Importe-Debe], AP_SUCURSAL, AP_LETRA) "
                           "VALUES ('OTRO|PUESTO', '000100000077R-000100000078R', 2, '0001', 'R')"));
    fill(rmc);
    const PrintedText text = print(3);
    // The gap layout empties the ranges it does not use, not the dates or the units.
    EXPECT_EQ(field(C::UNegocio)->text(), QStringLiteral("1,3"));
    EXPECT_EQ(field(C::FechaDesde)->text(), rmc.desde);

    const QList<QStringList> rows = query(QStringLiteral(
        "SELECT NroComprobanteBancario, [Importe-Haber] FROM AUX_MAYORES WHERE Usuario = 'PC1|ANA' "
        "ORDER BY AP_SUCURSAL, AP_LETRA, NroComprobanteBancario"));
    ASSERT_GT(rows.size(), 1);
    QStringList expected;
    qint64 missing = 0;
    for (const QStringList& r : rows) {
        expected << r.at(0).section(u' ', 0, 0);
        missing += qRound64(r.at(1).toDouble());
    }
    QStringList listed;
    static const QRegularExpression range(QStringLiteral("^(\\d{12}[A-Z]-\\d{12}[A-Z])"));
    for (const QString& l : text.lines)
        if (const auto m = range.match(l); m.hasMatch())
            listed << m.captured(1);
    EXPECT_EQ(listed, expected);
    EXPECT_FALSE(text.lines.join(u'\n').contains(QLatin1String("000100000077R")));
    EXPECT_EQ(text.lines.filter(QStringLiteral(" ***")), QStringList{QStringLiteral("000100000012R-000100000012R *** 1")});

    const int issued = query(QStringLiteral("SELECT COUNT(*) FROM C_MV_CPTE WHERE TC = 'RMC' AND Fecha >= {ts '2024-01-01 00:00:00'} "
                                                "AND Fecha <= {ts '2024-12-31 00:00:00'}")).value(0).value(0).toDouble();
    EXPECT_EQ(text.lines.filter(QRegularExpression(QStringLiteral("^Total \\d"))),
              QStringList{QStringLiteral("Total %1 %2").arg(issued).arg(missing)});
    ASSERT_GE(text.firstPage.size(), 3);
    EXPECT_EQ(text.firstPage.at(1), company());
    EXPECT_EQ(text.firstPage.at(2), QStringLiteral("Remitos - numeración"));
}

// The report reads the database with the window kept alive, so the bar's items answer meanwhile:
// a second print command then would rebuild the gap rows under the first and change where the
// first one prints. It is not taken until the first report is out.
TEST_F(EndToEnd, APrintCommandWhileAReportIsPreparedIsNotTaken)
{
    QStringList destinations;
    const auto screenToFile = reports::ReportWindowLinks::current().fijarDestino;
    reports::ReportWindowLinks::current().fijarDestino = [&](int destino) {
        destinations << QString::number(destino);
        screenToFile(destino);
    };
    fill(rmc);
    int details = 0;
    db->setStatementObserver([&](const QString& sql) {
        handed << sql;
        if (sql.startsWith(QLatin1String("Select * from C_mv_cpte")) && ++details == 1)
            clickBarItem(1);
    });
    const PrintedText text = print(3);
    EXPECT_EQ(destinations, QStringList{QStringLiteral("0")});
    const QString rows = QStringLiteral("SELECT COUNT(%1NroComprobanteBancario) FROM AUX_MAYORES WHERE Usuario = 'PC1|ANA'");
    ASSERT_GT(scalar(rows.arg(QString())).toLong(), 1);
    EXPECT_EQ(scalar(rows.arg(QString())).toLong(), scalar(rows.arg(QStringLiteral("DISTINCT "))).toLong());
    EXPECT_TRUE(boxes().isEmpty()) << messages().join(u'\n').toStdString();

    // Once it is out, the next command prints.
    db->setStatementObserver([this](const QString& sql) { handed << sql; });
    clickBarItem(1);
    EXPECT_EQ(destinations, (QStringList{QStringLiteral("0"), QStringLiteral("1")}));
}

TEST_F(EndToEnd, ABadRangeFromTheWindowPrintsNothing)
{
    open(QStringLiteral("OC"));
    // Entered in the wrong order: each box alone is a good date, the range is not.
    EXPECT_EQ(enter(C::FechaDesde, QStringLiteral("31/12/2024")), QStringLiteral("31/12/2024"));
    EXPECT_EQ(enter(C::FechaHasta, QStringLiteral("01/01/2024")), QStringLiteral("01/01/2024"));
    dialogs.clear();
    QFile::remove(pdfPath());
    clickBarItem(0);
    EXPECT_FALSE(QFile::exists(pdfPath()));
    EXPECT_EQ(messages(), QStringList{QStringLiteral("Fecha Desde Mayor que Hasta , Campo : {C_MV_CPTE.Fecha} | Aviso al operador...")});
}

// The program's own start: the launcher's line names the demo folder beside the program, the
// window's load runs the start-up procedure (the login, the configuration), and the database
// logon it builds reaches the report, which reads the same database.
TEST_F(EndToEnd, TheLaunchersLineStartsTheWindowThatPrints)
{
    ASSERT_TRUE(QFile::link(serverFolder(), m_programDir.path() + QStringLiteral("/datos")));
    QFile bases(m_programDir.path() + QStringLiteral("/BASES.TXT"));
    ASSERT_TRUE(bases.open(QIODevice::WriteOnly));
    bases.close();
    app::setLookupSetUp([](const QString&, const QString&) {});
    // Nothing open and nobody logged in, as when the program starts.
    app::resetState();
    db = std::make_shared<data::DB_Dll>();
    data::DB_Dll::setShared(db);
    vb::App::setCommandLine(QStringLiteral(
        "@ParametroAdicional=OC;@Menu=C0105;@Server=datos;@DbName=DEMO;@Usuario=COMPRAS;@Password=compras;@Caja=1;"));
    reports::ReportWindowLinks& links = reports::ReportWindowLinks::current();
    links.iniciarAplicacion = reports::ReportWindowLinks::standard().iniciarAplicacion;

    reports::Rp_Quindal window;
    try {
        window.Form_Load();
    } catch (const vb::EndRequested&) {
        FAIL() << "start-up ended the program: " << messages().join(u'\n').toStdString() << moduleLog().toStdString();
    }
    app::gCartel().CartelCerrar();
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(window.TcoReporte(), QStringLiteral("OC"));
    EXPECT_EQ(app::state().startup.ConexionDSN, QStringLiteral("DSN=DEMO; UID=%1; PWD=%2").arg(db->settings().gUsuario, db->settings().gUserPassWord));

    QRadioButton* summary = window.controls().OptTipo[0];
    QTest::mouseClick(summary, Qt::LeftButton, {}, QPoint(6, summary->height() / 2));
    QTest::mouseClick(window.controls().TBarRep1->itemBox(0), Qt::LeftButton);
    const PrintedText text = readPdf(pdfPath());
    const QStringList expected = ids(listing(documentsSql.arg(QStringLiteral("C.TC = 'OC' AND C.Sucursal <> '9990'"),
                                                              QStringLiteral("C.Importe"), QStringLiteral("C.IdComprobante")),
                                             0));
    ASSERT_GT(expected.size(), 3);
    EXPECT_EQ(text.documents(), expected);
    EXPECT_EQ(text.firstPage.value(1), company());
    EXPECT_TRUE(boxes().isEmpty()) << messages().join(u'\n').toStdString();
    app::setLookupSetUp({});
    vb::App::setCommandLine({});
}

namespace {

// The demo database the demo script builds for the program, where point of sale 0001 has orders
// numbered past 450.
const demo::DemoFixture& programDemo()
{
    static const demo::DemoFixture fixture(2000, 20240101);
    return fixture;
}

class EndToEndOnTheProgramDemo : public EndToEnd {
protected:
    EndToEndOnTheProgramDemo() : EndToEnd(programDemo()) {}
};

} // namespace

// Orders 0001-00000400 to 0001-00000450 typed into the window and printed summarised: the
// documents, their count and their total are those plain SQL gives for that range. A letter box
// left empty stands for every letter of its number, at either end; a letter typed keeps the
// documents of its number on its side of it.
TEST_F(EndToEndOnTheProgramDemo, AnOrderNumberRangePrintsEveryDocumentOfItsNumbers)
{
    const QString numbered = QStringLiteral("C.IdComprobante >= '000100000400' AND C.IdComprobante < '000100000451'");
    const struct {
        QString desde, hasta, range;
    } ranges[] = {
        {{}, {}, numbered},
        {QStringLiteral("X"), {}, numbered},
        {{}, QStringLiteral("X"), numbered},
        {QStringLiteral("X"), QStringLiteral("X"), numbered},
        {QStringLiteral("Y"), QStringLiteral("W"),
         numbered + QStringLiteral(" AND C.IdComprobante > '000100000400X' AND C.IdComprobante < '000100000450X'")},
    };
    for (const auto& r : ranges) {
        SCOPED_TRACE(QStringLiteral("letters '%1' '%2'").arg(r.desde, r.hasta).toStdString());
        open(QStringLiteral("OC"));
        EXPECT_EQ(enter(C::SucursalDesde, QStringLiteral("1")), QStringLiteral("0001"));
        EXPECT_EQ(enter(C::NroDesde, QStringLiteral("400")), QStringLiteral("00000400"));
        EXPECT_EQ(enter(C::LetraDesde, r.desde), r.desde);
        EXPECT_EQ(enter(C::SucursalHasta, QStringLiteral("1")), QStringLiteral("0001"));
        EXPECT_EQ(enter(C::NroHasta, QStringLiteral("450")), QStringLiteral("00000450"));
        EXPECT_EQ(enter(C::LetraHasta, r.hasta), r.hasta);
        const PrintedText text = print(0);
        const QList<Row> rows = listing(documentsSql.arg(QStringLiteral("C.TC = 'OC' AND C.Sucursal <> '9990' AND ") + r.range,
                                                         QStringLiteral("C.Importe"), QStringLiteral("C.IdComprobante")),
                                        0);
        ASSERT_GT(rows.size(), 40);
        EXPECT_EQ(text.documents(), ids(rows));
        EXPECT_EQ(text.startingWith(QStringLiteral("Total")), footers(rows, {}, true));
        EXPECT_TRUE(boxes().isEmpty()) << messages().join(u'\n').toStdString();
    }
}
