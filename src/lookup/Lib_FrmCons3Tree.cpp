#include "lookup/Lib_FrmCons3Tree.h"

#include "app/SharedObjects.h"
#include "app/TratamientoErrores.h"
#include "data/DB_Dll.h"
#include "kit/Utilidades.h"
#include "ui/Control.h"
#include "ui/DialogService.h"
#include "ui/Twips.h"
#include "vb/Strings.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace lookup {

namespace {

constexpr int kKeyRole = Qt::UserRole;
constexpr int kTextType = 8;                 // adBSTR: the code is compared as a quoted text
constexpr int kDuplicateKey = 35602;
const QString kRootKey = QStringLiteral("A");
const QString kFilterColumn = QStringLiteral("Descripcion");

int px(double twips)
{
    return ui::Twips::toPixels(twips);
}

vb::Trap trapFor(const QString& routine)
{
    return vb::Trap([routine](const vb::Error& e) { return app::TratamientoErrores(e, vb::Variant::missing(), routine); });
}

QString text(const vb::Variant& value)
{
    return app::gUtil().ValorTexto(value);
}

// The part of a node's text before its first "-" and the part after it, both trimmed.
void splitText(const QString& nodeText, QString& code, QString& description)
{
    const qsizetype dash = nodeText.indexOf(u'-');
    code = dash < 0 ? QString() : vb::Trim(nodeText.left(dash));
    description = vb::Trim(dash < 0 ? nodeText : nodeText.mid(dash + 1));
}

bool beginsWith(const QString& part, const QString& typed)
{
    return vb::textEquals(vb::Left(part, vb::Len(typed)), typed);
}

} // namespace

Lib_FrmCons3Tree::Lib_FrmCons3Tree(QWidget* parent) : QDialog(parent)
{
    buildControls();
    connectHandlers();
}

Lib_FrmCons3Tree::~Lib_FrmCons3Tree() = default;

void Lib_FrmCons3Tree::buildControls()
{
    setObjectName(QStringLiteral("Lib_FrmCons3Tree"));
    setWindowTitle(QStringLiteral("Consulta..."));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(px(90), px(90), px(90), px(90));
    layout->setSpacing(px(60));

    m_search = new QComboBox(this);
    ui::Control::declare(m_search, QStringLiteral("CmbSearch"), 0, QStringLiteral("ComboBox"));
    m_search->setEditable(true);
    m_search->setInsertPolicy(QComboBox::NoInsert);
    m_search->setToolTip(QStringLiteral("F5 realiza nueva busqueda"));
    m_search->installEventFilter(this);
    m_search->lineEdit()->installEventFilter(this);
    layout->addWidget(m_search);

    m_tree = new QTreeWidget(this);
    ui::Control::declare(m_tree, QStringLiteral("TreeV"), -1, QStringLiteral("TreeView"));
    m_tree->setHeaderHidden(true);
    m_tree->setColumnCount(1);
    m_tree->setRootIsDecorated(true);
    m_tree->setUniformRowHeights(true);
    m_tree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tree->setExpandsOnDoubleClick(false);
    layout->addWidget(m_tree, 1);

    auto* buttons = new QHBoxLayout;
    m_aceptar = new QPushButton(QStringLiteral("&Aceptar"), this);
    ui::Control::declare(m_aceptar, QStringLiteral("CmdAceptar"));
    m_aceptar->setDefault(true);
    m_nueva = new QPushButton(QStringLiteral("&Nueva Busqueda"), this);
    ui::Control::declare(m_nueva, QStringLiteral("CmdNueva"));
    m_cancelar = new QPushButton(QStringLiteral("&Cancelar"), this);
    ui::Control::declare(m_cancelar, QStringLiteral("cmdCancelar"));
    for (QPushButton* button : {m_aceptar, m_nueva, m_cancelar}) {
        button->setMinimumSize(px(1455), px(375));
        buttons->addWidget(button);
    }
    m_nueva->setAutoDefault(false);
    m_cancelar->setAutoDefault(false);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    resize(px(6300), px(6600));
}

void Lib_FrmCons3Tree::connectHandlers()
{
    connect(m_search, &QComboBox::editTextChanged, this,
            [this] { app::guardEventQuietly(QStringLiteral("CmbSearch_Change"), [this] { CmbSearch_Change(); }); });
    connect(m_search, &QComboBox::activated, this,
            [this] { app::guardEventQuietly(QStringLiteral("CmbSearch_Click"), [this] { CmbSearch_Change(); }); });
    connect(m_aceptar, &QPushButton::clicked, this,
            [this] { app::guardEvent(QStringLiteral("CmdAceptar_Click"), [this] { CmdAceptar_Click(); }); });
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this,
            [this] { app::guardEvent(QStringLiteral("CmdAceptar_Click"), [this] { CmdAceptar_Click(); }); });
    connect(m_cancelar, &QPushButton::clicked, this, &Lib_FrmCons3Tree::reject);
    connect(m_nueva, &QPushButton::clicked, this,
            [this] { app::guardEvent(QStringLiteral("CmdNueva_Click"), [this] { CmdNueva_Click(); }); });
    connect(m_tree, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item) {
        app::guardEvent(QStringLiteral("TreeV_NodeCheck"), [&] { TreeV_NodeCheck(item); });
    });
}

// ---------------------------------------------------------------- the driver's window

LookupAnswer Lib_FrmCons3Tree::run(const TreeLookupRequest& request)
{
    Lib_FrmCons3Tree window(QApplication::activeWindow());
    window.sql = request.sql;
    window.CampoDevuelto = request.CampoDevuelto;
    window.CheckBoxes = request.CheckBoxes;
    ui::DialogService::instance().showModal(&window);
    LookupAnswer answer{window.ValorDevuelto, window.Valores, nullptr};
    window.Form_Unload();
    return answer;
}

void Lib_FrmCons3Tree::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    ensureLoaded();
}

void Lib_FrmCons3Tree::ensureLoaded()
{
    if (!m_loaded)
        Form_Load();
}

// ---------------------------------------------------------------- building

void Lib_FrmCons3Tree::Form_Load()
{
    m_loaded = true;
    vb::Trap trap = trapFor(QStringLiteral("FORM_LOAD"));
    trap.run([&] { Valores = vb::Collection::create(); });
    trap.run([&] { clearNodes(); });
    trap.run([&] {
        if (isFamilyStatement())
            ArmarTreeVFamilias();
        else
            ArmarTreeVAutomatico();
    });
}

void Lib_FrmCons3Tree::Form_Unload()
{
    clearNodes();
}

void Lib_FrmCons3Tree::clearNodes()
{
    const QSignalBlocker quiet(m_tree);
    m_tree->clear();
    m_nodes.clear();
    m_keys.clear();
    m_folded.clear();
}

bool Lib_FrmCons3Tree::isFamilyStatement() const
{
    return sql.contains(QLatin1String("v_ta_familias"), Qt::CaseInsensitive);
}

QString Lib_FrmCons3Tree::familyStatement() const
{
    QString statement = QStringLiteral("SELECT     TOP 100 PERCENT IdFamilia, Descripcion, ")
                      + QStringLiteral("(SELECT     TOP 1 idfamilia FROM @Admin_v_ta_familias a  ")
                      + QStringLiteral(" Where a.IdFamilia < b.IdFamilia And (Len(LTrim(RTrim(a.IdFamilia))) < "
                                       "Len(LTrim(RTrim(b.IdFamilia)))) ")
                      + QStringLiteral(" ORDER BY idfamilia DESC) AS [relative] FROM dbo.V_TA_FAMILIAS b Where IdFamilia<>''");
    for (const QString& condition : m_model.conditions())
        statement += QStringLiteral(" and ") + condition;
    return statement + QStringLiteral(" ORDER BY IdFamilia");
}

void Lib_FrmCons3Tree::startTree()
{
    clearNodes();
    const QSignalBlocker quiet(m_tree);
    QTreeWidgetItem* root = addNode(nullptr, kRootKey, QStringLiteral("Consulta..."));
    root->setExpanded(true);
}

QTreeWidgetItem* Lib_FrmCons3Tree::addNode(QTreeWidgetItem* parent, const QString& key, const QString& nodeText)
{
    if (m_keys.contains(key))
        vb::raise(kDuplicateKey, QStringLiteral("La clave no es única en la colección"));
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(m_tree);
    item->setText(0, nodeText);
    item->setData(0, kKeyRole, key);
    if (CheckBoxes) {
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0, Qt::Unchecked);
    }
    m_nodes.push_back(item);
    m_keys.insert(key, item);
    const QString folded = vb::textKey(key);
    if (!m_folded.contains(folded))
        m_folded.insert(folded, item);
    return item;
}

QString Lib_FrmCons3Tree::keyOf(const QTreeWidgetItem* node)
{
    return node ? node->data(0, kKeyRole).toString() : QString();
}

// The rows of the statement as [column][row]; false when there are none, or fewer columns than
// the tree needs (an error the operator is told of).
bool Lib_FrmCons3Tree::readRows(vb::Trap& trap, const QString& statement, std::vector<std::vector<vb::Variant>>& rows,
                                size_t columns)
{
    data::DB_Dll& db = data::gDB();
    ado::RecordsetPtr rs;
    QString statementText = statement;
    bool any = false;
    trap.run([&] { db.AbrirRecordset(statementText, rs, db.gCnn, 0, 1, -1, true); });
    trap.run([&] { any = rs && !(rs->Bof() && rs->Eof()); });
    if (any) {
        trap.run([&] {
            rs->MoveFirst();
            rs->MoveLast();
            rs->MoveFirst();
        });
        trap.run([&] { rows = rs->GetRows(rs->RecordCount()); });
    }
    trap.run([&] { db.CierraRecordset(rs); });
    if (!any || trap.left())
        return false;
    bool enough = false;
    trap.run([&] {
        if (rows.size() < columns)
            vb::raise(9);
        enough = !rows[0].empty();
    });
    return enough;
}

// Among the nodes whose key begins the given one (letter case aside), the one with the longest
// key; of equal keys the first added. The root always qualifies.
QTreeWidgetItem* Lib_FrmCons3Tree::longestPrefixNode(const QString& key) const
{
    for (qsizetype length = key.size(); length > 0; --length) {
        if (QTreeWidgetItem* found = m_folded.value(vb::textKey(key.left(length))))
            return found;
    }
    return m_nodes.empty() ? nullptr : m_nodes.front();
}

void Lib_FrmCons3Tree::ArmarTreeVFamilias()
{
    vb::Trap trap = trapFor(QStringLiteral("ArmarTreeVFamilias"));
    trap.run([&] { startTree(); });
    trap.run([&] { sql = familyStatement(); });
    std::vector<std::vector<vb::Variant>> rows;
    if (!readRows(trap, sql, rows, 3))
        return;
    const QSignalBlocker quiet(m_tree);
    for (size_t row = 0; row < rows[0].size() && !trap.left(); ++row)
        trap.run([&] { addFamily(rows, row); });
}

// A family hangs under its parent family; one whose parent is not in the tree (left out by a
// filter or by the user's restrictions) under the nearest node its code extends.
void Lib_FrmCons3Tree::addFamily(const std::vector<std::vector<vb::Variant>>& rows, size_t row)
{
    const QString code = text(rows[0][row]);
    const QString key = kRootKey + code;
    const vb::Variant& relative = rows[2][row];
    QTreeWidgetItem* parent = relative.isNull() ? m_nodes.front() : node(kRootKey + text(relative));
    if (!parent)
        parent = longestPrefixNode(key);
    addNode(parent, key, code + QStringLiteral(" - ") + text(rows[1][row]));
}

void Lib_FrmCons3Tree::ArmarTreeVAutomatico()
{
    vb::Trap trap = trapFor(QStringLiteral("ArmarTreeVAutomatico"));
    trap.run([&] { startTree(); });
    std::vector<std::vector<vb::Variant>> rows;
    if (!readRows(trap, sql, rows, 2))
        return;
    const QSignalBlocker quiet(m_tree);
    for (size_t row = 0; row < rows[0].size() && !trap.left(); ++row)
        trap.run([&] { addByPrefix(rows, row); });
}

void Lib_FrmCons3Tree::addByPrefix(const std::vector<std::vector<vb::Variant>>& rows, size_t row)
{
    const QString code = text(rows[0][row]);
    const QString key = kRootKey + code;
    addNode(longestPrefixNode(key), key, code + QStringLiteral(" - ") + text(rows[1][row]));
}

// ---------------------------------------------------------------- the operator

void Lib_FrmCons3Tree::CmbSearch_Change()
{
    const QString typed = m_search->currentText();
    vb::Trap skip = vb::Trap::skipping();
    skip.run([&] {
        for (QTreeWidgetItem* candidate : m_nodes) {
            QString code, description;
            splitText(candidate->text(0), code, description);
            if (typed.isEmpty() || beginsWith(code, typed) || beginsWith(description, typed)) {
                m_tree->setCurrentItem(candidate);
                m_tree->scrollToItem(candidate);
                return;
            }
        }
    });
}

bool Lib_FrmCons3Tree::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == m_search || watched == m_search->lineEdit()) && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        bool handled = false;
        app::guardEventQuietly(QStringLiteral("CmbSearch_KeyDown"), [&] { handled = CmbSearch_KeyDown(key); });
        if (handled)
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

bool Lib_FrmCons3Tree::CmbSearch_KeyDown(int key)
{
    switch (key) {
    case Qt::Key_F5:
        filterAndReload();
        return true;
    case Qt::Key_Down:
    case Qt::Key_Up:
    case Qt::Key_PageDown:
    case Qt::Key_PageUp:
        m_tree->setFocus();
        return true;
    default:
        return false;
    }
}

// F5 narrows the statement to descriptions holding the typed text, as literal text. Filters
// add up; the family tree keeps its own statement and takes them as extra conditions.
void Lib_FrmCons3Tree::filterAndReload()
{
    vb::Trap skip = vb::Trap::skipping();
    skip.run([&] { ui::Control::setTag(m_search, kFilterColumn); });
    skip.run([&] {
        const bool family = isFamilyStatement();
        // The typed texts of earlier filters are never searched for clause words again.
        if (!family && sql != m_model.text())
            m_model.takeStatement(sql, true);
        m_model.addContainsFilter(ui::Control::tag(m_search), m_search->currentText());
        if (!family)
            sql = m_model.text();
    });
    skip.run([&] {
        const QSignalBlocker quiet(m_search);
        m_search->setEditText(QString());
    });
    skip.run([&] { Form_Load(); });
}

void Lib_FrmCons3Tree::CmdAceptar_Click()
{
    vb::Trap trap = trapFor(QStringLiteral("CmdAceptar_Click"));
    if (CheckBoxes) {
        acceptTicked(trap);
    } else {
        const QList<QTreeWidgetItem*> chosen = m_tree->selectedItems();
        // Nothing chosen, or only the root: nothing to hand back, the operator goes on choosing.
        if (chosen.isEmpty() || chosen.front() == m_nodes.front())
            return;
        acceptChosen(trap);
    }
    if (!trap.left())
        accept();
}

void Lib_FrmCons3Tree::acceptChosen(vb::Trap& trap)
{
    const QString code = keyOf(m_tree->selectedItems().front()).mid(1);
    trap.run([&] {
        bool found = false;
        if (vb::textEquals(CampoDevuelto, QStringLiteral("IDFAMILIA"))) {
            ValorDevuelto = rowValue(QStringLiteral("@admin_V_TA_FAMILIAS"), code, found);
        } else if (vb::textEquals(CampoDevuelto, QStringLiteral("IDPOSICION"))) {
            ValorDevuelto = rowValue(QStringLiteral("MA_POSICIONES"), code, found);
        } else if (vb::textEquals(CampoDevuelto, QStringLiteral("CODIGO"))) {
            ValorDevuelto = rowValue(QStringLiteral("TA_CCOSTO"), code, found);
            if (!found)
                ValorDevuelto = rowValue(QStringLiteral("MA_CUENTAS"), code, found);
        }
    });
}

void Lib_FrmCons3Tree::acceptTicked(vb::Trap& trap)
{
    const bool familias = vb::textEquals(CampoDevuelto, QStringLiteral("IDFAMILIA"));
    const bool posiciones = vb::textEquals(CampoDevuelto, QStringLiteral("IDPOSICION"));
    const bool codigos = vb::textEquals(CampoDevuelto, QStringLiteral("CODIGO"));
    if (!Valores)
        Valores = vb::Collection::create();
    for (size_t i = 1; i < m_nodes.size() && !trap.left(); ++i) {
        QTreeWidgetItem* ticked = m_nodes[i];
        if (ticked->checkState(0) != Qt::Checked)
            continue;
        const QString code = keyOf(ticked).mid(1);
        trap.run([&] {
            if (familias || codigos) {
                Valores->add(vb::Trim(code));
            } else if (posiciones) {
                bool found = false;
                const QString value = rowValue(QStringLiteral("MA_POSICIONES"), code, found);
                if (found)
                    Valores->add(value);
            }
        });
    }
}

// The chosen row's value of the return column; "" when the table has no row of that code.
QString Lib_FrmCons3Tree::rowValue(const QString& table, const QString& code, bool& found) const
{
    data::DB_Dll& db = data::gDB();
    ado::RecordsetPtr rs = ado::Recordset::create();
    found = db.ExisteEnTabla(table, code, CampoDevuelto, &rs, kTextType, QString(), true);
    const QString value = found ? text(rs->Fields()->Item(CampoDevuelto)->Value()) : QString();
    db.CierraRecordset(rs);
    return value;
}

void Lib_FrmCons3Tree::reject()
{
    app::guardEventQuietly(QStringLiteral("cmdCancelar_Click"), [this] { cmdCancelar_Click(); });
    QDialog::reject();
}

void Lib_FrmCons3Tree::cmdCancelar_Click()
{
    ValorDevuelto = QString();
    CmpsDevueltos = nullptr;
    Valores = nullptr;
}

void Lib_FrmCons3Tree::CmdNueva_Click()
{
    Form_Load();
}

// A tick reaches every node below the one ticked or cleared.
void Lib_FrmCons3Tree::TreeV_NodeCheck(QTreeWidgetItem* changed)
{
    if (m_propagating || !CheckBoxes || !changed)
        return;
    const QScopedValueRollback propagating(m_propagating, true);
    const Qt::CheckState state = changed->checkState(0);
    std::vector<QTreeWidgetItem*> pending{changed};
    while (!pending.empty()) {
        QTreeWidgetItem* parent = pending.back();
        pending.pop_back();
        for (int i = 0; i < parent->childCount(); ++i) {
            parent->child(i)->setCheckState(0, state);
            pending.push_back(parent->child(i));
        }
    }
}

} // namespace lookup
