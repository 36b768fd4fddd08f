// The single-move rule test, the King-attacked test and the game-end tests built on them.
#pragma once

#include "rules/board.h"
#include "rules/tables.h"

namespace xq {

// May the piece on the move's from-square make this move under its own movement rule? Both
// squares must be playing squares. Ignores whose turn it is and whether a King is left attacked.
bool isPseudoLegalMove(Move move, const Board& board);

// Is the King of `side` (non-zero Red, 0 Black) attacked, or missing from its palace? Two Kings
// facing each other on an open column count as an attack.
bool isKingAttacked(int side, const Board& board);

// The square of the King of `side` within its palace, or 0 when it is not there.
int findKing(int side, const Board& board);

// isKingAttacked for a King known to stand on `king`.
bool isKingAttackedAt(int side, const Board& board, int king);

// True when every generated move of `side` leaves its own King attacked (mate or stalemate).
bool hasNoLegalMove(int side, const Board& board);

// True when no Horse, Chariot, Cannon or Pawn is left on the board.
bool isMaterialDraw(const Board& board);

namespace detail {

// By square - king + 256: squares on the King's row or column, where a piece that leaves can
// uncover an attack and a piece that arrives can become a Cannon's screen.
constexpr std::array<std::uint8_t, 512> makeKingLines() {
    std::array<std::uint8_t, 512> t{};
    for (int d = -255; d <= 255; ++d) t[d + 256] = (d >= -8 && d <= 8) || d % 16 == 0;
    return t;
}

// The lines plus the four diagonal neighbours, the legs of Horses that attack the King.
constexpr std::array<std::uint8_t, 512> makeKingExposure() {
    std::array<std::uint8_t, 512> t = makeKingLines();
    for (int d : advisorDeltas) t[d + 256] = 1;
    return t;
}

inline constexpr std::array<std::uint8_t, 512> kingLines = makeKingLines();
inline constexpr std::array<std::uint8_t, 512> kingExposure = makeKingExposure();

}  // namespace detail

// Answers "does this move leave the mover's King attacked?" exactly as isKingAttacked would on
// the board after the move, but skips the full test when the move cannot matter: the King was
// safe before, does not move, and neither the from-square lies on a line or a Horse leg of the
// King nor the to-square on a line of it. Build once per position, ask once per move.
class KingSafety {
  public:
    KingSafety(int side, const Board& before) : side_(side), king_(findKing(side, before)) {
        fullTestAlways_ = king_ == 0 || isKingAttackedAt(side, before, king_);
    }

    // `after` is the board with the move made; `moving` the piece that moved.
    bool leavesKingAttacked(const Board& after, int from, int to, int moving) const {
        if ((moving & 7) == King) return isKingAttackedAt(side_, after, to);
        if (king_ == 0) return isKingAttacked(side_, after);
        if (fullTestAlways_ || detail::kingExposure[from - king_ + 256] ||
            detail::kingLines[to - king_ + 256])
            return isKingAttackedAt(side_, after, king_);
        return false;
    }

  private:
    int side_;
    int king_;
    bool fullTestAlways_;
};

}  // namespace xq
