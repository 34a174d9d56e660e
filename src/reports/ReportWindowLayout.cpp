#include "reports/ReportWindowLayout.h"

#include "app/SharedObjects.h"
#include "commandbar/TBarRep.h"
#include "kit/ControlesForm.h"
#include "ui/Control.h"
#include "vb/Error.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace reports {

namespace {

struct FieldDesign {
    const char* dataField;
    const char* tag;
    int maxLength;   // 0: no limit
    int chars;       // width in characters: the box's own for a fixed one, its least for one that grows
    bool grows;      // takes its share of a wider window
};

// By index of txtFields. Codes grow with the window; dates and the parts of a document number
// have one length and keep the width that shows it.
constexpr FieldDesign fieldDesign[ReportControls::FieldCount] = {
    {"Sucursal_desde", "", 0, 5, false},
    {"Nro_desde", "", 0, 9, false},
    {"Letra_Desde", "", 1, 2, false},
    {"Sucursal_Hasta", "", 0, 5, false},
    {"Nro_Hasta", "", 0, 9, false},
    {"Letra_Hasta", "", 1, 2, false},
    {"Cliente_desde", "VT_CLIENTES", 15, 15, true},
    {"Cliente_Hasta", "VT_CLIENTES", 15, 15, true},
    {"Fecha_desde", "fecha", 10, 11, false},
    {"Fecha_Hasta", "fecha", 10, 11, false},
    {"Vto_Hasta", "fecha", 10, 11, false},
    {"Vto_desde", "fecha", 10, 11, false},
    {"Motivo_Hasta", "V_TA_MOTIVOCPRA", 15, 15, true},
    {"Motivo_Desde", "V_TA_MOTIVOCPRA", 15, 15, true},
    {"Usuario_Desde", "TA_USUARIOS", 100, 0, true},
    {"IdArticulo", "V_MA_ARTICULOS", 25, 0, true},
    {"UNegocio", "V_TA_UNIDADNEGOCIO", 100, 0, true},
};

constexpr const char* layoutCaptions[ReportControls::LayoutCount] = {
    "&Resumido",
    "&Detallado",
    "&Estadístico",
    "&Control de Huecos",
    "Resumido (por &Usuario)",
    "&Estadístico (por &Usuario)",
    "&Estadístico (por &Estado - &Usuario)",
    "Detallado por Artículo",
    "Resumido (por IR)",
    "&Consolidado de  Artículos",
    "&Consolidado de  Art/proveedor",
    "&Consolidado de  Art/prov/Fecha",
};

struct OptionDesign {
    const char* caption;
    const char* tag;
};

constexpr OptionDesign orderDesign[ReportControls::OrderCount] = {
    {"&Fecha", "{C_MV_Cpte.FechaEntrega}"},
    {"&Numero", "{C_MV_Cpte.IdComprobante}"},
    {"&Cuenta", "{C_MV_Cpte.Cuenta}"},
};

constexpr OptionDesign stateDesign[ReportControls::StateCount] = {
    {"&Pendiente", "Pendiente"},
    {"&Finalizado/Facturado", "Finalizada,Facturado"},
    {"&Anulado", "Anulada"},
    {"&Bloqueado", "Bloqueada"},
    {"&Cerrado", "Cerrada"},
    {"&Recepcionado", "Recepcionada"},
    {"&Vencido", "Vencido"},
};

// Least width of the box column of a range frame: the widest content is the document number
// (point of sale, number and letter side by side).
constexpr int rangeColumnChars = 19;
// The template name box: wide enough for a long name, never a strip across the window.
constexpr int templateNameChars = 22;
constexpr int templateNameMostChars = 40;
constexpr int barHeightPixels = 75;
// Extra width of a larger window: the ranges take two parts, the options one.
constexpr int rangesStretch = 2;
constexpr int optionsStretch = 1;

QString text(const char* latin) { return QString::fromUtf8(latin); }

// The window's body scrolls when the window is smaller than its controls (a 1024x768 screen), and
// asks for the room its controls want, not the scroll area's small default.
class BodyScrollArea : public QScrollArea {
public:
    BodyScrollArea()
    {
        setWidgetResizable(true);
        setFrameShape(QFrame::NoFrame);
        setFocusPolicy(Qt::NoFocus);
    }
    QSize sizeHint() const override
    {
        const QSize content = widget() ? widget()->sizeHint() : QSize();
        return content + QSize(2 * frameWidth(), 2 * frameWidth());
    }
};

} // namespace

QList<QObject*> ReportControls::fieldList() const
{
    QList<QObject*> list;
    for (QLineEdit* box : txtFields)
        list.append(box);
    return list;
}

int ReportControls::fieldIndex(const QObject* object) const
{
    for (int i = 0; i < FieldCount; ++i)
        if (txtFields[size_t(i)] == object)
            return i;
    return -1;
}

QLineEdit* ReportControls::field(const QString& dataField) const
{
    constexpr int kNoSuchElement = 340;
    const int i = app::gControles().IndicePorDataField(dataField, fieldList());
    if (i < 0 || i >= FieldCount)
        vb::raise(kNoSuchElement);
    return txtFields[size_t(i)];
}

QList<int> ReportWindowLayout::entryOrder()
{
    return {ReportControls::FechaDesde,   ReportControls::FechaHasta,    ReportControls::ClienteDesde,
            ReportControls::ClienteHasta, ReportControls::SucursalDesde, ReportControls::NroDesde,
            ReportControls::LetraDesde,   ReportControls::SucursalHasta, ReportControls::NroHasta,
            ReportControls::LetraHasta,   ReportControls::MotivoDesde,   ReportControls::MotivoHasta,
            ReportControls::UsuarioDesde, ReportControls::UNegocio,      ReportControls::VtoDesde,
            ReportControls::VtoHasta,     ReportControls::IdArticulo};
}

ReportControls ReportWindowLayout::build(QWidget* window)
{
    ReportWindowLayout builder(window);
    window->setWindowTitle(text(DesignCaption));

    builder.m_c.TBarRep1 = new commandbar::TBarRep(window);
    ui::Control::setName(builder.m_c.TBarRep1, QStringLiteral("TBarRep1"));
    // A strip across the top: items with their captions and the band under them.
    builder.m_c.TBarRep1->setFixedHeight(barHeightPixels);

    builder.createFields();
    builder.createLayoutOptions();
    builder.createStates();
    builder.createTemplates();

    auto* content = new QWidget;
    auto* body = new QHBoxLayout(content);
    body->setContentsMargins(10, 0, 10, 10);
    body->setSpacing(12);
    body->addWidget(builder.rangesColumn(), rangesStretch);
    body->addWidget(builder.optionsColumn(), optionsStretch);
    auto* scroll = new BodyScrollArea;
    scroll->setWidget(content);

    auto* root = new QVBoxLayout(window);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(8);
    root->addWidget(builder.m_c.TBarRep1);
    root->addWidget(scroll, 1);

    builder.setEntryOrder();
    return builder.m_c;
}

void ReportWindowLayout::fitToContent(QWidget* window)
{
    QSize wanted = window->sizeHint();
    if (const QScreen* screen = window->screen()) {
        const QSize frame = window->frameGeometry().size() - window->geometry().size();
        wanted = wanted.boundedTo(screen->availableGeometry().size() - frame);
    }
    const QSize before = window->size();
    window->resize(wanted);
    window->move(window->pos() + QPoint((before.width() - wanted.width()) / 2, (before.height() - wanted.height()) / 2));
}

int ReportWindowLayout::charsWide(int chars) const
{
    const QFontMetrics metrics(m_window->font());
    return metrics.horizontalAdvance(QLatin1Char('0')) * chars + 12;
}

QGroupBox* ReportWindowLayout::group(const QString& name, int index, const QString& caption)
{
    auto* frame = new QGroupBox(caption);
    ui::Control::declare(frame, name, index);
    return frame;
}

QLabel* ReportWindowLayout::label(const QString& name, int index, const QString& caption)
{
    auto* l = new QLabel(caption);
    ui::Control::declare(l, name, index);
    return l;
}

void ReportWindowLayout::createFields()
{
    for (int i = 0; i < ReportControls::FieldCount; ++i) {
        const FieldDesign& design = fieldDesign[i];
        auto* box = new QLineEdit;
        ui::Control::declare(box, QStringLiteral("txtFields"), i);
        ui::Control::setDataField(box, text(design.dataField));
        ui::Control::setTag(box, text(design.tag));
        if (design.maxLength > 0)
            box->setMaxLength(design.maxLength);
        if (design.grows)
            box->setMinimumWidth(charsWide(design.chars));
        else if (design.chars > 0)
            box->setFixedWidth(charsWide(design.chars));
        // The right button starts the box's lookup.
        box->setContextMenuPolicy(Qt::NoContextMenu);
        m_c.txtFields[size_t(i)] = box;
    }
    for (int i = 0; i < 7; ++i)
        m_c.Label1[size_t(i)] = label(QStringLiteral("Label1"), i, i < 5 ? QStringLiteral("Desde:") : QString());
    m_c.Label1[5]->setText(QStringLiteral("Usuario:"));
    m_c.Label1[6]->setText(text("Artículo:"));
    for (int i = 0; i < 5; ++i)
        m_c.Label2[size_t(i)] = label(QStringLiteral("Label2"), i, QStringLiteral("Hasta:"));
}

void ReportWindowLayout::createLayoutOptions()
{
    for (int i = 0; i < ReportControls::LayoutCount; ++i) {
        auto* option = new QRadioButton(text(layoutCaptions[i]));
        ui::Control::declare(option, QStringLiteral("OptTipo"), i);
        m_c.OptTipo[size_t(i)] = option;
    }
    for (int i = 0; i < ReportControls::OrderCount; ++i) {
        auto* option = new QRadioButton(text(orderDesign[i].caption));
        ui::Control::declare(option, QStringLiteral("OptOrden"), i);
        ui::Control::setTag(option, text(orderDesign[i].tag));
        m_c.OptOrden[size_t(i)] = option;
    }
    m_c.OptOrden[0]->setChecked(true);
}

void ReportWindowLayout::createStates()
{
    for (int i = 0; i < ReportControls::StateCount; ++i) {
        auto* box = new QCheckBox(text(stateDesign[i].caption));
        ui::Control::declare(box, QStringLiteral("chkestado"), i);
        ui::Control::setTag(box, text(stateDesign[i].tag));
        m_c.chkestado[size_t(i)] = box;
    }
    m_c.ChkModelo = new QCheckBox(QStringLiteral("&OC Modelo"));
    ui::Control::declare(m_c.ChkModelo, QStringLiteral("ChkModelo"));
    ui::Control::setTag(m_c.ChkModelo, QStringLiteral("Anulada"));
    m_c.ChkGarantia = new QCheckBox(text("Mostrar solamente los comprobantes por Garantía"));
    ui::Control::declare(m_c.ChkGarantia, QStringLiteral("ChkGarantia"));
    m_c.CmbMoneda = new QComboBox;
    ui::Control::declare(m_c.CmbMoneda, QStringLiteral("CmbMoneda"));
    m_c.CmbMoneda->setPlaceholderText(QStringLiteral("Moneda"));
    m_c.CmbMoneda->setToolTip(QStringLiteral("Moneda"));
    m_c.CmbMoneda->setMinimumWidth(charsWide(18));
}

void ReportWindowLayout::createTemplates()
{
    m_c.CboPlantilla = new QComboBox;
    ui::Control::declare(m_c.CboPlantilla, QStringLiteral("CboPlantilla"));
    m_c.CboPlantilla->setEditable(true);
    m_c.CboPlantilla->setInsertPolicy(QComboBox::NoInsert);
    m_c.CboPlantilla->setEditText(QStringLiteral("General"));
    m_c.CboPlantilla->setMinimumWidth(charsWide(templateNameChars));
    m_c.CboPlantilla->setMaximumWidth(charsWide(templateNameMostChars));

    m_c.TbarPlantilla = new QToolBar;
    ui::Control::setName(m_c.TbarPlantilla, QStringLiteral("TbarPlantilla"));
    m_c.TbarPlantilla->setMovable(false);
    m_c.TbarPlantilla->setFloatable(false);
    m_c.TbarPlantilla->setToolButtonStyle(Qt::ToolButtonTextOnly);

    m_c.plantillaMenu = new QMenu(m_window);
    const char* const keys[] = {"Aplicar", "Grabar", "Eliminar"};
    const char* const captions[] = {"Aplicar", "Grabar", "Eliminar "};
    for (int i = 0; i < 3; ++i) {
        QAction* item = m_c.plantillaMenu->addAction(text(captions[i]));
        item->setObjectName(text(keys[i]));
        item->setData(text(keys[i]));
    }

    m_c.plantillaButton = new QToolButton;
    m_c.plantillaButton->setText(QStringLiteral("  Aplicar Plantilla   "));
    m_c.plantillaButton->setToolTip(QStringLiteral("Selector de Plantillas"));
    m_c.plantillaButton->setProperty("Key", QStringLiteral("Plantilla"));
    m_c.plantillaButton->setPopupMode(QToolButton::MenuButtonPopup);
    m_c.plantillaButton->setMenu(m_c.plantillaMenu);
    m_c.plantillaButton->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_c.TbarPlantilla->addWidget(m_c.plantillaButton);

    m_c.FrmPlantilla = new QGroupBox(QStringLiteral("Plantilla"));
    ui::Control::declare(m_c.FrmPlantilla, QStringLiteral("FrmPlantilla"));
    auto* row = new QHBoxLayout(m_c.FrmPlantilla);
    row->addWidget(m_c.CboPlantilla, 1);
    row->addWidget(m_c.TbarPlantilla);
}

QGroupBox* ReportWindowLayout::rangeFrame(QGroupBox* frame, int labelIndex, const QList<int>& from, const QList<int>& to)
{
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(6);
    const auto boxes = [this](const QList<int>& indexes) {
        auto* row = new QHBoxLayout;
        row->setSpacing(4);
        bool grows = false;
        for (int i : indexes) {
            grows = grows || fieldDesign[i].grows;
            row->addWidget(m_c.txtFields[size_t(i)], fieldDesign[i].grows ? 1 : 0);
        }
        if (!grows)
            row->addStretch(1);
        auto* holder = new QWidget;
        holder->setLayout(row);
        row->setContentsMargins(0, 0, 0, 0);
        holder->setMinimumWidth(charsWide(rangeColumnChars));
        return holder;
    };
    grid->addWidget(m_c.Label1[size_t(labelIndex)], 0, 0);
    grid->addWidget(boxes(from), 0, 1);
    grid->addItem(new QSpacerItem(14, 1, QSizePolicy::Fixed), 0, 2);
    grid->addWidget(m_c.Label2[size_t(labelIndex)], 0, 3);
    grid->addWidget(boxes(to), 0, 4);
    // Both bounds widen alike, so the "Hasta" boxes of every frame stay in one column.
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);
    return frame;
}

QGroupBox* ReportWindowLayout::singleFrame(QGroupBox* frame, QLabel* caption, int field)
{
    auto* row = new QHBoxLayout(frame);
    if (caption)
        row->addWidget(caption);
    row->addWidget(m_c.txtFields[size_t(field)], 1);
    return frame;
}

QWidget* ReportWindowLayout::rangesColumn()
{
    using C = ReportControls;
    for (int i = 0; i < 8; ++i) {
        static const char* const captions[8] = {"Motivo",      "Código de Cuenta",     "Fecha",   "Ordenado por...",
                                                "Tipo",        "Fecha de Vencimiento", "Usuario", "U. Negocio"};
        m_c.Frame1[size_t(i)] = group(QStringLiteral("Frame1"), i, text(captions[i]));
    }
    m_c.FrmTipo = group(QStringLiteral("FrmTipo"), 0, text(DesignFrmTipoCaption));
    m_c.frmArt = group(QStringLiteral("frmArt"), -1, QStringLiteral("Artículo"));

    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    layout->addWidget(rangeFrame(m_c.Frame1[C::Fecha], 0, {C::FechaDesde}, {C::FechaHasta}));
    layout->addWidget(rangeFrame(m_c.Frame1[C::Cuenta], 1, {C::ClienteDesde}, {C::ClienteHasta}));
    layout->addWidget(rangeFrame(m_c.FrmTipo, 2, {C::SucursalDesde, C::NroDesde, C::LetraDesde},
                                 {C::SucursalHasta, C::NroHasta, C::LetraHasta}));
    layout->addWidget(rangeFrame(m_c.Frame1[C::Motivo], 3, {C::MotivoDesde}, {C::MotivoHasta}));
    layout->addWidget(rangeFrame(m_c.Frame1[C::Vencimiento], 4, {C::VtoDesde}, {C::VtoHasta}));
    layout->addWidget(singleFrame(m_c.Frame1[C::Usuario], m_c.Label1[5], C::UsuarioDesde));
    layout->addWidget(singleFrame(m_c.Frame1[C::Unidad], nullptr, C::UNegocio));
    layout->addWidget(singleFrame(m_c.frmArt, m_c.Label1[6], C::IdArticulo));
    layout->addStretch(1);
    // The article frame comes and goes with the layout; the window keeps its place.
    QSizePolicy keep = m_c.frmArt->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    m_c.frmArt->setSizePolicy(keep);
    return column;
}

QWidget* ReportWindowLayout::optionsColumn()
{
    using C = ReportControls;
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);

    // Layouts in two columns: the plain ones, then those by user, article and receipt.
    auto* tipo = new QHBoxLayout(m_c.Frame1[C::Tipo]);
    QVBoxLayout* halves[2] = {new QVBoxLayout, new QVBoxLayout};
    for (int i = 0; i < C::LayoutCount; ++i)
        halves[i < 6 ? 0 : 1]->addWidget(m_c.OptTipo[size_t(i)]);
    for (QVBoxLayout* half : halves) {
        half->setSpacing(3);
        half->addStretch(1);
        tipo->addLayout(half, 1);
    }
    layout->addWidget(m_c.Frame1[C::Tipo]);

    auto* orden = new QHBoxLayout(m_c.Frame1[C::Orden]);
    for (QRadioButton* option : m_c.OptOrden)
        orden->addWidget(option);
    orden->addStretch(1);
    layout->addWidget(m_c.Frame1[C::Orden]);

    m_c.Frame2 = group(QStringLiteral("Frame2"), -1, QStringLiteral("Estado del comprobante"));
    auto* estados = new QGridLayout(m_c.Frame2);
    estados->setVerticalSpacing(3);
    QVBoxLayout* stateHalves[2] = {new QVBoxLayout, new QVBoxLayout};
    for (int i = 0; i < C::StateCount; ++i)
        stateHalves[i < 4 ? 0 : 1]->addWidget(m_c.chkestado[size_t(i)]);
    stateHalves[1]->addWidget(m_c.ChkModelo);
    for (int i = 0; i < 2; ++i) {
        stateHalves[i]->setSpacing(3);
        stateHalves[i]->addStretch(1);
        estados->addLayout(stateHalves[i], 0, i);
    }
    layout->addWidget(m_c.Frame2);
    layout->addWidget(m_c.ChkGarantia);

    auto* moneda = new QHBoxLayout;
    moneda->addWidget(m_c.CmbMoneda);
    moneda->addStretch(1);
    layout->addLayout(moneda);
    // The templates stay at the foot of the column whatever shows above them.
    layout->addStretch(1);
    layout->addWidget(m_c.FrmPlantilla);
    return column;
}

void ReportWindowLayout::setEntryOrder()
{
    const QList<int> order = entryOrder();
    QList<QWidget*> chain;
    for (int i : order)
        chain.append(m_c.txtFields[size_t(i)]);
    for (QRadioButton* option : m_c.OptTipo)
        chain.append(option);
    for (QRadioButton* option : m_c.OptOrden)
        chain.append(option);
    for (QCheckBox* box : m_c.chkestado)
        chain.append(box);
    chain << m_c.ChkModelo << m_c.ChkGarantia << m_c.CmbMoneda << m_c.CboPlantilla << m_c.plantillaButton;
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain.at(i - 1), chain.at(i));
}

} // namespace reports
