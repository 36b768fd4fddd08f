// The roots and iterative deepening: one root per side, deepened until the budget is spent, a
// mate shows up, or the deepest iteration the killer table can serve is done.
#include <algorithm>
#include <cassert>
#include <chrono>

#include "rules/legality.h"
#include "search/engine.h"
#include "search/king_guard.h"

namespace xq {

namespace {

std::int64_t steadyMilliseconds() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

}  // namespace

Engine::Engine() : clock_(steadyMilliseconds) {}

void Engine::setClock(MillisecondClock clock) {
    clock_ = clock ? std::move(clock) : MillisecondClock(steadyMilliseconds);
}

template <int Side>
int Engine::searchRoot(int depth) {
    assert(depth >= 1 && depth <= MaxRootDepth);
    MoveList list;
    generateMoves(Side, searchBoard, list);
    sortByHistory(list);
    const KingGuard<Side> safety(searchBoard);

    int best = Side == Red ? -MateScore : MateScore;
    for (const Move m : list) {
        const int from = moveFrom(m), to = moveTo(m);
        const Piece moving = searchBoard[from];
        const Piece captured = searchBoard[to];
        searchBoard[from] = 0;
        searchBoard[to] = moving;
        if (!safety.leavesKingAttacked(searchBoard, from, to, moving, captured)) {
            const int delta = moveDelta(moving, from, to, captured);
            const std::int16_t before = evalScore;
            // The child gets the best so far as its bound and the other bound wide open, so a
            // reply that cannot beat it returns early; the root itself never cuts off.
            int score;
            if constexpr (Side == Red) {
                evalScore = static_cast<std::int16_t>(before + delta);
                score = searchMin(MateScore, best, depth - 1, 1);
            } else {
                evalScore = static_cast<std::int16_t>(before - delta);
                score = searchMax(best, -MateScore, depth - 1, 1);
            }
            evalScore = before;
            // Strictly better only: among equal scores the earlier move in the list stays.
            if (Side == Red ? score > best : score < best) {
                best = score;
                bestMove = m;
            }
        }
        searchBoard[from] = moving;
        searchBoard[to] = captured;
        if (stopSeen()) break;
    }
    if (bestMove != 0) creditHistory(bestMove, depth);
    return Side == Red ? best : -best;
}

int Engine::searchRootRed(int depth) {
    return searchRoot<Red>(depth);
}

int Engine::searchRootBlack(int depth) {
    return searchRoot<Black>(depth);
}

Move Engine::deepen(int side, const Board& gameBoard, int startDepth, int lastDepth,
                    const int* budgetMs, const ThinkPanel& panel) {
    bestMove = 0;
    searchBoard = gameBoard;
    evaluateBoard();
    historyTable.fill(0);
    killerTable.fill({});
    nodeCount_.store(0, std::memory_order_relaxed);

    // A root depth of 0 would never reach a leaf: the first iteration is at least depth 1.
    lastDepth = std::min(lastDepth, MaxRootDepth);
    // Without a budget the clock still times the lines.
    const std::int64_t start = clock_();
    const int firstDepth = std::max(startDepth, 1);
    for (int depth = firstDepth; depth <= lastDepth; ++depth) {
        // A positive budget always buys the start depth: only a thread held up between the two
        // readings of the clock could find it spent already, and would leave the game without
        // a move.
        const bool guaranteed = depth == firstDepth && budgetMs && *budgetMs > 0;
        if (budgetMs && !guaranteed && clock_() - start >= *budgetMs) break;
        if (stopSeen()) return 0;
        const int score = side ? searchRootRed(depth) : searchRootBlack(depth);
        // The stop is read once more before a line is written, so none follows it.
        if (stopRequested()) return 0;
        if (panel) {
            panel(formatThinkLine(depth, score, static_cast<long>(clock_() - start)));
        }
        if (score > MateThreshold || score < -MateThreshold) break;
    }
    return stopRequested() ? 0 : bestMove;
}

Move Engine::think(int side, int budgetMs, const Board& gameBoard, const ThinkPanel& panel,
                   int startDepth) {
    return deepen(side, gameBoard, startDepth, MaxRootDepth, &budgetMs, panel);
}

Move Engine::thinkToDepth(int side, const Board& gameBoard, int startDepth, int lastDepth,
                          const ThinkPanel& panel) {
    return deepen(side, gameBoard, startDepth, lastDepth, nullptr, panel);
}

}  // namespace xq
