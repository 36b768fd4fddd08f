// The whole program's objects, as main() makes them, with recorded sounds and messages and a
// quit that is only counted.
#pragma once

#include <QPlainTextEdit>
#include <QPushButton>

#include "play_fixture.h"
#include "ui/game_application.h"
#include "ui/replay_prompt.h"

namespace xq::testing {

class AppTest : public ::testing::Test {
  protected:
    AppTest() : app(WindowServices{sounds, messages}, [this] { ++quits; }) {
        app.computer().capThinks(60, 0);
        app.loadMainWindow();
    }

    GameState& state() { return app.state(); }
    template <typename T = QWidget>
    T* inWindow(const char* name) {
        return app.mainWindow()->findChild<T*>(QString::fromUtf8(name));
    }
    QAbstractButton* promptButton(const char* name) {
        return app.replayPrompt()->findChild<QAbstractButton*>(QString::fromUtf8(name));
    }
    void clickInWindow(const char* name) {
        QTest::mouseClick(inWindow<QAbstractButton>(name), Qt::LeftButton);
    }

    // "重开": the prompt comes once the click has been handled, in place of the main window.
    void pressRestart() {
        clickInWindow("重开");
        ASSERT_TRUE(QTest::qWaitFor([&] { return app.replayPrompt() != nullptr; }, 5000));
    }
    // "确认再来一局": a fresh main window, and the prompt goes.
    void pressPlayAgain() {
        QTest::mouseClick(promptButton("按钮1"), Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([&] { return app.replayPrompt() == nullptr; }, 5000));
        ASSERT_NE(app.mainWindow(), nullptr);
    }

    RecordingSoundPlayer sounds;
    RecordingMessagePresenter messages;
    int quits = 0;
    GameApplication app;
};

}  // namespace xq::testing
