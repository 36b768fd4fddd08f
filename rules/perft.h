// Counting the leaves of the legal move tree, to check the move generator.
#pragma once

#include <cstdint>
#include <vector>

#include "rules/board.h"

namespace xq {

// Leaves at `depth` plies: every generated move is made and kept when the mover's King is not
// attacked after it. The board is restored before returning.
std::uint64_t perft(Board& board, int side, int depth);

struct DivideEntry {
    Move move;
    std::uint64_t count;
};

// perft split by legal root move, in generation order.
std::vector<DivideEntry> divide(Board& board, int side, int depth);

}  // namespace xq
