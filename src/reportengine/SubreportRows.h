#pragma once
// The rows of one sub-report for a whole run. They are read with a single query, ordered by the
// link field, before the parent report's own query is opened (one result set at a time on the
// connection: SQL Server through FreeTDS serves no second one while the first is being read),
// and kept by link value
// (in memory, or in a temporary file when they are many) so that every parent row finds its own
// rows without a query of its own. Link values match as the database matches them: texts without
// regard to letter case or trailing blanks, a date with the same date at midnight.

#include "reportengine/RowSource.h"
#include "reportengine/SpillBuffer.h"
#include <vector>

namespace reportengine {

class ReportModel;

class SubreportRows {
public:
    // The sub-report at index of parent's sub-reports.
    SubreportRows(const ReportModel& parent, std::size_t index, const QueryRunner& runner);

    // The sub-report's rows whose link field equals link, in the sub-report's order.
    std::unique_ptr<RowSource> rowsFor(const FormulaValue& link);   // raises ReportError
    // Reads the rows now, when they are not read yet.
    void ensureLoaded();                                              // raises ReportError
    static QString linkKey(const FormulaValue& value);

private:
    void load();
    void keep(const QString& key, int rows, const QByteArray& bytes);

    const ReportModel& m_parent;
    std::size_t m_index;
    const QueryRunner& m_runner;
    std::size_t m_columns;
    bool m_loaded = false;
    SpillBuffer m_bytes;
    struct Run {
        std::size_t hash;
        qint64 offset;
        qint64 size;
    };
    std::vector<Run> m_runs;   // rows of one link value, sorted by the hash of its key once loaded
};

} // namespace reportengine
