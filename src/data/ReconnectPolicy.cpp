#include "data/ReconnectPolicy.h"

#include "data/ReconnectProgress.h"

#include <QElapsedTimer>
#include <QString>
#include <QThread>
#include <algorithm>

namespace data {

ReconnectPolicy::ReconnectPolicy(Attempt attempt, LinkUp linkUp)
    : m_attempt(std::move(attempt)), m_linkUp(std::move(linkUp))
{
}

bool ReconnectPolicy::run(int attempts, const QString& routine, ReconnectProgress& progress) const
{
    for (int series = attempts;; series = kSeries) {
        progress.started(routine);
        const bool reconnected = runSeries(series, progress);
        if (reconnected || progress.cancelled() || m_linkUp()) {
            progress.finished();
            return reconnected;
        }
    }
}

bool ReconnectPolicy::runSeries(int series, ReconnectProgress& progress) const
{
    for (int i = 1; i <= series; ++i) {
        if (progress.cancelled() || progress.restartRequested())
            return false;
        progress.attempt(i, series);
        progress.idle();
        if (m_attempt())
            return true;
        wait(progress);
    }
    return false;
}

// The pause keeps the interface alive: events run every few milliseconds while it lasts.
void ReconnectPolicy::wait(ReconnectProgress& progress) const
{
    QElapsedTimer clock;
    clock.start();
    do {
        progress.idle();
        if (m_pause > 0)
            QThread::msleep(std::min(10, m_pause));
    } while (clock.elapsed() < m_pause);
}

} // namespace data
