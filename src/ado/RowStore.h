#pragma once

#include <vb/Variant.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace ado {

// The values of a row set in a compact form: 16 bytes a value, texts as UTF-8 in one
// arena. vb::Variants are built when a value is read, which keeps reading a large result
// close to the engine's own speed. Values are addressed row-major by one index.
class RowStore {
public:
    size_t size() const { return m_size; }

    vb::Variant get(size_t index) const;
    void set(size_t index, const vb::Variant& value);
    void push_back(const vb::Variant& value);
    void erase(size_t from, size_t count);
    // Empties the store but keeps its first blocks, so a store refilled row by row stays small.
    void clear();

    void appendNull() { append(Kind::Null, 0); }
    void appendLong(std::int64_t v) { append(Kind::Long, v); }
    void appendInteger(std::int16_t v) { append(Kind::Integer, v); }
    void appendByte(std::uint8_t v) { append(Kind::Byte, v); }
    void appendBigInt(std::int64_t v) { append(Kind::BigInt, v); }
    void appendBoolean(bool v) { append(Kind::Boolean, v ? 1 : 0); }
    void appendDouble(double v) { appendReal(Kind::Double, v); }
    void appendSingle(float v) { appendReal(Kind::Single, v); }
    void appendCurrency(std::int64_t raw) { append(Kind::Currency, raw); }
    void appendDate(double serial) { appendReal(Kind::Date, serial); }
    void appendText(const char* utf8, int size);

private:
    enum class Kind : std::uint8_t { Null, Long, Integer, Byte, BigInt, Boolean, Double, Single, Currency, Date, Text, Boxed };
    struct Cell {
        union {
            std::int64_t integer;
            double real;
        };
        std::uint32_t size;
        Kind kind;
    };
    static_assert(sizeof(Cell) == 16);

    // Cells and texts live in fixed 2 MB blocks that never move, so growing costs no copies;
    // blocks after the first ask for huge pages, which makes filling a large result cheaper.
    // A store that goes away hands its blocks to the next ones (see RowStore.cpp).
    static constexpr size_t blockBytes = size_t(2) << 20;
    static constexpr size_t blockBits = 17;
    static constexpr size_t blockCells = size_t(1) << blockBits;
    static constexpr size_t textBlock = blockBytes;
    struct FreeBlock {
        size_t bytes = 0;
        void operator()(char* p) const;
    };
    using Block = std::unique_ptr<char[], FreeBlock>;
    static Block allocate(size_t bytes, bool hugePages);
    static_assert(blockCells * 16 == blockBytes);

    Cell& cell(size_t index) { return reinterpret_cast<Cell*>(m_cells[index >> blockBits].get())[index & (blockCells - 1)]; }
    const Cell& cell(size_t index) const
    {
        return reinterpret_cast<const Cell*>(m_cells[index >> blockBits].get())[index & (blockCells - 1)];
    }
    // The appends run once per value read, so they stay inline; only a new block is not.
    Cell& next()
    {
        if ((m_size & (blockCells - 1)) == 0)
            addBlockIfFull();
        return cell(m_size++);
    }
    void addBlockIfFull();
    void append(Kind kind, std::int64_t v)
    {
        Cell& c = next();
        c.integer = v;
        c.size = 0;
        c.kind = kind;
    }
    void appendReal(Kind kind, double v)
    {
        Cell& c = next();
        c.real = v;
        c.size = 0;
        c.kind = kind;
    }
    Cell cellFor(const vb::Variant& value);
    std::int64_t storeText(const char* utf8, size_t size);
    const char* textAt(std::int64_t where) const;

    std::vector<Block> m_cells;
    size_t m_size = 0;
    std::vector<Block> m_texts;
    size_t m_textUsed = textBlock;   // of the last text block
    std::vector<vb::Variant> m_boxes;
};

} // namespace ado
