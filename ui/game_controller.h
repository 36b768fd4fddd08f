// The course of a game on the window thread: a new game from the set-up controls, the turn
// switch that lets the computer think, a person's presses on the board, and the end of every
// move once its sprite has arrived.
#pragma once

#include <array>

#include "rules/board.h"

class QAbstractButton;
class QLabel;
class QPlainTextEdit;

namespace xq {

class BoardView;
class Clocks;
class ComputerPlayer;
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
    QPlainTextEdit* thinkingPanel;    // "思考展示框"
    QLabel* levelLabel;               // "级别显示"
};

// The radio buttons a new game is read from, each group in the order it is tested.
struct SetUpButtons {
    std::array<QAbstractButton*, 3> firstMover;  // "电脑先走" "我先走" "电脑对局"; else "不用电脑"
    std::array<QAbstractButton*, 3> handicap;  // "不让子" "让单马" "让双马"
    std::array<QAbstractButton*, 4> level;     // "黄金" "钻石" "大师" "王者", as in levels
};

class GameController {
  public:
    GameController(GameState& state, SpriteBoard& board, BoardView& view, MoveRecord& record,
                   Clocks& clocks, ComputerPlayer& computer, SoundPlayer& sounds,
                   MessagePresenter& messages, GameControls controls, SetUpButtons setUp);

    // The handler of "新建对局".
    void newGame();
    // Drops the game in progress without a trace and starts a new one with Red to move.
    void resetGame(bool flipped, bool computerRed, bool computerBlack, const Board& start);
    // Hands the clocks to the side to move and lets the computer think when it plays that side;
    // once the game is over it only stops the clocks.
    void startTurn();
    // A press of either mouse button at (x, y) in board pixels: selects a piece of the side to
    // move, or moves the selected one there if the rules allow it.
    void onBoardPressed(int x, int y);
    // The handler of autoMoveStopped: the captured sprite goes, a clip plays, the game-end tests
    // run and the turn passes on.
    void onMoveFinished(int sprite);
    // The click of the level button `index` in levels.
    void applyLevel(int index);

    // The window is going: the think ends at once and nothing of this game is handled here any
    // more, whatever events are still on their way.
    void retire();

  private:
    void takeLevelFromButtons();
    void showLevel();
    void startThink();
    void endGame(const char* caption, const char* message);

    GameState& state_;
    SpriteBoard& board_;
    BoardView& view_;
    MoveRecord& record_;
    Clocks& clocks_;
    ComputerPlayer& computer_;
    SoundPlayer& sounds_;
    MessagePresenter& messages_;
    GameControls controls_;
    SetUpButtons setUp_;
    // A window loaded afresh shows no game even though the game state keeps the dropped one;
    // its board takes no presses until "新建对局" is pressed in it.
    bool started_ = false;
    bool retired_ = false;
};

}  // namespace xq
