// xiangqi-screenshot-driver: the real game window, which sets up a game for two people by itself
// and plays a short opening at a person's pace, then prints "ready" and waits to be photographed.
// Used by tools/screenshot.sh; not part of the game.
#include <QAbstractButton>
#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <utility>
#include <vector>

#include "ui/game_application.h"
#include "ui/main_window.h"
#include "ui/move_record.h"
#include "ui/platform/qt_message_presenter.h"
#include "ui/platform/qt_sound_player.h"
#include "ui/platform/sprite_board.h"

namespace {

// Over a second, so that every turn shows on the clocks, which count whole seconds.
constexpr int PauseBetweenMovesMs = 1600;

// 炮二平五 马８进７ 马二进三 车９平８ 车一平二 卒７进１ 兵七进一 马２进３ 马八进七
const std::vector<std::pair<int, int>> opening = {{171, 168}, {59, 90},   {203, 170},
                                                  {60, 59},   {204, 203}, {106, 122},
                                                  {150, 134}, {53, 86},   {197, 166}};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    xq::QtSoundPlayer sounds;
    xq::QtMessagePresenter messages;
    xq::GameApplication game(xq::WindowServices{sounds, messages});
    game.loadMainWindow();
    xq::MainWindow* window = game.mainWindow();

    std::size_t next = 0;
    auto playNext = [&] {
        if (next == opening.size()) {
            std::printf("ready\n");
            std::fflush(stdout);
            return;
        }
        const auto [from, to] = opening[next++];
        window->moveRecord().performMove(from, to);
    };
    QObject::connect(&window->spriteBoard(), &xq::SpriteBoard::autoMoveStopped, window,
                     [&] { QTimer::singleShot(PauseBetweenMovesMs, window, playNext); });
    QTimer::singleShot(PauseBetweenMovesMs, window, [&] {
        // Two people: the script plays both sides, the computer none.
        window->findChild<QAbstractButton*>(QStringLiteral("不用电脑"))->click();
        window->findChild<QAbstractButton*>(QStringLiteral("新建对局"))->click();
        QTimer::singleShot(PauseBetweenMovesMs, window, playNext);
    });
    return app.exec();
}
