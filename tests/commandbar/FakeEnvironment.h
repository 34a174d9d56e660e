#pragma once
// A process environment of the test's own: variables, command line and a scratch program
// folder, installed for the lifetime of the object.

#include "commandbar/BarEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QTemporaryDir>

namespace cbartest {

class FakeEnvironment : public commandbar::BarEnvironment {
public:
    FakeEnvironment() { commandbar::BarEnvironment::setInstance(this); }
    ~FakeEnvironment() override { commandbar::BarEnvironment::setInstance(nullptr); }

    QString variable(const QString& name) const override { return vars.value(name); }
    QString commandLine() const override { return command; }
    QString programFolder() const override { return folder.path(); }
    QString systemUserName() const override { return osUser; }
    QString hostName() const override { return host; }

    QString path(const QString& name) const { return folder.filePath(name); }
    // Writes a file under the program folder, creating its folders; "\r\n" line ends.
    QString writeFile(const QString& name, const QByteArray& text) const
    {
        const QString p = path(name);
        QDir().mkpath(QFileInfo(p).path());
        QFile file(p);
        file.open(QIODevice::WriteOnly);
        file.write(text);
        return p;
    }
    void writeIni(const QByteArray& text) const { writeFile(QStringLiteral("vu000va.ini"), text); }

    QHash<QString, QString> vars;
    QString command;
    QString osUser = QStringLiteral("tester");
    QString host;
    QTemporaryDir folder;
};

} // namespace cbartest
