#include "reports/InstanceSlot.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

#include <algorithm>

namespace reports {

namespace {

constexpr int kPlaces = 10;
constexpr int kStepPixels = 32;   // clear of the first window's title bar and left edge

// The session's runtime folder; without one (a shell under xvfb-run) the temporary folder, where
// Qt would otherwise make one up with a warning at every start.
QString lockFolder()
{
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return QDir::tempPath();
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

// The folder may be shared with other users: each has places of its own.
QString userName()
{
    const QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    return user.isEmpty() ? QStringLiteral("operador") : user;
}

int within(int value, int low, int high)
{
    return std::clamp(value, low, std::max(low, high));
}

} // namespace

InstanceSlot::InstanceSlot() = default;
InstanceSlot::~InstanceSlot() = default;

int InstanceSlot::take(const QString& name)
{
    m_lock.reset();
    m_place = 0;
    const QString folder = lockFolder();
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return m_place;
    for (int place = 0; place < kPlaces; ++place) {
        auto lock = std::make_unique<QLockFile>(QDir(folder).filePath(QStringLiteral("%1-%2-%3.lock").arg(name, userName(), QString::number(place))));
        // Held for the window's life: only a holder that is gone makes a lock stale.
        lock->setStaleLockTime(0);
        if (lock->tryLock(0)) {
            m_lock = std::move(lock);
            m_place = place;
            return m_place;
        }
    }
    return m_place;
}

QPoint InstanceSlot::asidePosition(const QRect& frame, const QRect& area, int place)
{
    const int step = kStepPixels * place;
    QRect moved = frame.translated(step, step);
    if (!area.contains(moved))
        moved = frame.translated(-step, -step);
    return {within(moved.left(), area.left(), area.right() + 1 - moved.width()),
            within(moved.top(), area.top(), area.bottom() + 1 - moved.height())};
}

} // namespace reports
