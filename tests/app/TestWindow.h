#pragma once
// A window holding one control of each kind the saved states, templates and styles know,
// named as the suite names its controls.

#include <QWidget>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableWidget;
class QTreeWidget;

namespace commandbar {
class TBarRep;
class UtilKor;
}
namespace ui {
class SkinFramework;
}

namespace apptest {

class TestWindow : public QWidget {
public:
    // withSelector false leaves out the template selector "CboPlantilla"; withSkin false the
    // skin control.
    explicit TestWindow(const QString& name = QStringLiteral("FrmPrueba"), bool withSelector = true,
                        bool withSkin = true);

    // Values of every remembered kind, different from the designed ones.
    void fillSample();
    // Other values in every remembered control.
    void scramble();

    QLineEdit* codigo;          // txtFields(0), DataField "Codigo": never saved
    QLineEdit* descripcion;     // txtFields(1), DataField "Descripcion"
    QLineEdit* fecha;           // txtFields(2), DataField "Fecha_desde"
    QLineEdit* nota;            // TxtNota, DataField "Nota"
    QCheckBox* activo;          // ChkActivo, DataField "Activo"
    QCheckBox* estado[2];       // chkestado(0..1)
    QRadioButton* tipo[3];      // OptTipo(0..2)
    QRadioButton* solo;         // OptSolo, alone in its frame
    QComboBox* moneda;          // CmbMoneda, DataField "Moneda"
    QComboBox* plantilla;       // CboPlantilla, editable
    QListWidget* sucursales;    // LstSucursales, DataField "Sucursales"
    QTreeWidget* columnas;      // LvwColumnas: a list view with three columns
    QWidget* grilla;            // GrdDatos: the suite's data grid (KQDBGRID)
    QTableWidget* grillaInterna;
    QLabel* etiqueta;           // Label1
    QLabel* titulo;             // LblTitulo, 14 points
    QLabel* simbolo;            // LblSimbolo, in Marlett
    QPushButton* aceptar;       // CmdAceptar
    QGroupBox* marco;           // Frame1
    QTabWidget* solapas;        // TabOpciones
    commandbar::UtilKor* tabBar;     // UtilKor1
    commandbar::TBarRep* commandBar; // TBarRep1
    ui::SkinFramework* skin = nullptr;
};

} // namespace apptest
