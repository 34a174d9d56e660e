#include "ReportWindowTestBase.h"

#include "app/AppModule.h"
#include "app/ConfigurationLoader.h"
#include "app/SharedObjects.h"
#include "commandbar/TBarRep.h"
#include "commandbar/ItemSurface.h"
#include "data/SessionValues.h"
#include "kit/DLL_Print.h"
#include "kit/DatePickerDialog.h"
#include "lookup/Consultas.h"
#include "reports/FieldLookups.h"
#include "reports/ReportWindowLinks.h"
#include "ui/Control.h"

#include "support/TestPaths.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>

using reports::ReportWindowLinks;

ReportWindowTest::ReportWindowTest()
{
    prepare();
}

ReportWindowTest::ReportWindowTest(const demo::DemoFixture& demo) : AppTestBase(demo)
{
    prepare();
}

void ReportWindowTest::prepare()
{
    openDemo();
    data::gUsuarioActual = QStringLiteral("ADMIN");
    app::CargarConfiguracion(m_programDir.path() + u'/');
    // What start-up does for the lookups: the connection, and the default query masks beside
    // the program.
    lookup::PrepararConsultas();
    ReportWindowLinks::reset();
    lookup::LookupWindows::setListRunner([this](const lookup::ListLookupRequest& request) {
        listRequests.append(request);
        return m_listAnswers.isEmpty() ? lookup::LookupAnswer{} : m_listAnswers.takeFirst();
    });
}

ReportWindowTest::~ReportWindowTest()
{
    m_window.reset();
    lookup::LookupWindows::setListRunner({});
    ReportWindowLinks::reset();
    reports::FieldLookups::setInstance(nullptr);
}

reports::Rp_Quindal& ReportWindowTest::open(const QString& kind)
{
    m_window.reset();
    ReportWindowLinks::current().iniciarAplicacion = [this, kind] {
        linkCalls << QStringLiteral("iniciarAplicacion");
        app::state().startup.ParametroAdicional = kind;
    };
    m_window = std::make_unique<reports::Rp_Quindal>();
    m_window->Form_Load();
    m_window->show();
    QApplication::setActiveWindow(m_window.get());
    m_window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    return *m_window;
}

QLineEdit* ReportWindowTest::field(int index) const
{
    return c().txtFields.at(size_t(index));
}

void ReportWindowTest::focus(QWidget* widget)
{
    widget->setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
}

void ReportWindowTest::focusField(int index)
{
    focus(field(index));
}

void ReportWindowTest::typeInto(int index, const QString& text)
{
    focusField(index);
    field(index)->clear();
    QTest::keyClicks(field(index), text);
}

QString ReportWindowTest::enter(int index, const QString& text, Qt::Key key)
{
    typeInto(index, text);
    press(key);
    return field(index)->text();
}

QWidget* ReportWindowTest::focused() const
{
    return QApplication::focusWidget();
}

int ReportWindowTest::focusedField() const
{
    return c().fieldIndex(focused());
}

void ReportWindowTest::press(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QWidget* target = focused() ? focused() : m_window.get();
    QTest::keyClick(target, key, modifiers);
}

void ReportWindowTest::rightClick(int index)
{
    QTest::mouseClick(field(index), Qt::RightButton);
}

void ReportWindowTest::clickBarItem(int item)
{
    QTest::mouseClick(c().TBarRep1->itemBox(item), Qt::LeftButton);
}

void ReportWindowTest::closeWithEsc()
{
    EXPECT_THROW(press(Qt::Key_Escape), vb::EndRequested);
}

void ReportWindowTest::answerList(const vb::Variant& value)
{
    lookup::LookupAnswer answer;
    answer.ValorDevuelto = value;
    m_listAnswers.append(answer);
}

void ReportWindowTest::answerTicks(const QStringList& values)
{
    lookup::LookupAnswer answer;
    answer.Valores = vb::Collection::create();
    for (const QString& value : values)
        answer.Valores->add(value);
    m_listAnswers.append(answer);
}

void ReportWindowTest::cancelList()
{
    m_listAnswers.append(lookup::LookupAnswer{});
}

void ReportWindowTest::answerCalendar(const QDate& date)
{
    dialogs.pushModalHandler([date](QDialog* dialog) {
        auto* picker = qobject_cast<kit::DatePickerDialog*>(dialog);
        if (!picker || !date.isValid())
            return int(QDialog::Rejected);
        picker->calendar()->setSelectedDate(date);
        return int(QDialog::Accepted);
    });
}

std::shared_ptr<kittest::EngineLog> ReportWindowTest::recordReports()
{
    for (const QFileInfo& rpt : QDir(testpaths::demoReports()).entryInfoList({QStringLiteral("*.rpt")}))
        QFile::copy(rpt.filePath(), QDir(m_programDir.path()).filePath(rpt.fileName()));
    app::gImpresion().pPathSistema = m_programDir.path();
    m_reports = std::make_shared<kittest::EngineLog>();
    m_reportEngine = std::make_unique<kit::PrintEngineScope>(kittest::RecordingPrintEngine::factory(m_reports));
    return m_reports;
}

QString ReportWindowTest::printedSelection() const
{
    const QString prefix = QStringLiteral("selection ");
    const QStringList selections = m_reports ? m_reports->calls.filter(QRegularExpression(u'^' + prefix)) : QStringList();
    return selections.isEmpty() ? QString() : selections.last().mid(prefix.size());
}

QStringList ReportWindowTest::messages() const
{
    QStringList shown;
    for (const ui::ScriptedDialogService::Prompt& box : boxes())
        shown << box.text + QStringLiteral(" | ") + box.title;
    return shown;
}

void ReportWindowTest::recordLinks()
{
    ReportWindowLinks& links = ReportWindowLinks::current();
    const ReportWindowLinks real = links;
    links.aplicarEstiloFormulario = [this, real](QWidget* form, bool plano) {
        linkCalls << QStringLiteral("aplicarEstiloFormulario ") + ui::Control::name(form) + (plano ? " True" : " False");
        real.aplicarEstiloFormulario(form, plano);
    };
    links.cargarConfigForm = [this, real](QWidget* form, const QString& sufijo, const QString& nombre) {
        linkCalls << QStringLiteral("cargarConfigForm ") + ui::Control::name(form) + " [" + sufijo + "] [" + nombre + "]";
        real.cargarConfigForm(form, sufijo, nombre);
    };
    links.guardarConfigForm = [this, real](QWidget* form, const QString& sufijo, const QString& nombre, bool listas) {
        linkCalls << QStringLiteral("guardarConfigForm ") + ui::Control::name(form) + " [" + sufijo + "] [" + nombre + "]"
                         + (listas ? " True" : " False");
        return real.guardarConfigForm(form, sufijo, nombre, listas);
    };
    const auto keyed = [this](const QString& name, const auto& call) {
        return [this, name, call](const QString& clave, QWidget* form) {
            linkCalls << name + u' ' + clave;
            return call(clave, form);
        };
    };
    links.cargarPlantilla = keyed(QStringLiteral("cargarPlantilla"), real.cargarPlantilla);
    links.guardarPlantilla = keyed(QStringLiteral("guardarPlantilla"), real.guardarPlantilla);
    links.borrarPlantilla = keyed(QStringLiteral("borrarPlantilla"), real.borrarPlantilla);
    links.llenarPlantillas = keyed(QStringLiteral("llenarPlantillas"), real.llenarPlantillas);
    links.fijarDestino = [this](int destino) { linkCalls << QStringLiteral("fijarDestino %1").arg(destino); };
    links.imprimirReporte = [this](reports::Rp_Quindal& w) {
        linkCalls << QStringLiteral("imprimirReporte ") + w.TcoReporte();
    };
}
