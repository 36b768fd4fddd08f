#include "ui/game_application.h"

#include <QCoreApplication>

#include "ui/computer_player.h"
#include "ui/game_state.h"
#include "ui/main_window.h"
#include "ui/replay_prompt.h"

namespace xq {

GameApplication::GameApplication(WindowServices services, std::function<void()> quit)
    : services_(services),
      quit_(quit ? std::move(quit) : [] { QCoreApplication::exit(0); }),
      state_(std::make_unique<GameState>()),
      computer_(std::make_unique<ComputerPlayer>(*state_)) {}

GameApplication::~GameApplication() {
    delete prompt_;
    delete mainWindow_;
}

MainWindow* GameApplication::mainWindow() const {
    return mainWindow_;
}

ReplayPrompt* GameApplication::replayPrompt() const {
    return prompt_;
}

void GameApplication::loadMainWindow() {
    auto* window = new MainWindow(*state_, services_, *computer_);
    window->setAttribute(Qt::WA_DeleteOnClose);
    // Queued: the window is destroyed by the prompt, never from inside its own button's click.
    connect(window, &MainWindow::restartRequested, this, &GameApplication::showReplayPrompt,
            Qt::QueuedConnection);
    mainWindow_ = window;
    window->show();
}

void GameApplication::showReplayPrompt() {
    if (prompt_) return;
    computer_->stop();
    auto* prompt = new ReplayPrompt(ReplayPrompt::Actions{[this] { loadMainWindow(); },
                                                          [this] {
                                                              if (mainWindow_)
                                                                  mainWindow_->activateWindow();
                                                          },
                                                          quit_});
    prompt_ = prompt;
    // Shown before the main window goes, so that the program never finds itself windowless.
    prompt->show();
    delete mainWindow_;
}

}  // namespace xq
