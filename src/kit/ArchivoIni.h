#pragma once
// INI access of the maker's library. A bare file name ("VU000va.INI") is looked for in the
// program's folder; any path is matched against the disk without regard to letter case.

#include <QString>

namespace kit {

class ArchivoIni {
public:
    // The key's text, or defaultValue when the file, the section or the key is missing. A key
    // that is present with nothing after its "=" gives the empty text. The result is also left
    // in *value when given (callers of the original passed an output argument).
    QString LeerValor(const QString& file, const QString& section, const QString& key,
                      const QString& defaultValue = {}, QString* value = nullptr) const;

    // Sets one key, keeping the rest of the file as it was. False when it cannot be written.
    bool writeValue(const QString& file, const QString& section, const QString& key, const QString& value) const;

    // Where a file name given to this object is read and written.
    QString filePath(const QString& file) const;

    // Folder for bare file names; empty (the default) means the program's folder.
    void setFolder(const QString& folder) { m_folder = folder; }
    const QString& folder() const { return m_folder; }

private:
    QString m_folder;
};

} // namespace kit
