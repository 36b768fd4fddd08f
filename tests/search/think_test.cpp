#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "rules/fen.h"
#include "rules/legality.h"
#include "rules/start_layouts.h"
#include "search/engine.h"
#include "tests/search/search_helpers.h"
#include "tests/support/positions.h"

using namespace xq;
using namespace xq::testing;

namespace {

// Red to move mates in one: several Chariot moves leave Black without a legal move.
const Board redMatesInOne = fen("4k4/R8/9/9/9/9/9/8R/9/3K5 w").board;

struct Recorded {
    std::vector<std::string> lines;
    ThinkPanel panel() {
        return [this](const std::string& line) { lines.push_back(line); };
    }
};

TEST(ThinkLine, FieldsAreRightAlignedAndNeverCut) {
    struct Case {
        const char* name;
        int depth, score;
        long elapsed;
        const char* expected;
    };
    const Case cases[] = {
        {"the usual widths", 4, -35, 1203, " 4   -35   1203\r\n"},
        {"depth 9 takes a leading blank", 9, 0, 0, " 9     0      0\r\n"},
        {"depth 10 fills its field", 10, 12, 5, "10    12      5\r\n"},
        {"a score of -9999 fills its field", 3, -9999, 40, " 3 -9999     40\r\n"},
        {"a six-character score is written in full", 1, -10000, 0, " 1 -10000      0\r\n"},
        {"a seven-digit time lengthens the line", 12, 9999, 1234567, "12  9999 1234567\r\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(formatThinkLine(c.depth, c.score, c.elapsed), c.expected) << c.name;
}

TEST(Think, AMateFoundAtTheStartDepthEndsTheThinkAfterOneLine) {
    auto engine = std::make_unique<Engine>();
    engine->setClock([] { return std::int64_t{0}; });
    Recorded panel;
    const Move m = engine->think(Red, 100000, redMatesInOne, panel.panel(), 2);
    ASSERT_EQ(panel.lines.size(), 1u);
    EXPECT_EQ(panel.lines[0], " 2  9999      0\r\n");
    ASSERT_NE(m, 0);
    EXPECT_TRUE(hasNoLegalMove(Black, afterMove(redMatesInOne, m)));
}

// Scores on the panel are the thinking side's: good for the side that thinks is positive.
TEST(Think, TheScoreIsSeenFromTheThinkingSide) {
    struct Case {
        const char* name;
        Board board;
        int side;
        int depth;
        int expectedSign;
        int expectedScore;  // checked when not 0
    };
    const Case cases[] = {
        {"Red mates", redMatesInOne, Red, 2, 1, MateScore - 1},
        {"Black mates", flipColours(redMatesInOne), Black, 2, 1, MateScore - 1},
        {"Black two Horses up", startLessTwoHorses, Black, 3, 1, 0},
        {"Red two Horses down", startLessTwoHorses, Red, 3, -1, 0},
        {"Red two Horses up", flipColours(startLessTwoHorses), Red, 3, 1, 0},
        {"Black two Horses down", flipColours(startLessTwoHorses), Black, 3, -1, 0},
    };
    for (const Case& c : cases) {
        auto engine = std::make_unique<Engine>();
        Recorded panel;
        engine->thinkToDepth(c.side, c.board, c.depth, c.depth, panel.panel());
        ASSERT_EQ(panel.lines.size(), 1u) << c.name;
        const int score = std::stoi(panel.lines[0].substr(2, 6));
        EXPECT_EQ(score > 0 ? 1 : -1, c.expectedSign) << c.name << ": " << score;
        if (c.expectedScore != 0) {
            EXPECT_EQ(score, c.expectedScore) << c.name;
        }
    }
}

// At depth 1 from the full layout each Cannon can take the Horse in front of it, and the two
// captures score alike; the one generated first (the lower from-square) is kept.
TEST(Think, OfEquallyScoredRootMovesTheEarlierIsChosen) {
    struct Case {
        const char* name;
        int side;
        Move earlier, later;
    };
    const Case cases[] = {
        {"Red", Red, makeMove(165, 53), makeMove(171, 59)},
        {"Black", Black, makeMove(85, 197), makeMove(91, 203)},
    };
    for (const Case& c : cases) {
        const auto delta = [](Move m) {
            return Engine::moveDelta(startFull[moveFrom(m)], moveFrom(m), moveTo(m),
                                     startFull[moveTo(m)]);
        };
        ASSERT_EQ(delta(c.earlier), delta(c.later)) << c.name;
        auto engine = std::make_unique<Engine>();
        EXPECT_EQ(engine->thinkToDepth(c.side, startFull, 1, 1, {}), c.earlier) << c.name;
    }
}

// A thread held up between the start of the think and its first iteration must not leave the
// game without a move: with a positive budget the start depth is always searched.
TEST(Think, TheStartDepthRunsEvenWhenTheBudgetIsSpentBeforeItBegins) {
    auto engine = std::make_unique<Engine>();
    std::int64_t now = 0;
    engine->setClock([&now] { return now += 60000; });  // a minute between any two readings
    std::vector<std::string> lines;
    const Move m = engine->think(
        Red, 2500, startFull, [&](const std::string& l) { lines.push_back(l); }, 3);
    EXPECT_NE(m, 0);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].substr(0, 2), " 3");
}

// The clock is read before each iteration; the panel moves it on after each line.
TEST(Think, AnIterationStartsOnlyWhileTheElapsedTimeIsBelowTheBudget) {
    struct Case {
        const char* name;
        int budgetMs;
        std::vector<std::int64_t> elapsedAfterLine;
        std::vector<std::string> expectedLines;
    };
    const Case cases[] = {
        {"time left starts another iteration, none at the budget",
         100,
         {99, 100},
         {" 1    89      0\r\n", " 2   -23     99\r\n"}},
        {"elapsed equal to the budget ends the think", 100, {100}, {" 1    89      0\r\n"}},
        {"the start depth runs even on the smallest budget", 1, {5000}, {" 1    89      0\r\n"}},
        {"a budget of 0 runs nothing", 0, {}, {}},
        {"a negative budget runs nothing", -5, {}, {}},
    };
    for (const Case& c : cases) {
        auto engine = std::make_unique<Engine>();
        const std::int64_t start = 7'000'000'000;  // only differences count
        std::int64_t now = start;
        engine->setClock([&now] { return now; });
        std::vector<std::string> lines;
        const Move m = engine->think(
            Red, c.budgetMs, startFull,
            [&](const std::string& line) {
                lines.push_back(line);
                now = start + c.elapsedAfterLine.at(lines.size() - 1);
            },
            1);
        EXPECT_EQ(lines, c.expectedLines) << c.name;
        EXPECT_EQ(m == 0, c.expectedLines.empty()) << c.name;
    }
}

TEST(Think, AThinkEndsWithTheGameBoardAndItsScoreInTheEngine) {
    const Board board = fen("rnbaka1nr/9/8b/p1p5p/3cp1pP1/2P6/P3P1Pc1/4B2CN/9/RNBAKA2R b").board;
    auto engine = std::make_unique<Engine>();
    engine->thinkToDepth(Black, board, 1, 4, {});
    EXPECT_TRUE(engine->searchBoard == board);
    EXPECT_EQ(engine->evalScore, engineOn(board)->evalScore);
}

TEST(Think, ANewThinkStartsFromClearedTables) {
    auto engine = std::make_unique<Engine>();
    engine->thinkToDepth(Red, startFull, 1, 4, {});
    ASSERT_NE(engine->historyTable[engine->bestMove], 0);
    ASSERT_NE(engine->killer(1, 1), 0);
    EXPECT_EQ(engine->think(Red, 0, startFull, {}, 3), 0);
    for (std::int32_t counter : engine->historyTable) ASSERT_EQ(counter, 0);
    for (int ply = 1; ply <= MaxKillerPly; ++ply)
        for (int slot : {1, 2}) ASSERT_EQ(engine->killer(ply, slot), 0);
    EXPECT_EQ(engine->nodes(), 0u);
}

// The killer table serves plies up to 50, so depth 51 is the deepest iteration ever started.
// Red without a legal move makes any depth cheap: the root finds nothing and scores -10000.
TEST(Think, NoIterationDeeperThanTheKillerTableAllowsIsStarted) {
    const Board redHasNoMove = flipColours(afterMove(redMatesInOne, makeMove(68, 73)));
    auto engine = std::make_unique<Engine>();
    Recorded deepest, beyond, timed;
    EXPECT_EQ(engine->thinkToDepth(Red, redHasNoMove, MaxRootDepth, MaxRootDepth, deepest.panel()),
              0);
    ASSERT_EQ(deepest.lines.size(), 1u);
    EXPECT_EQ(deepest.lines[0].substr(0, 9), "51 -10000");
    engine->thinkToDepth(Red, redHasNoMove, MaxRootDepth + 1, MaxRootDepth + 5, beyond.panel());
    engine->think(Red, 100000, redHasNoMove, timed.panel(), MaxRootDepth + 1);
    EXPECT_TRUE(beyond.lines.empty());
    EXPECT_TRUE(timed.lines.empty());
}

// A root depth of 0 would never reach a leaf, so a start depth below 1 begins at 1.
TEST(Think, AStartDepthBelowOneBeginsAtOne) {
    auto engine = std::make_unique<Engine>();
    Recorded panel;
    engine->thinkToDepth(Red, redMatesInOne, 0, 2, panel.panel());
    ASSERT_EQ(panel.lines.size(), 2u);
    EXPECT_EQ(panel.lines[0].substr(0, 2), " 1");
}

TEST(StopRequest, AStopRaisedBeforeTheThinkRunsNothingUntilCleared) {
    auto engine = std::make_unique<Engine>();
    engine->requestStop();
    Recorded stopped, resumed;
    EXPECT_EQ(engine->thinkToDepth(Red, startFull, 1, 3, stopped.panel()), 0);
    EXPECT_EQ(engine->think(Red, 100000, startFull, stopped.panel(), 1), 0);
    EXPECT_TRUE(stopped.lines.empty());
    engine->clearStopRequest();
    EXPECT_EQ(engine->thinkToDepth(Red, startFull, 1, 3, resumed.panel()), makeMove(165, 53));
    EXPECT_EQ(resumed.lines.size(), 3u);
}

// The think is left running towards depth 51 from the full layout; the stop comes from another
// thread once depth 7 is on the panel, while depth 8 (several times the work of all before it)
// is being searched.
TEST(StopRequest, AStopFromAnotherThreadEndsADeepThinkWithNoMoveAndNoFurtherLine) {
    constexpr std::size_t linesBeforeStop = 7;
    auto engine = std::make_unique<Engine>();
    std::mutex mutex;
    std::condition_variable lineWritten;
    std::vector<std::string> lines;
    const ThinkPanel panel = [&](const std::string& line) {
        std::lock_guard lock(mutex);
        lines.push_back(line);
        lineWritten.notify_all();
    };
    Move result = -1;
    std::thread worker(
        [&] { result = engine->thinkToDepth(Red, startFull, 1, MaxRootDepth, panel); });
    {
        std::unique_lock lock(mutex);
        lineWritten.wait(lock, [&] { return lines.size() >= linesBeforeStop; });
    }
    engine->requestStop();
    worker.join();
    EXPECT_EQ(result, 0);
    EXPECT_EQ(lines.size(), linesBeforeStop);
    EXPECT_GT(engine->nodes(), 0u);
}

}  // namespace
