// The game-wide state: one instance for the whole run, owned by the application and not by a
// main window, because "重开" replaces the window while the state keeps its values until the next
// new game. The window thread owns it; a computer think reads it only through its own copy.
#pragma once

#include <QString>

#include <array>
#include <vector>

#include "rules/board.h"

namespace xq {

// One piece sprite on the board: its handle and the display square it stands on or is heading
// to (the square itself, or its half-turn while the view is turned round).
struct SpriteEntry {
    int sprite = 0;
    Square square = 0;
};

struct GameState {
    Board gameBoard{};      // the game as played
    Board startPosition{};  // the layout the current game began from

    int sideToMove = 0;           // Red 1, Black 0
    int thinkThread = 0;          // non-zero exactly while a computer think runs
    int pieceMoving = 0;          // 1 from a performed move until its sprite has arrived
    int gameOver = 0;             // 1 once the game has ended
    Square selectedSquare = 0;    // the piece a person has picked; 0 for none
    Square animTargetSquare = 0;  // display square where the moving piece lands
    int viewFlipped = 0;          // 0 Red at the bottom, 1 Black at the bottom
    int moveCount = 0;            // moves performed in this game

    QString levelName;
    int levelTimeMs = 0;
    int levelStartDepth = 0;

    int redStepSeconds = 0;
    int redTotalSeconds = 0;
    int blackStepSeconds = 0;
    int blackTotalSeconds = 0;

    std::vector<SpriteEntry> spriteTable;  // one entry per piece sprite, in square order
    std::array<int, 2> markerSprites{};    // [0] selection or from-square, [1] to-square
};

}  // namespace xq
