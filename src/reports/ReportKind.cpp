#include "reports/ReportKind.h"

#include "reports/ReportControls.h"
#include "reports/ReportWindowLayout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QWidget>

namespace reports {

ReportKind::Kind ReportKind::of(const QString& tcoReporte)
{
    const QString kind = tcoReporte.trimmed();
    if (kind.compare(u"RMC", Qt::CaseInsensitive) == 0)
        return Rmc;
    if (kind.compare(u"OC", Qt::CaseInsensitive) == 0)
        return Oc;
    return Other;
}

QString ReportKind::orDefault(const QString& tcoReporte)
{
    const bool known = of(tcoReporte) != Other || tcoReporte.trimmed().compare(u"PR", Qt::CaseInsensitive) == 0;
    return known ? tcoReporte : QStringLiteral("RMC");
}

bool ReportKind::shown(const QWidget* control)
{
    return control && !control->isHidden();
}

void ReportKind::setKindVisibility(Kind kind, ReportControls& c)
{
    c.OptTipo[3]->setVisible(kind == Rmc);
    c.OptTipo[7]->setVisible(kind == Oc);
    c.OptTipo[8]->setVisible(kind != Rmc);
    c.chkestado[3]->setVisible(kind == Oc);
    c.chkestado[4]->setVisible(kind == Oc);
    c.ChkGarantia->setVisible(kind != Rmc);
    c.ChkModelo->setVisible(kind != Rmc);
}

void ReportKind::apply(Kind kind, QWidget* window, ReportControls& c)
{
    c.CmbMoneda->setVisible(false);
    c.frmArt->setVisible(false);
    setKindVisibility(kind, c);
    switch (kind) {
    case Rmc:
        window->setWindowTitle(QStringLiteral("Reporte de Remitos"));
        c.FrmTipo->setTitle(QStringLiteral("Remitos"));
        c.chkestado[1]->setText(QStringLiteral("Facturado"));
        c.ChkGarantia->setChecked(false);
        break;
    case Oc:
        window->setWindowTitle(QStringLiteral("Reporte de Ordenes de Compra"));
        c.FrmTipo->setTitle(QStringLiteral("Orden de Compra"));
        c.chkestado[1]->setText(QStringLiteral("Facturado"));
        c.ChkGarantia->setChecked(false);
        break;
    case Other:
        break;
    }
}

void ReportKind::clearHidden(ReportControls& c)
{
    for (QCheckBox* box : c.chkestado)
        if (!shown(box))
            box->setChecked(false);
    if (!shown(c.ChkModelo))
        c.ChkModelo->setChecked(false);
    if (!shown(c.ChkGarantia))
        c.ChkGarantia->setChecked(false);
    for (QRadioButton* option : c.OptTipo)
        if (option->isChecked() && !shown(option))
            c.OptTipo[0]->setChecked(true);
}

void ReportKind::reapply(Kind kind, ReportControls& c)
{
    setKindVisibility(kind, c);
    clearHidden(c);
}

} // namespace reports
