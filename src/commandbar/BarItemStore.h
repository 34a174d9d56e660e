#pragma once
// The items of a bar and which one is active or hovered. Slots below count() are in use;
// the command bar has nineteen fixed slots, the tab bar lets the store grow (limit 0).

#include "commandbar/BarItem.h"

#include <vector>

namespace commandbar {

class BarItemStore {
public:
    // The highest slot index a growing store reaches: one more doubling would pass the
    // 16-bit range of the original's index.
    static constexpr int MaxCapacity = 19455;

    explicit BarItemStore(int slotTotal = 19, int limit = 19);

    int count() const { return m_count; }
    int slotCount() const { return int(m_items.size()); }
    int limit() const { return m_limit; }
    // Highest slot index; 0 while a growing store has not been allocated.
    int capacity() const { return m_items.empty() ? 0 : slotCount() - 1; }
    // Grows the slots so that index required exists: at least 0..18 at first, then the bound
    // goes to bound * 2 + 1 until it is enough. Past MaxCapacity it raises error 6 and leaves
    // the store as it was.
    void EnsureCapacity(int required);
    BarItem& at(int i) { return m_items[size_t(i)]; }
    const BarItem& at(int i) const { return m_items[size_t(i)]; }
    bool inUse(int i) const { return i >= 0 && i < m_count; }
    bool shown(int i) const { return inUse(i) && at(i).Visible; }
    int VisibleItemCount() const;

    int activeIndex() const { return m_active; }
    int hoverIndex() const { return m_hover; }
    void setActiveIndex(int i) { m_active = i; }
    void setHoverIndex(int i) { m_hover = i; }

    int FindItem(const QString& tag) const;
    bool ItemUsable(const QString& tag) const;

    void ResetItemSlot(int i);
    // Every slot reset, no item in use, none active or hovered.
    void clear();
    // Slot of the key, taking a new slot for a new key: -1 for a blank key or a full bar.
    // A new slot starts enabled; an existing one keeps its flags, badge and place.
    int slotForAdd(const QString& tag);
    // Takes the next slot into use (growing the store when it has no limit); -1 when full.
    int appendSlot();
    void setCount(int n) { m_count = n; }

    // Each returns true when the flag changed.
    bool setVisible(int i, bool visible);
    bool setEnabled(int i, bool enabled);
    void setBadge(int i, long count) { at(i).Badge = count < 0 ? 0 : count; }

private:
    void ensureSlot(int i);

    std::vector<BarItem> m_items;
    int m_limit;
    int m_count = 0;
    int m_active = -1;
    int m_hover = -1;
};

} // namespace commandbar
