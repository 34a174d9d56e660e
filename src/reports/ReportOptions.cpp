#include "reports/ReportOptions.h"

#include "reports/ReportControls.h"
#include "reports/ReportKind.h"
#include "reports/ReportWindowLinks.h"
#include "reports/UnsavedNotice.h"

#include "ado/Recordset.h"
#include "app/AppModule.h"
#include "app/SharedObjects.h"
#include "kit/Utilidades.h"
#include "ui/Control.h"
#include "ui/DialogService.h"
#include "vb/Conversions.h"
#include "vb/Error.h"
#include "vb/Strings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QWidget>

#include <algorithm>

namespace reports {

namespace {

const QString kAvisoPlantilla = QStringLiteral("Aviso al Operador");

bool isArticleLayout(int index)
{
    return index == 7 || index == 9 || index == 10 || index == 11;
}

} // namespace

void ReportOptions::OptOrden_Click(int)
{
    if (m_c.OptTipo[1]->isChecked())
        m_c.OptOrden[1]->setChecked(true);
}

void ReportOptions::OptTipo_Click(int index)
{
    if (m_c.OptTipo[1]->isChecked())
        m_c.OptOrden[1]->setChecked(true);
    if (m_c.OptTipo[3]->isChecked())
        VaciaPorGrupo();
    m_c.frmArt->setVisible(isArticleLayout(index));
    HabilitarEstados(index != 8);
    m_c.CmbMoneda->setVisible(vb::Trim(m_tcoReporte()).compare(u"PR", Qt::CaseInsensitive) == 0
                              && m_c.OptTipo[0]->isChecked());
}

void ReportOptions::HabilitarEstados(bool Habilitar)
{
    for (QCheckBox* box : m_c.chkestado) {
        box->setEnabled(Habilitar);
        if (!Habilitar)
            box->setChecked(false);
    }
    m_c.ChkModelo->setEnabled(Habilitar);
    if (Habilitar)
        return;
    for (int i = 0; i <= 5; ++i)
        m_c.chkestado[size_t(i)]->setChecked(true);
    m_c.ChkModelo->setChecked(false);
}

void ReportOptions::VaciaPorGrupo()
{
    if (!m_c.OptTipo[3]->isChecked())
        return;
    static const char* const campos[] = {"Cliente_desde", "Cliente_hasta",  "Vto_desde", "Vto_hasta",
                                         "Sucursal_desde", "Sucursal_hasta", "Nro_desde", "Nro_hasta",
                                         "Letra_desde",    "Letra_hasta"};
    for (const char* campo : campos)
        m_c.field(QString::fromLatin1(campo))->setText(QString());
}

QString ReportOptions::clavePlantilla() const
{
    return ui::Control::name(m_window) + m_tcoReporte();
}

QString ReportOptions::nombrePlantilla() const
{
    const QString typed = m_c.CboPlantilla->currentText();
    const QString name = vb::Trim(typed);
    if (name != typed)
        m_c.CboPlantilla->setEditText(name);
    return name;
}

void ReportOptions::aplicarPlantilla()
{
    ReportWindowLinks::current().cargarPlantilla(clavePlantilla(), m_window);
    ReportKind::reapply(ReportKind::of(m_tcoReporte()), m_c);
}

void ReportOptions::TbarPlantilla_ButtonClick()
{
    vb::Trap trap = vb::Trap::skipping();
    QString name;
    trap.run([&] { name = nombrePlantilla(); });
    if (name.isEmpty())
        return;
    trap.run([&] { aplicarPlantilla(); });
}

void ReportOptions::TbarPlantilla_ButtonMenuClick(const QString& key)
{
    vb::Trap trap = vb::Trap::skipping();
    QString name;
    trap.run([&] { name = nombrePlantilla(); });
    if (name.isEmpty()) {
        trap.run([] { ui::MsgBox(QStringLiteral("Debe seleccionar una plantilla"), ui::vbInformation, kAvisoPlantilla); });
        return;
    }
    ReportWindowLinks& links = ReportWindowLinks::current();
    if (key.compare(u"Aplicar", Qt::CaseInsensitive) == 0) {
        trap.run([&] { aplicarPlantilla(); });
    } else if (key.compare(u"Grabar", Qt::CaseInsensitive) == 0) {
        bool stored = false;
        trap.run([&] { stored = links.guardarPlantilla(clavePlantilla(), m_window); });
        if (!stored)
            trap.run([&] { UnsavedNotice::templateNotSaved(name); });
    } else if (key.compare(u"Eliminar", Qt::CaseInsensitive) == 0) {
        int answer = ui::vbNo;
        trap.run([&] {
            answer = ui::MsgBox(QStringLiteral("Seguro desea borrar la plantilla ") + name,
                                ui::vbYesNo | ui::vbDefaultButton2, kAvisoPlantilla);
        });
        bool deleted = answer != ui::vbYes;   // nothing asked, nothing lost
        if (answer == ui::vbYes)
            trap.run([&] { deleted = links.borrarPlantilla(clavePlantilla(), m_window); });
        if (!deleted)
            trap.run([&] { UnsavedNotice::templateNotDeleted(name); });
    }
}

void ReportOptions::LlenarMonedas()
{
    m_c.CmbMoneda->clear();
    if (!app::state().configuration.UsaMultiplesMonedas)
        return;
    QString sql = QStringLiteral("SELECT DISTINCT Moneda FROM C_MV_CPTE with(nolock) WHERE Moneda IS NOT NULL");
    ado::RecordsetPtr rs;
    data::DB_Dll& db = app::gDB();
    db.AbrirRecordset(sql, rs, {}, ado::adOpenForwardOnly, ado::adLockReadOnly, -1, true);
    int highest = 0;
    if (rs && rs->State() == ado::adStateOpen)
        for (; !rs->Eof(); rs->MoveNext())
            highest = std::max(highest, int(vb::Val(app::gUtil().ValorTexto(rs->Value(QStringLiteral("Moneda"))))));
    db.CierraRecordset(rs);
    for (int number = 1; number <= highest; ++number)
        m_c.CmbMoneda->addItem(QString::number(number));
    m_c.CmbMoneda->setCurrentIndex(-1);
}

} // namespace reports
