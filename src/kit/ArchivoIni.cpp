#include "kit/ArchivoIni.h"
#include "kit/CaseInsensitivePath.h"
#include "kit/IniFile.h"
#include "kit/ProgramFolder.h"

#include <QDir>

namespace kit {

QString ArchivoIni::filePath(const QString& file) const
{
    const QString name = CaseInsensitivePath::withSlashes(file.trimmed());
    if (name.isEmpty())
        return {};
    if (name.contains(u'/'))
        return CaseInsensitivePath::resolve(name);
    const QString folder = m_folder.isEmpty() ? ProgramFolder::path() : m_folder;
    return CaseInsensitivePath::resolve(QDir(folder).filePath(name));
}

QString ArchivoIni::LeerValor(const QString& file, const QString& section, const QString& key,
                              const QString& defaultValue, QString* value) const
{
    const QString path = filePath(file);
    const QString result = path.isEmpty() ? defaultValue : IniFile(path).value(section, key, defaultValue);
    if (value)
        *value = result;
    return result;
}

bool ArchivoIni::writeValue(const QString& file, const QString& section, const QString& key, const QString& value) const
{
    const QString path = filePath(file);
    return !path.isEmpty() && IniFile(path).setValue(section, key, value);
}

} // namespace kit
