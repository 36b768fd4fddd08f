// Pseudo-legal move generation in the game's fixed order.
#pragma once

#include "rules/board.h"

namespace xq {

// A side has at most 119 moves, so 128 always suffices.
struct MoveList {
    static constexpr int Capacity = 128;
    Move moves[Capacity];
    int count = 0;

    const Move* begin() const { return moves; }
    const Move* end() const { return moves + count; }
    Move* begin() { return moves; }
    Move* end() { return moves + count; }
    int size() const { return count; }
    Move operator[](int i) const { return moves[i]; }
};

// Lists every move the pieces of `side` (1 Red, 0 Black) can make under their movement rules,
// without asking whether the mover's King is left attacked. Squares are visited 52..204; each
// piece adds its targets in the fixed direction order of its kind.
void generateMoves(int side, const Board& board, MoveList& moveList);

}  // namespace xq
