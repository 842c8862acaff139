// The helper every window runs its work in: a newer request cancels the running one, whose
// result never arrives; a cancel leaves no result; a stop still delivers what the work returns;
// progress arrives on the interface thread before the result, and a report is handled there
// before the work goes on.

#include "common/UBackground.h"
#include "support/UiTestSupport.h"

#include <QThread>
#include <QThreadPool>
#include <gtest/gtest.h>
#include <semaphore>

using namespace UiTest;

namespace {

// Work that holds its request running until the test lets it go, and says whether it saw the
// cancel.
struct THeld {
    std::binary_semaphore Started{0}, Go{0};
    std::atomic<bool> SawCancel{false};
    std::function<int(const TBackground::TTask &)> Work(int Result) {
        return [this, Result](const TBackground::TTask &Task) {
            Started.release();
            Go.acquire();
            SawCancel = Task.Cancelled();
            return Result;
        };
    }
};

TEST(Background, ANewerRequestCancelsTheRunningOneAndAloneDelivers) {
    TBackground background;
    THeld first;
    QList<int> delivered;
    background.Run<int>(first.Work(1), [&](int Result) { delivered << Result; });
    first.Started.acquire();
    background.Run<int>([](const TBackground::TTask &) { return 2; },
                        [&](int Result) { delivered << Result; });
    first.Go.release();
    ASSERT_TRUE(WaitFor([&] { return !background.Busy(); }));
    // The first request's work ends in the pool all the same, its result dropped.
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();
    EXPECT_EQ(delivered, QList<int>{2});
    EXPECT_TRUE(first.SawCancel);
}

TEST(Background, ACancelledRequestDeliversNothing) {
    TBackground background;
    THeld held;
    bool delivered = false;
    background.Run<int>(held.Work(1), [&](int) { delivered = true; });
    held.Started.acquire();
    background.Cancel();
    EXPECT_FALSE(background.Busy());
    held.Go.release();
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();
    EXPECT_FALSE(delivered);
    EXPECT_TRUE(held.SawCancel);
}

TEST(Background, ProgressArrivesBeforeTheResult) {
    TBackground background;
    QList<int> steps;
    bool deliveredAfterProgress = false;
    QObject::connect(&background, &TBackground::Progressed, [&](int Step) { steps << Step; });
    background.Run<int>(
        [](const TBackground::TTask &Task) {
            Task.Progress(1, 4);
            Task.Progress(4, 4);
            return 0;
        },
        [&](int) { deliveredAfterProgress = !steps.isEmpty(); });
    ASSERT_TRUE(WaitFor([&] { return !background.Busy(); }));
    EXPECT_TRUE(deliveredAfterProgress);
    ASSERT_FALSE(steps.isEmpty());
    EXPECT_EQ(steps.back(), TBackground::Steps);
}

TEST(Background, AStoppedRequestStillDeliversWhatTheWorkReturns) {
    TBackground background;
    THeld held;
    QList<int> delivered;
    background.Run<int>(held.Work(7), [&](int Result) { delivered << Result; });
    held.Started.acquire();
    background.Stop();
    EXPECT_TRUE(background.Busy());
    held.Go.release();
    ASSERT_TRUE(WaitFor([&] { return !background.Busy(); }));
    EXPECT_EQ(delivered, QList<int>{7});
    EXPECT_TRUE(held.SawCancel);
}

// A stop made while a report is handled is what the work sees next: it stops at that report.
TEST(Background, AReportIsHandledBeforeTheWorkGoesOn) {
    TBackground background;
    QList<qint64> reported;
    QObject::connect(&background, &TBackground::Reported, [&](qint64 Done, qint64) {
        reported << Done;
        if (Done == 3)
            background.Stop();
    });
    int reachedBy = -1;
    background.Run<int>(
        [](const TBackground::TTask &Task) {
            for (int done = 1; done <= 10; ++done) {
                Task.Report(done, 10);
                if (Task.Cancelled())
                    return done;
            }
            return 0;
        },
        [&](int Done) { reachedBy = Done; });
    ASSERT_TRUE(WaitFor([&] { return !background.Busy(); }));
    EXPECT_EQ(reachedBy, 3);
    EXPECT_EQ(reported, (QList<qint64>{1, 2, 3}));
}

} // namespace
