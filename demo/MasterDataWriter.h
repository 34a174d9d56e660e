#pragma once

#include "DemoMasters.h"

#include <string>
#include <vector>

namespace demo {

class DemoDatabase;
class DemoRandom;

// Settings, users, report table and every master and code table of the demo.
class MasterDataWriter
{
public:
    using Row = std::vector<std::string>;

    // articles: how many articles to write; 0 takes a tenth of the size (80 to 5,000).
    MasterDataWriter(DemoDatabase &db, DemoRandom &random, int size, int articles = 0);

    DemoMasters write();

    // A demo user's password as TA_USUARIOS.PassWord holds it (the utility library's encoding).
    static std::string storedPassword(const std::string &plain);

private:
    void insertAll(const std::string &table, const Row &columns, const std::vector<Row> &rows);
    void writeConfiguration();
    void writeUsers();
    void writeMenuAndTasks();
    void writeReports();
    void writeDocumentTypes();
    void writeBusinessUnits();
    void writeDeposits();
    void writeFamilies();
    void writeSuppliers();
    void writeClients();
    void writeLedgerAccounts();
    void writeArticles();
    void appendServices(std::vector<Row> &articles);
    void writeMotives();
    void writeCodeTables();
    void writeCostCentresAndPositions();
    void writeRecipientsAndTransport();
    void writeMailAndPlaces();
    std::string companyName();
    std::string personName();
    std::string address();
    std::string uniqueCuit(int prefix);
    static std::string fixedWidth(const std::string &text, int width, bool rightAligned);

    DemoDatabase &m_db;
    DemoRandom &m_random;
    int m_size;
    int m_articles;
    DemoMasters m_masters;
    std::vector<std::string> m_usedCuits;
};

} // namespace demo
