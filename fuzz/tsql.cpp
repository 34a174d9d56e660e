// The SQL Server dialect on the embedded engine: a batch is translated with the demo
// database's tables (so every typed rewrite runs) and run there. It ends with its rows or with
// the server's errors; each input starts from the same database and session.
#include "FuzzSupport.h"

#include "DemoFixture.h"
#include "ado/Connection.h"
#include "ado/ForwardReader.h"
#include "ado/Recordset.h"
#include "vb/Error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {
const QString& pristine()
{
    static const QString path = [] {
        const demo::DemoFixture demo(8, 5);
        const QString copy = fuzz::folder() + QStringLiteral("/DEMO.pristine");
        QFile::copy(demo.databasePath(), copy);
        return copy;
    }();
    return path;
}

QString databaseFile()
{
    return fuzz::folder() + QStringLiteral("/datos/DEMO.db");
}

QString stamp()
{
    const QFileInfo file(databaseFile());
    return QString::number(file.size()) + u'/' + QString::number(file.lastModified().toMSecsSinceEpoch());
}

// Opening a connection reads the schema of every table, which costs more than most inputs: one
// connection serves the inputs that change nothing, and a fresh copy of the database and a new
// connection follow any input that wrote to the file or may have changed the session.
class Database {
public:
    const ado::ConnectionPtr& connection()
    {
        if (!m_connection || stamp() != m_stamp) {
            m_connection.reset();
            const QString folder = fuzz::folder() + QStringLiteral("/datos");
            QDir().mkpath(folder);
            QFile::remove(databaseFile());
            if (!QFile::copy(pristine(), databaseFile()))
                qFatal("cannot copy the demo database");
            m_connection = ado::Connection::create();
            m_connection->Open(QStringLiteral("PROVIDER=SQLOLEDB;Server=%1;Database =DEMO;UId=ADMIN;Pwd=admin;").arg(folder));
            m_connection->setCommandTimeout(1);   // an endless loop or recursion ends as a time-out
            m_stamp = stamp();
        }
        return m_connection;
    }
    void after(const QString& batch)
    {
        static const QRegularExpression session(QStringLiteral("\\b(SET|USE|TRAN|TRANSACTION|COMMIT|ROLLBACK|SAVE)\\b|#"),
                                                QRegularExpression::CaseInsensitiveOption);
        if (batch.contains(session))
            m_connection.reset();
    }

private:
    ado::ConnectionPtr m_connection;
    QString m_stamp;
};
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::start(argc, argv);
    pristine();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static Database database;
    const QString batch = fuzz::text(data, size);
    try {
        if (size % 2) {   // the forward reader steps a lone query instead of reading it whole
            const ado::ForwardReaderPtr reader = database.connection()->openReader(batch);
            for (int n = 0; n < 1000 && reader->next(); ++n)
                for (int c = 0; c < reader->columnCount(); ++c)
                    reader->value(c);
        } else {
            const ado::RecordsetPtr rows = database.connection()->Execute(batch);
            if (rows && rows->State() == ado::adStateOpen)
                for (int n = 0; !rows->Eof() && n < 1000; ++n, rows->MoveNext())
                    for (int c = 0; c < rows->Fields()->Count(); ++c)
                        rows->Fields()->Item(c)->Value();
        }
    } catch (const vb::Error&) {
    }
    database.after(batch);
    return 0;
}
