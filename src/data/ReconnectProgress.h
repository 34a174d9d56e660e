#pragma once
// What the loop of reconnection attempts tells whoever shows it, and what it asks back: the
// operator may give up, or cut a series short to start a fresh one.

#include <QString>

namespace data {

class ReconnectProgress {
public:
    virtual ~ReconnectProgress() = default;

    // A series of attempts begins, and the operator's earlier answers no longer count; routine
    // names the step whose statement found the link down.
    virtual void started(const QString& routine) = 0;
    // Attempt `number` of `series` is about to run.
    virtual void attempt(int number, int series) = 0;
    // The operator gave up: the loop ends without the link.
    virtual bool cancelled() const = 0;
    // The operator asked for a fresh series at once.
    virtual bool restartRequested() const = 0;
    // Lets pending events run; the operator's answers arrive this way.
    virtual void idle() = 0;
    // The loop is over, whatever its result; nothing is asked afterwards.
    virtual void finished() = 0;
};

} // namespace data
