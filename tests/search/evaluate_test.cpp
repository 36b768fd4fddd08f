#include <gtest/gtest.h>

#include "rules/fen.h"
#include "rules/legality.h"
#include "rules/movegen.h"
#include "rules/start_layouts.h"
#include "search/engine.h"
#include "tests/search/search_helpers.h"
#include "tests/support/positions.h"
#include "tools/bench_positions.h"

using namespace xq;
using namespace xq::testing;

namespace {

int evaluate(const Board& board) {
    return engineOn(board)->evalScore;
}

struct LayoutCase {
    const char* name;
    Board board;
    int expected;
};

TEST(Evaluation, StartLayoutsScoreTheMaterialRedGaveAway) {
    Board withoutLeftHorse = startFull;
    withoutLeftHorse[squareAt(12, 5)] = 0;
    Board withoutRightHorse = startFull;
    withoutRightHorse[squareAt(12, 11)] = 0;
    const LayoutCase cases[] = {
        {"full layout is balanced", startFull, 0},
        {"without the left Horse", withoutLeftHorse, -85},
        {"without the right Horse", withoutRightHorse, -85},
        {"handicap layout of one Horse", startLessOneHorse, -85},
        {"handicap layout of two Horses", startLessTwoHorses, -170},
        {"empty board", Board{}, 0},
    };
    for (const LayoutCase& c : cases) EXPECT_EQ(evaluate(c.board), c.expected) << c.name;
}

TEST(Evaluation, EachSideOfTheFullLayoutIsWorth888) {
    Board redOnly{}, blackOnly{};
    for (int s = 0; s < 256; ++s) (isRed(startFull[s]) ? redOnly : blackOnly)[s] = startFull[s];
    EXPECT_EQ(evaluate(redOnly), 888);
    EXPECT_EQ(evaluate(blackOnly), -888);
}

TEST(Evaluation, ExchangingTheColoursNegatesTheScore) {
    for (std::string_view text : benchPositions) {
        const Board board = fen(std::string(text)).board;
        const int score = evaluate(board);
        EXPECT_EQ(evaluate(flipColours(board)), -score) << text;
    }
}

// Every legal move of every benchmark position, for both sides: the full score after the move
// differs from the score before by the move's delta, added for Red and taken away for Black.
TEST(Evaluation, MoveDeltaIsTheChangeOfTheFullScore) {
    int captures = 0;
    for (std::string_view text : benchPositions) {
        const Board board = fen(std::string(text)).board;
        const int before = evaluate(board);
        for (int side : {Red, Black}) {
            MoveList list;
            generateMoves(side, board, list);
            for (Move m : list) {
                const Board after = afterMove(board, m);
                if (isKingAttacked(side, after)) continue;
                const int moving = board[moveFrom(m)], captured = board[moveTo(m)];
                captures += captured != 0;
                const int delta = Engine::moveDelta(moving, moveFrom(m), moveTo(m), captured);
                EXPECT_EQ(evaluate(after) - before, side == Red ? delta : -delta)
                    << text << " move " << m;
            }
        }
    }
    EXPECT_GT(captures, 20);  // the positions do exercise captures
}

TEST(Evaluation, CaptureDeltaValuesTheCapturedPieceWhereItStood) {
    // A Red Chariot on row 8 column 4 takes a Black Horse on row 5 column 4.
    const int from = squareAt(8, 4), to = squareAt(5, 4);
    EXPECT_EQ(Engine::moveDelta(RedChariot, from, to, BlackHorse),
              pieceSquareValues[RedChariot][to] - pieceSquareValues[RedChariot][from] +
                  pieceSquareValues[BlackHorse][to]);
    EXPECT_EQ(Engine::moveDelta(RedChariot, from, to, 0),
              pieceSquareValues[RedChariot][to] - pieceSquareValues[RedChariot][from]);
}

}  // namespace
