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
#include "reports/ReportControls.h"
#include "reports/ReportOptions.h"

#include <QString>
#include <QWidget>

class QCloseEvent;

namespace vb {
class Variant;
}

namespace reports {

class Rp_Quindal : public QWidget {
    Q_OBJECT

public:
    explicit Rp_Quindal(QWidget* parent = nullptr);
    ~Rp_Quindal() override;

    QString TcoReporte() const { return m_tcoReporte; }
    void setTcoReporte(const QString& value) { m_tcoReporte = value; }
    void VaciaPorGrupo() { m_options.VaciaPorGrupo(); }
    // index: the box's index (a number or its text); Texto: the object whose Text is written.
    void CampoValida(const vb::Variant& index, QObject* Texto);

    // The load: start-up, styles, the report kind, saved states and the template.
    void Form_Load();

    // What the emission reads.
    const ReportControls& controls() const { return m_c; }
    QList<QObject*> txtFields() const { return m_c.fieldList(); }
    QString TablaReporte() const { return m_tablaReporte; }
    int monedaElegida() const { return m_options.monedaElegida(); }

    FieldEntry& fieldEntry() { return m_fields; }
    ReportOptions& options() { return m_options; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void connectHandlers();
    void watchKeys();
    void applyBarStyle();
    void restoreState();

    // Handlers of the original, in its order.
    void CmbMoneda_KeyPress(int& KeyAscii);
    void Form_KeyDown(int KeyCode, int Shift);
    void Form_Unload(int& Cancel);
    void TBarRep1_click(const QString& text);

    bool previewKey(QObject* watched, QKeyEvent* event);
    bool fieldEvent(int index, QEvent* event);
    bool fieldKey(int index, QKeyEvent* event);

    ReportControls m_c;
    FieldEntry m_fields{m_c};
    ReportOptions m_options;
    QString m_tcoReporte;
    QString m_tablaReporte;
    bool m_unloading = false;
};

} // namespace reports
