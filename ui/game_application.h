// The program's own objects: the game state, the computer player and the platform services,
// which live for the whole run, and the window that shows them: the main window, or the replay
// prompt that "重开" puts in its place.
#pragma once

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

#include "ui/platform/window_services.h"

namespace xq {

class ComputerPlayer;
struct GameState;
class MainWindow;
class ReplayPrompt;

class GameApplication : public QObject {
    Q_OBJECT

  public:
    // `quit` ends the program with exit code 0; by default it leaves the event loop with 0.
    explicit GameApplication(WindowServices services, std::function<void()> quit = {});
    // The windows go first: they show the state and drive the computer.
    ~GameApplication() override;

    GameState& state() { return *state_; }
    ComputerPlayer& computer() { return *computer_; }
    MainWindow* mainWindow() const;  // 0 while the replay prompt stands in its place
    ReplayPrompt* replayPrompt() const;

    // Loads and shows a main window as designed, with no game on its board.
    void loadMainWindow();
    // Replaces the main window by the replay prompt; a running think ends with the window.
    void showReplayPrompt();

  private:
    WindowServices services_;
    std::function<void()> quit_;
    std::unique_ptr<GameState> state_;
    std::unique_ptr<ComputerPlayer> computer_;
    QPointer<MainWindow> mainWindow_;
    QPointer<ReplayPrompt> prompt_;
};

}  // namespace xq
