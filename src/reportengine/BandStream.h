#pragma once
// Turns the rows of a report's query into the bands of its body, one at a time: group headers
// when a group starts, detail lines, the lines of sub-reports under each detail, group footers
// with their summaries, and the report footer with the totals. Holds only the current and the
// previous row. A sub-report's rows are read once for the whole pass (SubreportRows) and handed
// to the stream of each detail line that shows them.

#include "reportengine/Band.h"
#include "reportengine/ReportModel.h"
#include "reportengine/RowContext.h"
#include "reportengine/RowSource.h"
#include "reportengine/SummaryAccumulator.h"
#include <deque>
#include <map>

namespace reportengine {

class SubreportRows;

class BandStream {
public:
    // extraWhere is ANDed with the report's own selection in its query.
    BandStream(const ReportModel& model, const QueryRunner& runner, const QString& extraWhere = {}, int depth = 0);
    ~BandStream();
    bool next(Band& band);
    long long rowsRead() const { return m_rowsRead; }

private:
    // The rows of every sub-report of a pass, by sub-report, shared by the streams of the pass.
    using SubreportData = std::map<const ReportModel*, std::unique_ptr<SubreportRows>>;
    BandStream(const ReportModel& model, const QueryRunner& runner, std::unique_ptr<RowSource> rows, SubreportData& data, int depth);
    SubreportRows& subreportRows(std::size_t i);
    SubreportRows& subreportRows(const ReportModel& parent, std::size_t i);
    void readSubreportRows(const ReportModel& parent);
    void open();
    bool readSelectedRow();
    void onRow();
    void onEnd();
    int changedLevel() const;
    void footers(int downToLevel);
    QString totalLabel();
    void headers(int fromLevel);
    Band footerBand(Band::Kind kind, int level, const QString& label) const;
    QString evaluateText(const FormulaNode* node) const;
    void startSubreports();
    bool nextSubreportBand(Band& band);

    const ReportModel& m_model;
    const QueryRunner& m_runner;
    QString m_extraWhere;
    int m_depth;

    std::unique_ptr<RowSource> m_source;
    std::vector<FormulaValue> m_row, m_previous;
    mutable RowContext m_context;
    std::vector<std::vector<SummaryAccumulator>> m_totals;   // per group level, last is the grand total
    std::deque<Band> m_pending;
    bool m_started = false;
    bool m_finished = false;
    long long m_rowsRead = 0;
    std::unique_ptr<SubreportData> m_ownSubreportData;   // the outermost stream's
    SubreportData* m_subreportData;
    std::unique_ptr<BandStream> m_sub;
    std::size_t m_nextSub = 0;
    bool m_inSubreports = false;
};

} // namespace reportengine
