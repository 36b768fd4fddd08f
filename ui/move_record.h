// Performing a move: its line in the record "打谱框", the new position in the game state, the
// markers, and the piece's sprite sent sliding to its destination. Runs on the window thread;
// the computer's move is handed over to it from the worker.
#pragma once

#include <functional>

#include "rules/board.h"

class QPlainTextEdit;
class QWidget;

namespace xq {

class BoardView;
struct GameState;
class SpriteBoard;

class MoveRecord {
  public:
    MoveRecord(GameState& state, SpriteBoard& board, BoardView& view, QPlainTextEdit* recordBox,
               QWidget* thinkingLabel);

    // Performs a legal move of the side to move; nothing is checked here. The game state is the
    // new position at once; the sprite board reports the sprite's arrival with autoMoveStopped.
    void performMove(int from, int to);

    // The record of a game that has just begun.
    void clear();

    // For tests and tools: hears of every move just before it is performed, with the position
    // it is played in.
    using Observer = std::function<void(const Board& before, int from, int to)>;
    void setObserver(Observer observer) { observer_ = std::move(observer); }

  private:
    GameState& state_;
    SpriteBoard& board_;
    BoardView& view_;
    QPlainTextEdit* recordBox_;
    QWidget* thinkingLabel_;
    Observer observer_;
};

}  // namespace xq
