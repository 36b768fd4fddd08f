// The computer player: evaluation, the alpha-beta pair, move ordering and the think.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

#include "rules/board.h"
#include "rules/movegen.h"
#include "rules/tables.h"
#include "search/ordering.h"
#include "search/think_line.h"

namespace xq {

template <int Side>
class KingGuard;

// Receives each think line, "\r\n" included. An empty function means there is no panel.
using ThinkPanel = std::function<void(const std::string& line)>;

// A monotonic millisecond clock; only differences of its readings matter.
using MillisecondClock = std::function<std::int64_t()>;

// Scores are seen from Red's side. A node at ply p with no legal move scores MateScore - p
// against the side to move; evaluations stay within +-4080, so beyond +-MateThreshold is a mate.
constexpr int MateScore = 10000;
constexpr int MateThreshold = 9900;

// A node of remaining depth 1 or more reads the killer row of its ply, and the deepest such node
// of an iteration sits at ply depth - 1.
constexpr int MaxRootDepth = MaxKillerPly + 1;

// One engine: its own board, score and ordering tables. Engines share nothing, so several may
// live side by side; one think at a time runs on each. About 260 KB: create it on the heap.
class Engine {
  public:
    Engine();
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    // Time-budgeted think for `side` (1 Red, 0 Black): iterations from startDepth while the time
    // elapsed since the start is below budgetMs, ending early on a mate score. Returns the best
    // move of the last completed iteration, or 0 when stopped or when no iteration completed.
    // The owner clears its panel before the think; the think only appends lines to it.
    Move think(int side, int budgetMs, const Board& gameBoard, const ThinkPanel& panel,
               int startDepth);
    // The same iterations from startDepth to lastDepth, with the same mate stop and no clock.
    Move thinkToDepth(int side, const Board& gameBoard, int startDepth, int lastDepth,
                      const ThinkPanel& panel);

    // May be called from any thread at any time. The running think then ends at its next node,
    // returns 0 and writes no further line; every later think does the same until cleared.
    void requestStop() { stopRequested_.store(true, std::memory_order_release); }
    void clearStopRequest() { stopRequested_.store(false, std::memory_order_release); }
    bool stopRequested() const { return stopRequested_.load(std::memory_order_acquire); }

    // Calls of searchMin and searchMax in the current or last think, leaves included, roots
    // not. Safe to read from another thread while a think runs.
    std::uint64_t nodes() const { return nodeCount_.load(std::memory_order_relaxed); }

    // Replaces the steady clock, for tests that decide when the budget runs out.
    void setClock(MillisecondClock clock);

    // --- The parts of the think, public for tests and tools ---

    // Sets evalScore from searchBoard.
    void evaluateBoard();
    // What the move gains for the mover's own side: the moving piece's change of square value
    // plus the value of the captured piece (0 for none) on the square where it stood.
    static int moveDelta(int moving, int from, int to, int captured) {
        return pieceSquareValues[moving][to] - pieceSquareValues[moving][from] +
               pieceSquareValues[captured][to];
    }

    // The alpha-beta pair: Black (minimising) and Red (maximising) to move on searchBoard. Both
    // take the upper bound first. Fail-soft; they leave searchBoard and evalScore as found.
    int searchMin(int beta, int alpha, int depth, int ply);
    int searchMax(int beta, int alpha, int depth, int ply);

    // The roots: every legal move searched, bestMove set to the first strictly best one. Both
    // return the score from the mover's side.
    int searchRootRed(int depth);
    int searchRootBlack(int depth);

    // Descending history counter, by the exchange procedure (not stable).
    void sortByHistory(MoveList& list) const;
    void creditHistory(Move move, int depth) { addHistoryCredit(historyTable, move, depth); }
    // Slot 1 moves to slot 2 and the move becomes slot 1.
    void recordKiller(int ply, Move move) { pushKiller(killerTable[ply], move); }
    // Slot 1 or 2 of a ply 1..50.
    Move killer(int ply, int slot) const { return killerTable[ply][slot - 1]; }

    Board searchBoard{};
    std::int16_t evalScore = 0;
    HistoryTable historyTable{};
    KillerTable killerTable{};
    Move bestMove = 0;

  private:
    template <int Side>
    int searchNode(int beta, int alpha, int depth, int ply);
    template <int Side>
    int finishFrontier(int cutBound, int best, Move bestHere, int ply,
                       const KingGuard<Side>& safety, const KillerRow& killers, MoveList& list,
                       HistoryOrder& order, int from);
    template <int Side>
    int searchRoot(int depth);
    Move deepen(int side, const Board& gameBoard, int startDepth, int lastDepth,
                const int* budgetMs, const ThinkPanel& panel);

    void countNode() { countNodes(1); }
    void countNodes(int n) {
        nodeCount_.store(nodeCount_.load(std::memory_order_relaxed) + static_cast<unsigned>(n),
                         std::memory_order_relaxed);
    }
    bool stopSeen() const { return stopRequested_.load(std::memory_order_relaxed); }

    std::atomic<bool> stopRequested_{false};
    // Written by the thinking thread only, so a plain load and store is a complete increment.
    std::atomic<std::uint64_t> nodeCount_{0};
    MillisecondClock clock_;
};

}  // namespace xq
