#pragma once
// The controls of the report parameter window, as the window's procedures reach them. Each one
// also carries its name, control-array index, Tag and DataField (ui::Control), so that saved
// states, templates and the DataField lookups find it by walking the window.

#include <QList>
#include <QString>
#include <array>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QObject;
class QRadioButton;
class QToolBar;
class QToolButton;

namespace commandbar {
class TBarRep;
}

namespace reports {

struct ReportControls {
    static constexpr int FieldCount = 17;
    static constexpr int LayoutCount = 12;
    static constexpr int OrderCount = 3;
    static constexpr int StateCount = 7;

    // Indexes of txtFields by meaning.
    enum Field {
        SucursalDesde = 0, NroDesde = 1, LetraDesde = 2, SucursalHasta = 3, NroHasta = 4, LetraHasta = 5,
        ClienteDesde = 6, ClienteHasta = 7, FechaDesde = 8, FechaHasta = 9, VtoHasta = 10, VtoDesde = 11,
        MotivoHasta = 12, MotivoDesde = 13, UsuarioDesde = 14, IdArticulo = 15, UNegocio = 16
    };
    // Frame1 indexes.
    enum Group { Motivo = 0, Cuenta = 1, Fecha = 2, Orden = 3, Tipo = 4, Vencimiento = 5, Usuario = 6, Unidad = 7 };

    std::array<QLineEdit*, FieldCount> txtFields{};
    QGroupBox* FrmTipo = nullptr;                        // FrmTipo(0)
    std::array<QGroupBox*, 8> Frame1{};
    QGroupBox* frmArt = nullptr;
    std::array<QLabel*, 7> Label1{};
    std::array<QLabel*, 5> Label2{};
    std::array<QRadioButton*, LayoutCount> OptTipo{};
    std::array<QRadioButton*, OrderCount> OptOrden{};
    QGroupBox* Frame2 = nullptr;
    std::array<QCheckBox*, StateCount> chkestado{};
    QCheckBox* ChkModelo = nullptr;
    QCheckBox* ChkGarantia = nullptr;
    QComboBox* CmbMoneda = nullptr;
    QGroupBox* FrmPlantilla = nullptr;
    QComboBox* CboPlantilla = nullptr;
    QToolBar* TbarPlantilla = nullptr;
    QToolButton* plantillaButton = nullptr;              // the toolbar's one button, key "Plantilla"
    QMenu* plantillaMenu = nullptr;                      // its items "Aplicar", "Grabar", "Eliminar"
    commandbar::TBarRep* TBarRep1 = nullptr;

    // txtFields as the DataField lookups take them.
    QList<QObject*> fieldList() const;
    // The index of a box of txtFields, -1 for any other object.
    int fieldIndex(const QObject* object) const;
    // The box of txtFields whose DataField is dataField (letter case ignored), found as the
    // window's procedures find it (ControlesForm.IndicePorDataField); error 340 when none has it.
    QLineEdit* field(const QString& dataField) const;
};

} // namespace reports
