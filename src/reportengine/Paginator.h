#pragma once
// Fills pages with bands as they come, carrying a band that does not fit to the next page and
// repeating the main report's column titles at the top of every page.

#include "BandStream.h"
#include "Page.h"
#include "PageLayout.h"
#include <optional>

namespace rpt {

class Paginator {
public:
    Paginator(BandStream& stream, const PageLayout& layout) : m_stream(stream), m_layout(layout) {}
    bool nextPage(Page& page);     // false when the report has no more pages
    int pagesMade() const { return m_pages; }

private:
    bool takeBand(Band& band);

    BandStream& m_stream;
    const PageLayout& m_layout;
    std::optional<Band> m_carry;
    std::optional<Band> m_titles;
    int m_pages = 0;
    bool m_done = false;
};

} // namespace rpt
