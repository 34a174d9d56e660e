#include "EstiloFormulario.h"

#include "SharedObjects.h"

#include "data/DB_Dll.h"
#include "kit/ArchivoIni.h"
#include "kit/Sistema.h"
#include "kit/Utilidades.h"
#include "ui/Control.h"
#include "vb/App.h"
#include "vb/Conversions.h"
#include "vb/Error.h"
#include "vb/Strings.h"

#include <QComboBox>
#include <QFont>
#include <QLineEdit>
#include <QMetaObject>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QWidget>

namespace app {

namespace {

const QString iniFile = QStringLiteral("vu000va.ini");
const QString skinControlName = QStringLiteral("SkinFramework1");
constexpr double largestRestyledSize = 12;

QString iniValue(const QString& sectionPrefix, const QString& key, const QString& fallback)
{
    return gIni().LeerValor(iniFile, sectionPrefix + key, key, fallback);
}

QObject* skinControl(const QWidget* form)
{
    for (QObject* child : form->findChildren<QObject*>())
        if (vb::textEquals(child->objectName(), skinControlName))
            return child;
    return nullptr;
}

void applySkin(QWidget* form, const ArchivoSkin& skin)
{
    QObject* control = skinControl(form);
    if (!control)
        return;
    const QString file = gUtil().CarpetaConBarra(vb::App::path()) + skin.file;
    QMetaObject::invokeMethod(control, "LoadSkin", Q_ARG(QString, file), Q_ARG(QString, skin.iniName));
    control->setProperty("ApplyOptions", control->property("ApplyOptions").toInt() | 1);
    QMetaObject::invokeMethod(control, "ApplyWindow", Q_ARG(QWidget*, form));
}

bool takesUserFont(const QString& typeName)
{
    static const QStringList kinds = {
        QStringLiteral("CommandButton"), QStringLiteral("Label"),   QStringLiteral("TextBox"),
        QStringLiteral("CheckBox"),      QStringLiteral("OptionButton"), QStringLiteral("ComboBox"),
        QStringLiteral("ListBox"),       QStringLiteral("SSTab"),   QStringLiteral("ListView"),
        QStringLiteral("MSFlexGrid")};
    return kinds.contains(typeName, Qt::CaseInsensitive);
}

void applyUserFont(QWidget* control, const QString& family, double size)
{
    QFont font = control->font();
    if (vb::textEquals(font.family(), QStringLiteral("Marlett")) || font.pointSizeF() > largestRestyledSize)
        return;
    font.setFamily(family);
    if (size > 0)
        font.setPointSizeF(size);
    control->setFont(font);
}

// The flat look of the suite: a one-pixel border in place of the sunken or raised edge. The
// original's properties are kept on the control for code that reads them.
QString flatSelector(const QWidget* control)
{
    if (qobject_cast<const QLineEdit*>(control)) return QStringLiteral("QLineEdit");
    if (qobject_cast<const QTextEdit*>(control)) return QStringLiteral("QTextEdit");
    if (qobject_cast<const QPlainTextEdit*>(control)) return QStringLiteral("QPlainTextEdit");
    if (qobject_cast<const QComboBox*>(control)) return QStringLiteral("QComboBox");
    if (qobject_cast<const QPushButton*>(control)) return QStringLiteral("QPushButton");
    return {};
}

void addFlatSheet(QWidget* control, const QString& rules)
{
    const QString selector = flatSelector(control);
    if (selector.isEmpty() || control->property("Appearance") == QVariant(0))
        return;
    control->setStyleSheet(control->styleSheet() + selector + QStringLiteral(" { ") + rules + QStringLiteral(" }"));
}

void applyFlatLook(QWidget* control, const QString& typeName)
{
    const QString border = QStringLiteral("border: 1px solid palette(dark);");
    if (vb::textEquals(typeName, QStringLiteral("TextBox"))) {
        addFlatSheet(control, border + QStringLiteral(" background: palette(base); padding: 1px;"));
        control->setProperty("BorderStyle", 1);
    } else if (vb::textEquals(typeName, QStringLiteral("ComboBox"))) {
        addFlatSheet(control, border + QStringLiteral(" background: palette(base); padding: 1px 4px;"));
    } else if (vb::textEquals(typeName, QStringLiteral("CommandButton"))) {
        addFlatSheet(control, border + QStringLiteral(" background: palette(button); padding: 3px 10px;")
                                  + QStringLiteral(" } QPushButton:pressed { background: palette(mid);"));
        control->setProperty("Style", 1);
    } else {
        return;
    }
    control->setProperty("Appearance", 0);
}

void styleControls(QWidget* form, const EstiloUsuario& estilo, bool plano)
{
    const double size = vb::Val(estilo.fontSize);
    for (QObject* object : ui::Control::controls(form)) {
        auto* control = qobject_cast<QWidget*>(object);
        if (!control)
            continue;
        const QString type = ui::Control::typeName(control);
        if (takesUserFont(type))
            applyUserFont(control, estilo.font, size);
        if (plano)
            applyFlatLook(control, type);
    }
}

void themeTabBars(const QWidget* form, int theme)
{
    for (QObject* control : ui::Control::controls(form)) {
        const QString type = ui::Control::typeName(control);
        if (!vb::textEquals(type, QStringLiteral("UtilKorBar")) && !vb::textEquals(type, QStringLiteral("UtilKor")))
            continue;
        control->setProperty("Theme", theme);
        QMetaObject::invokeMethod(control, "ApplyColorStyle", Q_ARG(int, theme));
    }
}

} // namespace

EstiloUsuario LeerEstiloUsuario()
{
    const QString prefix = vb::UCase(gSistema().NombreUsuarioSistema()) + u'_'
                         + vb::UCase(data::gDB().settings().gDBName);
    EstiloUsuario estilo;
    estilo.font = vb::Trim(iniValue(prefix, QStringLiteral("Font"), QStringLiteral("Segoe UI")));
    estilo.fontSize = vb::Trim(iniValue(prefix, QStringLiteral("FontSize"), QStringLiteral("9")));
    const double number = vb::Val(iniValue(prefix, QStringLiteral("Styles"), QStringLiteral("4")));
    estilo.estilo.reset();
    vb::Trap::skipping().run([&] { estilo.estilo = vb::CInt(vb::Variant(number)); });
    return estilo;
}

ArchivoSkin ArchivoDeSkin(int estilo)
{
    switch (estilo) {
    case 1: return {QStringLiteral("Styles/Vista.cjstyles"), {}};
    case 2: return {QStringLiteral("Styles/WinXP.Luna.cjstyles"), {}};
    case 3: return {QStringLiteral("Styles/WinXP.Royale.cjstyles"), {}};
    case 4: return {QStringLiteral("Styles/iTunes"), QStringLiteral("Normalitunes.ini")};
    default: return {QStringLiteral("Styles/Office2007.cjstyles"), {}};
    }
}

int OpcionesEstilo(int estilo)
{
    switch (estilo) {
    case 0: return 1;
    case 2: return 3;
    case 3: return 4;
    case 4: return 5;
    default: return 2;
    }
}

void AplicarEstiloFormulario(QWidget* Frm, bool Plano)
{
    if (!Frm)
        return;
    vb::Trap trap = vb::Trap::skipping();
    EstiloUsuario estilo;
    trap.run([&] {
        estilo = LeerEstiloUsuario();
        if (estilo.estilo)
            gEstilo = *estilo.estilo;
    });
    const int theme = OpcionesEstilo(gEstilo);
    trap.run([&] { applySkin(Frm, ArchivoDeSkin(gEstilo)); });
    if (!vb::textEquals(ui::Control::name(Frm), QStringLiteral("FRMMdi")))
        trap.run([&] { styleControls(Frm, estilo, Plano); });
    trap.run([&] { themeTabBars(Frm, theme); });
}

} // namespace app
