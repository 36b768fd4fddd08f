// The game: one main window over the game state, which lives as long as the program.
#include <QApplication>

#include "ui/game_state.h"
#include "ui/main_window.h"
#include "ui/platform/qt_message_presenter.h"
#include "ui/platform/qt_sound_player.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    xq::GameState state;
    xq::QtSoundPlayer sounds;
    xq::QtMessagePresenter messages;

    auto* window = new xq::MainWindow(state, xq::WindowServices{sounds, messages});
    window->setAttribute(Qt::WA_DeleteOnClose);  // gone before the state it shows
    window->show();
    return app.exec();
}
