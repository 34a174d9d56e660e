#include "data/ErrorReport.h"

#include "data/ErrorLog.h"
#include "ui/DialogService.h"
#include "vb/Conversions.h"
#include "vb/DateTime.h"
#include "vb/Strings.h"

#include <QFile>

namespace data {

ErrorReport::ErrorReport(QString logPath, QString titleMark, bool openLogFirst)
    : m_logPath(std::move(logPath)), m_titleMark(std::move(titleMark)), m_openLogFirst(openLogFirst)
{
}

QString ErrorReport::prompt(const vb::Error& error)
{
    return QStringLiteral("Ha ocurrido el Siguiente Error (") + QString::number(error.number()) + QStringLiteral(") ")
         + vb::Trim(error.description());
}

int ErrorReport::handle(const vb::Error& CodErr, const vb::Variant& Botones, const vb::Variant& Rutina) const
{
    vb::Trap skip = vb::Trap::skipping();
    QFile log(m_logPath);
    if (m_openLogFirst)
        ErrorLog::open(log);
    const QString text = prompt(CodErr);
    QString routinePart;
    skip.run([&] {
        if (!Rutina.isMissing())
            routinePart = QStringLiteral(" - ") + vb::CStr(Rutina);
    });
    const QString title = vb::Err::source() + routinePart + m_titleMark;
    int style = ui::vbAbortRetryIgnore + ui::vbCritical;
    skip.run([&] {
        if (!Botones.isMissing())
            style = vb::CInt(Botones);
    });
    if (CodErr.number() == 0)
        return 0;
    const int answer = ui::MsgBox(text, style, title);
    if (log.isOpen() || ErrorLog::open(log))
        ErrorLog::write(log, ErrorLog::line(vb::Clock::now(), routinePart, text, answer));
    return answer;
}

void ErrorReport::record(const vb::Error& error, const QString& routine) const
{
    ErrorLog::append(m_logPath, ErrorLog::line(vb::Clock::now(), QStringLiteral(" - ") + routine, prompt(error), 0));
}

} // namespace data
