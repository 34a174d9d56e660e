#pragma once
// The loop that brings a lost link back: series of attempts with a pause between two of them,
// until an attempt succeeds, the link is found back, or the operator gives up. Only a
// reconnection or the operator ends it; a series that runs out starts another one.

#include <functional>

class QString;

namespace data {

class ReconnectProgress;

class ReconnectPolicy {
public:
    static constexpr int kSeries = 10;          // attempts of every series after the first
    static constexpr int kDefaultPause = 500;   // milliseconds between two attempts

    using Attempt = std::function<bool()>;      // one try at reopening; true: it opened
    using LinkUp = std::function<bool()>;       // the link is taken to be open, by whoever opened it

    ReconnectPolicy(Attempt attempt, LinkUp linkUp);

    void setPause(int milliseconds) { m_pause = milliseconds; }
    int pause() const { return m_pause; }

    // Runs the loop, the first series with `attempts` attempts; true when an attempt reopened
    // the link.
    bool run(int attempts, const QString& routine, ReconnectProgress& progress) const;

private:
    bool runSeries(int series, ReconnectProgress& progress) const;
    void wait(ReconnectProgress& progress) const;

    Attempt m_attempt;
    LinkUp m_linkUp;
    int m_pause = kDefaultPause;
};

} // namespace data
