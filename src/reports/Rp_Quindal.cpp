#include "reports/Rp_Quindal.h"

#include "reports/GapReport.h"
#include "reports/InstanceSlot.h"
#include "reports/KeyCodes.h"
#include "reports/Reporte.h"
#include "reports/ReportKind.h"
#include "reports/ReportWindowLayout.h"
#include "reports/ReportWindowLinks.h"
#include "reports/UnsavedNotice.h"

#include "app/AppModule.h"
#include "app/SharedObjects.h"
#include "app/TratamientoErrores.h"
#include "commandbar/PropertyBag.h"
#include "commandbar/TBarRep.h"
#include "commandbar/TBarRepPersistence.h"
#include "kit/ArchivoIni.h"
#include "kit/DLL_Print.h"
#include "kit/Sistema.h"
#include "kit/Utilidades.h"
#include "ui/Control.h"
#include "vb/Conversions.h"
#include "vb/Error.h"
#include "vb/Strings.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QToolButton>

#include <functional>

namespace reports {

namespace {

// One statement under a trap: whatever it raises, the trap's answer decides what follows.
void runStep(vb::Trap& trap, const std::function<void()>& body)
{
    trap.run([&] { app::runAsVbError(body); });
}

int mouseButton(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

// A control's drop-down list: a window of its own above the report window.
bool inPopup(QObject* watched)
{
    const auto* widget = qobject_cast<const QWidget*>(watched);
    return widget && widget->window()->windowType() == Qt::Popup;
}

} // namespace

Rp_Quindal::Rp_Quindal(QWidget* parent)
    : QWidget(parent)
    , m_options(this, m_c, [this] { return m_tcoReporte; })
{
    ui::Control::setName(this, QStringLiteral("Rp_Quindal"));
    m_c = ReportWindowLayout::build(this);
    // The bar comes with the window's saved design, which also takes the site's icon folder.
    m_c.TBarRep1->ReadProperties(commandbar::TBarRepPersistence::reportWindowSavedSet());
    // Captions such as "Impresora" need more than the design's box at the caption font.
    m_c.TBarRep1->fitItemsToCaptions();
    connectHandlers();
    watchKeys();
}

Rp_Quindal::~Rp_Quindal() = default;

void Rp_Quindal::connectHandlers()
{
    connect(m_c.TBarRep1, &commandbar::TBarRep::click, this, [this](const QString& text) { TBarRep1_click(text); });
    for (int i = 0; i < ReportControls::LayoutCount; ++i)
        connect(m_c.OptTipo[size_t(i)], &QRadioButton::toggled, this, [this, i](bool checked) {
            if (checked)
                app::guardEvent(QStringLiteral("OptTipo_Click"), [&] { m_options.OptTipo_Click(i); });
        });
    for (int i = 0; i < ReportControls::OrderCount; ++i)
        connect(m_c.OptOrden[size_t(i)], &QRadioButton::toggled, this, [this, i](bool checked) {
            if (checked)
                app::guardEvent(QStringLiteral("OptOrden_Click"), [&] { m_options.OptOrden_Click(i); });
        });
    for (int i = 0; i < int(m_c.txtFields.size()); ++i)
        connect(m_c.txtFields[size_t(i)], &QLineEdit::textEdited, this, [this, i] {
            app::guardEvent(QStringLiteral("txtFields_Change"), [&] { m_fields.txtFields_Edited(i); });
        });
    connect(m_c.plantillaButton, &QToolButton::clicked, this, [this] {
        app::guardEvent(QStringLiteral("TbarPlantilla_ButtonClick"), [&] { m_options.TbarPlantilla_ButtonClick(); });
    });
    connect(m_c.plantillaMenu, &QMenu::triggered, this, [this](QAction* item) {
        const QString key = item->data().toString();
        app::guardEvent(QStringLiteral("TbarPlantilla_ButtonMenuClick"),
                        [&] { m_options.TbarPlantilla_ButtonMenuClick(key); });
    });
}

// Key preview: every control that takes the focus reports its keys to the window first.
void Rp_Quindal::watchKeys()
{
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>())
        if (child->focusPolicy() != Qt::NoFocus)
            child->installEventFilter(this);
}

void Rp_Quindal::CampoValida(const vb::Variant& index, QObject* Texto)
{
    m_fields.CampoValida(vb::CInt(index), Texto);
}

void Rp_Quindal::GeneraAuxiliarMvCpte()
{
    reports::GeneraAuxiliarMvCpte(*this);
}

namespace {

OptionState optionState(const QRadioButton* option)
{
    return {option->isChecked(), ui::Control::tag(option)};
}

// A box's own Visible flag: the window itself may not be on screen yet.
CheckState checkState(const QCheckBox* box)
{
    return {ui::Control::value(box).toInt(), ReportKind::shown(box), ui::Control::tag(box)};
}

} // namespace

OptionState Rp_Quindal::OptTipo(int index) const
{
    return optionState(m_c.OptTipo.at(size_t(index)));
}

OptionState Rp_Quindal::OptOrden(int index) const
{
    return optionState(m_c.OptOrden.at(size_t(index)));
}

QList<CheckState> Rp_Quindal::chkestado() const
{
    QList<CheckState> states;
    for (const QCheckBox* box : m_c.chkestado)
        states << checkState(box);
    return states;
}

CheckState Rp_Quindal::ChkModelo() const
{
    return checkState(m_c.ChkModelo);
}

CheckState Rp_Quindal::ChkGarantia() const
{
    return checkState(m_c.ChkGarantia);
}

// The choice stays in the saved state, which every kind shares; while the selector is hidden the
// operator can neither see nor change it, so it counts as no choice.
QString Rp_Quindal::CmbMonedaText() const
{
    return ReportKind::shown(m_c.CmbMoneda) ? m_c.CmbMoneda->currentText() : QString();
}

int Rp_Quindal::CmbMonedaListIndex() const
{
    return ReportKind::shown(m_c.CmbMoneda) ? m_c.CmbMoneda->currentIndex() : -1;
}

void Rp_Quindal::Reporte(const QString& NombreRep, const QStringList& Orden, const QString& Formula,
                         const QString& gConnString, const vb::Variant& TituloParametro,
                         const vb::Variant& TituloParametro1, const vb::Variant& TituloParametro2,
                         const vb::Variant& TituloParametro3, const vb::Variant& TituloParametro4, const QString& SR1,
                         const QString& SR2, const QString& SR3, const QString& WhereSR1, const QString& WhereSR2,
                         const QString& WhereSR3)
{
    ReportRequest request;
    request.reportName = NombreRep;
    request.order = Orden;
    request.selection = Formula;
    request.logon = gConnString;
    request.titles = {TituloParametro, TituloParametro1, TituloParametro2, TituloParametro3, TituloParametro4};
    request.subreports = {{SR1, WhereSR1}, {SR2, WhereSR2}, {SR3, WhereSR3}};
    reports::Reporte(m_crystalReport1, request);
}

// A failing step goes to the module's error handler: Retry runs that step again (never the
// start-up before it), Ignore goes on with the next one, any other answer ends the load.
void Rp_Quindal::Form_Load()
{
    vb::Trap trap([](const vb::Error& e) {
        return app::TratamientoErrores(e, vb::Variant::missing(), QStringLiteral("Form_Load"));
    });
    ReportWindowLinks& links = ReportWindowLinks::current();
    runStep(trap, [&] { links.iniciarAplicacion(); });
    runStep(trap, [&] { ReportWindowLayout::fitToContent(this); });
    runStep(trap, [&] { app::gUtil().PrepararFormulario(this, false); });
    runStep(trap, [&] { links.aplicarEstiloFormulario(this, true); });
    // The skin's fonts may want more room than the design's.
    runStep(trap, [&] { ReportWindowLayout::fitToContent(this); });
    runStep(trap, [&] { applyBarStyle(); });
    runStep(trap, [&] { m_tcoReporte = ReportKind::orDefault(vb::Trim(app::state().startup.ParametroAdicional)); });
    runStep(trap, [&] { m_c.TBarRep1->setConsultaEnabled(false); });
    runStep(trap, [&] { ReportKind::apply(ReportKind::of(m_tcoReporte), this, m_c); });
    runStep(trap, [&] { m_tablaReporte = QStringLiteral("C_MV_CPTE"); });
    runStep(trap, [&] { m_options.LlenarMonedas(); });
    restoreState(trap);
    runStep(trap, [&] { stepAside(); });
}

// A second window of the operator's comes from the same saved place as the first: it opens a
// step aside, not exactly over it.
void Rp_Quindal::stepAside()
{
    const int place = m_instance.take(QStringLiteral("rp_quindal-ventana"));
    const QScreen* shownOn = screen();
    if (place == 0 || !shownOn)
        return;
    move(InstanceSlot::asidePosition(frameGeometry(), shownOn->availableGeometry(), place));
}

// The bar's colour style: the INI's "Styles" for this system user and database, plus one.
void Rp_Quindal::applyBarStyle()
{
    const QString section = vb::UCase(app::gSistema().NombreUsuarioSistema()) + u'_' + vb::UCase(app::gDB().settings().gDBName)
                          + QStringLiteral("Styles");
    const QString value = app::gIni().LeerValor(QStringLiteral("vu000va.ini"), section, QStringLiteral("Styles"),
                                                QStringLiteral("4"));
    m_c.TBarRep1->setEstilo(vb::CInt(vb::Variant(vb::Val(value) + 1)));
}

// The operator's last values, then the template named in the selector; after each, the report
// kind's visibility again, so that a value saved under another kind never ticks a hidden box
// or chooses a hidden layout.
void Rp_Quindal::restoreState(vb::Trap& trap)
{
    ReportWindowLinks& links = ReportWindowLinks::current();
    const ReportKind::Kind kind = ReportKind::of(m_tcoReporte);
    const QString clave = m_options.clavePlantilla();
    runStep(trap, [&] { links.cargarConfigForm(this, QString(), QString()); });
    runStep(trap, [&] { ReportKind::reapply(kind, m_c); });
    runStep(trap, [&] { links.llenarPlantillas(clave, this); });
    runStep(trap, [&] { links.cargarPlantilla(clave, this); });
    runStep(trap, [&] { ReportKind::reapply(kind, m_c); });
}

void Rp_Quindal::CmbMoneda_KeyPress(int& KeyAscii)
{
    KeyAscii = 0;
}

void Rp_Quindal::Form_KeyDown(int KeyCode, int)
{
    m_c.TBarRep1->KeyAnalisis(KeyCode);
}

void Rp_Quindal::TBarRep1_click(const QString& text)
{
    app::guardEvent(QStringLiteral("TBarRep1_click"), [&] {
        const QString command = vb::UCase(text);
        if (command == u"PANTALLA") {
            print(kit::DLL_Print::DestinoPantalla);
        } else if (command == u"IMPRESORA") {
            print(kit::DLL_Print::DestinoImpresora);
        } else if (command == u"CERRAR") {
            int cancel = 0;
            Form_Unload(cancel);
        } else if (command == u"CONSULTAR") {
            m_fields.ConsultarCampo();
        }
    });
}

// The emission keeps the window alive while it reads the database, so the bar answers meanwhile;
// a print command then is not taken: it would change where the report being prepared goes and
// rebuild the gap rows under it.
void Rp_Quindal::print(int destino)
{
    if (m_printing)
        return;
    const QScopedValueRollback printing(m_printing, true);
    ReportWindowLinks& links = ReportWindowLinks::current();
    links.fijarDestino(destino);
    links.imprimirReporte(*this);
}

// Each step runs even when the one before it failed, whatever the failure; the last one ends the
// program, which lets the window go with it. Values that could not be saved are lost with it:
// the operator is told so, once, before the window goes.
void Rp_Quindal::Form_Unload(int&)
{
    m_unloading = true;
    vb::Trap trap = vb::Trap::skipping();
    bool saved = false;
    runStep(trap, [&] { saved = ReportWindowLinks::current().guardarConfigForm(this, QString(), QString(), false); });
    if (!saved)
        runStep(trap, [] { UnsavedNotice::windowValues(); });
    runStep(trap, [this] { hide(); });
    vb::End();
}

void Rp_Quindal::closeEvent(QCloseEvent* event)
{
    if (m_unloading) {
        event->accept();
        return;
    }
    int cancel = 0;
    Form_Unload(cancel);
}

bool Rp_Quindal::previewKey(QObject* watched, QKeyEvent* event)
{
    // A key a control leaves unused travels up to the window: preview it only once. The focus
    // cannot tell: a lookup the key opened leaves the window inactive, without a focused
    // control, until the key has gone its way (and its release may come first).
    const PreviewedKey key{event, event->key(), event->timestamp()};
    if (watched == this && key == m_previewedKey) {
        m_previewedKey = {};
        return false;
    }
    m_previewedKey = watched == this ? PreviewedKey{} : key;
    const int keyCode = KeyCodes::keyCode(event);
    const int shift = KeyCodes::shift(event);
    app::guardEvent(QStringLiteral("Form_KeyDown"), [&] { Form_KeyDown(keyCode, shift); });
    return true;
}

bool Rp_Quindal::fieldKey(int index, QKeyEvent* event)
{
    const int keyCode = KeyCodes::keyCode(event);
    app::guardEvent(QStringLiteral("txtFields_KeyDown"),
                    [&] { m_fields.txtFields_KeyDown(index, keyCode, KeyCodes::shift(event)); });
    if (keyCode == FieldEntry::KeyReturn || keyCode == FieldEntry::KeyDown)
        return true;
    const int typed = KeyCodes::keyAscii(event);
    if (typed == 0)
        return false;
    int keyAscii = typed;
    app::guardEvent(QStringLiteral("txtFields_KeyPress"), [&] { m_fields.txtFields_KeyPress(index, keyAscii); });
    if (keyAscii == typed)
        return false;
    if (keyAscii != 0)
        m_c.txtFields[size_t(index)]->insert(QString(QChar(char16_t(keyAscii))));
    return true;
}

bool Rp_Quindal::fieldEvent(int index, QEvent* event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
        app::guardEvent(QStringLiteral("txtFields_GotFocus"), [&] { m_fields.txtFields_GotFocus(index); });
        return false;
    case QEvent::FocusOut:
        app::guardEvent(QStringLiteral("txtFields_LostFocus"), [&] { m_fields.txtFields_LostFocus(index); });
        return false;
    case QEvent::MouseButtonPress: {
        const int button = mouseButton(static_cast<QMouseEvent*>(event)->button());
        app::guardEvent(QStringLiteral("txtFields_MouseDown"), [&] { m_fields.txtFields_MouseDown(index, button); });
        return button == FieldEntry::RightButton;
    }
    case QEvent::KeyPress:
        return fieldKey(index, static_cast<QKeyEvent*>(event));
    default:
        return false;
    }
}

bool Rp_Quindal::eventFilter(QObject* watched, QEvent* event)
{
    // An open drop-down list keeps its keys: Esc there closes the list, not the window.
    if (event->type() == QEvent::KeyPress && inPopup(watched))
        return false;
    if (event->type() == QEvent::KeyPress && !previewKey(watched, static_cast<QKeyEvent*>(event)))
        return false;
    const int index = m_c.fieldIndex(watched);
    if (index >= 0)
        return fieldEvent(index, event);
    if (watched == m_c.CmbMoneda && event->type() == QEvent::KeyPress) {
        const int typed = KeyCodes::keyAscii(static_cast<QKeyEvent*>(event));
        if (typed >= 32) {
            int keyAscii = typed;
            CmbMoneda_KeyPress(keyAscii);
            return keyAscii == 0;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace reports
