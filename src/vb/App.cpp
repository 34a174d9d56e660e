#include "vb/App.h"
#include "vb/Error.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcessEnvironment>

namespace vb {

namespace {

struct AppState {
    QString path;
    QString exeName;
    QString title;
    QString commandLine;
    int major = 1, minor = 0, revision = 0;
};

AppState& state()
{
    static AppState s;
    return s;
}

QString executablePath()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationFilePath();
    QFileInfo self(QStringLiteral("/proc/self/exe"));
    return self.exists() ? self.canonicalFilePath() : QString();
}

} // namespace

void App::init(int argc, char** argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));
    setArguments(args);
}

QString App::path()
{
    if (state().path.isEmpty()) {
        QString exe = executablePath();
        state().path = exe.isEmpty() ? QStringLiteral(".") : QFileInfo(exe).absolutePath();
    }
    return state().path;
}

void App::setPath(const QString& folder)
{
    QString p = folder;
    p.replace(u'\\', u'/');
    while (p.size() > 1 && p.endsWith(u'/'))
        p.chop(1);
    state().path = p;
}

QString App::exeName()
{
    if (state().exeName.isEmpty()) {
        QString exe = executablePath();
        state().exeName = exe.isEmpty() ? QStringLiteral("rp_quindal") : QFileInfo(exe).completeBaseName();
    }
    return state().exeName;
}

void App::setExeName(const QString& name) { state().exeName = name; }

QString App::title() { return state().title.isEmpty() ? exeName() : state().title; }
void App::setTitle(const QString& title) { state().title = title; }

int App::major() { return state().major; }
int App::minor() { return state().minor; }
int App::revision() { return state().revision; }

void App::setVersion(int major, int minor, int revision)
{
    state().major = major;
    state().minor = minor;
    state().revision = revision;
}

QString App::commandLine() { return state().commandLine; }
void App::setCommandLine(const QString& text) { state().commandLine = text; }
void App::setArguments(const QStringList& arguments) { state().commandLine = arguments.join(u' '); }

QString Command() { return App::commandLine(); }

QString Environ(const QString& name)
{
    const QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (env.contains(name))
        return env.value(name);
    // Windows names are not case-sensitive: PATH, Path and path are one variable there.
    const QStringList keys = env.keys();
    for (const QString& k : keys)
        if (k.compare(name, Qt::CaseInsensitive) == 0)
            return env.value(k);
    return QString();
}

QString Environ(int index)
{
    if (index < 1)
        raise(5);
    const QStringList all = QProcessEnvironment::systemEnvironment().toStringList();
    return index <= all.size() ? all[index - 1] : QString();
}

} // namespace vb
