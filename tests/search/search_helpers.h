// Helpers for the engine tests: fresh engines, colour-flipped boards and the position of a move.
#pragma once

#include <memory>

#include "rules/board.h"
#include "search/engine.h"

namespace xq::testing {

inline std::unique_ptr<Engine> engineOn(const Board& board) {
    auto engine = std::make_unique<Engine>();
    engine->searchBoard = board;
    engine->evaluateBoard();
    return engine;
}

// The same position with the colours exchanged and the board given a half-turn.
inline Board flipColours(const Board& board) {
    Board flipped{};
    for (int s = 1; s < 256; ++s) {
        const int p = board[s];
        if (p != 0) flipped[flipSquare(s)] = static_cast<Piece>(isRed(p) ? p + 8 : p - 8);
    }
    return flipped;
}

inline Board afterMove(Board board, Move m) {
    board[moveTo(m)] = board[moveFrom(m)];
    board[moveFrom(m)] = 0;
    return board;
}

}  // namespace xq::testing
