#include "ado/EngineSettings.h"

#include <vb/App.h>

#include <QMutex>

namespace ado {

namespace {
struct Values {
    QMutex mutex;
    QString sqlServerDriver = QStringLiteral("FreeTDS");
    QString oracleDriver = QStringLiteral("Oracle");
};

Values& values()
{
    static Values v;
    return v;
}

QString read(QString Values::*member)
{
    QMutexLocker lock(&values().mutex);
    return values().*member;
}

void write(QString Values::*member, const QString& value)
{
    QMutexLocker lock(&values().mutex);
    values().*member = value;
}
} // namespace

QString EngineSettings::programFolder()
{
    return vb::App::path();
}

QString EngineSettings::sqlServerDriver() { return read(&Values::sqlServerDriver); }
void EngineSettings::setSqlServerDriver(const QString& name) { write(&Values::sqlServerDriver, name); }
QString EngineSettings::oracleDriver() { return read(&Values::oracleDriver); }
void EngineSettings::setOracleDriver(const QString& name) { write(&Values::oracleDriver, name); }

} // namespace ado
