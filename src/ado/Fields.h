#pragma once

#include "ado/Field.h"

namespace ado {

// The columns of a recordset, by position or by name without regard to case.
class Fields {
public:
    explicit Fields(RecordsetStatePtr state);

    int Count() const { return int(m_items.size()); }
    const FieldPtr& Item(int index) const           // 3265 when out of range
    {
        return index >= 0 && index < Count() ? m_items[size_t(index)] : missing();
    }
    const FieldPtr& Item(const QString& name) const;  // 3265 when no field has the name
    const FieldPtr& operator[](int index) const { return Item(index); }
    const FieldPtr& operator[](const QString& name) const { return Item(name); }
    int indexOf(const QString& name) const;         // -1 when absent

private:
    [[noreturn]] static const FieldPtr& missing();

    RecordsetStatePtr m_state;
    std::vector<FieldPtr> m_items;
};

using FieldsPtr = std::shared_ptr<Fields>;

} // namespace ado
