#include "json/cStringBuilder.h"

#include "vb/Error.h"

#include <cstring>
#include <limits>

namespace json {

namespace {
constexpr int ErrInvalidCall = 5;
constexpr int ErrOverflow = 6;
constexpr int ErrSubscript = 9;
}

std::int32_t cStringBuilder::checkedSum(std::int64_t value)
{
    if (value < 0 || value > std::numeric_limits<std::int32_t>::max())
        vb::raise(ErrOverflow);
    return static_cast<std::int32_t>(value);
}

std::int32_t cStringBuilder::byteSize(const QString& text)
{
    return checkedSum(std::int64_t(text.size()) * 2);
}

void cStringBuilder::ChunkSize(std::int32_t iChunkSize)
{
    if (iChunkSize < 1)
        vb::raise(ErrInvalidCall);
    m_chunk = checkedSum(std::int64_t(iChunkSize) * 2);
}

QString cStringBuilder::toString() const
{
    return m_buffer.left(m_length / 2);
}

void cStringBuilder::setCapacity(std::int32_t bytes)
{
    const bool shrinking = bytes < m_capacity;
    m_buffer.resize(bytes / 2, u' ');
    if (shrinking)
        m_buffer.squeeze();   // give the memory back, not only the count
    m_capacity = bytes;
}

// Whole chunks only: the capacity never doubles. Nothing changes when the result would not fit.
void cStringBuilder::ensureCapacity(std::int32_t neededBytes, bool atLeastOneChunk)
{
    if (neededBytes <= m_capacity)
        return;
    const std::int64_t missing = std::int64_t(neededBytes) - m_capacity;
    std::int64_t chunks = (missing + m_chunk - 1) / m_chunk;
    if (atLeastOneChunk && chunks < 1)
        chunks = 1;
    setCapacity(checkedSum(m_capacity + chunks * m_chunk));
}

void cStringBuilder::TheString(const QString& sThis)
{
    if (sThis.isEmpty()) {
        Clear();
        return;
    }
    const std::int32_t n = byteSize(sThis);
    ensureCapacity(n, true);
    std::memcpy(at(0), sThis.constData(), std::size_t(n));
    m_length = n;
}

void cStringBuilder::Clear()
{
    m_buffer.clear();
    m_buffer.squeeze();
    m_length = 0;
    m_capacity = 0;
}

void cStringBuilder::AppendNL(const QString& sThis)
{
    Append(sThis);
    Append(QStringLiteral("\r\n"));
}

void cStringBuilder::Append(const QString& sThis)
{
    Insert(Length(), sThis);
}

void cStringBuilder::AppendByVal(QString sThis)
{
    Append(sThis);
}

void cStringBuilder::Insert(std::int32_t iIndex, const QString& sThis)
{
    if (iIndex < 0 || iIndex > Length())
        vb::raise(ErrSubscript);
    if (sThis.isEmpty())
        return;
    const std::int32_t n = byteSize(sThis);
    const std::int32_t newLength = checkedSum(std::int64_t(m_length) + n);
    ensureCapacity(newLength, false);
    const std::int32_t offset = iIndex * 2;
    std::memmove(at(offset + n), at(offset), std::size_t(m_length - offset));
    std::memcpy(at(offset), sThis.constData(), std::size_t(n));
    m_length = newLength;
}

void cStringBuilder::InsertByVal(std::int32_t iIndex, QString sThis)
{
    Insert(iIndex, sThis);
}

void cStringBuilder::Remove(std::int32_t iIndex, std::int32_t lLen)
{
    if (iIndex < 0 || iIndex > Length() || lLen < 0 || std::int64_t(iIndex) + lLen > Length())
        vb::raise(ErrSubscript);
    const std::int32_t from = (iIndex + lLen) * 2;
    std::memmove(at(iIndex * 2), at(from), std::size_t(m_length - from));
    m_length -= lLen * 2;
}

std::int32_t cStringBuilder::Find(const QString& sToFind, std::int32_t lStartIndex, std::int32_t compare) const
{
    if (compare != 0 && compare != 1)
        vb::raise(ErrInvalidCall);
    const std::int32_t start = lStartIndex < 1 ? 1 : lStartIndex;
    if (start > Length())
        return 0;
    // Searching the used part only: leftovers of removed text beyond it never match.
    const QStringView used(m_buffer.constData(), Length());
    const qsizetype found = used.indexOf(sToFind, start - 1, compare == 1 ? Qt::CaseInsensitive : Qt::CaseSensitive);
    return found < 0 ? 0 : std::int32_t(found + 1);
}

void cStringBuilder::HeapMinimize()
{
    const std::int32_t spare = m_capacity - m_length;
    if (spare <= m_chunk)
        return;
    // Keep more than zero and at most one chunk spare.
    const std::int32_t surplusChunks = (spare - 1) / m_chunk;
    setCapacity(m_capacity - surplusChunks * m_chunk);
}

} // namespace json
