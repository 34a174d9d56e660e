#include "data/ReconnectPolicy.h"
#include "data/ReconnectProgress.h"

#include "QStringPrinting.h"

#include <QElapsedTimer>
#include <QStringList>
#include <functional>
#include <gtest/gtest.h>

namespace {

using data::ReconnectPolicy;

// Stands where the window stands: records what the loop says and answers as the operator would,
// from inside the pauses, where the window's buttons are read.
class OperatorScript : public data::ReconnectProgress {
public:
    QStringList said;
    int idles = 0;
    std::function<void(OperatorScript&)> whileIdle;
    bool cancel = false;
    bool restart = false;

    void started(const QString& routine) override
    {
        said << "started " + routine;
        cancel = restart = false;
    }
    void attempt(int number, int series) override { said << QStringLiteral("%1/%2").arg(number).arg(series); }
    bool cancelled() const override { return cancel; }
    bool restartRequested() const override { return restart; }
    void idle() override
    {
        ++idles;
        if (whileIdle)
            whileIdle(*this);
    }
    void finished() override { said << "finished"; }
};

// A link that stays down for `failures` attempts and then opens.
struct Link {
    int failures = 0;
    int tried = 0;
    bool up = false;
    bool attempt()
    {
        up = ++tried > failures;
        return up;
    }
    ReconnectPolicy policy(int pause = 0)
    {
        ReconnectPolicy p([this] { return attempt(); }, [this] { return up; });
        p.setPause(pause);
        return p;
    }
};

TEST(ReconnectPolicy, AnAttemptThatOpensEndsTheLoopAndASeriesThatRunsOutStartsOneOfTen)
{
    Link link{2};
    OperatorScript progress;
    EXPECT_TRUE(link.policy().run(10, "AbrirRecordset", progress));
    EXPECT_EQ(progress.said, QStringList({"started AbrirRecordset", "1/10", "2/10", "3/10", "finished"}));

    Link later{5};
    OperatorScript again;
    EXPECT_TRUE(later.policy().run(3, "AsegurarConexion", again));
    EXPECT_EQ(again.said, QStringList({"started AsegurarConexion", "1/3", "2/3", "3/3", "started AsegurarConexion",
                                       "1/10", "2/10", "3/10", "finished"}));
    EXPECT_EQ(later.tried, 6);
}

TEST(ReconnectPolicy, GivingUpStopsTheAttemptsAndRestartingBeginsAFreshSeries)
{
    Link down{1000};
    OperatorScript progress;
    progress.whileIdle = [&](OperatorScript& p) {
        if (down.tried == 2 && p.said.count("started R") == 1)
            p.restart = true;
        if (down.tried == 4)
            p.cancel = true;
    };
    EXPECT_FALSE(down.policy().run(10, "R", progress));
    EXPECT_EQ(progress.said, QStringList({"started R", "1/10", "2/10", "started R", "1/10", "2/10", "finished"}));
    EXPECT_EQ(down.tried, 4);
}

TEST(ReconnectPolicy, ThePauseKeepsEventsRunningAndItsLengthIsTheCallersChoice)
{
    Link slow{3};
    OperatorScript progress;
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(slow.policy(60).run(10, "R", progress));
    EXPECT_GE(clock.elapsed(), 3 * 60);
    EXPECT_GE(progress.idles, 3 * 6);   // events run every few milliseconds of each pause

    // Without a pause, fifty attempts take far less than the half-second pauses would (25 s).
    Link quick{50};
    OperatorScript fast;
    clock.restart();
    EXPECT_TRUE(quick.policy(0).run(10, "R", fast));
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_EQ(quick.tried, 51);
}

} // namespace
