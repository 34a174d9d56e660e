#include "reportengine/Paginator.h"
#include <algorithm>

namespace reportengine {

bool Paginator::isHeading(const Band& band)
{
    return band.kind == Band::Kind::ColumnTitles || band.kind == Band::Kind::GroupHeader;
}

bool Paginator::peek()
{
    if (!m_ahead.empty())
        return true;
    Band band;
    if (!m_stream.next(band))
        return false;
    m_ahead.push_back(std::move(band));
    return true;
}

// Whether the stream holds count bands ahead, reading them as needed.
bool Paginator::readAhead(std::size_t count)
{
    while (m_ahead.size() < count) {
        Band band;
        if (!m_stream.next(band))
            return false;
        m_ahead.push_back(std::move(band));
    }
    return true;
}

// A row followed by the column titles of a sub-report of its own.
bool Paginator::headsSubreport(std::size_t index)
{
    const Band& row = m_ahead[index];
    if (row.kind != Band::Kind::Detail || !readAhead(index + 2))
        return false;
    const Band& next = m_ahead[index + 1];
    return next.kind == Band::Kind::ColumnTitles && next.depth > row.depth;
}

// Whether the band ahead at index opens something (a heading, or a row with sub-report lines).
bool Paginator::opens(std::size_t index)
{
    return isHeading(m_ahead[index]) || headsSubreport(index);
}

// A run of headings counts together with the first lines under it (as many as the page keeps
// with a heading, fewer when another heading comes sooner), so that none of them is left at the
// foot of a page without what it heads. Any other band counts alone: lines fill the page.
double Paginator::neededHeight()
{
    double height = 0;
    std::size_t i = 0;
    for (; readAhead(i + 1) && opens(i); ++i)
        height += m_layout.bandHeight(m_ahead[i]);
    const std::size_t lines = i == 0 ? 1 : std::size_t(m_layout.keepWithHeading());
    for (const std::size_t end = i + lines; i < end && readAhead(i + 1) && !opens(i); ++i)
        height += m_layout.bandHeight(m_ahead[i]);
    return height;
}

void Paginator::repeatHeadings(Page& page, double& used) const
{
    for (const Band& heading : m_open) {
        page.bands.push_back(heading);
        page.bands.back().repeated = true;
        used += m_layout.bandHeight(heading);
    }
}

void Paginator::closeDeeperThan(int depth)
{
    std::erase_if(m_open, [depth](const Band& b) { return b.depth > depth; });
}

void Paginator::closeGroupsFrom(int depth, int level)
{
    std::erase_if(m_open, [depth, level](const Band& b) {
        return b.depth == depth && b.kind == Band::Kind::GroupHeader && b.level >= level;
    });
}

// Any band but a sub-report's titles ends the sub-reports of the row before it.
void Paginator::closeRowsEndedBy(const Band& next)
{
    if (next.kind != Band::Kind::ColumnTitles)
        std::erase_if(m_open, [&next](const Band& b) { return b.kind == Band::Kind::Detail && b.depth >= next.depth; });
}

void Paginator::track(const Band& band)
{
    // A band of an outer report means the sub-reports under the previous row are over.
    closeDeeperThan(band.depth);
    closeRowsEndedBy(band);
    switch (band.kind) {
    case Band::Kind::ColumnTitles: {
        closeDeeperThan(band.depth - 1);
        const bool underRow = band.depth > 0 && m_lastRow && m_lastRow->depth == band.depth - 1;
        const bool rowOpen = std::any_of(m_open.begin(), m_open.end(), [&band](const Band& b) {
            return b.kind == Band::Kind::Detail && b.depth == band.depth - 1;
        });
        if (underRow && !rowOpen)
            m_open.push_back(*m_lastRow);
        m_open.push_back(band);
        break;
    }
    case Band::Kind::GroupHeader:
        closeGroupsFrom(band.depth, band.level);
        m_open.push_back(band);
        break;
    case Band::Kind::GroupFooter:
        closeGroupsFrom(band.depth, band.level);
        break;
    case Band::Kind::ReportFooter:
        // The main titles stay: a total carried to a page of its own still sits under them.
        if (band.depth > 0)
            closeDeeperThan(band.depth - 1);
        break;
    case Band::Kind::Detail:
        m_lastRow = band;
        break;
    }
}

bool Paginator::nextPage(Page& page)
{
    if (m_done)
        return false;
    page.bands.clear();
    page.number = m_pages + 1;
    double used = 0;
    if (m_pages > 0) {
        // A row whose sub-reports ended with the last page is not repeated over the next row.
        if (peek())
            closeRowsEndedBy(m_ahead.front());
        repeatHeadings(page, used);
    }
    bool placed = false;   // whether a band of the stream is on this page yet
    for (;;) {
        if (!peek()) {
            m_done = true;
            break;
        }
        const double needed = neededHeight();
        if (placed && used + needed > m_layout.bodyHeight())
            break;
        Band band = std::move(m_ahead.front());
        m_ahead.pop_front();
        track(band);
        used += m_layout.bandHeight(band);
        placed = true;
        page.bands.push_back(std::move(band));
    }
    if (!placed && m_pages > 0)
        return false;
    ++m_pages;
    return true;
}

} // namespace reportengine
