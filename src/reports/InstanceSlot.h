#pragma once
// Which of the operator's open report windows this one is, so that a second one does not open
// exactly over the first (both come from the same saved place). The first window takes place 0,
// one opened while it is open place 1, and so on: each place is a lock file in the user's runtime
// folder, held for as long as the window lives. The lock of a program that ended without letting
// go of it (a crash) is taken over; where no lock can be held the window takes place 0.

#include <QPoint>
#include <QRect>
#include <QString>

#include <memory>

class QLockFile;

namespace reports {

class InstanceSlot {
public:
    InstanceSlot();
    ~InstanceSlot();
    InstanceSlot(const InstanceSlot&) = delete;
    InstanceSlot& operator=(const InstanceSlot&) = delete;

    // Takes the first free place among the windows called name; the place taken.
    int take(const QString& name);
    int place() const { return m_place; }

    // Where a window whose frame is at frame goes for its place: down and to the right by a step
    // a place (up and to the left where that leaves the area), kept within the area.
    static QPoint asidePosition(const QRect& frame, const QRect& area, int place);

private:
    std::unique_ptr<QLockFile> m_lock;
    int m_place = 0;
};

} // namespace reports
