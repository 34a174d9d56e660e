#include "Paginator.h"
#include <algorithm>

namespace rpt {

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

// A run of headings counts together with the first band under it, so none of them is left
// alone at the foot of a page.
double Paginator::neededHeight()
{
    double height = 0;
    for (std::size_t i = 0;; ++i) {
        if (i == m_ahead.size()) {
            Band band;
            if (!m_stream.next(band))
                return height;
            m_ahead.push_back(std::move(band));
        }
        height += m_layout.bandHeight(m_ahead[i]);
        if (!isHeading(m_ahead[i]))
            return height;
    }
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

void Paginator::track(const Band& band)
{
    // A band of an outer report means the sub-reports under the previous row are over.
    closeDeeperThan(band.depth);
    switch (band.kind) {
    case Band::Kind::ColumnTitles:
        closeDeeperThan(band.depth - 1);
        m_open.push_back(band);
        break;
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
    if (m_pages > 0)
        repeatHeadings(page, used);
    bool placed = false;   // whether a band of the stream is on this page yet
    for (;;) {
        if (!peek()) {
            m_done = true;
            break;
        }
        const double needed = isHeading(m_ahead.front()) ? neededHeight() : m_layout.bandHeight(m_ahead.front());
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

} // namespace rpt
