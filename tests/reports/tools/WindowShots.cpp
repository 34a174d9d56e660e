// Screenshots of the report parameter window for people to look at: one PNG per report kind
// (RMC, OC, PR) on a fresh demo database, plus each kind with the summary by IR and with an
// article layout chosen. Run under a virtual display:
//     xvfb-run -a -s "-screen 0 1280x1024x24" build/tests/reports/rpq_windowshots /tmp/shots
#include "app/AppModule.h"
#include "demo/DemoSession.h"
#include "reports/ReportWindowLinks.h"
#include "reports/Rp_Quindal.h"
#include "ShownWindow.h"

#include <QApplication>
#include <QCheckBox>
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

    const demo::DemoSession session(120, 5, QDir::tempPath());
    if (!session.isOpen()) {
        std::fputs("the demo database did not open\n", stderr);
        return 1;
    }
    // The demo is open already: the window's load skips the start-up procedure.
    reports::ReportWindowLinks::current().iniciarAplicacion = [] {};

    for (const char* kind : {"RMC", "OC", "PR"}) {
        app::gParametroAdicional = QString::fromLatin1(kind);
        reports::Rp_Quindal window;
        reporttools::loadAndShow(window);
        const reports::ReportControls& c = window.controls();
        c.OptTipo[0]->setChecked(true);
        c.chkestado[0]->setChecked(true);
        c.chkestado[1]->setChecked(true);
        c.txtFields[8]->setText(QStringLiteral("01/01/2024"));
        c.txtFields[9]->setText(QStringLiteral("31/03/2024"));
        c.txtFields[6]->setFocus();
        QTest::keyClicks(c.txtFields[6], QStringLiteral("21100001"));
        QTest::qWait(100);
        window.grab().save(out + QStringLiteral("/window-%1.png").arg(QLatin1String(kind)));
        c.OptTipo[kind == QLatin1String("RMC") ? 1 : 9]->setChecked(true);
        QTest::qWait(100);
        window.grab().save(out + QStringLiteral("/window-%1-layout.png").arg(QLatin1String(kind)));
        window.hide();
    }
    std::printf("screenshots in %s\n", qPrintable(out));
    return 0;
}
