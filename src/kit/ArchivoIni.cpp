#include "kit/ArchivoIni.h"
#include "vb/Files.h"
#include "kit/IniFile.h"
#include "vb/App.h"

#include <QDir>

namespace kit {

QString ArchivoIni::filePath(const QString& file) const
{
    const QString name = vb::normalizeSeparators(file.trimmed());
    if (name.isEmpty())
        return {};
    if (name.contains(u'/'))
        return vb::resolvePath(name);
    const QString folder = m_folder.isEmpty() ? vb::App::path() : m_folder;
    return vb::resolvePath(QDir(folder).filePath(name));
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
