#pragma once
// The file-open dialog of the maker's library: set the title and filter, show it, then read
// the chosen file name or whether the operator cancelled. Goes through the dialog service.

#include <QString>

namespace kit {

class DialogoArchivo {
public:
    void setTitle(const QString& title) { m_title = title; }
    const QString& title() const { return m_title; }
    // In the original's form: "Description|*.ext|Other|*.*".
    void setFilter(const QString& filter) { m_filter = filter; }
    const QString& filter() const { return m_filter; }
    void setInitialFolder(const QString& folder) { m_initialFolder = folder; }
    const QString& initialFolder() const { return m_initialFolder; }

    // True when a file was chosen. A cancelled dialog leaves an empty file name.
    bool showOpen();
    const QString& fileName() const { return m_fileName; }
    bool cancelled() const { return m_cancelled; }

private:
    QString m_title;
    QString m_filter;
    QString m_initialFolder;
    QString m_fileName;
    bool m_cancelled = false;
};

} // namespace kit
