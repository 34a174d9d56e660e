#include "LookupTestBase.h"

#include "app/AppModule.h"
#include "demo/DemoSession.h"
#include "lookup/Lib_ClsCons3.h"
#include "lookup/MenuLauncher.h"
#include "vb/App.h"
#include "vb/Error.h"

#include <QFile>

LookupTestBase::LookupTestBase()
{
    m_savedPath = vb::App::path();
    vb::App::setPath(m_programDir.path());
    // The module's error log goes to the temporary folder named by TEMP.
    m_hadTemp = qEnvironmentVariableIsSet("TEMP");
    m_savedTemp = qgetenv("TEMP");
    qputenv("TEMP", QFile::encodeName(m_programDir.path()));
    app::resetState();
    db = std::make_shared<data::DB_Dll>();
    data::DB_Dll::setShared(db);
    db->setStatementObserver([this](const QString& sql) { handed << sql; });
}

LookupTestBase::~LookupTestBase()
{
    lookup::LookupWindows::setListRunner({});
    lookup::LookupWindows::setTreeRunner({});
    lookup::MenuLauncher::set({});
    app::resetState();
    vb::App::setPath(m_savedPath);
    if (m_hadTemp)
        qputenv("TEMP", m_savedTemp);
    else
        qunsetenv("TEMP");
}

void LookupTestBase::openDemo()
{
    ASSERT_TRUE(demo::openDemoDatabase(*db, m_demo.folder(), m_demo.databaseName()));
    handed.clear();
}

void LookupTestBase::execute(const QString& sql)
{
    db->gCnn()->Execute(sql);
}

void LookupTestBase::setConfig(const QString& key, const vb::Variant& value)
{
    const QString quotedKey = u'\'' + key + u'\'';
    execute(QStringLiteral("DELETE FROM TA_CONFIGURACION WHERE Clave = ") + quotedKey);
    if (value.isNull())
        return;
    const QString text = value.toString().replace(u'\'', QStringLiteral("''"));
    execute(QStringLiteral("INSERT INTO TA_CONFIGURACION (Grupo, Clave, Valor) VALUES ('DATOS', %1, '%2')").arg(quotedKey, text));
}

std::vector<QStringList> LookupTestBase::rows(const QString& sql)
{
    std::vector<QStringList> out;
    ado::RecordsetPtr rs = ado::Recordset::create();
    rs->Open(sql, db->gCnn());
    for (; !rs->Eof(); rs->MoveNext()) {
        QStringList row;
        for (int i = 0; i < rs->Fields()->Count(); ++i) {
            const vb::Variant v = rs->Fields()->Item(i)->Value();
            row << (v.isNull() ? QStringLiteral("<null>") : v.toString());
        }
        out.push_back(row);
    }
    return out;
}

QStringList LookupTestBase::columnNames(const QString& sql)
{
    ado::RecordsetPtr rs = ado::Recordset::create();
    rs->Open(sql, db->gCnn());
    QStringList names;
    for (int i = 0; i < rs->Fields()->Count(); ++i)
        names << rs->Fields()->Item(i)->Name();
    return names;
}

vb::Variant LookupTestBase::scalar(const QString& sql)
{
    ado::RecordsetPtr rs = ado::Recordset::create();
    rs->Open(sql, db->gCnn());
    return rs->Eof() ? vb::Variant() : rs->Fields()->Item(0)->Value();
}

QByteArray LookupTestBase::fileBytes(const QString& path) const
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool LookupTestBase::writeFileBytes(const QString& path, const QByteArray& bytes) const
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

void LookupTestBase::recordWindows()
{
    lookup::LookupWindows::setListRunner([this](const lookup::ListLookupRequest& request) {
        listRequests.append(request);
        return nextAnswer;
    });
    lookup::LookupWindows::setTreeRunner([this](const lookup::TreeLookupRequest& request) {
        treeRequests.append(request);
        return nextAnswer;
    });
}
