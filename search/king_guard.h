// Does a move leave the mover's own King attacked? The same answer as isKingAttacked on the
// board after the move, with the full test kept for the moves that can matter.
#pragma once

#include <array>
#include <cstdint>

#include "rules/board.h"
#include "rules/legality.h"
#include "rules/tables.h"

namespace xq {

namespace detail {

// By square - king + 256: which of the King's four lines holds the square (1 up, 2 down,
// 3 left, 4 right), 0 for none. Only playing squares are ever looked up, and those within 8 of
// the King on either side lie in its row.
constexpr std::array<std::uint8_t, 512> makeKingRays() {
    std::array<std::uint8_t, 512> t{};
    for (int d = -255; d <= 255; ++d) {
        if (d == 0) continue;
        if (d % 16 == 0) t[d + 256] = d < 0 ? 1 : 2;
        if (d >= -8 && d <= 8) t[d + 256] = d < 0 ? 3 : 4;
    }
    return t;
}

// By square - king + 256: 1 + the index of the King's diagonal neighbour, the leg through which a
// Horse attacks it; 0 for any other square.
constexpr std::array<std::uint8_t, 512> makeKingLegs() {
    std::array<std::uint8_t, 512> t{};
    for (int j = 0; j < 4; ++j) t[advisorDeltas[j] + 256] = static_cast<std::uint8_t>(j + 1);
    return t;
}

inline constexpr std::array<std::uint8_t, 512> kingRays = makeKingRays();
inline constexpr std::array<std::uint8_t, 512> kingLegs = makeKingLegs();
inline constexpr std::array<std::int16_t, 5> rayStep{0, -16, 16, -1, 1};

}  // namespace detail

// Built once per position for the side to move. When the King stands safe, a move of another
// piece changes only its two squares, and the enemy pieces stay where they are (or one is
// taken). A line attack can then appear only along a King's line that holds an enemy Chariot,
// Cannon or King and that the move leaves or enters; a Horse attack only when the move frees
// the leg of a Horse that stands ready. Pawn attacks never change. Every other move is safe
// without a look at the board.
template <int Side>
class KingGuard {
  public:
    explicit KingGuard(const Board& before) : king_(findKing(Side, before)) {
        kingSafe_ = king_ != 0 && !isKingAttackedAt(Side, before, king_);
    }

    // `after` is the board with the move made from the guard's position; `moving` the piece that
    // moved and `captured` what stood on the to-square (0 for nothing).
    bool leavesKingAttacked(const Board& after, int from, int to, int moving, int captured) const {
        if ((moving & 7) == King) return isKingAttackedAt(Side, after, to);
        if (!kingSafe_) return king_ == 0 || isKingAttackedAt(Side, after, king_);
        if (mayExpose(after, from, to, captured)) return isKingAttackedAt(Side, after, king_);
        return false;
    }

    // The same answer asked on `board` as it stands before the move; the move is made on it (and
    // taken back) only when the full test is needed.
    bool moveLeavesKingAttacked(Board& board, int from, int to) const {
        const Piece moving = board[from];
        const Piece captured = board[to];
        // Read through the board before the move, the guard's position is the board itself.
        if ((moving & 7) != King && kingSafe_ && !mayExpose(board, from, to, board[to]))
            return false;
        board[from] = 0;
        board[to] = moving;
        const bool attacked = leavesKingAttacked(board, from, to, moving, captured);
        board[from] = moving;
        board[to] = captured;
        return attacked;
    }

  private:
    static constexpr int Enemy = Side == Red ? BlackFlag : RedFlag;
    static constexpr std::uint8_t Unknown = 2;

    // The guard's position is read through the board after a move: only the to-square differs
    // in what matters here (the from-square held the mover's own piece and is now empty).
    static int pieceBefore(const Board& after, int to, int captured, int s) {
        return s == to ? captured : after[s];
    }

    bool mayExpose(const Board& after, int from, int to, int captured) const {
        const int f = from - king_ + 256, t = to - king_ + 256;
        return rayExposed(after, to, captured, detail::kingRays[f]) ||
               rayExposed(after, to, captured, detail::kingRays[t]) ||
               legExposed(after, to, captured, detail::kingLegs[f]);
    }

    // Does the King's line r hold an enemy Chariot, Cannon or King? Looked at once, when a move
    // first touches the line; most nodes end after a few moves and never look at all four.
    bool rayExposed(const Board& after, int to, int captured, int r) const {
        if (exposed_[r] == Unknown) {
            exposed_[r] = 0;
            const int step = detail::rayStep[r];
            for (int s = king_ + step; inBoard[s]; s += step) {
                const int p = pieceBefore(after, to, captured, s);
                if (p == (Enemy | Chariot) || p == (Enemy | Cannon) || p == (Enemy | King)) {
                    exposed_[r] = 1;
                    break;
                }
            }
        }
        return exposed_[r] != 0;
    }

    // Does an enemy Horse wait behind the King's leg j (1..4)?
    bool legExposed(const Board& after, int to, int captured, int j) const {
        if (j == 0) return false;
        if (exposed_[4 + j] == Unknown) {
            const int a = king_ + horseCheckDeltas[j - 1][0],
                      b = king_ + horseCheckDeltas[j - 1][1];
            exposed_[4 + j] = pieceBefore(after, to, captured, a) == (Enemy | Horse) ||
                              pieceBefore(after, to, captured, b) == (Enemy | Horse);
        }
        return exposed_[4 + j] != 0;
    }

    int king_;
    bool kingSafe_;
    // Lines 1..4, then legs 1..4 at 5..8. Index 0 stands for "on no line" and stays 0.
    mutable std::uint8_t exposed_[9] = {0,       Unknown, Unknown, Unknown, Unknown,
                                        Unknown, Unknown, Unknown, Unknown};
};

}  // namespace xq
