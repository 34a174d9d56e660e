#pragma once
// The login and database-selection window. The operator picks a registered connection (or
// types one), the application user and password; the callers read Aceptar and the boxes
// afterwards, the window itself connects nothing for them. It never closes itself: it hides.
//
// Every box and button keeps the suite's control name, so saved states and styles find them.

#include "vb/Error.h"
#include "vb/Variant.h"

#include <QDialog>
#include <QString>
#include <functional>

class QComboBox;
class QFrame;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace data {

class frmAcceso : public QDialog {
    Q_OBJECT
public:
    explicit frmAcceso(QWidget* parent = nullptr);

    // True after "Conectar", False after "Cancelar" or a close through the title bar.
    bool Aceptar = false;

    void RegistrarBases();
    bool EjecutarCmdRegDB(QString& Archivo, QString& ErrDevuelto);
    void llenarlist();
    void DatosBase(const QString& Nombre);
    bool ExisteBaseDeDatos(const QString& Servidor, const QString& Dbname, const QString& Usuario,
                           const QString& PassWord, const QString& Proveedor);
    void AsignarDatosBase();
    void MensajeInicial(QLineEdit* ObjTxt);

    QLineEdit* TxtDbName() const { return m_dbName; }
    QLineEdit* TxtServidor() const { return m_servidor; }
    QLineEdit* TxtUserId() const { return m_userId; }
    QLineEdit* TxtUserPassword() const { return m_password; }
    QLineEdit* TxtPuerto() const { return m_puerto; }
    QComboBox* CboPlataformaDB() const { return m_plataforma; }
    QListWidget* lstBases() const { return m_bases; }

    // The application's own error handler and window style, which live above the data access;
    // without them errors go to the library's error box and the window keeps Qt's look.
    using ErrorHandler = std::function<int(const vb::Error& error, const QString& routine)>;
    using StyleHook = std::function<void(QWidget* window, bool flat)>;
    static void setErrorHandler(ErrorHandler handler);
    static void setStyleHook(StyleHook hook);

    static QString webAddress();

public slots:
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    QFrame* buildEntryFrame();
    QLineEdit* addBox(const QString& name, const QString& tip);
    void connectHandlers();
    void formLoad();

    QString listName() const;
    static QString listName(const QString& server, const QString& database);
    void conectar();
    void registrar();
    bool alreadyRegistered(const QString& nombre);
    void readPort();
    void trimBoxes();
    bool fitsTheFile(const QString& server, const QString& database);
    bool proveAndWrite(QString& server, QString& database);
    bool secondProof(QString& server, QString& database);
    void writeRecord(const QString& nombre, const QString& server, const QString& database);
    void startRegistrar(const QString& server, const QString& database);
    int registrationFailure(const vb::Error& error) const;
    void crearAccesoDirecto();
    void makeShortcut();
    void listSelected(int row);
    bool appliesListEntry(const QKeyEvent& key) const;
    static void fitCue(QLineEdit* box);
    void openWebSite();
    static int moduleError(const vb::Error& error, const QString& routine);

    QLineEdit* m_dbName = nullptr;
    QLineEdit* m_servidor = nullptr;
    QLineEdit* m_userId = nullptr;
    QLineEdit* m_password = nullptr;
    QLineEdit* m_puerto = nullptr;
    QComboBox* m_plataforma = nullptr;
    QListWidget* m_bases = nullptr;
    QPushButton* m_aceptar = nullptr;
    QPushButton* m_cancelar = nullptr;
    QPushButton* m_registrar = nullptr;
    QPushButton* m_lineaComando = nullptr;
    QLabel* m_web = nullptr;

    QString m_archivoBases;
    // The connection last loaded by DatosBase.
    QString m_servidorBase;
    QString m_nombreBase;
    QString m_usuarioBase;
    QString m_claveBase;
    vb::Variant m_puertoBase;

    static inline int s_registrations = 0;   // registrations running (a proof may open another window)
};

} // namespace data
