// rp_quindal: purchase-document reports of the suite.
//
// Until the report parameter window and the start-up procedure are in place, the program
// takes the server, database, user and password from its command line
// ("@Server=...;@DbName=...;@Usuario=...;@Password=..."), opens the suite database through
// the data access class (showing the login window when the server or the user is missing),
// and reports the connection it made.

#include "data/DB_Dll.h"
#include "data/SessionValues.h"
#include "ui/DialogService.h"
#include "ui/DisplayCheck.h"
#include "vb/App.h"
#include "vb/Error.h"

#include <QApplication>
#include <QHash>

namespace {

// "@Key=value;" pairs; keys compared without regard to case.
QHash<QString, QString> commandLineKeys(const QString& line)
{
    QHash<QString, QString> keys;
    for (const QString& pair : line.split(u';', Qt::SkipEmptyParts)) {
        const qsizetype equals = pair.indexOf(u'=');
        if (equals <= 0)
            continue;
        keys.insert(pair.left(equals).trimmed().toUpper(), pair.mid(equals + 1).trimmed());
    }
    return keys;
}

// The launcher may pass "tcp/host:port"-style text: the server is what stands between the
// first "/" and the first ":".
QString serverFromCommandLine(QString text)
{
    const qsizetype slash = text.indexOf(u'/');
    if (slash >= 0)
        text = text.mid(slash + 1);
    const qsizetype colon = text.indexOf(u':');
    if (colon >= 0)
        text = text.left(colon);
    return text;
}

int connectAndReport()
{
    const QHash<QString, QString> keys = commandLineKeys(vb::Command());
    data::gUsuarioActual = keys.value(QStringLiteral("@USUARIO"));
    data::gClaveActual = keys.value(QStringLiteral("@PASSWORD"));

    data::DB_Dll& db = data::DB_Dll::shared();
    db.gServidor = serverFromCommandLine(keys.value(QStringLiteral("@SERVER")));
    db.gDBName = keys.value(QStringLiteral("@DBNAME"));
    db.gUsuario = db.gDBName;        // the suite's database login is the database name
    db.gUserPassWord = db.gDBName;
    const bool askFirst = db.gServidor.trimmed().isEmpty() || data::gUsuarioActual.trimmed().isEmpty();
    db.OpenServerADODB(askFirst, 3, QString(), true, true);
    if (!db.gOpenFlag)
        return 1;

    ui::MsgBox(QStringLiteral("Conectado a la base %1 en %2 como %3%4.")
                   .arg(db.gDBName, db.gServidor, data::gUsuarioActual,
                        db.gEsAdmin ? QStringLiteral(" (administrador)") : QString()),
               ui::vbInformation, vb::App::title());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (!ui::DisplayCheck::available(argc, argv))
        return 1;
    QApplication application(argc, argv);
    vb::App::init(argc, argv);
    QApplication::setApplicationName(vb::App::title());
    try {
        return connectAndReport();
    } catch (const vb::Error& error) {
        ui::MsgBox(QStringLiteral("%1  %2").arg(error.number()).arg(error.description()), ui::vbCritical);
        return 1;
    }
}
