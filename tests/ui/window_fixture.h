// A real main window over its own game state, with sounds and messages recorded instead of
// played and shown.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include <vector>

#include "ui/board_view.h"
#include "ui/computer_player.h"
#include "ui/game_controller.h"
#include "ui/game_state.h"
#include "ui/main_window.h"
#include "ui/move_record.h"
#include "ui/platform/message_presenter.h"
#include "ui/platform/period_timer.h"
#include "ui/platform/sound_player.h"
#include "ui/platform/sprite_board.h"

namespace xq::testing {

class RecordingSoundPlayer : public SoundPlayer {
  public:
    void playSound(Sound sound) override { played.push_back(sound); }
    std::vector<Sound> played;
};

class RecordingMessagePresenter : public MessagePresenter {
  public:
    void showMessage(const QString& text) override { shown.push_back(text); }
    std::vector<QString> shown;
};

class WindowTest : public ::testing::Test {
  protected:
    WindowTest() : computer(state), window(state, WindowServices{sounds, messages}, computer) {
        window.show();
    }

    template <typename T = QWidget>
    T* control(const char* name) {
        return window.findChild<T*>(QString::fromUtf8(name));
    }
    QString labelText(const char* name) { return control<QLabel>(name)->text(); }
    SpriteBoard& board() { return window.spriteBoard(); }
    PeriodTimer* timer(const char* name) { return window.clockTimer(name); }

    void pressNewGame() { QTest::mouseClick(control<QAbstractButton>("新建对局"), Qt::LeftButton); }
    void pressFlip() { QTest::mouseClick(control<QAbstractButton>("翻转按钮"), Qt::LeftButton); }

    // Performs a move and lets its sprite arrive without waiting for the slide.
    void playMove(int from, int to) {
        QSignalSpy arrived(&board(), &SpriteBoard::autoMoveStopped);
        window.moveRecord().performMove(from, to);
        board().finishRunningMoves();
        ASSERT_TRUE(arrived.count() == 1 || arrived.wait(1000));
    }

    GameState state;
    RecordingSoundPlayer sounds;
    RecordingMessagePresenter messages;
    ComputerPlayer computer;
    MainWindow window;
};

}  // namespace xq::testing
