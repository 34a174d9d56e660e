#include "ado/RowStore.h"

#include <sys/mman.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <new>

namespace ado {

namespace {

// Blocks of stores that went away, kept for the next stores. Memory fresh from the system
// costs a page fault per page when first written (on a virtual machine often a trip to the
// host as well), which for a large result costs more than reading it from the engine; a
// block kept here is already mapped. Recordsets come and go all the time, so a program
// soon reuses what it gave back; what lies unused for a while, or beyond the cap, goes back
// to the system.
class BlockPool {
public:
    static constexpr size_t maxKept = 128;   // 256 MB
    static constexpr std::chrono::seconds keptFor{10};

    static BlockPool& instance()
    {
        static BlockPool* pool = new BlockPool;   // never destroyed: stores may outlive statics
        return *pool;
    }

    void* take()
    {
        const std::lock_guard lock(m_mutex);
        releaseStale(Clock::now());
        if (m_kept.empty())
            return nullptr;
        void* block = m_kept.back().block;   // the last given back is the likeliest in cache
        m_kept.pop_back();
        return block;
    }

    void giveBack(void* block)
    {
        const std::lock_guard lock(m_mutex);
        const auto now = Clock::now();
        releaseStale(now);
        if (m_kept.size() < maxKept)
            m_kept.push_back({block, now});
        else
            std::free(block);
    }

private:
    using Clock = std::chrono::steady_clock;
    struct Kept {
        void* block;
        Clock::time_point since;
    };

    // Oldest first, as they were given back.
    void releaseStale(Clock::time_point now)
    {
        size_t stale = 0;
        while (stale < m_kept.size() && now - m_kept[stale].since > keptFor)
            std::free(m_kept[stale++].block);
        m_kept.erase(m_kept.begin(), m_kept.begin() + std::ptrdiff_t(stale));
    }

    std::mutex m_mutex;
    std::vector<Kept> m_kept;
};

} // namespace

void RowStore::FreeBlock::operator()(char* p) const
{
    if (bytes == blockBytes)
        BlockPool::instance().giveBack(p);
    else
        std::free(p);
}

RowStore::Block RowStore::allocate(size_t bytes, bool hugePages)
{
    const size_t rounded = (bytes + blockBytes - 1) / blockBytes * blockBytes;
    if (rounded == blockBytes)
        if (void* kept = BlockPool::instance().take())
            return Block(static_cast<char*>(kept), FreeBlock{rounded});
    void* p = std::aligned_alloc(blockBytes, rounded);
    if (!p)
        throw std::bad_alloc();
    if (hugePages)
        madvise(p, rounded, MADV_HUGEPAGE);
    return Block(static_cast<char*>(p), FreeBlock{rounded});
}

void RowStore::addBlockIfFull()
{
    if ((m_size >> blockBits) == m_cells.size())
        m_cells.push_back(allocate(blockBytes, !m_cells.empty()));
}

// A text never spans blocks: block number in the high bits, offset in the low 40.
std::int64_t RowStore::storeText(const char* utf8, size_t size)
{
    if (m_textUsed + size > textBlock || m_texts.empty()) {
        m_texts.push_back(allocate(std::max(size, textBlock), !m_texts.empty()));
        m_textUsed = 0;
    }
    std::memcpy(m_texts.back().get() + m_textUsed, utf8, size);
    const std::int64_t where = (std::int64_t(m_texts.size() - 1) << 40) | std::int64_t(m_textUsed);
    m_textUsed += size;
    if (size > textBlock)
        m_textUsed = textBlock;   // an oversized text fills its own block
    return where;
}

const char* RowStore::textAt(std::int64_t where) const
{
    return m_texts[size_t(where >> 40)].get() + (where & ((std::int64_t(1) << 40) - 1));
}

void RowStore::appendText(const char* utf8, int size)
{
    const std::int64_t where = storeText(utf8, size_t(size));
    Cell& c = next();
    c.integer = where;
    c.size = std::uint32_t(size);
    c.kind = Kind::Text;
}

vb::Variant RowStore::get(size_t index) const
{
    const Cell& c = cell(index);
    switch (c.kind) {
    case Kind::Null: return vb::Variant::null();
    case Kind::Long: return vb::Variant(c.integer);
    case Kind::Integer: return vb::Variant(std::int16_t(c.integer));
    case Kind::Byte: return vb::Variant(std::uint8_t(c.integer));
    case Kind::BigInt: return vb::Variant(vb::Decimal::fromLong(c.integer));
    case Kind::Boolean: return vb::Variant(c.integer != 0);
    case Kind::Double: return vb::Variant(c.real);
    case Kind::Single: return vb::Variant(float(c.real));
    case Kind::Currency: return vb::Variant(vb::Currency::fromRaw(c.integer));
    case Kind::Date: return vb::Variant(vb::Date{c.real});
    case Kind::Text: return vb::Variant(QString::fromUtf8(textAt(c.integer), qsizetype(c.size)));
    case Kind::Boxed: return m_boxes[size_t(c.integer)];
    }
    return {};
}

RowStore::Cell RowStore::cellFor(const vb::Variant& value)
{
    Cell c;
    c.integer = 0;
    c.size = 0;
    switch (value.type()) {
    case vb::VarType::Null: c.kind = Kind::Null; return c;
    case vb::VarType::Long: c.kind = Kind::Long; c.integer = value.toLong(); return c;
    case vb::VarType::Integer: c.kind = Kind::Integer; c.integer = value.toInteger(); return c;
    case vb::VarType::Byte: c.kind = Kind::Byte; c.integer = value.toByte(); return c;
    case vb::VarType::Boolean: c.kind = Kind::Boolean; c.integer = value.toBool() ? 1 : 0; return c;
    case vb::VarType::Double: c.kind = Kind::Double; c.real = value.toDouble(); return c;
    case vb::VarType::Currency: c.kind = Kind::Currency; c.integer = value.toCurrency().raw; return c;
    case vb::VarType::Date: c.kind = Kind::Date; c.real = value.toDate().serial; return c;
    default:
        c.kind = Kind::Boxed;
        c.integer = std::int64_t(m_boxes.size());
        m_boxes.push_back(value);
        return c;
    }
}

void RowStore::push_back(const vb::Variant& value)
{
    const Cell c = cellFor(value);
    next() = c;
}

void RowStore::set(size_t index, const vb::Variant& value)
{
    cell(index) = cellFor(value);
}

void RowStore::erase(size_t from, size_t count)
{
    for (size_t i = from; i + count < m_size; ++i)
        cell(i) = cell(i + count);
    m_size -= std::min(count, m_size - from);
}

void RowStore::clear()
{
    m_size = 0;
    m_boxes.clear();
    if (m_cells.size() > 1)
        m_cells.resize(1);
    if (m_texts.size() > 1)
        m_texts.resize(1);
    m_textUsed = m_texts.empty() ? textBlock : 0;
}

} // namespace ado
