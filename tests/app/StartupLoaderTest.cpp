#include "app/StartupLoader.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QThread>
#include <atomic>
#include <vector>

TEST(StartupLoader, RunsOnceOnAnotherThreadAndHandsWidgetWorkToTheWindowThread)
{
    QObject window;
    TStartupLoader loader(&window);
    std::atomic<bool> ranElsewhere{false};
    std::vector<int> order;  // touched only on the window's thread
    QThread* posted = nullptr;

    ASSERT_TRUE(loader.Start([&] {
        ranElsewhere = QThread::currentThread() != window.thread();
        loader.Post([&] {
            order.push_back(1);
            posted = QThread::currentThread();
        });
        loader.Post([&] { order.push_back(2); });
    }));
    EXPECT_FALSE(loader.Start([] { ADD_FAILURE() << "a second start must not run"; }));
    loader.Join();
    EXPECT_TRUE(ranElsewhere);
    EXPECT_TRUE(order.empty()) << "queued calls wait for the window's event loop";
    QCoreApplication::processEvents();
    EXPECT_EQ(order, (std::vector<int>{1, 2}));
    EXPECT_EQ(posted, window.thread());
}

TEST(StartupLoader, DestructionWaitsForTheThreadAndDropsCallsForAGoneWindow)
{
    std::atomic<bool> finished{false};
    bool called = false;
    {
        auto* window = new QObject;
        TStartupLoader loader(window);
        loader.Start([&] {
            QThread::msleep(50);
            finished = true;
        });
        loader.Post([&] { called = true; });
        delete window;  // the queued call goes with its receiver
    }                   // ~TStartupLoader joins here
    EXPECT_TRUE(finished);
    QCoreApplication::processEvents();
    EXPECT_FALSE(called);
}
