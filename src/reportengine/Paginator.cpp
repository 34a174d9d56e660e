#include "Paginator.h"

namespace rpt {

bool Paginator::takeBand(Band& band)
{
    if (m_carry) {
        band = std::move(*m_carry);
        m_carry.reset();
        return true;
    }
    return m_stream.next(band);
}

bool Paginator::nextPage(Page& page)
{
    if (m_done)
        return false;
    page.bands.clear();
    page.number = m_pages + 1;
    double used = 0;
    bool content = false;
    if (m_titles && m_pages > 0) {
        page.bands.push_back(*m_titles);
        used += m_layout.bandHeight(*m_titles);
    }
    Band band;
    for (;;) {
        if (!takeBand(band)) {
            m_done = true;
            break;
        }
        const double h = m_layout.bandHeight(band);
        if (content && used + h > m_layout.bodyHeight()) {
            m_carry = std::move(band);
            break;
        }
        if (band.kind == Band::Kind::ColumnTitles && band.depth == 0)
            m_titles = band;
        used += h;
        content = true;
        page.bands.push_back(std::move(band));
    }
    if (!content && m_pages > 0)
        return false;
    ++m_pages;
    return true;
}

} // namespace rpt
