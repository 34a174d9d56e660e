#include "Plantillas.h"

#include "ConfigForm.h"
#include "ConfigFormSql.h"
#include "SharedObjects.h"
#include "TratamientoErrores.h"

#include "data/DB_Dll.h"
#include "kit/Utilidades.h"
#include "ui/Control.h"
#include "vb/Error.h"
#include "vb/Strings.h"

#include <QComboBox>
#include <QWidget>

#include <algorithm>

namespace app {

namespace {

constexpr int objectNotSet = 91;
const QString selectorName = QStringLiteral("CboPlantilla");
const QString generalName = QStringLiteral("General");

QComboBox* selector(const QWidget* form)
{
    auto* combo = qobject_cast<QComboBox*>(ui::Control::find(form, selectorName));
    if (!combo)
        vb::raise(objectNotSet);
    return combo;
}

QString chosenName(const QWidget* form)
{
    return vb::Trim(selector(form)->currentText());
}

void showName(const QWidget* form, const QString& name)
{
    QComboBox* combo = selector(form);
    if (combo->isEditable())
        combo->setEditText(name);
    else
        combo->setCurrentIndex(combo->findText(name, Qt::MatchFixedString));
}

QStringList storedNames(const QString& key)
{
    QString sql = ConfigFormSql::templateForms(key);
    ado::RecordsetPtr rs;
    data::DB_Dll& db = data::gDB();
    db.AbrirRecordset(sql, rs, {}, ado::adOpenForwardOnly, ado::adLockReadOnly, -1, true);
    QStringList names;
    const QString marker = u'@' + key + u'@';
    if (rs && rs->State() == ado::adStateOpen) {
        for (; !rs->Eof(); rs->MoveNext()) {
            const QString form = vb::Trim(gUtil().ValorTexto(rs->Value(QStringLiteral("formulario"))));
            const int at = vb::InStr(form, marker, vb::CompareMethod::Text);
            if (at > 0)
                names.append(form.mid(at - 1 + marker.size()));
        }
    }
    db.CierraRecordset(rs);
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return names;
}

} // namespace

QString sufijoPlantilla(const QString& ClavePlantilla, const QString& nombre)
{
    return u'@' + ClavePlantilla + u'@' + nombre;
}

bool GuardarPlantilla(const QString& ClavePlantilla, QWidget* Frm)
{
    // A write's failures are passed over; the first leaves its line in the error log.
    QuietSteps steps(QStringLiteral("GuardarPlantilla"));
    QString name;
    steps.run([&] { name = chosenName(Frm); });
    if (steps.failed())
        return false;
    bool stored = false;
    steps.run([&] { stored = GuardarConfigForm(Frm, sufijoPlantilla(ClavePlantilla, name), QString(), false); });
    steps.run([&] { LlenarPlantillas(ClavePlantilla, Frm); });
    steps.run([&] { showName(Frm, name); });
    return stored;
}

void CargarPlantilla(const QString& ClavePlantilla, QWidget* Frm)
{
    vb::Trap trap = vb::Trap::skipping();
    trap.run([&] { CargarConfigForm(Frm, sufijoPlantilla(ClavePlantilla, chosenName(Frm)), QString()); });
}

bool BorrarPlantilla(const QString& ClavePlantilla, QWidget* Frm)
{
    QuietSteps steps(QStringLiteral("BorrarPlantilla"));
    bool deleted = false;
    steps.run([&] {
        const QString form = ui::Control::name(Frm) + sufijoPlantilla(ClavePlantilla, chosenName(Frm));
        QString sql = ConfigFormSql::deleteForm(form);
        deleted = data::gDB().EjecutaConsultaSQL(sql);
    });
    steps.run([&] { LlenarPlantillas(ClavePlantilla, Frm); });
    return deleted;
}

void LlenarPlantillas(const QString& ClavePlantilla, QWidget* Frm)
{
    vb::Trap trap = vb::Trap::skipping();
    QComboBox* combo = nullptr;
    trap.run([&] { combo = selector(Frm); });
    if (!combo)
        return;
    combo->clear();
    QStringList names;
    trap.run([&] { names = storedNames(ClavePlantilla); });
    combo->addItems(names.isEmpty() ? QStringList{generalName} : names);
    trap.run([&] { showName(Frm, generalName); });
}

} // namespace app
