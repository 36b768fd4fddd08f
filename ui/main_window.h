// The main window: the board, the set-up controls, the clocks, the move record and the thinking
// panel, with the parts of the game that work on them. The game state it shows belongs to the
// application and outlives the window.
#pragma once

#include <QWidget>

#include <memory>

#include "ui/platform/window_services.h"

class QLabel;
class QPlainTextEdit;

namespace xq {

class BoardView;
class Clocks;
class ComputerPlayer;
class GameController;
struct GameState;
class MoveRecord;
class PeriodTimer;
class SpriteBoard;

class MainWindow : public QWidget {
    Q_OBJECT

  public:
    // The computer player, like the state, belongs to the application and serves each window
    // in turn.
    MainWindow(GameState& state, WindowServices services, ComputerPlayer& computer,
               QWidget* parent = nullptr);
    // Ends a running think before anything of the window goes.
    ~MainWindow() override;

    SpriteBoard& spriteBoard() { return *board_; }
    BoardView& boardView() { return *view_; }
    MoveRecord& moveRecord() { return *record_; }
    Clocks& clocks() { return *clocks_; }
    GameController& game() { return *game_; }
    PeriodTimer* clockTimer(const char* name) const;

  signals:
    // "重开" was pressed: the application puts the replay prompt in place of this window.
    void restartRequested();

  protected:
    // Closing the window ends a running think at once, before the window is destroyed.
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildControls();
    void registerSpriteTemplates();
    void onCreated();
    template <typename T>
    T* control(const char* name) const;

    GameState& state_;
    WindowServices services_;
    ComputerPlayer& computer_;
    SpriteBoard* board_ = nullptr;
    std::unique_ptr<BoardView> view_;
    std::unique_ptr<MoveRecord> record_;
    std::unique_ptr<Clocks> clocks_;
    std::unique_ptr<GameController> game_;
};

}  // namespace xq
