// The course of a game on the window thread: a new game, the turn switch, and the end of every
// move once its sprite has arrived.
#pragma once

#include "rules/board.h"

class QAbstractButton;
class QLabel;

namespace xq {

class BoardView;
class Clocks;
struct GameState;
class MoveRecord;
class SoundPlayer;
class MessagePresenter;
class SpriteBoard;

// The controls the game reads and writes besides the board, the record and the clocks.
struct GameControls {
    QLabel* thinkingLabel;            // "电脑思考标签"
    QAbstractButton* computerRed;     // "电脑执红"
    QAbstractButton* computerBlack;   // "电脑执黑"
    QAbstractButton* takeBackButton;  // "悔棋"
};

class GameController {
  public:
    GameController(GameState& state, SpriteBoard& board, BoardView& view, MoveRecord& record,
                   Clocks& clocks, SoundPlayer& sounds, MessagePresenter& messages,
                   GameControls controls);

    // The handler of "新建对局". For now it always sets up the full layout for two people.
    void newGame();
    // Drops the game in progress without a trace and starts a new one with Red to move.
    void resetGame(bool flipped, bool computerRed, bool computerBlack, const Board& start);
    // Hands the clocks to the side to move, or stops them all once the game is over.
    void startTurn();
    // The handler of autoMoveStopped: the captured sprite goes, a clip plays, the game-end tests
    // run and the turn passes on.
    void onMoveFinished(int sprite);

  private:
    void endGame(const char* caption, const char* message);

    GameState& state_;
    SpriteBoard& board_;
    BoardView& view_;
    MoveRecord& record_;
    Clocks& clocks_;
    SoundPlayer& sounds_;
    MessagePresenter& messages_;
    GameControls controls_;
};

}  // namespace xq
