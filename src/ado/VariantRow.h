#pragma once

#include <vb/Variant.h>

#include <QString>
#include <cstdint>
#include <vector>

namespace ado {

// One row's values written straight into vb::Variants, in the forms RowStore::get gives
// back, for a reader that hands each row out and then forgets it: no copy of the texts into
// an arena and no second pass. Has RowStore's append members, so the row readers fill either.
class VariantRow {
public:
    // Overwrites values from the first slot on; values must have one slot per column.
    explicit VariantRow(std::vector<vb::Variant>& values) : m_values(values) {}

    size_t size() const { return m_next; }
    const vb::Variant& get(size_t index) const { return m_values[index]; }

    void appendNull() { put(vb::Variant::null()); }
    void appendLong(std::int64_t v) { put(vb::Variant(v)); }
    void appendInteger(std::int16_t v) { put(vb::Variant(v)); }
    void appendByte(std::uint8_t v) { put(vb::Variant(v)); }
    void appendBigInt(std::int64_t v) { put(vb::Variant(vb::Decimal::fromLong(v))); }
    void appendBoolean(bool v) { put(vb::Variant(v)); }
    void appendDouble(double v) { put(vb::Variant(v)); }
    void appendSingle(float v) { put(vb::Variant(v)); }
    void appendCurrency(std::int64_t raw) { put(vb::Variant(vb::Currency::fromRaw(raw))); }
    void appendDate(double serial) { put(vb::Variant(vb::Date{serial})); }
    void appendText(const char* utf8, int size) { put(vb::Variant(QString::fromUtf8(utf8, size))); }
    void push_back(const vb::Variant& value) { put(value); }

private:
    void put(vb::Variant&& value) { m_values[m_next++] = std::move(value); }
    void put(const vb::Variant& value) { m_values[m_next++] = value; }

    std::vector<vb::Variant>& m_values;
    size_t m_next = 0;
};

} // namespace ado
