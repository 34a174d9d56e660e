#pragma once
// The report parameter window, the program's one working window. Its load starts the
// application, prepares the window for the report kind of the command line and puts back the
// operator's last values and the chosen template; the operator fills ranges, picks a layout, an
// order and document states, and prints from the command bar. Closing it saves its state and
// ends the program.
//
// Every key pressed while a control of the window has the focus reaches Form_KeyDown first,
// which hands it to the command bar (Esc closes, F5 looks up the current box). No error of an
// event handler escapes into Qt's event loop: each goes to the module's error handler.

#include "reports/FieldEntry.h"
#include "reports/InstanceSlot.h"
#include "reports/ReportControl.h"
#include "reports/ReportControls.h"
#include "reports/ReportOptions.h"
#include "reports/EmissionWindow.h"
#include "vb/Variant.h"

#include <QString>
#include <QWidget>

#include <QStringList>

class QCloseEvent;

namespace vb {
class Trap;
}

namespace reports {

class Rp_Quindal : public QWidget, public EmissionWindow {
    Q_OBJECT

public:
    explicit Rp_Quindal(QWidget* parent = nullptr);
    ~Rp_Quindal() override;

    QString TcoReporte() const override { return m_tcoReporte; }
    void setTcoReporte(const QString& value) { m_tcoReporte = value; }
    // The rows of the numbering-gap report for the window's kind and dates.
    void GeneraAuxiliarMvCpte() override;
    void VaciaPorGrupo() override { m_options.VaciaPorGrupo(); }
    // index: the box's index (a number or its text); Texto: the object whose Text is written.
    void CampoValida(const vb::Variant& index, QObject* Texto);
    // Prints a report through the window's own report control (see Reporte.h).
    // TituloParametro..TituloParametro4: formula slots 0 to 4; omitted ones are left as they are.
    // SR1..SR3: sub-reports (blank skipped) with WhereSR1..WhereSR3 as their selections.
    void Reporte(const QString& NombreRep, const QStringList& Orden, const QString& Formula, const QString& gConnString,
                 const vb::Variant& TituloParametro = vb::Variant::missing(),
                 const vb::Variant& TituloParametro1 = vb::Variant::missing(),
                 const vb::Variant& TituloParametro2 = vb::Variant::missing(),
                 const vb::Variant& TituloParametro3 = vb::Variant::missing(),
                 const vb::Variant& TituloParametro4 = vb::Variant::missing(), const QString& SR1 = {},
                 const QString& SR2 = {}, const QString& SR3 = {}, const QString& WhereSR1 = {},
                 const QString& WhereSR2 = {}, const QString& WhereSR3 = {});
    ReportControl& CrystalReport1() { return m_crystalReport1; }

    // The load: start-up, styles, the report kind, saved states and the template.
    void Form_Load();

    // What the emission reads.
    const ReportControls& controls() const { return m_c; }
    QList<QObject*> txtFields() const override { return m_c.fieldList(); }
    QString TablaReporte() const override { return m_tablaReporte; }
    OptionState OptTipo(int index) const override;
    OptionState OptOrden(int index) const override;
    QList<CheckState> chkestado() const override;
    CheckState ChkModelo() const override;
    CheckState ChkGarantia() const override;
    QString CmbMonedaText() const override;
    int CmbMonedaListIndex() const override;

    FieldEntry& fieldEntry() { return m_fields; }
    ReportOptions& options() { return m_options; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void connectHandlers();
    void watchKeys();
    void applyBarStyle();
    void restoreState(vb::Trap& trap);
    void stepAside();

    // Handlers of the original, in its order.
    void CmbMoneda_KeyPress(int& KeyAscii);
    void Form_KeyDown(int KeyCode, int Shift);
    void Form_Unload(int& Cancel);
    void TBarRep1_click(const QString& text);
    void print(int destino);

    bool previewKey(QObject* watched, QKeyEvent* event);
    bool fieldEvent(int index, QEvent* event);
    bool fieldKey(int index, QKeyEvent* event);

    ReportControls m_c;
    FieldEntry m_fields{m_c};
    ReportOptions m_options;
    ReportControl m_crystalReport1;
    InstanceSlot m_instance;
    QString m_tcoReporte;
    QString m_tablaReporte;
    bool m_unloading = false;
    bool m_printing = false;
    // The key previewed at a control, on its way up to the window.
    struct PreviewedKey {
        const QKeyEvent* event = nullptr;
        int key = 0;
        quint64 timestamp = 0;
        bool operator==(const PreviewedKey&) const = default;
    };
    PreviewedKey m_previewedKey;
};

} // namespace reports
