#include "data/frmAcceso.h"

#include "data/BasesFile.h"
#include "data/ConnectionStrings.h"
#include "data/DB_Dll.h"
#include "data/DesktopShortcut.h"
#include "data/LBM_Common.h"
#include "data/SessionValues.h"
#include "vb/Files.h"
#include "kit/Sistema.h"
#include "kit/Utilidades.h"
#include "ui/Control.h"
#include "ui/DialogService.h"
#include "ui/SkinFramework.h"
#include "vb/App.h"
#include "vb/Conversions.h"
#include "vb/Strings.h"

#include <algorithm>

#include <QComboBox>
#include <QScopeGuard>
#include <QFontMetrics>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QVBoxLayout>

namespace data {

namespace {

frmAcceso::ErrorHandler& errorHandler()
{
    static frmAcceso::ErrorHandler value;
    return value;
}

frmAcceso::StyleHook& styleHook()
{
    static frmAcceso::StyleHook value;
    return value;
}

// Errors the registration passes over: closed connection, service already running or stopped
// and the like, which the original's service-starting code met on the way.
bool passedOver(int number)
{
    return number == 3704 || number == static_cast<int>(0x80070420u) || number == 1056 || number == 440 ||
           number == 20480;
}

QLabel* label(QWidget* parent, const QString& name, const QString& caption, int index = -1)
{
    auto* l = new QLabel(caption, parent);
    ui::Control::declare(l, name, index);
    return l;
}

QPushButton* button(QWidget* parent, const QString& name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    ui::Control::declare(b, name);
    return b;
}

} // namespace

void frmAcceso::setErrorHandler(ErrorHandler handler) { errorHandler() = std::move(handler); }
void frmAcceso::setStyleHook(StyleHook hook) { styleHook() = std::move(hook); }

QString frmAcceso::webAddress() { return QStringLiteral("http://www.brixkor.com"); }

frmAcceso::frmAcceso(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAcceso"));
    setWindowTitle(QStringLiteral("Control de Acceso"));
    buildControls();
    connectHandlers();
    formLoad();
}

QLineEdit* frmAcceso::addBox(const QString& name, const QString& tip)
{
    auto* box = new QLineEdit(this);
    ui::Control::declare(box, name);
    box->setToolTip(tip);
    return box;
}

QFrame* frmAcceso::buildEntryFrame()
{
    auto* frame = new QFrame(this);
    ui::Control::declare(frame, QStringLiteral("framAcceso"), -1, QStringLiteral("Frame"));
    frame->setFrameShape(QFrame::StyledPanel);
    m_userId = addBox(QStringLiteral("TxtUserId"), QStringLiteral("Ingrese el nombre de usuario"));
    m_password = addBox(QStringLiteral("TxtUserPassword"), QStringLiteral("Ingrese la contraseña"));
    m_password->setEchoMode(QLineEdit::Password);
    m_dbName = addBox(QStringLiteral("TxtDbName"), QStringLiteral("ingrese el nombre de la base de datos"));
    m_servidor = addBox(QStringLiteral("TxtServidor"), QStringLiteral("ingrese el nombre del servidor e instancia"));
    m_puerto = addBox(QStringLiteral("TxtPuerto"), QStringLiteral("Ingrese el Puerto "));
    m_puerto->setText(QStringLiteral("1433"));
    m_plataforma = new QComboBox(this);
    ui::Control::declare(m_plataforma, QStringLiteral("CboPlataformaDB"));
    m_plataforma->addItems({QStringLiteral("SQL Server"), QStringLiteral("ORACLE")});

    auto* grid = new QGridLayout(frame);
    const QList<std::pair<QString, QWidget*>> rows = {
        {QStringLiteral("Usuario"), m_userId},      {QStringLiteral("Contraseña"), m_password},
        {QStringLiteral("Base de datos"), m_dbName}, {QStringLiteral("Servidor"), m_servidor},
        {QStringLiteral("Plataforma"), m_plataforma}};
    int row = 0;
    for (const auto& [caption, box] : rows) {
        grid->addWidget(label(frame, QStringLiteral("Label%1").arg(row + 2), caption), row, 0);
        box->setParent(frame);
        grid->addWidget(box, row, 1, 1, box == m_servidor ? 1 : 2);
        ++row;
    }
    m_puerto->setParent(frame);
    m_puerto->setMaximumWidth(70);
    grid->addWidget(m_puerto, 3, 2);
    return frame;
}

void frmAcceso::buildControls()
{
    auto* brand = label(this, QStringLiteral("Label7"), QStringLiteral("BRIXKOR"));
    brand->setFont(QFont(QStringLiteral("Tahoma"), 14, QFont::Bold));
    m_web = label(this, QStringLiteral("Label8"),
                  QStringLiteral("<a href=\"%1\">%1</a>").arg(webAddress().toHtmlEscaped()));
    m_web->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);

    auto* line = new QFrame(this);
    ui::Control::declare(line, QStringLiteral("Line1"), -1, QStringLiteral("Line"));
    line->setFrameShape(QFrame::HLine);

    m_bases = new QListWidget(this);
    ui::Control::declare(m_bases, QStringLiteral("lstBases"));
    m_bases->setFont(QFont(QStringLiteral("Segoe UI")));

    m_aceptar = button(this, QStringLiteral("bcAceptar"), QStringLiteral("Conectar"));
    m_cancelar = button(this, QStringLiteral("bcCancelar"), QStringLiteral("Cancelar"));
    m_registrar = button(this, QStringLiteral("CmdRegistrar"), QStringLiteral("Registrar"));
    m_lineaComando = button(this, QStringLiteral("CmdLineaComando"), QStringLiteral("Crear Acceso Directo"));
    new ui::SkinFramework(this);   // SkinFramework1: the window takes the user's skin

    auto* left = new QVBoxLayout;
    left->addWidget(label(this, QStringLiteral("Label1"), QStringLiteral("AUTENTICACION"), 0));
    left->addWidget(buildEntryFrame());
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(label(this, QStringLiteral("Label1"), QStringLiteral("Conexiones registradas"), 1));
    right->addWidget(m_bases);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 3);
    columns->addLayout(right, 2);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {m_registrar, m_lineaComando})
        buttons->addWidget(b);
    buttons->addStretch();
    for (QPushButton* b : {m_aceptar, m_cancelar})
        buttons->addWidget(b);

    auto* top = new QHBoxLayout;
    top->addWidget(label(this, QStringLiteral("Label1"), QStringLiteral("Control de Acceso"), 2));
    top->addStretch();
    top->addWidget(brand);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(columns);
    layout->addWidget(line);
    layout->addLayout(buttons);
    layout->addWidget(m_web, 0, Qt::AlignRight);
    // Tab walks the window as it reads: the boxes, the list, then the buttons.
    const QList<QWidget*> order = {m_userId, m_password, m_dbName, m_servidor, m_puerto, m_plataforma,
                                   m_bases, m_registrar, m_lineaComando, m_aceptar, m_cancelar, m_web};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void frmAcceso::connectHandlers()
{
    connect(m_aceptar, &QPushButton::clicked, this, &frmAcceso::conectar);
    connect(m_cancelar, &QPushButton::clicked, this, &frmAcceso::reject);
    connect(m_registrar, &QPushButton::clicked, this, &frmAcceso::registrar);
    connect(m_lineaComando, &QPushButton::clicked, this, &frmAcceso::crearAccesoDirecto);
    connect(m_bases, &QListWidget::currentRowChanged, this, &frmAcceso::listSelected);
    connect(m_bases, &QListWidget::itemClicked, this, [this] { AsignarDatosBase(); });
    connect(m_bases, &QListWidget::itemDoubleClicked, this, [this] {
        AsignarDatosBase();
        conectar();
    });
    connect(m_web, &QLabel::linkActivated, this, &frmAcceso::openWebSite);
    for (QLineEdit* box : {m_dbName, m_servidor, m_password})
        connect(box, &QLineEdit::textChanged, this, [this, box] { MensajeInicial(box); });
    for (QLineEdit* box : {m_userId, m_password, m_dbName, m_servidor})
        box->installEventFilter(this);
    m_bases->installEventFilter(this);
}

void frmAcceso::formLoad()
{
    kit::Utilidades().PrepararFormulario(this);
    m_registrar->setEnabled(s_registrations == 0);   // shown by a registration's proof: see registrar()
    llenarlist();
    for (QLineEdit* box : {m_userId, m_password, m_dbName, m_servidor})
        MensajeInicial(box);
    if (styleHook())
        styleHook()(this, true);
    m_userId->setFocus();   // the operator types the user as soon as the window shows
}

bool frmAcceso::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn && watched == m_userId)
        MensajeInicial(m_userId);
    if (auto* box = qobject_cast<QLineEdit*>(watched); box && event->type() == QEvent::FontChange)
        fitCue(box);   // the user's style may bring a larger font
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    // Any key on the list takes its entry into the boxes, also one that moves no selection
    // (a key that does move it takes the new entry through the selection change).
    if (watched == m_bases) {
        if (appliesListEntry(*static_cast<QKeyEvent*>(event)))
            AsignarDatosBase();
        return QDialog::eventFilter(watched, event);
    }
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return QDialog::eventFilter(watched, event);
    // Enter walks the boxes down to "Conectar"; taken here so no default button fires.
    QWidget* next = watched == m_userId     ? static_cast<QWidget*>(m_password)
                    : watched == m_password ? static_cast<QWidget*>(m_dbName)
                    : watched == m_dbName   ? static_cast<QWidget*>(m_servidor)
                                            : static_cast<QWidget*>(m_aceptar);
    next->setFocus(Qt::TabFocusReason);
    return true;
}

// Leaving the list (Tab, Shift+Tab, a modifier on its own) is no choice of its entry: it must
// not empty the user and password just typed. Without an entry there is nothing to take.
bool frmAcceso::appliesListEntry(const QKeyEvent& key) const
{
    switch (key.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
        return false;
    default:
        return m_bases->currentItem() != nullptr;
    }
}

void frmAcceso::MensajeInicial(QLineEdit* ObjTxt)
{
    // The cue is a placeholder: it never becomes the box's text, so no caller takes it for a name.
    const QString name = ObjTxt->objectName();
    QString cue;
    if (name == u"TxtUserId")
        cue = QStringLiteral("Ingrese el usuario");
    else if (name == u"TxtDbName")
        cue = QStringLiteral("ingrese el nombre de la base de datos");
    else if (name == u"TxtServidor")
        cue = QStringLiteral("ingrese el nombre del servidor e instancia");
    ObjTxt->setPlaceholderText(cue);
    fitCue(ObjTxt);
}

// A box is at least as wide as its cue, with a character's room to spare, so the operator reads
// it whole. The box's room around its text is what Qt's own size hint adds to its seventeen "x".
void frmAcceso::fitCue(QLineEdit* box)
{
    const QFontMetrics metrics = box->fontMetrics();
    const int chrome = box->sizeHint().width() - 17 * metrics.horizontalAdvance(u'x');
    const QString cue = box->placeholderText();
    const int text = metrics.horizontalAdvance(cue) + metrics.averageCharWidth();
    box->setMinimumWidth(cue.isEmpty() ? 0 : text + std::max(chrome, 8));
}

int frmAcceso::moduleError(const vb::Error& error, const QString& routine)
{
    if (errorHandler())
        return errorHandler()(error, routine);
    return kit::Utilidades().ReportarError(error, vb::Variant::missing(), routine);
}

void frmAcceso::llenarlist()
{
    m_archivoBases = BasesFile::defaultPath();
    {
        const QSignalBlocker quiet(m_bases);   // clearing is no selection by the operator
        m_bases->clear();
    }
    if (!BasesFile::exists(m_archivoBases))
        return;
    QList<BasesRecord> records;
    vb::Trap trap([](const vb::Error& e) { return moduleError(e, QStringLiteral("FormLoad")); });
    if (!trap.run([&] { records = BasesFile::read(m_archivoBases); }))
        return;
    for (const BasesRecord& record : records) {
        if (!vb::Trim(record.nombre).isEmpty())
            m_bases->addItem(record.nombre);
    }
    if (m_bases->count() > 0)
        m_bases->setCurrentRow(0);
}

void frmAcceso::DatosBase(const QString& Nombre)
{
    if (!BasesFile::exists(m_archivoBases))
        return;
    try {
        const auto record = BasesFile::find(BasesFile::read(BasesFile::defaultPath()), Nombre);
        if (!record)
            return;
        m_servidorBase = record->servidor;
        m_nombreBase = record->base;
        m_usuarioBase = record->usuario;
        m_claveBase = kit::Utilidades().Decodificar(record->clave);
    } catch (const vb::Error& e) {
        moduleError(e, QStringLiteral("DatosBase"));
    }
}

void frmAcceso::listSelected(int row)
{
    if (row >= 0)
        AsignarDatosBase();
}

void frmAcceso::AsignarDatosBase()
{
    const QListWidgetItem* item = m_bases->currentItem();
    // The port box shows the port of this entry only: it is used, so a port of the entry picked
    // before must not carry over.
    m_puertoBase = vb::Variant();
    DatosBase(vb::Trim(item ? item->text() : QString()));
    if (m_servidorBase.contains(u':')) {
        m_puertoBase = m_servidorBase.mid(m_servidorBase.indexOf(u':') + 1);
        const QString server = vb::UCase(vb::Trim(m_servidorBase));
        m_servidorBase = server.left(server.indexOf(u':'));
    }
    m_servidor->setText(m_servidorBase);
    m_userId->clear();
    m_password->clear();
    m_dbName->setText(m_nombreBase);
    m_puerto->setText(m_puertoBase.isEmpty() ? QString() : m_puertoBase.toString());
}

QString frmAcceso::listName() const { return listName(m_servidor->text(), m_dbName->text()); }

// The server as the file writes it: a port typed the providers' way ("host,port") is no part
// of the name either.
QString frmAcceso::listName(const QString& server, const QString& database)
{
    QString host = vb::UCase(vb::Trim(ConnectionStrings::storedServer(server)));
    if (host.contains(u':'))
        host = host.left(host.indexOf(u':'));
    return vb::UCase(vb::Trim(database)) + QStringLiteral(" / ") + host;
}

void frmAcceso::conectar()
{
    m_servidorBase.clear();
    DatosBase(listName());
    gUsuarioActual = m_userId->text();
    gClaveActual = m_password->text();
    gStoredPasswordMarker = false;   // typed here, even as "* *", it is checked as typed
    if (m_servidorBase.isEmpty()) {
        m_servidorBase = m_servidor->text();
        m_nombreBase = m_dbName->text();
        m_usuarioBase = m_userId->text();
        m_claveBase = m_password->text();
    }
    Aceptar = true;
    RegistrarBases();
    done(QDialog::Accepted);
}

void frmAcceso::reject()
{
    Aceptar = false;
    QDialog::reject();
}

void frmAcceso::RegistrarBases()
{
    m_archivoBases = BasesFile::defaultPath();
    if (!BasesFile::exists(m_archivoBases) && s_registrations == 0)
        registrar();
}

// Registration: steps that fail with an error the trap passes over go on with the next one;
// any other error is shown and the registrar and list reload still run.
void frmAcceso::registrar()
{
    // A login window that the proof's error box opens belongs to this registration: the
    // registration writes what its proof opened, the window registers nothing of its own.
    if (s_registrations > 0)
        return;
    ++s_registrations;
    const auto done = qScopeGuard([] { --s_registrations; });
    vb::Trap trap([this](const vb::Error& e) { return registrationFailure(e); });
    bool stop = false;
    trap.run([&] { stop = alreadyRegistered(listName()); });
    if (stop)
        return;
    trap.run([&] { readPort(); });
    trap.run([&] { trimBoxes(); });
    // The server as the file keeps it, with the port box's port when its text names none.
    QString server = ConnectionStrings::storedServer(m_servidor->text(), m_puertoBase.toString());
    QString database = m_dbName->text();
    trap.run([&] { stop = !fitsTheFile(server, database); });
    if (stop)
        return;
    trap.run([&] { stop = !proveAndWrite(server, database); });
    if (stop)
        return;
    vb::Trap tail([this](const vb::Error& e) {
        registrationFailure(e);
        return int(vb::Ignore);
    });
    tail.run([&] { startRegistrar(server, database); });
    tail.run([&] { llenarlist(); });
}

int frmAcceso::registrationFailure(const vb::Error& error) const
{
    if (passedOver(error.number()))
        return vb::Ignore;
    ui::MsgBox(QStringLiteral("SQL Server start failed.  \rSQL-DMO error:  ") + vb::Str(error.number()) +
                   u' ' + error.description(),
               ui::vbOKOnly, vb::App::title());
    return vb::Abort;
}

bool frmAcceso::alreadyRegistered(const QString& nombre)
{
    m_servidorBase.clear();
    DatosBase(nombre);
    if (vb::Trim(m_servidorBase).isEmpty())
        return false;
    ui::MsgBox(QStringLiteral("La conexion que intenta registrar ya existe "), ui::vbInformation,
               QStringLiteral("Atencion"));
    return true;
}

void frmAcceso::readPort()
{
    const vb::Currency port = kit::Utilidades().TextoANumero(m_puerto->text());
    m_puertoBase = port == vb::Currency{} ? vb::Variant(1433) : vb::Variant(port);
}

void frmAcceso::trimBoxes()
{
    for (QLineEdit* box : {m_servidor, m_userId, m_password, m_dbName})
        box->setText(vb::Trim(box->text()));
}

bool frmAcceso::fitsTheFile(const QString& server, const QString& database)
{
    // A comma or line break would shift every later field of the file for the reader.
    if (BasesFile::storable(server) && BasesFile::storable(database))
        return true;
    ui::MsgBox(QStringLiteral("El servidor y la base de datos no pueden contener comas ni saltos de linea, "
                              "ni comenzar con comillas. La conexion no se registro."),
               ui::vbExclamation, QStringLiteral("Atencion"));
    return false;
}

// server and database become what the proof opened, which the second proof's error box may
// have changed (it offers another try in a login window).
bool frmAcceso::proveAndWrite(QString& server, QString& database)
{
    const QString login = vb::UCase(database);
    if (!ExisteBaseDeDatos(ConnectionStrings::serverToOpen(server), login, login, login, QStringLiteral("SQLOLEDB")) &&
        !secondProof(server, database)) {
        ui::MsgBox(QStringLiteral("NO SE PUDO CONECTAR AL SERVIDOR ") + server +
                       QStringLiteral(" VERIFIQUE EL NOMBRE DE USUARIO Y PASSWORD INGRESADO"),
                   ui::vbInformation, QStringLiteral("AVISO AL OPERADOR"));
        return false;
    }
    const QString nombre = listName(server, database);
    if (nombre == listName() || !alreadyRegistered(nombre))
        writeRecord(nombre, server, database);
    return true;
}

bool frmAcceso::secondProof(QString& server, QString& database)
{
    // A throwaway object: the shared connection and its settings stay as they were.
    DB_Dll proof;
    const QString tried = ConnectionStrings::serverToOpen(server);
    proof.configure([&](DbSettings& s) {
        s.gServidor = tried;
        s.gUsuario = m_userId->text();
        s.gUserPassWord = m_password->text();
        s.gDBName = database;
    });
    proof.OpenServerADODB(false, 3, QString(), false, true);
    if (!proof.gOpenFlag())
        return false;
    if (proof.settings().gServidor != tried)   // typed again in the window the error box offered
        server = ConnectionStrings::storedServer(proof.settings().gServidor);
    database = proof.settings().gDBName;
    return true;
}

void frmAcceso::writeRecord(const QString& nombre, const QString& server, const QString& database)
{
    bool oracle = false;
    LBM_Common::RegistraBaseEnArchivo(nombre, database, database, database, server, QString(), oracle);
}

bool frmAcceso::ExisteBaseDeDatos(const QString& Servidor, const QString& Dbname, const QString& Usuario,
                                  const QString& PassWord, const QString& Proveedor)
{
    const QString text = QStringLiteral("PROVIDER=") + Proveedor + QStringLiteral(";Server=") + Servidor +
                         QStringLiteral(";Database =") + Dbname + QStringLiteral(";UId=") + Usuario +
                         QStringLiteral(";Pwd=") + PassWord + u';';
    try {
        const ado::ConnectionPtr trial = ado::Connection::create();
        trial->Open(text, QString(), QString(), ado::adOptionUnspecified);
        trial->Close();
        return true;
    } catch (const vb::Error&) {
        return false;
    }
}

void frmAcceso::startRegistrar(const QString& server, const QString& database)
{
    const QString folder = vb::App::path();
    const QString program = vb::resolvePath(folder + QStringLiteral("/ODBC.exe"));
    if (!QFileInfo(program).isFile())
        return;
    // The database typed here, not whatever the shared object last held.
    const QString line = QStringLiteral("Server=") + server + QStringLiteral(";DB=") + database + u';';
    QProcess::startDetached(program, {line}, folder);
}

bool frmAcceso::EjecutarCmdRegDB(QString& Archivo, QString& ErrDevuelto)
{
    QStringList words = QProcess::splitCommand(Archivo);
    if (words.isEmpty()) {
        ErrDevuelto = QStringLiteral("Error al ejecutar el comando");
        return false;
    }
    QProcess process;
    process.start(words.takeFirst(), words);
    if (!process.waitForStarted()) {
        ErrDevuelto = QStringLiteral("Error al ejecutar el comando");
        return false;
    }
    // The window keeps answering while the command runs.
    while (!process.waitForFinished(50))
        QCoreApplication::processEvents();
    return true;
}

void frmAcceso::crearAccesoDirecto()
{
    // A failure stops here: reporting success after an error would leave the operator misled.
    try {
        makeShortcut();
    } catch (const vb::Error& e) {
        ui::MsgBox(QStringLiteral("Se ha producido un error: ") + e.description(), ui::vbCritical,
                   QStringLiteral("Error"));
    }
}

void frmAcceso::makeShortcut()
{
    const QString desktop = DesktopShortcut::desktopFolder();
    // A machine without a desktop, or with another desktop folder, is common here.
    if (desktop.isEmpty() || !QFileInfo(desktop).isDir())
        vb::raise(76, vb::Error::fileDescription(76, desktop));
    QString title = vb::Trim(vb::App::title());
    if (title.isEmpty())
        title = vb::App::exeName();
    const QString path = desktop + u'/' + title + QStringLiteral(".desktop");
    if (QFileInfo::exists(path)) {
        ui::MsgBox(QStringLiteral("El acceso directo ya existe."), ui::vbInformation, QStringLiteral("Acceso Directo"));
        return;
    }
    // The server as the window opens it, so the shortcut starts the program on the same port.
    const QString server = ConnectionStrings::serverToOpen(m_servidor->text(), m_puerto->text());
    const QString line = DesktopShortcut::parameterLine(server, m_dbName->text(), m_userId->text());
    const QString target = vb::App::path() + u'/' + vb::App::exeName();
    DesktopShortcut::write(path, title, target, line);
    ui::MsgBox(QStringLiteral("Acceso directo creado correctamente en el escritorio."), ui::vbInformation,
               QStringLiteral("Acceso Directo"));
}

void frmAcceso::openWebSite()
{
    kit::Sistema().Ejecutar(0, QStringLiteral("open"), webAddress(), QString(), QString(), kit::Sistema::Minimised);
}

} // namespace data
