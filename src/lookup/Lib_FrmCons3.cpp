#include "lookup/Lib_FrmCons3.h"

#include "app/ConfigTable.h"
#include "app/TratamientoErrores.h"
#include "lookup/AnchosConsulta.h"
#include "lookup/LookupRow.h"
#include "lookup/MenuLauncher.h"

#include "ado/AdoEnums.h"
#include "data/DB_Dll.h"
#include "data/SessionValues.h"
#include "ado/SqlQuoting.h"
#include "kit/Utilidades.h"
#include "ui/Control.h"
#include "ui/DialogService.h"
#include "ui/Twips.h"
#include "vb/Conversions.h"
#include "vb/DateTime.h"
#include "vb/Error.h"
#include "vb/Strings.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace lookup {

namespace {

// Designed sizes, in twips.
constexpr int kButtonWidth = 1695;
constexpr int kButtonHeight = 375;
constexpr int kNuevoWidth = 1095;
constexpr int kTodosWidth = 1455;
constexpr int kClientWidth = 7245;
constexpr int kClientHeight = 5115;
constexpr int kBoxGap = 50;            // a search box is this much narrower than its column

constexpr int kAdCurrency = 6;
constexpr int kAdNumeric = 131;
constexpr int kMaxColumnChars = 60;

int px(double twips)
{
    return ui::Twips::toPixels(twips);
}

bool has(const QString& text, const char* part)
{
    return text.contains(QLatin1String(part), Qt::CaseInsensitive);
}

QColor colourOf(std::int32_t rgb)
{
    // The suite keeps colours as numbers with red in the low byte.
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

} // namespace

Lib_FrmCons3::Lib_FrmCons3(QWidget* parent) : QDialog(parent)
{
    buildControls();
    connectHandlers();
}

Lib_FrmCons3::~Lib_FrmCons3() = default;

// ---------------------------------------------------------------- construction

void Lib_FrmCons3::buildControls()
{
    setObjectName(QStringLiteral("Lib_FrmCons3"));
    setWindowTitle(QStringLiteral("Consulta..."));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(px(60), px(60), px(60), px(60));
    layout->setSpacing(px(60));
    layout->addWidget(buildTopRow());
    layout->addWidget(buildFields(), 1);
    layout->addWidget(buildButtons());
    setKeyboardOrder();
    resize(px(kClientWidth), px(kClientHeight));
}

// The operator starts typing in the first search box; Tab goes through the boxes (the ones a
// load adds join them), the list, then the buttons.
void Lib_FrmCons3::setKeyboardOrder()
{
    QWidget* previous = m_search[0];
    for (QWidget* next : std::initializer_list<QWidget*>{m_list, m_aceptar, m_cancelar, m_nueva, m_nuevo, m_todos}) {
        setTabOrder(previous, next);
        previous = next;
    }
    m_search[0]->setFocus();
}

QWidget* Lib_FrmCons3::buildTopRow()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    QFont calibri(QStringLiteral("Calibri"));
    m_nuevo = new QPushButton(QStringLiteral("N&uevo"), row);
    ui::Control::declare(m_nuevo, QStringLiteral("CmdNuevo"));
    m_nuevo->setFixedWidth(px(kNuevoWidth));
    m_todos = new QPushButton(QStringLiteral("&Marcar"), row);
    ui::Control::declare(m_todos, QStringLiteral("CmdTodos"));
    m_todos->setFixedWidth(px(kTodosWidth));
    for (QPushButton* button : {m_nuevo, m_todos}) {
        button->setFont(calibri);
        button->setAutoDefault(false);
    }
    m_label = new QLabel(QStringLiteral("CONSULTA"), row);
    ui::Control::declare(m_label, QStringLiteral("Label1"));
    m_label->setAlignment(Qt::AlignCenter);
    QFont bold = m_label->font();
    bold.setBold(true);
    m_label->setFont(bold);
    layout->addWidget(m_nuevo);
    layout->addWidget(m_todos);
    layout->addWidget(m_label, 1);
    return row;
}

QWidget* Lib_FrmCons3::buildFields()
{
    m_fields = new QWidget(this);
    ui::Control::declare(m_fields, QStringLiteral("picFields"), -1, QStringLiteral("PictureBox"));
    auto* layout = new QVBoxLayout(m_fields);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_searchStrip = new QWidget(m_fields);
    m_fieldName = new QLabel(m_fields);
    ui::Control::declare(m_fieldName, QStringLiteral("lblFieldName"));
    m_fieldName->hide();
    m_list = new QTreeWidget(m_fields);
    ui::Control::declare(m_list, QStringLiteral("ListView1"), -1, QStringLiteral("ListView"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setAllColumnsShowFocus(true);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionsClickable(true);
    m_list->header()->setSortIndicatorShown(false);
    m_list->setColumnCount(0);
    m_list->installEventFilter(this);
    addSearchBox(0);
    ui::Control::setTag(m_search[0], QStringLiteral("IdArticulo"));
    m_searchStrip->setFixedHeight(m_search[0]->sizeHint().height());
    layout->addWidget(m_searchStrip);
    layout->addWidget(m_list, 1);
    return m_fields;
}

QFrame* Lib_FrmCons3::buildButtons()
{
    m_frame = new QFrame(this);
    ui::Control::declare(m_frame, QStringLiteral("Frame1"), -1, QStringLiteral("Frame"));
    m_frame->setFixedHeight(px(kButtonHeight) + px(120));
    m_aceptar = new QPushButton(QStringLiteral("&Aceptar"), m_frame);
    ui::Control::declare(m_aceptar, QStringLiteral("CmdAceptar"));
    m_aceptar->setDefault(true);
    m_cancelar = new QPushButton(QStringLiteral("&Cancelar"), m_frame);
    ui::Control::declare(m_cancelar, QStringLiteral("cmdCancelar"));
    m_nueva = new QPushButton(QStringLiteral("&Nueva Busqueda"), m_frame);
    ui::Control::declare(m_nueva, QStringLiteral("CmdNueva"));
    for (QPushButton* button : {m_aceptar, m_cancelar, m_nueva})
        button->resize(px(kButtonWidth), px(kButtonHeight));
    m_cancelar->setAutoDefault(false);
    m_nueva->setAutoDefault(false);
    return m_frame;
}

QComboBox* Lib_FrmCons3::addSearchBox(int index)
{
    auto* box = new QComboBox(m_searchStrip);
    ui::Control::declare(box, QStringLiteral("CmbSearch"), index, QStringLiteral("ComboBox"));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setToolTip(QStringLiteral("F5 realiza nueva busqueda"));
    box->installEventFilter(this);
    if (!m_search.isEmpty())
        setTabOrder(m_search.last(), box);
    m_search.append(box);
    connect(box, &QComboBox::editTextChanged, this, [this, index] { searchChanged(index); });
    connect(box, &QComboBox::activated, this, [this, index] { searchChanged(index); });
    return box;
}

void Lib_FrmCons3::connectHandlers()
{
    connect(m_aceptar, &QPushButton::clicked, this, [this] { app::guardEvent(QStringLiteral("CmdAceptar_Click"), [this] { CmdAceptar_Click(); }); });
    connect(m_cancelar, &QPushButton::clicked, this, &Lib_FrmCons3::reject);
    connect(m_nueva, &QPushButton::clicked, this, [this] { app::guardEvent(QStringLiteral("CmdNueva_Click"), [this] { CmdNueva_Click(); }); });
    connect(m_nuevo, &QPushButton::clicked, this, [this] { app::guardEvent(QStringLiteral("CmdNuevo_Click"), [this] { CmdNuevo_Click(); }); });
    connect(m_todos, &QPushButton::clicked, this, [this] { app::guardEvent(QStringLiteral("CmdTodos_Click"), [this] { CmdTodos_Click(); }); });
    connect(m_list, &QTreeWidget::itemDoubleClicked, this,
            [this] { app::guardEvent(QStringLiteral("CmdAceptar_Click"), [this] { CmdAceptar_Click(); }); });
    connect(m_list->header(), &QHeaderView::sectionClicked, this,
            [this](int column) { app::guardEvent(QStringLiteral("ListView1_ColumnClick"), [&] { columnClicked(column); }); });
    connect(m_list->header(), &QHeaderView::sectionResized, this, [this] { placeSearchBoxes(); });
    connect(m_list->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { placeSearchBoxes(); });
}

QComboBox* Lib_FrmCons3::CmbSearch(int index) const
{
    return index >= 0 && index < m_search.size() ? m_search[index] : nullptr;
}

// ---------------------------------------------------------------- the driver's window

LookupAnswer Lib_FrmCons3::run(const ListLookupRequest& request)
{
    Lib_FrmCons3 window(QApplication::activeWindow());
    window.StkNivel1 = request.StkNivel1;
    window.StkNivel2 = request.StkNivel2;
    window.StkNivel3 = request.StkNivel3;
    window.StkNivel4 = request.StkNivel4;
    window.MuestraStock = request.MuestraStock;
    window.CfgUsaConsultaLIKE = request.CfgUsaConsultaLIKE;
    window.OrdenarPorLwv = request.OrdenarPorLwv;
    window.FiltroInicial = request.FiltroInicial;
    window.CampoBusqueda = request.CampoBusqueda;
    window.sql = request.sql;
    window.gConnString = request.gConnString;
    window.CampoDevuelto = request.CampoDevuelto;
    window.CheckBoxes = request.CheckBoxes;
    window.UsaCantidades = request.UsaCantidades;
    window.ValoresDefault = request.ValoresDefault;
    window.CmpsDevueltos = request.CmpsDevueltos;
    window.Valores = nullptr;
    window.Cantidades = nullptr;
    // A ticking list is read before it shows; its rows start unticked but for the values the
    // caller asked to tick.
    if (window.CheckBoxes)
        window.ensureLoaded();
    ui::DialogService::instance().showModal(&window);
    LookupAnswer answer{window.ValorDevuelto, window.Valores, window.Cantidades};
    window.CampoDevuelto.clear();
    window.Valores = nullptr;
    window.Cantidades = nullptr;
    window.Unload();
    return answer;
}

void Lib_FrmCons3::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    ensureLoaded();
    placeButtons();
    placeSearchBoxes();
}

void Lib_FrmCons3::ensureLoaded()
{
    if (!m_loaded)
        Load();
}

// ---------------------------------------------------------------- loading

void Lib_FrmCons3::Load()
{
    if (m_loading)
        return;
    if (!loadRows())
        restorePreviousStatement();
}

// One load, every step under the one trap of the window's loading (a step that fails is
// reported and, as the operator answers, run again, passed over or the rest left out); false
// when the statement did not open.
bool Lib_FrmCons3::loadRows()
{
    const QScopedValueRollback loading(m_loading, true);
    const bool handedIn = !std::exchange(m_reloading, false);
    m_loaded = true;
    vb::Trap trap([](const vb::Error& e) { return app::TratamientoErrores(e, vb::Variant::missing(), QStringLiteral("FORM_LOAD")); });
    trap.run([this] { recogniseArticles(); });
    trap.run([this] { createResults(); });
    trap.run([this] { clearRows(); });
    if (vb::Trim(sql).isEmpty()) {
        trap.run([this] { prepareForm(); });
        return true;
    }
    trap.run([&] { takeStatement(handedIn); });
    bool opened = false;
    trap.run([&] { opened = openStatement(); });
    if (!opened)
        return false;
    trap.run([this] { enableMarking(); });
    trap.run([this] { Encolumnar(); });
    trap.run([this] { readRows(); });
    trap.run([this] { applyListOrder(); });
    trap.run([this] { showFirstRow(); });
    trap.run([this] { closeStatement(); });
    trap.run([this] { LeerAnchosColumnas(); });
    trap.run([this] { CalcularAncho(); });
    trap.run([this] { prepareForm(); });
    m_model.markOpened();
    return true;
}

// An article lookup colours its rows by stock and reports a missing article with F12.
void Lib_FrmCons3::recogniseArticles()
{
    EsConsultaArticulos = has(sql, "articulos");
}

void Lib_FrmCons3::createResults()
{
    Valores = vb::Collection::create();
    Cantidades = vb::Collection::create();
}

void Lib_FrmCons3::clearRows()
{
    m_list->clear();
    m_rowSearch.invalidate();
    QFont font = m_list->font();
    font.setBold(true);
    font.setPointSize(10);
    m_list->setFont(font);
}

void Lib_FrmCons3::prepareForm()
{
    kit::Utilidades().PrepararFormulario(this, false);
}

// A statement handed in (by the driver, by "Nueva Busqueda") is the one the next filters build
// on; the window's own reloads keep theirs.
void Lib_FrmCons3::takeStatement(bool handedIn)
{
    sql += u' ';
    m_model.takeStatement(sql, handedIn);
}

bool Lib_FrmCons3::openStatement()
{
    QString text = sql;
    data::gDB().AbrirRecordset(text, rsConsulta, {}, ado::adOpenForwardOnly, ado::adLockReadOnly, ado::adCmdUnspecified, true);
    return rsConsulta && rsConsulta->State() == ado::adStateOpen;
}

void Lib_FrmCons3::enableMarking()
{
    m_todos->setEnabled(CheckBoxes);
}

void Lib_FrmCons3::readRows()
{
    Leer(1, 0);
}

// A load sorts ascending on the column last sorted; the next header click descends.
void Lib_FrmCons3::applyListOrder()
{
    if (OrdenarPorLwv) {
        m_model.sortAscending();
        sortRows(m_model.sortColumn(), m_model.sortOrder());
    } else {
        // The rows keep the statement's order; the header shows none of the list's own.
        m_list->header()->setSortIndicatorShown(false);
        m_rowSearch.rebuild(m_list);
    }
}

void Lib_FrmCons3::showFirstRow()
{
    if (m_list->topLevelItemCount() > 0)
        m_list->setCurrentItem(m_list->topLevelItem(0));
    if (!vb::Trim(FiltroInicial).isEmpty())
        m_search[0]->setEditText(FiltroInicial);
}

void Lib_FrmCons3::closeStatement()
{
    data::gDB().CierraRecordset(rsConsulta);
    rsConsulta.reset();
}

// A statement that does not open (the data access has said why) gives way to the last one that
// did, so a bad filter leaves the rows as they were.
void Lib_FrmCons3::restorePreviousStatement()
{
    rsConsulta.reset();
    if (m_model.fallBack())
        reloadModelStatement();
}

void Lib_FrmCons3::reloadModelStatement()
{
    sql = m_model.text();
    m_reloading = true;
    Load();
}

void Lib_FrmCons3::Encolumnar()
{
    if (!rsConsulta)
        return;
    try {
        m_list->setColumnCount(0);
        const ado::FieldsPtr fields = rsConsulta->Fields();
        const int count = fields->Count();
        m_list->setColumnCount(count);
        int tabOrder = 0;
        for (int i = 0; i < count; ++i)
            buildColumn(i, fields->Item(i), tabOrder);
        for (int i = count; i < m_search.size(); ++i)
            m_search[i]->hide();
    } catch (const vb::Error& e) {
        ui::MsgBox(e.description(), ui::vbOKOnly);
    }
}

void Lib_FrmCons3::buildColumn(int index, const ado::FieldPtr& field, int& tabOrder)
{
    qint64 chars = field->DefinedSize();
    if (field->Type() == kAdCurrency || field->Type() == kAdNumeric)
        chars = 12;
    QComboBox* box = index < m_search.size() ? m_search[index] : addSearchBox(index);
    ++tabOrder;
    ui::Control::setTag(box, field->Name());
    box->show();
    int width = int(std::clamp<qint64>(chars, 0, kMaxColumnChars));
    const QString caption = captionOf(field->Name(), width);
    m_list->headerItem()->setText(index, caption);
    // Measured in the list's own (bold) font, so that a column holds the characters it is sized
    // for; a field narrower than its caption (a flag, a four-character code) still shows the
    // caption whole.
    const int fieldWidth = m_list->fontMetrics().horizontalAdvance(QString(width, u'X'));
    m_list->setColumnWidth(index, std::max(fieldWidth, m_list->header()->sectionSizeHint(index)));
}

QString Lib_FrmCons3::captionOf(const QString& fieldName, int& widthChars) const
{
    if (has(sql, "V_MA_ARTICULOS") || has(sql, "STK_MA_ARTICULOS")) {
        for (int n = 1; n <= 8; ++n) {
            if (vb::textEquals(fieldName, QStringLiteral("PRECIO%1").arg(n)))
                return app::Cfg(QStringLiteral("NOM_PCLASE%1").arg(n));
        }
        return fieldName;
    }
    if (vb::textEquals(ValoresDefault, QStringLiteral("@10")))
        widthChars += 10;
    return fieldName;
}

void Lib_FrmCons3::readStockFields()
{
    const ado::FieldsPtr fields = rsConsulta->Fields();
    m_stockPoint = fields->indexOf(QStringLiteral("PUNTOPEDIDO"));
    m_stock = fields->indexOf(QStringLiteral("Stock"));
}

void Lib_FrmCons3::Leer(qint64, int)
{
    if (!rsConsulta || rsConsulta->Bof())
        return;
    readStockFields();
    m_model.setTicked(ValoresDefault);
    m_precheckField = rsConsulta->Fields()->indexOf(CampoDevuelto);
    QList<QTreeWidgetItem*> rows;
    vb::Trap trap([](const vb::Error& e) { return app::TratamientoErrores(e, vb::Variant::missing(), QStringLiteral("Leer")); });
    while (!trap.left() && !rsConsulta->Eof()) {
        trap.run([&] {
            if (EsConsultaArticulos)
                chooseRowColour();
        });
        trap.run([&] { rows.append(makeRow()); });
        trap.run([&] { rsConsulta->MoveNext(); });
    }
    m_list->addTopLevelItems(rows);
}

// The stock colour of the row being read. A Null stock or reorder point counts as 0.
void Lib_FrmCons3::chooseRowColour()
{
    if (m_stockPoint < 0 || m_stock < 0) {
        ColorFila = QString();
        return;
    }
    const kit::Utilidades util;
    auto amount = [&](int field) {
        const QString text = util.ValorTexto(rsConsulta->Fields()->Item(field)->Value());
        return vb::Trim(text).isEmpty() ? vb::Currency{} : vb::CCur(text);
    };
    const vb::Currency point = amount(m_stockPoint);
    const vb::Currency stock = amount(m_stock);
    const vb::Currency zero{};
    if (point == zero && stock > zero)
        ColorFila = StkNivel1;
    else if (point > zero && stock > point)
        ColorFila = StkNivel2;
    else if (point > zero && stock < point)
        ColorFila = StkNivel3;
    else
        ColorFila = StkNivel4;
}

LookupRow* Lib_FrmCons3::makeRow()
{
    const kit::Utilidades util;
    const ado::FieldsPtr fields = rsConsulta->Fields();
    auto* row = new LookupRow;
    const vb::Variant first = fields->Item(0)->Value();
    row->setCell(0, vb::Trim(util.ValorTexto(first)), first);
    if (CheckBoxes) {
        const bool ticked = m_precheckField >= 0
                         && m_model.isTicked(util.ValorTexto(fields->Item(m_precheckField)->Value()));
        row->setCheckState(0, ticked ? Qt::Checked : Qt::Unchecked);
    }
    for (int i = 1; i < fields->Count(); ++i) {
        const vb::Variant value = fields->Item(i)->Value();
        row->setCell(i, util.FormatearValor(util.ValorTexto(value)), value);
        colourRow(row, i);
    }
    return row;
}

void Lib_FrmCons3::colourRow(LookupRow* row, int column) const
{
    if (!vb::textEquals(MuestraStock, QStringLiteral("SI")) || !EsConsultaArticulos)
        return;
    try {
        if (vb::Trim(vb::CStr(ColorFila)).isEmpty())
            return;
        const QColor colour = colourOf(vb::CLng(ColorFila));
        QFont bold = m_list->font();
        bold.setBold(true);
        for (int cell : {0, column}) {
            row->setForeground(cell, colour);
            row->setFont(cell, bold);
        }
    } catch (const vb::Error&) {
        // A colour that is no number leaves the row as it is.
    }
}

void Lib_FrmCons3::LeerAnchosColumnas()
{
    // Any fault of the file ends the reading without a message, the widths applied so far
    // staying (the model says which).
    m_model.setWidths(columnWidths());
    m_model.readSavedWidths();
    const QList<double>& widths = m_model.widths();
    for (int i = 0; i < widths.size(); ++i)
        m_list->setColumnWidth(i, px(widths[i]));
}

void Lib_FrmCons3::GrabarAnchosColumnas()
{
    m_model.setWidths(columnWidths());
    m_model.saveWidths();
}

// The list's column widths in twips.
QList<double> Lib_FrmCons3::columnWidths() const
{
    QList<double> widths;
    for (int i = 0; i < m_list->columnCount(); ++i)
        widths.append(ui::Twips::fromPixels(m_list->columnWidth(i)));
    return widths;
}

void Lib_FrmCons3::CalcularAncho()
{
    int total = 0;
    for (int i = 0; i < m_list->columnCount(); ++i)
        total += m_list->columnWidth(i);
    placeSearchBoxes();
    // Wide enough for every column, never wider than the screen less a margin.
    const QMargins margins = layout()->contentsMargins();
    const int chrome = margins.left() + margins.right() + 2 * m_list->frameWidth()
                     + m_list->verticalScrollBar()->sizeHint().width() + 2;
    const int wanted = total + chrome;
    const int screen = px(ui::Twips::screenSize(this).width());
    const int windowWidth = wanted + px(360) >= screen ? screen - px(480) : std::max(wanted, px(kClientWidth) / 2);
    resize(windowWidth, height());
}

void Lib_FrmCons3::placeSearchBoxes()
{
    const QHeaderView* header = m_list->header();
    const int origin = m_list->x() + m_list->viewport()->x() - m_searchStrip->x();
    const int height = m_searchStrip->height();
    for (int i = 0; i < m_search.size(); ++i) {
        QComboBox* box = m_search[i];
        if (i >= m_list->columnCount() || !box->isVisibleTo(this)) {
            continue;
        }
        const int left = origin + header->sectionViewportPosition(i);
        box->setGeometry(left, 0, std::max(header->sectionSize(i) - px(kBoxGap), 1), height);
    }
}

void Lib_FrmCons3::placeButtons()
{
    const int frameWidth = m_frame->width();
    const int top = (m_frame->height() - m_aceptar->height()) / 2;
    m_aceptar->move(px(100), top);
    m_cancelar->move((frameWidth - m_cancelar->width()) / 2, top);
    m_nueva->move(frameWidth - (m_cancelar->width() + px(150)), top);
    if (m_nueva->isVisibleTo(this))
        return;
    if (m_aceptar->width() + m_cancelar->width() + px(400) > frameWidth) {
        m_aceptar->resize(m_aceptar->width() / 2, m_aceptar->height());
        m_cancelar->resize(m_aceptar->width(), m_cancelar->height());
        m_aceptar->move(px(100), top);
        m_cancelar->move(frameWidth - (m_cancelar->width() + px(150)), top);
    } else {
        m_cancelar->move(m_nueva->x(), top);
    }
}

// The window sees the keys its controls leave: F12 reaches it from the list and the boxes.
void Lib_FrmCons3::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F12 && EsConsultaArticulos) {
        event->accept();
        app::guardEvent(QStringLiteral("Form_KeyDown"), [this] { reportMissingArticle(); });
        return;
    }
    QDialog::keyPressEvent(event);
}

void Lib_FrmCons3::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    placeButtons();
    placeSearchBoxes();
}

void Lib_FrmCons3::Unload()
{
    UsarUDBC = false;
    try {
        if (GrabarCfg)
            GrabarAnchosColumnas();
    } catch (const vb::Error& e) {
        ui::MsgBox(e.description(), ui::vbCritical, QStringLiteral("Aviso al Operador"));
    }
    m_list->clear();
    m_rowSearch.invalidate();
}

// Sorted here rather than by the list, which would ask every pair of rows for their data.
void Lib_FrmCons3::sortRows(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= m_list->columnCount())
        return;
    QTreeWidgetItem* current = m_list->currentItem();
    const QList<QTreeWidgetItem*> taken = m_list->invisibleRootItem()->takeChildren();
    std::vector<LookupRow::SortKey> keys;
    keys.reserve(size_t(taken.size()));
    for (QTreeWidgetItem* item : taken)
        keys.push_back(static_cast<LookupRow*>(item)->sortKey(column));
    if (order == Qt::AscendingOrder)
        std::stable_sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) { return LookupRow::before(a, b); });
    else
        std::stable_sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) { return LookupRow::before(b, a); });
    QList<QTreeWidgetItem*> sorted;
    sorted.reserve(qsizetype(keys.size()));
    for (const LookupRow::SortKey& key : keys)
        sorted.append(key.row);
    m_list->addTopLevelItems(sorted);
    if (current)
        m_list->setCurrentItem(current);
    m_list->header()->setSortIndicatorShown(true);
    m_list->header()->setSortIndicator(column, order);
    m_rowSearch.rebuild(m_list);
}

// ---------------------------------------------------------------- option pickers

void Lib_FrmCons3::prepareOptions(const QString& titulo, bool checkBoxes)
{
    ensureLoaded();
    setWindowTitle(titulo);
    m_nueva->hide();
    OrdenarPorLwv = true;
    sql.clear();
    gConnString.clear();
    CampoDevuelto = titulo;
    CheckBoxes = checkBoxes;
    m_todos->setEnabled(checkBoxes);
    m_list->clear();
    m_rowSearch.invalidate();
    m_list->setColumnCount(1);
    m_list->headerItem()->setText(0, titulo);
    m_list->header()->setStretchLastSection(true);
    for (int i = 1; i < m_search.size(); ++i)
        m_search[i]->hide();
    placeButtons();
}

void Lib_FrmCons3::addOption(const QString& text, bool checked)
{
    auto* row = new LookupRow;
    row->setText(0, text);
    if (CheckBoxes)
        row->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
    m_list->addTopLevelItem(row);
    if (m_list->topLevelItemCount() == 1)
        m_list->setCurrentItem(row);
    m_rowSearch.invalidate();
}

int Lib_FrmCons3::optionsWidth(int longest, int screenWidth)
{
    const int wanted = longest * 120;
    return wanted < screenWidth ? wanted : screenWidth;
}

// ---------------------------------------------------------------- searching and sorting

qint64 Lib_FrmCons3::Busqueda(qint64 Clave, const QString& QueValor)
{
    const int column = Clave < 1 ? 0 : int(Clave);
    return m_rowSearch.find(m_list, column, QueValor) + 1;
}

int Lib_FrmCons3::IndiceColumna(const QString& Columna) const
{
    const QString wanted = vb::Trim(Columna);
    for (int i = 0; i < m_list->columnCount(); ++i) {
        if (vb::textEquals(vb::Trim(m_list->headerItem()->text(i)), wanted))
            return i + 1;
    }
    return 0;
}

void Lib_FrmCons3::selectRow(int row)
{
    QTreeWidgetItem* item = m_list->topLevelItem(row);
    if (!item)
        return;
    m_list->setCurrentItem(item);
    m_list->scrollToItem(item);
}

QTreeWidgetItem* Lib_FrmCons3::selectedRow() const
{
    const QList<QTreeWidgetItem*> selected = m_list->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

void Lib_FrmCons3::searchChanged(int index)
{
    vb::Trap skip = vb::Trap::skipping();
    skip.run([&] {
        const qint64 row = Busqueda(index, vb::Trim(m_search[index]->currentText()));
        if (row != 0)
            selectRow(int(row - 1));
    });
}

void Lib_FrmCons3::searchKey(int index, QKeyEvent* event, bool& handled)
{
    switch (event->key()) {
    case Qt::Key_F5:
        handled = true;
        app::guardEvent(QStringLiteral("CmbSearch_KeyDown"), [&] { filterRows(index); });
        break;
    case Qt::Key_Down:
    case Qt::Key_Up:
    case Qt::Key_PageDown:
    case Qt::Key_PageUp:
        handled = true;
        m_list->setFocus();
        break;
    default:
        break;
    }
}

void Lib_FrmCons3::filterRows(int index)
{
    // The option pickers have no statement to filter.
    if (!m_model.hasStatement())
        return;
    QComboBox* box = m_search[index];
    const QString field = ui::Control::tag(box);
    const QString typed = box->currentText();
    if (!CfgUsaConsultaLIKE)
        box->setEditText(kit::Utilidades().Reemplazar(typed, QStringLiteral("*"), QStringLiteral("%")));
    m_model.addFilter(field, typed, CfgUsaConsultaLIKE);
    box->setEditText(QString());
    reloadModelStatement();
}

void Lib_FrmCons3::columnClicked(int column)
{
    vb::Trap skip = vb::Trap::skipping();
    skip.run([&] {
        m_model.toggleSort(column);
        sortRows(column, m_model.sortOrder());
    });
    skip.run([&] {
        const QString caption = m_list->headerItem()->text(column);
        if (has(caption, "fecha") || has(caption, "VENCIMIENTO"))
            OrdenarPorFecha(caption);
    });
}

void Lib_FrmCons3::OrdenarPorFecha(const QString& Cual)
{
    const QString saved = sql;
    if (m_model.orderByDate(Cual))
        OrdenarPorLwv = false;
    reloadModelStatement();
    sql = saved;
}

// ---------------------------------------------------------------- keys

bool Lib_FrmCons3::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        bool handled = false;
        listKey(static_cast<QKeyEvent*>(event), handled);
        return handled;
    }
    const int index = m_search.indexOf(qobject_cast<QComboBox*>(watched));
    if (index >= 0) {
        switch (event->type()) {
        case QEvent::KeyPress: {
            bool handled = false;
            searchKey(index, static_cast<QKeyEvent*>(event), handled);
            return handled;
        }
        case QEvent::FocusIn:
            ComboActual = index;
            m_search[index]->lineEdit()->setStyleSheet(QStringLiteral("background-color: #00FFFF;"));
            break;
        case QEvent::FocusOut:
            m_search[index]->lineEdit()->setStyleSheet(QStringLiteral("background-color: #FFFFFF;"));
            break;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void Lib_FrmCons3::listKey(QKeyEvent* event, bool& handled)
{
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (key == Qt::Key_Space && CheckBoxes)
        return;                             // the list ticks the row itself
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        handled = true;
        app::guardEvent(QStringLiteral("ListView1_KeyDown"), [this] { CmdAceptar_Click(); });
        return;
    }
    if (UsaCantidades && (key == Qt::Key_Insert || (key == Qt::Key_Delete && modifiers == Qt::NoModifier))) {
        handled = true;
        quantityKey(key, modifiers);
        return;
    }
    if (key == Qt::Key_Backspace) {
        handled = true;
        eraseTyped();
        return;
    }
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return;
    const QString text = event->text();
    const bool printable = !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); });
    if (!printable)
        return;
    // The numeric pad types nothing, and its characters must not reach the list either, whose
    // own type-ahead would move the row; its arrows carry no text and still move along the list.
    handled = true;
    if (!(event->modifiers() & Qt::KeypadModifier))
        appendTyped(text);
}

void Lib_FrmCons3::appendTyped(const QString& text)
{
    QComboBox* box = CmbSearch(ComboActual);
    if (!box)
        return;
    box->setEditText(box->currentText() + text);
    box->setFocus();
}

void Lib_FrmCons3::eraseTyped()
{
    QComboBox* box = CmbSearch(ComboActual);
    if (!box)
        return;
    box->setEditText(box->currentText().chopped(std::min<qsizetype>(1, box->currentText().size())));
    box->setFocus();
}

// Quantities are shown in the regional form and read back in it, so a fraction survives.
void Lib_FrmCons3::quantityKey(int key, Qt::KeyboardModifiers modifiers)
{
    vb::Trap trap([](const vb::Error& e) { return app::TratamientoErrores(e, vb::Variant::missing(), QStringLiteral("ListView1_KeyDown")); });
    const int column = IndiceColumna(QStringLiteral("**Cantidad**")) - 1;
    if (column < 0)
        return;
    QTreeWidgetItem* row = nullptr;
    trap.run([&] {
        row = selectedRow();
        if (!row)
            vb::raise(91);
    });
    if (!row)
        return;
    // A quantity above zero ticks the row, except when one is taken away; none unticks it.
    auto setQuantity = [&](const vb::Currency& amount, const QString& pattern, bool ticks = true) {
        const bool positive = amount > vb::Currency{};
        static_cast<LookupRow*>(row)->setCell(column, positive ? vb::Format(amount, pattern) : QStringLiteral("0.00"), amount);
        if (CheckBoxes && (ticks || !positive))
            row->setCheckState(0, positive ? Qt::Checked : Qt::Unchecked);
        m_rowSearch.invalidate();
    };
    trap.run([&] {
        const vb::Currency current = kit::Utilidades().TextoANumero(row->text(column));
        const vb::Currency one = vb::Currency::fromRaw(10000);
        if (key == Qt::Key_Insert && modifiers == Qt::ShiftModifier) {
            const QString answer = ui::InputBox(QStringLiteral("Ingrese la Cantidad del Articulo..."),
                                                QStringLiteral("Carga de Datos"), row->text(column));
            const vb::Variant typed(vb::Trim(answer));
            if (!vb::Trim(answer).isEmpty() && typed.isNumeric())
                setQuantity(vb::CCur(typed), QStringLiteral("########0.00"));
        } else if (key == Qt::Key_Insert && modifiers == Qt::NoModifier) {
            setQuantity(vb::Currency::fromRaw(current.raw + one.raw), QStringLiteral("########0.0"));
        } else if (key == Qt::Key_Delete) {
            setQuantity(vb::Currency::fromRaw(current.raw - one.raw), QStringLiteral("########0.0"), false);
        }
    });
}

// ---------------------------------------------------------------- accept, cancel and the buttons

QString Lib_FrmCons3::columnValue(const QTreeWidgetItem* row, int column) const
{
    if (column < 1 || column > m_list->columnCount())
        return {};                          // a name that matches no column gives nothing
    return row->text(column - 1);
}

void Lib_FrmCons3::CmdAceptar_Click()
{
    vb::Trap trap([](const vb::Error& e) { return app::TratamientoErrores(e, vb::Variant::missing(), QStringLiteral("CmdAceptar_Click")); });
    if (CheckBoxes)
        acceptChecked(trap);
    else
        acceptSelected(trap);
}

void Lib_FrmCons3::acceptChecked(vb::Trap& trap)
{
    trap.run([&] {
        if (CampoDevuelto.isEmpty() && m_list->columnCount() > 0)
            CampoDevuelto = m_list->headerItem()->text(0);
    });
    trap.run([&] {
        if (!Valores)
            Valores = vb::Collection::create();
        const int column = IndiceColumna(CampoDevuelto);
        for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* row = m_list->topLevelItem(i);
            if (row->checkState(0) == Qt::Checked)
                Valores->add(columnValue(row, column));
        }
    });
    if (!trap.left())
        QDialog::accept();
}

void Lib_FrmCons3::acceptSelected(vb::Trap& trap)
{
    const QTreeWidgetItem* row = selectedRow();
    if (!row) {
        QDialog::accept();
        return;
    }
    QString value;
    trap.run([&] {
        if (!CmpsDevueltos)
            return;
        if (!Valores)
            Valores = vb::Collection::create();
        for (const vb::Variant& name : *CmpsDevueltos) {
            value = columnValue(row, IndiceColumna(vb::CStr(name)));
            Valores->add(value);
        }
    });
    trap.run([&] {
        if (!vb::Trim(CampoDevuelto).isEmpty())
            value = columnValue(row, IndiceColumna(CampoDevuelto));
        ValorDevuelto = value;
    });
    if (!trap.left())
        QDialog::accept();
}

void Lib_FrmCons3::reject()
{
    app::guardEvent(QStringLiteral("cmdCancelar_Click"), [this] { cmdCancelar_Click(); });
}

void Lib_FrmCons3::cmdCancelar_Click()
{
    ValorDevuelto = QString();
    CmpsDevueltos = nullptr;
    Valores = nullptr;
    QDialog::reject();
}

void Lib_FrmCons3::CmdNueva_Click()
{
    vb::Trap skip = vb::Trap::skipping();
    skip.run([&] { sql = m_model.original(); });
    skip.run([&] { Load(); });
    skip.run([&] { m_search[0]->setFocus(); });
}

void Lib_FrmCons3::CmdNuevo_Click()
{
    const QString table = vb::Trim(m_model.table());
    auto is = [&](const char* name) { return vb::textEquals(table, QString::fromLatin1(name)); };
    QString destino = QStringLiteral("SHELL:V_TA_TABLAS");
    QString parametros = table;
    if (is("VT_CLIENTES") || is("VT_PROVEEDORES")) {
        destino = QStringLiteral("SHELL:V_MA_CLIENTES");
        parametros = is("VT_CLIENTES") ? QStringLiteral("1") : QStringLiteral("0");
    } else if (is("V_TA_Tecnicos")) {
        destino = QStringLiteral("SHELL:V_TA_Tecnicos");
        parametros.clear();
    } else if (is("V_TA_VENDEDORES")) {
        destino = QStringLiteral("SHELL:V_TA_VENDEDORES");
        parametros.clear();
    } else if (is("V_MA_ARTICULOS") || is("VT_MA_ARTICULOS")) {
        destino = QStringLiteral("SHELL:V_MA_ARTICULOS");
        parametros.clear();
    }
    qint64 proceso = 0;
    vb::Trap skip = vb::Trap::skipping();
    skip.run([&] { MenuLauncher::MenuExes(destino, parametros, proceso); });
}

void Lib_FrmCons3::CmdTodos_Click()
{
    if (!CheckBoxes)
        return;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = m_list->topLevelItem(i);
        row->setCheckState(0, row->checkState(0) == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    }
}

// F12 in an article list: the selected article is written down as missing from stock.
void Lib_FrmCons3::reportMissingArticle()
{
    if (!EsConsultaArticulos)
        return;
    const QTreeWidgetItem* row = selectedRow();
    if (!row)
        return;
    const QString id = columnValue(row, IndiceColumna(QStringLiteral("idarticulo")));
    const QString descripcion = columnValue(row, IndiceColumna(QStringLiteral("Descripcion")));
    const QString question = QStringLiteral("Desea informar el articulo ") + vb::Trim(id) + u' ' + vb::Trim(descripcion)
                           + QStringLiteral("\r\ncomo un faltante de stock?");
    if (ui::MsgBox(question, ui::vbYesNo + ui::vbQuestion, QStringLiteral("Atención!")) != ui::vbYes)
        return;
    const kit::Utilidades util;
    data::DB_Dll& db = data::gDB();
    const QString user = data::gUsuarioActual.isEmpty() ? db.settings().gUsuario : data::gUsuarioActual;
    QString statement = QStringLiteral("INSERT INTO V_MV_FALTANTES (FechaHora,IdArticulo,Descripcion,Usuario) values(")
                      + util.FechaSQL(vb::Variant(vb::Date::fromDateTime(vb::Clock::now()))) + QStringLiteral(",")
                      + ado::quoteSqlText(util.FormatearValor(id, 25)) + u','
                      + ado::quoteSqlText(vb::Trim(descripcion)) + u',' + ado::quoteSqlText(user)
                      + u')';
    qint64 affected = 0;
    ado::RecordsetPtr none;
    db.EjecutaConsultaSQL(statement, affected, none);
}

} // namespace lookup
