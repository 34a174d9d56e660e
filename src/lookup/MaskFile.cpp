#include "lookup/MaskFile.h"

#include "vb/Error.h"
#include "vb/Files.h"
#include "vb/Strings.h"

#include <QDir>

namespace lookup {

std::optional<MascaraConsulta> MaskFile::find(const QString& path, const Matcher& matches)
{
    if (!vb::FileExists(path))
        return std::nullopt;
    vb::RecordFile file(path, MascaraConsulta::kLength);
    const qint64 bytes = vb::FileLen(path);
    const qint64 records = (bytes + MascaraConsulta::kLength - 1) / MascaraConsulta::kLength;
    for (qint64 n = 1; n <= records; ++n) {
        MascaraConsulta record = MascaraConsulta::fromBytes(file.getBytes(n));
        if (matches(record))
            return record;
    }
    return std::nullopt;
}

bool MaskFile::sameTable(const MascaraConsulta& record, const QString& tabla)
{
    return vb::textEquals(record.tablaLimpia(), vb::Trim(tabla));
}

std::optional<MascaraConsulta> MaskFile::find(const QString& path, const QString& tabla)
{
    return find(path, [&](const MascaraConsulta& record) { return sameTable(record, tabla); });
}

void MaskFile::append(const QString& path, const QList<MascaraConsulta>& records)
{
    // The start-up cannot go on without the file: its error names it, so that whoever reads
    // the box knows which file or folder to look at.
    try {
        vb::RecordFile file(path, MascaraConsulta::kLength);
        for (MascaraConsulta record : records) {
            record.FinRegistro = QStringLiteral("\r\n");
            file.putBytes(file.recordCount() + 1, record.toBytes());
        }
        file.close();
    } catch (const vb::Error& error) {
        throw vb::Error(error.number(), vb::Error::fileDescription(error.number(), QDir::cleanPath(vb::resolvePath(path))),
                        error.source());
    }
}

} // namespace lookup
