// Letters made on several threads and taken in order, and the progress bar a terminal shows.

#include "letters/inorder.h"
#include "letters/progressbar.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <atomic>
#include <chrono>
#include <stdexcept>

using namespace tavrin::letters;

namespace {

// --- In order ----------------------------------------------------------------------------------------------

// Items that take longer the earlier they come, so that later ones are made first.
TEST(InOrder, TakesEveryItemInOrderWhateverOrderTheyAreMadeIn) {
    for (const int workers : {1, 2, 7}) {
        std::vector<int> taken;
        inOrder<int>(
            200, workers,
            [](int index) {
                std::this_thread::sleep_for(std::chrono::microseconds((200 - index) % 13 * 50));
                return index * 3;
            },
            [&](int index, int made) {
                EXPECT_EQ(made, index * 3);
                taken.push_back(index);
            });
        ASSERT_EQ(taken.size(), 200u) << workers << " workers";
        for (int index = 0; index < 200; ++index)
            ASSERT_EQ(taken[std::size_t(index)], index);
    }
}

TEST(InOrder, WorkersStayWithinAWindowOfTheTaker) {
    std::atomic<int> taken = 0, furthestAhead = 0;
    inOrder<int>(
        500, 3,
        [&](int index) {
            const int ahead = index - taken.load();
            for (int seen = furthestAhead.load();
                 ahead > seen && !furthestAhead.compare_exchange_weak(seen, ahead);)
                ;
            return index;
        },
        [&](int index, int) {
            std::this_thread::sleep_for(std::chrono::microseconds(100));
            taken = index + 1;
        });
    EXPECT_LE(furthestAhead.load(), 12) << "four items a worker";
    EXPECT_GE(furthestAhead.load(), 2) << "the workers did run ahead";
}

TEST(InOrder, AFailureReachesTheCallerInItsItemsTurn) {
    std::vector<int> taken;
    EXPECT_THROW(inOrder<int>(
                     100, 4,
                     [](int index) {
                         if (index == 30)
                             throw std::runtime_error("item 30");
                         return index;
                     },
                     [&](int index, int) { taken.push_back(index); }),
                 std::runtime_error);
    EXPECT_EQ(taken.size(), 30u);
}

TEST(InOrder, ATakerThatThrowsStopsTheWorkers) {
    std::atomic<int> made = 0;
    EXPECT_THROW(inOrder<int>(
                     100'000, 2, [&](int index) { return ++made, index; },
                     [](int index, int) {
                         if (index == 5)
                             throw std::runtime_error("no room");
                     }),
                 std::runtime_error);
    EXPECT_LT(made.load(), 100);
}

TEST(InOrder, NothingToDo) {
    int calls = 0;
    inOrder<int>(
        0, 2, [&](int) { return ++calls; }, [&](int, int) { ++calls; });
    EXPECT_EQ(calls, 0);
}

// --- The progress bar
// ----------------------------------------------------------------------------------------

struct LineCase {
    const char* name;
    int done, total;
    double seconds;
    QString expected;
};

void PrintTo(const LineCase& c, std::ostream* out) {
    *out << c.name;
}

class ProgressLines : public testing::TestWithParam<LineCase> {};

TEST_P(ProgressLines, TellDoneRateAndTimeLeft) {
    EXPECT_EQ(progressLine(GetParam().done, GetParam().total, GetParam().seconds), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    All, ProgressLines,
    testing::Values(LineCase{"NothingDoneYet", 0, 10000, 0.5, "[------------------------] 0/10000 letters"},
                    LineCase{"NoTimeYet", 3, 10000, 0, "[------------------------] 3/10000 letters"},
                    LineCase{"Quarter", 2500, 10000, 1.25,
                             "[######------------------] 2500/10000 letters, 2000/s, 0:04 left"},
                    LineCase{"AlmostDone", 9999, 10000, 5,
                             "[#######################-] 9999/10000 letters, 2000/s, 0:01 left"},
                    LineCase{"Minutes", 100, 100000, 10,
                             "[------------------------] 100/100000 letters, 10/s, 2:46:30 left"},
                    LineCase{"All", 7, 7, 2, "[########################] 7/7 letters, 4/s, 0:00 left"}),
    [](const auto& info) { return std::string(info.param.name); });

class Bar : public testing::Test {
protected:
    QStringList drawn;
    double now = 0; // before the bar, which reads it when it is made
    ProgressBar bar{[this](const QString& text) { drawn << text; }, [this] { return now; }};
};

TEST_F(Bar, RedrawsAtMostTenTimesASecond) {
    for (int done = 1; done < 100; ++done) {
        now = done * 0.01;
        bar.update(done, 100);
    }
    EXPECT_EQ(drawn.size(), 10);
    EXPECT_TRUE(drawn.front().startsWith(QStringLiteral("\r[")));
    EXPECT_TRUE(drawn.front().endsWith(QStringLiteral("\033[K")));
}

TEST_F(Bar, IsClearedForGoodWhenAllIsDone) {
    bar.update(1, 2);
    bar.update(2, 2);
    now = 5;
    bar.update(2, 2);
    bar.printAbove([this](const QString& text) { drawn << text; }, QStringLiteral("summary\n"));
    EXPECT_EQ(drawn, (QStringList{QStringLiteral("\r[############------------] 1/2 letters"
                                                 "\033[K"),
                                  QStringLiteral("\r\033[K"), QStringLiteral("summary\n")}));
}

TEST_F(Bar, PrintsOtherLinesAboveItself) {
    now = 1;
    bar.update(1, 4);
    drawn.clear();
    bar.printAbove([this](const QString& text) { drawn << text; }, QStringLiteral("a problem\n"));
    EXPECT_EQ(drawn,
              (QStringList{QStringLiteral("\r\033[K"), QStringLiteral("a problem\n"),
                           QStringLiteral("[######------------------] 1/4 letters, 1/s, 0:03 left\033[K")}));
}

} // namespace
