#include "EmbeddedDatabase.h"

#include <vb/Error.h>

#include <QFile>

EmbeddedDatabase::EmbeddedDatabase(const QString& name)
    : m_name(name)
{
    QFile f(file());
    f.open(QIODevice::WriteOnly);
    f.close();
    m_connection = ado::Connection::create();
    m_connection->Open(connectionString());
}

QString EmbeddedDatabase::file() const
{
    return m_dir.filePath(m_name + QStringLiteral(".db"));
}

QString EmbeddedDatabase::connectionString() const
{
    return QStringLiteral("PROVIDER=SQLOLEDB;Server=%1;Database =%2;UId=%2;Pwd=%2;Connect Timeout=5;").arg(m_dir.path(), m_name);
}

void EmbeddedDatabase::run(const QString& sql) const
{
    m_connection->Execute(sql);
}

QString EmbeddedDatabase::renderValue(const vb::Variant& v)
{
    switch (v.type()) {
    case vb::VarType::Null: return QStringLiteral("NULL");
    case vb::VarType::Empty: return QStringLiteral("EMPTY");
    case vb::VarType::Date: return v.toDate().toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    case vb::VarType::Boolean: return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case vb::VarType::Currency: return v.toDecimal().toString(u'.');
    case vb::VarType::Decimal: return v.toDecimal().toString(u'.');
    case vb::VarType::Double: case vb::VarType::Single: return QString::number(v.toDouble(), 'g', 15);
    case vb::VarType::String: return v.stringRef();
    default: return QString::number(v.toLong());
    }
}

QStringList EmbeddedDatabase::rows(const QString& sql) const
{
    QStringList out;
    ado::RecordsetPtr rs = m_connection->Execute(sql);
    if (rs->State() != ado::adStateOpen)
        return out;
    while (!rs->Eof()) {
        QStringList values;
        for (int i = 0; i < rs->Fields()->Count(); ++i)
            values << renderValue(rs->Fields()->Item(i)->Value());
        out << values.join(u'|');
        rs->MoveNext();
    }
    return out;
}

QString EmbeddedDatabase::single(const QString& sql) const
{
    const QStringList all = rows(sql);
    return all.isEmpty() ? QStringLiteral("<no row>") : all.front();
}

vb::Error errorRaisedBy(const std::function<void()>& step)
{
    try {
        step();
    } catch (const vb::Error& e) {
        return e;
    }
    return {};
}

int errorNumberOf(const std::function<void()>& step)
{
    return errorRaisedBy(step).number();
}
