// Times the saved window states and templates on the embedded demo database, over a window
// shaped like the report parameter window (17 text boxes, 15 option buttons, 9 check boxes,
// 2 combo boxes): saving the operator's state, restoring it, saving a template, and listing
// the templates of a key that holds many.
// Usage: bench_app [repetitions] [templates]
#include "app/ConfigForm.h"
#include "app/Plantillas.h"
#include "data/DB_Dll.h"
#include "data/SessionValues.h"
#include "demo/DemoFixture.h"
#include "demo/DemoSession.h"
#include "ui/Control.h"
#include "vb/App.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QWidget>

#include <cstdio>
#include <functional>
#include <memory>

namespace {

template <typename T>
T* add(QWidget* form, const QString& name, int index, const QString& dataField = {})
{
    auto* control = new T(form);
    ui::Control::declare(control, name, index);
    ui::Control::setDataField(control, dataField);
    return control;
}

std::unique_ptr<QWidget> reportShapedWindow()
{
    auto form = std::make_unique<QWidget>();
    form->setObjectName(QStringLiteral("Rp_Quindal"));
    for (int i = 0; i < 17; ++i)
        add<QLineEdit>(form.get(), QStringLiteral("txtFields"), i, QStringLiteral("Campo%1").arg(i))
            ->setText(QStringLiteral("valor %1").arg(i));
    for (int i = 0; i < 12; ++i)
        add<QRadioButton>(form.get(), QStringLiteral("OptTipo"), i);
    for (int i = 0; i < 3; ++i)
        add<QRadioButton>(form.get(), QStringLiteral("OptOrden"), i);
    for (int i = 0; i < 7; ++i)
        add<QCheckBox>(form.get(), QStringLiteral("chkestado"), i)->setChecked(i % 2 == 0);
    add<QCheckBox>(form.get(), QStringLiteral("ChkModelo"), -1, QStringLiteral("Modelo"));
    add<QCheckBox>(form.get(), QStringLiteral("ChkGarantia"), -1, QStringLiteral("Garantia"));
    auto* moneda = add<QComboBox>(form.get(), QStringLiteral("CmbMoneda"), -1, QStringLiteral("Moneda"));
    moneda->addItems({QStringLiteral("Pesos"), QStringLiteral("Dólares")});
    auto* plantilla = add<QComboBox>(form.get(), QStringLiteral("CboPlantilla"), -1);
    plantilla->setEditable(true);
    return form;
}

// Milliseconds per run of the step, over the given number of runs.
double millisecondsPerRun(int runs, const std::function<void(int)>& step)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < runs; ++i)
        step(i);
    return timer.nsecsElapsed() / 1e6 / runs;
}

bool readCount(const char* text, int& value)
{
    bool ok = false;
    value = QString::fromLocal8Bit(text).toInt(&ok);
    return ok && value > 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    int runs = 10;
    int templates = 50;
    if ((argc > 1 && !readCount(argv[1], runs)) || (argc > 2 && !readCount(argv[2], templates))) {
        std::fprintf(stderr, "usage: bench_app [repetitions > 0] [templates > 0]\n");
        return 2;
    }

    QTemporaryDir programFolder;
    vb::App::setPath(programFolder.path());
    demo::DemoFixture demo(40, 5);
    auto db = std::make_shared<data::DB_Dll>();
    data::DB_Dll::setShared(db);
    if (!demo::openDemoDatabase(*db, demo.folder(), demo.databaseName())) {
        std::fprintf(stderr, "the demo database did not open\n");
        return 1;
    }
    data::gUsuarioActual = QStringLiteral("ADMIN");
    int statements = 0;
    db->setStatementObserver([&](const QString&) { ++statements; });

    const std::unique_ptr<QWidget> form = reportShapedWindow();
    auto* selector = form->findChild<QComboBox*>(QStringLiteral("CboPlantilla"));
    const QString key = QStringLiteral("Rp_QuindalRMC");

    statements = 0;
    const double save = millisecondsPerRun(runs, [&](int) { app::GuardarConfigForm(form.get()); });
    const int saveStatements = statements / runs;
    statements = 0;
    const double restore = millisecondsPerRun(runs, [&](int) { app::CargarConfigForm(form.get()); });
    const int restoreStatements = statements / runs;
    const double templateSave = millisecondsPerRun(templates, [&](int i) {
        selector->setEditText(QStringLiteral("Plantilla %1").arg(i));
        app::GuardarPlantilla(key, form.get());
    });
    const double listing = millisecondsPerRun(runs, [&](int) { app::LlenarPlantillas(key, form.get()); });

    std::printf("window of %d remembered controls, %d runs\n", 43, runs);
    std::printf("save of the operator's state:  %8.2f ms  (%d statements)\n", save, saveStatements);
    std::printf("restore of the operator's state: %6.2f ms  (%d statements)\n", restore, restoreStatements);
    std::printf("template save (with the list refilled), up to %d templates: %6.2f ms\n", templates, templateSave);
    std::printf("list of %d templates:          %8.2f ms  (%d names listed)\n", templates, listing, selector->count());
    data::DB_Dll::setShared(nullptr);
    return 0;
}
