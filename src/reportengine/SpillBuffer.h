#pragma once
// Bytes appended at the end and read back from anywhere: held in memory up to a limit, then moved
// to a temporary file that grows in their place, so that what a long report keeps does not grow
// its memory. Used from one thread.

#include <QByteArray>
#include <memory>

class QTemporaryFile;

namespace reportengine {

class SpillBuffer {
public:
    static constexpr qint64 DefaultMemoryLimit = 2 * 1024 * 1024;

    explicit SpillBuffer(qint64 memoryLimit = DefaultMemoryLimit);
    ~SpillBuffer();
    SpillBuffer(const SpillBuffer&) = delete;
    SpillBuffer& operator=(const SpillBuffer&) = delete;

    qint64 append(const QByteArray& bytes);              // where the bytes start; raises ReportError
    QByteArray read(qint64 offset, qint64 size) const;   // raises ReportError
    qint64 size() const { return m_size; }
    bool onDisk() const { return m_file != nullptr; }

private:
    void spill();
    [[noreturn]] void fail(const QString& what) const;

    QByteArray m_memory;
    std::unique_ptr<QTemporaryFile> m_file;
    qint64 m_size = 0;
    qint64 m_limit;
};

} // namespace reportengine
