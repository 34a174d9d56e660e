#include "reports/FieldEntry.h"

#include "reports/FieldLookups.h"
#include "reports/ReportControls.h"
#include "reports/SuiteDate.h"

#include "app/AppModule.h"
#include "app/Checks.h"
#include "app/SharedObjects.h"
#include "commandbar/ColorStyle.h"
#include "commandbar/TBarRep.h"
#include "kit/ControlesForm.h"
#include "kit/Utilidades.h"
#include "lookup/Consultas.h"
#include "ui/Control.h"
#include "ui/DialogService.h"
#include "vb/Conversions.h"
#include "vb/Error.h"
#include "vb/Strings.h"

#include <QLineEdit>
#include <QPalette>

namespace reports {

namespace {

const QString kAviso = QStringLiteral("Aviso al operador...");
const QString kFechaIncorrecta = QStringLiteral("La fecha ingresada no es correcta!!");
const QString kVencimientoIncorrecto = QStringLiteral("La fecha de Vencimiento ingresada no es correcta!!");

bool same(const QString& a, const char16_t* b)
{
    return a.compare(QStringView(b), Qt::CaseInsensitive) == 0;
}

// A box with the suite's flat look is drawn through its style sheet, which paints the
// application's colours whatever the box's palette says: the colours go into the sheet too.
void paintSheet(QLineEdit* box, const QColor& back, const QColor& fore)
{
    const char* const plainSheet = "rpqPlainSheet";
    if (!box->property(plainSheet).isValid())
        box->setProperty(plainSheet, box->styleSheet());
    const QString sheet = box->property(plainSheet).toString();
    if (sheet.isEmpty())
        return;
    box->setStyleSheet(sheet + QStringLiteral(" QLineEdit { background: %1; color: %2; }").arg(back.name(), fore.name()));
}

void paint(QLineEdit* box, std::int32_t back, std::int32_t fore)
{
    const QColor backColour = commandbar::ColorStyle::toQColor(back);
    const QColor foreColour = commandbar::ColorStyle::toQColor(fore);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, backColour);
    palette.setColor(QPalette::Text, foreColour);
    box->setPalette(palette);
    paintSheet(box, backColour, foreColour);
}

// Error 5 is passed over; any other goes to the library's error dialog, whose answer decides.
int validationAnswer(const vb::Error& error)
{
    if (error.number() == 5)
        return vb::Ignore;
    int answer = 0;
    app::gUtil().ReportarError(error, vb::Variant::missing(), QString(), &answer);
    return answer;
}

} // namespace

QLineEdit* FieldEntry::box(int index) const
{
    return m_c.txtFields.at(size_t(index));
}

void FieldEntry::txtFields_GotFocus(int index)
{
    m_campoActual = index;
    m_c.TBarRep1->setConsultaEnabled(!vb::Trim(ui::Control::tag(box(index))).isEmpty());
    const app::ConfigurationValues& colours = app::state().configuration;
    paint(box(index), colours.ColorFondo, colours.ColorLetra);
}

void FieldEntry::txtFields_LostFocus(int index)
{
    paint(box(index), 0xFFFFFF, 0);
}

void FieldEntry::txtFields_KeyPress(int index, int& KeyAscii)
{
    app::gControles().FiltrarTecla(box(index), KeyAscii);
}

void FieldEntry::txtFields_Edited(int index)
{
    QLineEdit* target = box(index);
    const QString text = target->text();
    const int edited = target->cursorPosition();
    QString kept;
    int cursor = edited;   // beside the same characters it was beside
    for (qsizetype i = 0; i < text.size(); ++i) {
        int key = text.at(i).unicode();
        app::gControles().FiltrarTecla(target, key);
        if (key == text.at(i).unicode())
            kept += text.at(i);
        else if (i < edited)
            --cursor;
    }
    if (kept == text)
        return;
    target->setText(kept);
    target->setCursorPosition(cursor);
}

void FieldEntry::txtFields_KeyDown(int index, int KeyCode, int)
{
    if (KeyCode != KeyReturn && KeyCode != KeyDown)
        return;
    CampoValida(index, box(index));
    if (!m_errorValidacion)
        app::gControles().AvanzarFoco(KeyCode, box(index));
}

void FieldEntry::txtFields_MouseDown(int index, int Button)
{
    m_campoActual = index;
    if (Button == RightButton)
        ConsultarCampo();
}

void FieldEntry::rechazar(int index, const QString& mensaje)
{
    m_errorValidacion = true;
    ui::MsgBox(mensaje, ui::vbInformation, kAviso);
    box(index)->setFocus();
}

void FieldEntry::CampoValida(int index, QObject* Texto)
{
    m_errorValidacion = false;
    vb::Trap trap(validationAnswer);
    QString valor;
    QString campo;
    trap.run([&] {
        valor = vb::Trim(box(index)->text());
        campo = ui::Control::dataField(box(index));
    });
    if (trap.left() || valor.isEmpty())
        return;

    if (same(campo, u"Cliente_desde"))
        validarCuenta(trap, index, valor, Texto, false);
    else if (same(campo, u"Cliente_Hasta"))
        validarCuenta(trap, index, valor, Texto, true);
    else if (same(campo, u"FECHA_DESDE"))
        validarFecha(trap, index, valor, QString(), kFechaIncorrecta);
    else if (same(campo, u"FECHA_HASTA"))
        validarFecha(trap, index, valor, QStringLiteral("FECHA_DESDE"), kFechaIncorrecta);
    else if (same(campo, u"Sucursal_desde") || same(campo, u"Sucursal_hasta"))
        completarConCeros(trap, index, valor, QStringLiteral("0000"));
    else if (same(campo, u"Nro_desde") || same(campo, u"Nro_Hasta"))
        completarConCeros(trap, index, valor, QStringLiteral("00000000"));
    else if (same(campo, u"Vto_desde"))
        validarFecha(trap, index, valor, QString(), kVencimientoIncorrecto);
    else if (same(campo, u"Vto_Hasta"))
        validarFecha(trap, index, valor, QStringLiteral("Vto_Desde"), kVencimientoIncorrecto);
}

void FieldEntry::validarCuenta(vb::Trap& trap, int index, QString& valor, QObject* Texto, bool hasta)
{
    bool existe = false;
    trap.run([&] {
        ado::RecordsetPtr rs;
        bool porCodigoOpcional = false;
        existe = app::ExisteCuenta(valor, rs, true, porCodigoOpcional);
        if (rs)
            app::gDB().CierraRecordset(rs);
    });
    if (trap.left())
        return;
    if (!existe) {
        rechazar(index, QStringLiteral("La cuenta es inexistente."));
        return;
    }
    trap.run([&] { ui::Control::setValue(Texto, valor); });
    if (!hasta)
        return;
    QString desde;
    trap.run([&] {
        desde = m_c.field(QStringLiteral("Cliente_DESDE"))->text();
    });
    bool menor = false;
    trap.run([&] {
        // Both as fields of the account's width, so blanks after a code do not set it apart.
        const QString a = app::gUtil().fitText(valor, 15);
        const QString b = app::gUtil().fitText(desde, 15);
        menor = a.compare(b, Qt::CaseInsensitive) < 0;
    });
    if (menor && !trap.left())
        rechazar(index, QStringLiteral("Cuenta desde mayor a Cuenta Hasta"));
}

void FieldEntry::validarFecha(vb::Trap& trap, int index, const QString& valor, const QString& campoDesde,
                              const QString& mensaje)
{
    vb::Date desde;
    if (!campoDesde.isEmpty()) {
        trap.run([&] {
            const QString texto = vb::Trim(m_c.field(campoDesde)->text());
            if (!texto.isEmpty())
                desde = vb::CDate(texto);
        });
    }
    if (trap.left())
        return;
    bool esFecha = false;
    trap.run([&] { esFecha = isSuiteDate(valor); });
    if (trap.left())
        return;
    if (!esFecha) {
        rechazar(index, mensaje);
        return;
    }
    if (campoDesde.isEmpty())
        return;
    bool anterior = false;
    trap.run([&] { anterior = vb::CDate(valor) < desde; });
    if (anterior && !trap.left())
        rechazar(index, QStringLiteral("Fecha Desde Mayor que Hasta!!"));
}

void FieldEntry::completarConCeros(vb::Trap& trap, int index, const QString& valor, const QString& patron)
{
    trap.run([&] {
        const QString texto = vb::Format(vb::Val(valor), patron);
        m_c.field(ui::Control::dataField(box(index)))->setText(texto);
    });
}

bool FieldEntry::elegirFecha(QLineEdit* target)
{
    // The calendar opens on the box's own date, else on the last one chosen; closing it without
    // a choice leaves the box as it was.
    const QString propia = vb::Trim(target->text());
    QString fecha = vb::IsDate(propia) ? propia : m_fechaElegida;
    if (!app::gUtil().ElegirFecha(fecha))
        return false;
    m_fechaElegida = fecha;
    return true;
}

QString FieldEntry::consultar(const QString& tag, QLineEdit* target, bool& seguir)
{
    FieldLookups& lookups = FieldLookups::instance();
    seguir = true;
    if (same(tag, u"FECHA")) {
        seguir = elegirFecha(target);
        return m_fechaElegida;
    }
    if (same(tag, u"VT_CLIENTES")) {
        const bool like = lookup::likeSearchConfigured();
        const QString codigo = like ? lookups.buscarProveedorLike(target->text()) : lookups.listaProveedores();
        // A cancelled supplier search leaves the box as it was.
        seguir = !codigo.isEmpty();
        return codigo;
    }
    if (same(tag, u"V_TA_MOTIVOCPRA"))
        return lookups.lista(QStringLiteral("V_TA_MOTIVOCPRA"), QStringLiteral("IDMOTIVOCPRA"));
    if (same(tag, u"V_TA_UNIDADNEGOCIO")) {
        QString unidades;
        for (const QString& unidad : lookups.listaConTildes(QStringLiteral("V_TA_UNIDADNEGOCIO"), QStringLiteral("CODIGO")))
            unidades = unidades.isEmpty() ? vb::Trim(unidad) : unidades + u',' + vb::Trim(unidad);
        return unidades;
    }
    if (same(tag, u"TA_USUARIOS"))
        return lookups.lista(QStringLiteral("TA_USUARIOS"), QStringLiteral("NOMBRE"));
    return lookups.definirConsulta(tag);
}

void FieldEntry::ConsultarCampo()
{
    QLineEdit* target = box(m_campoActual);
    const QString tag = ui::Control::tag(target);
    if (tag.isEmpty())
        return;
    bool seguir = true;
    const QString resultado = consultar(tag, target, seguir);
    if (!seguir)
        return;
    target->setText(same(tag, u"FECHA") ? resultado : vb::Trim(resultado));
    txtFields_KeyDown(m_campoActual, KeyReturn, 0);
}

} // namespace reports
