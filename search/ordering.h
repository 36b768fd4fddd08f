// Move ordering: the history counters, the killer slots and the exchange sort by history.
#pragma once

#include <array>
#include <cstdint>

#include "rules/board.h"
#include "rules/movegen.h"

namespace xq {

// One counter per move word (from + 256 * to); a Red and a Black move between the same two
// squares share it. Counters start a think at 0 and only grow.
using HistoryTable = std::array<std::int32_t, 65536>;

// Killer slots by ply. Row 0 is never used, so killerTable[ply] reads as the game's ply 1..50.
// Index 0 of a row is slot 1 (the latest cut-off at that ply), index 1 is slot 2 (the one before).
constexpr int MaxKillerPly = 50;
using KillerRow = std::array<Move, 2>;
using KillerTable = std::array<KillerRow, MaxKillerPly + 1>;

// The exchange sort by descending history counter, run one outer pass at a time.
//
// Outer pass i compares position i with every later position and exchanges the two whenever the
// later counter is strictly greater. It only touches positions i and beyond, and it leaves
// position i final, so running pass i just before position i is read yields exactly the order of
// the whole sort, while a node that cuts off early never pays for the passes it does not read.
// The counters are read once, up front: the node's children credit moves while the node is still
// walking its list, and the order must be the one the counters gave when the list was sorted.
class HistoryOrder {
  public:
    HistoryOrder(const HistoryTable& history, MoveList& list)
        : moves_(list.moves), count_(list.count) {
        int nonZero = 0;
        for (int i = 0; i < count_; ++i) {
            keys_[i] = history[static_cast<std::uint32_t>(moves_[i])];
            nonZero += keys_[i] != 0;
        }
        unsettledNonZero_ = nonZero;
    }

    // Runs outer pass i; passes 0..i-1 must have run.
    void settle(int i) {
        // A pass exchanges only towards a greater key; with every key left 0 none ever would.
        if (unsettledNonZero_ == 0) return;
        std::int32_t top = keys_[i];
        for (int j = i + 1; j < count_; ++j) {
            if (top < keys_[j]) {
                keys_[i] = keys_[j];
                keys_[j] = top;
                top = keys_[i];
                const Move m = moves_[i];
                moves_[i] = moves_[j];
                moves_[j] = m;
            }
        }
        unsettledNonZero_ -= top != 0;
    }

    void settleAll() {
        for (int i = 0; i + 1 < count_; ++i) settle(i);
    }

  private:
    Move* moves_;
    int count_;
    int unsettledNonZero_;
    std::int32_t keys_[MoveList::Capacity];
};

// Adds depth * depth. The sum wraps like a 32-bit two's complement counter instead of
// overflowing, which no think of a playable length comes near anyway.
inline void addHistoryCredit(HistoryTable& history, Move move, int depth) {
    std::int32_t& counter = history[static_cast<std::uint32_t>(move)];
    counter = static_cast<std::int32_t>(static_cast<std::uint32_t>(counter) +
                                        static_cast<std::uint32_t>(depth * depth));
}

inline void pushKiller(KillerRow& row, Move move) {
    row[1] = row[0];
    row[0] = move;
}

}  // namespace xq
