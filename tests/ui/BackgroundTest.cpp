// The helper every window runs its work in: a newer request cancels the running one, whose
// result never arrives; a cancel leaves no result; progress arrives on the interface thread
// before the result.

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

} // namespace
