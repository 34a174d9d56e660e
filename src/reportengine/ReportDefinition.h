#pragma once
// A report as its .rpt file describes it (a JSON text; see docs/report-format.md). Every
// expression is kept as formula text; ReportModel parses and checks them.

#include <QPageLayout>
#include <QPageSize>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace reportengine {

struct TableDef {
    QString name;
    QStringList fields;
};

struct LinkDef {
    QString from;        // {Table.Field} of a table already joined
    QString to;          // {Table.Field} of the table this link joins
    bool left = false;   // LEFT JOIN instead of INNER JOIN
};

struct NamedText {
    QString name;
    QString text;        // formula text, or the value of a parameter
};

struct SortField {
    QString field;       // {Table.Field}
    bool descending = false;
    static SortField parse(const QString& text);   // "+{T.F}" or "-{T.F}"; no sign is ascending
};

struct GroupDef {
    QString field;
    bool descending = false;
    QString header;      // formula; blank for no header line
    QString footer;      // formula; blank for no label in the footer line
};

struct ColumnDef {
    QString title;
    QString value;       // formula
    double width = 30;   // millimetres
    Qt::Alignment align = Qt::AlignLeft;
    QString format;      // "0.00", "#,##0.00", a date pattern such as "dd/MM/yyyy", or blank
};

struct SummaryDef {
    enum class Function { Sum, Count, Minimum, Maximum, Average };
    int column = 0;      // index into columns; its value is what is summarised
    Function function = Function::Sum;
};

struct PageText {
    QString text;        // formula, may use PageNumber, TotalPageCount and PrintDate
    Qt::Alignment align = Qt::AlignLeft;
};

struct PageSetup {
    QPageSize::PageSizeId size = QPageSize::A4;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    double margin = 10;      // millimetres, all sides
    double fontSize = 8;     // points
    int keepWithHeading = 1; // lines a heading takes along to the next page when they would not follow it
};

struct ReportDefinition;

struct SubreportDef {
    QString name;
    QString field;           // {Table.Field} of the main report
    QString subField;        // {Table.Field} of the sub-report that must equal it
    std::shared_ptr<ReportDefinition> report;
};

struct ReportDefinition {
    QString fileName;        // where it was read from, for messages
    QString title;
    std::vector<TableDef> tables;      // the first is the one the query starts from
    std::vector<LinkDef> links;
    std::vector<NamedText> parameters;
    std::vector<NamedText> formulas;
    QString selection;       // the record selection; the caller's (ReportJob::setSelection) replaces it
    QString filter;          // a condition of the report's own that rows meet besides the selection
    std::vector<SortField> sort;
    std::vector<GroupDef> groups;
    std::vector<ColumnDef> columns;
    std::vector<SummaryDef> summaries;
    QString totalLabel;      // formula for the closing total line; blank keeps the usual label
    std::vector<PageText> pageHeader;
    std::vector<PageText> pageFooter;
    PageSetup page;
    std::vector<SubreportDef> subreports;
};

} // namespace reportengine
