// rp_quindal: purchase-document reports of the suite.
//
// The program is its report parameter window: loading it starts the application (busy notice,
// command line "@Server=...;@DbName=...;@Usuario=...;@Password=...;@ParametroAdicional=RMC",
// connections, the user's check with the login window, the access row and the configuration),
// and closing it ends the program.

#include "lookup/StartUpLink.h"
#include "reportengine/ReportJobEngine.h"
#include "reports/Rp_Quindal.h"
#include "ui/DisplayCheck.h"
#include "ui/QtTranslations.h"
#include "ui/TypedTextFilter.h"
#include "vb/App.h"

#include <QApplication>

int main(int argc, char** argv)
{
    if (!ui::DisplayCheck::available(argc, argv))
        return 1;
    QApplication application(argc, argv);
    const ui::QtTranslations spanish;
    ui::TypedTextFilter::install(application);
    vb::App::init(argc, argv);
    QApplication::setApplicationName(vb::App::title());
    lookup::EnlazarConInicio();
    reportengine::ReportJobEngine::install();

    reports::Rp_Quindal window;
    window.Form_Load();
    window.show();
    return application.exec();
}
