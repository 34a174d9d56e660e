#pragma once

#include "DemoMasters.h"

#include <map>
#include <memory>
#include <string>

namespace demo {

class DemoDatabase;
class DemoRandom;
class SqliteStatement;

// Purchase delivery notes (RMC), purchase orders (OC, model orders on point of sale 9990)
// with their lines, and the stock receipts (IR) of received orders.
class DocumentWriter
{
public:
    DocumentWriter(DemoDatabase &db, DemoRandom &random, const DemoMasters &masters);
    ~DocumentWriter();

    void write(int documentCount);

    // "0001" + "00000042" + "R": point of sale, number, letter.
    static std::string documentId(const std::string &pointOfSale, long number, char letter);

private:
    struct Series
    {
        std::string kind;
        std::string pointOfSale;
        char letter;
    };
    struct Header
    {
        std::string kind;
        std::string id;
        int day = 0;
        std::string date;
        std::string supplier;
        std::string unit;
        std::string buyer;
        std::string state;
    };

    const Series &chooseSeries();
    long nextNumber(const Series &series);
    std::string chooseState(const std::string &kind);
    void writeDocument(const Series &series, int dayOffset);
    long writeLines(const Header &header, bool received);
    void writeHeader(const Header &header, const Series &series, long totalCents);
    std::string remark(const Series &series);
    void writeReceipt(const Header &order, int lineCount);

    DemoDatabase &m_db;
    DemoRandom &m_random;
    const DemoMasters &m_masters;
    std::map<std::string, long> m_lastNumbers;
    long m_lastReceipt = 0;
    std::unique_ptr<SqliteStatement> m_header;
    std::unique_ptr<SqliteStatement> m_line;
    std::unique_ptr<SqliteStatement> m_stock;
    struct LineMemo
    {
        std::string article;
        long quantity;
    };
    std::vector<LineMemo> m_lastLines;
};

} // namespace demo
