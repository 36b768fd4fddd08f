// The board view: one sprite per piece on "棋盘", kept in step with gameBoard, the square
// markers, the file numbers above and below the board, the players' label groups beside it, and
// turning the whole view round.
#pragma once

#include "rules/board.h"

class QLabel;
class QWidget;

namespace xq {

struct GameState;
class MessagePresenter;
class SpriteBoard;

// Each side's name label and its two clock labels, which stand on the side where its pieces are.
struct SidePanels {
    QWidget* redName;
    QWidget* redStep;
    QWidget* redTotal;
    QWidget* blackName;
    QWidget* blackStep;
    QWidget* blackTotal;
};

class BoardView {
  public:
    BoardView(GameState& state, SpriteBoard& board, MessagePresenter& messages, SidePanels panels,
              QLabel* filesAbove, QLabel* filesBelow);

    // Loads `start` into gameBoard and gives every piece a sprite; the old sprites and markers go.
    void setUpPieces(const Board& start);
    // Replaces the markers by ones on squares a and b (0 for none).
    void showMarkers(int a, int b);
    void placeSidePanels();
    void showFileNumbers();
    // The handler of "翻转棋盘"; refused with a message while a piece slides.
    void flipBoard();

  private:
    GameState& state_;
    SpriteBoard& board_;
    MessagePresenter& messages_;
    SidePanels panels_;
    QLabel* filesAbove_;
    QLabel* filesBelow_;
};

}  // namespace xq
