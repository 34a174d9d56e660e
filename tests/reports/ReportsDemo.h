#pragma once
// The demo suite database the report tests read (300 documents, built once per run), with the
// SQL helpers tests use to work out expected rows on their own, and the rows a selection
// formula selects when the print object runs a listing of the documents.

#include "ado/Connection.h"
#include "demo/DemoFixture.h"

#include <QStringList>
#include <QTemporaryDir>

class ReportsDemo {
public:
    static ReportsDemo& shared();

    QString folder() const { return m_fixture.folder(); }
    QString connectionString() const { return m_fixture.connectionString(); }
    const ado::ConnectionPtr& connection() const { return m_connection; }

    QStringList column(const QString& sql, int index = 0) const;   // as text, in the query's order
    // "TC-IdComprobante" of the documents the condition selects (all for a blank one), sorted.
    QStringList idsWhere(const QString& where) const;
    // The same, for the documents a listing printed through the print object shows.
    QStringList idsSelectedByEngine(const QString& selection) const;

private:
    ReportsDemo();
    demo::DemoFixture m_fixture;
    ado::ConnectionPtr m_connection;
    QTemporaryDir m_programFolder;
};
