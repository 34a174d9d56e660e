#include "commandbar/BarItemStore.h"

#include "vb/Error.h"

#include <algorithm>

namespace commandbar {

BarItemStore::BarItemStore(int slotTotal, int limit)
    : m_items(size_t(slotTotal))
    , m_limit(limit)
{
}

int BarItemStore::VisibleItemCount() const
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

void BarItemStore::EnsureCapacity(int required)
{
    if (required < 0)
        return;
    if (required > MaxCapacity)
        vb::raise(6, QStringLiteral("Desbordamiento: la barra admite hasta %1 items").arg(MaxCapacity + 1),
                  QStringLiteral("EnsureCapacity"));
    if (m_items.empty()) {
        m_items.resize(size_t(std::max(required, 18)) + 1);
        return;
    }
    int bound = capacity();
    if (bound >= required)
        return;
    while (bound < required)
        bound = bound * 2 + 1;
    m_items.resize(size_t(bound) + 1);
}

int BarItemStore::appendSlot()
{
    if (m_limit > 0 && m_count >= m_limit)
        return -1;
    if (m_limit > 0)
        ensureSlot(m_count);
    else
        EnsureCapacity(m_count);
    return m_count++;
}

int BarItemStore::slotForAdd(const QString& tag)
{
    if (BarText::trim(tag).isEmpty())
        return -1;
    const int found = FindItem(tag);
    if (found >= 0)
        return found;
    const int i = appendSlot();
    if (i >= 0)
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
