// Move ordering: the history counters, the killer slots and the exchange sort by history.
#pragma once

#include <array>
#include <climits>
#include <cstdint>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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
        // The scan reads whole groups of four; the padding is never greater than any key.
        for (int i = count_; i < count_ + GroupSize; ++i) keys_[i] = INT32_MIN;
        unsettledNonZero_ = nonZero;
    }

    // Runs outer pass i; passes 0..i-1 must have run.
    void settle(int i) { pass<false>(i); }

    void settleAll() {
        for (int i = 0; i + 1 < count_; ++i) settle(i);
    }

    // The counter a position holds now; after pass i, positions 0..i hold their final ones.
    std::int32_t key(int i) const { return keys_[i]; }

    // Tags follow the moves of positions `from` on through the later passes, so that what was
    // worked out for the move at a position can still be found once the sort has moved it.
    // Passes before `from` must have run; the tag of each position starts as the position.
    void startTags(int from) {
        for (int i = from; i < count_; ++i) tags_[i] = static_cast<std::uint8_t>(i);
    }
    // Runs outer pass i like settle, carrying the tags along.
    void settleTagged(int i) { pass<true>(i); }
    int tag(int i) const { return tags_[i]; }

  private:
    template <bool CarryTags>
    void pass(int i) {
        // A pass exchanges only towards a greater key; with every key left 0 none ever would.
        if (unsettledNonZero_ == 0) return;
        // Position i is held in registers while the pass runs and written back once.
        std::int32_t top = keys_[i];
        Move topMove = moves_[i];
        std::uint8_t topTag = CarryTags ? tags_[i] : 0;
        // Each exchange happens at the next key greater than the one held at i.
        for (int j = nextGreater(i + 1, top); j < count_; j = nextGreater(j + 1, top)) {
            const std::int32_t key = keys_[j];
            const Move m = moves_[j];
            keys_[j] = top;
            moves_[j] = topMove;
            top = key;
            topMove = m;
            if constexpr (CarryTags) std::swap(tags_[j], topTag);
        }
        keys_[i] = top;
        moves_[i] = topMove;
        if constexpr (CarryTags) tags_[i] = topTag;
        unsettledNonZero_ -= top != 0;
    }

    static constexpr int GroupSize = 4;

    // The first position from j on whose key is greater than `than`; count_ or more when none.
    int nextGreater(int j, std::int32_t than) const {
#if defined(__SSE2__)
        const __m128i limit = _mm_set1_epi32(than);
        for (; j < count_; j += GroupSize) {
            const __m128i group = _mm_loadu_si128(reinterpret_cast<const __m128i*>(keys_ + j));
            const int mask = _mm_movemask_ps(_mm_castsi128_ps(_mm_cmpgt_epi32(group, limit)));
            if (mask != 0) return j + __builtin_ctz(static_cast<unsigned>(mask));
        }
        return j;
#else
        while (j < count_ && keys_[j] <= than) ++j;
        return j;
#endif
    }

    Move* moves_;
    int count_;
    int unsettledNonZero_;
    std::int32_t keys_[MoveList::Capacity + GroupSize];
    std::uint8_t tags_[MoveList::Capacity];
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
