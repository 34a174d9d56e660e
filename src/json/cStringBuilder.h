#pragma once
// Growable text buffer: storage is allocated ahead in whole chunks and filled in place, so
// building a long text bit by bit does not copy the whole text on every addition.
// Counts and indexes at the interface are in characters (UTF-16 units); inside they are bytes,
// two per character, and every size must fit a 32-bit signed value (error 6 otherwise).

#include <QString>
#include <cstdint>
#include <limits>

namespace json {

class cStringBuilder {
public:
    static constexpr std::int32_t DefaultChunkBytes = 16384;
    // The most characters a builder holds: its sizes are 32-bit byte counts, two bytes each.
    static constexpr std::int32_t MaxLength = std::numeric_limits<std::int32_t>::max() / 2;

    std::int32_t Length() const { return m_length / 2; }
    std::int32_t Capacity() const { return m_capacity / 2; }
    std::int32_t ChunkSize() const { return m_chunk / 2; }
    void ChunkSize(std::int32_t iChunkSize);        // error 5 below 1 (growth could not progress), 6 on overflow

    QString toString() const;
    void TheString(const QString& sThis);           // replaces the whole content
    void Clear();

    void AppendNL(const QString& sThis);
    void Append(const QString& sThis);
    void AppendByVal(QString sThis);
    void Insert(std::int32_t iIndex, const QString& sThis);
    void InsertByVal(std::int32_t iIndex, QString sThis);
    void Remove(std::int32_t iIndex, std::int32_t lLen);
    // One-based position of sToFind within the used text, 0 when absent; compare 0 is by
    // character code, 1 ignores case.
    std::int32_t Find(const QString& sToFind, std::int32_t lStartIndex = 1, std::int32_t compare = 0) const;
    void HeapMinimize();

private:
    static std::int32_t byteSize(const QString& text);
    static std::int32_t checkedSum(std::int64_t value);
    void ensureCapacity(std::int32_t neededBytes, bool atLeastOneChunk);
    void setCapacity(std::int32_t bytes);
    QChar* at(std::int32_t byteOffset) { return m_buffer.data() + byteOffset / 2; }

    QString m_buffer;                               // always exactly m_capacity bytes long
    std::int32_t m_length = 0;
    std::int32_t m_capacity = 0;
    std::int32_t m_chunk = DefaultChunkBytes;
};

} // namespace json
