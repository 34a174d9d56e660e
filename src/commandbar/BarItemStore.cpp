#include "commandbar/BarItemStore.h"

namespace commandbar {

BarItemStore::BarItemStore(int slotTotal, int limit)
    : m_items(size_t(slotTotal))
    , m_limit(limit)
{
}

int BarItemStore::visibleCount() const
{
    int n = 0;
    for (int i = 0; i < m_count; ++i)
        n += at(i).Visible ? 1 : 0;
    return n;
}

int BarItemStore::FindItem(const QString& tag) const
{
    const QString t = BarItem::keyOf(tag);
    if (t.isEmpty())
        return -1;
    for (int i = 0; i < m_count; ++i)
        if (BarItem::keyOf(at(i).Key) == t)
            return i;
    return -1;
}

bool BarItemStore::ItemUsable(const QString& tag) const
{
    const int i = FindItem(tag);
    return i >= 0 && at(i).Visible && at(i).Enabled;
}

void BarItemStore::ResetItemSlot(int i)
{
    if (i >= 0 && i < slotCount())
        at(i) = BarItem{};
}

void BarItemStore::clear()
{
    for (int i = 0; i < slotCount(); ++i)
        ResetItemSlot(i);
    m_count = 0;
    m_active = -1;
    m_hover = -1;
}

void BarItemStore::ensureSlot(int i)
{
    if (i >= slotCount())
        m_items.resize(size_t(i) + 1);
}

int BarItemStore::slotForAdd(const QString& tag)
{
    if (BarText::trim(tag).isEmpty())
        return -1;
    const int found = FindItem(tag);
    if (found >= 0)
        return found;
    if (m_limit > 0 && m_count >= m_limit)
        return -1;
    const int i = m_count++;
    ensureSlot(i);
    at(i).Enabled = true;
    return i;
}

bool BarItemStore::setVisible(int i, bool visible)
{
    if (at(i).Visible == visible)
        return false;
    at(i).Visible = visible;
    if (!visible && m_active == i)
        m_active = -1;
    return true;
}

bool BarItemStore::setEnabled(int i, bool enabled)
{
    if (at(i).Enabled == enabled)
        return false;
    at(i).Enabled = enabled;
    if (!enabled) {
        if (m_active == i)
            m_active = -1;
        if (m_hover == i)
            m_hover = -1;
    }
    return true;
}

} // namespace commandbar
