#pragma once
// A scratch folder per test, with helpers to write and read raw file bytes.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

namespace kittest {

class TempFolder {
public:
    QString path(const QString& name = {}) const { return name.isEmpty() ? m_dir.path() : m_dir.filePath(name); }

    QString write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return file.fileName();
    }

    QByteArray read(const QString& name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir m_dir;
};

} // namespace kittest
