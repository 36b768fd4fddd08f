// The game: the application's state and computer player, and its main window.
#include <QApplication>

#include "ui/game_application.h"
#include "ui/platform/qt_message_presenter.h"
#include "ui/platform/qt_sound_player.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    xq::QtSoundPlayer sounds;
    xq::QtMessagePresenter messages;
    xq::GameApplication game(xq::WindowServices{sounds, messages});
    game.loadMainWindow();
    return app.exec();
}
