#include <gtest/gtest.h>

#include "rules/fen.h"
#include "rules/start_layouts.h"
#include "search/engine.h"
#include "tests/search/search_helpers.h"
#include "tests/support/positions.h"
#include "tools/bench_positions.h"

using namespace xq;
using namespace xq::testing;

namespace {

// Black to move and without a legal move: Red's Chariot on 73 holds row 4 and column 9, and the
// Red King on column 7 shuts the last square.
const Board blackHasNoMove = fen("4k4/R8/9/9/9/9/9/8R/9/3K5 w").board;
Board blackStalemated() {
    return afterMove(blackHasNoMove, makeMove(68, 73));
}

// The left Cannon takes the Horse; its mirror on the right scores the same.
constexpr Move cannonTakesLeftHorse = makeMove(165, 53);
// The first move Red generates in the full layout: the leftmost Pawn steps forward.
constexpr Move firstRedMove = makeMove(148, 132);

bool tablesUntouched(const Engine& engine) {
    for (std::int32_t counter : engine.historyTable)
        if (counter != 0) return false;
    return true;
}

TEST(AlphaBeta, ALeafReturnsTheRunningScoreEvenWhenItsSideIsMated) {
    auto engine = engineOn(blackStalemated());
    engine->evalScore = 123;
    EXPECT_EQ(engine->searchMin(MateScore, -MateScore, 0, 3), 123);
    EXPECT_EQ(engine->searchMax(MateScore, -MateScore, 0, 3), 123);
    EXPECT_EQ(engine->nodes(), 2u);
}

TEST(AlphaBeta, ASideWithoutALegalMoveLosesByTheMateValueOfItsPly) {
    struct Case {
        const char* name;
        Board board;
        int side;
        int depth;
        int ply;
        int expected;
    };
    const Case cases[] = {
        {"Black at ply 3", blackStalemated(), Black, 1, 3, MateScore - 3},
        {"Black at ply 1, deeper", blackStalemated(), Black, 4, 1, MateScore - 1},
        {"Red at ply 2", flipColours(blackStalemated()), Red, 1, 2, 2 - MateScore},
    };
    for (const Case& c : cases) {
        auto engine = engineOn(c.board);
        const int score = c.side == Red ? engine->searchMax(MateScore, -MateScore, c.depth, c.ply)
                                        : engine->searchMin(MateScore, -MateScore, c.depth, c.ply);
        EXPECT_EQ(score, c.expected) << c.name;
        EXPECT_EQ(engine->nodes(), 1u) << c.name;
    }
}

// A killer that is empty, belongs to the other side, starts on an empty square or breaks its
// piece's movement rule changes nothing: same score, same nodes, same history as no killer.
TEST(AlphaBeta, KillersThatCannotBePlayedHereAreSkippedWithoutEffect) {
    struct Case {
        const char* name;
        Move slot1, slot2;
    };
    const Case cases[] = {
        {"both slots empty", 0, 0},
        {"a Black move in a Red node", makeMove(85, 101), 0},
        {"a move from an empty square", makeMove(120, 104), 0},
        {"a Chariot moving diagonally", makeMove(204, 187), 0},
        {"a Horse through its blocked leg", makeMove(197, 183), makeMove(85, 101)},
    };
    auto baseline = engineOn(startFull);
    const int expectedScore = baseline->searchMax(MateScore, -MateScore, 3, 1);
    for (const Case& c : cases) {
        auto engine = engineOn(startFull);
        engine->killerTable[1] = {c.slot1, c.slot2};
        EXPECT_EQ(engine->searchMax(MateScore, -MateScore, 3, 1), expectedScore) << c.name;
        EXPECT_EQ(engine->nodes(), baseline->nodes()) << c.name;
        EXPECT_TRUE(engine->historyTable == baseline->historyTable) << c.name;
    }
}

TEST(AlphaBeta, AKillerThatCutsOffLeavesHistoryAndKillersAlone) {
    auto engine = engineOn(startFull);
    engine->killerTable[1] = {cannonTakesLeftHorse, firstRedMove};
    const int expected = engine->evalScore + Engine::moveDelta(RedCannon, 165, 53, BlackHorse);
    // Any score reaches beta = -5000, so the first killer ends the node.
    EXPECT_EQ(engine->searchMax(-5000, -MateScore, 1, 1), expected);
    EXPECT_EQ(engine->nodes(), 2u);
    EXPECT_TRUE(tablesUntouched(*engine));
    EXPECT_EQ(engine->killer(1, 1), cannonTakesLeftHorse);
    EXPECT_EQ(engine->killer(1, 2), firstRedMove);
}

TEST(AlphaBeta, AGeneratedCutOffAtDepthThreeCreditsNineAndBecomesSlotOne) {
    auto engine = engineOn(startFull);
    const Move blackMove = makeMove(85, 101);
    engine->killerTable[2] = {blackMove, 0};
    const int score = engine->searchMax(-5000, -MateScore, 3, 2);
    EXPECT_GE(score, -5000);
    // Once the Pawn has left its square no deeper node can play the same move word.
    EXPECT_EQ(engine->historyTable[firstRedMove], 9);
    EXPECT_EQ(engine->killer(2, 1), firstRedMove);
    EXPECT_EQ(engine->killer(2, 2), blackMove);
}

// With open bounds nothing cuts off. When the killer is the best move, no generated move
// improves on it and nothing is credited; without it, the same move is generated and credited.
// Either way each move is searched once.
TEST(AlphaBeta, OnlyAGeneratedMoveThatImprovesTheScoreIsCredited) {
    auto withKiller = engineOn(startFull);
    withKiller->killerTable[1] = {cannonTakesLeftHorse, 0};
    auto without = engineOn(startFull);
    const int a = withKiller->searchMax(MateScore, -MateScore, 1, 1);
    const int b = without->searchMax(MateScore, -MateScore, 1, 1);
    EXPECT_EQ(a, b);
    EXPECT_TRUE(tablesUntouched(*withKiller));
    EXPECT_EQ(without->historyTable[cannonTakesLeftHorse], 1);
    EXPECT_EQ(withKiller->nodes(), 1u + 44u);
    EXPECT_EQ(without->nodes(), 1u + 44u);
}

TEST(AlphaBeta, EverySearchLeavesTheBoardAndTheScoreAsItFoundThem) {
    for (std::string_view text : benchPositions) {
        const Position pos = fen(std::string(text));
        auto engine = engineOn(pos.board);
        const std::int16_t score = engine->evalScore;
        for (int depth = 1; depth <= 3; ++depth) {
            if (pos.sideToMove == Red)
                engine->searchMax(MateScore, -MateScore, depth, 1);
            else
                engine->searchMin(MateScore, -MateScore, depth, 1);
            EXPECT_TRUE(engine->searchBoard == pos.board) << text;
            EXPECT_EQ(engine->evalScore, score) << text;
        }
    }
}

}  // namespace
