#pragma once
// The tree lookup window: shows the rows of a lookup statement as a tree of codes (each code
// under the longest code it extends; the product families under their parent family), lets
// the operator find a node by typing, narrow the statement with F5, tick nodes when several
// may be chosen, and hands back the chosen code or codes. Values come back only for the
// return columns "IDFAMILIA", "IDPOSICION" and "CODIGO".
//
// Every node but the root "Consulta..." (key "A") has the key "A" followed by its code, as the
// statement delivers it, and the text code & " - " & description. A ticked node ticks its whole
// subtree. Accepting with no node chosen (or with the root) hands back nothing and the window
// stays open; the root's tick is never a choice. Errors inside the handlers never leave the
// window: they go to the module's error handler, or are passed over where the suite did so.

#include "lookup/LookupModel.h"
#include "lookup/LookupWindows.h"

#include "vb/Collection.h"
#include "vb/Error.h"
#include "vb/Variant.h"

#include <QDialog>
#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

class QComboBox;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace lookup {

class Lib_FrmCons3Tree : public QDialog {
    Q_OBJECT
public:
    explicit Lib_FrmCons3Tree(QWidget* parent = nullptr);
    ~Lib_FrmCons3Tree() override;

    QString sql;                      // the lookup statement; F5 narrows it
    QString CampoDevuelto;            // the return column: decides what accept hands back
    vb::CollectionPtr CmpsDevueltos;  // dropped on cancel
    bool CheckBoxes = false;          // several nodes may be ticked
    QString gConnString;              // kept, not used
    vb::Variant ValorDevuelto;        // the one code chosen
    QString FiltroInicial;            // kept, not used
    QString CampoBusqueda;            // kept, not used
    bool OrdenarPorLwv = false;       // kept, not used
    vb::CollectionPtr Valores;        // the ticked codes, as texts
    vb::CollectionPtr Cantidades;     // kept, not used
    bool UsaCantidades = false;       // kept, not used

    // The driver's tree window: sets the members, shows the window modally through the dialog
    // service and answers what was chosen.
    static LookupAnswer run(const TreeLookupRequest& request);

    // Builds the tree: the family tree for a statement on the families' view, else the tree by
    // code prefixes. Runs when the window is first shown, and again after F5 and "Nueva Busqueda".
    void Form_Load();
    void ensureLoaded();
    void Form_Unload();
    void ArmarTreeVFamilias();
    void ArmarTreeVAutomatico();

    // The families' statement with the conditions F5 has added so far.
    QString familyStatement() const;

    QTreeWidget* TreeV() const { return m_tree; }
    QComboBox* CmbSearch() const { return m_search; }
    QPushButton* CmdAceptar() const { return m_aceptar; }
    QPushButton* CmdNueva() const { return m_nueva; }
    QPushButton* cmdCancelar() const { return m_cancelar; }

    // Nodes in the order they were added (the root first); the node of a key, nullptr when none.
    const std::vector<QTreeWidgetItem*>& nodes() const { return m_nodes; }
    QTreeWidgetItem* node(const QString& key) const { return m_keys.value(key); }
    static QString keyOf(const QTreeWidgetItem* node);

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void connectHandlers();

    // Building.
    bool isFamilyStatement() const;
    void clearNodes();
    void startTree();
    QTreeWidgetItem* addNode(QTreeWidgetItem* parent, const QString& key, const QString& text);
    bool readRows(vb::Trap& trap, const QString& statement, std::vector<std::vector<vb::Variant>>& rows, size_t columns);
    QTreeWidgetItem* longestPrefixNode(const QString& key) const;
    void addFamily(const std::vector<std::vector<vb::Variant>>& rows, size_t row);
    void addByPrefix(const std::vector<std::vector<vb::Variant>>& rows, size_t row);

    // Operator.
    void CmbSearch_Change();
    bool CmbSearch_KeyDown(int key);
    void filterAndReload();
    void CmdAceptar_Click();
    void acceptChosen(vb::Trap& trap);
    void acceptTicked(vb::Trap& trap);
    QString rowValue(const QString& table, const QString& code, bool& found) const;
    void cmdCancelar_Click();
    void CmdNueva_Click();
    void TreeV_NodeCheck(QTreeWidgetItem* node);

    // Any other statement and the conditions F5 added to it; the families' statement is the
    // tree's own and takes only the conditions.
    LookupModel m_model;
    std::vector<QTreeWidgetItem*> m_nodes;
    QHash<QString, QTreeWidgetItem*> m_keys;
    QHash<QString, QTreeWidgetItem*> m_folded;   // by key without letter case: the first node added
    bool m_loaded = false;
    bool m_propagating = false;

    QComboBox* m_search = nullptr;
    QTreeWidget* m_tree = nullptr;
    QPushButton* m_aceptar = nullptr;
    QPushButton* m_nueva = nullptr;
    QPushButton* m_cancelar = nullptr;
};

} // namespace lookup
