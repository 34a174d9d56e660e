#pragma once
// The list lookup window: runs one SELECT and shows every row in a list with one column per
// field and one search box above each column. The operator types into a box to jump to the
// first row starting with the text, presses F5 to filter on the server, sorts by a header,
// ticks rows, edits quantities, opens the table's maintenance program with "Nuevo", reports a
// missing article with F12, and accepts or cancels. Accept and cancel fill ValorDevuelto and
// Valores and close the window; the lookup driver reads them (run()).
//
// Every control keeps the suite's name (ListView1, CmbSearch(i), CmdAceptar ...). Errors inside
// the handlers never leave the window: they go to the module's error handler.

#include "lookup/LookupModel.h"
#include "lookup/LookupRow.h"
#include "lookup/LookupWindows.h"

#include "ado/Recordset.h"
#include "vb/Collection.h"
#include "vb/Error.h"
#include "vb/Variant.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <functional>

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace lookup {

class Lib_FrmCons3 : public QDialog {
    Q_OBJECT
public:
    explicit Lib_FrmCons3(QWidget* parent = nullptr);
    ~Lib_FrmCons3() override;

    // Members the driver sets before the window loads ("in") and reads after it closes ("out").
    vb::Variant StkNivel1;                 // in: colours of article rows by stock level
    vb::Variant StkNivel2;
    vb::Variant StkNivel3;
    vb::Variant StkNivel4;
    QString MuestraStock;                  // in: "SI" colours article rows by stock
    QString sql;                           // in: the SELECT shown; F5 and sorting change it
    QString CampoDevuelto;                 // in/out: column whose value is returned
    vb::CollectionPtr CmpsDevueltos;       // in: columns whose values go to Valores
    bool CheckBoxes = false;               // in: rows are ticked
    QString gConnString;                   // in: kept, not used
    vb::Variant ValorDevuelto;             // out
    QString FiltroInicial;                 // in: first text of search box 0
    QString CampoBusqueda;                 // in: kept, not used
    bool OrdenarPorLwv = true;             // in: the list sorts its rows itself
    vb::CollectionPtr Valores;             // out
    vb::CollectionPtr Cantidades;          // out: created empty at load
    bool UsaCantidades = false;            // in: the "**Cantidad**" column can be edited
    QString ValoresDefault;                // in: values whose rows start ticked; "@10" widens columns
    bool CfgUsaConsultaLIKE = false;       // in: F5 matches anywhere instead of at the start
    bool GrabarCfg = false;                // in: save the column widths when the window unloads
    bool UsarUDBC = false;                 // in: kept; there is one data access object

    // The driver's list window: sets the members in the driver's order, shows the window
    // modally through the dialog service, and answers what it chose.
    static LookupAnswer run(const ListLookupRequest& request);

    // The load: runs the SELECT and builds columns, search boxes and rows. Runs when the window
    // is first shown or its list first touched, and again after F5, "Nueva Busqueda" and a date
    // sort.
    void Load();
    void ensureLoaded();
    void Unload();

    void Encolumnar();
    void Leer(qint64 Cdesde, int Cuantas);
    void CalcularAncho();
    void OrdenarPorFecha(const QString& Cual);
    // The row (from 1) whose column Clave (0 the main text) starts with QueValor; 0 when none.
    qint64 Busqueda(qint64 Clave, const QString& QueValor);
    // The column (from 1) whose header is Columna, letter case and blanks around ignored; 0 when none.
    int IndiceColumna(const QString& Columna) const;

    // The option pickers fill the window themselves: one column headed titulo, rows of texts.
    void prepareOptions(const QString& titulo, bool checkBoxes);
    void addOption(const QString& text, bool checked);
    // Window width of the pickers: 120 twips a character of the longest text, at most the screen.
    static int optionsWidth(int longest, int screenWidth);

    // Controls.
    QTreeWidget* ListView1() const { return m_list; }
    QComboBox* CmbSearch(int index) const;
    int searchBoxCount() const { return int(m_search.size()); }
    QPushButton* CmdAceptar() const { return m_aceptar; }
    QPushButton* cmdCancelar() const { return m_cancelar; }
    QPushButton* CmdNueva() const { return m_nueva; }
    QPushButton* CmdNuevo() const { return m_nuevo; }
    QPushButton* CmdTodos() const { return m_todos; }
    QLabel* Label1() const { return m_label; }
    QString tablaConsulta() const { return m_model.table(); }
    QString sqlOriginal() const { return m_model.original(); }

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Construction.
    void buildControls();
    QWidget* buildTopRow();
    QWidget* buildFields();
    QFrame* buildButtons();
    QComboBox* addSearchBox(int index);
    void connectHandlers();
    void setKeyboardOrder();

    // Loading: the steps of one load, in their order.
    bool loadRows();
    void recogniseArticles();
    void createResults();
    void clearRows();
    void prepareForm();
    void takeStatement(bool handedIn);
    bool openStatement();
    void enableMarking();
    void readRows();
    void applyListOrder();
    void showFirstRow();
    void closeStatement();
    void restorePreviousStatement();
    void reloadModelStatement();
    void buildColumn(int index, const ado::FieldPtr& field, int& tabOrder);
    QString captionOf(const QString& fieldName, int& widthChars) const;
    void readStockFields();
    void chooseRowColour();
    LookupRow* makeRow();
    void colourRow(LookupRow* row, int column) const;
    void LeerAnchosColumnas();
    void GrabarAnchosColumnas();
    QList<double> columnWidths() const;
    void placeSearchBoxes();
    void placeButtons();
    void sortRows(int column, Qt::SortOrder order);

    // Operator.
    void searchChanged(int index);
    void searchKey(int index, QKeyEvent* event, bool& handled);
    void filterRows(int index);
    void listKey(QKeyEvent* event, bool& handled);
    void appendTyped(const QString& text);
    void eraseTyped();
    void quantityKey(int key, Qt::KeyboardModifiers modifiers);
    void columnClicked(int column);
    void CmdAceptar_Click();
    void acceptChecked(vb::Trap& trap);
    void acceptSelected(vb::Trap& trap);
    QString columnValue(const QTreeWidgetItem* row, int column) const;
    void cmdCancelar_Click();
    void CmdNueva_Click();
    void CmdNuevo_Click();
    void CmdTodos_Click();
    void reportMissingArticle();
    QTreeWidgetItem* selectedRow() const;
    void selectRow(int row);

    // Private state shared by the load and the operator's side.
    bool EsConsultaArticulos = false;
    ado::RecordsetPtr rsConsulta;
    int ComboActual = 0;
    LookupModel m_model;                   // statement, filters, sort, ticks and widths
    vb::Variant ColorFila;
    int m_stockPoint = -1;                 // field positions of PUNTOPEDIDO and Stock, -1 when absent
    int m_stock = -1;
    int m_precheckField = -1;              // position of the field named CampoDevuelto
    bool m_reloading = false;              // the load shows the model's statement, not one handed in
    bool m_loaded = false;
    bool m_loading = false;
    RowSearch m_rowSearch;

    QTreeWidget* m_list = nullptr;
    QWidget* m_fields = nullptr;           // picFields
    QWidget* m_searchStrip = nullptr;
    QLabel* m_fieldName = nullptr;
    QList<QComboBox*> m_search;
    QFrame* m_frame = nullptr;             // Frame1
    QPushButton* m_aceptar = nullptr;
    QPushButton* m_cancelar = nullptr;
    QPushButton* m_nueva = nullptr;
    QPushButton* m_nuevo = nullptr;
    QPushButton* m_todos = nullptr;
    QLabel* m_label = nullptr;
};

} // namespace lookup
