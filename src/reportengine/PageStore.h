#pragma once
// The laid-out pages of one run, kept compactly (each band's kind, place and texts) in a
// SpillBuffer: in memory while they are few, in a temporary file when the report is long. Any page
// is read back in the time of one page, whatever its number.

#include "reportengine/Page.h"
#include "reportengine/SpillBuffer.h"
#include <vector>

namespace reportengine {

class CompactReader;
class CompactWriter;
class ReportModel;

class PageStore {
public:
    explicit PageStore(const ReportModel& model, qint64 memoryLimit = SpillBuffer::DefaultMemoryLimit);

    void append(const Page& page);
    int count() const { return int(m_offsets.size()); }
    Page page(int number) const;     // 1..count(); raises ReportError
    bool onDisk() const { return m_bytes.onDisk(); }
    qint64 bytes() const { return m_bytes.size(); }

private:
    void addModels(const ReportModel& model);
    int modelIndex(const ReportModel* model) const;
    void write(CompactWriter& out, const Band& band) const;
    Band read(CompactReader& in) const;

    std::vector<const ReportModel*> m_models;   // a band names its report by its place here
    SpillBuffer m_bytes;
    std::vector<qint64> m_offsets;             // where each page starts
};

} // namespace reportengine
