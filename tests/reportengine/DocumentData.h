#pragma once
// Deterministic purchase documents for report tests, loaded into a test database, with the
// same rows kept in memory so that tests can compute expected results on their own.

#include "SqliteTestDatabase.h"
#include <QDate>
#include <QString>
#include <vector>

struct Document {
    QString id;
    QString kind;
    QString account;
    QDate date;
    bool finished;
    bool annulled;
    double amount;
    QString unit;      // empty stands for Null
    QString user;
};

class DocumentData {
public:
    explicit DocumentData(int count);
    const std::vector<Document>& documents() const { return m_documents; }
    SqliteTestDatabase& database() { return m_db; }
    static QByteArray definitionJson(const QString& extra = {});   // a report over these tables
    // A report whose formulas f0 .. f<count-1> each build on the one before: f0 is `first`, every
    // later one is `step` with %1 standing for the formula before it. Its column "Valor" and its
    // page footer show the last one.
    static QByteArray formulaChainJson(int count, const QString& step, const QString& first = QStringLiteral("{C_MV_CPTE.Importe}"));

private:
    std::vector<Document> m_documents;
    SqliteTestDatabase m_db;
};
