#include "DocumentWriter.h"

#include "DemoDatabase.h"
#include "DemoNames.h"
#include "DemoRandom.h"
#include "SqliteStatement.h"

#include <QDate>

#include <cstdio>
#include <vector>

namespace demo {

namespace {

const QDate firstDay(2023, 1, 2);
constexpr int dayspan = 730;

std::string dayText(int offset)
{
    return firstDay.addDays(offset).toString(QStringLiteral("yyyy-MM-dd 00:00:00")).toStdString();
}

const std::vector<std::string> &orderStates()
{
    static const std::vector<std::string> states{"Pendiente", "Finalizada", "Anulada", "Bloqueada", "Cerrada", "Recepcionada"};
    return states;
}

} // namespace

DocumentWriter::DocumentWriter(DemoDatabase &db, DemoRandom &random, const DemoMasters &masters)
    : m_db(db)
    , m_random(random)
    , m_masters(masters)
{
    m_header = std::make_unique<SqliteStatement>(db.handle(),
        "INSERT INTO C_MV_CPTE (TC, IdComprobante, Sucursal, Letra, Fecha, FechaEntrega, Cuenta, IdMotivoCpraVta, UNEGOCIO,"
        " Usuario, Estado, FINALIZADO, Anulada, Bloqueada, Cerrada, Recepcionada, Garantia, Moneda, Importe, Observaciones)"
        " VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
    m_line = std::make_unique<SqliteStatement>(db.handle(),
        "INSERT INTO C_MV_CPTEINSUMOS (TC, IdComprobante, Item, IdArticulo, Descripcion, Cantidad, CantidadRecibida, Precio, Importe)"
        " VALUES (?,?,?,?,?,?,?,?,?)");
    m_stock = std::make_unique<SqliteStatement>(db.handle(),
        "INSERT INTO V_MV_STOCK (TC, IdComprobante, Item, Fecha, Usuario, UNEGOCIO, IdDeposito, IdArticulo, Cantidad,"
        " TcOrigen, IdCpteOrigen, Cuenta) VALUES ('IR',?,?,?,?,?,?,?,?,?,?,?)");
}

DocumentWriter::~DocumentWriter() = default;

std::string DocumentWriter::documentId(const std::string &pointOfSale, long number, char letter)
{
    char id[16];
    std::snprintf(id, sizeof id, "%.4s%08ld%c", pointOfSale.c_str(), number % 100000000L, letter);
    return id;
}

void DocumentWriter::write(int documentCount)
{
    for (int i = 0; i < documentCount; ++i)
        writeDocument(chooseSeries(), static_cast<int>(static_cast<long long>(i) * dayspan / documentCount));
}

const DocumentWriter::Series &DocumentWriter::chooseSeries()
{
    static const std::vector<Series> series{
        {"RMC", "0001", 'R'}, {"RMC", "0002", 'R'}, {"RMC", "0003", 'R'},
        {"OC", "0001", 'X'}, {"OC", "0002", 'X'}, {"OC", "9990", 'X'}};
    const auto roll = m_random.between(0, 99);
    if (roll < 25) return series[0];
    if (roll < 40) return series[1];
    if (roll < 50) return series[2];
    if (roll < 80) return series[3];
    if (roll < 97) return series[4];
    return series[5];
}

long DocumentWriter::nextNumber(const Series &series)
{
    long &last = m_lastNumbers[series.kind + series.pointOfSale];
    // Now and then a number is skipped (voided forms, lost pads): the gap report's subject.
    last += m_random.chance(12) ? m_random.between(2, 5) : 1;
    return last;
}

std::string DocumentWriter::chooseState(const std::string &kind)
{
    const auto roll = m_random.between(0, 99);
    if (kind == "RMC")
        return roll < 35 ? "Pendiente" : (roll < 94 ? "Facturado" : "Anulada");
    if (roll < 25) return orderStates()[0];
    if (roll < 55) return orderStates()[1];
    if (roll < 61) return orderStates()[2];
    if (roll < 66) return orderStates()[3];
    if (roll < 78) return orderStates()[4];
    return orderStates()[5];
}

void DocumentWriter::writeDocument(const Series &series, int dayOffset)
{
    Header header;
    header.kind = series.kind;
    header.id = documentId(series.pointOfSale, nextNumber(series), series.letter);
    header.day = dayOffset;
    header.date = dayText(dayOffset);
    header.supplier = m_random.pick(m_masters.suppliers);
    header.unit = m_masters.businessUnits[series.pointOfSale == "9990" ? 0 : static_cast<std::size_t>(series.pointOfSale[3] - '1') % m_masters.businessUnits.size()];
    header.buyer = m_random.pick(m_masters.buyers);
    header.state = series.pointOfSale == "9990" ? "Pendiente" : chooseState(series.kind);
    const bool received = header.state == "Recepcionada" || header.state == "Finalizada" || header.state == "Facturado";
    const long total = writeLines(header, received);
    writeHeader(header, series, total);
    if (series.kind == "OC" && received && series.pointOfSale != "9990")
        writeReceipt(header, static_cast<int>(m_lastLines.size()));
}

long DocumentWriter::writeLines(const Header &header, bool received)
{
    const int count = static_cast<int>(m_random.between(1, 5));
    long total = 0;
    m_lastLines.clear();
    for (int item = 1; item <= count; ++item) {
        const DemoArticle &article = m_masters.articles[static_cast<std::size_t>(m_random.between(0, static_cast<std::int64_t>(m_masters.articles.size()) - 1))];
        const long quantity = static_cast<long>(m_random.between(1, 120));
        const long price = article.costCents * m_random.between(90, 110) / 100;
        total += price * quantity;
        m_line->bind(1, header.kind).bind(2, header.id).bind(3, item).bind(4, article.id).bind(5, article.description)
            .bind(6, static_cast<std::int64_t>(quantity)).bind(7, static_cast<std::int64_t>(received ? quantity : 0))
            .bind(8, static_cast<double>(price) / 100).bind(9, static_cast<double>(price * quantity) / 100);
        m_line->execute();
        m_lastLines.push_back({article.id, quantity});
    }
    return total;
}

void DocumentWriter::writeHeader(const Header &header, const Series &series, long totalCents)
{
    const auto flag = [&](const char *state) { return static_cast<int>(header.state == state); };
    const int finished = flag("Finalizada") | flag("Facturado");
    m_header->bind(1, header.kind).bind(2, header.id).bind(3, series.pointOfSale).bind(4, std::string(1, series.letter))
        .bind(5, header.date).bind(6, dayText(header.day + static_cast<int>(m_random.between(0, 20))))
        .bind(7, header.supplier).bind(8, m_random.pick(m_masters.purchaseMotives)).bind(9, header.unit)
        .bind(10, header.buyer).bind(11, header.state).bind(12, finished).bind(13, flag("Anulada"))
        .bind(14, flag("Bloqueada")).bind(15, flag("Cerrada")).bind(16, flag("Recepcionada"))
        .bind(17, static_cast<int>(m_random.chance(40))).bind(18, std::string(m_random.chance(100) ? "2" : "1"))
        .bind(19, static_cast<double>(totalCents) / 100).bind(20, remark(series));
    m_header->execute();
}

std::string DocumentWriter::remark(const Series &series)
{
    if (series.pointOfSale == "9990")
        return "Orden modelo";
    return m_random.chance(150) ? m_random.pick(DemoNames::remarks()) : std::string();
}

void DocumentWriter::writeReceipt(const Header &order, int lineCount)
{
    const std::string id = documentId("0001", ++m_lastReceipt, 'X');
    const std::string date = order.date; // received on the order's date: keeps date ranges simple to check
    for (int item = 1; item <= lineCount; ++item) {
        const LineMemo &line = m_lastLines[static_cast<std::size_t>(item - 1)];
        m_stock->bind(1, id).bind(2, item).bind(3, date).bind(4, order.buyer).bind(5, order.unit)
            .bind(6, m_masters.deposits.front()).bind(7, line.article).bind(8, static_cast<std::int64_t>(line.quantity))
            .bind(9, order.kind).bind(10, order.id).bind(11, order.supplier);
        m_stock->execute();
    }
}

} // namespace demo
