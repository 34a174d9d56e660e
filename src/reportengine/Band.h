#pragma once
// One printed line of a report body. Cells follow the columns of the report the band belongs
// to (the main report or a sub-report); label is the free text of headers and footers.

#include <QString>
#include <QStringList>

namespace reportengine {

class ReportModel;

struct Band {
    enum class Kind { ColumnTitles, GroupHeader, Detail, GroupFooter, ReportFooter };
    Kind kind = Kind::Detail;
    int level = 0;                       // group level of headers and footers
    int depth = 0;                       // 0 main report, 1 a sub-report inside it ...
    const ReportModel* model = nullptr;  // whose columns the cells follow
    QString label;
    QStringList cells;
    bool repeated = false;               // a heading printed again on a page that continues it
};

} // namespace reportengine
