#include "data/BasesFile.h"

#include "vb/Files.h"
#include "vb/App.h"
#include "vb/Error.h"
#include "vb/Files.h"
#include "vb/Strings.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace data {

QString BasesFile::defaultPath()
{
    return vb::resolvePath(vb::App::path() + QStringLiteral("/BASES.TXT"));
}

bool BasesFile::exists(const QString& path)
{
    if (vb::Trim(path).isEmpty() || QFileInfo(path).isDir())
        return false;
    QFile file(path);
    return file.open(QIODevice::ReadOnly);
}

QStringList BasesFile::fields(const QString& text)
{
    QStringList out;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        while (i < n && (text[i] == u' ' || text[i] == u'\t'))
            ++i;
        if (i >= n)
            break;   // blanks after the last line end make no field
        const qsizetype start = i;
        while (i < n && text[i] != u',' && text[i] != u'\r' && text[i] != u'\n')
            ++i;
        out << text.mid(start, i - start);
        if (i < n && text[i] == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        ++i;   // past the separator
    }
    return out;
}

QList<BasesRecord> BasesFile::parse(const QString& text)
{
    QStringList f = fields(text);
    while (f.size() % 5 != 0)
        f << QString();
    QList<BasesRecord> records;
    for (qsizetype i = 0; i < f.size(); i += 5)
        records.append({f[i], f[i + 1], f[i + 2], f[i + 3], f[i + 4]});
    return records;
}

QList<BasesRecord> BasesFile::read(const QString& path)
{
    QFile file(path);
    if (!QFileInfo::exists(path))
        vb::raise(53, vb::Error::standardDescription(53));
    if (!file.open(QIODevice::ReadOnly))
        vb::raise(75, vb::Error::standardDescription(75));
    return parse(vb::Windows1252::decode(file.readAll()));
}

std::optional<BasesRecord> BasesFile::find(const QList<BasesRecord>& records, const QString& nombre)
{
    const QString wanted = vb::Trim(nombre);
    for (const BasesRecord& record : records) {
        if (vb::Trim(record.nombre) == wanted)
            return record;
    }
    return std::nullopt;
}

bool BasesFile::storable(const QString& field)
{
    return !field.contains(u',') && !field.contains(u'\r') && !field.contains(u'\n') && !field.startsWith(u'"');
}

} // namespace data
