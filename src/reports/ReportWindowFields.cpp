#include "reports/ReportWindowFields.h"

#include "app/SharedObjects.h"
#include "kit/ControlesForm.h"
#include "ui/Control.h"

#include <QObject>

namespace reports {

QString ReportWindowFields::fieldText(const QString& dataField) const
{
    const QList<QObject*> boxes = txtFields();
    const int index = app::gControles().IndicePorDataField(dataField, boxes);
    if (index < 0)
        return {};
    for (qsizetype i = 0; i < boxes.size(); ++i) {
        const QObject* box = boxes.at(i);
        // The control-array index, or the list position for a box outside an array.
        if (box && (ui::Control::isArrayMember(box) ? ui::Control::index(box) : int(i)) == index)
            return ui::Control::value(box).toString();
    }
    return {};
}

} // namespace reports
