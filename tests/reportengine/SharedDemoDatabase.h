#pragma once
// One demo suite database for the tests of a run, opened through the database layer, with the
// SQL helpers tests use to work out expected results on their own.

#include "ado/Connection.h"
#include "demo/DemoFixture.h"
#include <QStringList>
#include <vector>

class SharedDemoDatabase {
public:
    static SharedDemoDatabase& shared();     // built on first use, 300 documents

    const ado::ConnectionPtr& connection() const { return m_connection; }
    QString connectionString() const { return m_fixture.connectionString(); }
    QString folder() const { return m_fixture.folder(); }     // holds DEMO.db
    // The first column of every row of a query, as text, in the query's order.
    QStringList column(const QString& sql) const;
    std::vector<std::vector<vb::Variant>> rows(const QString& sql) const;
    void execute(const QString& sql) const;

private:
    SharedDemoDatabase();
    demo::DemoFixture m_fixture;
    ado::ConnectionPtr m_connection;
};
