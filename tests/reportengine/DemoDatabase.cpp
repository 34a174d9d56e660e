#include "DemoDatabase.h"

DemoDatabase& DemoDatabase::shared()
{
    static DemoDatabase db;
    return db;
}

DemoDatabase::DemoDatabase() : m_fixture(300, 11), m_connection(ado::Connection::create())
{
    m_connection->Open(m_fixture.connectionString());
}

std::vector<std::vector<vb::Variant>> DemoDatabase::rows(const QString& sql) const
{
    auto rs = ado::Recordset::create();
    rs->Open(sql, m_connection);
    std::vector<std::vector<vb::Variant>> out;
    const int columns = rs->Fields()->Count();
    for (; !rs->Eof(); rs->MoveNext()) {
        out.emplace_back();
        for (int c = 0; c < columns; ++c)
            out.back().push_back(rs->Fields()->Item(c)->Value());
    }
    return out;
}

QStringList DemoDatabase::column(const QString& sql) const
{
    QStringList out;
    for (const auto& row : rows(sql))
        out << (row.front().isNull() ? QString() : row.front().toString());
    return out;
}

void DemoDatabase::execute(const QString& sql) const
{
    m_connection->Execute(sql);
}
