#pragma once
// Modeless progress window of the reconnection loop: the attempts of a series, a button that
// starts a fresh series and one that gives up and closes the program.

#include "data/ReconnectProgress.h"

#include <QWidget>

class QCloseEvent;

class QLabel;
class QProgressBar;
class QPushButton;

namespace data {

class frmReconectar : public QWidget, public ReconnectProgress {
    Q_OBJECT
public:
    explicit frmReconectar(QWidget* parent = nullptr);

    bool Cancelar = false;       // "Cerrar Sistema" was pressed
    bool Reintentar = false;     // "Reintentar" was pressed

    QLabel* lblMensaje() const { return m_mensaje; }
    QProgressBar* prgIntentos() const { return m_intentos; }
    QPushButton* CmdReintentar() const { return m_reintentar; }
    QPushButton* cmdCancelar() const { return m_cancelar; }

    // Closes the window for good; only the loop of attempts does that.
    void unload();

    // The loop's progress, shown to the operator; his buttons answer its questions.
    void started(const QString& routine) override;
    void attempt(int number, int series) override;
    bool cancelled() const override { return Cancelar; }
    bool restartRequested() const override { return Reintentar; }
    void idle() override;
    void finished() override { unload(); }

protected:
    // The title bar's close button does nothing: only a reconnection or "Cerrar Sistema" ends
    // the loop, and the loop must stay in sight while it runs.
    void closeEvent(QCloseEvent* event) override;

private:
    void centreOnScreen();

    bool m_unloading = false;

    QLabel* m_mensaje;
    QProgressBar* m_intentos;
    QPushButton* m_reintentar;
    QPushButton* m_cancelar;
};

} // namespace data
