#include "reportengine/SpillBuffer.h"
#include "reportengine/ReportError.h"
#include <QTemporaryFile>

namespace reportengine {

SpillBuffer::SpillBuffer(qint64 memoryLimit) : m_limit(memoryLimit) {}

SpillBuffer::~SpillBuffer() = default;

void SpillBuffer::fail(const QString& what) const
{
    throw ReportError(QStringLiteral("no se pudieron guardar las páginas del informe en un archivo temporal: %1 (%2)")
                          .arg(what, m_file ? m_file->errorString() : QString()));
}

void SpillBuffer::spill()
{
    m_file = std::make_unique<QTemporaryFile>();
    if (!m_file->open())
        fail(QStringLiteral("no se pudo crear"));
    if (m_file->write(m_memory) != m_memory.size())
        fail(QStringLiteral("no se pudo escribir"));
    m_memory = QByteArray();
}

qint64 SpillBuffer::append(const QByteArray& bytes)
{
    const qint64 offset = m_size;
    if (!m_file && m_size + bytes.size() > m_limit)
        spill();
    if (m_file) {
        // A read may have moved the file's position.
        if (m_file->pos() != m_size && !m_file->seek(m_size))
            fail(QStringLiteral("no se pudo escribir"));
        if (m_file->write(bytes) != bytes.size())
            fail(QStringLiteral("no se pudo escribir"));
    } else {
        m_memory.append(bytes);
    }
    m_size += bytes.size();
    return offset;
}

QByteArray SpillBuffer::read(qint64 offset, qint64 size) const
{
    if (offset < 0 || size < 0 || offset + size > m_size)
        throw ReportError(QStringLiteral("se pidieron a las páginas guardadas del informe datos que no tienen"));
    if (!m_file)
        return m_memory.mid(offset, size);
    QByteArray bytes;
    if (!m_file->seek(offset) || (bytes = m_file->read(size)).size() != size)
        fail(QStringLiteral("no se pudo leer"));
    return bytes;
}

} // namespace reportengine
