#include "SharedDemoDatabase.h"

SharedDemoDatabase& SharedDemoDatabase::shared()
{
    static SharedDemoDatabase db;
    return db;
}

SharedDemoDatabase::SharedDemoDatabase() : m_fixture(300, 11), m_connection(ado::Connection::create())
{
    m_connection->Open(m_fixture.connectionString());
}

std::vector<std::vector<vb::Variant>> SharedDemoDatabase::rows(const QString& sql) const
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

QStringList SharedDemoDatabase::column(const QString& sql) const
{
    QStringList out;
    for (const auto& row : rows(sql))
        out << (row.front().isNull() ? QString() : row.front().toString());
    return out;
}

void SharedDemoDatabase::execute(const QString& sql) const
{
    m_connection->Execute(sql);
}
