// Screenshots of the report parameter window for people to look at: one PNG per report kind
// (RMC, OC, PR) on a fresh demo database, plus each kind with the summary by IR and with an
// article layout chosen. Run under a virtual display:
//     xvfb-run -a -s "-screen 0 1280x1024x24" build/tests/reports/rpq_windowshots /tmp/shots
#include "app/AppModule.h"
#include "app/ConfigurationLoader.h"
#include "data/DB_Dll.h"
#include "data/SessionValues.h"
#include "demo/DemoFixture.h"
#include "reports/ReportWindowLinks.h"
#include "reports/Rp_Quindal.h"

#include <QApplication>
#include <QDir>
#include <QRadioButton>
#include <QLineEdit>
#include <QTest>
#include <cstdio>
#include <memory>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/rpq-shots");
    QDir().mkpath(out);

    const demo::DemoFixture demo(120, 5);
    auto db = std::make_shared<data::DB_Dll>();
    data::DB_Dll::setShared(db);
    db->gServidor = demo.folder();
    db->gDBName = demo.databaseName();
    db->gUsuario = db->gDBName;
    db->gUserPassWord = db->gDBName;
    db->OpenServerADODB(false, 3, QString(), false, false);
    if (!db->gOpenFlag) {
        std::fputs("the demo database did not open\n", stderr);
        return 1;
    }
    data::gUsuarioActual = QStringLiteral("ADMIN");
    app::CargarConfiguracion(QDir::tempPath() + u'/');

    for (const char* kind : {"RMC", "OC", "PR"}) {
        app::gParametroAdicional = QString::fromLatin1(kind);
        reports::Rp_Quindal window;
        window.Form_Load();
        window.show();
        QTest::qWait(200);
        window.controls().OptTipo[0]->setChecked(true);
        window.controls().txtFields[8]->setFocus();
        QTest::qWait(100);
        window.grab().save(out + QStringLiteral("/window-%1.png").arg(QLatin1String(kind)));
        window.controls().OptTipo[kind == QLatin1String("RMC") ? 1 : 9]->setChecked(true);
        QTest::qWait(100);
        window.grab().save(out + QStringLiteral("/window-%1-layout.png").arg(QLatin1String(kind)));
        window.hide();
    }
    data::DB_Dll::setShared(nullptr);
    std::printf("screenshots in %s\n", qPrintable(out));
    return 0;
}
