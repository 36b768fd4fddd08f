// Reading and writing positions in Xiangqi FEN, for tests and tools.
#pragma once

#include <string>
#include <string_view>

#include "rules/board.h"

namespace xq {

struct Position {
    Board board{};
    int sideToMove = Red;
};

struct FenResult {
    bool ok = false;
    Position position;
    std::string error;  // one line naming the fault when !ok
};

// Ranks from Black's back row (row 3) down to Red's (row 12), files left to right as Red sees
// the board; K A B N R C P (also E and H), upper case Red; digits for empty runs; then w or b.
// Trailing fields are ignored. "startpos" is the full layout with Red to move.
FenResult parseFen(std::string_view text);

std::string toFen(const Position& position);

}  // namespace xq
