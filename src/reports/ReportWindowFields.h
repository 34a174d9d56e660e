#pragma once
// What the report procedures read from the report parameter window: the report kind and the
// range boxes (control array txtFields, each box known by its DataField). The window
// implements it; tests give a few boxes of their own.

#include <QList>
#include <QString>

class QObject;

namespace reports {

class ReportWindowFields {
public:
    virtual ~ReportWindowFields() = default;
    virtual QString TcoReporte() const = 0;
    virtual QList<QObject*> txtFields() const = 0;

    // The text of the box whose DataField is name (letter case ignored); "" when there is none.
    QString fieldText(const QString& dataField) const;
};

} // namespace reports
