#include "codebox/BusquedaCodigo.h"

#include "codebox/BoxImage.h"
#include "codebox/CalendarFrame.h"
#include "codebox/CodeText.h"
#include "codebox/DateMask.h"
#include "codebox/DirectAddition.h"
#include "codebox/MonthCalendar.h"
#include "codebox/ResultList.h"
#include "codebox/SearchStatement.h"
#include "codebox/SearchTextBox.h"
#include "codebox/TableBinding.h"

#include "ado/Command.h"
#include "ado/SqlQuoting.h"
#include "ui/Control.h"
#include "ui/DialogService.h"
#include "ui/Twips.h"
#include "vb/Conversions.h"
#include "vb/DateTime.h"
#include "vb/Strings.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QListWidget>

namespace codebox {

namespace {

// Design measures, in twips.
constexpr int kTextWidth = 3045;
constexpr int kTextHeight = 285;
constexpr int kImageSide = 240;
constexpr int kImageTop = 22;
constexpr int kDefaultHeight = 2100;

// Key codes and characters of the original's key events.
constexpr int kBackspace = 8;
constexpr int kEnter = 13;
constexpr int kEscape = 27;
constexpr int kDown = 40;

constexpr int kCodeRole = Qt::UserRole;
constexpr int kDescriptionRole = Qt::UserRole + 1;

bool same(const QString& a, const char* b)
{
    return a.compare(QLatin1String(b), Qt::CaseInsensitive) == 0;
}

// The handlers pass over a failing step without a word, as the original's did; nothing
// raised inside them may reach Qt's event loop.
void passOver(const std::function<void()>& step)
{
    vb::Trap::skipping().run(step);
}

// Each statement on its own: one that fails is passed over and the next one runs.
void passOverEach(std::initializer_list<std::function<void()>> steps)
{
    vb::Trap skip = vb::Trap::skipping();
    for (const auto& step : steps)
        skip.run(step);
}

// The key code of a key-down: the box acts on Esc, Enter, Down and Backspace only. Qt's codes
// of printable characters are their own ("(" is 40, the original's Down arrow), so any other
// key is 0 here.
int keyCodeOf(const QKeyEvent* key)
{
    switch (key->key()) {
    case Qt::Key_Escape: return kEscape;
    case Qt::Key_Return:
    case Qt::Key_Enter: return kEnter;
    case Qt::Key_Down: return kDown;
    case Qt::Key_Backspace: return kBackspace;
    default: return 0;
    }
}

// The character a key press hands to KeyPress; 0 for keys that raise no KeyPress. Tab moves
// the focus and types nothing: the date mask would swallow it and keep the operator in the box.
int keyAsciiOf(const QKeyEvent* key)
{
    const int code = keyCodeOf(key);
    if (code == kEscape || code == kEnter || code == kBackspace)
        return code;
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
        return 0;
    return key->text().isEmpty() ? 0 : key->text().at(0).unicode();
}

ado::RecordsetPtr rowsOf(const ado::RecordsetPtr& rs)
{
    if (!rs)
        vb::raise(91);
    return rs;
}

struct ListLine {
    QString description;
    QString code;
};

} // namespace

BusquedaCodigo::BusquedaCodigo(QWidget* parent) : QWidget(parent)
{
    ui::Control::declare(this, QStringLiteral("BusquedaCodigo"));
    buildControls();
    UserControl_Initialize();
    resize(ui::Twips::toPixels(kTextWidth + 3 * kImageSide + 100), ui::Twips::toPixels(kDefaultHeight));
    UserControl_Resize();
}

BusquedaCodigo::~BusquedaCodigo() = default;

void BusquedaCodigo::buildControls()
{
    m_txt = new SearchTextBox(this);
    ui::Control::declare(m_txt, QStringLiteral("TxtBusqueda"));
    QFont font(QStringLiteral("Arial Rounded MT Bold"));
    font.setPointSizeF(8.25);
    m_txt->setFont(font);
    ui::Twips::place(m_txt, 0, 0, kTextWidth, kTextHeight);

    m_lst = new ResultList(this);
    ui::Control::declare(m_lst, QStringLiteral("LstBusqueda"));
    m_lst->setSelectionMode(QAbstractItemView::SingleSelection);

    m_imgOk = new BoxImage(BoxImage::Kind::Accept, this);
    m_imgMas = new BoxImage(BoxImage::Kind::Add, this);
    m_imgX = new BoxImage(BoxImage::Kind::Clear, this);
    ui::Control::declare(m_imgOk, QStringLiteral("IMGOK"), -1, QStringLiteral("Image"));
    ui::Control::declare(m_imgMas, QStringLiteral("imgMas"), -1, QStringLiteral("Image"));
    ui::Control::declare(m_imgX, QStringLiteral("ImgX"), -1, QStringLiteral("Image"));
    for (BoxImage* image : {m_imgOk, m_imgMas, m_imgX})
        ui::Twips::place(image, 0, kImageTop, kImageSide, kImageSide);
    m_imgMas->hide();   // shown by a binding that allows the addition

    m_calendar = new CalendarFrame(this);
    m_calendar->lower();   // under the text line it overlaps
    m_calendar->hide();

    // Key preview: the box sees every key of its controls before they do.
    QList<QWidget*> previewed{m_txt, m_lst, m_calendar->CmbMes(), m_calendar->CmbAnio(), m_calendar->CmbMes()->lineEdit(),
                              m_calendar->CmbAnio()->lineEdit()};
    for (int i = 0; i < CalendarFrame::Days; ++i)
        previewed << m_calendar->OptDia(i);
    for (QWidget* w : previewed)
        w->installEventFilter(this);

    connect(m_txt, &QLineEdit::textChanged, this, [this] { TxtBusqueda_Change(); });
    connect(m_txt, &SearchTextBox::focusEntered, this, [this] { TxtBusqueda_GotFocus(); });
    connect(m_txt, &SearchTextBox::mousePressed, this, [this] { TxtBusqueda_MouseDown(); });
    // The chosen line, not the current one: a list taking the focus has a current line that
    // nobody chose.
    connect(m_lst, &QListWidget::itemSelectionChanged, this, [this] { LstBusqueda_Click(); });
    connect(m_lst, &QListWidget::itemDoubleClicked, this, [this] { LstBusqueda_DblClick(); });
    connect(m_imgX, &BoxImage::clicked, this, [this] { ImgX_Click(); });
    connect(m_imgOk, &BoxImage::clicked, this, [this] { IMGOK_Click(); });
    connect(m_imgMas, &BoxImage::clicked, this, [this] { imgMas_Click(); });
    connect(m_calendar, &CalendarFrame::monthChosen, this, [this] { CmbMes_Click(); });
    connect(m_calendar, &CalendarFrame::yearChosen, this, [this] { CmbAño_Click(); });
    connect(m_calendar, &CalendarFrame::dayClicked, this, [this](int i) { OptDia_Click(i); });
    connect(m_calendar, &CalendarFrame::dayDoubleClicked, this, [this](int i) { OptDia_DblClick(i); });
}

// ---------------------------------------------------------------- look and layout

void BusquedaCodigo::UserControl_Initialize()
{
    AplicarAspecto();
}

void BusquedaCodigo::AplicarAspecto()
{
    QPalette own = palette();
    own.setColor(QPalette::Window, Qt::white);
    setPalette(own);
    setAutoFillBackground(true);
    m_txt->setFrame(false);
    QPalette text = m_txt->palette();
    text.setColor(QPalette::Base, Qt::white);
    text.setColor(QPalette::Text, Qt::black);
    m_txt->setPalette(text);
}

void BusquedaCodigo::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    passOver([this] { UserControl_Resize(); });
}

void BusquedaCodigo::UserControl_Resize()
{
    AplicarAspecto();
    const QRect text = ui::Twips::geometry(m_txt);
    if (same(ui::Control::tag(m_txt), "Fecha")) {
        const QRect frame = ui::Twips::geometry(m_calendar);
        resize(ui::Twips::toPixels(frame.width()), ui::Twips::toPixels(frame.height() + text.height()));
        m_lst->hide();
    } else {
        m_calendar->hide();
        m_lst->show();
    }
    const int width = ui::Twips::fromPixels(this->width());
    const int height = ui::Twips::fromPixels(this->height());
    const QRect ok = ui::Twips::geometry(m_imgOk);
    const QRect add = ui::Twips::geometry(m_imgMas);
    const QRect clear = ui::Twips::geometry(m_imgX);
    const int textWidth = width - (clear.width() + add.width() + ok.width() + 100);
    ui::Twips::place(m_txt, text.left(), text.top(), textWidth, text.height());
    const int okLeft = text.left() + textWidth + 10;
    const int addLeft = okLeft + ok.width() + 10;
    ui::Twips::place(m_imgOk, okLeft, ok.top(), ok.width(), ok.height());
    ui::Twips::place(m_imgMas, addLeft, add.top(), add.width(), add.height());
    ui::Twips::place(m_imgX, addLeft + add.width() + 10, clear.top(), clear.width(), clear.height());
    ui::Twips::place(m_lst, 20, text.top() + text.height() + 20, width - 40, height);
}

// ---------------------------------------------------------------- connection

ado::ConnectionPtr BusquedaCodigo::connection()
{
    if (!m_connection)
        m_connection = ado::Connection::create();
    return m_connection;
}

bool BusquedaCodigo::connectionOpen() const
{
    // The connection's own state, not a flag: a failed open the operator passed over
    // leaves it closed, and the next binding tries again.
    return m_connection && m_connection->State() == ado::adStateOpen;
}

void BusquedaCodigo::AbrirConexion()
{
    if (vb::Trim(m_connString).isEmpty())
        return;
    vb::Trap trap([this](const vb::Error& e) { return TratamientoErrores(e); });
    const ado::ConnectionPtr cnn = connection();
    QString database;
    trap.run([&] { database = CodeText::databaseName(m_connString); });
    trap.run([&] {
        cnn->setConnectionString(m_connString);
        cnn->Open();
    });
    trap.run([&] { cnn->setDefaultDatabase(database); });
    trap.run([&] { cnn->setCommandTimeout(60); });
    QString aux;
    trap.run([&] {
        DeshabilitarBCArticulos = sp_Cfg(QStringLiteral("DeshabilitaBusquedaCodigoArt"), aux).compare(QLatin1String("SI"), Qt::CaseInsensitive) == 0;
    });
    trap.run([&] {
        DeshabilitarBCTodos = sp_Cfg(QStringLiteral("DeshabilitaBusquedaCodigo"), aux).compare(QLatin1String("SI"), Qt::CaseInsensitive) == 0;
    });
}

ado::RecordsetPtr BusquedaCodigo::query(const QString& sql, qint64* affected)
{
    if (m_observer)
        m_observer(sql);
    return connection()->Execute(sql, affected);
}

QString BusquedaCodigo::sp_Cfg(const QString& Campo, QString& ValorAux)
{
    // Ignore goes on with the next statement; Abort and Retry both end with an empty result.
    vb::Trap trap([this](const vb::Error& e) {
        return TratamientoErrores(e, vb::Variant::missing(), QStringLiteral("sp_Cfg")) == vb::Ignore ? vb::Ignore : vb::Abort;
    });
    const auto command = ado::Command::create();
    ado::RecordsetPtr rs;
    QString result;
    trap.run([&] {
        command->setActiveConnection(connection());
        command->setCommandType(ado::adCmdStoredProc);
        command->setCommandText(QStringLiteral("sp1_getCfg"));
        command->Parameters()->Append(command->CreateParameter(QStringLiteral("@Campo"), ado::adChar, ado::adParamInput, 50, Campo));
    });
    trap.run([&] {
        vb::DoEvents();
        rs = command->Execute();
    });
    trap.run([&] {
        if (rowsOf(rs)->Eof()) {
            result = QStringLiteral(" ");
            ValorAux.clear();
        } else {
            result = CodeText::FieldVal(rs->Value(QStringLiteral("Valor")));
            ValorAux = CodeText::FieldVal(rs->Value(QStringLiteral("ValorAux")));
        }
    });
    trap.run([&] {
        const bool message = QStringList{"Mensaje_Respuesta", "Mensaje_Recibido", "Mensaje_Bienvenida", "Mensaje_FueraHorario",
                                         "Mensaje_ContactosIgnorados"}
                                 .contains(Campo, Qt::CaseInsensitive);
        if (message && result.isEmpty() && !ValorAux.isEmpty())
            result = ValorAux;
    });
    return trap.left() ? QString() : result;
}

int BusquedaCodigo::TratamientoErrores(const vb::Error& CodErr, const vb::Variant& Botones, const QString& Rutina)
{
    if (CodErr.number() == 0)
        return 0;
    const QString prompt = QStringLiteral("Ha ocurrido el Siguiente Error (") + QString::number(CodErr.number()) + QStringLiteral(") ")
        + vb::Trim(CodErr.description());
    QString title = CodErr.source();
    if (!Rutina.isEmpty())
        title += QStringLiteral(" - ") + Rutina;
    title += QStringLiteral(" Aviso al operador!!! ");
    const int buttons = Botones.isMissing() || Botones.isEmpty() ? ui::vbAbortRetryIgnore + ui::vbCritical : vb::CInt(Botones);
    return ui::MsgBox(prompt, buttons, title);
}

// ---------------------------------------------------------------- rights and binding

bool BusquedaCodigo::AltaDisponible()
{
    m_codeWidth = 4;
    const QString right = TableBinding::rightCode(m_tabla);
    if (right.isEmpty())
        return false;
    m_codeWidth = TableBinding::codeWidth(m_tabla);
    // No user, no restriction: a host that names nobody lets the box add.
    if (vb::Trim(m_util.ValorTexto(Usuario)).isEmpty())
        return true;
    const ado::RecordsetPtr rs = query(QStringLiteral("SELECT tarea FROM ta_tareas where tarea = '") + right
                                       + QStringLiteral("' and usuario = '") + ado::escapeSqlText(Usuario)
                                       + QStringLiteral("'"));
    return !rs->Eof();
}

bool BusquedaCodigo::additionOffered()
{
    bool allowed = false;   // a rights test that fails grants nothing
    passOver([&] { allowed = AltaDisponible(); });
    return allowed && !m_codeColumn.isEmpty() && !m_descriptionColumn.isEmpty();
}

bool BusquedaCodigo::BusquedaDisponible(QString& tabla)
{
    bool result = false;
    passOver([&] { applyBinding(tabla, result); });
    return result;
}

void BusquedaCodigo::applyBinding(QString& tabla, bool& result)
{
    ui::Control::setTag(m_txt, tabla);
    // The disabling settings come with the connection: open it before they are read.
    if (!connectionOpen())
        AbrirConexion();
    if (DeshabilitarBCTodos)
        return;
    m_calendar->hide();
    const TableSetup setup = TableBinding::resolve(tabla, DeshabilitarBCArticulos);
    m_tabla = setup.boundTable;
    m_descriptionColumn = setup.descriptionColumn;
    m_codeColumn = setup.codeColumn;
    tabla = setup.callerName;
    result = setup.result;
    if (setup.stopped)
        return;
    m_extraFilter = setup.extraFilter;
    if (setup.salesmanRestriction)
        m_extraFilter += salesmanFilter();
    m_imgMas->setVisible(additionOffered());
    m_txt->setMaxLength(50);
    // After the limit of 50: a date box keeps the calendar's 10, so the mask never writes
    // past the date.
    if (setup.dateMode)
        CargarCalendario();
    if (!m_tabla.isEmpty() && !Buscar.isEmpty())
        m_txt->setText(vb::Trim(Buscar));
}

QString BusquedaCodigo::salesmanFilter()
{
    // Only a user with a salesman is narrowed to that salesman's customers and suppliers; a
    // blank user, or one the user table lacks, sees them all. A lookup that fails sees none.
    if (vb::Trim(m_util.ValorTexto(Usuario)).isEmpty())
        return {};
    QString filter = QStringLiteral(" and 1 = 0");
    passOver([&] {
        if (!connectionOpen())
            AbrirConexion();
        const ado::RecordsetPtr rs = query(QStringLiteral("SELECT * FROM ta_USUARIOS where LTRIM(RTRIM(NOMBRE)) = '")
                                           + ado::escapeSqlText(Usuario) + QStringLiteral("'"));
        const QString salesman = rs->Eof() ? QString() : CodeText::FieldVal(rs->Value(QStringLiteral("IdVendedor")));
        filter = vb::Trim(salesman).isEmpty()
            ? QString()
            : QStringLiteral(" and IDVENDEDOR = '") + ado::escapeSqlText(salesman) + QStringLiteral("'");
    });
    return filter;
}

// ---------------------------------------------------------------- search

bool BusquedaCodigo::calendarShown() const
{
    return !m_calendar->isHidden();
}

void BusquedaCodigo::Busqueda()
{
    passOver([this] {
        if (calendarShown()) {
            // Date mode: the calendar follows the text.
            if (!vb::Trim(m_txt->text()).isEmpty()) {
                TextoIngresado = m_txt->text();
                Buscar = TextoIngresado;
            } else {
                TextoIngresado = Buscar;
            }
            CargarCalendario();
            m_txt->setFocus();
            return;
        }
        if (m_clickEnLista) {
            // The text a list click wrote: the list keeps its lines.
            m_clickEnLista = false;
            return;
        }
        searchList();
    });
}

void BusquedaCodigo::searchList()
{
    m_lst->clear();
    m_searchFailed = false;
    TextoIngresado = m_txt->text();
    if (same(m_tabla, "FECHA"))
        return;
    // A table without a column rule has nothing to search.
    if (Buscar.isEmpty() || m_tabla.isEmpty() || m_codeColumn.isEmpty() || m_descriptionColumn.isEmpty()) {
        Buscar.clear();
        return;
    }
    const SearchRequest request{Buscar, idLista, m_tabla, TableBinding::searchColumn(m_descriptionColumn, m_codeColumn),
                                m_codeColumn, m_extraFilter};
    const QString sql = SearchStatement::build(request);
    std::vector<ListLine> lines;
    vb::Trap trap([this](const vb::Error& e) {
        return TratamientoErrores(e, vb::Variant::missing(), QStringLiteral("Busqueda")) == vb::Retry ? vb::Retry : vb::Abort;
    });
    const bool read = trap.run([&] {
        lines.clear();
        const ado::RecordsetPtr rs = query(sql);
        for (; !rs->Eof(); rs->MoveNext())
            lines.push_back({CodeText::FieldVal(rs->Value(request.descriptionColumn)), CodeText::FieldVal(rs->Value(request.codeColumn))});
    });
    Buscar.clear();
    if (!read) {
        // A failed search is no "no match": the list goes away, and Enter will not offer
        // to add what may well exist.
        m_searchFailed = true;
        m_lst->hide();
        return;
    }
    if (!lines.empty())
        m_lst->show();
    for (const ListLine& line : lines) {
        auto* item = new QListWidgetItem(line.description + QString(50, u' ') + line.code);
        item->setData(kCodeRole, line.code);
        item->setData(kDescriptionRole, line.description);
        m_lst->addItem(item);
    }
}

// ---------------------------------------------------------------- resolution

QString BusquedaCodigo::lineCode(const QListWidgetItem* item) const
{
    return item ? vb::Trim(item->data(kCodeRole).toString()) : QString();
}

QString BusquedaCodigo::lineDescription(const QListWidgetItem* item) const
{
    return item ? vb::Trim(item->data(kDescriptionRole).toString()) : QString();
}

void BusquedaCodigo::ObtieneCodigo(bool DesdeTxt)
{
    passOver([&] {
        if (DesdeTxt) {
            Codigo = vb::Trim(m_txt->text());
        } else if (calendarShown()) {
            Codigo = vb::Trim(m_txt->text());
            m_calendar->hide();
        } else {
            Codigo = lineCode(m_lst->chosenItem());
        }
    });
    // What the host's handler raises is passed over here, as the original's hand-over did,
    // and never reaches the event loop through the click or key that led here.
    passOver([this] { emit CodigoObtenido(); });
}

QString BusquedaCodigo::FmtLeerCodigo(const QString& codigo, const vb::Variant& Largo) const
{
    return CodeText::FmtLeerCodigo(codigo, Largo);
}

vb::Variant BusquedaCodigo::FieldVal(const vb::Variant& recFieldVal) const
{
    return CodeText::FieldVal(recFieldVal);
}

// ---------------------------------------------------------------- keys and clicks

bool BusquedaCodigo::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    bool consumed = false;
    passOver([&] {
        if (event->type() == QEvent::KeyRelease) {
            if (watched == m_lst)
                LstBusqueda_KeyUp(keyCodeOf(key));
            return;
        }
        if (UserControl_KeyDown(keyCodeOf(key))) {
            consumed = true;
        } else if (watched == m_txt) {
            consumed = TxtBusqueda_KeyDown(keyCodeOf(key)) || TxtBusqueda_KeyPress(keyAsciiOf(key));
        } else if (watched == m_lst) {
            consumed = LstBusqueda_KeyPress(keyAsciiOf(key));
        } else if (const int day = ui::Control::index(watched); day >= 0 && watched == m_calendar->OptDia(day)) {
            consumed = OptDia_KeyPress(day, keyAsciiOf(key));
        }
    });
    return consumed;
}

bool BusquedaCodigo::UserControl_KeyDown(int keyCode)
{
    if (keyCode != kEscape)
        return false;
    // The original let Esc go on to the text box, which cleared the entry a second time;
    // one Esc clears it once.
    passOver([this] { m_txt->setText(QString()); });
    Buscar.clear();
    ObtieneCodigo(true);
    return true;
}

bool BusquedaCodigo::TxtBusqueda_KeyDown(int keyCode)
{
    if (keyCode != kDown || calendarShown())
        return false;
    m_lst->setFocus();
    if (m_lst->count() > 0)
        m_lst->setCurrentRow(0);
    return true;
}

bool BusquedaCodigo::TxtBusqueda_KeyPress(int keyAscii)
{
    // Esc never gets here: the box's own key preview takes it.
    if (keyAscii == kEnter) {
        answerEnter();
        return true;
    }
    if (keyAscii == 0 || keyAscii == 127)   // keys that type no character
        return false;
    // A mask that fails lets the key through as typed.
    int key = keyAscii;
    passOver([&] { ClsDatosOk(m_txt, key); });
    return key == 0;
}

void BusquedaCodigo::answerEnter()
{
    if (m_imgMas->isHidden() || m_lst->count() >= 1 || m_searchFailed || vb::Trim(m_txt->text()).size() <= 4) {
        ObtieneCodigo(true);
        return;
    }
    const int answer = ui::MsgBox(CodeText::additionQuestion(m_tabla), ui::vbYesNo, QStringLiteral("Aviso al operador"));
    if (answer == ui::vbYes)
        imgMas_Click();
    else
        ObtieneCodigo(true);
}

void BusquedaCodigo::ClsDatosOk(QLineEdit* Textos, int& KeyAscii)
{
    DateMask::apply(Textos, KeyAscii);
}

// ---------------------------------------------------------------- direct addition

void BusquedaCodigo::imgMas_Click()
{
    passOver([this] {
        DirectAddition addition(connection(), [this](const QString& sql, qint64* affected) { return query(sql, affected); });
        const AdditionRequest request{m_tabla, m_codeColumn, m_descriptionColumn, m_codeWidth, m_txt->text(), Cuenta};
        const DirectAddition::Outcome outcome = addition.add(request, vb::Today().date());
        if (!outcome.added) {
            if (!outcome.message.isEmpty())
                ui::MsgBox(outcome.message);
            return;
        }
        m_txt->setText(outcome.code);
        ObtieneCodigo(true);
    });
}

// ---------------------------------------------------------------- calendar

QString BusquedaCodigo::NombreMes(int Nromes) const
{
    return MonthCalendar::NombreMes(Nromes);
}

int BusquedaCodigo::Nromes(const QString& NombreMes) const
{
    return MonthCalendar::Nromes(NombreMes);
}

int BusquedaCodigo::CantidadDeDiasDelmes(const vb::Variant& Mes, const vb::Variant& año) const
{
    return MonthCalendar::CantidadDeDiasDelmes(vb::CInt(Mes), vb::CInt(año));
}

void BusquedaCodigo::CargarCalendario()
{
    passOverEach({
        [this] {
            m_calendar->show();
            m_lst->hide();
            m_txt->setMaxLength(10);
        },
        [this] { m_txt->setText(Buscar); },
        [this] {
            const int end = int(m_txt->text().size());
            m_txt->setCursorPosition(end >= m_selStartInicial ? m_selStartInicial : end);
        },
        [this] {
            if (m_calendar->CmbMes()->count() < 2) {
                CargarMesAño();
                showCalendarDate(vb::Today().date());
            }
        },
        [this] {
            const vb::Variant typed(Buscar);
            if (vb::IsDate(typed) && vb::Trim(Buscar).size() == 10) {
                const QDate date = vb::CDate(typed).date();
                m_txt->setText(date.toString(QStringLiteral("dd/MM/yyyy")));
                showCalendarDate(date);
            }
        },
        [this] { m_txt->setFocus(); },
    });
}

// The grid of the date's month with its day chosen, and the combos at its month and year.
void BusquedaCodigo::showCalendarDate(const QDate& date)
{
    ArmarAlmanaque(date.month(), date.year());
    Seleccionar(IndCaption(date.day()), false);
    CalendarFrame::setComboText(m_calendar->CmbMes(), NombreMes(date.month()));
    CalendarFrame::setComboText(m_calendar->CmbAnio(), QString::number(date.year()));
}

void BusquedaCodigo::CargarMesAño()
{
    const QDate today = vb::Today().date();
    for (int month = 1; month <= 12; ++month)
        m_calendar->CmbMes()->addItem(NombreMes(month));
    CalendarFrame::setComboText(m_calendar->CmbMes(), NombreMes(today.month()));
    for (int year = 1930; year <= 2049; ++year)
        m_calendar->CmbAnio()->addItem(QString::number(year));
    CalendarFrame::setComboText(m_calendar->CmbAnio(), QString::number(today.year()));
}

void BusquedaCodigo::ArmarAlmanaque(const vb::Variant& Mes, const vb::Variant& año)
{
    // A month or year that is no number gives a grid of dots, as each failing step left it.
    int month = 0;
    int year = 0;
    passOver([&] {
        month = vb::CInt(Mes);
        year = vb::CInt(año);
    });
    const MonthCalendar::Grid grid = MonthCalendar::grid(month, year);
    m_calendarioListo = false;
    for (int i = 0; i < CalendarFrame::Days; ++i) {
        const MonthCalendar::Cell& cell = grid[std::size_t(i)];
        m_calendar->setCaption(i, cell.caption);
        m_calendar->OptDia(i)->setEnabled(cell.enabled);
        m_calendar->setColour(i, cell.colour);
    }
    m_calendar->releaseAll();
    m_calendarioListo = true;
}

void BusquedaCodigo::Seleccionar(const vb::Variant& DIA, bool Asignar)
{
    for (int i = 0; i < CalendarFrame::Days; ++i)
        if (m_calendar->caption(i) == QLatin1String("."))
            m_calendar->setColour(i, MonthCalendar::outsideColour());
    const int day = vb::CInt(DIA);
    if (day < 0 || day >= CalendarFrame::Days)
        vb::raise(9);
    if (Asignar) {
        const QColor colour = m_calendar->colour(day);
        if (colour == MonthCalendar::weekendColour())
            m_calendar->setColour(day, MonthCalendar::weekdayColour());
        else if (colour == MonthCalendar::weekdayColour())
            m_calendar->setColour(day, MonthCalendar::weekendColour());
    }
    m_calendarioListo = false;
    m_calendar->choose(day);
    m_calendarioListo = true;
}

int BusquedaCodigo::IndCaption(const vb::Variant& Caption) const
{
    const QString wanted = vb::CStr(Caption);
    for (int i = 0; i < CalendarFrame::Days; ++i)
        if (m_calendar->caption(i).compare(wanted, Qt::CaseInsensitive) == 0)
            return i;
    return 0;
}

void BusquedaCodigo::CmbMes_Click()
{
    passOver([this] { ArmarAlmanaque(Nromes(m_calendar->CmbMes()->currentText()), m_calendar->CmbAnio()->currentText()); });
}

void BusquedaCodigo::CmbAño_Click()
{
    CmbMes_Click();
}

QString BusquedaCodigo::dayText(int index) const
{
    const int day = vb::Trim(m_calendar->caption(index)).toInt();
    const int month = Nromes(m_calendar->CmbMes()->currentText());
    return QStringLiteral("%1/%2/").arg(day, 2, 10, QLatin1Char('0')).arg(month, 2, 10, QLatin1Char('0'))
        + vb::Trim(m_calendar->CmbAnio()->currentText());
}

void BusquedaCodigo::OptDia_Click(int index)
{
    if (!m_calendarioListo)
        return;
    passOver([&] {
        m_txt->setText(dayText(index));
        Seleccionar(IndCaption(m_calendar->caption(index)), false);
    });
}

void BusquedaCodigo::OptDia_DblClick(int index)
{
    passOver([&] { m_txt->setText(dayText(index)); });
    ObtieneCodigo(false);
}

bool BusquedaCodigo::OptDia_KeyPress(int, int keyAscii)
{
    if (keyAscii != kEnter)
        return false;
    ObtieneCodigo(false);
    return true;
}

void BusquedaCodigo::TxtBusqueda_Change()
{
    passOver([this] {
        Buscar = m_txt->text();
        CodigoNoConfirmado = Buscar;
    });
    Busqueda();
}

void BusquedaCodigo::TxtBusqueda_GotFocus()
{
    passOver([this] {
        const int end = int(m_txt->text().size());
        if (!calendarShown())
            m_txt->setCursorPosition(end);
        else
            m_txt->setCursorPosition(end >= m_selStartInicial ? m_selStartInicial : end);
    });
}

void BusquedaCodigo::TxtBusqueda_MouseDown()
{
    passOver([this] { m_txt->setCursorPosition(m_txt->hasSelectedText() ? m_txt->selectionStart() : m_txt->cursorPosition()); });
}

void BusquedaCodigo::LstBusqueda_Click()
{
    passOver([this] {
        const QListWidgetItem* item = m_lst->chosenItem();
        if (!item)
            return;
        const QString description = lineDescription(item);
        // Only a text that changes runs the search the flag is there to skip; a flag left
        // standing would swallow the operator's next keystroke.
        if (m_txt->text() == description)
            return;
        m_clickEnLista = true;
        m_txt->setText(description);
    });
}

void BusquedaCodigo::LstBusqueda_DblClick()
{
    ObtieneCodigo(false);
}

bool BusquedaCodigo::LstBusqueda_KeyPress(int keyAscii)
{
    if (keyAscii != kEnter)
        return false;
    ObtieneCodigo(false);
    return true;
}

void BusquedaCodigo::LstBusqueda_KeyUp(int keyCode)
{
    if (keyCode != kBackspace)
        return;
    const QString text = m_txt->text();
    const int n = int(vb::Trim(text).size());
    if (n > 0)
        m_txt->setText(text.left(n - 1));
}

void BusquedaCodigo::ImgX_Click()
{
    passOver([this] { m_txt->setText(QString()); });
    ObtieneCodigo(true);
}

void BusquedaCodigo::IMGOK_Click()
{
    passOver([this] {
        const QListWidgetItem* item = m_lst->chosenItem();
        if (item && !vb::Trim(item->text()).isEmpty())
            LstBusqueda_DblClick();
        else
            TxtBusqueda_KeyPress(kEnter);
    });
}

} // namespace codebox
