#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <random>
#include <vector>

#include "search/engine.h"

using namespace xq;

namespace {

std::vector<Move> movesOf(const MoveList& list) {
    return {list.begin(), list.end()};
}

// The exchange sort written out in full, as the lazy one must answer.
std::vector<Move> plainExchangeSort(const HistoryTable& history, const MoveList& list) {
    std::vector<Move> moves = movesOf(list);
    for (std::size_t i = 0; i < moves.size(); ++i)
        for (std::size_t j = i + 1; j < moves.size(); ++j)
            if (history[moves[j]] > history[moves[i]]) std::swap(moves[i], moves[j]);
    return moves;
}

struct SortCase {
    const char* name;
    std::vector<std::pair<Move, int>> counters;  // list order, with each move's counter
    std::vector<Move> expected;
};

TEST(HistorySort, OrdersByDescendingCounterByExchanges) {
    const SortCase cases[] = {
        {"an empty list stays empty", {}, {}},
        {"a single move stays", {{101, 7}}, {101}},
        {"fresh counters keep the generated order", {{3, 0}, {1, 0}, {2, 0}}, {3, 1, 2}},
        {"5, 5, 7 gives 7, then the second 5, then the first", {{1, 5}, {2, 5}, {3, 7}}, {3, 2, 1}},
        {"equal counters are never exchanged", {{4, 9}, {5, 9}, {6, 2}}, {4, 5, 6}},
        {"ascending counters come out reversed", {{1, 1}, {2, 2}, {3, 3}, {4, 4}}, {4, 3, 2, 1}},
        {"one counted move rises over zeros",
         {{1, 0}, {2, 0}, {3, 0}, {4, 1}, {5, 0}},
         {4, 2, 3, 1, 5}},
    };
    for (const SortCase& c : cases) {
        auto engine = std::make_unique<Engine>();
        MoveList list;
        for (auto [move, counter] : c.counters) {
            engine->historyTable[move] = counter;
            list.moves[list.count++] = move;
        }
        engine->sortByHistory(list);
        EXPECT_EQ(movesOf(list), c.expected) << c.name;
    }
}

// The search settles the list one position at a time while its children change the counters;
// the order it reads must be the one the counters gave when the node began.
TEST(HistorySort, SettlingPositionsOneByOneGivesTheWholeSortEvenAsCountersChange) {
    std::mt19937 random(7);
    auto history = std::make_unique<HistoryTable>();
    for (int round = 0; round < 200; ++round) {
        history->fill(0);
        MoveList list;
        list.count = 1 + static_cast<int>(random() % 60);
        for (int i = 0; i < list.count; ++i) {
            list.moves[i] = 1000 + i;
            // Mostly small counters with many ties and zeros, as in a real think, and now and
            // then a counter that has wrapped or sits at either end of its range.
            const int extremes[] = {INT32_MIN, -1, INT32_MAX};
            (*history)[list.moves[i]] = random() % 3 == 0    ? 0
                                        : random() % 25 == 0 ? extremes[random() % 3]
                                                             : static_cast<int>(random() % 6);
        }
        MoveList whole = list;
        HistoryOrder(*history, whole).settleAll();
        EXPECT_EQ(movesOf(whole), plainExchangeSort(*history, list)) << "round " << round;

        HistoryOrder lazy(*history, list);
        for (int i = 0; i < list.count; ++i) {
            lazy.settle(i);
            EXPECT_EQ(list.moves[i], whole.moves[i]) << "round " << round << " position " << i;
            addHistoryCredit(*history, list.moves[i], 30);  // a child crediting the move just read
        }
    }
}

// A node may read a few positions, then finish the sort at once: the tags must still name the
// position each move held when the tags were started.
TEST(HistorySort, TagsFollowTheMovesThroughTheRemainingPasses) {
    std::mt19937 random(11);
    auto history = std::make_unique<HistoryTable>();
    for (int round = 0; round < 200; ++round) {
        history->fill(0);
        MoveList list;
        list.count = 1 + static_cast<int>(random() % 60);
        for (int i = 0; i < list.count; ++i) {
            list.moves[i] = 2000 + i;
            (*history)[list.moves[i]] = random() % 2 == 0 ? 0 : static_cast<int>(random() % 5);
        }
        MoveList whole = list;
        HistoryOrder(*history, whole).settleAll();

        HistoryOrder order(*history, list);
        const int from = static_cast<int>(random() % 4) % list.count;
        for (int i = 0; i < from; ++i) order.settle(i);
        const MoveList atStart = list;
        order.startTags(from);
        for (int i = from; i < list.count; ++i) {
            order.settleTagged(i);
            EXPECT_EQ(list.moves[i], whole.moves[i]) << "round " << round << " position " << i;
            EXPECT_EQ(list.moves[i], atStart.moves[order.tag(i)]) << "round " << round;
        }
    }
}

TEST(HistoryCredit, AddsTheSquareOfTheDepth) {
    auto engine = std::make_unique<Engine>();
    engine->creditHistory(0x3344, 3);
    EXPECT_EQ(engine->historyTable[0x3344], 9);
    engine->creditHistory(0x5566, 2);
    engine->creditHistory(0x5566, 3);
    EXPECT_EQ(engine->historyTable[0x5566], 13);
    engine->creditHistory(0x5566, 1);
    EXPECT_EQ(engine->historyTable[0x5566], 14);
}

TEST(KillerSlots, TheLatestCutOffTakesSlotOneAndPushesTheOtherDown) {
    auto engine = std::make_unique<Engine>();
    engine->recordKiller(5, 0x1111);
    EXPECT_EQ(engine->killer(5, 1), 0x1111);
    EXPECT_EQ(engine->killer(5, 2), 0);
    engine->recordKiller(5, 0x2222);
    EXPECT_EQ(engine->killer(5, 1), 0x2222);
    EXPECT_EQ(engine->killer(5, 2), 0x1111);
    engine->recordKiller(5, 0x3333);
    EXPECT_EQ(engine->killer(5, 1), 0x3333);
    EXPECT_EQ(engine->killer(5, 2), 0x2222);
    // Rows are per ply; the first and the last row of the table are usable.
    engine->recordKiller(1, 0x4444);
    engine->recordKiller(MaxKillerPly, 0x5555);
    EXPECT_EQ(engine->killer(1, 1), 0x4444);
    EXPECT_EQ(engine->killer(MaxKillerPly, 1), 0x5555);
    EXPECT_EQ(engine->killer(4, 1), 0);
    EXPECT_EQ(engine->killer(6, 1), 0);
}

}  // namespace
