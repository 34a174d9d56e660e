#pragma once
// Fills pages with bands as they come. A heading (column titles, a group header, or a row whose
// sub-report lines follow it) goes to the next page when the first lines it heads (as many as the
// page keeps with a heading) would not follow it on this one, while the lines themselves fill
// every page; every page after the first opens with the headings still open at its start (column
// titles, then group headers outermost first, then, while a sub-report is under way, the row it
// belongs to and the sub-report's own headings), so that no line is read without knowing what it
// belongs to. Counting and painting both page through here, so they agree. Holds one page, the
// open headings and the few bands of one heading run.

#include "reportengine/BandStream.h"
#include "reportengine/Page.h"
#include "reportengine/PageLayout.h"
#include <deque>
#include <optional>

namespace reportengine {

class Paginator {
public:
    Paginator(BandStream& stream, const PageLayout& layout) : m_stream(stream), m_layout(layout) {}
    bool nextPage(Page& page);     // false when the report has no more pages
    int pagesMade() const { return m_pages; }

    static bool isHeading(const Band& band);

private:
    bool peek();
    bool readAhead(std::size_t count);
    bool headsSubreport(std::size_t index);
    bool opens(std::size_t index);
    double neededHeight();
    void repeatHeadings(Page& page, double& used) const;
    void track(const Band& band);
    void closeDeeperThan(int depth);
    void closeRowsEndedBy(const Band& next);
    void closeGroupsFrom(int depth, int level);

    BandStream& m_stream;
    const PageLayout& m_layout;
    std::deque<Band> m_ahead;      // read from the stream, not yet placed
    std::vector<Band> m_open;      // headings in force, in the order they repeat
    std::optional<Band> m_lastRow; // the last row placed: it heads the sub-report lines that follow it
    int m_pages = 0;
    bool m_done = false;
};

} // namespace reportengine
