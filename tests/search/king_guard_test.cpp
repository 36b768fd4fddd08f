#include <gtest/gtest.h>

#include <random>

#include "rules/fen.h"
#include "rules/legality.h"
#include "rules/movegen.h"
#include "search/king_guard.h"
#include "tests/search/search_helpers.h"
#include "tests/support/positions.h"
#include "tools/bench_positions.h"

using namespace xq;
using namespace xq::testing;

namespace {

template <int Side>
int countDisagreements(const Board& board, int& tested) {
    // One guard asked with the board after each move, one with the board before it, which it
    // must leave as it found it.
    const KingGuard<Side> guard(board), guardBefore(board);
    MoveList list;
    generateMoves(Side, board, list);
    int wrong = 0;
    Board before = board;
    for (Move m : list) {
        const Board after = afterMove(board, m);
        const bool attacked = isKingAttacked(Side, after);
        ++tested;
        wrong += guard.leavesKingAttacked(after, moveFrom(m), moveTo(m), board[moveFrom(m)],
                                          board[moveTo(m)]) != attacked;
        wrong += guardBefore.moveLeavesKingAttacked(before, moveFrom(m), moveTo(m)) != attacked;
        wrong += before != board;
    }
    return wrong;
}

// Random games from every benchmark position and a few sharp ones: at every position on the way,
// for both sides, every generated move gets the answer of the whole-board test.
TEST(KingGuard, AnswersEveryMoveAsTheWholeBoardTestDoes) {
    std::vector<std::string> starts(benchPositions.begin(), benchPositions.end());
    starts.push_back("4k4/R8/9/9/9/9/9/8R/9/3K5 w");
    starts.push_back("3k5/4a4/4c4/9/9/9/9/4C4/4A4/3K5 w");
    starts.push_back("4k4/9/3n1n3/9/9/9/9/3N1N3/9/4K4 w");
    std::mt19937 random(2024);
    int tested = 0, wrong = 0;
    for (const std::string& text : starts) {
        for (int game = 0; game < 20; ++game) {
            Position pos = fen(text);
            for (int ply = 0; ply < 60; ++ply) {
                wrong += countDisagreements<Red>(pos.board, tested);
                wrong += countDisagreements<Black>(pos.board, tested);
                // Any generated move, legal or not, so positions in check show up too.
                MoveList list;
                generateMoves(pos.sideToMove, pos.board, list);
                if (list.count == 0 || findKing(Red, pos.board) == 0 ||
                    findKing(Black, pos.board) == 0)
                    break;
                pos.board = afterMove(pos.board, list.moves[random() % list.count]);
                pos.sideToMove ^= 1;
            }
        }
    }
    EXPECT_EQ(wrong, 0) << "of " << tested;
    EXPECT_GT(tested, 100000);
}

}  // namespace
