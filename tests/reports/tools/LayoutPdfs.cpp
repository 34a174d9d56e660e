// Prints layouts of the report window into PDF files, for people to read: the window opens on the
// demo database of a data folder (the program's datos/ by default), takes the ranges, states and
// order given on the command line, chooses the layout with a click and presses the bar's Screen
// item, which prints into the file instead. Run under a virtual display:
//     xvfb-run -a build/src/program/rpq_layoutpdfs <out folder> <kind> <layout>[,<layout>...] [options]
// Options: DataField=value (a range box, as typed), estados=0,5 (the state boxes ticked, others
// unticked), orden=<n>, garantia=1, modelo=1, datos=<folder>. Each layout gives
// <out>/<kind>-<layout>.pdf.
#include "app/AppModule.h"
#include "app/ConfigurationLoader.h"
#include "app/SharedObjects.h"
#include "commandbar/TBarRep.h"
#include "data/DB_Dll.h"
#include "data/SessionValues.h"
#include "demo/DemoSession.h"
#include "kit/DLL_Print.h"
#include "reportengine/ReportJobEngine.h"
#include "reports/ReportWindowLinks.h"
#include "reports/Rp_Quindal.h"
#include "ShownWindow.h"
#include "vb/App.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <cstdio>
#include <memory>

namespace {

struct Options {
    QString out, kind, datos;
    QList<int> layouts;
    QList<std::pair<QString, QString>> fields;
    QList<int> states;
    bool statesGiven = false;
    int order = -1;
    bool garantia = false, modelo = false;
};

Options parse(const QStringList& args)
{
    Options o;
    o.out = args.value(1);
    o.kind = args.value(2);
    for (const QString& l : args.value(3).split(u',', Qt::SkipEmptyParts))
        o.layouts << l.toInt();
    o.datos = QCoreApplication::applicationDirPath() + QStringLiteral("/datos");
    for (const QString& a : args.mid(4)) {
        const QString key = a.section(u'=', 0, 0), value = a.section(u'=', 1);
        if (key == u"estados") {
            o.statesGiven = true;
            for (const QString& s : value.split(u',', Qt::SkipEmptyParts))
                o.states << s.toInt();
        } else if (key == u"orden") {
            o.order = value.toInt();
        } else if (key == u"garantia") {
            o.garantia = value == u"1";
        } else if (key == u"modelo") {
            o.modelo = value == u"1";
        } else if (key == u"datos") {
            o.datos = value;
        } else {
            o.fields.append({key, value});
        }
    }
    return o;
}

void click(QAbstractButton* b)
{
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    vb::App::init(argc, argv);
    reportengine::ReportJobEngine::install();
    const Options o = parse(application.arguments());
    if (o.out.isEmpty() || o.kind.isEmpty() || o.layouts.isEmpty()) {
        std::fputs("usage: rpq_layoutpdfs <out folder> <kind> <layout>[,<layout>...] [DataField=value|estados=..|orden=n|"
                   "garantia=1|modelo=1|datos=folder]...\n", stderr);
        return 2;
    }
    QDir().mkpath(o.out);

    auto db = std::make_shared<data::DB_Dll>();
    data::DB_Dll::setShared(db);
    if (!demo::openDemoDatabase(*db, o.datos, QStringLiteral("DEMO"))) {
        std::fprintf(stderr, "the demo database of %s did not open\n", qPrintable(o.datos));
        return 1;
    }
    data::gUsuarioActual = QStringLiteral("ADMIN");
    const QString programFolder = QCoreApplication::applicationDirPath();
    app::CargarConfiguracion(QDir::tempPath() + u'/');
    app::gImpresion().pPathSistema = programFolder;
    app::state().startup.SeccionIni = QStringLiteral("PUESTO1|ANA");
    app::state().startup.ConexionDSN = QStringLiteral("DSN=DEMO; UID=ADMIN; PWD=admin");
    app::state().startup.ParametroAdicional = o.kind;
    reports::ReportWindowLinks& links = reports::ReportWindowLinks::current();
    links.iniciarAplicacion = [] {};
    QString pdf;
    links.fijarDestino = [&pdf](int) {
        kit::DLL_Print& print = app::gImpresion();
        print.setDestino(kit::DLL_Print::PdfDestination);
        print.setPdfFile(pdf);
    };

    reports::Rp_Quindal window;
    reporttools::loadAndShow(window);
    const reports::ReportControls& c = window.controls();
    for (int layout : o.layouts) {
        click(c.OptTipo[size_t(layout)]);
        for (const auto& [field, value] : o.fields)
            c.field(field)->setText(value);
        if (o.statesGiven)
            for (int i = 0; i < reports::ReportControls::StateCount; ++i)
                if (!c.chkestado[size_t(i)]->isHidden() && c.chkestado[size_t(i)]->isEnabled()
                    && c.chkestado[size_t(i)]->isChecked() != o.states.contains(i))
                    click(c.chkestado[size_t(i)]);
        if (o.order >= 0)
            click(c.OptOrden[size_t(o.order)]);
        if (o.garantia != c.ChkGarantia->isChecked() && !c.ChkGarantia->isHidden())
            click(c.ChkGarantia);
        if (o.modelo != c.ChkModelo->isChecked() && !c.ChkModelo->isHidden())
            click(c.ChkModelo);
        QStringList ticked;
        for (int i = 0; i < reports::ReportControls::StateCount; ++i)
            if (c.chkestado[size_t(i)]->isChecked() && !c.chkestado[size_t(i)]->isHidden())
                ticked << QString::number(i);
        pdf = QDir(o.out).filePath(QStringLiteral("%1-%2.pdf").arg(o.kind).arg(layout));
        QFile::remove(pdf);
        emit c.TBarRep1->click(QStringLiteral("Pantalla"));
        std::printf("%s layout %d (states %s): %s\n", qPrintable(o.kind), layout, qPrintable(ticked.join(u',')),
                    QFile::exists(pdf) ? qPrintable(pdf) : "no file");
    }
    return 0;
}
