#pragma once
// The rows of the numbering-gap report in AUX_MAYORES: per point of sale and letter of one
// report kind, a "present" row for each run of consecutive document numbers and a "missing"
// row (its text ends in " ***") for each range of numbers absent between two runs. Only the
// rows of the given workstation key are replaced.
//
// The rebuild is one transaction: a failure raised here rolls it back, so the key keeps its
// previous rows instead of half of the new ones. A gap's upper end is the next document of the
// same point of sale and letter, whatever its date, so a date range shows the numbers missing
// up to the first document outside it. Dates are written as locale-free literals; every text
// placed in a literal has its apostrophes doubled. The walk lets the window repaint every few
// milliseconds.

#include "vb/Variant.h"

#include <QElapsedTimer>
#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace data {
class DB_Dll;
}

namespace reports {

class ReportWindowFields;

// The report window's procedure: the gap rows of the window's report kind for this workstation
// (startup.SeccionIni), from its date boxes "Fecha_Desde" and "Fecha_Hasta", through the shared data
// access object. Errors reach the caller.
void GeneraAuxiliarMvCpte(const ReportWindowFields& window);

class GapReport {
public:
    GapReport(data::DB_Dll& db, const QString& workstationKey) : m_db(db), m_key(workstationKey) {}

    // tipo: the report kind; fechaDesde/fechaHasta: the window's date boxes as typed (the
    // upper one counts only with a lower one).
    void build(const QString& tipo, const QString& fechaDesde, const QString& fechaHasta);
    qint64 rowsWritten() const { return m_rows; }

private:
    struct Group {
        QString sucursal, letra;
    };
    struct Run {
        QString firstId, lastId;
        vb::Variant firstDate, lastDate;
        bool open() const { return !firstId.isEmpty(); }
    };

    QString dateCondition(const QString& desde, const QString& hasta) const;
    void rebuild(const QString& tipo, const QString& condition);
    QList<Group> groups(const QString& tipo);
    void walk(const QString& tipo, const Group& group, const QString& condition);
    QString nextInGroup(const QString& tipo, const Group& group, const QString& lastId, const QString& walkedNext);
    QStringList groupIds(const QString& tipo, const Group& group);
    void writeGap(const Group& group, const QString& lastId, const QString& nextId);
    void writePresent(const Group& group, const Run& run);
    void writeMissing(const Group& group, const QString& range, double count);
    void execute(QString sql);
    void yieldToWindow();
    double numberOf(const QString& id) const;
    static QString missingId(const QString& neighbour, double number);

    data::DB_Dll& m_db;
    QString m_key;
    qint64 m_rows = 0;
    QElapsedTimer m_sinceYield;
    QStringList m_groupIds;            // the walked group's documents of every date, in order
    bool m_groupIdsRead = false;
    qsizetype m_groupCursor = 0;
};

} // namespace reports
