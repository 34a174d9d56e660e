#include "WindowStateFixture.h"

#include "data/SessionValues.h"
#include "vb/App.h"
#include "vb/Error.h"
#include "vb/Files.h"

#include <QFile>

namespace apptest {

void PrintTo(const ConfigRow& row, std::ostream* out)
{
    *out << QStringList{row.formulario, row.usuario, row.tipo, row.nombre, row.propiedad, row.datafield, row.valor}
                .join(QStringLiteral(" | "))
                .toStdString();
}

demo::DemoFixture& WindowStateFixture::demo()
{
    static demo::DemoFixture fixture(40, 21);
    return fixture;
}

WindowStateFixture::WindowStateFixture()
{
    m_savedPath = vb::App::path();
    m_savedTemp = qgetenv("TEMP");
    m_savedLogname = qgetenv("LOGNAME");
    vb::App::setPath(m_programDir.path());
    qputenv("TEMP", m_tempDir.path().toLocal8Bit());
    qputenv("LOGNAME", "ana");
    vb::setEndHook([] { throw vb::EndRequested(); });

    db = std::make_shared<data::DB_Dll>();
    data::DB_Dll::setShared(db);
    db->gServidor = demo().folder();
    db->gDBName = demo().databaseName();
    db->gUsuario = demo().databaseName();
    db->gUserPassWord = demo().databaseName();
    db->OpenServerADODB(false, 3, QString(), false, false);
    EXPECT_TRUE(db->gOpenFlag);
    execute(QStringLiteral("DELETE FROM TA_CONFIG_FORM"));
    db->setStatementObserver([this](const QString& sql) { handed << sql; });
    data::gUsuarioActual = QStringLiteral("ANA");
}

WindowStateFixture::~WindowStateFixture()
{
    data::DB_Dll::setShared(nullptr);
    data::gUsuarioActual.clear();
    vb::App::setPath(m_savedPath);
    qputenv("TEMP", m_savedTemp);
    qputenv("LOGNAME", m_savedLogname);
    vb::setEndHook({});
}

void WindowStateFixture::execute(const QString& sql)
{
    db->gCnn->Execute(sql);
}

QList<ConfigRow> WindowStateFixture::rows(const QString& condition)
{
    ado::RecordsetPtr rs = ado::Recordset::create();
    rs->Open(QStringLiteral("SELECT FORMULARIO, USUARIO, TIPOOBJETO, NOMBRE, PROPIEDAD, DATAFIELD, VALOR "
                            "FROM TA_CONFIG_FORM ")
                 + (condition.isEmpty() ? QString() : QStringLiteral("WHERE ") + condition)
                 + QStringLiteral(" ORDER BY ID"),
             db->gCnn);
    QList<ConfigRow> found;
    const auto text = [&](int column) {
        const vb::Variant value = rs->Fields()->Item(column)->Value();
        return value.isNull() ? QStringLiteral("<Null>") : value.toString();
    };
    for (; !rs->Eof(); rs->MoveNext())
        found.append({text(0).trimmed(), text(1).trimmed(), text(2).trimmed(), text(3).trimmed(), text(4).trimmed(),
                      text(5).trimmed(), text(6)});
    return found;
}

int WindowStateFixture::rowCount(const QString& condition)
{
    return int(rows(condition).size());
}

QString WindowStateFixture::errorLogText() const
{
    QFile file(m_tempDir.filePath(QStringLiteral("KQERR.LOG")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return vb::Windows1252::decode(file.readAll());
}

} // namespace apptest
